// A game window between two ticks, with arrivals in the table, ready for the player's clicks.
#pragma once

#include <QString>
#include <cstdint>

#include "support/QStringPrinter.h"
#include "support/TestWorld.h"

// The commands of the command list, by their place in it.
enum Command : int { kNone = -1, kLeft, kRight, kCircleL, kCircleR, kAltitude, kSpeed, kMaintain };

// Twips of a click on a picture's pixel (x, y) counted from its middle pixel (48, 48).
inline float DialTwips(int fromMiddle) {
  return static_cast<float>((48 + fromMiddle) * 15);
}

struct Arrival {
  std::int16_t state;
  std::int16_t type;
  std::int16_t heading;
  std::int16_t speed;
  std::int16_t alt;
};

class PanelFixture {
 public:
  PanelFixture() {
    Vantix& g = game();
    // The tables the set-up fills in every game.
    const char* names[] = {"", "Stk1", "Stk2", "Stk3", "Stk4", " ", "Seek", "Est", "Lock", "Down"};
    for (int s = 1; s <= 9; ++s) g.StateName[s] = names[s];
    const std::int16_t ranges[6][2] = {{0, 0},     {100, 140}, {120, 160},
                                       {160, 200}, {180, 220}, {200, 260}};
    for (int t = 0; t <= 5; ++t) {
      g.SpeedRange[t][0] = ranges[t][0];
      g.SpeedRange[t][1] = ranges[t][1];
    }
    g.Level = 1;
    // A, B, C and D as a game starts with them; C is a Cessna heading south.
    Add(1, {3, 1, 80, 120, 7000});
    Add(2, {2, 1, 200, 120, 7000});
    Add(3, {1, 1, 180, 120, 7000});
    Add(4, {4, 1, 290, 120, 7000});
  }

  Vantix& game() { return world.game(); }

  // Puts an arrival into its slot and its row of the table.
  void Add(int slot, const Arrival& a) {
    Vantix& g = game();
    g.AcState[slot] = a.state;
    g.AcType[slot] = a.type;
    g.AcHeading[slot] = a.heading;
    g.TargetHeading[slot] = static_cast<std::int16_t>(a.heading + 1);
    g.AcSpeed[slot] = g.TargetSpeed[slot] = a.speed;
    g.AcAlt[slot] = g.TargetAlt[slot] = a.alt;
    const QString cells[5] = {QString(QChar(64 + slot)) + " Cessna", QString::number(a.heading),
                              QString::number(a.speed), QString::number(a.alt),
                              a.state >= 1 && a.state <= 9 ? g.StateName[a.state] : "Clear"};
    for (int col = 0; col < 5; ++col) {
      if (g.List1[col].ListCount() >= slot)
        g.List1[col].SetList(slot - 1, cells[col]);
      else
        g.List1[col].AddItem(cells[col]);
    }
  }

  TestWorld world;
};
