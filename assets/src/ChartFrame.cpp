// The empty landing-interval chart of the front screen. The game draws its bars and the mean
// line on it at 2.5 seconds a pixel above y 90 and 15 pixels a landing from x 22.
#include <QString>

#include "FlatText.h"
#include "Palette.h"
#include "Pictures.h"

namespace vantix::art {

namespace {

void fill(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) image.setPixel(x, y, colour);
}

}  // namespace

QImage drawChartFrame() {
  QImage image(360, 105, QImage::Format_RGB32);
  image.fill(kLightGrey);

  // Grid first, so that the axes and ticks lie over its ends.
  for (int y = 6; y <= 84; y += 6) fill(image, 24, y, 323, y, kMidGrey);

  // Seconds between landings: 15 ticks every 6 px, every second one labelled from the bottom.
  fill(image, 22, 0, 23, 94, kGreen);
  const QFont digits = flatFont(kSans, 9);
  const char* const seconds[] = {"200", "180", "150", "120", "90", "60", "30", "0"};
  for (int i = 0; i < 15; ++i) {
    const int top = 5 + 6 * i;
    fill(image, 17, top, 21, top + 1, kGreen);
    if (i % 2 == 0) {
      const Glyphs label = renderLine(seconds[i / 2], digits);
      stampInk(image, label, 15 - label.inkRect.width() + 1, top + 1 - label.inkRect.height() / 2,
               kDarkRed);
    }
  }

  // Landings 0..20 along the bottom, labels turned to read upwards.
  fill(image, 22, 91, 323, 92, kGreen);
  const QFont small = flatFont(kSans, 9);
  for (int k = 0; k <= 20; ++k) {
    const int x = 22 + 15 * k;
    fill(image, x, 90, x + 1, 94, kGreen);
    const Glyphs label = turnedUp(renderLine(QString::number(k), small));
    stampInk(image, label, x + 1 - label.inkRect.width() / 2, 95, kDarkRed);
  }

  // Axis title at the right edge, in two lines reading upwards.
  const QFont titleFont = flatFont(kSans, 10);
  const Glyphs first = turnedUp(renderLine("Interval Between", titleFont));
  const Glyphs second = turnedUp(renderLine("Landings (secs)", titleFont));
  stampInk(image, first, 334, 102 - first.inkRect.height() + 1, kBlack);
  stampInk(image, second, 345, 102 - second.inkRect.height() + 1, kBlack);

  // Legend of the mean line: "AVG" between two short dashes in the line's own red.
  const Glyphs avg = renderLine("AVG", flatFont(kSans, 9));
  const int avgLeft = 342 - avg.inkRect.width() / 2;
  stampInk(image, avg, avgLeft, 12, kRed);
  fill(image, 326, 15, avgLeft - 3, 15, kRed);
  fill(image, avgLeft + avg.inkRect.width() + 2, 15, 358, 15, kRed);
  return image;
}

}  // namespace vantix::art
