// The game window: the radar picture on the left, the controller's panel on the right, and the
// whole state of a game. Its procedures are spread over files by concern: the game run, the
// set-up, aircraft creation, motion, the approach, hazards, the tick end, the radar and the
// terrain map here in simulation/, the panel's handlers in panel/.
#pragma once

#include <QString>
#include <cstdint>

#include "platform/Controls.h"
#include "platform/Form.h"

class Windows;

// What an arrival's AcState holds: 1 to 4 while it holds in that stack, then these.
namespace acstate {
constexpr std::int16_t kCleared = -1;  // off the runway: landed and counted
constexpr std::int16_t kFree = 0;      // the slot is unused
constexpr std::int16_t kControlled = 5;
constexpr std::int16_t kSeek = 6;      // looking for the centre line
constexpr std::int16_t kEstablished = 7;
constexpr std::int16_t kLocked = 8;    // on the glide path
constexpr std::int16_t kDown = 9;      // rolling out on the runway
}  // namespace acstate

// An arrival's call sign: A for slot 1, B for slot 2, ...
inline QString CallSign(int slot) {
  return QString(QChar(64 + slot));
}

// Degrees to radians with the game's own constant, 3.14, not pi.
inline double Radians(double degrees) {
  return degrees * 3.14 / 180;
}

class Vantix : public rt::Form {
 public:
  explicit Vantix(Windows& windows);
  ~Vantix() override;

  // ---- Game state: the window's variables, zero (or "") until a game sets them.
  // Integer 16-bit, Long 32-bit, Single float; every slot-0 element stays 0 for the whole run.

  float Starttime() const { return starttime_; }
  void SetStarttime(float t) { starttime_ = t; }

  std::int16_t RunwayOffset = 0;            // +20 runway "27L", -20 "09R"
  std::uint8_t GroundBand[557][557] = {};   // (x, y): terrain band 0..8 of each radar pixel
  std::int32_t BandColour[17] = {};         // the nine legend colours, 0..8
  float PosX[31][10] = {};                  // (slot, k): k = 0 the position, 1..9 the trail
  float PosY[31][10] = {};
  float TrailSlot = 0;                      // trail cursor: the column written next, rounded
  std::int16_t AcType[31] = {};
  std::int16_t AcState[31] = {};            // arrival state, or a departure's route counter
  std::int16_t LandTime[21] = {};           // game seconds elapsed at clearing the runway
  std::int16_t AcSpeed[31] = {};
  std::int16_t AcHeading[31] = {};
  std::int16_t AcAlt[31] = {};
  std::int16_t TargetSpeed[31] = {};
  std::int16_t TargetHeading[31] = {};      // +(h+1) right to h, -(h+1) left to h, 0, -2 circle
  std::int16_t TargetAlt[31] = {};
  QString TypeName[6];
  QString StateName[11];
  std::int32_t TypeColour[6] = {};
  std::int16_t SpeedRange[6][2] = {};       // (type, 0 minimum / 1 maximum)
  std::int16_t RouteTable[7][41] = {};      // departure scripts, rows 1..6
  float Safety = 0;
  std::int16_t Landings = 0;
  std::int16_t NextArrival = 0;
  float WindX = 0;
  float WindY = 0;
  std::int16_t EmergencyAc = 0;
  std::int16_t EmergencyTicks = 0;
  std::int16_t EmergencyKind = 0;
  QString EmergencyText[6];
  std::int16_t CrtFault = 0;
  std::int16_t RadioLostAc = 0;
  std::int16_t RadioLostTicks = 0;
  std::int16_t ClockMin = 0;
  std::int16_t ClockSec = 0;
  std::int16_t Level = 0;
  std::int16_t GameOver = 0;

  // ---- Controls, from the bottom of the stack to its top.
  rt::Image Image2{Client()};      // altitude and speed scales (hidden at design)
  rt::Image Image1{Client()};      // heading dial
  rt::Label Label27{Client()};     // game clock
  rt::Label Label1{Client()};      // header of the aircraft table
  rt::Label Label2{Client()};      // the selector's readout; SEND reads the value from it
  rt::Label Label3{Client()};      // safety gauge, upper red part
  rt::Label Label4{Client()};      // safety gauge, lower green part with the percentage
  rt::Label Label8{Client()};      // wind speed
  rt::Shape Shape2{Client()};      // wind direction marker
  rt::Label Label12{Client()};     // landing runway
  rt::Shape Shape1{Client()};      // the selector's marker
  rt::TextBox Text3{Client(), true};   // emergency line
  rt::TextBox Text2{Client(), true};   // warnings box, load progress
  rt::ListBox List1[5]{rt::ListBox{Client()}, rt::ListBox{Client()}, rt::ListBox{Client()},
                       rt::ListBox{Client()}, rt::ListBox{Client()}};  // Type, Heading, Knts, Alt, Status
  rt::ListBox List2{Client()};     // command list
  rt::CommandButton Command2{Client()};  // SEND
  rt::CheckBox Check1{Client()};   // Establish
  rt::TextBox Text1{Client(), false};  // radio line
  rt::CheckBox Check3{Client()};   // Fast
  rt::CheckBox Check2{Client()};   // Sound
  rt::CommandButton Command1{Client()};  // End Game

  // ---- Events and procedures.
  void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) override;
  void Command1_Click();
  void Form_Activate() override;
  void FlySeek(std::int16_t Slot);
  void FlyEstablished(std::int16_t Slot);
  void FlyLocked(std::int16_t Slot);
  void FlyRollout(std::int16_t Slot, std::int16_t& Cleared);
  void Collide(std::int16_t Slot);
  void CheckAirspace(std::int16_t Slot, std::int16_t& Crashed);
  void AddSafety(std::int16_t Delta, std::int16_t Slot, const QString& Msg);
  void FlyHolding(std::int16_t Slot);
  void FinishTick();
  void InitGame();
  void NewAircraft(std::int16_t Kind);
  void List1_Click(std::int16_t Index);
  void Image1_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void Image2_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
  void SetSelector(std::int16_t Mode, std::int16_t Setting);
  void List2_Click();
  void Command2_Click();
  void LoadGroundMap();
  void ShowLoadProgress(std::int16_t Row);

  // The steps of a tick, in their order (the game run calls them).
  // The arrival pass returns false when a crash or a collision ends the game at once.
  bool ArrivalPass();
  void DeparturePass();
  void ClockStep();
  void RedrawRadar();
  void ShowEmergencyLine();
  // The landing-interval chart on the front screen, at the end of every game.
  void DrawLandingChart();

  // True while a game runs in this window's activation.
  bool GameRunning() const { return running_; }

  Windows& W() { return windows_; }

 private:
  void SetUpControls();
  void RunGame();
  void HandOver();

  Windows& windows_;
  float starttime_ = 0;
  double tickEnd_ = 0;  // when the current tick ends, on the monotonic clock
  bool running_ = false;
};
