#include "platform/Controls.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTimer>
#include <cmath>

#include "platform/ControlLook.h"
#include "platform/SurfaceView.h"

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

void SetRole(QWidget* w, QPalette::ColorRole role, Colour c) {
  QPalette p = w->palette();
  p.setColor(role, ToQColor(c));
  w->setPalette(p);
}

void KeepLookInDisabledWindow(const QWidget* w, QStyleOption* option) {
  if (w->isEnabled() || w->testAttribute(Qt::WA_ForceDisabled)) return;
  option->state |= QStyle::State_Enabled;
  // The colour group an enabled control of this window would paint with.
  const bool active = !w->isVisible() || w->isActiveWindow();
  option->palette.setCurrentColorGroup(active ? QPalette::Active : QPalette::Inactive);
}

namespace {
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
  // A stop of the Tab key, as on the design's platform, though it shows no sign of the focus.
  widget_->setFocusPolicy(Qt::StrongFocus);
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
