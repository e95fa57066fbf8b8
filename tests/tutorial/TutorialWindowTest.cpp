// The tutorial window: its pages, the example they write into the game window, and the ways in
// and out of it.
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "TutorialRun.h"

namespace {

// The example on the game window as a page leaves it: the five cells of row 0 (or no row), the
// radio line, dial or scales, the marker's place, the readout and the Establish tick.
struct Example {
  QStringList row;
  QString radio;
  bool dial;
  double markerLeft, markerTop;
  QString readout;
  int establish;
};

Example Seen(Vantix& game) {
  Example e;
  for (auto& column : game.List1)
    for (int i = 0; i < column.ListCount(); ++i) e.row << column.List(i);
  e.radio = game.Text1.Text();
  e.dial = game.Image1.Visible();
  EXPECT_NE(game.Image1.Visible(), game.Image2.Visible()) << "one of dial and scales shows";
  e.markerLeft = game.Shape1.ShapeLeft();
  e.markerTop = game.Shape1.ShapeTop();
  e.readout = game.Label2.Caption();
  e.establish = game.Check1.Value();
  return e;
}

void ExpectSame(const Example& seen, const Example& expected, int page) {
  EXPECT_EQ(seen.row, expected.row) << "page " << page;
  EXPECT_EQ(seen.radio, expected.radio) << "page " << page;
  EXPECT_EQ(seen.dial, expected.dial) << "page " << page;
  EXPECT_EQ(seen.markerLeft, expected.markerLeft) << "page " << page;
  EXPECT_EQ(seen.markerTop, expected.markerTop) << "page " << page;
  EXPECT_EQ(seen.readout, expected.readout) << "page " << page;
  EXPECT_EQ(seen.establish, expected.establish) << "page " << page;
}

const char* const kTitles[12] = {
    "Introduction",      "The display",  "Starting",
    "Landing direction", "Manoeuvring",  "In Transit",
    "The glide path",    "Establishing", "Locking onto the glide slope",
    "Touchdown",         "Safety",       "More information"};

// A key pressed and let go on the widget that has the focus, as the player types it.
void Press(Qt::Key key) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? " " : "");
    QApplication::sendEvent(QApplication::focusWidget(), &event);
  }
}

}  // namespace

// Run Tutorial shows the game window disabled behind page 1, with the table emptied of whatever
// a game left in it, and no game runs.
TEST(TutorialWindow, OpensAtTheIntroductionOverTheDisabledGameWindowWithoutStartingAGame) {
  TutorialRun run;
  for (auto& column : run.game().List1) column.AddItem("left by a game");
  run.Open();

  Tutorial& t = run.tutorial();
  EXPECT_TRUE(t.Visible());
  EXPECT_FALSE(run.world.front().Visible());
  EXPECT_TRUE(run.game().Visible());
  EXPECT_FALSE(run.game().Enabled());
  EXPECT_EQ(t.Label1.Caption(), "Introduction");
  EXPECT_EQ(t.Label2.Caption(),
            "\r\nWelcome to the Vantix Simulation Tutorial.\r\n"
            "This guide is intended to give you an idea of how to play the game.\r\n\r\n"
            "Click End to stop this tutorial or Next >> to continue.");
  EXPECT_TRUE(t.Command2.Enabled());
  for (auto& column : run.game().List1) EXPECT_EQ(column.ListCount(), 0);
  EXPECT_EQ(run.game().Draw().ForeColour(), 0x00FFFF);  // the demonstration labels' yellow
  // A game would have ended with its message and handed over its result.
  EXPECT_TRUE(run.world.dialogs.msgBoxPrompts.isEmpty());
  EXPECT_EQ(run.world.front().Text3.Text(), "start");
  EXPECT_EQ(run.game().Label27.Caption(), "");
}

