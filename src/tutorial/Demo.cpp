// The demonstration blink on the game window: every half second a page's demonstration frame
// (rings, the glide path, a yellow aircraft, panel items blanked or turned black) alternates with
// the normal frame, which wipes the drawing and puts every item back.
#include <cmath>

#include "Windows.h"
#include "simulation/Vantix.h"
#include "tutorial/Tutorial.h"

namespace {

constexpr rt::Colour kBlack = 0x000000;
constexpr rt::Colour kWhite = 0xFFFFFF;
constexpr rt::Colour kCyan = 0xFFFF00;
constexpr rt::Colour kGrey = 0x808080;
constexpr rt::Colour kYellow = 0x00FFFF;

// A ring only: the game window fills its circles at all other times, so solid comes back at once.
void Ring(rt::Surface& radar, double x, double y, double radius) {
  radar.SetFillStyle(rt::Surface::kTransparent);
  radar.Circle(x, y, radius, kWhite);
  radar.SetFillStyle(rt::Surface::kSolid);
}

// The glide path, east from runway 27L's touchdown point along the landing runway's centre line.
void GlidePath(rt::Surface& radar) {
  radar.Line(296, 276, 550, 276, kGrey);
}

}  // namespace

void Tutorial::Timer1_Timer() {
  if (DemoShown)
    ClearDemo();
  else
    ShowDemo();
}

void Tutorial::ShowDemo() {
  DemoShown = static_cast<std::int16_t>(~DemoShown);
  Vantix& game = W().vantix();
  rt::Surface& radar = game.Draw();
  switch (PageNo) {
    case 2:  // both runways
      Ring(radar, 276, 270, 50);
      break;
    case 3:  // stack 4, where the example aircraft holds
      Ring(radar, 455, 400, 15);
      DrawDemoAircraft(496, 410, 330, 70, kYellow);
      break;
    case 4:
      game.Label12.SetBackStyle(1);
      DrawDemoAircraft(450, 390, 240, 70, kYellow);
      break;
    case 5:
      game.List1[0].SetList(0, "");
      game.List2.SetList(0, "");
      game.Shape1.SetFillColour(kBlack);
      DrawDemoAircraft(460, 420, 70, 70, kYellow);
      break;
    case 6:
      game.List1[0].SetForeColour(kBlack);
      game.List2.SetList(4, "");
      game.Shape1.SetFillColour(kBlack);
      DrawDemoAircraft(480, 330, 10, 50, kYellow);
      break;
    case 7:
      GlidePath(radar);
      game.List1[0].SetForeColour(kBlack);
      game.List1[4].SetForeColour(kBlack);
      game.List2.SetList(0, "");
      game.Shape1.SetFillColour(kBlack);
      game.Check1.SetForeColour(kBlack);
      DrawDemoAircraft(490, 290, 290, 50, kYellow);
      break;
    case 8:
      GlidePath(radar);
      game.List1[4].SetForeColour(kBlack);
      DrawDemoAircraft(450, 276, 270, 50, kYellow);
      break;
    case 9:
      GlidePath(radar);
      game.List1[4].SetForeColour(kBlack);
      DrawDemoAircraft(400, 276, 270, 46, kYellow);
      break;
    case 10:
      game.List1[4].SetForeColour(kBlack);
      DrawDemoAircraft(290, 276, 270, 0, kYellow);
      break;
    case 11:  // the green bar goes, its percentage stays
      game.Label4.SetBackStyle(0);
      break;
    default:
      break;
  }
}

// Every value written here is the normal one, so it is safe at any moment of the blink.
void Tutorial::ClearDemo() {
  DemoShown = static_cast<std::int16_t>(~DemoShown);
  Vantix& game = W().vantix();
  game.Draw().Cls();
  switch (PageNo) {
    case 4:
      game.Label12.SetBackStyle(0);
      break;
    case 5:
      game.List1[0].SetList(0, "A 747");
      game.List2.SetList(0, "LEFT");
      game.Shape1.SetFillColour(kCyan);
      break;
    case 6:
      game.List1[0].SetForeColour(kWhite);
      game.List2.SetList(4, "ALTITUDE");
      game.Shape1.SetFillColour(kCyan);
      break;
    case 7:
      game.Check1.SetForeColour(kCyan);
      game.List1[4].SetForeColour(kWhite);
      game.List1[0].SetForeColour(kWhite);
      game.List2.SetList(0, "LEFT");
      game.Shape1.SetFillColour(kCyan);
      break;
    case 8:
    case 9:
    case 10:
      game.List1[4].SetForeColour(kWhite);
      break;
    case 11:
      game.Label4.SetBackStyle(1);
      break;
    default:
      break;
  }
}

void Tutorial::DrawDemoAircraft(std::int16_t DemoX, std::int16_t DemoY, std::int16_t Heading,
                                std::int16_t AltHundreds, std::int32_t Colour) {
  rt::Surface& radar = W().vantix().Draw();
  const double a = Radians(Heading);
  // One trail step of 3 pixels, pointing back along the heading.
  const float dx = static_cast<float>(-std::sin(a) * 3);
  const float dy = static_cast<float>(std::cos(a) * 3);
  radar.SetFillColour(Colour);
  radar.Circle(DemoX, DemoY, 3, Colour);
  for (int k = 1; k <= 4; ++k) {
    const float x = static_cast<float>(DemoX) + static_cast<float>(k) * dx;
    const float y = static_cast<float>(DemoY) + static_cast<float>(k) * dy;
    radar.PSet(x, y, Colour);
  }
  // The label in the window's pen colour, which the tutorial set to yellow when it opened.
  radar.SetCurrentXY(DemoX + 4, DemoY + 4);
  radar.Print("A" + rt::Dec(AltHundreds));
}
