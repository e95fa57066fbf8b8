// The desktop session and a running game: a request to save the session's state (a logout the
// user may still cancel) leaves the game running; the session's real end, which reaches the
// program as the application's quit, ends it at once. A binary of its own: the quit ends the
// application's event loops for good.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSessionManager>

#include "platform/QtServices.h"
#include "support/Player.h"
#include "support/QStringPrinter.h"

namespace {

// The real event loop's reading of the program's end, on the fake clock's time: the game's
// waits yield to the real event queue and pass at once.
class SessionLoop final : public rt::EventLoop {
 public:
  explicit SessionLoop(FakeEvents& fake) : fake_(fake) {}
  void DoEvents() override {
    fake_.DoEvents();
    real_.DoEvents();
  }
  void Sleep(double seconds) override { fake_.Sleep(seconds); }
  bool Quitting() const override { return real_.Quitting(); }
  void EndProgram() override { real_.EndProgram(); }

 private:
  FakeEvents& fake_;
  rt::QtEventLoop real_;
};

// The program's windows on that loop.
struct SessionWorld {
  TestWorld world;
  SessionLoop loop{world.events};
  rt::Services services{world.clock, world.random,  loop,       world.dialogs,
                        world.sound, world.browser, world.help, {}};
  SessionWorld() {
    world.windows.reset();
    world.windows = std::make_unique<Windows>(services);
  }
  ~SessionWorld() { world.windows.reset(); }
};

// What the session manager makes the application do when a logout begins.
void AskToSaveTheSession() {
  auto* manager = qApp->findChild<QSessionManager*>();
  ASSERT_NE(manager, nullptr);
  emit qApp->commitDataRequest(*manager);
}

// What it makes the application do when the session really ends.
void EndTheSession() {
  QEvent quit(QEvent::Quit);
  QCoreApplication::sendEvent(qApp, &quit);
}

}  // namespace

/** A request to save the session's state is no end: the game's clock runs on, and End Game
 *  still ends the game with its report. */
TEST(SessionEnd, ASaveRequestLeavesTheGameRunningAndEndGameStillWorks) {
  SessionWorld s;
  Player player(s.world);
  player.afterTick = [](Vantix& g, int tick) {
    if (tick == 5) AskToSaveTheSession();
    if (tick == 20) g.Command1.PlayerClick();  // End Game, answered OK
  };
  s.world.front().Command3.PlayerClick();  // Start

  EXPECT_FALSE(s.loop.Quitting());
  EXPECT_EQ(s.world.front().Text3.Text(), "exit");
  EXPECT_EQ(s.world.front().Text4.Text(), "3580");  // ended in tick 20, at 59:40
  EXPECT_EQ(s.world.dialogs.msgBoxPrompts,
            QStringList({"Are you sure you want to exit", " Game over - Click OK to continue "}));
  EXPECT_TRUE(s.world.front().Visible());
}

/** The session's end stops a running game within the tick's wait: no further tick, no question,
 *  no result handed over; every window is put away and the program is ending. */
TEST(SessionEnd, TheSessionsEndStopsARunningGameAtOnceAndAsksNothing) {
  SessionWorld s;
  Player player(s.world);
  player.afterTick = [](Vantix&, int tick) {
    if (tick == 20) EndTheSession();
  };
  s.world.front().Command3.PlayerClick();  // Start

  EXPECT_TRUE(s.loop.Quitting());
  EXPECT_EQ(s.world.game().Label27.Caption(), "59:40");
  EXPECT_TRUE(s.world.dialogs.msgBoxPrompts.isEmpty());
  EXPECT_EQ(s.world.front().Text3.Text(), "start");
  EXPECT_FALSE(s.world.game().Visible());
  EXPECT_FALSE(s.world.front().Visible());
}
