// The services of the real program, on Qt.
#pragma once

#include <QHash>
#include <QString>
#include <memory>

#include "platform/Services.h"

class QTimer;
class QSoundEffect;
class QTextBrowser;
class QSocketNotifier;

namespace rt {

class SystemClock final : public Clock {
 public:
  float Timer() override;
  double Monotonic() override;
};

class QuitWatcher;

// Waits with a precise single-shot timer and the event queue's own wait: it sleeps, it does not
// spin. The application's quit (the desktop session ending) and SIGINT/SIGTERM end the program.
class QtEventLoop final : public EventLoop {
 public:
  QtEventLoop();
  ~QtEventLoop() override;
  void DoEvents() override;
  void Sleep(double seconds) override;
  bool Quitting() const override { return quitting_; }
  void EndProgram() override;

 private:
  std::unique_ptr<QTimer> wake_;
  std::unique_ptr<QSocketNotifier> signals_;
  std::unique_ptr<QuitWatcher> quit_;
  bool quitting_ = false;
};

class QtDialogs final : public Dialogs {
 public:
  bool MsgBox(const QString& prompt, bool withCancel) override;
  QString InputBox(const QString& prompt) override;
  void Warn(const QString& text) override;
};

// Each file is loaded once and kept; a missing or broken file, or no audio device, is silent.
class QtSound final : public Sound {
 public:
  QtSound();
  ~QtSound() override;
  bool Play(const QString& file) override;

 private:
  QHash<QString, QSoundEffect*> effects_;
};

class QtBrowser final : public Browser {
 public:
  bool Open(const QString& address) override;
};

constexpr qint64 kMaxHelpBytes = 4 << 20;

class QtHelp final : public Help {
 public:
  QtHelp();
  ~QtHelp() override;
  void Show(const QString& file) override;

 private:
  std::unique_ptr<QTextBrowser> window_;
};

// Registers the free faces that fontconfig does not see under the names the windows ask for.
void RegisterFonts();

}  // namespace rt
