// The radar edge, the terrain, mid-air collisions and the safety level with its gauge.
#include "externals/Externals.h"
#include "platform/Numbers.h"
#include "simulation/Vantix.h"

namespace {

constexpr double kRadarRadiusSquared = 76176;  // 276 squared
constexpr std::int16_t kExplosionSound = 3;

// A yellow disc with a red heart, drawn over the radar picture.
void DrawExplosion(rt::Surface& radar, double x, double y) {
  radar.SetFillColour(0x00FFFF);
  radar.Circle(x, y, 14, 0x00FFFF);
  radar.SetFillColour(0x0000FF);
  radar.Circle(x, y, 7, 0x0000FF);
}

}  // namespace

void Vantix::CheckAirspace(std::int16_t Slot, std::int16_t& Crashed) {
  Crashed = 0;
  const double dx = 276.0f - PosX[Slot][0];
  const double dy = 276.0f - PosY[Slot][0];
  // Beyond the radar's reach the ground is not known: the edge costs a point, nothing more.
  if (dx * dx + dy * dy > kRadarRadiusSquared) {
    AddSafety(-1, Slot, CallSign(Slot) + " Outside Radar Area");
    return;
  }

  const std::int16_t bx = rt::CInt(PosX[Slot][0]);
  const std::int16_t by = rt::CInt(PosY[Slot][0]);
  const int ground = GroundBand[bx][by] * 1000;
  if (AcAlt[Slot] - ground >= 1000) return;
  AddSafety(-1, Slot, CallSign(Slot) + " Altitude warning");
  if (AcAlt[Slot] >= ground) return;

  // Below the ground band's height: the aircraft has flown into the hill.
  DrawExplosion(Draw(), bx, by);
  if (Check2.Value() == 1) PlaySoundEffect(kExplosionSound);
  Text2.SetText(CallSign(Slot) + " CRASHED");
  Safety = 0;
  GameOver = 3;
  Crashed = -1;
}

void Vantix::Collide(std::int16_t Slot) {
  Text2.SetText("Collision");
  Safety = 0;
  GameOver = 6;
  DrawExplosion(Draw(), PosX[Slot][0], PosY[Slot][0]);
  if (Check2.Value() == 1) PlaySoundEffect(kExplosionSound);
}

void Vantix::AddSafety(std::int16_t Delta, std::int16_t /*Slot*/, const QString& Msg) {
  if (Delta < 0) Text2.SetText(Text2.Text() + Msg + "\r\n");
  Safety = Safety + Delta;
  if (Safety <= 0) {
    // The game is lost; the gauge keeps the level it showed last.
    Safety = 0;
    GameOver = 4;
    return;
  }
  if (Safety > 100) Safety = 100;

  // The red part grows down from the top of the gauge, a pixel a point; the green part below
  // it carries the percentage.
  Label3.SetHeight(rt::CInt(100 - Safety));
  Label4.SetTop(Label3.Top() + Label3.Height());
  Label4.SetHeight(rt::CInt(Safety));
  Label4.SetCaption(rt::Dec(static_cast<long long>(rt::Int(Safety))) + "%");
}
