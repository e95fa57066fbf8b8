#include <gtest/gtest.h>

#include <vector>

#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {

constexpr rt::Colour kGreen = rt::Rgb(0, 255, 0);
constexpr float kNoFlicker = 0.0f;
constexpr float kFlicker = 0.99f;  // r x 20 above 18

void Place(Vantix& game, int slot, std::int16_t state, std::int16_t type, std::int16_t alt, float x,
           float y) {
  game.AcState[slot] = state;
  game.AcType[slot] = type;
  game.AcAlt[slot] = alt;
  for (int k = 0; k <= 9; ++k) {
    game.PosX[slot][k] = x;
    game.PosY[slot][k] = y;
  }
}

// True when the drawing around (x + 4, y + 4) is exactly the text in that colour, drawn at that
// text position in the radar's font, and nothing else.
bool LabelIs(Vantix& game, float x, float y, const QString& text, rt::Colour colour) {
  rt::Surface reference(game.Draw().Width(), game.Draw().Height());
  reference.SetFont(rt::MakeFont("Times New Roman", 8.25));
  reference.SetForeColour(colour);
  reference.SetCurrentXY(x + 4, y + 4);
  reference.Print(text);
  const int left = static_cast<int>(x) + 4, top = static_cast<int>(y) + 4;
  bool drawnSome = false;
  for (int py = top; py < top + 16; ++py)
    for (int px = left; px < left + 40; ++px) {
      const bool want = reference.Layer().pixel(px, py) >> 24;
      const bool got = game.Draw().Layer().pixel(px, py) >> 24;
      if (want != got) return false;
      if (got && game.Draw().Point(px, py) != colour) return false;
      drawnSome |= got;
    }
  return drawnSome;
}

// A radius-3 disc: centre and rim in the colour, nothing drawn a pixel further out.
bool DotIs(Vantix& game, int x, int y, rt::Colour colour) {
  const QImage& layer = game.Draw().Layer();
  return game.Draw().Point(x, y) == colour && game.Draw().Point(x + 3, y) == colour &&
         game.Draw().Point(x, y - 3) == colour && !(layer.pixel(x - 4, y) >> 24) &&
         !(layer.pixel(x, y - 4) >> 24);
}

Vantix& SetUpGame(TestWorld& world) {
  Vantix& game = world.game();
  game.Level = 6;
  game.InitGame();
  game.TrailSlot = 1;
  return game;
}

}  // namespace

/** Every live aircraft gets a filled dot in its type's colour and a label below right of it:
 *  call sign and altitude in whole hundreds (2950 ft is 29) for an arrival, a blank and the
 *  altitude for a departure. */
TEST(Radar, AircraftAreDrawnInTheirColoursWithTheirLabels) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  Place(game, 3, 1, 1, 7000, 150, 300);      // a Cessna, blue
  Place(game, 5, 6, 5, 2950, 300, 150);      // a Concorde, white
  Place(game, 21, 1071, 0, 4000, 400, 300);  // a departure, red
  Place(game, 6, -1, 2, 3000, 300, 400);     // landed: not drawn
  world.random.script = {kNoFlicker};
  game.RedrawRadar();
  EXPECT_TRUE(DotIs(game, 150, 300, rt::Rgb(0, 0, 255)));
  EXPECT_TRUE(LabelIs(game, 150, 300, "C70", rt::Rgb(0, 0, 255)));
  EXPECT_TRUE(DotIs(game, 300, 150, rt::Rgb(255, 255, 255)));
  EXPECT_TRUE(LabelIs(game, 300, 150, "E29", rt::Rgb(255, 255, 255)));
  EXPECT_TRUE(DotIs(game, 400, 300, rt::Rgb(255, 0, 0)));
  EXPECT_TRUE(LabelIs(game, 400, 300, " 40", rt::Rgb(255, 0, 0)));
  EXPECT_FALSE(LabelIs(game, 400, 300, "40", rt::Rgb(255, 0, 0)));
  EXPECT_FALSE(game.Draw().Layer().pixel(300, 400) >> 24);
}

/** Each redraw starts from the bare terrain: the last tick's dots are gone. */
TEST(Radar, TheRedrawClearsTheLastPicture) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  game.Draw().PSet(100, 100, rt::Rgb(1, 2, 3));
  world.random.script = {kNoFlicker};
  game.RedrawRadar();
  EXPECT_EQ(game.Draw().Point(100, 100), game.Draw().PicturePoint(100, 100));
}

/** Only what lies strictly inside the radar circle is drawn: an aircraft on or beyond the rim has
 *  no dot and no label, while its trail dots inside the circle still show. */
