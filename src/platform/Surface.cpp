#include "platform/Surface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace rt {

namespace {
unsigned int Opaque(Colour c) { return 0xFF000000u | (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c); }
int Nearest(double v) { return static_cast<int>(std::floor(v + 0.5)); }
}  // namespace

Surface::Surface(int width, int height)
    : picture_(width, height, QImage::Format_RGB32),
      layer_(width, height, QImage::Format_ARGB32_Premultiplied) {
  picture_.fill(Qt::black);
  layer_.fill(0);
}

void Surface::SetPicture(const QImage& picture, Colour back) {
  QImage converted = picture.convertToFormat(QImage::Format_RGB32);
  picture_ = QImage(Width(), Height(), QImage::Format_RGB32);
  picture_.fill(ToQColor(back));
  QPainter p(&picture_);
  p.drawImage(0, 0, converted);
  p.end();
  if (onChange_) onChange_(picture_.rect());
}

void Surface::SetFont(const QFont& font) {
  font_ = font;
  font_.setStyleStrategy(QFont::NoAntialias);
}

void Surface::Cls() {
  if (!drawn_.isEmpty()) {
    layer_.fill(0);
    if (onChange_) onChange_(drawn_);
    drawn_ = QRect();
  }
  currentX_ = currentY_ = 0;
}

void Surface::Plot(int x, int y, unsigned int argb) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  reinterpret_cast<unsigned int*>(layer_.scanLine(y))[x] = argb;
}

void Surface::PSet(double x, double y, Colour c) {
  const int px = Nearest(x), py = Nearest(y);
  Plot(px, py, Opaque(c));
  Changed(QRect(px, py, 1, 1));
}

void Surface::Circle(double cx, double cy, double radius, Colour outline) {
  // A pixel belongs to the disc when its centre lies within radius + 1/2 of the circle's centre;
  // the outline is the ring of those that lie beyond radius - 1/2.
  const double outer = (radius + 0.5) * (radius + 0.5);
  const double inner = radius > 0.5 ? (radius - 0.5) * (radius - 0.5) : -1.0;
  const unsigned int line = Opaque(outline);
  const unsigned int fill = Opaque(fillColour_);
  const int y0 = static_cast<int>(std::ceil(cy - radius - 0.5));
  const int y1 = static_cast<int>(std::floor(cy + radius + 0.5));
  const int x0 = static_cast<int>(std::ceil(cx - radius - 0.5));
  const int x1 = static_cast<int>(std::floor(cx + radius + 0.5));
  for (int y = y0; y <= y1; ++y) {
    const double dy = y - cy;
    for (int x = x0; x <= x1; ++x) {
      const double dx = x - cx;
      const double d = dx * dx + dy * dy;
      if (d > outer) continue;
      if (d > inner)
        Plot(x, y, line);
      else if (fillStyle_ == kSolid)
        Plot(x, y, fill);
    }
  }
  Changed(QRect(QPoint(x0, y0), QPoint(x1, y1)));
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour c) {
  int ax = Nearest(x1), ay = Nearest(y1);
  const int bx = Nearest(x2), by = Nearest(y2);
  const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
  const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
  int err = dx + dy;
  const unsigned int argb = Opaque(c);
  const QRect area = QRect(QPoint(ax, ay), QPoint(bx, by)).normalized();
  for (;;) {
    Plot(ax, ay, argb);
    if (ax == bx && ay == by) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      ax += sx;
    }
    if (e2 <= dx) {
      err += dx;
      ay += sy;
    }
  }
  currentX_ = x2;
  currentY_ = y2;
  Changed(area);
}

void Surface::Box(double x1, double y1, double x2, double y2, Colour c, bool filled) {
  const int l = Nearest(std::min(x1, x2)), r = Nearest(std::max(x1, x2));
  const int t = Nearest(std::min(y1, y2)), b = Nearest(std::max(y1, y2));
  const unsigned int argb = Opaque(c);
  for (int y = t; y <= b; ++y)
    for (int x = l; x <= r; ++x)
      if (filled || y == t || y == b || x == l || x == r) Plot(x, y, argb);
  currentX_ = x2;
  currentY_ = y2;
  Changed(QRect(QPoint(l, t), QPoint(r, b)));
}

void Surface::Print(const QString& text) {
  QPainter p(&layer_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font_);
  p.setPen(ToQColor(foreColour_));
  const QFontMetrics metrics(font_);
  const int x = Nearest(currentX_), y = Nearest(currentY_);
  p.drawText(x, y + metrics.ascent(), text);
  p.end();
  const int width = metrics.horizontalAdvance(text);
  currentX_ += width;
  Changed(QRect(x - 2, y, width + 4, metrics.height()));
}

Colour Surface::Point(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
  const unsigned int drawn = reinterpret_cast<const unsigned int*>(layer_.constScanLine(y))[x];
  if (drawn >> 24) return FromQRgb(drawn);
  return PicturePoint(x, y);
}

Colour Surface::PicturePoint(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
  return FromQRgb(reinterpret_cast<const unsigned int*>(picture_.constScanLine(y))[x]);
}

}  // namespace rt
