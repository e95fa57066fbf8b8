// The twelve pages and the example they write into the game window: one arrival, "A", a 747,
// followed from its holding stack to touchdown.
#include <QStringList>
#include <array>

#include "Windows.h"
#include "simulation/Vantix.h"
#include "tutorial/Tutorial.h"

namespace {

struct Page {
  const char* title;
  QStringList lines;  // joined by CR LF; an empty line separates paragraphs
};

// Every text fits the page label (217 x 121 pixels) without scrolling.
const std::array<Page, 12>& Pages() {
  static const std::array<Page, 12> pages{{
      {"Introduction",
       {"", "Welcome to the Vantix Simulation Tutorial.",
        "This guide is intended to give you an idea of how to play the game.", "",
        "Click End to stop this tutorial or Next >> to continue."}},
      {"The display",
       {"The radar area below is where the action takes place. In its middle are two "
        "runways: the upper one for outbound traffic, the lower one for inbound traffic, "
        "where you land.",
        "",
        "On the right, the information panel and the command section show what each aircraft "
        "is doing and its status."}},
      {"Starting",
       {"When a game starts, a new aircraft comes up at each corner of the radar screen and "
        "heads for its holding stack. The status panel on the right lists each new aircraft as "
        "it comes."}},
      {"Landing direction",
       {"The panel at the bottom left shows the landing direction on the lower runway, set by "
        "each game. Watch the wind speed too, as it drifts aircraft.",
        "",
        "Aircraft circle their stacks until you direct them. Once under your control, they "
        "fly free and cannot return to their stacks."}},
      {"Manoeuvring",
       {"To manoeuvre a plane, select it in the list and choose the command. Then pick the "
        "heading on the compass by clicking on the red circle, and click SEND when you are "
        "happy. The aircraft answers 'Copy' and carries out your command."}},
      {"In Transit",
       {"The aircraft now flies the way you chose. You may bring it lower while you move it "
        "into position, but mind the height of the ground, or you risk a warning or a crash "
        "landing.",
        "", "Your aim is to line each aircraft up with the runway in the landing direction."}},
      {"The glide path",
       {"The glide path projects from the runway, and an aircraft must lock onto it to land. "
        "Make each plane fly across the line towards the runway, at no more than 20 degrees "
        "either side, and ask it to Establish. The status panel then shows 'Seek' while it "
        "looks for the beam."}},
      {"Establishing",
       {"Once an aircraft establishes on the beam, it turns to fly straight towards the "
        "runway. If it does not establish, check the landing direction, and check that the "
        "aircraft crosses the beam at no more than 20 degrees either side."}},
      {"Locking onto the glide slope",
       {"Once established, the aircraft must lock fully onto the glide slope.",
        "The slope rises away from the runway, and the plane must cross it in height to lock: "
        "the nearer it is to the runway, the lower it must fly to meet the beam.",
        "Once locked, the status shows Lock and the plane begins to descend."}},
      {"Touchdown",
       {"Once locked, the aircraft descends slowly to a landing, and the status shows Down at "
        "touchdown.",
        "",
        "When it has slowed to a stop it clears the runway: a successful landing! The status "
        "then shows Clear."}},
      {"Safety",
       {"You lose safety points when planes come too close to each other, when an aircraft "
        "leaves the radar, or when its ground clearance is less than 1000 ft. Two planes may "
        "share the same space if they are at least 1000 ft apart. The game is over when the "
        "safety level reaches 0."}},
      {"More information",
       {"This tutorial has shown you the display and what you are aiming for.", "",
        "During a game you can press F1 for more details and a better overview of the game.", "",
        "Good luck and Happy Landings !"}},
  }};
  return pages;
}

// The example aircraft's row is row 0 of the table.
void SetCell(Vantix& game, int column, const QString& text) {
  game.List1[column].SetList(0, text);
}

void PlaceMarker(Vantix& game, double left, double top) {
  game.Shape1.SetShapeLeft(left);
  game.Shape1.SetShapeTop(top);
}

// What page n shows of the example on the game window; the values of a page stay on the later
// pages until one of them overwrites them.
void WriteExample(Vantix& game, int page) {
  switch (page) {
    case 1:
      for (auto& column : game.List1) column.Clear();
      break;
    case 3:  // listed holding in stack 4
      game.List1[0].AddItem("A 747");
      game.List1[1].AddItem("330");
      game.List1[2].AddItem("180");
      game.List1[3].AddItem("7000");
      game.List1[4].AddItem("Stk4");
      break;
    case 4:
      SetCell(game, 1, "240");
      break;
    case 5:  // told to turn left to 10, with the dial and its marker on 10
      game.Text1.SetText("A Left 10 ...Copy");
      game.Image1.SetVisible(true);
      game.Image2.SetVisible(false);
      SetCell(game, 1, "240");
      PlaceMarker(game, 702, 393);
      SetCell(game, 4, "");
      game.Label2.SetCaption("10");
      break;
    case 6:  // descends to 5000 ft, with the scales and their marker on 5000
      game.Image1.SetVisible(false);
      game.Image2.SetVisible(true);
      PlaceMarker(game, 673, 436);
      SetCell(game, 1, "10");
      SetCell(game, 3, "5000");
      game.Label2.SetCaption("5000");
      break;
    case 7:  // turns to 290 with Establish ticked and seeks the beam
      game.Image1.SetVisible(true);
      game.Image2.SetVisible(false);
      PlaceMarker(game, 650, 422);
      game.Check1.SetValue(1);
      SetCell(game, 4, "Seek");
      SetCell(game, 1, "290");
      game.Label2.SetCaption("290");
      break;
    case 8:
      SetCell(game, 4, "Est");
      SetCell(game, 1, "270");
      break;
    case 9:
      SetCell(game, 4, "Lock");
      SetCell(game, 3, "4600");
      break;
    case 10:
      SetCell(game, 4, "Down");
      break;
    default:
      break;
  }
}

}  // namespace

void Tutorial::ShowPage() {
  if (PageNo < 1 || PageNo > 12) return;
  const Page& page = Pages()[PageNo - 1];
  Label1.SetCaption(page.title);
  Label2.SetCaption(page.lines.join("\r\n"));
  WriteExample(W().vantix(), PageNo);
}