TEST(Radar, OnlyWhatLiesInsideTheRadarCircleIsDrawn) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  Place(game, 1, 5, 1, 5000, 276, 0);  // on the rim
  game.PosX[1][4] = 276;
  game.PosY[1][4] = 20;  // a trail dot inside
  game.PosX[1][5] = 0;
  game.PosY[1][5] = 276;                 // a trail dot on the rim
  Place(game, 2, 5, 3, 5000, 276, 560);  // beyond the rim
  game.PosX[2][9] = 276;
  game.PosY[2][9] = 540;
  world.random.script = {kNoFlicker};
  game.RedrawRadar();
  const QImage& layer = game.Draw().Layer();
  for (int y = 0; y <= 10; ++y)
    for (int x = 270; x <= 300; ++x) EXPECT_FALSE(layer.pixel(x, y) >> 24) << x << "," << y;
  EXPECT_EQ(game.Draw().Point(276, 20), rt::Rgb(0, 0, 255));
  EXPECT_FALSE(layer.pixel(0, 276) >> 24);
  EXPECT_EQ(game.Draw().Point(276, 540), rt::Rgb(0, 255, 255));
  EXPECT_FALSE(layer.pixel(276, 550) >> 24);
}

/** A screen fault draws everything green and labels without letters; a flicker tick shows the
 *  true colours, still without letters; without a fault the flicker changes nothing. */
TEST(Radar, AScreenFaultTurnsThePictureGreenAndHidesTheLetters) {
  struct Case {
    std::int16_t fault;
    float flicker;
    rt::Colour colour;
    const char* label;
  };
  // The flicker's edge in single precision: 0.9f gives r x 20 = 18, not above it; so does
  // 0.90000004f, whose product 18.0000007 is above 18 in double but rounds to 18 in single;
  // 0.9000001f is the smallest draw above it.
  const Case cases[] = {
      {50, 0.9f, kGreen, " 70"},
      {50, 0.90000004f, kGreen, " 70"},
      {50, 0.9000001f, rt::Rgb(0, 0, 255), " 70"},
      {0, kFlicker, rt::Rgb(0, 0, 255), "C70"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world);
    Place(game, 3, 1, 1, 7000, 150, 300);
    game.PosX[3][2] = 160;  // a trail dot
    game.CrtFault = c.fault;
    world.random.script = {c.flicker};
    game.RedrawRadar();
    EXPECT_TRUE(DotIs(game, 150, 300, c.colour)) << c.fault << "/" << c.flicker;
    EXPECT_EQ(game.Draw().Point(160, 300), c.colour) << c.fault << "/" << c.flicker;
    EXPECT_TRUE(LabelIs(game, 150, 300, c.label, c.colour)) << c.fault << "/" << c.flicker;
    EXPECT_EQ(game.CrtFault, c.fault) << "the flicker lasts one picture";
  }
}

/** The trail cursor, advanced by every redraw, writes column 1 for the first three ticks, then
 *  each column for five ticks, wrapping from 9 to 1 after 9.4 with four ticks for column 1. */
TEST(Radar, TheTrailCursorRunsItsFortyFourTickCycle) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  std::vector<int> runs;
  int last = -1;
  for (int tick = 0; tick < 100; ++tick) {
    const int column = rt::CInt(game.TrailSlot);
    if (column == last) {
      ++runs.back();
    } else {
      runs.push_back(1);
    }
    last = column;
    world.random.script = {kNoFlicker};
    game.RedrawRadar();
  }
  const std::vector<int> expected = {3, 5, 5, 5, 5, 5, 5, 5, 5, 4, 5, 5, 5, 5, 5, 5, 5, 5, 4};
  EXPECT_EQ(std::vector<int>(runs.begin(), runs.begin() + 19), expected);
}

/** The emergency line names the aircraft and its trouble; nothing is written without one. */
TEST(Radar, TheEmergencyLineNamesTheAircraftInTrouble) {
  struct Case {
    std::int16_t kind, slot;
    const char* line;
  };
  const Case cases[] = {{0, 0, "untouched"},
                        {1, 1, "A Losing altitude"},
                        {2, 12, "L Wide turns only"},
                        {4, 4, "D No lock above 2000ft"},
                        {5, 20, "T Stopped on runway "}};
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world);
    game.EmergencyKind = c.kind;
    game.EmergencyAc = c.slot;
    game.Text3.SetText("untouched");
    game.ShowEmergencyLine();
    EXPECT_EQ(game.Text3.Text(), c.line);
  }
}

/** Losing fuel counts down from 100% over 200 ticks (each whole percent for two ticks, 100% and
 *  0% for one); then the tank is empty, the kind becomes 8 and the line stays at 0%. */
TEST(Radar, TheFuelCountdownEndsInAnEmptyTank) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  game.EmergencyKind = 3;
  game.EmergencyAc = 3;
  game.EmergencyTicks = 200;
  QStringList lines;
  for (int tick = 1; tick <= 203; ++tick) {
    game.ShowEmergencyLine();
    lines << game.Text3.Text();
    if (tick == 199) {
      EXPECT_EQ(game.EmergencyKind, 3);
    }
  }
  EXPECT_EQ(game.EmergencyKind, 8);
  EXPECT_EQ(game.EmergencyTicks, 0);
  EXPECT_EQ(lines[0], "C Losing fuel (100%)");
  EXPECT_EQ(lines.count("C Losing fuel (100%)"), 1);
  for (int p = 1; p <= 99; ++p)
    EXPECT_EQ(lines.count(QString("C Losing fuel (%1%)").arg(p)), 2) << p;
  EXPECT_EQ(lines[199], "C Losing fuel (0%)");
  EXPECT_EQ(lines.count("C Losing fuel (0%)"), 4);
}
