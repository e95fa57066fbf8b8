#include "platform/Controls.h"

#include "platform/SurfaceView.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <cmath>

namespace rt {

QFont MakeFont(const QString& family, double points, bool bold, bool italic, bool underline) {
  QFont font(family);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

namespace {
void SetRole(QWidget* w, QPalette::ColorRole role, Colour c) {
  QPalette p = w->palette();
  p.setColor(role, ToQColor(c));
  w->setPalette(p);
}
QString ForDisplay(QString text) {
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  return text;
}
}  // namespace

// ---- Control

Control::~Control() = default;
int Control::Left() const { return widget_->x(); }
int Control::Top() const { return widget_->y(); }
int Control::Width() const { return widget_->width(); }
int Control::Height() const { return widget_->height(); }
void Control::Move(int left, int top, int width, int height) {
  widget_->setGeometry(left, top, std::max(width, 0), std::max(height, 0));
}
void Control::SetLeft(int left) { widget_->move(left, widget_->y()); }
void Control::SetTop(int top) { widget_->move(widget_->x(), top); }
void Control::SetWidth(int width) { widget_->resize(std::max(width, 0), widget_->height()); }
void Control::SetHeight(int height) { widget_->resize(widget_->width(), std::max(height, 0)); }
bool Control::Visible() const { return !widget_->isHidden(); }
void Control::SetVisible(bool visible) { widget_->setVisible(visible); }
bool Control::Enabled() const { return widget_->isEnabled(); }
void Control::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
void Control::SetFont(const QFont& font) { widget_->setFont(font); }
void Control::SetToolTip(const QString& tip) { widget_->setToolTip(tip); }

// ---- Label

Label::Label(QWidget* parent) : Control(new QLabel(parent)), label_(static_cast<QLabel*>(widget_)) {
  label_->setTextFormat(Qt::PlainText);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label_->setMargin(0);
  label_->setIndent(0);
  fore_ = FromQRgb(label_->palette().color(QPalette::WindowText).rgb());
  Refresh();
}

void Label::SetCaption(const QString& caption) {
  caption_ = caption;
  label_->setText(ForDisplay(caption));
  if (autoSize_) {
    const int left = label_->x();
    label_->adjustSize();
    label_->move(left, label_->y());
  }
}
void Label::SetForeColour(Colour c) {
  fore_ = c;
  Refresh();
}
void Label::SetBackColour(Colour c) {
  back_ = c;
  Refresh();
}
void Label::SetBackStyle(int style) {
  backStyle_ = style;
  Refresh();
}
void Label::SetAlignment(Qt::Alignment alignment) { label_->setAlignment(alignment); }
void Label::SetWordWrap(bool wrap) { label_->setWordWrap(wrap); }
void Label::SetBorder(bool border) {
  label_->setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  label_->setLineWidth(1);
}
void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_) SetCaption(caption_);
}
void Label::Refresh() {
  QPalette p = label_->palette();
  p.setColor(QPalette::WindowText, ToQColor(fore_));
  p.setColor(QPalette::Window, ToQColor(back_));
  label_->setPalette(p);
  label_->setAutoFillBackground(backStyle_ == 1);
  label_->update();
}

// ---- TextBox

TextBox::TextBox(QWidget* parent, bool multiLine)
    : Control(new QPlainTextEdit(parent)), edit_(static_cast<QPlainTextEdit*>(widget_)) {
  edit_->setReadOnly(true);
  edit_->setTextInteractionFlags(Qt::NoTextInteraction);
  edit_->setFocusPolicy(Qt::NoFocus);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  edit_->setContextMenuPolicy(Qt::NoContextMenu);
  edit_->viewport()->setCursor(Qt::ArrowCursor);
  edit_->document()->setDocumentMargin(1);
  SetBorder(true);
  Refresh();
}
void TextBox::SetText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  edit_->setPlainText(ForDisplay(text));
}
void TextBox::SetForeColour(Colour c) {
  fore_ = c;
  Refresh();
}
void TextBox::SetBackColour(Colour c) {
  if (c == back_) return;
  back_ = c;
  Refresh();
}
void TextBox::SetBorder(bool border) {
  edit_->setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  edit_->setLineWidth(1);
}
void TextBox::Refresh() {
  QPalette p = edit_->palette();
  p.setColor(QPalette::Text, ToQColor(fore_));
  p.setColor(QPalette::Base, ToQColor(back_));
  p.setColor(QPalette::WindowText, ToQColor(fore_));
  edit_->setPalette(p);
}

