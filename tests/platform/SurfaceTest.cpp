#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "platform/Controls.h"
#include "platform/Surface.h"

namespace {
QImage Checkerboard(int w, int h) {
  QImage picture(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.setPixel(x, y, (x + y) % 2 ? qRgb(48, 88, 47) : qRgb(80, 120, 191));
  return picture;
}
}  // namespace

/** A pixel read gives the drawing where there is one, else the picture; a clear leaves only the
 *  picture, and the picture's own pixel is always readable beneath the drawing. */
TEST(Surface, PixelReadGivesTheDrawingWhereThereIsOneElseThePicture) {
  rt::Surface s(20, 20);
  s.SetPicture(Checkerboard(20, 20));
  EXPECT_EQ(s.Point(3, 4), rt::Rgb(48, 88, 47));
  EXPECT_EQ(s.Point(4, 4), rt::Rgb(80, 120, 191));
  s.PSet(3, 4, rt::Rgb(255, 255, 255));
  EXPECT_EQ(s.Point(3, 4), rt::Rgb(255, 255, 255));
  EXPECT_EQ(s.PicturePoint(3, 4), rt::Rgb(48, 88, 47));
  s.PSet(5.4, 6.6, 0);  // black is a drawing too, not "nothing drawn"
  EXPECT_EQ(s.Point(5, 7), 0);
  s.Cls();
  EXPECT_EQ(s.Point(3, 4), rt::Rgb(48, 88, 47));
  EXPECT_EQ(s.Point(5, 7), rt::Rgb(80, 120, 191));
  EXPECT_EQ(s.Point(-1, 0), -1);
  EXPECT_EQ(s.Point(20, 0), -1);
}

/** Circles are symmetric discs: radius 3 covers 7 x 7 pixels, outlined in the pen colour and
 *  filled with the fill colour under a solid fill style, outline only when transparent. */
TEST(Surface, CirclesAreSymmetricFilledDiscsThatReadBackExactly) {
  rt::Surface s(30, 30);
  const rt::Colour outline = rt::Rgb(0, 255, 255), fill = rt::Rgb(255, 0, 255);
  s.SetFillColour(fill);
  s.Circle(10, 10, 3, outline);
  int left = 99, right = -1, top = 99, bottom = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if (s.Point(x, y) != 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_EQ(right - left + 1, 7);
  EXPECT_EQ(bottom - top + 1, 7);
  EXPECT_EQ(left + right, 20);
  EXPECT_EQ(top + bottom, 20);
  EXPECT_EQ(s.Point(10, 10), fill);
  EXPECT_EQ(s.Point(13, 10), outline);
  EXPECT_EQ(s.Point(10, 7), outline);

  s.Cls();
  s.SetFillStyle(rt::Surface::kTransparent);
  s.Circle(15, 15, 8, outline);
  EXPECT_EQ(s.Point(15, 15), 0);
  EXPECT_EQ(s.Point(23, 15), outline);
}

/** Text is drawn without blending: every pixel it sets is exactly the pen colour. */
TEST(Surface, TextIsDrawnInThePenColourOnly) {
  rt::Surface s(80, 30);
  s.SetFont(rt::MakeFont("Times New Roman", 8.25));
  const rt::Colour pen = rt::Rgb(255, 255, 0);
  s.SetForeColour(pen);
  s.SetCurrentXY(4, 4);
  s.Print("C70");
  std::set<rt::Colour> colours;
  int drawn = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x)
      if (s.Point(x, y) != 0) {
        colours.insert(s.Point(x, y));
        ++drawn;
      }
  EXPECT_GT(drawn, 10);
  EXPECT_EQ(colours, std::set<rt::Colour>{pen});
  for (int x = 0; x < 80; ++x) EXPECT_EQ(s.Point(x, 3), 0) << "text starts at its top-left corner";
}

/** Lines and boxes set exactly the pixels between their ends. */
TEST(Surface, LinesAndBoxesReachTheirEnds) {
  rt::Surface s(40, 40);
  s.Line(2, 5, 30, 5, 255);
  EXPECT_EQ(s.Point(2, 5), 255);
  EXPECT_EQ(s.Point(30, 5), 255);
  EXPECT_EQ(s.Point(31, 5), 0);
  s.Box(10, 20, 16, 30, rt::Rgb(0, 0, 255), true);
  EXPECT_EQ(s.Point(13, 25), rt::Rgb(0, 0, 255));
  EXPECT_EQ(s.Point(17, 25), 0);
}
