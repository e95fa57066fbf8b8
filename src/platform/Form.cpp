#include "platform/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include "platform/Services.h"
#include "platform/SurfaceView.h"

namespace rt {

namespace {
Form* activeForm = nullptr;
}

class FormWidget : public QWidget {
 public:
  FormWidget(Form* form, bool owned)
      : QWidget(nullptr, (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
        form_(form) {
    // F1 opens the application's help file, in every window of the program.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    QObject::connect(help, &QShortcut::activated, this, [] {
      const QString file = Svc().helpFile;
      if (!file.isEmpty()) Svc().help.Show(file);
    });
  }

 protected:
  void closeEvent(QCloseEvent* e) override {
    if (form_->CloseRequested())
      e->accept();
    else
      e->ignore();
  }

 private:
  Form* form_;
};

Form::Form(const QString& caption, int width, int height, int left, int top, bool withSurface,
           Form* owner)
    : window_(new FormWidget(this, owner != nullptr)), owner_(owner) {
  window_->setWindowTitle(caption);
  window_->setAttribute(Qt::WA_QuitOnClose, false);
  window_->setGeometry(left, top, width, height);
  window_->setFixedSize(width, height);
  if (withSurface) {
    surface_ = std::make_unique<Surface>(width, height);
    client_ = new SurfaceView(window_, surface_.get());
    client_->setGeometry(0, 0, width, height);
  } else {
    client_ = window_;
  }
}

Form::~Form() {
  if (activeForm == this) activeForm = nullptr;
  delete window_;
}

QWidget* Form::Client() const { return client_; }
QWidget* Form::Window() const { return window_; }

void Form::Show() {
  const bool wasActive = activeForm == this && window_->isVisible();
  if (owner_) {
    // The window manager learns the owner from the window itself, which needs both made.
    owner_->window_->winId();
    window_->winId();
    window_->windowHandle()->setTransientParent(owner_->window_->windowHandle());
  }
  window_->show();
  window_->raise();
  if (!window_->isEnabled()) return;  // a disabled window is not made active
  window_->activateWindow();
  if (wasActive) return;
  activeForm = this;
  Form_Activate();
}

void Form::Hide() {
  window_->hide();
  if (activeForm == this) activeForm = nullptr;
}

bool Form::Visible() const { return window_->isVisible(); }
bool Form::Enabled() const { return window_->isEnabled(); }
void Form::SetEnabled(bool enabled) {
  window_->setEnabled(enabled);
  // A window that refuses the focus is neither focused by the window manager nor activated by
  // Qt on a click in it; the window is told at once if it is on screen, else when it is made.
  Qt::WindowFlags flags = window_->windowFlags();
  flags.setFlag(Qt::WindowDoesNotAcceptFocus, !enabled);
  window_->overrideWindowFlags(flags);
  if (QWindow* handle = window_->windowHandle()) handle->setFlags(flags);
}
void Form::SetCaption(const QString& caption) { window_->setWindowTitle(caption); }
void Form::SetIcon(const QImage& icon) { window_->setWindowIcon(QIcon(QPixmap::fromImage(icon))); }
std::uintptr_t Form::Handle() const { return window_->isVisible() ? window_->winId() : 0; }

void Form::RequestClose() {
  if (CloseRequested()) Hide();
}

bool Form::CloseRequested() {
  std::int16_t cancel = 0;
  Form_QueryUnload(cancel, 0);
  if (cancel) return false;
  Form_Unload(cancel);
  if (cancel) return false;
  if (activeForm == this) activeForm = nullptr;
  return true;
}

Form* Form::ActiveForm() { return activeForm; }

}  // namespace rt
