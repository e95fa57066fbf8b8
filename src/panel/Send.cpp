// SEND: the order chosen on the panel goes to the selected aircraft. SEND moves nothing itself:
// it writes the aircraft's targets (and, for the turns and MAINTAIN, its state), and the game
// loop flies them from the next tick on.
#include <QString>

#include "externals/Externals.h"
#include "panel/Commands.h"
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "simulation/Vantix.h"

using namespace acstate;
using namespace panel;

namespace {

constexpr std::int16_t kAcknowledgeSound = 2;

// What the radio line carries: the call sign, the command and the readout as the player set
// them, then how the aircraft answered.
QString RadioLine(Vantix& game, int slot, const QString& answer) {
  return CallSign(slot) + " " + game.List2.List(game.List2.ListIndex()) + " " +
         game.Label2.Caption() + answer;
}

}  // namespace

void Vantix::Command2_Click() {
  const int n = ChosenSlot(*this);
  if (n == 0) return;

  // Only an aircraft in the air or still coming in (holding 1..4 up to Lock 8) takes orders:
  // not a free slot, not one rolling out on the runway, and not one that has cleared it. A
  // cleared one is done with: turned or told to maintain, it would be back in the game at 0 ft
  // on the runway and could land, and be counted, a second time.
  const std::int16_t state = AcState[n];
  if (state <= kFree || state >= kDown) return;

  // At Expert and Professional a press may be the one whose radio call is lost, unless another
  // aircraft's radio is out already or this aircraft has the emergency.
  rt::Services& svc = rt::Svc();
  if (Level > 4 && RadioLostAc == 0 && EmergencyAc != n) {
    const float r = svc.random.Rnd();
    if (rt::Int(r * 80.0f) < 2) {
      RadioLostAc = static_cast<std::int16_t>(n);
      RadioLostTicks = static_cast<std::int16_t>(30 + rt::Int(svc.random.Rnd() * 40.0f));
    }
  }
  if (RadioLostAc == n) {
    // The call goes out and nothing comes back: nothing is applied, Establish keeps its tick.
    Text1.SetText(RadioLine(*this, n, " ...."));
    return;
  }

  const int c = List2.ListIndex();
  const double v = rt::Val(Label2.Caption());
  const std::int16_t h = AcHeading[n];
  // Target headings carry +1 so that 0 can mean "no turn": +(h+1) right to h, -(h+1) left to h.
  switch (c) {
    case kLeft:
      TargetHeading[n] = rt::CInt(-(v + 1));
      break;
    case kRight:
      TargetHeading[n] = rt::CInt(v + 1);
      break;
    case kCircleLeft:
      // The first step of the circle is taken at once; the aircraft comes out on its old heading.
      TargetHeading[n] = static_cast<std::int16_t>(-(h + 1));
      AcHeading[n] = static_cast<std::int16_t>(h - 5);
      break;
    case kCircleRight:
      TargetHeading[n] = static_cast<std::int16_t>(h + 1);
      AcHeading[n] = static_cast<std::int16_t>(h + 5);
      break;
    case kAltitude:
      TargetAlt[n] = rt::CInt(v);
      break;
    case kSpeed: {
      const std::int16_t t = AcType[n];
      const std::int16_t lowest = SpeedRange[t][0];
      const std::int16_t highest = SpeedRange[t][1];
      if (v < lowest || v > highest) {
        Text1.SetText("Range" + rt::Dec(lowest) + "-" + rt::Dec(highest));
        return;
      }
      TargetSpeed[n] = rt::CInt(v);
      break;
    }
    case kMaintain:
      TargetHeading[n] = static_cast<std::int16_t>(h + 1);
      TargetAlt[n] = AcAlt[n];
      TargetSpeed[n] = AcSpeed[n];
      break;
    default:
      return;  // no command chosen
  }

  // A turn or MAINTAIN takes the aircraft out of its stack or off the approach; with Establish
  // ticked it looks for the landing runway's centre line again. ALTITUDE and SPEED keep the state.
  if (c != kAltitude && c != kSpeed) AcState[n] = Check1.Value() == 0 ? kControlled : kSeek;
  List1[4].SetList(n - 1, StateName[AcState[n]]);

  // The read-back repeats the readout also for the commands that use no value.
  Text1.SetText(RadioLine(*this, n, " ...Copy"));
  if (Check2.Value() == 1) PlaySoundEffect(kAcknowledgeSound);
  // Establish is a one-shot choice: every applied command clears it.
  Check1.SetValue(0);
}
