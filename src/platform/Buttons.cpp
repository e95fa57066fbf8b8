// The buttons: check box, option button and command button.
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

#include "platform/ControlLook.h"
#include "platform/Controls.h"

namespace rt {

// A button of the toolkit that keeps its look in a disabled window.
template <typename Button>
class KeepingLook : public Button {
 public:
  explicit KeepingLook(QWidget* parent) : Button(parent) {}

 protected:
  void initStyleOption(QStyleOptionButton* option) const override {
    Button::initStyleOption(option);
    KeepLookInDisabledWindow(this, option);
  }
};

// ---- CheckBox

using CheckWidget = KeepingLook<QCheckBox>;

CheckBox::CheckBox(QWidget* parent)
    : Control(new CheckWidget(parent)), box_(static_cast<QCheckBox*>(widget_)) {
  fore_ = FromQRgb(box_->palette().color(QPalette::WindowText).rgb());
}
int CheckBox::Value() const {
  return box_->isChecked() ? 1 : 0;
}
void CheckBox::SetValue(int value) {
  box_->setChecked(value != 0);
}
void CheckBox::SetCaption(const QString& caption) {
  box_->setText(caption);
}
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
void CheckBox::PlayerClick() {
  box_->click();
}
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

// The arrow keys go round the option's group, ticking the option they reach.
class RadioWidget : public KeepingLook<QRadioButton> {
 public:
  explicit RadioWidget(QWidget* parent) : KeepingLook(parent) {}
  std::function<void(int step)> onArrow;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    switch (e->key()) {
      case Qt::Key_Up:
      case Qt::Key_Left:
        onArrow(-1);
        break;
      case Qt::Key_Down:
      case Qt::Key_Right:
        onArrow(1);
        break;
      default:
        QRadioButton::keyPressEvent(e);
    }
  }
};

OptionButton::OptionButton(QWidget* parent, std::vector<OptionButton*>* group)
    : Control(new RadioWidget(parent)),
      button_(static_cast<QRadioButton*>(widget_)),
      group_(group) {
  button_->setAutoExclusive(false);
  group_->push_back(this);
  static_cast<RadioWidget*>(button_)->onArrow = [this](int step) { Step(step); };
  PlaceTabStop();
  QObject::connect(button_, &QRadioButton::clicked, button_, [this](bool) {
    SetValue(true);
    if (onClick_) onClick_();
  });
}
bool OptionButton::Value() const {
  return button_->isChecked();
}
void OptionButton::SetValue(bool ticked) {
  if (ticked)
    for (OptionButton* other : *group_)
      if (other != this) other->button_->setChecked(false);
  button_->setChecked(ticked);
  PlaceTabStop();
}
void OptionButton::Step(int step) {
  const int count = static_cast<int>(group_->size());
  const int at =
      static_cast<int>(std::find(group_->begin(), group_->end(), this) - group_->begin());
  for (int k = 1; k < count; ++k) {
    OptionButton* next = (*group_)[((at + step * k) % count + count) % count];
    if (!next->Visible() || !next->Enabled()) continue;
    next->button_->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    next->PlayerClick();
    return;
  }
}
void OptionButton::PlaceTabStop() {
  // The group is one stop of the Tab key: its ticked option, or its first while none is.
  OptionButton* stop = group_->front();
  for (OptionButton* option : *group_)
    if (option->Value()) stop = option;
  for (OptionButton* option : *group_)
    option->button_->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
void OptionButton::SetBackColour(Colour c) {
  SetRole(button_, button_->backgroundRole(), c);
  button_->setAutoFillBackground(true);
}
void OptionButton::PlayerClick() {
  button_->click();
}

// ---- CommandButton

// Space or Enter presses the button that has the focus. A flat button shows its face in its back
// colour inside a single dark line, with no raised edge.
class PushWidget : public KeepingLook<QPushButton> {
 public:
  explicit PushWidget(QWidget* parent) : KeepingLook(parent) {}

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
      click();
    else
      QPushButton::keyPressEvent(e);
  }
  void paintEvent(QPaintEvent* e) override {
    if (!isFlat()) {
      QPushButton::paintEvent(e);
      return;
    }
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    p.fillRect(rect(), option.palette.button());
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QStyleOptionButton label = option;
    label.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown()) label.rect.translate(1, 1);
    p.drawControl(QStyle::CE_PushButtonLabel, label);
    if (option.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = rect().adjusted(3, 3, -3, -3);
      p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
  }
};

CommandButton::CommandButton(QWidget* parent)
    : Control(new PushWidget(parent)), button_(static_cast<QPushButton*>(widget_)) {
  button_->setAutoDefault(false);
  button_->setDefault(false);
  QObject::connect(button_, &QPushButton::clicked, button_, [this] {
    if (onClick_) onClick_();
  });
}
QString CommandButton::Caption() const {
  return button_->text();
}
void CommandButton::SetCaption(const QString& caption) {
  button_->setText(caption);
}
void CommandButton::SetBackColour(Colour c) {
  SetRole(button_, QPalette::Button, c);
  button_->setAutoFillBackground(true);
}
void CommandButton::SetFlat(bool flat) {
  button_->setFlat(flat);
}
void CommandButton::PlayerClick() {
  if (button_->isEnabled() && onClick_) onClick_();
}

}  // namespace rt