// ---- ListBox

// The list's click runs once the player's press or key has finished choosing a row, so the
// handler sees the new choice and may undo it; rows chosen by code run nothing.
class ListWidget : public QListWidget {
 public:
  explicit ListWidget(QWidget* parent) : QListWidget(parent) {}
  std::function<void()> onPlayerChoice;

  int Chosen() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? currentRow() : -1;
  }

 protected:
  // The mouse reaches the list through its viewport, the keys through the list itself.
  bool viewportEvent(QEvent* e) override {
    const bool mouse = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove ||
                       e->type() == QEvent::MouseButtonRelease;
    return Watch(mouse, [&] { return QListWidget::viewportEvent(e); });
  }
  bool event(QEvent* e) override {
    return Watch(e->type() == QEvent::KeyPress, [&] { return QListWidget::event(e); });
  }

 private:
  template <typename Handle>
  bool Watch(bool player, Handle handle) {
    const int before = player ? Chosen() : -1;
    const bool handled = handle();
    if (player && Chosen() != before && Chosen() >= 0 && onPlayerChoice) onPlayerChoice();
    return handled;
  }
};

ListBox::ListBox(QWidget* parent) : Control(new ListWidget(parent)), list_(static_cast<ListWidget*>(widget_)) {
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setUniformItemSizes(true);
  list_->setSpacing(0);
  list_->setFrameStyle(QFrame::NoFrame);
  list_->setTextElideMode(Qt::ElideNone);
  list_->onPlayerChoice = [this] {
    if (onClick_) onClick_();
  };
  Refresh();
}
void ListBox::AddItem(const QString& text, int index) {
  auto* item = new QListWidgetItem(text);
  if (rowHeight_ > 0) item->setSizeHint(QSize(0, rowHeight_));
  if (index < 0 || index >= list_->count())
    list_->addItem(item);
  else
    list_->insertItem(index, item);
}
void ListBox::RemoveItem(int index) {
  if (index < 0 || index >= list_->count()) return;
  delete list_->takeItem(index);
}
void ListBox::Clear() {
  list_->clear();
}
int ListBox::ListCount() const { return list_->count(); }
QString ListBox::List(int index) const {
  const QListWidgetItem* item = list_->item(index);
  return item ? item->text() : QString();
}
void ListBox::SetList(int index, const QString& text) {
  if (QListWidgetItem* item = list_->item(index)) item->setText(text);
}
int ListBox::ListIndex() const { return list_->Chosen(); }
void ListBox::SetListIndex(int index) {
  if (index < 0 || index >= list_->count()) {
    list_->clearSelection();
    list_->setCurrentRow(-1);
  } else {
    list_->setCurrentRow(index);
  }
}
void ListBox::SetForeColour(Colour c) {
  fore_ = c;
  Refresh();
}
void ListBox::SetBackColour(Colour c) {
  back_ = c;
  Refresh();
}
void ListBox::SetBorder(bool threeD) {
  list_->setFrameStyle(threeD ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}
void ListBox::SetRowHeight(int pixels) {
  rowHeight_ = pixels;
  for (int i = 0; i < list_->count(); ++i) list_->item(i)->setSizeHint(QSize(0, pixels));
}
void ListBox::PlayerSelect(int index) {
  if (index < 0 || index >= list_->count() || !list_->isEnabled() || index == ListIndex()) return;
  list_->setCurrentRow(index);
  if (onClick_) onClick_();
}
void ListBox::Refresh() {
  QPalette p = list_->palette();
  p.setColor(QPalette::Text, ToQColor(fore_));
  p.setColor(QPalette::Base, ToQColor(back_));
  p.setColor(QPalette::Window, ToQColor(back_));
  list_->setPalette(p);
  list_->viewport()->update();
}

// ---- CheckBox

CheckBox::CheckBox(QWidget* parent) : Control(new QCheckBox(parent)), box_(static_cast<QCheckBox*>(widget_)) {
  fore_ = FromQRgb(box_->palette().color(QPalette::WindowText).rgb());
}
int CheckBox::Value() const { return box_->isChecked() ? 1 : 0; }
void CheckBox::SetValue(int value) { box_->setChecked(value != 0); }
void CheckBox::SetCaption(const QString& caption) { box_->setText(caption); }
void CheckBox::SetForeColour(Colour c) {
  fore_ = c;
  Refresh();
}
void CheckBox::SetBackColour(Colour c) {
  back_ = c;
  Refresh();
}
void CheckBox::SetBoxRight(bool right) {
  box_->setLayoutDirection(right ? Qt::RightToLeft : Qt::LeftToRight);
}
void CheckBox::PlayerClick() { box_->click(); }
void CheckBox::Refresh() {
  QPalette p = box_->palette();
  p.setColor(QPalette::WindowText, ToQColor(fore_));
  if (back_ >= 0) {
    p.setColor(QPalette::Window, ToQColor(back_));
    p.setColor(QPalette::Button, ToQColor(back_));
  }
  box_->setPalette(p);
  box_->setAutoFillBackground(back_ >= 0);
}

// ---- OptionButton

OptionButton::OptionButton(QWidget* parent, std::vector<OptionButton*>* group)
    : Control(new QRadioButton(parent)), button_(static_cast<QRadioButton*>(widget_)), group_(group) {
  button_->setAutoExclusive(false);
  group_->push_back(this);
  QObject::connect(button_, &QRadioButton::clicked, button_, [this](bool) {
    SetValue(true);
    if (onClick_) onClick_();
  });
}
bool OptionButton::Value() const { return button_->isChecked(); }
void OptionButton::SetValue(bool ticked) {
  if (ticked)
    for (OptionButton* other : *group_)
      if (other != this) other->button_->setChecked(false);
  button_->setChecked(ticked);
}
void OptionButton::SetBackColour(Colour c) {
  SetRole(button_, QPalette::Window, c);
  button_->setAutoFillBackground(true);
}
void OptionButton::PlayerClick() { button_->click(); }

// ---- CommandButton

CommandButton::CommandButton(QWidget* parent)
    : Control(new QPushButton(parent)), button_(static_cast<QPushButton*>(widget_)) {
  button_->setAutoDefault(false);
  button_->setDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] {
    if (onClick_) onClick_();
  });
}
QString CommandButton::Caption() const { return button_->text(); }
void CommandButton::SetCaption(const QString& caption) { button_->setText(caption); }
void CommandButton::SetBackColour(Colour c) {
  SetRole(button_, QPalette::Button, c);
  button_->setAutoFillBackground(true);
}
void CommandButton::PlayerClick() {
  if (button_->isEnabled() && onClick_) onClick_();
}

