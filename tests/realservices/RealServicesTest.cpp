// The program's own services where the other tests use fakes: the wait on Qt's event queue with
// the real clock, the signals that end the program, and the sound call. The bounds on time here
// are hang checks, generous on purpose, never measures of speed.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/QtServices.h"
#include "support/Player.h"

namespace {

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// CPU time this thread has used, in seconds.
double CpuTime() {
  rusage use{};
  getrusage(RUSAGE_THREAD, &use);
  return use.ru_utime.tv_sec + use.ru_stime.tv_sec +
         (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

// Ends the test program with a failure when the calls made during its life have not returned
// within the limit, so that a call that hangs fails the test instead of stalling the suite.
class HangGuard {
 public:
  HangGuard(const char* what, std::chrono::seconds limit)
      : watch_([this, what, limit] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (!returned_.wait_for(lock, limit, [this] { return done_; })) {
            std::fprintf(stderr, "%s hangs\n", what);
            std::_Exit(1);
          }
        }) {}
  ~HangGuard() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    returned_.notify_one();
    watch_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable returned_;
  bool done_ = false;
  std::thread watch_;
};

// The real event queue, watched: each yield also runs the hook.
class WatchedEvents final : public rt::EventLoop {
 public:
  void DoEvents() override {
    real.DoEvents();
    if (onYield) onYield();
  }
  void Sleep(double seconds) override { real.Sleep(seconds); }
  bool Quitting() const override { return real.Quitting(); }
  void EndProgram() override { real.EndProgram(); }
  rt::QtEventLoop real;
  std::function<void()> onYield;
};

// Whether the process has a handler of its own for the signal: only then may it be sent.
bool CatchesSignal(pid_t pid, int signal) {
  QFile status(QString("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return false;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("SigCgt:"))
      return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
  return false;
}

// A short sound file: 0.1 s of silence, 8-bit mono at 8 kHz.
QByteArray SilentWav() {
  const int samples = 800;
  QByteArray wav;
  auto put32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
  auto put16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
  wav.append("RIFF");
  put32(36 + samples);
  wav.append("WAVEfmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(8000);
  put32(8000);
  put16(1);
  put16(8);
  wav.append("data");
  put32(samples);
  wav.append(QByteArray(samples, '\x80'));
  return wav;
}

}  // namespace

/** On the real clock and Qt's event queue, a game with Fast ticked ticks every 0.2 s and sleeps
 *  between its ticks instead of spinning. A SIGTERM in the middle of the game ends the game's
 *  loop at once, with no game-over box, and the program's event loop with status 0. */
TEST(RealServices, AFastGameSleepsThroughItsWaitsAndEndsOnSigterm) {
  constexpr int kTicks = 8;
  rt::SystemClock clock;
  WatchedEvents events;
  TestWorld world(clock, events);
  Vantix& game = world.game();
  game.Check3.SetValue(1);  // Fast

  // The end of each tick's wait, and the CPU time used from the end of the first.
  std::vector<double> tickEnds;
  double cpuFromFirstEnd = 0, cpuUsed = 0;
  int lastTick = 0;
  events.onYield = [&] {
    const int tick = TicksPlayed(game);
    if (tick == 0) return;  // the set-up
    if (tick != lastTick) {
      lastTick = tick;
      tickEnds.push_back(0);
      if (tick == 2) cpuFromFirstEnd = CpuTime();
      if (tick == kTicks + 1) {
        cpuUsed = CpuTime() - cpuFromFirstEnd;
        std::raise(SIGTERM);
      }
    }
    tickEnds.back() = Now();
  };
  QTimer::singleShot(0, game.Window(), [&] { world.front().Command3.PlayerClick(); });
  // Should the signal not end the game, the player ends it, and the program reports a failure.
  QTimer failed;
  failed.setSingleShot(true);
  QObject::connect(&failed, &QTimer::timeout, [&] {
    game.GameOver = 1;
    QCoreApplication::exit(1);
  });
  failed.start(15000);
  const int status = QCoreApplication::exec();

  EXPECT_EQ(status, 0);
  EXPECT_TRUE(events.Quitting());
  EXPECT_TRUE(world.dialogs.msgBoxPrompts.isEmpty()) << "the game was handed over";
  EXPECT_EQ(lastTick, kTicks + 1) << "the game went on after the signal";
  ASSERT_GE(tickEnds.size(), static_cast<size_t>(kTicks));
  for (int k = 2; k <= kTicks; ++k) {
    const double period = tickEnds[k - 1] - tickEnds[k - 2];
    EXPECT_GT(period, 0.19) << "tick " << k;
    EXPECT_LT(period, 0.5) << "tick " << k;
  }
  const double wall = tickEnds[kTicks - 1] - tickEnds[0];
  EXPECT_LT(cpuUsed, wall / 2) << "the wait spins: " << cpuUsed << " s of CPU in " << wall << " s";
}

/** The program ends at once with status 0 on SIGTERM or SIGINT, the desktop's and the
 *  terminal's ways to stop it. */
TEST(RealServices, TheProgramEndsOnSigtermAndSigint) {
  const QString program = qEnvironmentVariable("VANTIX_PROGRAM");
  ASSERT_FALSE(program.isEmpty()) << "VANTIX_PROGRAM names the program (CTest sets it)";
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  for (const int signal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal);
    QTemporaryDir folder;
    QProcess vantix;
    vantix.setWorkingDirectory(folder.path());
    vantix.setProcessEnvironment(environment);
    vantix.setProcessChannelMode(QProcess::MergedChannels);
    vantix.start(program, {});
    ASSERT_TRUE(vantix.waitForStarted(10000));
    const auto pid = static_cast<pid_t>(vantix.processId());
    ASSERT_TRUE(QTest::qWaitFor([&] { return CatchesSignal(pid, signal); }, 10000))
        << vantix.readAll().toStdString();
    ::kill(pid, signal);
    ASSERT_TRUE(vantix.waitForFinished(5000)) << "still running";
    EXPECT_EQ(vantix.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vantix.exitCode(), 0) << vantix.readAll().toStdString();
  }
}

/** The sound call returns at once with no sound server: a missing file plays nothing, and a real
 *  one is handed to the sound system without waiting for it, each time it is asked for. */
TEST(RealServices, TheSoundCallReturnsAtOnceWithNoSoundServer) {
  qputenv("PULSE_SERVER", "unix:/nonexistent/pulse");  // no server, whatever this machine has
  QTemporaryDir folder;
  QFile file(folder.filePath("s1.wav"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(SilentWav());
  file.close();

  const HangGuard guard("the sound call", std::chrono::seconds(10));
  rt::QtSound sound;
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_FALSE(sound.Play(folder.filePath("missing.wav")));
  for (int i = 0; i < 3; ++i) sound.Play(file.fileName());
  QCoreApplication::processEvents();
  sound.Play(file.fileName());
  EXPECT_LT(elapsed.elapsed(), 1000);
}
