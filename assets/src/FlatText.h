// Lettering for the pictures without any blended pixel: each glyph is rendered as a one-bit
// mask and stamped in a single colour, so a read-back finds exactly the ink colour.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace vantix::art {

// A font asked for by family and pixel size, hinted and without antialiasing.
QFont flatFont(const QString& family, int pixelSize, bool bold = false);

// One line of text as a mask. `ink` is true where a glyph covers the pixel; `baseline` is
// the mask row the text sits on; `inkRect` bounds the covered pixels.
struct Glyphs {
  int width = 0;
  int height = 0;
  int baseline = 0;
  std::vector<std::uint8_t> ink;
  QRect inkRect;
  bool at(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x] != 0; }
};

Glyphs renderLine(const QString& text, const QFont& font);

// The same text turned a quarter turn anticlockwise, so that it reads from bottom to top.
Glyphs turnedUp(const Glyphs& glyphs);

// Stamps the ink so that the top-left corner of its bounds lands on (left, top).
void stampInk(QImage& image, const Glyphs& glyphs, int left, int top, QRgb colour);

// Stamps the ink with its left edge at `left` and the text's baseline on row `baseline`.
void stampOnBaseline(QImage& image, const Glyphs& glyphs, int left, int baseline, QRgb colour);

// Stamps the ink centred on (cx, cy), rounding down where the centre falls between pixels.
void stampCentred(QImage& image, const Glyphs& glyphs, int cx, int cy, QRgb colour);

}  // namespace vantix::art
