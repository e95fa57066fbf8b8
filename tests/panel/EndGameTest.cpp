// Leaving a game from the game window: End Game and the close box, at rest, during a game,
// during the set-up and while the tutorial shows the window.
#include <gtest/gtest.h>

#include <string>

#include "PanelFixture.h"  // texts printed readably

namespace {

// The two ways of asking to leave a game: the End Game button and the window's close box.
enum class Ask { kEndGame, kCloseBox };

void AskToLeave(Vantix& game, Ask how) {
  if (how == Ask::kEndGame)
    game.Command1.PlayerClick();
  else
    game.RequestClose();
}

std::string Describe(Ask how, bool ok) {
  return std::string(how == Ask::kEndGame ? "End Game" : "close box") + (ok ? ", OK" : ", Cancel");
}

}  // namespace

/** End Game and the close box ask the same question with OK and Cancel; OK gives the game up
 *  (reason 1, exit), Cancel changes nothing; the close box never closes the window. */
TEST(EndGame, BothWaysAskTheQuestionAndOnlyOkGivesTheGameUp) {
  struct Case {
    Ask how;
    bool ok;
    std::int16_t gameOver;
  } cases[] = {{Ask::kEndGame, true, 1},
               {Ask::kEndGame, false, 0},
               {Ask::kCloseBox, true, 1},
               {Ask::kCloseBox, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.how, c.ok));
    TestWorld world;
    Vantix& g = world.game();
    world.dialogs.msgBoxAnswers = {c.ok};
    AskToLeave(g, c.how);
    EXPECT_EQ(world.dialogs.msgBoxPrompts, QStringList{"Are you sure you want to exit"});
    EXPECT_EQ(world.dialogs.msgBoxOfferedCancel, QList<bool>{true});
    EXPECT_EQ(g.GameOver, c.gameOver);
  }

  TestWorld world;
  std::int16_t cancel = 0;
  world.game().Form_QueryUnload(cancel, 0);
  EXPECT_EQ(cancel, -1);
}

/** Asked during a game (in the wait at a tick's end), OK lets the tick end as usual and then
 *  ends the game as "exit" with the clock of that tick; the window stays shown until then.
 *  After Cancel the game goes on to its end. */
TEST(EndGame, OkDuringAGameEndsItAfterTheCurrentTickAndCancelLetsItRun) {
  struct Case {
    Ask how;
    bool ok;
    const char* outcome;
    const char* secondsLeft;
  } cases[] = {{Ask::kEndGame, true, "exit", "3590"},
               {Ask::kCloseBox, true, "exit", "3590"},
               {Ask::kEndGame, false, "time", "-1"},
               {Ask::kCloseBox, false, "time", "-1"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(Describe(c.how, c.ok));
    TestWorld world;
    Vantix& g = world.game();
    world.dialogs.msgBoxAnswers = {c.ok};
    bool asked = false;
    bool shownAfterAsking = false;
    world.events.onYield = [&] {
      if (asked || g.Label27.Caption() != "59:50") return;
      asked = true;
      AskToLeave(g, c.how);
      shownAfterAsking = g.Visible();
    };
    world.front().Command3.PlayerClick();  // Start
    EXPECT_TRUE(asked);
    EXPECT_TRUE(shownAfterAsking);
    EXPECT_EQ(world.front().Text3.Text(), c.outcome);
    EXPECT_EQ(world.front().Text4.Text(), c.secondsLeft);
    EXPECT_FALSE(g.Visible());
  }
}

/** End Game confirmed while the game is still being set up is undone by the set-up: the game
 *  runs all the same. */
TEST(EndGame, OkDuringTheSetUpIsUndoneAndTheGameRuns) {
  TestWorld world;
  Vantix& g = world.game();
  bool asked = false;
  world.events.onYield = [&] {
    if (asked) return;
    asked = true;
    EXPECT_EQ(g.Label27.Caption(), "") << "still in the set-up";
    g.Command1.PlayerClick();
    EXPECT_EQ(g.GameOver, 1);
  };
  world.front().Command3.PlayerClick();  // Start
  EXPECT_EQ(world.dialogs.msgBoxPrompts.first(), "Are you sure you want to exit");
  EXPECT_EQ(world.front().Text3.Text(), "time");
}

/** While the tutorial shows the game window, the window is disabled: neither End Game nor the
 *  close box asks anything or ends anything, and the window stays. */
TEST(EndGame, NeitherWayWorksWhileTheTutorialShowsTheGameWindow) {
  TestWorld world;
  Vantix& g = world.game();
  world.windows->LoadTutorial();
  ASSERT_TRUE(g.Visible());
  ASSERT_FALSE(g.Enabled());
  g.Command1.PlayerClick();
  g.RequestClose();
  std::int16_t cancel = 0;
  g.Form_QueryUnload(cancel, 0);
  EXPECT_EQ(cancel, -1);
  EXPECT_TRUE(world.dialogs.msgBoxPrompts.isEmpty());
  EXPECT_EQ(g.GameOver, 0);
  EXPECT_TRUE(g.Visible());
}
