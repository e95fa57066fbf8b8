// The front screen: the level choice and descriptions, the intro or the last game's report, the
// high-score table, and the ways into a game, the tutorial, the web pages and out.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"

class Windows;

class Levelform : public rt::Form {
 public:
  explicit Levelform(Windows& windows);
  ~Levelform() override;

  // ---- The high-score entries by level 1..6 (element 0 unused) and the score-code table.
  QString HighName[7];
  std::int16_t HighTime[7] = {};
  std::int16_t HighSafety[7] = {};
  std::int16_t HighScore[7] = {};
  QString ScoreCode[4][7];  // (field 1..3, level 1..6)
  // Why the intro's last reading of "scores.dat" failed; empty when it read the file or found
  // none. While it is set, a save would replace entries that were never read, and is refused.
  QString ScoresUnread;

  // ---- Controls; every one lies inside Frame1.
  rt::Frame Frame1{Client()};
 private:
  std::vector<rt::OptionButton*> optionGroup_;
  QWidget* F() const { return Frame1.Widget(); }

 public:
  rt::Label Label6{F()};     // the intro or the end-of-game report
  rt::Label Label10{F()};    // the ticked level's description
  rt::PictureBox Picture1{F(), 361, 105};  // the landing chart of the last game
  rt::Label Label5{F()};     // fixed hint
  rt::TextBox Text3{F(), false};  // the outcome word of the last game; "start" before any
  rt::TextBox Text4{F(), false};  // seconds remaining
  rt::TextBox Text5{F(), false};  // safety level
  rt::TextBox Text6{F(), false};  // landings + 100 x level
  rt::CommandButton Command4{F()};  // Run Tutorial
  rt::Label Label1{F()};     // header of the high-score table
  rt::ListBox List1[5]{rt::ListBox{F()}, rt::ListBox{F()}, rt::ListBox{F()}, rt::ListBox{F()},
                       rt::ListBox{F()}};  // name, time taken, safety, score, level name
  rt::OptionButton Option1[6]{{F(), &optionGroup_}, {F(), &optionGroup_}, {F(), &optionGroup_},
                              {F(), &optionGroup_}, {F(), &optionGroup_}, {F(), &optionGroup_}};
  rt::CommandButton Command3{F()};  // Start
  rt::CommandButton Command5{F()};  // Exit
  rt::CommandButton Command2{F()};  // Web site
  rt::CommandButton Command1{F()};  // Submit
  rt::Label Label2{F()};     // note on the web site and on Submit

  // ---- Events and procedures.
  void Form_Initialize();
  void Form_Activate() override;
  void Form_Unload(std::int16_t& Cancel) override;
  void Command3_Click();
  void Command4_Click();
  void Command2_Click();
  void Command5_Click();
  void Command1_Click();
  void Option1_Click(std::int16_t Index);
  void ShowIntro();
  void ShowResults();
  void SaveScores();
  void DecodeDigit(std::int16_t& Field, std::int32_t& LevelNo, std::int16_t& FirstPos,
                   std::int16_t& LastPos, QString& Letter, std::int16_t& Digit);

  Windows& W() { return windows_; }

 private:
  void SetUpControls();
  Windows& windows_;
};
