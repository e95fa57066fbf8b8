// Draws the game's pictures and synthesises its sounds into one folder. Runs headless at build
// time; the same sources give the same bytes at every build.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <cstdio>
#include <functional>

#include "Palette.h"
#include "Pictures.h"
#include "Sounds.h"

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantix_assets OUTPUT-FOLDER\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!out.mkpath(".")) {
    std::fprintf(stderr, "vantix_assets: cannot create %s\n", argv[1]);
    return 1;
  }
  // The lettering depends on the faces found; say so when the build machine lacks them.
  for (const char* family : {vantix::art::kSans}) {
    const QFontInfo info{QFont(family)};
    if (info.family() != family)
      std::fprintf(stderr, "vantix_assets: font \"%s\" not found, using \"%s\"\n", family,
                   qPrintable(info.family()));
  }

  using namespace vantix::art;
  const std::pair<const char*, std::function<QImage()>> pictures[] = {
      {"radar.png", drawRadarPicture}, {"dial.png", drawHeadingDial}, {"scales.png", drawScales},
      {"chart.png", drawChartFrame},   {"icon.png", drawProgramIcon},
  };
  for (const auto& [name, draw] : pictures) {
    if (!draw().save(out.filePath(name), "PNG")) {
      std::fprintf(stderr, "vantix_assets: cannot write %s\n", name);
      return 1;
    }
  }
  const std::pair<const char*, std::function<std::vector<std::int16_t>()>> sounds[] = {
      {"s1.wav", warningBeep}, {"s3.wav", acknowledgement}, {"explode.wav", explosion}};
  for (const auto& [name, make] : sounds) {
    if (!writeFile(out.filePath(name), waveFile(make()))) {
      std::fprintf(stderr, "vantix_assets: cannot write %s\n", name);
      return 1;
    }
  }
  return 0;
}
