// Reading and writing a file of the test's working folder byte for byte.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines joined as the game writes them, every one ending in CR LF.
inline QByteArray CrLfLines(std::initializer_list<QByteArray> lines) {
  QByteArray bytes;
  for (const QByteArray& line : lines) bytes += line + "\r\n";
  return bytes;
}