// ---- Frame

// A frame draws its border with the caption on its top edge; its font is the caption's only, so
// the controls inside keep their own fonts.
class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(QWidget* parent) : QWidget(parent) {}
  QString caption;
  QFont captionFont;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QFontMetrics metrics(captionFont);
    const int lineY = metrics.height() / 2;
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, lineY, width() - 2, height() - lineY - 2);
    p.setPen(Qt::white);
    p.drawRect(1, lineY + 1, width() - 2, height() - lineY - 2);
    if (caption.isEmpty()) return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setFont(captionFont);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
  }
};

Frame::Frame(QWidget* parent) : Control(new FrameWidget(parent)) {}
void Frame::SetCaption(const QString& caption, const QFont& font) {
  auto* frame = static_cast<FrameWidget*>(widget_);
  frame->caption = caption;
  frame->captionFont = font;
  frame->update();
}
void Frame::SetBackColour(Colour c) {
  SetRole(widget_, QPalette::Window, c);
  widget_->setAutoFillBackground(true);
}

// ---- Shape

class ShapeWidget : public QWidget {
 public:
  ShapeWidget(QWidget* parent, Shape* shape) : QWidget(parent), shape_(shape) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    // The same symmetric disc as the drawing surface's, so the marker looks round at 9 x 9.
    Surface s(width(), height());
    s.SetFillColour(shape_->fill_);
    const double r = (std::min(width(), height()) - 1) / 2.0;
    s.Circle((width() - 1) / 2.0, (height() - 1) / 2.0, r, shape_->border_);
    QPainter p(this);
    p.drawImage(0, 0, s.Layer());
  }

 private:
  Shape* shape_;
};

