// Choosing on the panel: the table columns, the command list, the dial and scale clicks from
// twips, the selector marker and its readout, and real mouse presses on the lists and pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <optional>

#include "PanelFixture.h"

namespace {
constexpr double kNear = 0.005;
}

/** A click on the dial gives the bearing of the clicked pixel from the dial's middle, cut down
 *  to a multiple of 10; a click farther than 48 px from the middle is ignored. Negative angles
 *  (upper right, lower left) take the next lower whole number, so (40, -15) is 60, not 70. The
 *  angle comes to degrees with 3.14 for pi: (3, -17) comes out at -80.03, a bearing of 9.97,
 *  and so shows 0 (with pi, cut toward zero or rounded it would show 10). */
TEST(Selection, ADialClickGivesTheBearingCutDownToTenAndIgnoresClicksOffTheDisc) {
  struct Case {
    int x, y;
    std::optional<int> heading;
  } cases[] = {
      {40, 0, 90},           {0, 30, 180},  {-40, 0, 270},  {0, -47, 0},     {0, 0, 90},
      {20, -20, 40},         {20, 20, 130}, {-20, 20, 220}, {-20, -20, 310}, {45, -1, 80},
      {45, 3, 90},           {40, -15, 60}, {-40, 15, 240}, {-48, 0, 270},   {34, 34, std::nullopt},
      {0, 49, std::nullopt}, {3, -17, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
    PanelFixture f;
    Vantix& g = f.game();
    g.SetSelector(0, 123);
    g.Image1.PlayerMouseDown(DialTwips(c.x), DialTwips(c.y));
    EXPECT_EQ(g.Label2.Caption(), c.heading ? QString::number(*c.heading) : "123");
  }
}

/** The dial reads the pixel under the pointer: any twips inside a pixel give that pixel, and the
 *  marker goes to the heading on the dial's rim, whatever command or aircraft is chosen. */
TEST(Selection, ADialClickAnywhereInsideAPixelCountsForThatPixelAndMovesTheMarker) {
  struct Case {
    float x, y;  // twips
    const char* readout;
    double left, top;  // the marker, from the dial's top-left corner
  } cases[] = {
      // 14 twips into pixel (-40, 0) both ways: the pixel below it would give 260.
      {DialTwips(-40) + 14, DialTwips(0) + 14, "270", -1, 44.11},
      // 10 twips into pixel (0, 20) both ways: the pixel right of it would give 170.
      {DialTwips(0) + 10, DialTwips(20) + 10, "180", 44.07, 89},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.readout);
    PanelFixture f;
    Vantix& g = f.game();
    g.List2.PlayerSelect(kMaintain);
    g.Image1.PlayerMouseDown(c.x, c.y);
    EXPECT_EQ(g.Label2.Caption(), c.readout);
    EXPECT_NEAR(g.Shape1.ShapeLeft() - g.Image1.Left(), c.left, kNear);
    EXPECT_NEAR(g.Shape1.ShapeTop() - g.Image1.Top(), c.top, kNear);
  }
}

/** A press of any mouse button on the dial or the scales, where the player points, reaches the
 *  picture's handler in twips, 15 to the pixel, and the readout shows the value at once. */
TEST(Selection, RealMousePressesOnTheDialAndScalesSetTheValueUnderThePointer) {
  struct Case {
    int command;
    QPoint pixel;  // in the picture
    Qt::MouseButton button;
    const char* readout;
  } cases[] = {
      {kLeft, {68, 28}, Qt::LeftButton, "40"},
      {kLeft, {8, 48}, Qt::RightButton, "270"},
      {kAltitude, {10, 38}, Qt::LeftButton, "6000"},
      {kSpeed, {70, 19}, Qt::MiddleButton, "240"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "command " << c.command << " at " << c.pixel.x() << ", " << c.pixel.y());
    PanelFixture f;
    Vantix& g = f.game();
    g.Window()->show();  // on screen without the activation that would start a game
    g.List2.PlayerSelect(c.command);
    QWidget* picture = (c.command == kLeft ? g.Image1 : g.Image2).Widget();
    ASSERT_TRUE(picture->isVisible());
    QTest::mousePress(g.Window()->windowHandle(), c.button, Qt::NoModifier,
                      picture->mapTo(g.Window(), c.pixel));
    EXPECT_EQ(g.Label2.Caption(), c.readout);
  }
}

/** The scales take clicks between Y 100 and 1340 twips, one value per band of 150 twips; the
 *  altitude side is X 0..510 with ALTITUDE chosen, the speed side X 950..1425 with SPEED chosen;
 *  any other click, or any click while another command is chosen, does nothing. */
