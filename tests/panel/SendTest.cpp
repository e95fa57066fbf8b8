// SEND: each command's targets, state, Status cell, read-back and sound; the range reply; the
// presses that apply nothing; the lost radio at levels 5 and 6.
#include <gtest/gtest.h>

#include <ostream>

#include "PanelFixture.h"

namespace {

// C, slot 3, is row 2 of the table.
constexpr int kRowC = 2;
constexpr int kSlotC = 3;

// Everything a press of SEND may change for one aircraft, and what the player would notice.
struct Snapshot {
  std::int16_t state, heading, targetHeading, targetAlt, targetSpeed;
  QString status, radio;
  int establish;
  qsizetype sounds;
  int draws;
  std::int16_t lostAc, lostTicks;
  bool operator==(const Snapshot&) const = default;
};

void PrintTo(const Snapshot& s, std::ostream* os) {
  *os << "state " << s.state << " heading " << s.heading << " targets " << s.targetHeading << "/"
      << s.targetAlt << "/" << s.targetSpeed << " status '" << s.status.toStdString() << "' radio '"
      << s.radio.toStdString() << "' establish " << s.establish << " sounds " << s.sounds
      << " draws " << s.draws << " lost " << s.lostAc << "/" << s.lostTicks;
}

Snapshot Take(PanelFixture& f, int slot) {
  Vantix& g = f.game();
  return {g.AcState[slot],      g.AcHeading[slot],   g.TargetHeading[slot],
          g.TargetAlt[slot],    g.TargetSpeed[slot], g.List1[4].List(slot - 1),
          g.Text1.Text(),       g.Check1.Value(),    f.world.sound.played.size(),
          f.world.random.draws, g.RadioLostAc,       g.RadioLostTicks};
}

// The player's order: the aircraft's row, the command, the readout, Establish, then SEND.
void Send(PanelFixture& f, int row, int command, const QString& readout, int establish = 0) {
  Vantix& g = f.game();
  g.List1[0].PlayerSelect(row);
  g.List2.PlayerSelect(command);
  g.Label2.SetCaption(readout);
  g.Check1.SetValue(establish);
  g.Command2.PlayerClick();
}

}  // namespace

/** LEFT 270 sent to C as a player gives it: the aircraft turns left until it heads 270, comes
 *  under control (or seeks the centre line with Establish ticked), its Status shows it, the
 *  radio line reads the order back, sound 2 plays while Sound is ticked, Establish is cleared. */
TEST(Send, LeftTo270FromTheDialIsAppliedAndReadBack) {
  struct Case {
    int establish, sound;
    std::int16_t state;
    const char* status;
    qsizetype sounds;
  } cases[] = {{0, 1, 5, " ", 1}, {1, 1, 6, "Seek", 1}, {0, 0, 5, " ", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "Establish " << c.establish << ", Sound " << c.sound);
    PanelFixture f;
    Vantix& g = f.game();
    g.Check2.SetValue(c.sound);
    g.List1[0].PlayerSelect(kRowC);
    g.List2.PlayerSelect(kLeft);
    g.Image1.PlayerMouseDown(DialTwips(-40), DialTwips(0));
    if (c.establish) g.Check1.PlayerClick();
    g.Command2.PlayerClick();
    EXPECT_EQ(g.TargetHeading[kSlotC], -271);
    EXPECT_EQ(g.AcState[kSlotC], c.state);
    EXPECT_EQ(g.List1[4].List(kRowC), c.status);
    EXPECT_EQ(g.Text1.Text(), "C LEFT 270 ...Copy");
    EXPECT_EQ(f.world.sound.played.size(), c.sounds);
    if (c.sounds) {
      EXPECT_EQ(f.world.sound.played[0], "s3.wav");
    }
    EXPECT_EQ(g.Check1.Value(), 0);
  }
}

/** Each command writes its targets and nothing else: turns set the target heading (+1 coded),
 *  CIRCLE takes its first 5-degree step at once, ALTITUDE and SPEED only their target and keep
 *  the state, MAINTAIN makes the present heading, altitude and speed the targets. */
