#include "FlatText.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace vantix::art {

QFont flatFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

namespace {

QRect boundsOf(const Glyphs& g) {
  int left = g.width, top = g.height, right = -1, bottom = -1;
  for (int y = 0; y < g.height; ++y) {
    for (int x = 0; x < g.width; ++x) {
      if (g.at(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

Glyphs renderLine(const QString& text, const QFont& font) {
  constexpr int kPad = 4;
  const QFontMetrics metrics(font);
  Glyphs g;
  g.width = metrics.horizontalAdvance(text) + 2 * kPad;
  g.height = metrics.height() + 2 * kPad;
  g.baseline = kPad + metrics.ascent();

  QImage mask(g.width, g.height, QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(kPad, g.baseline, text);
  }
  g.ink.resize(static_cast<std::size_t>(g.width) * g.height);
  for (int y = 0; y < g.height; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    for (int x = 0; x < g.width; ++x) {
      g.ink[static_cast<std::size_t>(y) * g.width + x] = qAlpha(line[x]) >= 128 ? 1 : 0;
    }
  }
  g.inkRect = boundsOf(g);
  return g;
}

Glyphs turnedUp(const Glyphs& glyphs) {
  // Column x of the text becomes row (width - 1 - x): the start of the text is at the bottom.
  Glyphs up;
  up.width = glyphs.height;
  up.height = glyphs.width;
  up.baseline = glyphs.baseline;  // now a column: the text stands on its right-hand side
  up.ink.resize(glyphs.ink.size());
  for (int y = 0; y < glyphs.height; ++y) {
    for (int x = 0; x < glyphs.width; ++x) {
      up.ink[static_cast<std::size_t>(glyphs.width - 1 - x) * up.width + y] = glyphs.at(x, y);
    }
  }
  up.inkRect = boundsOf(up);
  return up;
}

void stampInk(QImage& image, const Glyphs& glyphs, int left, int top, QRgb colour) {
  const int dx = left - glyphs.inkRect.left();
  const int dy = top - glyphs.inkRect.top();
  for (int y = glyphs.inkRect.top(); y <= glyphs.inkRect.bottom(); ++y) {
    for (int x = glyphs.inkRect.left(); x <= glyphs.inkRect.right(); ++x) {
      const int px = x + dx, py = y + dy;
      if (glyphs.at(x, y) && image.valid(px, py)) image.setPixel(px, py, colour);
    }
  }
}

void stampOnBaseline(QImage& image, const Glyphs& glyphs, int left, int baseline, QRgb colour) {
  stampInk(image, glyphs, left, baseline - (glyphs.baseline - glyphs.inkRect.top()), colour);
}

void stampCentred(QImage& image, const Glyphs& glyphs, int cx, int cy, QRgb colour) {
  stampInk(image, glyphs, cx - (glyphs.inkRect.width() - 1) / 2,
           cy - (glyphs.inkRect.height() - 1) / 2, colour);
}

}  // namespace vantix::art
