// The terrain height map, read from the radar terrain picture at every game's set-up: each
// pixel's colour names its height band by the picture's own legend.
#include <QImage>
#include <QRgb>

#include "platform/Numbers.h"
#include "platform/Services.h"
#include "simulation/Vantix.h"

namespace {

constexpr int kMapSize = 557;
constexpr int kRadarCentre = 276;
constexpr int kRadarRadiusSquared = 76176;
constexpr int kBands = 9;

// The legend's swatch of band k: band 0 at the bottom (y 99), band 8 at the top (y 11).
constexpr int kLegendX = 14;
constexpr int LegendY(int band) {
  return 99 - 11 * band;
}

// A picture pixel's colour with the alpha byte dropped, in the picture's own byte order.
constexpr QRgb kColourBits = 0x00FFFFFFu;
QRgb PictureBits(rt::Colour c) {
  return qRgb(rt::RedOf(c), rt::GreenOf(c), rt::BlueOf(c)) & kColourBits;
}

}  // namespace

void Vantix::LoadGroundMap() {
  // The map describes the terrain picture itself, never what is drawn over it: after an earlier
  // game or the tutorial the surface may still show aircraft, trails or explosions, and a white
  // type-5 dot would otherwise read as the 8000 ft summit.
  const rt::Surface& radar = Draw();
  const QImage& picture = radar.Picture();

  for (int k = 0; k < kBands; ++k) BandColour[k] = radar.PicturePoint(kLegendX, LegendY(k));
  QRgb band[kBands];
  for (int k = 0; k < kBands; ++k) band[k] = PictureBits(BandColour[k]);

  for (int y = 0; y < kMapSize; ++y) {
    ShowLoadProgress(static_cast<std::int16_t>(y));
    const QRgb* row =
        y < picture.height() ? reinterpret_cast<const QRgb*>(picture.constScanLine(y)) : nullptr;
    const int dy = kRadarCentre - y;
    for (int x = 0; x < kMapSize; ++x) {
      const int dx = kRadarCentre - x;
      // Outside the radar circle the ground counts as the lowest band.
      QRgb c = band[0];
      if (dx * dx + dy * dy < kRadarRadiusSquared && row && x < picture.width())
        c = row[x] & kColourBits;
      // The first band of that colour; the sea, the runways, the fixes and the near-white
      // summits match none and keep the band they had.
      for (int k = 0; k < kBands; ++k) {
        if (band[k] == c) {
          GroundBand[x][y] = static_cast<std::uint8_t>(k);
          break;
        }
      }
    }
  }

  Text1.SetText("Good Luck");
  Text2.SetText("");
}

void Vantix::ShowLoadProgress(std::int16_t Row) {
  const auto percent = static_cast<long long>(rt::Int(Row / 556.0 * 100));
  Text2.SetText("Happy landings  " + rt::Dec(percent) + " %");
  rt::Svc().events.DoEvents();
}
