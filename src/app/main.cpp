// The program: the services of the machine, the three windows, and the front screen first.
#include <QApplication>

#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "platform/QtServices.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vantix");
  QApplication::setQuitOnLastWindowClosed(false);
  rt::RegisterFonts();

  rt::SystemClock clock;
  rt::SeededRandom random;
  rt::QtEventLoop events;
  rt::QtDialogs dialogs;
  rt::QtSound sound;
  rt::QtBrowser browser;
  rt::QtHelp help;
  rt::Services services{clock, random, events, dialogs, sound, browser, help, {}};

  Windows windows(services);
  windows.levelform().Show();
  if (events.Quitting()) return 0;
  return app.exec();
}
