// The end of every tick: the alerts, the random events and the wait for the tick's end, in
// which the player's input is handled.
#include "platform/Services.h"
#include "simulation/Vantix.h"

void Vantix::FinishTick() {
  rt::Services& svc = rt::Svc();

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
