#include <gtest/gtest.h>

#include <QImage>
#include <cstring>
#include <vector>

#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

namespace {

const QRgb kLegend[9] = {qRgb(48, 88, 47),    qRgb(48, 104, 64),   qRgb(63, 128, 47),
                         qRgb(80, 112, 48),   qRgb(143, 112, 48),  qRgb(192, 160, 111),
                         qRgb(223, 192, 159), qRgb(239, 232, 208), qRgb(255, 255, 255)};

// A small terrain: the legend's nine sample points, band-2 plain everywhere else, a patch of sea
// at (100..110, 270..280) and a near-white summit at (300..310, 300..310).
QImage Terrain() {
  QImage picture(556, 556, QImage::Format_RGB32);
  picture.fill(kLegend[2]);
  for (int k = 0; k <= 8; ++k) picture.setPixel(14, 99 - 11 * k, kLegend[k]);
  for (int y = 270; y <= 280; ++y)
    for (int x = 100; x <= 110; ++x) picture.setPixel(x, y, qRgb(80, 120, 191));
  for (int y = 300; y <= 310; ++y)
    for (int x = 300; x <= 310; ++x) picture.setPixel(x, y, qRgb(255, 248, 255));
  return picture;
}

std::vector<std::uint8_t> Map(const Vantix& game) {
  const auto* bytes = &game.GroundBand[0][0];
  return {bytes, bytes + sizeof game.GroundBand};
}

// What a game leaves on the radar: white Concorde dots and labels, over the plain, the summit
// and the legend.
void LeaveWhiteAircraft(Vantix& game, std::initializer_list<std::pair<int, int>> places) {
  rt::Surface& radar = game.Draw();
  radar.SetForeColour(rt::Rgb(255, 255, 255));
  radar.SetFillColour(rt::Rgb(255, 255, 255));
  for (auto [x, y] : places) {
    radar.Circle(x, y, 3, rt::Rgb(255, 255, 255));
    radar.SetCurrentXY(x + 4, y + 4);
    radar.Print("E70");
  }
  radar.PSet(14, 99, rt::Rgb(255, 255, 255));
  radar.PSet(14, 77, rt::Rgb(0, 255, 0));
}

}  // namespace

/** The build shows its progress in whole percent before each of its 557 rows and yields there;
 *  at its end the radio line greets the player and the warnings box is empty. */
TEST(GroundMap, TheBuildShowsItsProgressAndYieldsOncePerRow) {
  TestWorld world;
  Vantix& game = world.game();
  game.Text1.SetText("old");
  QStringList shown;
  world.events.onYield = [&] { shown << game.Text2.Text(); };
  game.LoadGroundMap();
  ASSERT_EQ(shown.size(), 557);
  const std::pair<int, const char*> rows[] = {{0, "0"},    {5, "0"},    {6, "1"},    {277, "49"},
                                              {278, "50"}, {555, "99"}, {556, "100"}};
  for (auto [row, percent] : rows)
    EXPECT_EQ(shown[row], QString("Happy landings  %1 %").arg(percent)) << row;
  EXPECT_EQ(game.Text1.Text(), "Good Luck");
  EXPECT_EQ(game.Text2.Text(), "");
}

/** The map describes the terrain picture itself: aircraft, labels or marks that an earlier game
 *  left drawn, white ones included, change nothing, so every game gets the first game's map. */
TEST(GroundMap, WhatAnEarlierGameLeftDrawnDoesNotChangeTheMap) {
  TestWorld world;
  Vantix& game = world.game();
  game.Draw().SetPicture(Terrain());
  game.LoadGroundMap();
  const std::vector<std::uint8_t> first = Map(game);
  EXPECT_EQ(game.GroundBand[200][200], 2);
  EXPECT_EQ(game.GroundBand[105][275], 0) << "the sea matches no band";
  EXPECT_EQ(game.GroundBand[305][305], 0) << "nor does the near-white summit";
  EXPECT_EQ(game.GroundBand[276][0], 0) << "outside the circle";
  EXPECT_EQ(game.BandColour[0], rt::Rgb(48, 88, 47));
  EXPECT_EQ(game.BandColour[2], rt::Rgb(63, 128, 47));

  LeaveWhiteAircraft(game, {{200, 200}, {305, 305}, {105, 275}});
  game.LoadGroundMap();
  EXPECT_EQ(game.BandColour[0], rt::Rgb(48, 88, 47));
  EXPECT_EQ(game.BandColour[2], rt::Rgb(63, 128, 47));
  EXPECT_TRUE(Map(game) == first);
}

/** A pixel whose colour is none of the legend's keeps the band it had before the build. */
TEST(GroundMap, APixelOfNoBandColourKeepsItsBand) {
  TestWorld world;
  Vantix& game = world.game();
  game.Draw().SetPicture(Terrain());
  game.GroundBand[305][305] = 4;
  game.GroundBand[200][200] = 4;
  game.LoadGroundMap();
  EXPECT_EQ(game.GroundBand[305][305], 4);
  EXPECT_EQ(game.GroundBand[200][200], 2);
}

/** With the game's radar picture: the sample places of the map, the legend read from it, and the
 *  same map again after a game that left white aircraft over the plain and the north summit. */
TEST(GroundMap, TheRadarPictureGivesTheTerrainBands) {
  if (QImage(":/pictures/radar.png").isNull()) GTEST_SKIP() << "the radar picture is not built yet";
  TestWorld world;
  Vantix& game = world.game();
  game.LoadGroundMap();
  EXPECT_EQ(game.BandColour[0], rt::Rgb(48, 88, 47));
  EXPECT_EQ(game.BandColour[8], rt::Rgb(255, 255, 255));
  const struct {
    int x, y;
    int band;
  } places[] = {{290, 60, 0}, {380, 500, 8}, {40, 300, 0}, {276, 276, 0}};
  for (auto p : places) EXPECT_EQ(game.GroundBand[p.x][p.y], p.band) << p.x << "," << p.y;
  for (int i = 0; i <= 556; ++i) {
    EXPECT_EQ(game.GroundBand[i][0], 0);
    EXPECT_EQ(game.GroundBand[i][556], 0);
    EXPECT_EQ(game.GroundBand[0][i], 0);
    EXPECT_EQ(game.GroundBand[556][i], 0);
  }
  const std::vector<std::uint8_t> first = Map(game);
  LeaveWhiteAircraft(game, {{290, 60}, {300, 80}, {200, 300}, {276, 276}});
  game.LoadGroundMap();
  EXPECT_TRUE(Map(game) == first);
}
