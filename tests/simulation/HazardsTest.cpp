#include <gtest/gtest.h>

#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {

constexpr rt::Colour kYellow = 0x00FFFF;
constexpr rt::Colour kRed = 0x0000FF;

Vantix& SetUpGame(TestWorld& world) {
  Vantix& game = world.game();
  game.Level = 1;
  game.InitGame();
  return game;
}

void PlaceArrival(Vantix& game, int slot, float x, float y, std::int16_t alt) {
  game.AcState[slot] = 5;
  game.PosX[slot][0] = x;
  game.PosY[slot][0] = y;
  game.AcAlt[slot] = alt;
}

}  // namespace

/** The radar edge and the ground: outside the circle (squared distance above 76176, from the
 *  differences in single precision, squared and summed in double) costs a point and skips the
 *  ground; inside, less than 1000 ft above the pixel's band costs a point, and below the band's
 *  height the aircraft crashes. */
TEST(Hazards, TheEdgeAndTheGroundAreCheckedInTurn) {
  struct Case {
    float x, y;
    std::uint8_t band;
    std::int16_t alt;
    const char* text;
    float safety;
    std::int16_t gameOver;
  };
  const Case cases[] = {
      {276, 0, 2, 3000, "", 100, 0},                             // exactly on the rim: inside
      {0, 276, 0, 500, "B Altitude warning\r\n", 99, 0},         // on the rim, low
      {0, 275.999f, 0, 500, "B Outside Radar Area\r\n", 99, 0},  // just beyond, in double precision
      // 276 + 0.00001 in single precision is 276: on the rim, though the exact distance is beyond.
      {-0.00001f, 276, 0, 500, "B Altitude warning\r\n", 99, 0},
      {276, 600, 8, 100, "B Outside Radar Area\r\n", 99, 0},  // the ground is not looked at
      {200, 200, 2, 3000, "", 100, 0},
      {200, 200, 2, 2999, "B Altitude warning\r\n", 99, 0},
      {200, 200, 2, 2000, "B Altitude warning\r\n", 99, 0},
      {200, 200, 2, 1999, "B CRASHED", 0, 3},
      {200.5f, 199.6f, 2, 2999, "B Altitude warning\r\n", 99, 0},  // rounds onto (200, 200)
      {200.6f, 200, 2, 2999, "", 100, 0},                          // rounds onto band 0
  };
  for (const Case& c : cases) {
    TestWorld world;
    Vantix& game = SetUpGame(world);
    PlaceArrival(game, 2, c.x, c.y, c.alt);
    game.GroundBand[static_cast<int>(c.x < 0 ? 0 : c.x)][276] = c.band;
    game.GroundBand[276][static_cast<int>(c.y > 556 ? 0 : c.y)] = c.band;
    game.GroundBand[200][200] = c.band;
    std::int16_t crashed = 99;
    game.CheckAirspace(2, crashed);
    const std::string where =
        std::to_string(c.x) + "," + std::to_string(c.y) + " at " + std::to_string(c.alt);
    EXPECT_EQ(game.Text2.Text(), c.text) << where;
    EXPECT_EQ(game.Safety, c.safety) << where;
    EXPECT_EQ(game.GameOver, c.gameOver) << where;
    EXPECT_EQ(crashed, c.gameOver == 3 ? -1 : 0) << where;
  }
}

/** A crash is drawn centred on the rounded position (halves to even) and a collision on the exact
 *  one: a yellow disc of radius 14 with a red one of radius 7 over it; sound 3 only with Sound. */
