// The end of every tick: the alerts flash, the random events strike, the countdowns run, and the
// wait for the tick's end, in which the player's input is handled.
#include "externals/Externals.h"
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "simulation/Vantix.h"

namespace {

constexpr rt::Colour kAlertRed = 0x0000FF;
constexpr rt::Colour kBlack = 0;
constexpr std::int16_t kWarningBeep = 1;
constexpr std::int16_t kScreenFaultTicks = 120;

// A box that holds text flashes: red and black in turn over consecutive ticks; an empty one
// rests black. True when it holds text.
bool Flash(rt::TextBox& box) {
  if (box.Text().isEmpty()) {
    box.SetBackColour(kBlack);
    return false;
  }
  box.SetBackColour(box.BackColour() == kAlertRed ? kBlack : kAlertRed);
  return true;
}

// The aircraft that a new emergency strikes, 0 for none. A stopped runway needs an arrival Down
// (the highest such slot); the other kinds count n through the active arrivals, round and
// round in slot order.
std::int16_t StruckAircraft(const Vantix& game, std::int16_t kind, rt::Random& random) {
  std::int16_t struck = 0;
  if (kind == 5) {
    for (int i = 1; i <= 20; ++i)
      if (game.AcState[i] == acstate::kDown) struck = static_cast<std::int16_t>(i);
    return struck;
  }
  const auto n = static_cast<int>(rt::Int(random.Rnd() * 30.0f) + 5);
  int active = 0;
  for (int i = 1; i <= 20; ++i)
    if (game.AcState[i] > 0) ++active;
  if (active == 0) return 0;
  const int wanted = (n - 1) % active + 1;
  int counted = 0;
  for (int i = 1; i <= 20; ++i)
    if (game.AcState[i] > 0 && ++counted == wanted) return static_cast<std::int16_t>(i);
  return 0;
}

}  // namespace

void Vantix::FinishTick() {
  rt::Services& svc = rt::Svc();

  if (Flash(Text2) && Check2.Value() == 1) PlaySoundEffect(kWarningBeep);
  Flash(Text3);

  // From level 4 on, about one tick in 200 brings an emergency, one at a time.
  if (Level > 3 && EmergencyAc == 0 && svc.random.Rnd() * 400.0f > 398) {
    EmergencyKind = static_cast<std::int16_t>(rt::Int(svc.random.Rnd() * 5.0f) + 1);
    EmergencyAc = StruckAircraft(*this, EmergencyKind, svc.random);
    if (EmergencyAc == 0) {
      // Nobody to strike: the emergency is dropped, and this tick end stops here, before its
      // countdowns and its wait, keeping both lines for the next tick.
      EmergencyKind = 0;
      return;
    }
    if (EmergencyKind == 5) EmergencyTicks = 50;
    if (EmergencyKind == 3) EmergencyTicks = 200;
  }

  // The radio comes back in the tick end in which its count runs out.
  if (RadioLostTicks > 0) RadioLostTicks = static_cast<std::int16_t>(RadioLostTicks - 1);
  if (RadioLostTicks == 0) RadioLostAc = 0;

  // At level 6 about one tick in 600 starts a screen fault; the redraws see it for 119 ticks.
  if (Level > 5 && CrtFault == 0 && svc.random.Rnd() * 600.0f > 599) CrtFault = kScreenFaultTicks;
  if (CrtFault > 0) CrtFault = static_cast<std::int16_t>(CrtFault - 1);

  // The wait: the player's clicks are handled here, between two ticks; the events are
  // processed at least once. It sleeps until an event comes or the tick's time is up, measured
  // from the tick's start on the monotonic clock, so a tick spanning midnight ends on time too.
  for (;;) {
    svc.events.DoEvents();
    if (svc.events.Quitting()) break;
    const double left = tickEnd_ - svc.clock.Monotonic();
    if (left <= 0) break;
    svc.events.Sleep(left);
  }

  Text2.SetText("");
  Text3.SetText("");
}
