// Choosing an aircraft, a command and a value on the panel. The choices live only in the
// controls that show them: the selected row of the Type column, the selected command and the
// readout's text, which SEND reads anew at every press.
#include <cmath>

#include "panel/Commands.h"
#include "platform/Numbers.h"
#include "simulation/Vantix.h"

using namespace panel;

namespace {

// The selector's modes: the heading dial, the altitude scale, the speed scale.
constexpr std::int16_t kDial = 0;
constexpr std::int16_t kAltitudeScale = 1;
constexpr std::int16_t kSpeedScale = 2;

constexpr float kTwipsPerPixel = 15;

// The command choice: LEFT and RIGHT show the dial, ALTITUDE and SPEED the scales, each loaded
// with the chosen aircraft's present value, so that SEND without a further click keeps it.
void CommandChoice(Vantix& game) {
  const int s = ChosenSlot(game);
  switch (game.List2.ListIndex()) {
    case kLeft:
    case kRight:
      game.Image1.SetVisible(true);
      game.Image2.SetVisible(false);
      game.SetSelector(kDial, game.AcHeading[s]);
      break;
    case kAltitude:
      game.Image2.SetVisible(true);
      game.Image1.SetVisible(false);
      game.SetSelector(kAltitudeScale, game.AcAlt[s]);
      break;
    case kSpeed:
      game.Image2.SetVisible(true);
      game.Image1.SetVisible(false);
      game.SetSelector(kSpeedScale, game.AcSpeed[s]);
      break;
    default:
      // CIRCLE L, CIRCLE R and MAINTAIN take no value: the selector keeps what it shows.
      break;
  }
}

}  // namespace

void Vantix::List1_Click(std::int16_t Index) {
  if (Index != 0) {
    // Heading, Knts, Alt and Status are for reading only: only the Type column keeps a choice.
    List1[Index].SetListIndex(-1);
    return;
  }
  // A new aircraft: the selector shows its present value for the command already chosen.
  CommandChoice(*this);
}

void Vantix::List2_Click() { CommandChoice(*this); }

void Vantix::Image1_MouseDown(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X, float Y) {
  // The clicked pixel, counted from the dial's middle pixel (48, 48).
  const double x = rt::Int(X / kTwipsPerPixel) - 48;
  const double y = rt::Int(Y / kTwipsPerPixel) - 48;
  if (x * x + y * y > 2304) return;  // outside the dial's disc

  // The bearing clockwise from up. Its whole part is the next lower whole number also for the
  // negative angles of the upper right and lower left quarters, so every click is cut down to
  // the multiple of 10 below its bearing.
  std::int16_t h = 0;
  if (x == 0) {
    h = static_cast<std::int16_t>(90 * rt::Sgn(y) + 90);
  } else {
    const float slope = static_cast<float>(y) / static_cast<float>(x);
    h = static_cast<std::int16_t>(rt::Int(std::atan(static_cast<double>(slope)) * 180 / 3.14) + 90);
    if (x < 0) h = static_cast<std::int16_t>(h + 180);
  }
  h = static_cast<std::int16_t>(rt::Int(h / 10.0) * 10);
  SetSelector(kDial, h);
}

void Vantix::Image2_MouseDown(std::int16_t /*Button*/, std::int16_t /*Shift*/, float X, float Y) {
  // Nine bands of ten pixel rows between the bars' rounded ends, one value each.
  if (Y < 100 || Y > 1340) return;
  const int k = static_cast<int>(rt::Int(Y / 150.0f));
  switch (List2.ListIndex()) {
    case kAltitude:
      // The altitude labels and their bar, on the left.
      if (X > 510 || X < 0) return;
      SetSelector(kAltitudeScale, static_cast<std::int16_t>(9000 - 1000 * k));
      break;
    case kSpeed:
      // The speed bar and its labels, on the right.
      if (X < 950 || X > 1425) return;
      SetSelector(kSpeedScale, static_cast<std::int16_t>(260 - 20 * k));
      break;
    default:
      break;
  }
}

void Vantix::SetSelector(std::int16_t Mode, std::int16_t Setting) {
  // Both pictures have their top-left corner where the dial's is.
  const int left = Image1.Left();
  const int top = Image1.Top();
  switch (Mode) {
    case kDial: {
      // On a circle of radius 45 about the dial's middle.
      const double a = Radians(Setting);
      Shape1.SetShapeLeft(left + 44 + 45 * std::sin(a));
      Shape1.SetShapeTop(top + 44 - 45 * std::cos(a));
      break;
    }
    case kAltitudeScale:
      // Along the left bar: 9000 ft near its top, 1000 ft near its bottom.
      Shape1.SetShapeLeft(static_cast<float>(left + 26));
      Shape1.SetShapeTop(static_cast<float>(top + 94) - static_cast<float>(Setting) / 98.0f);
      break;
    case kSpeedScale:
      // Along the right bar: 260 kt at its top, 100 kt near its bottom.
      Shape1.SetShapeLeft(static_cast<float>(left + 68));
      Shape1.SetShapeTop(static_cast<float>(top + 134) - static_cast<float>(Setting) / 2.0f);
      break;
    default:
      break;
  }
  Label2.SetCaption(rt::Dec(Setting));
}
