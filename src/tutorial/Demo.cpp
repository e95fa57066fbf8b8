// The demonstration blink on the game window.
#include "tutorial/Tutorial.h"

void Tutorial::Timer1_Timer() {
  if (DemoShown)
    ClearDemo();
  else
    ShowDemo();
}

void Tutorial::ShowDemo() { DemoShown = static_cast<std::int16_t>(~DemoShown); }

void Tutorial::ClearDemo() { DemoShown = static_cast<std::int16_t>(~DemoShown); }

void Tutorial::DrawDemoAircraft(std::int16_t, std::int16_t, std::int16_t, std::int16_t, std::int32_t) {}
