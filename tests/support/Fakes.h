// Fakes of the machine's services: a clock that moves on by itself at each wait, a random source
// that can be scripted, dialogs that answer from a script, and a sound, a browser and a help that
// record what they were asked.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "platform/Services.h"

class FakeClock final : public rt::Clock {
 public:
  float Timer() override;
  double Monotonic() override { return now_; }
  void Advance(double seconds);
  void Set(double secondsSinceMidnight) { now_ = secondsSinceMidnight; }
  double Now() const { return now_; }

 private:
  double now_ = 36000.0;  // 10:00 in the morning
};

class FakeEvents final : public rt::EventLoop {
 public:
  explicit FakeEvents(FakeClock& clock) : clock_(clock) {}
  // Each yield runs the hook: the player's actions between ticks. A wait that yields on and on
  // while no time passes would hang the test: after many such yields the program is ended (as
  // a quit would end it) and spun is set, so the test fails instead.
  void DoEvents() override;
  // Moves the clock on to the end of the wait at once.
  void Sleep(double seconds) override;
  bool Quitting() const override { return quitting; }
  void EndProgram() override {
    quitting = true;
    ++endProgramCalls;
  }

  std::function<void()> onYield;
  int yields = 0;
  int sleeps = 0;
  bool quitting = false;
  bool spun = false;
  int endProgramCalls = 0;

 private:
  FakeClock& clock_;
  double lastYieldAt_ = -1;
  int stillYields_ = 0;
};

class ScriptedRandom final : public rt::Random {
 public:
  // Scripted values first, then the steady value when one is set, else the program's own
  // generator.
  float Rnd() override;
  void Randomize(double seed) override;
  std::deque<float> script;
  std::optional<float> steady;
  // Runs at every draw: a test can make the work of a tick cost time on the fake clock.
  std::function<void()> onDraw;
  std::vector<double> seeds;
  int draws = 0;

 private:
  rt::SeededRandom generator_;
};

class ScriptedDialogs final : public rt::Dialogs {
 public:
  bool MsgBox(const QString& prompt, bool withCancel) override;
  QString InputBox(const QString& prompt) override;
  void Warn(const QString& text) override { warnings.append(text); }
  // Answers in order; OK for a message box and "" for an input box once the script is spent.
  std::deque<bool> msgBoxAnswers;
  std::deque<QString> inputAnswers;
  QStringList msgBoxPrompts;
  QList<bool> msgBoxOfferedCancel;  // for each message box, whether it had a Cancel button
  QStringList inputPrompts;
  QStringList warnings;
  // Run inside a message box or an input box, as the player's actions would while it is open.
  std::function<void(const QString&)> onMsgBox;
  std::function<void(const QString&)> onInputBox;
};

class RecordingSound final : public rt::Sound {
 public:
  bool Play(const QString& file) override {
    played.append(file);
    return true;
  }
  QStringList played;
};

class RecordingBrowser final : public rt::Browser {
 public:
  bool Open(const QString& address) override {
    opened.append(address);
    return result;
  }
  QStringList opened;
  bool result = false;
};

class RecordingHelp final : public rt::Help {
 public:
  void Show(const QString& file) override { shown.append(file); }
  QStringList shown;
};