TEST(Selection, AScaleClickGivesTheValueOfItsBandOnTheChosenCommandsSideOnly) {
  struct Case {
    int command;
    float x, y;
    std::optional<int> value;
  } cases[] = {
      {kAltitude, 0, 100, 9000},    {kAltitude, 0, 149, 9000},   {kAltitude, 0, 150, 8000},
      {kAltitude, 200, 1340, 1000}, {kAltitude, 510, 500, 6000}, {kAltitude, 0, 99, {}},
      {kAltitude, 0, 1341, {}},     {kAltitude, 511, 500, {}},   {kAltitude, -1, 500, {}},
      {kAltitude, 1000, 500, {}},   {kSpeed, 950, 500, 200},     {kSpeed, 1425, 500, 200},
      {kSpeed, 1000, 1200, 100},    {kSpeed, 1000, 100, 260},    {kSpeed, 949, 500, {}},
      {kSpeed, 1426, 500, {}},      {kSpeed, 200, 500, {}},      {kSpeed, 1000, 1341, {}},
      {kCircleL, 0, 500, {}},       {kMaintain, 1000, 500, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "command " << c.command << " at (" << c.x << ", " << c.y << ")");
    PanelFixture f;
    Vantix& g = f.game();
    g.List2.PlayerSelect(kAltitude);  // shows the scales
    g.List2.PlayerSelect(c.command);
    g.SetSelector(1, 123);
    ASSERT_TRUE(g.Image2.Visible());
    g.Image2.PlayerMouseDown(c.x, c.y);
    EXPECT_EQ(g.Label2.Caption(), c.value ? QString::number(*c.value) : "123");
  }
}

/** The marker runs on a circle of radius 45 about the dial's middle and along the red bars of
 *  the scales; the readout shows the value in plain decimal with a minus sign when negative, and
 *  an unknown mode only writes the readout. */
TEST(Selection, TheMarkerGoesToTheValuesPlaceAndTheReadoutShowsIt) {
  struct Case {
    std::int16_t mode, setting;
    double left, top;  // from the pictures' top-left corner
    const char* readout;
  } cases[] = {
      {0, 0, 44, -1, "0"},          {0, 90, 89, 43.96, "90"},    {0, 180, 44.07, 89, "180"},
      {0, 270, -1, 44.11, "270"},   {0, -5, 40.08, -0.83, "-5"}, {1, 9000, 26, 2.16, "9000"},
      {1, 1000, 26, 83.80, "1000"}, {1, 0, 26, 94, "0"},         {2, 260, 68, 4, "260"},
      {2, 100, 68, 84, "100"},      {2, 0, 68, 134, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.setting);
    PanelFixture f;
    Vantix& g = f.game();
    g.SetSelector(c.mode, c.setting);
    EXPECT_NEAR(g.Shape1.ShapeLeft() - g.Image1.Left(), c.left, 0.01);
    EXPECT_NEAR(g.Shape1.ShapeTop() - g.Image1.Top(), c.top, 0.01);
    EXPECT_EQ(g.Label2.Caption(), c.readout);
  }

  PanelFixture f;
  Vantix& g = f.game();
  g.SetSelector(0, 90);
  g.SetSelector(7, -40);
  EXPECT_NEAR(g.Shape1.ShapeLeft() - g.Image1.Left(), 89, 0.01);
  EXPECT_EQ(g.Label2.Caption(), "-40");
}

/** The dial's places are worked out in double precision, the scales' in single precision, and
 *  the marker gets them exactly as they are. The pictures' corner is (648, 392). */
TEST(Selection, TheDialPlacesTheMarkerInDoubleAndTheScalesInSinglePrecision) {
  struct Case {
    std::int16_t mode, setting;
    double left, top;  // in the window
  } cases[] = {
      // 692 + 45 sin(1.57) and 436 - 45 cos(1.57) in double. With the angle held in single
      // precision the top would be 435.9641677, with all of it in single 435.9641724.
      {0, 90, 736.9999857319326, 435.964165298017},
      // 486 - 9000 / 98 in single precision; in double it would be 394.1632653.
      {1, 9000, 674, 394.16326904296875},
      // 7000 / 98 in single precision is 71.42857361, and 486 less that 414.5714111; worked out
      // in double and only then held in single it would be 414.5714417.
      {1, 7000, 674, 414.5714111328125},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.setting);
    PanelFixture f;
    Vantix& g = f.game();
    g.SetSelector(c.mode, c.setting);
    EXPECT_DOUBLE_EQ(g.Shape1.ShapeLeft(), c.left);
    EXPECT_DOUBLE_EQ(g.Shape1.ShapeTop(), c.top);
  }
}

