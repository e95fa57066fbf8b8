// A window of the game: caption, icon, fixed client size and place, shown or hidden, enabled or
// disabled. Show makes it visible and active and runs its activation before returning, when it
// is enabled; activation comes from Show only, never from the window manager's focus changes.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

#include "platform/Surface.h"

class QWidget;

namespace rt {

class FormWidget;

class Form {
 public:
  // A window whose client area is width x height pixels at (left, top) on the screen; with a
  // surface, the whole client area is a drawing surface beneath the controls. A window with an
  // owner is a dialog of that window: the window manager keeps it above its owner.
  Form(const QString& caption, int width, int height, int left, int top, bool withSurface,
       Form* owner = nullptr);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // The client area: the parent of the window's controls.
  QWidget* Client() const;
  QWidget* Window() const;
  Surface& Draw() { return *surface_; }

  void Show();
  void Hide();
  bool Visible() const;
  bool Enabled() const;
  // A disabled window takes no input and is never made the active window, neither by Show nor
  // by the window manager when the player clicks on it.
  void SetEnabled(bool enabled);
  void SetCaption(const QString& caption);
  void SetIcon(const QImage& icon);
  // The window handle that the system's calls take as their owner.
  std::uintptr_t Handle() const;

  // A close request (the close box, the system's close command): the query may refuse it by
  // setting cancel; then the unload runs, which may refuse it too.
  void RequestClose();

  // The window that Show made active last, if it is still shown.
  static Form* ActiveForm();

 protected:
  virtual void Form_Activate() {}
  virtual void Form_QueryUnload(std::int16_t& /*cancel*/, int /*unloadMode*/) {}
  virtual void Form_Unload(std::int16_t& /*cancel*/) {}

 private:
  friend class FormWidget;
  bool CloseRequested();
  std::unique_ptr<Surface> surface_;
  FormWidget* window_;  // owned: deleted with the form
  QWidget* client_;
  Form* owner_;
};

}  // namespace rt
