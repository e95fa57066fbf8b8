// The blink: each page's demonstration frame on the game window, the normal frame that undoes
// it, and the phase of the blink after Next >>.
#include <QFontMetrics>
#include <QPointer>
#include <QTest>
#include <ostream>
#include <set>
#include <utility>

#include "TutorialRun.h"

namespace {

constexpr rt::Colour kYellow = 0x00FFFF;
constexpr rt::Colour kWhite = 0xFFFFFF;
constexpr rt::Colour kCyan = 0xFFFF00;
constexpr rt::Colour kGrey = 0x808080;

// The game window's items that blink, as the player sees them.
struct Look {
  bool typeCellBlank = false;  // row 0 of the Type column, from page 3 on
  rt::Colour typeText = kWhite;
  rt::Colour statusText = kWhite;
  bool leftBlank = false;      // command item 0
  bool altitudeBlank = false;  // command item 4
  rt::Colour marker = kCyan;
  rt::Colour establishText = kCyan;
  int runwayBack = 0;  // Label12: 0 transparent, 1 opaque
  int gaugeBack = 1;   // Label4, the gauge's green bar
  bool drawn = false;
  bool operator==(const Look&) const = default;
};

void PrintTo(const Look& l, std::ostream* os) {
  *os << std::hex << "{type cell " << (l.typeCellBlank ? "blank" : "shown") << ", type text "
      << l.typeText << ", status text " << l.statusText << ", LEFT "
      << (l.leftBlank ? "blank" : "shown") << ", ALTITUDE " << (l.altitudeBlank ? "blank" : "shown")
      << ", marker " << l.marker << ", Establish " << l.establishText << ", runway back "
      << l.runwayBack << ", gauge back " << l.gaugeBack << (l.drawn ? ", drawing" : ", no drawing")
      << "}";
}

Look Seen(TutorialRun& run) {
  Vantix& g = run.game();
  Look l;
  l.typeCellBlank = g.List1[0].ListCount() > 0 && g.List1[0].List(0).isEmpty();
  l.typeText = g.List1[0].ForeColour();
  l.statusText = g.List1[4].ForeColour();
  l.leftBlank = g.List2.List(0).isEmpty();
  l.altitudeBlank = g.List2.List(4).isEmpty();
  l.marker = g.Shape1.FillColour();
  l.establishText = g.Check1.ForeColour();
  l.runwayBack = g.Label12.BackStyle();
  l.gaugeBack = g.Label4.BackStyle();
  l.drawn = !run.NothingDrawn();
  return l;
}

void ExpectNormalLook(TutorialRun& run, const char* when) {
  const Look seen = Seen(run);
  EXPECT_EQ(seen, Look{}) << when;
  EXPECT_EQ(run.game().List2.List(0), "LEFT") << when;
  EXPECT_EQ(run.game().List2.List(4), "ALTITUDE") << when;
  if (run.game().List1[0].ListCount() > 0) {
    EXPECT_EQ(run.game().List1[0].List(0), "A 747") << when;
  }
}

}  // namespace

// On every page the first tick shows exactly the items that page explains in their
// demonstration look, and the next tick puts all of them back and wipes the drawing.
TEST(TutorialDemo, EachPageBlinksItsOwnItemsAndTheNormalFrameUndoesThem) {
  const Look normal;
  std::vector<Look> demo(13, normal);  // by page
  demo[2].drawn = demo[3].drawn = true;
  demo[4].runwayBack = 1;
  demo[4].drawn = true;
  demo[5] = normal;
  demo[5].typeCellBlank = demo[5].leftBlank = demo[5].drawn = true;
  demo[5].marker = 0;
  demo[6].typeText = demo[6].marker = 0;
  demo[6].altitudeBlank = demo[6].drawn = true;
  demo[7].typeText = demo[7].statusText = demo[7].marker = demo[7].establishText = 0;
  demo[7].leftBlank = demo[7].drawn = true;
  for (int page : {8, 9, 10}) {
    demo[page].statusText = 0;
    demo[page].drawn = true;
  }
  demo[11].gaugeBack = 0;

  for (int page = 1; page <= 12; ++page) {
    SCOPED_TRACE(testing::Message() << "page " << page);
    TutorialRun run;
    run.OpenAt(page);
    run.Tick();
    EXPECT_EQ(Seen(run), demo[page]);
    EXPECT_EQ(run.game().Label4.Caption(), "100%");  // the percentage never blinks
    EXPECT_EQ(run.game().Draw().FillStyle(), rt::Surface::kSolid);
    run.Tick();
    ExpectNormalLook(run, "after the normal frame");
    run.Tick();
    EXPECT_EQ(Seen(run), demo[page]) << "the blink goes on";
  }
}