/** Choosing LEFT or RIGHT shows the dial loaded with the chosen aircraft's heading, ALTITUDE
 *  and SPEED the scales with its altitude or speed; CIRCLE L, CIRCLE R and MAINTAIN keep the
 *  picture and the value shown, so a dial value set before stays for the read-back. */
TEST(Selection, ChoosingACommandShowsItsPictureLoadedWithTheAircraftsPresentValue) {
  struct Case {
    int before, command;
    bool dial, scales;
    const char* readout;
  } cases[] = {
      {kNone, kLeft, true, false, "185"},      {kAltitude, kRight, true, false, "185"},
      {kNone, kAltitude, false, true, "6500"}, {kLeft, kSpeed, false, true, "130"},
      {kLeft, kCircleL, true, false, "185"},   {kAltitude, kCircleR, false, true, "6500"},
      {kSpeed, kMaintain, false, true, "130"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.before << " to " << c.command);
    PanelFixture f;
    f.Add(3, {1, 1, 185, 130, 6500});
    Vantix& g = f.game();
    g.List1[0].PlayerSelect(2);
    EXPECT_EQ(g.Label2.Caption(), "40") << "no command chosen: the selector is left alone";
    g.List2.PlayerSelect(c.before);
    g.List2.PlayerSelect(c.command);
    EXPECT_EQ(g.Image1.Visible(), c.dial);
    EXPECT_EQ(g.Image2.Visible(), c.scales);
    EXPECT_EQ(g.Label2.Caption(), c.readout);
  }
}

/** With no aircraft chosen the selector reads slot 0, always 0: the dial's marker goes to the
 *  top, the scales' marker below the 1000 ft mark or below the picture for speed. */
TEST(Selection, WithNoAircraftChosenTheSelectorShowsZero) {
  struct Case {
    int command;
    double top;
  } cases[] = {{kLeft, -1}, {kAltitude, 94}, {kSpeed, 134}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    PanelFixture f;
    Vantix& g = f.game();
    g.List2.PlayerSelect(c.command);
    EXPECT_EQ(g.Label2.Caption(), "0");
    EXPECT_NEAR(g.Shape1.ShapeTop() - g.Image1.Top(), c.top, kNear);
  }
}

/** Choosing another aircraft while LEFT is chosen replaces a dial value not yet sent by that
 *  aircraft's present heading, which need not be a multiple of 10. */
TEST(Selection, ChoosingAnotherAircraftReloadsTheSelectorWithItsValue) {
  PanelFixture f;
  f.Add(3, {1, 1, 185, 120, 7000});
  Vantix& g = f.game();
  g.List1[0].PlayerSelect(0);
  g.List2.PlayerSelect(kLeft);
  EXPECT_EQ(g.Label2.Caption(), "80");
  g.Image1.PlayerMouseDown(DialTwips(-40), DialTwips(0));
  EXPECT_EQ(g.Label2.Caption(), "270");
  g.List1[0].PlayerSelect(2);
  EXPECT_EQ(g.Label2.Caption(), "185");
}

/** Only the Type column keeps a selection: a click in Heading, Knts, Alt or Status removes that
 *  column's selection at once, every time, and leaves the chosen aircraft and the selector. */
TEST(Selection, AClickInAnotherColumnSelectsNothingAndChangesNothing) {
  PanelFixture f;
  Vantix& g = f.game();
  g.List1[0].PlayerSelect(1);
  g.List2.PlayerSelect(kLeft);
  g.Image1.PlayerMouseDown(DialTwips(40), DialTwips(0));
  for (int column = 1; column <= 4; ++column) {
    SCOPED_TRACE(column);
    for (int click = 0; click < 2; ++click) {
      g.List1[column].PlayerSelect(3);
      EXPECT_EQ(g.List1[column].ListIndex(), -1);
    }
    EXPECT_EQ(g.List1[0].ListIndex(), 1);
    EXPECT_EQ(g.Label2.Caption(), "90");
  }
}

namespace {
// A press and release of the mouse button on a row, as the window system delivers them.
void MouseClickRow(rt::ListBox& list, int row) {
  auto* widget = qobject_cast<QListWidget*>(list.Widget());
  const QPoint at = widget->visualItemRect(widget->item(row)).center();
  const QPoint global = widget->viewport()->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget->viewport(), &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget->viewport(), &release);
}
}  // namespace

/** With the real mouse the panel's handlers see the player's choice: the command and the
 *  aircraft just clicked load the selector, and a read-only column shows no marked row once the
 *  click is over. */