TEST(Send, EachCommandWritesItsTargetsAndTheTurnsSetTheState) {
  struct Case {
    int command;
    const char* readout;
    int establish;
    std::int16_t state0, heading0;
    // Expected afterwards.
    std::int16_t heading, targetHeading, targetAlt, targetSpeed, state;
    const char* status;
    const char* radio;
  } cases[] = {
      {kLeft, "270", 0, 1, 180, 180, -271, 5000, 110, 5, " ", "C LEFT 270 ...Copy"},
      {kRight, "90", 1, 7, 180, 180, 91, 5000, 110, 6, "Seek", "C RIGHT 90 ...Copy"},
      {kLeft, "0", 0, 8, 270, 270, -1, 5000, 110, 5, " ", "C LEFT 0 ...Copy"},
      {kCircleL, "40", 0, 3, 0, -5, -1, 5000, 110, 5, " ", "C CIRCLE L 40 ...Copy"},
      {kCircleR, "7000", 0, 6, 90, 95, 91, 5000, 110, 5, " ", "C CIRCLE R 7000 ...Copy"},
      {kCircleR, "0", 1, 5, 357, 362, 358, 5000, 110, 6, "Seek", "C CIRCLE R 0 ...Copy"},
      {kAltitude, "3000", 1, 2, 180, 180, 181, 3000, 110, 2, "Stk2", "C ALTITUDE 3000 ...Copy"},
      {kAltitude, "12000", 0, 8, 180, 180, 181, 12000, 110, 8, "Lock", "C ALTITUDE 12000 ...Copy"},
      {kSpeed, "100", 0, 6, 180, 180, 181, 5000, 100, 6, "Seek", "C SPEED 100 ...Copy"},
      {kSpeed, "140", 1, 1, 180, 180, 181, 5000, 140, 1, "Stk1", "C SPEED 140 ...Copy"},
      {kMaintain, "185", 0, 4, 180, 180, 181, 7000, 120, 5, " ", "C MAINTAIN 185 ...Copy"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "command " << c.command << " " << c.readout);
    PanelFixture f;
    Vantix& g = f.game();
    f.Add(kSlotC, {c.state0, 1, c.heading0, 120, 7000});
    g.TargetAlt[kSlotC] = 5000;
    g.TargetSpeed[kSlotC] = 110;
    Send(f, kRowC, c.command, c.readout, c.establish);
    EXPECT_EQ(g.AcHeading[kSlotC], c.heading);
    EXPECT_EQ(g.TargetHeading[kSlotC], c.targetHeading);
    EXPECT_EQ(g.TargetAlt[kSlotC], c.targetAlt);
    EXPECT_EQ(g.TargetSpeed[kSlotC], c.targetSpeed);
    EXPECT_EQ(g.AcState[kSlotC], c.state);
    EXPECT_EQ(g.List1[4].List(kRowC), c.status);
    EXPECT_EQ(g.Text1.Text(), c.radio);
    EXPECT_EQ(g.Check1.Value(), 0);
    EXPECT_EQ(f.world.sound.played.size(), 1);
    EXPECT_EQ(g.AcAlt[kSlotC], 7000);
    EXPECT_EQ(g.AcSpeed[kSlotC], 120);
  }
}

/** The choices survive a SEND, so the same order goes again with one press, and every CIRCLE
 *  steps the heading again; CIRCLE R after ALTITUDE reads back the altitude shown. */
TEST(Send, TheChoicesStaySoTheSameOrderCanBeSentAgain) {
  PanelFixture f;
  Vantix& g = f.game();
  f.Add(kSlotC, {1, 1, 90, 120, 7000});
  g.List1[0].PlayerSelect(kRowC);
  g.List2.PlayerSelect(kAltitude);  // the readout shows 7000
  g.List2.PlayerSelect(kCircleR);
  g.Command2.PlayerClick();
  g.Command2.PlayerClick();
  EXPECT_EQ(g.AcHeading[kSlotC], 100);
  EXPECT_EQ(g.TargetHeading[kSlotC], 96);
  EXPECT_EQ(g.Text1.Text(), "C CIRCLE R 7000 ...Copy");
  EXPECT_EQ(f.world.sound.played.size(), 2);
}

/** SPEED outside the type's range gets "Range" with the bounds and nothing else: no target, no
 *  Status, no sound, Establish keeps its tick; the bounds themselves are accepted (above). */
TEST(Send, ASpeedOutsideTheTypesRangeIsAnsweredWithTheRangeOnly) {
  struct Case {
    std::int16_t type;
    const char* readout;
    const char* radio;
  } cases[] = {{1, "160", "Range100-140"}, {1, "99", "Range100-140"}, {5, "262", "Range200-260"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.readout);
    PanelFixture f;
    Vantix& g = f.game();
    f.Add(kSlotC, {2, c.type, 180, 120, 7000});
    g.Text1.SetText("Good Luck");
    g.Check1.SetValue(1);
    Snapshot expected = Take(f, kSlotC);
    expected.radio = c.radio;
    Send(f, kRowC, kSpeed, c.readout, 1);
    EXPECT_EQ(Take(f, kSlotC), expected);
  }
}

/** A press that cannot be applied does nothing at all: no aircraft chosen, a free slot, an
 *  aircraft rolling out on the runway, or no command chosen at levels 1 to 4. */
