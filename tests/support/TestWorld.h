// The program's three windows on fake services, in a fresh working folder of their own.
#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "simulation/Vantix.h"
#include "support/Fakes.h"
#include "tutorial/Tutorial.h"

class TestWorld {
 public:
  TestWorld();
  // The windows on the clock and event queue given (the program's real ones), fakes besides;
  // the fake clock and events below then stand unused.
  TestWorld(rt::Clock& clock, rt::EventLoop& events);
  ~TestWorld();

  Vantix& game() { return windows->vantix(); }
  Levelform& front() { return windows->levelform(); }
  QString Folder() const { return folder_.path(); }

  FakeClock clock;
  FakeEvents events{clock};
  ScriptedRandom random;
  ScriptedDialogs dialogs;
  RecordingSound sound;
  RecordingBrowser browser;
  RecordingHelp help;
  rt::Services services{clock, random, events, dialogs, sound, browser, help, {}};
  std::unique_ptr<Windows> windows;

 private:
  QTemporaryDir folder_;
  QString previous_;
};
