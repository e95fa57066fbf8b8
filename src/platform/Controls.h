// The controls the game's windows are made of, with the properties the game reads and writes.
// Handlers run only on the player's actions; setting a property from code never runs one.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Numbers.h"
#include "platform/Surface.h"

class QWidget;
class QLabel;
class QPlainTextEdit;
class QCheckBox;
class QRadioButton;
class QPushButton;
class QTimer;

namespace rt {

class ListWidget;  // a list that tells the player's choices from the code's

// A font asked for by family and point size at 96 dots an inch (8.25 pt is 11 pixels).
QFont MakeFont(const QString& family, double points, bool bold = false, bool italic = false,
               bool underline = false);

class Control {
 public:
  virtual ~Control();
  QWidget* Widget() const { return widget_; }

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void Move(int left, int top, int width, int height);
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);

  // The control's own flag: a control of a hidden window keeps its Visible.
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetFont(const QFont& font);
  void SetToolTip(const QString& tip);

 protected:
  explicit Control(QWidget* widget) : widget_(widget) {}
  QWidget* widget_;
};

class Label : public Control {
 public:
  explicit Label(QWidget* parent);
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  Colour BackColour() const { return back_; }
  void SetBackColour(Colour c);
  // 0 transparent, 1 opaque.
  int BackStyle() const { return backStyle_; }
  void SetBackStyle(int style);
  void SetAlignment(Qt::Alignment alignment);
  void SetWordWrap(bool wrap);
  void SetBorder(bool border);
  // Sizes itself to its caption, keeping its left edge.
  void SetAutoSize(bool autoSize);

 private:
  void Refresh();
  QLabel* label_;
  QString caption_;
  Colour fore_ = 0;
  Colour back_ = Rgb(255, 255, 255);
  int backStyle_ = 1;
  bool autoSize_ = false;
};

// A display text box: the player reads it, the program writes it. Text keeps its CR LF lines.
class TextBox : public Control {
 public:
  TextBox(QWidget* parent, bool multiLine);
  QString Text() const { return text_; }
  void SetText(const QString& text);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  Colour BackColour() const { return back_; }
  void SetBackColour(Colour c);
  void SetBorder(bool border);

 private:
  void Refresh();
  QPlainTextEdit* edit_;
  QString text_;
  Colour fore_ = 0;
  Colour back_ = Rgb(255, 255, 255);
};

class ListBox : public Control {
 public:
  explicit ListBox(QWidget* parent);
  // Appends, or inserts before the item at index.
  void AddItem(const QString& text, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  QString List(int index) const;
  void SetList(int index, const QString& text);
  // The selected row, -1 for none; setting it runs no handler.
  int ListIndex() const;
  void SetListIndex(int index);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  void SetBackColour(Colour c);
  void SetBorder(bool threeD);
  // Every row this many pixels high; no scroll bars.
  void SetRowHeight(int pixels);
  // Runs when the player chooses a row (a press or a key), after the choice is made.
  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  // What the player does (tests drive the game through these as a player would).
  void PlayerSelect(int index);

 private:
  void Refresh();
  ListWidget* list_;
  Colour fore_ = 0;
  Colour back_ = Rgb(255, 255, 255);
  int rowHeight_ = 0;
  std::function<void()> onClick_;
};

class CheckBox : public Control {
 public:
  explicit CheckBox(QWidget* parent);
  int Value() const;
  void SetValue(int value);
  void SetCaption(const QString& caption);
  Colour ForeColour() const { return fore_; }
  void SetForeColour(Colour c);
  void SetBackColour(Colour c);
  // The box to the right of its caption.
  void SetBoxRight(bool right);
  void PlayerClick();

 private:
  void Refresh();
  QCheckBox* box_;
  Colour fore_ = 0;
  Colour back_ = -1;
};

// One option button of a group: at most one of the group is ticked. The group is one stop of the
// Tab key, and the arrow keys move the tick within it.
class OptionButton : public Control {
 public:
  OptionButton(QWidget* parent, std::vector<OptionButton*>* group);
  bool Value() const;
  // Ticking one unticks the others of its group; no handler runs.
  void SetValue(bool ticked);
  void SetBackColour(Colour c);
  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  void PlayerClick();

 private:
  // Moves the focus and the tick to the next option of the group (-1 the one before), round.
  void Step(int step);
  void PlaceTabStop();
  QRadioButton* button_;
  std::vector<OptionButton*>* group_;
  std::function<void()> onClick_;
};

class CommandButton : public Control {
 public:
  explicit CommandButton(QWidget* parent);
  QString Caption() const;
  void SetCaption(const QString& caption);
  void SetBackColour(Colour c);
  // A flat button: its face in its back colour, no raised edge.
  void SetFlat(bool flat);
  void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
  void PlayerClick();

 private:
  QPushButton* button_;
  std::function<void()> onClick_;
};

class Frame : public Control {
 public:
  explicit Frame(QWidget* parent);
  void SetCaption(const QString& caption, const QFont& font);
  void SetBackColour(Colour c);
};

// A filled circle marker; its place may be fractional.
class Shape : public Control {
 public:
  explicit Shape(QWidget* parent);
  double ShapeLeft() const { return left_; }
  double ShapeTop() const { return top_; }
  void SetShapeLeft(double left);
  void SetShapeTop(double top);
  Colour FillColour() const { return fill_; }
  void SetFillColour(Colour c);
  void SetBorderColour(Colour c);

 private:
  void Place();
  double left_ = 0;
  double top_ = 0;
  Colour fill_ = 0;
  Colour border_ = 0;
  friend class ShapeWidget;
};

// A picture; a mouse button pressed on it reports the position in twips (15 to a pixel).
class Image : public Control {
 public:
  explicit Image(QWidget* parent);
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }
  using MouseDown = std::function<void(int button, int shift, float x, float y)>;
  void OnMouseDown(MouseDown handler) { onMouseDown_ = std::move(handler); }
  void PlayerMouseDown(float xTwips, float yTwips);

 private:
  QImage picture_;
  MouseDown onMouseDown_;
  friend class ImageWidget;
};

// A picture box: its own drawing surface over a background picture.
class PictureBox : public Control {
 public:
  PictureBox(QWidget* parent, int width, int height);
  Surface& Draw() { return surface_; }
  void SetBackColour(Colour c);

 private:
  Surface surface_;
};

class Timer {
 public:
  Timer();
  ~Timer();
  int Interval() const;
  void SetInterval(int ms);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void OnTimer(std::function<void()> handler) { onTimer_ = std::move(handler); }
  // A tick as the timer would give it.
  void Fire();

 private:
  std::unique_ptr<QTimer> timer_;
  std::function<void()> onTimer_;
};

}  // namespace rt