TEST(Send, APressThatCannotBeAppliedChangesNothing) {
  struct Case {
    const char* what;
    int row;
    std::int16_t state;
    int command;
    std::int16_t level;
  } cases[] = {
      {"no aircraft", -1, 1, kLeft, 6},
      {"free slot", kRowC, 0, kLeft, 6},
      {"Down", kRowC, 9, kMaintain, 6},
      {"no command, level 1", kRowC, 1, kNone, 1},
      {"no command, level 4", kRowC, 7, kNone, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PanelFixture f;
    Vantix& g = f.game();
    f.Add(kSlotC, {c.state, 1, 180, 120, 7000});
    g.Level = c.level;
    g.Text1.SetText("Good Luck");
    g.Check1.SetValue(1);
    const Snapshot before = Take(f, kSlotC);
    if (c.row >= 0) g.List1[0].PlayerSelect(c.row);
    g.List2.PlayerSelect(c.command);
    g.Label2.SetCaption("270");
    g.Command2.PlayerClick();
    EXPECT_EQ(Take(f, kSlotC), before);
  }
}

/** An arrival that has cleared the runway is done with: no command reaches it, so a turn cannot
 *  bring it back into the game at 0 ft for a landing that would count a second time. */
TEST(Send, AnArrivalThatHasClearedTheRunwayTakesNoOrders) {
  for (int command = kLeft; command <= kMaintain; ++command) {
    SCOPED_TRACE(command);
    PanelFixture f;
    Vantix& g = f.game();
    f.Add(kSlotC, {-1, 1, 270, 0, 0});
    g.Level = 6;  // not even the radio is rolled for
    g.Text1.SetText("Good Luck");
    g.Check1.SetValue(1);
    const Snapshot before = Take(f, kSlotC);
    ASSERT_EQ(before.status, "Clear");
    Send(f, kRowC, command, command == kSpeed ? "120" : "270", 1);
    EXPECT_EQ(Take(f, kSlotC), before);
    EXPECT_EQ(g.AcState[kSlotC], -1);
  }
}

/** At levels 5 and 6 each press draws once for the radio unless an aircraft's radio is out
 *  already or the aircraft has the emergency; a whole part of r x 80 below 2 loses it for
 *  30 + the whole part of a second draw x 40 ticks. Below level 5 nothing is drawn. Both
 *  products are taken in single precision: 0.175f lies just below 0.175, and x 40 it rounds up
 *  to 7 in single precision (37 ticks), where in double it stays below (36). */
TEST(Send, ThePressMayLoseTheRadioOnlyAtLevelsFiveAndSix) {
  struct Case {
    std::int16_t level;
    float roll, length;
    std::int16_t emergencyAc;
    int draws;
    std::int16_t lostAc, lostTicks;
  } cases[] = {
      {4, 0.0f, 0.0f, 0, 0, 0, 0},      {1, 0.0f, 0.0f, 0, 0, 0, 0},
      {5, 0.0249f, 0.0f, 0, 2, 3, 30},  {6, 0.0f, 0.999f, 0, 2, 3, 69},
      {5, 0.025f, 0.0f, 0, 1, 0, 0},    {6, 0.9f, 0.0f, 0, 1, 0, 0},
      {6, 0.0f, 0.0f, kSlotC, 0, 0, 0}, {6, 0.0f, 0.5f, 1, 2, 3, 50},
      {6, 0.0f, 0.175f, 0, 2, 3, 37},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "level " << c.level << ", roll " << c.roll << ", length " << c.length);
    PanelFixture f;
    Vantix& g = f.game();
    g.Level = c.level;
    g.EmergencyAc = c.emergencyAc;
    f.world.random.script = {c.roll, c.length};
    Send(f, kRowC, kLeft, "270");
    EXPECT_EQ(f.world.random.draws, c.draws);
    EXPECT_EQ(g.RadioLostAc, c.lostAc);
    EXPECT_EQ(g.RadioLostTicks, c.lostTicks);
    EXPECT_EQ(g.Text1.Text(), c.lostAc ? "C LEFT 270 ...." : "C LEFT 270 ...Copy");
    EXPECT_EQ(g.TargetHeading[kSlotC], c.lostAc ? 181 : -271);
  }
}

/** While C's radio is out every press for C only echoes the call with " ....": no target, no
 *  state, no Status, no sound, Establish stays ticked, and no new roll is made; the other
 *  aircraft answer as usual. With no command chosen the echo has an empty command part. */
TEST(Send, AnAircraftWithItsRadioOutOnlyEchoesTheCallWhileOthersAnswer) {
  PanelFixture f;
  Vantix& g = f.game();
  g.Level = 5;
  f.world.random.script = {0.0f, 0.25f};
  g.Text1.SetText("Good Luck");
  Send(f, kRowC, kNone, "7000", 1);
  EXPECT_EQ(g.Text1.Text(), "C  7000 ....");
  ASSERT_EQ(g.RadioLostAc, kSlotC);
  EXPECT_EQ(g.RadioLostTicks, 40);

  Snapshot expected = Take(f, kSlotC);
  expected.radio = "C RIGHT 90 ....";
  g.List2.PlayerSelect(kRight);
  g.Label2.SetCaption("90");
  g.Command2.PlayerClick();
  g.Command2.PlayerClick();
  EXPECT_EQ(Take(f, kSlotC), expected);

  g.List1[0].PlayerSelect(0);  // A: its heading 80 is loaded
  g.Command2.PlayerClick();
  EXPECT_EQ(g.Text1.Text(), "A RIGHT 80 ...Copy");
  EXPECT_EQ(g.TargetHeading[1], 81);
  EXPECT_EQ(g.AcState[1], 6);
  EXPECT_EQ(f.world.random.draws, 2);
}
