#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "support/TestWorld.h"

/** Start hides the front screen and runs exactly one game in the game window; the game's end
 *  shows the front screen again. */
TEST(Navigation, StartRunsExactlyOneGameAndComesBack) {
  TestWorld world;
  world.front().Show();
  int gamesSeen = 0;
  bool frontHiddenDuringGame = true;
  world.events.onYield = [&] {
    if (world.game().GameRunning()) frontHiddenDuringGame &= !world.front().Visible();
  };
  world.dialogs.onMsgBox = [&](const QString&) { ++gamesSeen; };
  world.front().Command3.PlayerClick();
  EXPECT_EQ(gamesSeen, 1);
  EXPECT_TRUE(frontHiddenDuringGame);
  EXPECT_TRUE(world.front().Visible());
  EXPECT_FALSE(world.game().Visible());
}

/** Only Start's showing of the game window starts a game: the window manager activating the
 *  window, or the window shown disabled, starts none. */
TEST(Navigation, NoActivationButStartsStartsAGame) {
  TestWorld world;
  Vantix& g = world.game();
  g.SetEnabled(false);
  g.Show();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(g.Window(), &activate);
  g.SetEnabled(true);
  QApplication::sendEvent(g.Window(), &activate);
  EXPECT_TRUE(world.dialogs.msgBoxPrompts.isEmpty());
  EXPECT_EQ(g.Label27.Caption(), "");
}

/** Exit and the front screen's close box end the program at once, without any question. */
TEST(Navigation, ExitAndTheCloseBoxEndTheProgramWithoutAQuestion) {
  {
    TestWorld world;
    world.front().Command3.PlayerClick();  // after a game the game window is loaded and hidden
    world.dialogs.msgBoxPrompts.clear();
    world.front().Command5.PlayerClick();
    EXPECT_EQ(world.events.endProgramCalls, 1);
    EXPECT_TRUE(world.dialogs.msgBoxPrompts.isEmpty());
  }
  {
    TestWorld world;
    world.front().Show();
    world.front().Window()->close();
    EXPECT_EQ(world.events.endProgramCalls, 1);
    EXPECT_TRUE(world.dialogs.msgBoxPrompts.isEmpty());
  }
}

/** Run Tutorial hides the front screen and shows the tutorial over the disabled game window;
 *  Finish brings the front screen back and leaves the game window hidden and enabled. */
TEST(Navigation, TheTutorialShowsTheGameWindowDisabledAndFinishComesBack) {
  TestWorld world;
  world.front().Show();
  world.front().Command4.PlayerClick();
  ASSERT_NE(world.windows->tutorial(), nullptr);
  EXPECT_FALSE(world.front().Visible());
  EXPECT_TRUE(world.game().Visible());
  EXPECT_FALSE(world.game().Enabled());
  EXPECT_TRUE(world.windows->tutorial()->Visible());
  world.windows->tutorial()->Command1.PlayerClick();
  EXPECT_EQ(world.windows->tutorial(), nullptr);
  EXPECT_TRUE(world.front().Visible());
  EXPECT_FALSE(world.game().Visible());
  EXPECT_TRUE(world.game().Enabled());
  EXPECT_TRUE(world.dialogs.msgBoxPrompts.isEmpty());  // no game ran
}

/** Web site hands the product's page to the browser and changes nothing on the front screen,
 *  whether or not a browser opens. */
TEST(Navigation, WebSiteOpensTheProductPage) {
  TestWorld world;
  world.front().Show();
  world.front().Command2.PlayerClick();
  ASSERT_EQ(world.browser.opened.size(), 1);
  EXPECT_TRUE(world.browser.opened[0].endsWith("/vantix"));
  EXPECT_TRUE(world.front().Visible());
}
