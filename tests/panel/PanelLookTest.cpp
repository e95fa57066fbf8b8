// How the game window's panel looks: its colours, faces and fonts, also while the tutorial
// shows the window disabled.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QWidget>

#include "PanelFixture.h"

namespace {
QImage Grab(const rt::Control& control) {
  return control.Widget()->grab().toImage();
}

int PixelsOf(const QImage& picture, rt::Colour colour) {
  int n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) n += rt::FromQRgb(picture.pixel(x, y)) == colour;
  return n;
}
}  // namespace

/** The tutorial shows the game window disabled: it takes no input, but nothing on it turns
 *  grey. End Game, SEND, the check boxes and the chosen command look as they do in a game. */
TEST(PanelLook, TheDisabledGameWindowLooksLikeTheGameWindow) {
  PanelFixture f;
  Vantix& g = f.game();
  g.List2.PlayerSelect(kLeft);
  g.Check1.SetValue(1);
  g.SetEnabled(false);
  g.Show();
  ASSERT_FALSE(g.Command1.Enabled());
  const QImage disabled = g.Window()->grab().toImage();
  g.SetEnabled(true);
  const QImage enabled = g.Window()->grab().toImage();
  QRect differs;
  for (int y = 0; y < enabled.height(); ++y)
    for (int x = 0; x < enabled.width(); ++x)
      if (disabled.pixel(x, y) != enabled.pixel(x, y)) differs |= QRect(x, y, 1, 1);
  EXPECT_TRUE(differs.isEmpty()) << "pixels differ in " << differs.x() << ", " << differs.y()
                                 << ", " << differs.width() << " x " << differs.height();
}

/** SEND is a flat button: a dark red (128, 0, 0) face, one colour all round its edge, and no
 *  gradient or raised edge anywhere beside its caption. */
TEST(PanelLook, SendIsAFlatDarkRedButton) {
  TestWorld world;
  const QImage send = Grab(world.game().Command2);
  const int w = send.width(), h = send.height();
  ASSERT_EQ(w, 65);
  ASSERT_EQ(h, 25);
  const QRgb edge = send.pixel(0, 0);
  for (int x = 0; x < w; ++x) {
    EXPECT_EQ(send.pixel(x, 0), edge) << x;
    EXPECT_EQ(send.pixel(x, h - 1), edge) << x;
  }
  for (int y = 0; y < h; ++y) {
    EXPECT_EQ(send.pixel(0, y), edge) << y;
    EXPECT_EQ(send.pixel(w - 1, y), edge) << y;
  }
  // The caption stands in the middle; the face around it is one flat colour.
  for (int y = 1; y < h - 1; ++y)
    for (int x = 1; x < w - 1; ++x) {
      if (y > 5 && y < h - 6 && x > 12 && x < w - 13) continue;
      ASSERT_EQ(rt::FromQRgb(send.pixel(x, y)), rt::Rgb(128, 0, 0)) << x << ", " << y;
    }
}

/** The command list and the Establish caption are Tahoma 9.75 pt bold, and show it: the same
 *  control in the regular face shows far less ink. The wider bold commands still fit their
 *  list: none reaches its last column inside the border. */
TEST(PanelLook, TheCommandListAndEstablishAreVisiblyBold) {
  TestWorld world;
  Vantix& g = world.game();
  struct Case {
    const char* name;
    rt::Control* control;
    rt::Colour ink;
  } cases[] = {{"List2", &g.List2, rt::Rgb(128, 255, 255)},
               {"Check1", &g.Check1, rt::Rgb(0, 255, 255)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QFontInfo font(c.control->Widget()->font());
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 13);
    if (QFile::exists("/usr/share/wine/fonts/tahoma.ttf")) {
      EXPECT_EQ(font.family(), "Tahoma");
    }
    const QImage picture = Grab(*c.control);
    const int bold = PixelsOf(picture, c.ink);
    if (c.control == &g.List2) {
      EXPECT_EQ(PixelsOf(picture.copy(picture.width() - 2, 0, 1, picture.height()), c.ink), 0);
    }
    c.control->SetFont(rt::MakeFont("Tahoma", 9.75));
    const int regular = PixelsOf(Grab(*c.control), c.ink);
    EXPECT_GT(regular, 0);
    EXPECT_GT(bold, regular * 4 / 3) << "bold " << bold << ", regular " << regular;
  }
}
