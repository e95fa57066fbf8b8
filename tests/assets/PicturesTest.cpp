// What the game reads of its pictures: the legend's colours, the terrain's palette, the
// landmarks at their pixels, and the geometry of the dial, the scales and the chart frame.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <array>
#include <cmath>
#include <set>
#include <string>

namespace {

constexpr QRgb rgb(int r, int g, int b) {
  return 0xff000000u | (r << 16) | (g << 8) | b;
}

constexpr std::array<QRgb, 9> kBands = {rgb(48, 88, 47),    rgb(48, 104, 64),   rgb(63, 128, 47),
                                        rgb(80, 112, 48),   rgb(143, 112, 48),  rgb(192, 160, 111),
                                        rgb(223, 192, 159), rgb(239, 232, 208), rgb(255, 255, 255)};
constexpr QRgb kSea = rgb(80, 120, 191);
constexpr QRgb kSnow = rgb(255, 248, 255);
constexpr QRgb kRunway = rgb(176, 184, 191);
constexpr QRgb kMarking = rgb(128, 144, 127);
constexpr QRgb kBlack = rgb(0, 0, 0);
constexpr QRgb kWhite = rgb(255, 255, 255);
constexpr QRgb kDarkRed = rgb(128, 0, 0);
constexpr QRgb kMidGrey = rgb(128, 128, 128);
constexpr QRgb kLightGrey = rgb(192, 192, 192);
constexpr QRgb kGreen = rgb(0, 128, 0);

QImage picture(const char* name) {
  return QImage(QString(":/pictures/") + name).convertToFormat(QImage::Format_RGB32);
}

std::string hex(QRgb c) {
  return QString::asprintf("(%d,%d,%d)", qRed(c), qGreen(c), qBlue(c)).toStdString();
}

// The game's own test for a pixel of the radar picture inside the radar circle.
bool insideRadar(int x, int y) {
  return (276 - x) * (276 - x) + (276 - y) * (276 - y) < 76176;
}

int bandOf(QRgb c) {
  for (int k = 0; k < 9; ++k)
    if (kBands[k] == c) return k;
  return -1;
}

struct PictureSize {
  const char* name;
  int width, height;
};

class PictureSizes : public testing::TestWithParam<PictureSize> {};

// The pictures are compiled into the program: a consumer of the core library finds each one
// under :/pictures at the size its control has.
TEST_P(PictureSizes, EachPictureIsLinkedInAtItsSize) {
  const QImage image(QString(":/pictures/") + GetParam().name);
  ASSERT_FALSE(image.isNull()) << GetParam().name;
  EXPECT_EQ(image.width(), GetParam().width);
  EXPECT_EQ(image.height(), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureSizes,
                         testing::Values(PictureSize{"radar.png", 556, 556},
                                         PictureSize{"dial.png", 96, 96},
                                         PictureSize{"scales.png", 96, 96},
                                         PictureSize{"chart.png", 360, 105},
                                         PictureSize{"icon.png", 32, 32}));

// The terrain map is built by sampling the legend at (14, 99 - 11k) for band k; every row of
// a swatch holds its colour across the swatch, and the sea's swatch follows band 0's.
TEST(RadarPicture, LegendSwatchesHoldTheBandColoursWhereTheGameSamplesThem) {
  const QImage radar = picture("radar.png");
  for (int k = 0; k <= 8; ++k) {
    EXPECT_EQ(hex(radar.pixel(14, 99 - 11 * k)), hex(kBands[k])) << "band " << k;
    const int top = 8 + 11 * (8 - k);
    for (int y = top; y < top + 11; ++y)
      for (int x = 7; x <= 20; ++x) ASSERT_EQ(radar.pixel(x, y), kBands[k]) << x << "," << y;
  }
  for (int y = 107; y <= 117; ++y)
    for (int x = 7; x <= 20; ++x) ASSERT_EQ(radar.pixel(x, y), kSea) << x << "," << y;
}

// The game maps every pixel inside the radar circle to a band by exact colour, so the disc
// may hold only the band colours and the colours the game deliberately reads as no band;
// pure white (band 8) lies only on the south summit.
TEST(RadarPicture, TerrainInsideTheRadarCircleUsesOnlyTheMapColours) {
  const QImage radar = picture("radar.png");
  const std::set<QRgb> others = {kSea, kSnow, kRunway, kMarking, kBlack};
  for (int y = 0; y < 556; ++y) {
    for (int x = 0; x < 556; ++x) {
      if (!insideRadar(x, y)) continue;
      const QRgb c = radar.pixel(x, y);
      ASSERT_TRUE(bandOf(c) >= 0 || others.count(c)) << x << "," << y << " " << hex(c);
      if (c == kWhite) {
        ASSERT_TRUE(x >= 337 && x <= 415 && y >= 485 && y <= 521) << x << "," << y;
      }
    }
  }
}

// Bands read like contours: next to each other they differ by one band, the sea has a shore
// of band 1, the snow lies within band 7 (or on the south summit's rock), and no pixel stands
// alone in a colour of its own.
TEST(RadarPicture, TerrainBandsMeetLikeContoursWithoutSpeckles) {
  const QImage radar = picture("radar.png");
  const auto terrain = [&](int x, int y) {
    const QRgb c = radar.pixel(x, y);
    return insideRadar(x, y) && c != kRunway && c != kMarking && c != kBlack &&
           !(x >= 251 && x <= 303 && y >= 253 && y <= 280);
  };
  for (int y = 1; y < 555; ++y) {
    for (int x = 1; x < 555; ++x) {
      if (!terrain(x, y)) continue;
      const QRgb c = radar.pixel(x, y);
      int same = 0, neighbours = 0;
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        if (!terrain(x + dx, y + dy)) continue;
        ++neighbours;
        const QRgb n = radar.pixel(x + dx, y + dy);
        if (n == c) {
          ++same;
          continue;
        }
        const int a = bandOf(c), b = bandOf(n);
        const std::string where =
            std::to_string(x) + "," + std::to_string(y) + " " + hex(c) + " next to " + hex(n);
        if (a >= 0 && b >= 0) {
          ASSERT_EQ(std::abs(a - b), 1) << where;
        }
        if (c == kSea) {
          ASSERT_EQ(b, 1) << where;
        }
        if (c == kSnow) {
          ASSERT_TRUE(b == 7 || b == 8) << where;
        }
      }
      ASSERT_TRUE(neighbours == 0 || same > 0) << "lone pixel at " << x << "," << y;
    }
  }
}

struct Landmark {
  const char* what;
  int x, y;
  QRgb colour;
};

// The places the game and its player rely on, by the colour the picture must show there.
TEST(RadarPicture, LandmarksStandAtTheirPixels) {
  const QImage radar = picture("radar.png");
  const Landmark landmarks[] = {
      {"north summit snow", 290, 60, kSnow},
      {"north summit snow, corner", 258, 60, kSnow},
      {"east hill snow", 518, 208, kSnow},
      {"south summit rock", 380, 500, kWhite},
      {"south summit snow", 380, 470, kSnow},
      {"sea", 40, 300, kSea},
      {"landing runway centre line", 276, 276, kMarking},
      {"landing runway", 276, 274, kRunway},
      {"departure runway", 276, 254, kRunway},
      {"departure centre line", 276, 257, kMarking},
      {"airport basin", 276, 295, kBands[0]},
      {"grey ring", 475, 475, kLightGrey},
      {"black ring", 276, 553, kBlack},
      {"corner panel", 20, 140, kMidGrey},
      {"picture margin", 2, 2, kLightGrey},
      {"landing box", 84, 548, kLightGrey},
      {"landing box outline", 80, 540, kBlack},
  };
  for (const auto& l : landmarks) EXPECT_EQ(hex(radar.pixel(l.x, l.y)), hex(l.colour)) << l.what;
}

// Both runways span x 251..303 over eight rows with chequered ends and a dashed centre line;
// the ground shows around them.
TEST(RadarPicture, RunwaysLieOnTheirRows) {
  const QImage radar = picture("radar.png");
  for (int top : {253, 273}) {
    for (int y = top; y <= top + 7; ++y)
      for (int x = 251; x <= 303; ++x) {
        const QRgb c = radar.pixel(x, y);
        ASSERT_TRUE(c == kRunway || c == kMarking || c == kBlack) << x << "," << y;
      }
    for (int x = 251; x <= 303; ++x) {
      EXPECT_GE(bandOf(radar.pixel(x, top - 1)), 0) << x;
      EXPECT_GE(bandOf(radar.pixel(x, top + 8)), 0) << x;
    }
    EXPECT_GE(bandOf(radar.pixel(250, top + 3)), 0);
    EXPECT_GE(bandOf(radar.pixel(304, top + 3)), 0);
    for (int x : {251, 252, 302, 303}) {
      EXPECT_EQ(radar.pixel(x, top), radar.pixel(x, top + 2)) << x;
      EXPECT_NE(radar.pixel(x, top), radar.pixel(x, top + 1)) << x;
    }
    int dashes = 0;
    for (int x = 255; x <= 299; ++x)
      dashes += radar.pixel(x, top + 3) == kMarking && radar.pixel(x, top + 4) == kMarking;
    EXPECT_GT(dashes, 20);
    EXPECT_LT(dashes, 45);
  }
}

// The holding stacks start circling at their fixes: an 11 x 11 cross on each.
TEST(RadarPicture, HoldingFixesAreCrossesOnTheStacks) {
  const QImage radar = picture("radar.png");
  for (auto [cx, cy] : {std::pair{83, 125}, {474, 123}, {116, 444}, {455, 401}}) {
    for (int d = -5; d <= 5; ++d) {
      EXPECT_EQ(radar.pixel(cx + d, cy), kMarking) << cx << "," << cy;
      EXPECT_EQ(radar.pixel(cx, cy + d), kMarking) << cx << "," << cy;
    }
    for (auto [dx, dy] : {std::pair{6, 0}, {-6, 0}, {0, 6}, {0, -6}, {2, 2}})
      EXPECT_NE(radar.pixel(cx + dx, cy + dy), kMarking) << cx << "," << cy;
  }
}

// A dial click counts from (48, 48) out to radius 48 and the marker runs on radius 45: a
// black face, a red rim under the marker's path and the cross's strokes where drawn.
TEST(HeadingDial, FaceRimAndCrossStandWhereClicksAreMapped) {
  const QImage dial = picture("dial.png");
  for (auto [x, y] : {std::pair{44, 44}, {52, 52}, {40, 56}, {58, 38}})
    EXPECT_EQ(dial.pixel(x, y), kBlack);
  for (int a = 0; a < 360; a += 5) {
    const double t = a * M_PI / 180.0;
    const int x = static_cast<int>(std::lround(48 + 45.5 * std::sin(t)));
    const int y = static_cast<int>(std::lround(48 - 45.5 * std::cos(t)));
    EXPECT_EQ(dial.pixel(x, y), kDarkRed) << "rim at " << a;
  }
  for (auto [x, y] : {std::pair{0, 0}, {95, 0}, {0, 95}, {95, 95}})
    EXPECT_EQ(dial.pixel(x, y), kMidGrey);
  for (int y = 20; y <= 74; ++y) EXPECT_EQ(dial.pixel(48, y), kWhite) << y;
  for (int x = 16; x <= 70; ++x) EXPECT_EQ(dial.pixel(x, 47), kWhite) << x;
  for (auto [x, y] : {std::pair{48, 19}, {48, 75}, {15, 47}, {71, 47}, {47, 30}, {49, 60}})
    EXPECT_NE(dial.pixel(x, y), kWhite) << x << "," << y;
}

// Scale clicks are read by row and the marker runs along the bars in columns 26..32 and
// 68..74 from row 4 to row 92; the labels of row k stand in rows 10k..10k + 9 of their side.
TEST(Scales, BarsAndLabelsStandInTheirColumnsAndRows) {
  const QImage scales = picture("scales.png");
  for (int left : {26, 68}) {
    for (int y = 6; y <= 90; ++y) {
      for (int x = left; x <= left + 6; ++x)
        ASSERT_EQ(scales.pixel(x, y), kDarkRed) << x << "," << y;
      EXPECT_NE(scales.pixel(left - 1, y), kDarkRed) << y;
      EXPECT_NE(scales.pixel(left + 7, y), kDarkRed) << y;
    }
    EXPECT_EQ(scales.pixel(left + 3, 4), kDarkRed);
    EXPECT_EQ(scales.pixel(left + 3, 92), kDarkRed);
    EXPECT_NE(scales.pixel(left + 3, 3), kDarkRed);
    EXPECT_NE(scales.pixel(left + 3, 93), kDarkRed);
  }
  EXPECT_EQ(scales.pixel(50, 50), kBlack);
  const auto whiteIn = [&](int x0, int x1, int y0, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) n += scales.pixel(x, y) == kWhite;
    return n;
  };
  for (int k = 0; k < 9; ++k) {
    EXPECT_GT(whiteIn(0, 24, 10 * k + 4, 10 * k + 10), 15) << "altitude row " << k;
    EXPECT_GT(whiteIn(76, 95, 10 * k + 4, 10 * k + 10), 10) << "speed row " << k;
  }
  EXPECT_EQ(whiteIn(0, 95, 0, 95), whiteIn(0, 24, 0, 95) + whiteIn(76, 95, 0, 95));
}

