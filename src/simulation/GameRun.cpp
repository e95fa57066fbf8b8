// One game is one run of the game window's activation: the set-up, the loop of one-second
// ticks, and the handover of the result to the front screen.
#include <QString>

#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "platform/Numbers.h"
#include "simulation/Vantix.h"

namespace {
QString OutcomeWord(int gameOver) {
  switch (gameOver) {
    case 1: return "exit";
    case 2: return "won";
    case 3: return "crashed";
    case 4: return "safety";
    case 5: return "time";
    case 6: return "collision";
    default: return "";
  }
}
}  // namespace

void Vantix::Form_Activate() {
  // A game starts only from a Start that shows this window, and only one at a time: a modal box
  // or a help window during the game may make the window active again, which starts nothing.
  if (running_) return;
  running_ = true;
  RunGame();
  running_ = false;
}

void Vantix::RunGame() {
  rt::Services& svc = rt::Svc();
  svc.helpFile = "vantix.hlp";

  // The level is read before the set-up: the wind depends on it.
  Level = 1;
  for (int i = 0; i <= 5; ++i)
    if (W().levelform().Option1[i].Value()) Level = static_cast<std::int16_t>(i + 1);
  ClockMin = 60;
  ClockSec = 0;
  NextArrival = 60;
  InitGame();
  svc.events.DoEvents();
  LoadGroundMap();
  NewAircraft(3);
  NewAircraft(2);
  NewAircraft(1);
  NewAircraft(4);
  // After the set-up's yields: an End Game confirmed while the map was built is undone here.
  TrailSlot = 1;
  GameOver = 0;
  if (svc.events.Quitting()) return;

  do {
    SetStarttime(svc.clock.Timer() + 1.0f);
    tickEnd_ = svc.clock.Monotonic() + 1.0;
    if (Check3.Value() == 1) {
      SetStarttime(svc.clock.Timer() + 0.2f);
      tickEnd_ = svc.clock.Monotonic() + 0.2;
    }
    if (!ArrivalPass()) break;  // a crash or a collision: straight to the handover
    DeparturePass();
    ClockStep();
    RedrawRadar();
    ShowEmergencyLine();
    FinishTick();
    if (svc.events.Quitting()) return;
  } while (GameOver == 0);
  HandOver();
}

void Vantix::ClockStep() {
  ClockSec = static_cast<std::int16_t>(ClockSec - 1);
  NextArrival = static_cast<std::int16_t>(NextArrival - 1);
  if (NextArrival == 0) {
    NewAircraft(0);
    const float r = rt::Svc().random.Rnd();
    // The better the landings per game minute begun, the sooner the next arrival.
    const double next = 30 + ((60 - ClockMin) / (Landings + 0.6) - r) * 40;
    NextArrival = rt::CInt(next);
    if (NextArrival < 30) NextArrival = 30;
    if (NextArrival > 160) NextArrival = 160;
  }
  if (ClockSec == -1) {
    AddSafety(1, 0, "");
    ClockSec = 59;
    ClockMin = static_cast<std::int16_t>(ClockMin - 1);
    if (ClockMin > 0 && ClockMin % 2 == 1 && Level > 2) NewAircraft(9);
  }
  if (ClockMin == -1) GameOver = 5;
  Label27.SetCaption(rt::Dec(ClockMin) + ":" + rt::Format00(ClockSec));
}

void Vantix::HandOver() {
  Levelform& front = W().levelform();
  front.Text4.SetText(rt::Dec(ClockMin * 60 + ClockSec));
  front.Text5.SetText(rt::DecSingle(Safety));
  front.Text6.SetText(rt::Dec(Landings + 100 * Level));
  front.Text3.SetText(OutcomeWord(GameOver));
  rt::Svc().dialogs.MsgBox(" Game over - Click OK to continue ", false);
  Hide();
  front.Show();
  DrawLandingChart();
}
