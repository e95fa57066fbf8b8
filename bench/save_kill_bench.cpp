// Kills saves of "scores.dat" at random moments and looks at what each kill left: the old file
// or the new one whole is right, anything else is a partial file. A child process rewrites the
// file again and again, alternating two contents of different lengths, and is killed with
// SIGKILL at a random moment within its first three saves. Left-over temporary files beside the
// file are counted and removed.
//
// Where the folder allows the replace (the usual case) no kill may leave a partial file. Run as
// root, a second run plays a player who may write the file but not its folder, so that every
// save is written in place: that figure is for information, as such a save is not whole at
// every moment. Usage: save_kill_bench [kills per run, 800] [folder, the system's temp folder]
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "highscores/ScoreStore.h"

namespace {

QStringList Lines(const QString& name) {
  QStringList lines;
  for (int level = 1; level <= 6; ++level) lines << name << "ABCDEFGHIJK";
  return lines;
}

QByteArray Bytes(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
  return bytes;
}

struct Figures {
  int whole[2] = {0, 0}, partial = 0, strays = 0;
  double saveMs = 0;
};

Figures Run(const QString& folder, int kills, bool inPlace) {
  const QString path = folder + "/scores.dat";
  const QStringList contents[2] = {Lines("Annabell"), Lines("B")};
  const QByteArray bytes[2] = {Bytes(contents[0]), Bytes(contents[1])};
  Figures figures;
  highscores::WriteLines(path, contents[0]);
  if (inPlace) {
    ::chmod(QFile::encodeName(folder), 0755);
    ::chmod(QFile::encodeName(path), 0666);
  }
  int ready[2];
  if (::pipe(ready) != 0) std::abort();
  auto saveForEver = [&](int first) {
    if (inPlace && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
    if (::write(ready[1], "r", 1) != 1) ::_exit(3);
    for (int i = first;; ++i)
      if (!highscores::WriteLines(path, contents[i % 2]).isEmpty()) ::_exit(1);
  };

  // How long one save takes, to spread the kills over several saves.
  std::vector<double> times;
  for (int i = 0; i < 41; ++i) {
    QElapsedTimer timer;
    timer.start();
    highscores::WriteLines(path, contents[i % 2]);
    times.push_back(timer.nsecsElapsed() / 1e6);
  }
  std::nth_element(times.begin(), times.begin() + 20, times.end());
  figures.saveMs = times[20];
  const int spreadUs = std::max(100, int(3000 * figures.saveMs));

  for (int k = 0; k < kills; ++k) {
    const pid_t child = ::fork();
    if (child == 0) saveForEver(k);
    char byte;
    if (::read(ready[0], &byte, 1) != 1) std::abort();
    ::usleep(QRandomGenerator::global()->bounded(spreadUs));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    QFile file(path);
    const QByteArray now = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (now == bytes[0] || now == bytes[1])
      ++figures.whole[now == bytes[1]];
    else
      ++figures.partial;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
      if (name == "scores.dat") continue;
      ++figures.strays;
      QFile::remove(folder + "/" + name);
    }
  }
  ::close(ready[0]);
  ::close(ready[1]);
  return figures;
}

void Print(const char* what, int kills, const Figures& f) {
  std::printf(
      "%s: %d kills, one save %.3f ms (median); left the one content whole %d, the other "
      "whole %d, partial %d; temporary files left beside it %d\n",
      what, kills, f.saveMs, f.whole[0], f.whole[1], f.partial, f.strays);
}

}  // namespace

int main(int argc, char** argv) {
  const int kills = argc > 1 ? std::atoi(argv[1]) : 800;
  const QString base = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QDir::tempPath();
  {
    QTemporaryDir dir(base + "/save-kill-XXXXXX");
    Print("replaced at once", kills, Run(dir.path(), kills, false));
  }
  if (::geteuid() == 0) {
    QTemporaryDir dir(base + "/save-kill-XXXXXX");
    Print("written in place (folder not the player's)", kills, Run(dir.path(), kills, true));
  }
  return 0;
}
