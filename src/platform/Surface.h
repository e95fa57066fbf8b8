// A drawing surface: a background picture plus a run-time drawing that shows until it is
// cleared. Flat colours only, so every drawn colour reads back exactly.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

#include "platform/Numbers.h"

namespace rt {

class Surface {
 public:
  enum FillStyleKind { kSolid = 0, kTransparent = 1 };

  Surface(int width, int height);

  int Width() const { return layer_.width(); }
  int Height() const { return layer_.height(); }

  // The picture, drawn at the top-left corner over the back colour.
  void SetPicture(const QImage& picture, Colour back = 0);
  const QImage& Picture() const { return picture_; }
  const QImage& Layer() const { return layer_; }

  // Removes all run-time drawing; the picture stays.
  void Cls();

  Colour ForeColour() const { return foreColour_; }
  void SetForeColour(Colour c) { foreColour_ = c; }
  Colour FillColour() const { return fillColour_; }
  void SetFillColour(Colour c) { fillColour_ = c; }
  int FillStyle() const { return fillStyle_; }
  void SetFillStyle(int style) { fillStyle_ = style; }
  void SetFont(const QFont& font);
  const QFont& Font() const { return font_; }
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentXY(double x, double y) {
    currentX_ = x;
    currentY_ = y;
  }

  // One pixel; a fractional position falls on the nearest pixel.
  void PSet(double x, double y, Colour c);
  // A circle outlined in the colour given; filled with the fill colour when the fill style is
  // solid. The outline and the inside are symmetric about the centre.
  void Circle(double x, double y, double radius, Colour outline);
  void Line(double x1, double y1, double x2, double y2, Colour c);
  // A rectangle between two corners, outlined or filled.
  void Box(double x1, double y1, double x2, double y2, Colour c, bool filled);
  // A text at the current text position (its top-left corner) in the fore colour and font.
  void Print(const QString& text);

  // The colour shown at a pixel: the drawing where there is one, else the picture; -1 outside.
  Colour Point(int x, int y) const;
  // The picture's own colour at a pixel, whatever is drawn over it; -1 outside.
  Colour PicturePoint(int x, int y) const;

  // Called after every change with the area that changed, so that a widget showing the surface
  // repaints just that.
  void SetOnChange(std::function<void(const QRect&)> onChange) { onChange_ = std::move(onChange); }

 private:
  void Plot(int x, int y, unsigned int argb);
  void Changed(const QRect& area) {
    drawn_ |= area;
    if (onChange_ && !area.isEmpty()) onChange_(area);
  }

  QImage picture_;  // RGB32
  QImage layer_;    // ARGB32_Premultiplied; alpha 0 where nothing is drawn
  Colour foreColour_ = 0;
  Colour fillColour_ = 0;
  int fillStyle_ = kSolid;
  QFont font_;
  double currentX_ = 0;
  double currentY_ = 0;
  QRect drawn_;  // where the run-time drawing lies since the last clear
  std::function<void(const QRect&)> onChange_;
};

}  // namespace rt
