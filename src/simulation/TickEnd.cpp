// The end of every tick: the alerts, the random events and the wait for the tick's end, in
// which the player's input is handled.
#include "platform/Services.h"
#include "simulation/Vantix.h"

void Vantix::FinishTick() {
  rt::Services& svc = rt::Svc();

  // The wait: the player's clicks are handled here, between two ticks. It sleeps until an
  // event comes or the tick's time is up, and ends when the clock passes the tick's end.
  for (;;) {
    svc.events.DoEvents();
    if (svc.events.Quitting()) break;
    const float now = svc.clock.Timer();
    if (now > Starttime()) break;
    // The clock starts again from 0 at midnight: a tick that spans midnight ends there.
    if (now < Starttime() - 2.0f) break;
    svc.events.Sleep(Starttime() - now);
  }

  Text2.SetText("");
  Text3.SetText("");
}
