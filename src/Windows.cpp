#include "Windows.h"

#include <QTimer>
#include <QWidget>

#include "frontscreen/Levelform.h"
#include "simulation/Vantix.h"
#include "tutorial/Tutorial.h"

Windows::Windows(rt::Services& s) : services(s) {
  rt::InstallServices(&services);
  levelform_ = std::make_unique<Levelform>(*this);
  vantix_ = std::make_unique<Vantix>(*this);
}

Windows::~Windows() {
  tutorial_.reset();
  unloaded_.reset();
  vantix_.reset();
  levelform_.reset();
}

Tutorial& Windows::LoadTutorial() {
  unloaded_.reset();
  tutorial_ = std::make_unique<Tutorial>(*this);
  tutorial_->Form_Load();
  return *tutorial_;
}

void Windows::UnloadTutorial() {
  if (!tutorial_) return;
  tutorial_->Timer1.SetEnabled(false);
  tutorial_->Hide();
  unloaded_ = std::move(tutorial_);
  // The window may be closing from one of its own handlers: it goes once that has returned.
  QTimer::singleShot(0, levelform_->Window(), [this] { unloaded_.reset(); });
}
