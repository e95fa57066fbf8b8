// The two pictures of the panel's value selector, which share one place: the heading dial and
// the altitude and speed scales. The game maps clicks on them by position, so the centre, the
// rim and the bars stand exactly where its click handling expects them.
#include <QString>
#include <cmath>

#include "FlatText.h"
#include "Palette.h"
#include "Pictures.h"

namespace vantix::art {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSize = 96;

void fill(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) image.setPixel(x, y, colour);
}

// A bar seven pixels wide from row `top` to row `bottom` with rounded ends.
void drawBar(QImage& image, int left, int top, int bottom, QRgb colour) {
  fill(image, left, top + 2, left + 6, bottom - 2, colour);
  for (int end : {top, bottom}) fill(image, left + 2, end, left + 4, end, colour);
  for (int end : {top + 1, bottom - 1}) fill(image, left + 1, end, left + 5, end, colour);
}

}  // namespace

QImage drawHeadingDial() {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(kMidGrey);
  constexpr int c = 48;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const int d2 = (x - c) * (x - c) + (y - c) * (y - c);
      if (d2 <= 48 * 48 - 24) image.setPixel(x, y, d2 > 43 * 43 ? kDarkRed : kBlack);
    }
  }

  // The cross: the player reads the four quarters off it.
  fill(image, 48, 20, 48, 74, kWhite);
  fill(image, 16, 47, 70, 47, kWhite);

  // Headings clockwise from the top, just inside the rim. West's label sits above the cross's
  // arm, which reaches nearly to the rim on that side.
  const QFont font = flatFont(kSans, 9);
  for (int heading = 0; heading < 360; heading += 30) {
    const Glyphs label = renderLine(QString::number(heading), font);
    const double a = heading * kPi / 180.0;
    const double sx = std::sin(a), sy = -std::cos(a);
    const double half =
        (std::abs(sx) * label.inkRect.width() + std::abs(sy) * label.inkRect.height()) / 2.0;
    const double r = 41.0 - half;
    int cx = static_cast<int>(std::lround(c + r * sx));
    int cy = static_cast<int>(std::lround(c + r * sy));
    if (heading == 270) {
      cx = 6 + (label.inkRect.width() - 1) / 2;
      cy = 45 - label.inkRect.height() / 2;
    }
    stampCentred(image, label, cx, cy, kWhite);
  }
  return image;
}

QImage drawScales() {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(kBlack);
  drawBar(image, 26, 4, 92, kDarkRed);  // altitude
  drawBar(image, 68, 4, 92, kDarkRed);  // speed

  // Row k of ten pixels stands for 9000 - 1000k ft and 260 - 20k kt.
  const QFont font = flatFont(kSans, 10);
  for (int k = 0; k < 9; ++k) {
    const Glyphs altitude = renderLine(QString::number(9000 - 1000 * k), font);
    stampInk(image, altitude, 24 - altitude.inkRect.width() + 1, 10 * k + 4, kWhite);
    const Glyphs speed = renderLine(QString::number(260 - 20 * k), font);
    stampInk(image, speed, 77, 10 * k + 4, kWhite);
  }
  return image;
}

}  // namespace vantix::art
