// The program's three windows, reached by name: the front screen, the game window and the
// tutorial (created afresh by each Run Tutorial, gone again after its Finish).
#pragma once

#include <memory>

#include "platform/Services.h"

class Levelform;
class Vantix;
class Tutorial;

class Windows {
 public:
  // Installs the services, then creates the front screen first and the game window after it.
  explicit Windows(rt::Services& services);
  ~Windows();
  Windows(const Windows&) = delete;
  Windows& operator=(const Windows&) = delete;

  Levelform& levelform() { return *levelform_; }
  Vantix& vantix() { return *vantix_; }
  // The tutorial window while it exists, else null.
  Tutorial* tutorial() { return tutorial_.get(); }
  // Creates the tutorial window afresh; its load event runs now.
  Tutorial& LoadTutorial();
  // Closes the tutorial window: hidden at once, its timer stopped, destroyed once the handler
  // that closed it has returned.
  void UnloadTutorial();

  rt::Services& services;

 private:
  std::unique_ptr<Levelform> levelform_;
  std::unique_ptr<Vantix> vantix_;
  std::unique_ptr<Tutorial> tutorial_;
  std::unique_ptr<Tutorial> unloaded_;
};