TEST(Hazards, ExplosionsAreDrawnWhereTheAircraftEnded) {
  for (bool collision : {false, true}) {
    for (int sound : {1, 0}) {
      TestWorld world;
      Vantix& game = SetUpGame(world);
      game.Check2.SetValue(sound);
      PlaceArrival(game, 1, 100.5f, 101.5f, 500);
      game.GroundBand[100][102] = 1;
      if (collision) {
        game.Collide(1);
      } else {
        std::int16_t crashed = 0;
        game.CheckAirspace(1, crashed);
      }
      rt::Surface& radar = game.Draw();
      EXPECT_EQ(game.Text2.Text(), collision ? "Collision" : "A CRASHED");
      EXPECT_EQ(game.Safety, 0);
      EXPECT_EQ(game.GameOver, collision ? 6 : 3);
      EXPECT_EQ(world.sound.played, sound ? QStringList{"explode.wav"} : QStringList());
      if (collision) {
        // Symmetric about (100.5, 101.5).
        EXPECT_EQ(radar.Point(100, 101), kRed);
        EXPECT_EQ(radar.Point(100, 108), kRed);
        EXPECT_EQ(radar.Point(100, 109), kYellow);
        EXPECT_EQ(radar.Point(100, 95), kRed);
        EXPECT_EQ(radar.Point(100, 94), kYellow);
      } else {
        // Centred on (100, 102): 100.5 goes to the even 100, not up to 101.
        EXPECT_EQ(radar.Point(93, 102), kRed);
        EXPECT_EQ(radar.Point(92, 102), kYellow);
        EXPECT_EQ(radar.Point(100, 102), kRed);
        EXPECT_EQ(radar.Point(100, 109), kRed);
        EXPECT_EQ(radar.Point(100, 110), kYellow);
        EXPECT_EQ(radar.Point(100, 95), kRed);
        EXPECT_EQ(radar.Point(100, 94), kYellow);
        EXPECT_EQ(radar.Point(100, 116), kYellow);
        EXPECT_EQ(radar.Point(100, 117), radar.PicturePoint(100, 117));
      }
    }
  }
}

/** The warnings of one tick collect in the box in call order, each costing its points, and the
 *  gauge follows: the red part grows down from y 430, the green part below carries the level. */
TEST(Hazards, WarningsCollectAndTheGaugeFollowsTheLevel) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  game.AddSafety(-1, 3, "C Altitude warning");
  game.AddSafety(-2, 1, "A Collision alert with B");
  EXPECT_EQ(game.Text2.Text(), "C Altitude warning\r\nA Collision alert with B\r\n");
  EXPECT_EQ(game.Safety, 97);
  EXPECT_EQ(game.Label3.Top(), 430);
  EXPECT_EQ(game.Label3.Height(), 3);
  EXPECT_EQ(game.Label4.Top(), 433);
  EXPECT_EQ(game.Label4.Height(), 97);
  EXPECT_EQ(game.Label4.Caption(), "97%");
  // The minute's bonus adds no line and is held at 100.
  game.AddSafety(1, 0, "");
  game.AddSafety(1, 0, "");
  game.AddSafety(1, 0, "");
  game.AddSafety(1, 0, "");
  EXPECT_EQ(game.Safety, 100);
  EXPECT_EQ(game.Label4.Top(), 430);
  EXPECT_EQ(game.Label4.Caption(), "100%");
  EXPECT_EQ(game.Text2.Text(), "C Altitude warning\r\nA Collision alert with B\r\n");
  EXPECT_EQ(game.GameOver, 0);
}

/** A collision alert at safety 1 ends the game on safety with its line written, and the gauge
 *  keeps its last picture, 1% and one pixel of green; a later bonus redraws it. */
TEST(Hazards, SafetyRunningOutEndsTheGameAndKeepsTheGauge) {
  TestWorld world;
  Vantix& game = SetUpGame(world);
  game.Safety = 2;
  game.AddSafety(-1, 1, "A Proximity to B");
  game.AddSafety(-2, 1, "A Collision alert with B");
  EXPECT_EQ(game.Safety, 0);
  EXPECT_EQ(game.GameOver, 4);
  EXPECT_EQ(game.Text2.Text(), "A Proximity to B\r\nA Collision alert with B\r\n");
  EXPECT_EQ(game.Label4.Caption(), "1%");
  EXPECT_EQ(game.Label4.Height(), 1);
  EXPECT_EQ(game.Label4.Top(), 529);
  EXPECT_EQ(game.Label3.Height(), 99);
  game.AddSafety(-1, 2, "B Altitude warning");
  EXPECT_EQ(game.Safety, 0);
  EXPECT_EQ(game.Label4.Caption(), "1%");
  game.AddSafety(1, 0, "");
  EXPECT_EQ(game.Safety, 1);
  EXPECT_EQ(game.GameOver, 4);
  EXPECT_EQ(game.Label4.Caption(), "1%");
}