// The landing chart puts its bars on the zero line at y 90 and 15 px a landing: the axes,
// ticks and grid lie on exactly the pixels of that scale.
TEST(ChartFrame, AxesTicksAndGridLieOnTheChartsScale) {
  const QImage chart = picture("chart.png");
  for (int y = 0; y <= 94; ++y) {
    EXPECT_EQ(chart.pixel(22, y), kGreen) << y;
    EXPECT_EQ(chart.pixel(23, y), kGreen) << y;
  }
  for (int i = 0; i < 15; ++i)
    for (int x = 17; x <= 21; ++x) {
      EXPECT_EQ(chart.pixel(x, 5 + 6 * i), kGreen) << i;
      EXPECT_EQ(chart.pixel(x, 6 + 6 * i), kGreen) << i;
    }
  for (int x = 22; x <= 323; ++x) {
    EXPECT_EQ(chart.pixel(x, 91), kGreen) << x;
    EXPECT_EQ(chart.pixel(x, 92), kGreen) << x;
  }
  for (int k = 0; k <= 20; ++k)
    for (int y = 90; y <= 94; ++y) {
      EXPECT_EQ(chart.pixel(22 + 15 * k, y), kGreen) << k;
      EXPECT_EQ(chart.pixel(23 + 15 * k, y), kGreen) << k;
    }
  for (int y = 6; y <= 84; y += 6)
    for (int x = 24; x <= 323; ++x) ASSERT_EQ(chart.pixel(x, y), kMidGrey) << x << "," << y;
  EXPECT_EQ(chart.pixel(200, 50), kLightGrey);
  EXPECT_EQ(chart.pixel(324, 91), kLightGrey);
  EXPECT_EQ(chart.pixel(200, 90), kLightGrey);
}

// The icon is a round picture: transparent in its corners, opaque in its middle.
TEST(ProgramIcon, IsRoundWithTransparentCorners) {
  const QImage icon(":/pictures/icon.png");
  ASSERT_TRUE(icon.hasAlphaChannel());
  for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {31, 31}}) EXPECT_EQ(qAlpha(icon.pixel(x, y)), 0);
  for (auto [x, y] : {std::pair{16, 16}, {16, 1}, {1, 16}, {30, 16}})
    EXPECT_EQ(qAlpha(icon.pixel(x, y)), 255);
}

}  // namespace
