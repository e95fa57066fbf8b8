// The front screen's look and keys: the colours of its layout, the Tab key's round and the keys
// that press its buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <vector>

#include "support/TestWorld.h"

namespace {
constexpr rt::Colour kLightGrey = rt::Rgb(192, 192, 192);

// The front screen shown and active, as the player first sees it.
struct FrontScreenTest : ::testing::Test {
  FrontScreenTest() {
    front.Show();
    QApplication::processEvents();
  }
  TestWorld world;
  Levelform& front = world.front();

  QWidget* Focus() const { return QApplication::focusWidget(); }
  void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focus(), static_cast<Qt::Key>(key), modifiers);
  }
};
}  // namespace

/** The six level options stand on black beside the black table, and the chart box, one pixel
 *  wider than the chart, shows light grey in that last column. */
TEST_F(FrontScreenTest, TheLevelOptionsStandOnBlackAndTheChartBoxEndsInLightGrey) {
  for (rt::OptionButton& option : front.Option1) {
    const QImage picture = option.Widget()->grab().toImage();
    const int w = picture.width(), h = picture.height();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_EQ(rt::FromQRgb(picture.pixel(corner)), rt::Rgb(0, 0, 0))
          << "option at " << option.Top() << ", corner " << corner.x() << ", " << corner.y();
  }
  const QImage chart = front.Picture1.Widget()->grab().toImage();
  ASSERT_EQ(chart.width(), 361);
  for (int y = 0; y < chart.height(); ++y) {
    EXPECT_EQ(rt::FromQRgb(chart.pixel(360, y)), kLightGrey) << y;
    EXPECT_EQ(front.Picture1.Draw().Point(360, y), kLightGrey) << y;
  }
}

/** Tab goes round in the design's order, starting at Run Tutorial: Start, the level options as
 *  one stop at the ticked one, the table columns name, time, safety, score and level names,
 *  Submit, Web site, the chart and Exit, then Run Tutorial again; Shift+Tab goes back. */
TEST_F(FrontScreenTest, TabGoesRoundInTheDesignsOrderWithTheOptionsAsOneStop) {
  std::vector<QWidget*> round = {front.Command4.Widget(), front.Command3.Widget(),
                                 front.Option1[0].Widget()};
  for (rt::ListBox& column : front.List1) round.push_back(column.Widget());
  for (rt::Control* c : std::vector<rt::Control*>{&front.Command1, &front.Command2, &front.Picture1,
                                                  &front.Command5})
    round.push_back(c->Widget());
  round.push_back(front.Command4.Widget());

  ASSERT_EQ(Focus(), round[0]) << "Run Tutorial has the focus first";
  for (std::size_t i = 1; i < round.size(); ++i) {
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focus(), round[i]) << "stop " << i;
  }
  for (std::size_t i = round.size() - 1; i-- > 0;) {
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), round[i]) << "back to stop " << i;
  }
}

/** The arrow keys move the tick round the level options as a click would, describing the level;
 *  the Tab key then comes to the options at the one ticked. */
TEST_F(FrontScreenTest, ArrowKeysMoveTheTickRoundTheLevelOptions) {
  front.Option1[0].Widget()->setFocus();
  Press(Qt::Key_Down);
  EXPECT_EQ(Focus(), front.Option1[1].Widget());
  EXPECT_TRUE(front.Option1[1].Value());
  EXPECT_FALSE(front.Option1[0].Value());
  EXPECT_TRUE(front.Label10.Caption().startsWith("Trainee:"));
  Press(Qt::Key_Up);
  Press(Qt::Key_Up);
  EXPECT_EQ(Focus(), front.Option1[5].Widget()) << "round from the first to the last";
  EXPECT_TRUE(front.Option1[5].Value());
  EXPECT_TRUE(front.Label10.Caption().startsWith("Professional:"));
  Press(Qt::Key_Right);
  EXPECT_TRUE(front.Option1[0].Value()) << "and from the last to the first";

  Press(Qt::Key_Left);
  front.Command3.Widget()->setFocus();
  Press(Qt::Key_Tab);
  EXPECT_EQ(Focus(), front.Option1[5].Widget());
}

/** Space and Enter press the button that has the focus. */
TEST_F(FrontScreenTest, SpaceAndEnterPressTheFocusedButton) {
  front.Command2.Widget()->setFocus();
  for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) Press(key);
  EXPECT_EQ(world.browser.opened.size(), 3);
}