Shape::Shape(QWidget* parent) : Control(nullptr) { widget_ = new ShapeWidget(parent, this); }
void Shape::SetShapeLeft(double left) {
  left_ = left;
  Place();
}
void Shape::SetShapeTop(double top) {
  top_ = top;
  Place();
}
void Shape::SetFillColour(Colour c) {
  fill_ = c;
  widget_->update();
}
void Shape::SetBorderColour(Colour c) {
  border_ = c;
  widget_->update();
}
void Shape::Place() {
  widget_->move(static_cast<int>(std::floor(left_ + 0.5)), static_cast<int>(std::floor(top_ + 0.5)));
}

// ---- Image

class ImageWidget : public QWidget {
 public:
  ImageWidget(QWidget* parent, Image* image) : QWidget(parent), image_(image) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_->picture_);
  }
  void mousePressEvent(QMouseEvent* e) override {
    int button = 0;
    if (e->button() == Qt::LeftButton) button = 1;
    if (e->button() == Qt::RightButton) button = 2;
    if (e->button() == Qt::MiddleButton) button = 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    const QPointF pos = e->position();
    if (image_->onMouseDown_)
      image_->onMouseDown_(button, shift, static_cast<float>(std::floor(pos.x()) * 15),
                           static_cast<float>(std::floor(pos.y()) * 15));
  }

 private:
  Image* image_;
};

Image::Image(QWidget* parent) : Control(nullptr) { widget_ = new ImageWidget(parent, this); }
void Image::SetPicture(const QImage& picture) {
  picture_ = picture;
  widget_->update();
}
void Image::PlayerMouseDown(float xTwips, float yTwips) {
  if (onMouseDown_ && Visible() && Enabled()) onMouseDown_(1, 0, xTwips, yTwips);
}

// ---- PictureBox

PictureBox::PictureBox(QWidget* parent, int width, int height) : Control(nullptr), surface_(width, height) {
  widget_ = new SurfaceView(parent, &surface_);
  widget_->resize(width, height);
}
void PictureBox::SetBackColour(Colour c) {
  SetRole(widget_, QPalette::Window, c);
  widget_->setAutoFillBackground(true);
}

// ---- Timer

Timer::Timer() : timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Fire(); });
}
Timer::~Timer() = default;
int Timer::Interval() const { return timer_->interval(); }
void Timer::SetInterval(int ms) { timer_->setInterval(ms); }
bool Timer::Enabled() const { return timer_->isActive(); }
void Timer::SetEnabled(bool enabled) {
  if (enabled)
    timer_->start();
  else
    timer_->stop();
}
void Timer::Fire() {
  if (onTimer_) onTimer_();
}

}  // namespace rt
