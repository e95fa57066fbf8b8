// The colours of the pictures. The game reads the terrain by exact colour, so these are the
// only values the terrain, the legend and the frame may use.
#pragma once

#include <QColor>
#include <array>

namespace vantix::art {

constexpr QRgb rgb(int r, int g, int b) {
  return 0xff000000u | (r << 16) | (g << 8) | b;
}

// Ground colours of the height bands 0..8 (band k: ground up to k x 1000 ft).
constexpr std::array<QRgb, 9> kBandColour = {
    rgb(48, 88, 47),    rgb(48, 104, 64),   rgb(63, 128, 47),
    rgb(80, 112, 48),   rgb(143, 112, 48),  rgb(192, 160, 111),
    rgb(223, 192, 159), rgb(239, 232, 208), rgb(255, 255, 255)};

constexpr QRgb kSea = rgb(80, 120, 191);
constexpr QRgb kSnow = rgb(255, 248, 255);  // summit areas: no band colour, so read as 0 ft
constexpr QRgb kRunway = rgb(176, 184, 191);
constexpr QRgb kMarking = rgb(128, 144, 127);  // runway centre lines and holding fixes
constexpr QRgb kBlack = rgb(0, 0, 0);
constexpr QRgb kWhite = rgb(255, 255, 255);
constexpr QRgb kLightGrey = rgb(192, 192, 192);
constexpr QRgb kMidGrey = rgb(128, 128, 128);
constexpr QRgb kDarkRed = rgb(128, 0, 0);
constexpr QRgb kGreen = rgb(0, 128, 0);
constexpr QRgb kRed = rgb(255, 0, 0);
constexpr QRgb kCyan = rgb(0, 255, 255);

// Families asked for by name; the build machine's fontconfig must have them.
inline const char* const kSans = "Liberation Sans";
inline const char* const kSerif = "Liberation Serif";

}  // namespace vantix::art