// Next >> undoes the old page's demonstration before the new page shows. Pressed during a
// demonstration frame, the new page's demonstration comes with the next tick; pressed during a
// normal frame, one more normal frame comes first. Page 12 has nothing to show in either frame.
TEST(TutorialDemo, TheBlinkPhaseAfterNextDependsOnTheFrameOnScreen) {
  struct Case {
    int page;
    int ticksBefore;     // odd: a demonstration frame is on screen
    int ticksUntilDemo;  // 0: never
  };
  for (const Case c : {Case{1, 1, 1}, Case{1, 0, 2}, Case{1, 2, 2}, Case{5, 1, 1}, Case{5, 2, 2},
                       Case{10, 1, 1}, Case{11, 1, 0}, Case{11, 2, 0}}) {
    SCOPED_TRACE(testing::Message()
                 << "Next >> on page " << c.page << " after " << c.ticksBefore << " ticks");
    TutorialRun run;
    run.OpenAt(c.page);
    run.Tick(c.ticksBefore);
    run.Next();
    ExpectNormalLook(run, "as the new page shows");
    const int normalTicks = c.ticksUntilDemo ? c.ticksUntilDemo - 1 : 4;
    for (int tick = 1; tick <= normalTicks; ++tick) {
      run.Tick();
      ExpectNormalLook(run, "a normal frame");
    }
    if (c.ticksUntilDemo) {
      run.Tick();
      EXPECT_NE(Seen(run), Look{}) << "the new page's first demonstration frame";
    }
  }
}

// Finish in a demonstration frame leaves the game window in its normal look for the next game:
// the Type column white, "ALTITUDE" and "LEFT" back, the gauge's green bar back.
TEST(TutorialDemo, FinishInADemonstrationFrameRestoresTheNormalFrame) {
  for (int page : {4, 5, 6, 7, 10, 11}) {
    SCOPED_TRACE(testing::Message() << "Finish on page " << page);
    TutorialRun run;
    run.OpenAt(page);
    run.Tick();
    ASSERT_NE(Seen(run), Look{});
    run.Finish();
    ExpectNormalLook(run, "after Finish");
    EXPECT_FALSE(run.game().Visible());
  }
}

// The rings of pages 2 and 3 are outlines, and the aircraft's dot drawn after page 3's ring is
// filled.
TEST(TutorialDemo, RingsAreOutlinesAndTheAircraftDotIsFilled) {
  TutorialRun run;
  run.OpenAt(2);
  run.Tick();
  EXPECT_EQ(run.game().Draw().Point(326, 270), kWhite);  // the ring's east edge
  EXPECT_EQ(run.game().Draw().Point(276, 220), kWhite);  // its north edge
  EXPECT_FALSE(run.Drawn(276, 270));
  EXPECT_FALSE(run.Drawn(300, 270));

  TutorialRun next;
  next.OpenAt(3);
  next.Tick();
  EXPECT_EQ(next.game().Draw().Point(470, 400), kWhite);
  EXPECT_FALSE(next.Drawn(455, 400));  // the holding fix shows through
  EXPECT_EQ(next.game().Draw().Point(496, 410), kYellow);
  EXPECT_EQ(next.game().Draw().Point(497, 411), kYellow);
}

