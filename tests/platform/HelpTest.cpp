#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTextBrowser>

#include "platform/QtServices.h"
#include "support/Player.h"
#include "support/TestWorld.h"

namespace {
QString HelpWindowText() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible())
      return browser->toPlainText();
  return "<no help window>";
}

// The player, back in the game window, presses F1.
void PressF1(Vantix& game) {
  QApplication::setActiveWindow(game.Window());
  QTest::keyClick(game.Window(), Qt::Key_F1);
}
}  // namespace

/** F1 in the game window during a game shows the game's help file, vantix.hlp of the working
 *  folder, in the help window; a missing file gives a clear one-line message there instead. */
TEST(Help, F1DuringAGameShowsTheHelpFileOrSaysItIsMissing) {
  TestWorld world;  // in a working folder of its own, with no help file yet
  rt::QtHelp help;
  rt::Services services{world.clock, world.random,  world.events, world.dialogs,
                        world.sound, world.browser, help,         {}};
  rt::InstallServices(&services);
  Player player(world);
  QString missing, shown;
  player.afterTick = [&](Vantix& g, int tick) {
    if (tick == 1) {
      PressF1(g);
      missing = HelpWindowText();
      QFile file("vantix.hlp");
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write("<h1>Approach control</h1><p>Bring them down.</p>");
    }
    if (tick == 2) {
      PressF1(g);
      shown = HelpWindowText();
      g.GameOver = 1;
    }
  };
  world.front().Command3.PlayerClick();  // Start
  rt::InstallServices(&world.services);

  EXPECT_TRUE(missing.contains("could not be opened")) << missing.toStdString();
  EXPECT_EQ(missing.count('\n'), 0) << missing.toStdString();
  EXPECT_TRUE(shown.contains("Bring them down.")) << shown.toStdString();
}