// Each page shows its title and leaves its example values on the game window; a page's values
// stay until a later page overwrites them.
TEST(TutorialWindow, EachPageWritesItsStepOfTheExampleAircraft) {
  const QStringList none;
  const Example design{none, "", true, 720, 400, "40", 0};
  const QStringList stack{"A 747", "330", "180", "7000", "Stk4"};
  const Example left{
      {"A 747", "240", "180", "7000", ""}, "A Left 10 ...Copy", true, 702, 393, "10", 0};
  const Example descend{
      {"A 747", "10", "180", "5000", ""}, "A Left 10 ...Copy", false, 673, 436, "5000", 0};
  const Example seek{
      {"A 747", "290", "180", "5000", "Seek"}, "A Left 10 ...Copy", true, 650, 422, "290", 1};
  const Example est{{"A 747", "270", "180", "5000", "Est"}, seek.radio, true, 650, 422, "290", 1};
  const Example lock{{"A 747", "270", "180", "4600", "Lock"}, seek.radio, true, 650, 422, "290", 1};
  const Example down{{"A 747", "270", "180", "4600", "Down"}, seek.radio, true, 650, 422, "290", 1};
  const std::vector<Example> byPage{
      design,
      design,
      {stack, "", true, 720, 400, "40", 0},
      {{"A 747", "240", "180", "7000", "Stk4"}, "", true, 720, 400, "40", 0},
      left,
      descend,
      seek,
      est,
      lock,
      down,
      down,
      down};

  TutorialRun run;
  run.Open();
  for (int page = 1; page <= 12; ++page) {
    if (page > 1) run.Next();
    EXPECT_EQ(run.tutorial().PageNo, page);
    EXPECT_EQ(run.tutorial().Label1.Caption(), kTitles[page - 1]);
    ExpectSame(Seen(run.game()), byPage[page - 1], page);
  }
}

// The example row is the table's only row at page 3, also when the tutorial runs a second time.
TEST(TutorialWindow, PageThreeListsOneExampleRowOnEveryRun) {
  TutorialRun run;
  const QStringList row{"A 747", "330", "180", "7000", "Stk4"};
  for (int pass = 1; pass <= 2; ++pass) {
    run.OpenAt(3);
    for (int k = 0; k < 5; ++k) {
      ASSERT_EQ(run.game().List1[k].ListCount(), 1) << "pass " << pass << ", column " << k;
      EXPECT_EQ(run.game().List1[k].List(0), row[k]) << "pass " << pass;
    }
    run.Finish();
  }
}

// Eleven presses of Next >> reach the last page and disable Next >>; nothing goes beyond it.
TEST(TutorialWindow, ElevenPressesOfNextReachTheLastPageAndDisableNext) {
  TutorialRun run;
  run.Open();
  run.Next(10);
  EXPECT_TRUE(run.tutorial().Command2.Enabled());
  run.Next();
  Tutorial& t = run.tutorial();
  EXPECT_EQ(t.PageNo, 12);
  EXPECT_FALSE(t.Command2.Enabled());
  EXPECT_EQ(t.Label1.Caption(), "More information");
  EXPECT_TRUE(t.Label2.Caption().endsWith(
      "\r\n\r\nDuring a game you can press F1 for more details and a better overview of the "
      "game.\r\n\r\nGood luck and Happy Landings !"));
  run.Next();  // a press on the disabled button
  EXPECT_EQ(t.PageNo, 12);
  EXPECT_EQ(t.Label1.Caption(), "More information");
}

