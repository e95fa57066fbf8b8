#include <gtest/gtest.h>

#include <QListWidget>

#include "support/TestWorld.h"

/** Before the first game the panel shows its design values. */
TEST(GameWindow, BeforeTheFirstGameThePanelShowsItsDesignValues) {
  TestWorld world;
  Vantix& g = world.game();
  EXPECT_EQ(g.Label2.Caption(), "40");
  EXPECT_EQ(g.Label8.Caption(), "12");
  EXPECT_EQ(g.Label12.Caption(), "<-- 27L --");
  EXPECT_EQ(g.Label4.Caption(), "100%");
  EXPECT_EQ(g.Label1.Caption(), "Type       Heading  Knts   Alt    Status");
  EXPECT_EQ(g.Label27.Caption(), "");
  EXPECT_TRUE(g.Image1.Visible());
  EXPECT_FALSE(g.Image2.Visible());
  EXPECT_EQ(g.Check2.Value(), 1);
  EXPECT_EQ(g.Check1.Value() + g.Check3.Value(), 0);
  EXPECT_EQ(g.List2.ListCount(), 7);
  EXPECT_EQ(g.List2.List(4), "ALTITUDE");
  EXPECT_EQ(g.List2.ListIndex(), -1);
  for (auto& column : g.List1) EXPECT_EQ(column.ListCount(), 0);
  EXPECT_EQ(g.Draw().Width(), 748);
  EXPECT_EQ(g.Draw().Height(), 556);
}

/** The five table columns line up row for row and show 20 rows without a scroll bar. */
TEST(GameWindow, TableColumnsLineUpAndShowTwentyRows) {
  TestWorld world;
  Vantix& g = world.game();
  g.SetEnabled(false);  // shown as the tutorial shows it: no game runs
  g.Show();
  for (auto& column : g.List1)
    for (int row = 0; row < 20; ++row) column.AddItem("7000");
  for (int row = 0; row < 20; ++row) {
    const int top = static_cast<QListWidget*>(g.List1[0].Widget())->visualItemRect(
                        static_cast<QListWidget*>(g.List1[0].Widget())->item(row)).top();
    for (auto& column : g.List1) {
      auto* list = static_cast<QListWidget*>(column.Widget());
      const QRect r = list->visualItemRect(list->item(row));
      EXPECT_EQ(r.top(), top) << "row " << row;
      EXPECT_LE(r.bottom(), list->viewport()->height()) << "row " << row;
    }
  }
}

/** The game window cannot be resized, and a close request never closes it. */
TEST(GameWindow, TheWindowHasAFixedSizeAndRefusesToClose) {
  TestWorld world;
  Vantix& g = world.game();
  EXPECT_EQ(g.Window()->minimumSize(), g.Window()->maximumSize());
  EXPECT_EQ(g.Window()->size(), QSize(748, 556));
  EXPECT_FALSE(g.Window()->windowFlags() & Qt::WindowMaximizeButtonHint);
  world.front().Command3.PlayerClick();  // a game runs to its end and hides the window
  g.SetEnabled(false);
  g.Show();
  g.Window()->close();
  EXPECT_TRUE(g.Visible());
}
