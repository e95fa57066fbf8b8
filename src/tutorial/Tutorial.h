// The tutorial window: twelve pages turned with Next >>, left with Finish, and a blink that
// shows on the disabled game window what each page explains.
#pragma once

#include <cstdint>

#include "platform/Controls.h"
#include "platform/Form.h"

class Windows;

class Tutorial : public rt::Form {
 public:
  explicit Tutorial(Windows& windows);
  ~Tutorial() override;

  std::int16_t PageNo = 0;     // the page shown, 1..12
  std::int16_t DemoShown = 0;  // -1 after a demonstration frame, 0 after a normal one

  rt::Label Label1{Client()};  // page title
  rt::Label Label2{Client()};  // page text
  rt::CommandButton Command2{Client()};  // Next >>
  rt::CommandButton Command1{Client()};  // Finish
  rt::Timer Timer1;                      // the blink, every 500 ms

  void Command1_Click();
  void Form_Load();
  void Command2_Click();
  void ShowPage();
  void ShowDemo();
  void ClearDemo();
  void DrawDemoAircraft(std::int16_t DemoX, std::int16_t DemoY, std::int16_t Heading,
                        std::int16_t AltHundreds, std::int32_t Colour);
  void Timer1_Timer();

  Windows& W() { return windows_; }

 protected:
  void Form_QueryUnload(std::int16_t& Cancel, int UnloadMode) override;

 private:
  Windows& windows_;
};
