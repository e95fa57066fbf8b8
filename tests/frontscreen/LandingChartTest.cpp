#include <gtest/gtest.h>

#include "support/TestWorld.h"

namespace {

constexpr rt::Colour kRed = 255;
constexpr rt::Colour kColours[6] = {0,
                                    rt::Rgb(0, 200, 0),
                                    rt::Rgb(0, 0, 200),
                                    rt::Rgb(200, 200, 0),
                                    rt::Rgb(0, 200, 200),
                                    rt::Rgb(200, 0, 200)};

// The colour drawn at a pixel of the chart, -1 where nothing is drawn over the background.
rt::Colour Drawn(TestWorld& world, int x, int y) {
  const QImage& layer = world.front().Picture1.Draw().Layer();
  const QRgb pixel = layer.pixel(x, y);
  return qAlpha(pixel) ? rt::FromQRgb(pixel) : -1;
}

int DrawnPixels(TestWorld& world) {
  int n = 0;
  for (int y = 0; y < 105; ++y)
    for (int x = 0; x < 360; ++x) n += Drawn(world, x, y) != -1;
  return n;
}

// The colour of a bar's column from its top pixel down to the baseline, the mean line's row
// aside, or -1 when the column is not of one colour.
rt::Colour BarColour(TestWorld& world, int x, int top, int meanY) {
  const rt::Colour c = Drawn(world, x, 90);
  for (int y = top; y <= 90; ++y)
    if (y != meanY && Drawn(world, x, y) != c) return -1;
  return c;
}

void Land(Vantix& game, int slot, std::int16_t time, std::int16_t type) {
  game.LandTime[slot] = time;
  game.AcType[slot] = type;
}

struct ChartTest : ::testing::Test {
  ChartTest() {
    for (int t = 0; t < 6; ++t) world.game().TypeColour[t] = kColours[t];
    // Something left from an earlier game, which the chart clears first.
    world.front().Picture1.Draw().PSet(200, 10, rt::Rgb(1, 2, 3));
  }
  TestWorld world;
};

}  // namespace

/** Landings at 60, 150, 270, 303 and 357 s: bars 24, 36, 48, 13.2 and 21.6 px high at x 27, 42,
 *  57, 72 and 87, six pixels wide in their types' colours, and the mean as a red line across the
 *  axis. Bar ends and the mean stay fractional until drawn, then fall on the nearest pixel: the
 *  33 s bar reaches y 76.8, row 77 (flooring its offset of -13.2 would give 76); the 54 s bar
 *  y 68.4, row 68 (cutting its offset to -21 would give 69); the mean of 357 / 5 = 71.4 s
 *  y 61.44, row 61 (a whole-second mean of 71, divided in integers or rounded, gives row 62). */
TEST_F(ChartTest, EachLandingGetsABarOfItsIntervalAndTheMeanARedLine) {
  Vantix& game = world.game();
  Land(game, 5, 150, 2);  // slots out of time order: bars follow the landings
  Land(game, 1, 270, 3);
  Land(game, 9, 60, 1);
  Land(game, 12, 357, 5);
  Land(game, 3, 303, 4);
  game.DrawLandingChart();
  const int meanY = 61;
  const struct {
    int left, top;
    rt::Colour colour;
  } bars[] = {{27, 66, kColours[1]},
              {42, 54, kColours[2]},
              {57, 42, kColours[3]},
              {72, 77, kColours[4]},
              {87, 68, kColours[5]}};
  for (const auto& bar : bars) {
    EXPECT_EQ(BarColour(world, bar.left, bar.top, meanY), bar.colour) << bar.left;
    EXPECT_EQ(BarColour(world, bar.left + 6, bar.top, meanY), bar.colour) << bar.left;
    EXPECT_EQ(Drawn(world, bar.left, bar.top - 1), -1) << bar.left;
    EXPECT_EQ(Drawn(world, bar.left - 1, 80), -1) << bar.left;
    EXPECT_EQ(Drawn(world, bar.left + 7, 80), -1) << bar.left;
    EXPECT_EQ(Drawn(world, bar.left + 3, 91), -1) << bar.left;
  }
  for (int x = 22; x <= 322; ++x) ASSERT_EQ(Drawn(world, x, meanY), kRed) << x;
  EXPECT_EQ(Drawn(world, 21, meanY), -1);
  EXPECT_EQ(Drawn(world, 323, meanY), -1);
  EXPECT_EQ(Drawn(world, 200, 10), -1);
  // Bars 7 px wide from top to baseline inclusive; the line crosses bars 2 and 3.
  EXPECT_EQ(DrawnPixels(world), 7 * (25 + 37 + 49 + 14 + 23) + 301 - 2 * 7);
}

/** A game without a landing leaves the chart cleared: no bar and no mean line. Arrivals that
 *  never landed (0) and a landing in the time-out tick (3600) are never charted. */
TEST_F(ChartTest, AGameWithoutChartedLandingsOnlyClearsTheChart) {
  Land(world.game(), 3, 3600, 1);
  world.game().DrawLandingChart();
  EXPECT_EQ(DrawnPixels(world), 0);
}

/** Arrivals that cleared the runway in the same second share one bar in the colour of the lowest
 *  slot, and the mean divides the last time by the bars, not the landings. */
TEST_F(ChartTest, LandingsInTheSameSecondShareOneBar) {
  Vantix& game = world.game();
  Land(game, 4, 100, 4);
  Land(game, 2, 100, 5);
  Land(game, 7, 201, 1);
  Land(game, 8, 3600, 2);
  game.DrawLandingChart();
  EXPECT_EQ(BarColour(world, 27, 50, 50), kColours[5]);  // 100 s: slot 2 wins over slot 4
  EXPECT_EQ(BarColour(world, 42, 50, 50), kColours[1]);  // the next 101 s, up to y 49.6
  EXPECT_EQ(Drawn(world, 57, 89), -1);                   // no third bar
  // The mean of 201 / 2 = 100.5 s stands at y 49.8, on the nearest row, 50, not cut to 49.
  EXPECT_EQ(Drawn(world, 100, 50), kRed);
  EXPECT_EQ(Drawn(world, 100, 49), -1);
}

/** An interval above 225 s reaches past the picture's top and is cut off there. */
TEST_F(ChartTest, ALongIntervalIsCutOffAtTheTop) {
  Land(world.game(), 1, 3000, 1);
  world.game().DrawLandingChart();
  EXPECT_EQ(BarColour(world, 30, 0, -1), kColours[1]);
  EXPECT_EQ(Drawn(world, 100, 0), -1);  // the mean line lies far above the picture
}