// Every page's text fits the page label in the window's default font, so no line is cut off.
TEST(TutorialWindow, EveryPageTextFitsThePageLabel) {
  TutorialRun run;
  run.Open();
  for (int page = 1; page <= 12; ++page) {
    if (page > 1) run.Next();
    const rt::Label& text = run.tutorial().Label2;
    QString shown = text.Caption();
    shown.replace("\r\n", "\n");
    const QRect box = QFontMetrics(text.Widget()->font())
                          .boundingRect(QRect(0, 0, text.Width(), 10000),
                                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    EXPECT_LE(box.width(), text.Width()) << "page " << page;
    EXPECT_LE(box.height(), text.Height()) << "page " << page;
  }
}

// Finish puts the game window away and shows the front screen, whose activation runs again:
// before any game that is the intro, which ticks Beginner whatever was ticked.
TEST(TutorialWindow, FinishReturnsToTheFrontScreenAndItsActivationRunsAgain) {
  TutorialRun run;
  run.world.front().Option1[4].SetValue(true);
  run.OpenAt(4);
  run.Finish();

  EXPECT_EQ(run.world.windows->tutorial(), nullptr);
  EXPECT_TRUE(run.game().Enabled());
  EXPECT_FALSE(run.game().Visible());
  EXPECT_TRUE(run.world.front().Visible());
  EXPECT_EQ(rt::Form::ActiveForm(), &run.world.front());
  EXPECT_TRUE(run.world.front().Option1[0].Value());
  EXPECT_TRUE(run.world.dialogs.msgBoxPrompts.isEmpty());  // no game ran on the way out
  EXPECT_EQ(run.world.front().Text3.Text(), "start");

  run.Open();  // afresh, at page 1
  EXPECT_EQ(run.tutorial().PageNo, 1);
  EXPECT_TRUE(run.tutorial().Command2.Enabled());
}

// The close box finishes the tutorial as Finish does, so the player is never left with a
// disabled game window and no front screen; the demonstration on screen is undone first.
TEST(TutorialWindow, TheCloseBoxFinishesTheTutorial) {
  TutorialRun run;
  run.OpenAt(5);
  run.Tick();  // page 5's demonstration frame: Type cell and LEFT blanked, marker black
  run.tutorial().RequestClose();

  EXPECT_EQ(run.world.windows->tutorial(), nullptr);
  EXPECT_TRUE(run.game().Enabled());
  EXPECT_FALSE(run.game().Visible());
  EXPECT_TRUE(run.world.front().Visible());
  EXPECT_EQ(rt::Form::ActiveForm(), &run.world.front());
  EXPECT_TRUE(run.world.front().Option1[0].Value());
  EXPECT_EQ(run.game().List1[0].List(0), "A 747");
  EXPECT_EQ(run.game().List2.List(0), "LEFT");
  EXPECT_EQ(run.game().Shape1.FillColour(), 0xFFFF00);
  EXPECT_TRUE(run.NothingDrawn());
  EXPECT_TRUE(run.world.dialogs.msgBoxPrompts.isEmpty());
}

/** The pages that tell one paragraph show it as one, with no line break inside; the others keep
 *  their paragraphs apart. */
TEST(TutorialWindow, EachPageShowsItsParagraphs) {
  const int paragraphs[12] = {0, 2, 1, 2, 1, 2, 1, 1, 3, 2, 1, 0};
  TutorialRun run;
  run.Open();
  for (int page = 1; page <= 12; ++page) {
    if (page > 1) run.Next();
    if (!paragraphs[page - 1]) continue;  // the first and the last page are given line by line
    const QStringList lines = run.tutorial().Label2.Caption().split("\r\n");
    EXPECT_EQ(lines.size() - lines.count(""), paragraphs[page - 1]) << "page " << page;
    EXPECT_FALSE(lines.front().isEmpty() || lines.back().isEmpty()) << "page " << page;
  }
}

/** The focus starts on Finish, so Space on a fresh tutorial finishes it; Tab moves between
 *  Finish and Next >>. */
TEST(TutorialWindow, OpensWithTheFocusOnFinishAndTabMovesBetweenTheButtons) {
  TutorialRun run;
  run.Open();
  QCoreApplication::processEvents();  // the window manager's activation of the tutorial
  Tutorial& t = run.tutorial();
  EXPECT_EQ(QApplication::focusWidget(), t.Command1.Widget());
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), t.Command2.Widget());
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), t.Command1.Widget());

  Press(Qt::Key_Space);
  EXPECT_EQ(run.world.windows->tutorial(), nullptr);
  EXPECT_TRUE(run.world.front().Visible());
}

/** While the tutorial is open the window manager keeps it above the game window and never makes
 *  the game window active, whatever the player clicks on it: the tutorial is a dialog owned by
 *  the game window, and the disabled game window refuses the focus. Once the tutorial is
 *  finished the game window takes the focus again, so the next game can be played. */
TEST(TutorialWindow, StaysAboveTheGameWindowWhichCannotBeMadeActiveUntilFinish) {
  TutorialRun run;
  run.Open();
  QWidget* tutorial = run.tutorial().Window();
  QWindow* game = run.game().Window()->windowHandle();
  ASSERT_NE(game, nullptr);
  ASSERT_NE(tutorial->windowHandle(), nullptr);
  EXPECT_EQ(tutorial->windowHandle()->transientParent(), game);
  EXPECT_EQ(tutorial->windowType(), Qt::Dialog);  // what the window manager keeps above its owner
  EXPECT_TRUE(game->flags().testFlag(Qt::WindowDoesNotAcceptFocus));

  run.Finish();
  EXPECT_FALSE(game->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_FALSE(run.game().Window()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
}