// The four trail points lie 3, 6, 9 and 12 pixels behind the aircraft: east of it on its row for
// heading 270 (over the grey glide path), below it and slightly to the left for heading 10, up and
// to the right for heading 240.
TEST(TutorialDemo, TheTrailPointsBackAlongTheHeading) {
  TutorialRun run;
  run.OpenAt(8);  // (450, 276), heading 270
  run.Tick();
  rt::Surface& radar = run.game().Draw();
  for (int x : {456, 459, 462}) EXPECT_EQ(radar.Point(x, 276), kYellow) << x;
  for (int x : {455, 457, 458, 460, 461, 463}) EXPECT_EQ(radar.Point(x, 276), kGrey) << x;

  // The yellow points in a box behind the aircraft, clear of its dot. For heading 240 the angle
  // of degrees x 3.14 / 180 puts the first and third points at y 388.494 and 385.483, nearer
  // rows 388 and 385; with pi they would lie on 388.5 and 385.5 and be drawn a row lower.
  struct Case {
    int page;  // heading 10 at (480, 330), heading 240 at (450, 390)
    int left, top, right, bottom;
    std::set<std::pair<int, int>> points;
  };
  for (const Case& c :
       {Case{6, 470, 334, 483, 346, {{479, 336}, {478, 339}, {478, 342}}},
        Case{4, 453, 378, 465, 388, {{453, 388}, {455, 387}, {458, 385}, {460, 384}}}}) {
    SCOPED_TRACE(testing::Message() << "page " << c.page);
    TutorialRun other;
    other.OpenAt(c.page);
    other.Tick();
    std::set<std::pair<int, int>> seen;
    for (int y = c.top; y <= c.bottom; ++y)
      for (int x = c.left; x <= c.right; ++x)
        if (other.game().Draw().Point(x, y) == kYellow) seen.insert({x, y});
    EXPECT_EQ(seen, c.points);
  }
}

// The label reads "A" and the altitude in hundreds, without a blank, 4 pixels right of and below
// the dot, in the game window's yellow pen colour (pages whose trail keeps clear of the label).
TEST(TutorialDemo, TheAircraftLabelShowsTheAltitudeInHundreds) {
  struct Case {
    int page, x, y;
    const char* label;
  };
  for (const Case c : {Case{4, 450, 390, "A70"}, Case{6, 480, 330, "A50"}, Case{9, 400, 276, "A46"},
                       Case{10, 290, 276, "A0"}}) {
    SCOPED_TRACE(c.label);
    TutorialRun run;
    run.OpenAt(c.page);
    run.Tick();
    rt::Surface& radar = run.game().Draw();
    rt::Surface expected(radar.Width(), radar.Height());
    expected.SetFont(radar.Font());
    expected.SetForeColour(kYellow);
    expected.SetCurrentXY(c.x + 4, c.y + 4);
    expected.Print(c.label);
    const QFontMetrics metrics(radar.Font());
    int inked = 0;
    for (int y = c.y + 4; y < c.y + 4 + metrics.height(); ++y)
      for (int x = c.x + 4; x < c.x + 4 + metrics.horizontalAdvance("A000"); ++x) {
        const bool ink = expected.Point(x, y) == kYellow;
        inked += ink;
        ASSERT_EQ(radar.Point(x, y) == kYellow, ink) << x << ", " << y;
      }
    EXPECT_GT(inked, 0);
  }
}

/** The blink's timer runs every 500 ms from the tutorial's load: its first real expiry brings the
 *  page's demonstration frame. Finish stops it before the window goes, so no frame can follow. */
TEST(TutorialDemo, TheLoadStartsTheBlinkEveryHalfSecondAndFinishStopsIt) {
  TutorialRun run;
  run.OpenAt(2);
  rt::Timer& timer = run.tutorial().Timer1;
  EXPECT_EQ(timer.Interval(), 500);
  ASSERT_TRUE(timer.Enabled());
  ASSERT_TRUE(run.NothingDrawn());
  EXPECT_TRUE(QTest::qWaitFor([&] { return !run.NothingDrawn(); }, 2000))
      << "page 2's ring is drawn by the timer";

  const QPointer<QWidget> window = run.tutorial().Window();
  run.Finish();
  ASSERT_TRUE(window) << "the tutorial window is gone only after Finish has returned";
  EXPECT_FALSE(timer.Enabled());
}
