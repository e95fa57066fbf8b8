// How the game window's panel looks: its colours, faces and fonts, also while the tutorial
// shows the window disabled.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "PanelFixture.h"

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
