#include "support/TestWorld.h"

TestWorld::TestWorld() : previous_(QDir::currentPath()) {
  QDir::setCurrent(folder_.path());
  windows = std::make_unique<Windows>(services);
}

TestWorld::TestWorld(rt::Clock& clock, rt::EventLoop& events)
    : services{clock, random, events, dialogs, sound, browser, help, {}},
      previous_(QDir::currentPath()) {
  QDir::setCurrent(folder_.path());
  windows = std::make_unique<Windows>(services);
}

TestWorld::~TestWorld() {
  windows.reset();
  QDir::setCurrent(previous_);
}
