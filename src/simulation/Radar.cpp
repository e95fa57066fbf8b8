// The radar picture, drawn afresh every tick over the terrain, the trail cursor, and the
// emergency line.
#include "platform/Numbers.h"
#include "platform/Services.h"
#include "simulation/Vantix.h"

namespace {

constexpr rt::Colour kFaultGreen = rt::Rgb(0, 255, 0);
constexpr double kDotRadius = 3;
constexpr double kLabelOffset = 4;

// Strictly inside the radar circle of radius 276 round (276, 276): the rim itself is not.
bool OnRadar(float x, float y) {
  const double dx = 276.0f - x;
  const double dy = 276.0f - y;
  return dx * dx + dy * dy < 76176;
}

}  // namespace

void Vantix::RedrawRadar() {
  rt::Surface& radar = Draw();
  radar.Cls();

  // The screen fault flickers: about one picture in ten shows the true colours.
  if (rt::Svc().random.Rnd() * 20.0f > 18) CrtFault = static_cast<std::int16_t>(-CrtFault);

  for (int i = 1; i <= 30; ++i) {
    if (AcState[i] <= 0) continue;
    const rt::Colour colour = CrtFault > 0 ? kFaultGreen : TypeColour[AcType[i]];
    radar.SetForeColour(colour);
    radar.SetFillColour(colour);
    for (int k = 1; k <= 9; ++k)
      if (OnRadar(PosX[i][k], PosY[i][k])) radar.PSet(PosX[i][k], PosY[i][k], colour);

    const float x = PosX[i][0];
    const float y = PosY[i][0];
    if (!OnRadar(x, y)) continue;
    radar.Circle(x, y, kDotRadius, colour);
    radar.SetCurrentXY(x + kLabelOffset, y + kLabelOffset);
    // Altitude in hundreds of feet; a faulty screen and departures show no call sign.
    const auto hundreds = static_cast<long long>(rt::Int(AcAlt[i] / 100.0));
    if (i <= 20 && CrtFault == 0)
      radar.Print(CallSign(i) + rt::Dec(hundreds));
    else
      radar.Print(rt::Str(hundreds));
  }

  if (CrtFault < 0) CrtFault = static_cast<std::int16_t>(-CrtFault);

  // The trail cursor runs 0.8, 1.0, ..., 9.4 and round again: one trail dot every five ticks.
  TrailSlot = TrailSlot + 0.2f;
  if (TrailSlot > 9.4f) TrailSlot = 0.8f;
}

void Vantix::ShowEmergencyLine() {
  if (EmergencyKind == 0) return;
  const QString who = CallSign(EmergencyAc);
  switch (EmergencyKind) {
    case 3:
    case 8: {
      // The fuel left, in percent: 200 ticks of fuel, then the kind 8 of an empty tank.
      const auto percent = static_cast<long long>(rt::Int(EmergencyTicks / 2.0));
      Text3.SetText(who + EmergencyText[3] + rt::Dec(percent) + "%)");
      if (EmergencyKind == 3) {
        EmergencyTicks = static_cast<std::int16_t>(EmergencyTicks - 1);
        if (EmergencyTicks == 0) EmergencyKind = 8;
      }
      break;
    }
    case 1:
    case 2:
    case 4:
    case 5:
      Text3.SetText(who + EmergencyText[EmergencyKind]);
      break;
    default:
      break;
  }
}
