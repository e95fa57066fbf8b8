// The runtime's number rules, in one place: the game's texts and rounding depend on them.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

namespace rt {

// A 24-bit colour in 0x00BBGGRR order, as the game stores its colours.
using Colour = std::int32_t;

constexpr Colour Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

QColor ToQColor(Colour c);
Colour FromQRgb(unsigned int argb);  // from a QRgb, alpha ignored

// The numeric value of a text: its leading decimal number (blanks before it skipped), 0 when none.
double Val(const QString& text);

// The whole part: the largest whole number not above the value.
double Int(double v);

// The sign: -1, 0 or 1.
constexpr int Sgn(double v) { return (v > 0) - (v < 0); }

// Rounded to the nearest whole number, halves to the even neighbour, then stored in 16 or 32
// bits. Values beyond the type's range are held at its bounds.
std::int16_t CInt(double v);
std::int32_t CLng(double v);

// A whole number as plain decimal text: "40", "-5".
QString Dec(long long v);
// A number as plain decimal text; whole values without a fraction ("87"), others with up to
// seven significant digits as a single-precision value shows them.
QString DecSingle(float v);
// A number drawn "as a number": a leading blank in place of the sign when not negative (" 40").
QString Str(long long v);
// At least two digits, a leading zero below 10 ("05", "59", "-05").
QString Format00(long long v);

}  // namespace rt
