// The radar terrain picture: terrain disc, frame rings, legend, runways, holding fixes and the
// lettering and instruments of the four corners.
#include <QStringList>
#include <cmath>

#include "FlatText.h"
#include "Palette.h"
#include "Pictures.h"
#include "Terrain.h"

namespace vantix::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

void fill(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (image.valid(x, y)) image.setPixel(x, y, colour);
}

// Everything outside the disc: a black ring, a light grey ring, then mid grey corner panels
// inside a light grey margin along the picture's edges.
void drawFrame(QImage& image) {
  for (int y = 0; y < kRadarSize; ++y) {
    for (int x = 0; x < kRadarSize; ++x) {
      if (insideRadar(x, y)) continue;
      const int dx = x - kRadarCentre, dy = y - kRadarCentre;
      const int d2 = dx * dx + dy * dy;
      QRgb colour = kMidGrey;
      if (d2 < 280 * 280)
        colour = kBlack;
      else if (d2 < 284 * 284 || x < 5 || y < 5 || x > 550 || y > 550)
        colour = kLightGrey;
      image.setPixel(x, y, colour);
    }
  }
}

void drawTerrain(QImage& image) {
  const auto ground = buildTerrain();
  for (int y = 0; y < kRadarSize; ++y) {
    for (int x = 0; x < kRadarSize; ++x) {
      if (!insideRadar(x, y)) continue;
      const auto g = ground(x, y);
      image.setPixel(x, y, g == kSeaGround ? kSea : g == kSnowGround ? kSnow : kBandColour[g]);
    }
  }
}

// Runway from x 251 to 303, eight rows from `top`, centre line on rows top + 3 and top + 4,
// chequered ends two pixels wide.
void drawRunway(QImage& image, int top) {
  fill(image, 251, top, 303, top + 7, kRunway);
  for (int x = 255; x <= 299; ++x)
    if ((x - 255) % 6 < 4) fill(image, x, top + 3, x, top + 4, kMarking);
  for (int y = top; y <= top + 7; ++y) {
    for (int x : {251, 252, 302, 303}) image.setPixel(x, y, (x + y) % 2 ? kBlack : kRunway);
  }
}

void drawFix(QImage& image, int cx, int cy) {
  fill(image, cx - 5, cy, cx + 5, cy, kMarking);
  fill(image, cx, cy - 5, cx, cy + 5, kMarking);
}

void drawLegend(QImage& image) {
  const QFont digits = flatFont(kSans, 10);
  const QStringList labels = {"8000", "7000", "6000", "5000", "4000",
                              "3000", "2000", "1000", "0",    "0"};
  fill(image, 6, 7, 21, 118, kBlack);
  for (int i = 0; i < 10; ++i) {
    const int top = 8 + 11 * i;
    fill(image, 7, top, 20, top + 10, i < 9 ? kBandColour[8 - i] : kSea);
    const Glyphs label = renderLine(labels[i], digits);
    stampInk(image, label, 24, top + 2, kDarkRed);
  }
  const QFont title = flatFont(kSans, 11, true);
  int baseline = 18;
  for (const char* word : {"Maximum", "Ground", "Height"}) {
    stampOnBaseline(image, renderLine(word, title), 54, baseline, kDarkRed);
    baseline += 12;
  }
}

// The wind dial: a ring round (47, 504) with ticks every 30 degrees and its bearings around.
void drawWindDial(QImage& image) {
  constexpr int cx = 47, cy = 504;
  for (int y = cy - 28; y <= cy + 28; ++y) {
    for (int x = cx - 28; x <= cx + 28; ++x) {
      const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
      if (d2 <= 27 * 27 + 27 && d2 > 22 * 22 + 22) image.setPixel(x, y, kDarkRed);
    }
  }
  const QFont font = flatFont(kSans, 9);
  for (int bearing = 0; bearing < 360; bearing += 30) {
    const double a = bearing * kPi / 180.0;
    const double sx = std::sin(a), sy = -std::cos(a);
    for (double r = 17.0; r <= 22.0; r += 0.25)
      image.setPixel(static_cast<int>(std::lround(cx + r * sx)),
                     static_cast<int>(std::lround(cy + r * sy)), kDarkRed);
    const Glyphs label = renderLine(QString::number(bearing), font);
    const double r =
        27.0 + 3.0 +
        (std::abs(sx) * label.inkRect.width() + std::abs(sy) * label.inkRect.height()) / 2.0;
    // The label of 120 moves up a little, off the corner of the Landing box.
    const int lift = bearing == 120 ? 4 : 0;
    stampCentred(image, label, static_cast<int>(std::lround(cx + r * sx)),
                 static_cast<int>(std::lround(cy + r * sy)) - lift, kDarkRed);
  }
}

void drawCorners(QImage& image) {
  const QFont font = flatFont(kSans, 11);
  // Top right: the names of the emergency line and the warnings box beside them.
  const Glyphs emergencies = renderLine("Emergencies", font);
  stampOnBaseline(image, emergencies, 543 - emergencies.inkRect.width() + 1, 23, kDarkRed);
  const Glyphs warnings = renderLine("Warnings", font);
  stampOnBaseline(image, warnings, 543 - warnings.inkRect.width() + 1, 45, kDarkRed);

  // Bottom left: the wind dial and the landing runway box.
  stampOnBaseline(image, renderLine("Wind", font), 7, 445, kDarkRed);
  stampOnBaseline(image, renderLine("speed", font), 7, 456, kDarkRed);
  drawWindDial(image);
  fill(image, 80, 524, 138, 551, kBlack);
  fill(image, 81, 525, 137, 550, kLightGrey);
  const Glyphs landing = renderLine("Landing", font);
  stampOnBaseline(image, landing, 109 - landing.inkRect.width() / 2, 534, kDarkRed);

  // Bottom right: the name under the safety gauge.
  const Glyphs safety = renderLine("Safety", font);
  stampOnBaseline(image, safety, 522 - safety.inkRect.width() / 2, 544, kDarkRed);
}

}  // namespace

QImage drawRadarPicture() {
  QImage image(kRadarSize, kRadarSize, QImage::Format_RGB32);
  drawFrame(image);
  drawTerrain(image);
  drawRunway(image, 253);  // departures
  drawRunway(image, 273);  // landings
  drawFix(image, 83, 125);
  drawFix(image, 474, 123);
  drawFix(image, 116, 444);
  drawFix(image, 455, 401);
  drawLegend(image);
  drawCorners(image);
  return image;
}

}  // namespace vantix::art
