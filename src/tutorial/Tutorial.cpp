// The tutorial window, its load and its two buttons.
#include "tutorial/Tutorial.h"

#include <QImage>
#include <QWidget>

#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "simulation/Vantix.h"

// Owned by the game window: the game window, shown behind it, never covers it.
Tutorial::Tutorial(Windows& windows)
    : rt::Form("Tutorial", 231, 168, 317, 117, false, &windows.vantix()), windows_(windows) {
  SetIcon(QImage(":/pictures/icon.png"));
  Label1.Move(8, 0, 209, 17);
  Label1.SetCaption("Label1");
  Label1.SetFont(rt::MakeFont("MS Sans Serif", 8.25, true, false, true));
  Label1.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1.SetBackStyle(0);
  Label2.Move(8, 16, 217, 121);
  Label2.SetCaption("Label2");
  Label2.SetWordWrap(true);
  Label2.SetBackStyle(0);
  Command2.Move(16, 144, 73, 25);
  Command2.SetCaption("Next >>");
  Command2.OnClick([this] { Command2_Click(); });
  Command1.Move(136, 144, 73, 25);
  Command1.SetCaption("Finish");
  Command1.OnClick([this] { Command1_Click(); });
  // The focus starts on Finish, and Tab moves between Finish and Next >>.
  QWidget::setTabOrder(Command1.Widget(), Command2.Widget());
  Command1.Widget()->setFocus();
  Timer1.SetInterval(500);
  Timer1.OnTimer([this] { Timer1_Timer(); });
}

Tutorial::~Tutorial() = default;

void Tutorial::Form_Load() {
  Vantix& game = W().vantix();
  // Disabled before it is shown: the game window never becomes active, so no game starts.
  game.SetEnabled(false);
  game.Show();
  game.Draw().SetForeColour(0x00FFFF);
  PageNo = 1;
  ShowPage();
  Timer1.SetEnabled(true);
}

void Tutorial::Command2_Click() {
  ClearDemo();
  PageNo = static_cast<std::int16_t>(PageNo + 1);
  ShowPage();
  if (PageNo == 12) Command2.SetEnabled(false);
}

void Tutorial::Command1_Click() {
  ClearDemo();
  Windows& w = W();
  w.UnloadTutorial();
  // Enabled only once the tutorial window is gone, then hidden at once.
  w.vantix().SetEnabled(true);
  w.vantix().Hide();
  w.levelform().Show();
}

void Tutorial::Form_QueryUnload(std::int16_t& Cancel, int /*UnloadMode*/) {
  // Closing the window by its close box finishes the tutorial, so the player is never left with
  // a disabled game window and no front screen.
  Cancel = -1;
  Command1_Click();
}
