// The list box: rows the program writes and the player chooses from.
#include <QApplication>
#include <QEvent>
#include <QListWidget>

#include "platform/Controls.h"

namespace rt {

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
    const bool mouse = e->type() == QEvent::MouseButtonPress ||
                       e->type() == QEvent::MouseButtonDblClick || e->type() == QEvent::MouseMove ||
                       e->type() == QEvent::MouseButtonRelease;
    return Watch(mouse, [&] { return QListWidget::viewportEvent(e); });
  }
  bool event(QEvent* e) override {
    return Watch(e->type() == QEvent::KeyPress, [&] { return QListWidget::event(e); });
  }
  // The player changes a choice only by choosing another row: a press below the rows, or Ctrl
  // with a click or Space on the chosen row, leaves it as it is. The code's SetListIndex goes to
  // the selection directly and may still clear it.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* e) const override {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, e);
    if (!index.isValid() || command.testFlag(QItemSelectionModel::Deselect))
      return QItemSelectionModel::NoUpdate;
    return command;
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

ListBox::ListBox(QWidget* parent)
    : Control(new ListWidget(parent)), list_(static_cast<ListWidget*>(widget_)) {
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
int ListBox::ListCount() const {
  return list_->count();
}
QString ListBox::List(int index) const {
  const QListWidgetItem* item = list_->item(index);
  return item ? item->text() : QString();
}
void ListBox::SetList(int index, const QString& text) {
  if (QListWidgetItem* item = list_->item(index)) item->setText(text);
}
int ListBox::ListIndex() const {
  return list_->Chosen();
}
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
  // The chosen row shows in the highlight colours in every state of the list's window: the style
  // would pick the disabled ones in a disabled window, whatever the list's own state.
  for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    p.setColor(role, QApplication::palette().color(QPalette::Active, role));
  list_->setPalette(p);
  list_->viewport()->update();
}

}  // namespace rt
