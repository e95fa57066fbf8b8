#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <QtTest>
#include <memory>

#include "platform/Controls.h"
#include "platform/Form.h"

/** Setting a property from code never runs a handler; only the player's action does. */
TEST(Controls, PropertiesSetFromCodeRunNoHandler) {
  QWidget parent;
  int listClicks = 0, optionClicks = 0, buttonClicks = 0;
  rt::ListBox list(&parent);
  list.OnClick([&] { ++listClicks; });
  for (const char* item : {"LEFT", "RIGHT", "CIRCLE L"}) list.AddItem(item);
  list.SetListIndex(1);
  list.SetListIndex(-1);
  list.RemoveItem(0);
  list.AddItem("SPEED", 0);
  list.Clear();
  EXPECT_EQ(listClicks, 0);
  EXPECT_EQ(list.ListIndex(), -1);

  for (const char* item : {"A", "B"}) list.AddItem(item);
  list.PlayerSelect(1);
  EXPECT_EQ(listClicks, 1);
  EXPECT_EQ(list.ListIndex(), 1);
  list.SetListIndex(-1);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(listClicks, 1);

  std::vector<rt::OptionButton*> group;
  rt::OptionButton a(&parent, &group), b(&parent, &group);
  b.OnClick([&] { ++optionClicks; });
  a.SetValue(true);
  b.SetValue(true);
  EXPECT_FALSE(a.Value());
  EXPECT_EQ(optionClicks, 0);
  a.PlayerClick();
  b.PlayerClick();
  EXPECT_EQ(optionClicks, 1);
  EXPECT_TRUE(b.Value());
  EXPECT_FALSE(a.Value());

  rt::CommandButton button(&parent);
  button.OnClick([&] { ++buttonClicks; });
  button.SetCaption("SEND");
  button.SetEnabled(false);
  button.PlayerClick();
  EXPECT_EQ(buttonClicks, 0);
  button.SetEnabled(true);
  button.PlayerClick();
  EXPECT_EQ(buttonClicks, 1);
}

/** Items keep their order: insert before an index, replace in place, read back by index. */
TEST(Controls, ListItemsAreAddedReplacedAndRemovedInPlace) {
  QWidget parent;
  rt::ListBox list(&parent);
  for (const char* item : {"?", "?", "?"}) list.AddItem(item);
  list.RemoveItem(1);
  list.AddItem("Ann", 1);
  list.SetList(2, "Bob");
  ASSERT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "?");
  EXPECT_EQ(list.List(1), "Ann");
  EXPECT_EQ(list.List(2), "Bob");
  EXPECT_EQ(list.List(3), "");
}

/** Labels keep their caption as set, CR LF included, and an auto-sized label keeps its left. */
TEST(Controls, LabelsKeepTheirTextAndTheirLeftEdge) {
  QWidget parent;
  rt::Label label(&parent);
  label.Move(693, 432, 13, 14);
  label.SetAutoSize(true);
  label.SetCaption("27000");
  EXPECT_EQ(label.Left(), 693);
  EXPECT_GT(label.Width(), 13);
  label.SetCaption("a\r\nb");
  EXPECT_EQ(label.Caption(), "a\r\nb");

  rt::TextBox box(&parent, true);
  box.SetText("A Altitude warning\r\n");
  EXPECT_EQ(box.Text(), "A Altitude warning\r\n");
}

/** A mouse button pressed on a picture reports the button, the shift keys and the position in
 *  twips, 15 to the pixel, to its handler. */
TEST(Controls, PicturesReportMousePositionsInTwips) {
  QWidget parent;
  rt::Image image(&parent);
  image.Move(0, 0, 96, 96);
  int gotButton = 0, gotShift = 0;
  float gotX = -1, gotY = -1;
  image.OnMouseDown([&](int button, int shift, float x, float y) {
    gotButton = button, gotShift = shift, gotX = x, gotY = y;
  });
  QTest::mousePress(image.Widget(), Qt::RightButton, Qt::ShiftModifier, QPoint(48, 3));
  EXPECT_EQ(gotButton, 2);
  EXPECT_EQ(gotShift, 1);
  EXPECT_EQ(gotX, 720);
  EXPECT_EQ(gotY, 45);
}

/** A control greys only when it is disabled itself: in a disabled window it keeps its look. */
TEST(Controls, OnlyAControlDisabledItselfLooksDisabled) {
  QWidget window;
  window.resize(100, 40);
  rt::CommandButton button(&window);
  button.Move(0, 0, 65, 25);
  button.SetCaption("Next >>");
  const QImage enabled = button.Widget()->grab().toImage();
  window.setEnabled(false);
  EXPECT_EQ(button.Widget()->grab().toImage(), enabled);
  window.setEnabled(true);
  button.SetEnabled(false);
  EXPECT_NE(button.Widget()->grab().toImage(), enabled);
}

namespace {
class CountingForm : public rt::Form {
 public:
  CountingForm() : rt::Form("Test", 100, 80, 10, 10, false) {}
  int activations = 0;
  bool refuseClose = false;
  int closeQuestions = 0;

 protected:
  void Form_Activate() override { ++activations; }
  void Form_QueryUnload(std::int16_t& cancel, int) override {
    ++closeQuestions;
    if (refuseClose) cancel = -1;
  }
};
}  // namespace

/** Show runs the activation before it returns, once per showing; a disabled window's Show runs
 *  none, and hiding does nothing but hide. */
TEST(Forms, ShowRunsTheActivationOnlyWhenTheWindowIsEnabled) {
  CountingForm form;
  form.SetEnabled(false);
  form.Show();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.activations, 0);
  form.Hide();
  form.SetEnabled(true);
  form.Show();
  EXPECT_EQ(form.activations, 1);
  form.Show();  // already the active window
  EXPECT_EQ(form.activations, 1);
  form.Hide();
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.activations, 1);
  form.Show();
  EXPECT_EQ(form.activations, 2);
}

/** A close request asks the window, which may refuse it and stay. */
TEST(Forms, ACloseRequestCanBeRefused) {
  CountingForm form;
  form.Show();
  form.refuseClose = true;
  form.Window()->close();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(form.closeQuestions, 1);
  form.refuseClose = false;
  form.Window()->close();
  EXPECT_FALSE(form.Visible());
}