TEST(Selection, RealMouseClicksOnTheListsChooseWhatWasClicked) {
  PanelFixture f;
  f.Add(3, {1, 1, 185, 130, 6500});
  Vantix& g = f.game();
  MouseClickRow(g.List2, kSpeed);
  EXPECT_EQ(g.List2.ListIndex(), kSpeed);
  EXPECT_EQ(g.Label2.Caption(), "0");
  MouseClickRow(g.List1[0], 2);
  EXPECT_EQ(g.List1[0].ListIndex(), 2);
  EXPECT_EQ(g.Label2.Caption(), "130");
  MouseClickRow(g.List2, kLeft);
  EXPECT_EQ(g.Label2.Caption(), "185");

  MouseClickRow(g.List1[3], 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(g.List1[3].ListIndex(), -1);
  EXPECT_TRUE(qobject_cast<QListWidget*>(g.List1[3].Widget())->selectedItems().isEmpty());
  EXPECT_EQ(g.List1[0].ListIndex(), 2);
}

namespace {
// A gesture of the player on a list's widget, with the row it is aimed at.
using Gesture = std::function<void(QListWidget* list, int row)>;

QPoint RowCentre(QListWidget* list, int row) {
  return list->visualItemRect(list->item(row)).center();
}
QPoint BelowTheRows(QListWidget* list) {
  const QRect last = list->visualItemRect(list->item(list->count() - 1));
  return {last.center().x(), last.bottom() + 4};
}
void DoubleClick(QListWidget* list, QPoint at) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}
}  // namespace

/** A choice in the panel's lists changes only by choosing another row. A press below the rows,
 *  a Ctrl+click or Ctrl+Space on the chosen row, or a double click below the rows leave the
 *  aircraft and the command chosen and run no handler, so the next SEND still sends; a gesture
 *  that reaches another row chooses it and runs the click once. */
TEST(Selection, OnlyChoosingAnotherRowChangesAChoiceOnTheLists) {
  struct Case {
    const char* gesture;
    Gesture act;
    bool choosesTheOtherRow;
  } cases[] = {
      {"press below the rows",
       [](QListWidget* l, int) {
         QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, BelowTheRows(l));
       },
       false},
      {"Ctrl+click on the chosen row",
       [](QListWidget* l, int) {
         QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::ControlModifier,
                           RowCentre(l, l->currentRow()));
       },
       false},
      {"Ctrl+Space",
       [](QListWidget* l, int) { QTest::keyClick(l, Qt::Key_Space, Qt::ControlModifier); }, false},
      {"double click below the rows", [](QListWidget* l, int) { DoubleClick(l, BelowTheRows(l)); },
       false},
      {"Ctrl+click on another row",
       [](QListWidget* l, int row) {
         QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(l, row));
       },
       true},
      {"double click on another row",
       [](QListWidget* l, int row) {
         QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, RowCentre(l, row));
         QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, RowCentre(l, row));
       },
       true},
      {"arrow key down", [](QListWidget* l, int) { QTest::keyClick(l, Qt::Key_Down); }, true},
  };
  for (const Case& c : cases) {
    for (bool onTheCommands : {true, false}) {
      SCOPED_TRACE(testing::Message()
                   << c.gesture << (onTheCommands ? " on the commands" : " on the aircraft"));
      PanelFixture f;
      f.Add(2, {2, 1, 185, 130, 6500});
      Vantix& g = f.game();
      g.List1[0].PlayerSelect(0);  // A, heading 80
      g.List2.PlayerSelect(kLeft);
      g.Image1.PlayerMouseDown(DialTwips(-40), DialTwips(0));
      ASSERT_EQ(g.Label2.Caption(), "270");
      rt::ListBox& list = onTheCommands ? g.List2 : g.List1[0];
      const int before = list.ListIndex();
      c.act(qobject_cast<QListWidget*>(list.Widget()), before + 1);
      if (!c.choosesTheOtherRow) {
        EXPECT_EQ(list.ListIndex(), before);
        EXPECT_EQ(g.Label2.Caption(), "270") << "no handler ran";
        g.Command2.PlayerClick();
        EXPECT_NE(g.Text1.Text(), "") << "SEND still sends";
      } else {
        EXPECT_EQ(list.ListIndex(), before + 1);
        // RIGHT, or LEFT for B, loads the selector with the heading of the aircraft chosen.
        EXPECT_EQ(g.Label2.Caption(), onTheCommands ? "80" : "185") << "the click ran";
      }
    }
  }
}
