// The services the game asks of its machine, each behind a small interface so that tests can
// put fakes in their place: the clock, random numbers, the event queue, modal boxes, help,
// sound and the browser.
#pragma once

#include <QString>
#include <cstdint>

namespace rt {

// Seconds since midnight, with fractions, read in single precision; 0 again at midnight. The
// tick's wait measures its end on the monotonic seconds instead: in single precision the clock
// moves in steps of up to 8 ms, which would stretch every tick by up to a step.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual float Timer() = 0;
  virtual double Monotonic() = 0;
};

// Values in [0, 1); the same start state at every program start. Randomize mixes a number into
// the current state, so two reseeds with the same number do not repeat a sequence.
class Random {
 public:
  virtual ~Random() = default;
  virtual float Rnd() = 0;
  virtual void Randomize(double seed) = 0;
};

// The window system's event queue.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Processes the pending window events once and returns.
  virtual void DoEvents() = 0;
  // Sleeps until a window event arrives or the time has passed, then processes what came.
  virtual void Sleep(double seconds) = 0;
  // True once the program is ending (Exit, the desktop session ending, a signal): a running
  // game's loop stops instead of hanging.
  virtual bool Quitting() const = 0;
  // Ends the program at once: no window asks anything.
  virtual void EndProgram() = 0;
};

// Modal boxes; their title bar shows the program's title.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box with OK, or OK and Cancel; true when OK was chosen.
  virtual bool MsgBox(const QString& prompt, bool withCancel) = 0;
  // A prompt with OK and Cancel and no default text: the typed text, or "" after Cancel.
  virtual QString InputBox(const QString& prompt) = 0;
  // A box that tells the player about a trouble (a file that could not be saved).
  virtual void Warn(const QString& text) = 0;
};

// Plays a WAV file from the working folder asynchronously; never blocks, never fails loudly.
class Sound {
 public:
  virtual ~Sound() = default;
  virtual bool Play(const QString& file) = 0;
};

// Hands a web address to the system's browser, without a shell; true when a launcher started.
class Browser {
 public:
  virtual ~Browser() = default;
  virtual bool Open(const QString& address) = 0;
};

// Shows a help file of the working folder in a help window of the program.
class Help {
 public:
  virtual ~Help() = default;
  virtual void Show(const QString& file) = 0;
};

struct Services {
  Clock& clock;
  Random& random;
  EventLoop& events;
  Dialogs& dialogs;
  Sound& sound;
  Browser& browser;
  Help& help;
  // The application's help file, the one F1 opens; named by the game at its set-up.
  QString helpFile;
};

// The services of the running program: installed once by the program (or by a test) before any
// window is created, like the application object itself.
void InstallServices(Services* services);
Services& Svc();

// Our own random generator: a fixed start state and a reseed that mixes the number in.
class SeededRandom final : public Random {
 public:
  float Rnd() override;
  void Randomize(double seed) override;

 private:
  std::uint64_t state_ = 0x5EED0F7A11C0FFEEull;
};

}  // namespace rt
