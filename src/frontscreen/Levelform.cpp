// The front screen's controls at their design places, its activation and its buttons.
#include "frontscreen/Levelform.h"

#include <QImage>
#include <QWidget>
#include <vector>

#include "Windows.h"
#include "externals/Externals.h"
#include "simulation/Vantix.h"
#include "tutorial/Tutorial.h"

using rt::MakeFont;
using rt::Rgb;

namespace {
constexpr rt::Colour kPaleYellow = Rgb(255, 255, 192);
constexpr rt::Colour kLightGrey = Rgb(192, 192, 192);
constexpr rt::Colour kLightYellow = Rgb(255, 255, 128);
constexpr rt::Colour kBlack = Rgb(0, 0, 0);
}  // namespace

Levelform::Levelform(Windows& windows)
    : rt::Form("Vantix - Options", 573, 475, 224, 149, false), windows_(windows) {
  Form_Initialize();
  SetUpControls();
}

Levelform::~Levelform() = default;

void Levelform::SetUpControls() {
  SetIcon(QImage(":/pictures/icon.png"));
  Frame1.Move(0, 0, 657, 513);
  Frame1.SetCaption("VANTIX - V 2.0", MakeFont("Times New Roman", 12, true, false, true));
  Frame1.SetBackColour(kLightGrey);

  const QFont report = MakeFont("Times New Roman", 9.75, true);
  Label6.Move(24, 24, 321, 145);
  Label6.SetBackColour(kPaleYellow);
  Label6.SetBorder(true);
  Label6.SetFont(report);
  Label6.SetWordWrap(true);

  Label10.Move(352, 24, 217, 145);
  Label10.SetCaption("Label10");
  Label10.SetBackColour(kPaleYellow);
  Label10.SetBorder(true);
  Label10.SetFont(report);
  Label10.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label10.SetWordWrap(true);

  Picture1.Move(16, 176, 361, 105);
  Picture1.SetBackColour(kLightGrey);
  Picture1.Draw().SetPicture(QImage(":/pictures/chart.png"), kLightGrey);

  Label5.Move(384, 192, 177, 57);
  Label5.SetCaption(
      "Press F1 at anytime during the game for playing instructions . Press start to begin play");
  Label5.SetBackColour(kPaleYellow);
  Label5.SetBorder(true);
  Label5.SetFont(MakeFont("Times New Roman", 9.75, true, true));
  Label5.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label5.SetWordWrap(true);

  Text3.Move(384, 256, 41, 19);
  Text3.SetText("start");
  Text4.Move(432, 256, 49, 19);
  Text4.SetText("Text4");
  Text5.Move(488, 256, 41, 19);
  Text5.SetText("Text5");
  Text6.Move(536, 256, 41, 19);
  Text6.SetText("Text6");
  for (rt::TextBox* box : {&Text3, &Text4, &Text5, &Text6}) box->SetVisible(false);

  Command4.Move(440, 256, 89, 25);
  Command4.SetCaption("Run Tutorial");
  Command4.OnClick([this] { Command4_Click(); });

  Label1.Move(40, 288, 393, 17);
  Label1.SetCaption("High Score            Name           Time       Safety     Score");
  Label1.SetBackStyle(0);
  Label1.SetFont(MakeFont("MS Sans Serif", 9.75, true));

  const int left[5] = {152, 248, 312, 376, 32};
  const int width[5] = {97, 65, 65, 57, 121};
  for (int i = 0; i < 5; ++i) {
    List1[i].Move(left[i], 304, width[i], 124);
    List1[i].SetFont(MakeFont("MS Sans Serif", 12, true));
    List1[i].SetForeColour(kLightYellow);
    List1[i].SetBackColour(kBlack);
    List1[i].SetBorder(true);
    List1[i].SetRowHeight(20);
    for (int row = 0; row < 6; ++row) List1[i].AddItem(i == 0 ? "?" : "0");
  }
  List1[4].Clear();
  for (const char* level : {"Beginner", "Trainee", "Intermediate", "Advanced", "Expert", "Professional"})
    List1[4].AddItem(level);

  const int optionTop[6] = {304, 328, 344, 368, 384, 408};
  const int optionHeight[6] = {25, 19, 27, 19, 25, 19};
  for (int i = 0; i < 6; ++i) {
    Option1[i].Move(16, optionTop[i], 17, optionHeight[i]);
    Option1[i].SetBackColour(kBlack);
    Option1[i].OnClick([this, i] { Option1_Click(static_cast<std::int16_t>(i)); });
  }

  const QFont big = MakeFont("Times New Roman", 12, true);
  Command3.Move(440, 376, 57, 25);
  Command3.SetCaption("Start");
  Command3.SetFont(big);
  Command3.OnClick([this] { Command3_Click(); });
  Command5.Move(512, 376, 57, 25);
  Command5.SetCaption("Exit");
  Command5.SetFont(big);
  Command5.OnClick([this] { Command5_Click(); });
  Command2.Move(504, 416, 65, 25);
  Command2.SetCaption("Web site");
  Command2.OnClick([this] { Command2_Click(); });
  Command1.Move(504, 448, 65, 25);
  Command1.SetCaption("Submit");
  Command1.OnClick([this] { Command1_Click(); });

  Label2.Move(8, 432, 489, 41);
  Label2.SetCaption(
      "Visit our web site for news and high score tables, or press Web site to go there now. "
      "If you have the high score for a level, select that level, then click on submit to "
      "include it in the ultimate high score tables.");
  Label2.SetBackStyle(0);
  Label2.SetWordWrap(true);

  // The design's tab order; the six options are one stop, at the ticked one.
  std::vector<rt::Control*> tabOrder = {&Command4, &Command3};
  for (rt::OptionButton& option : Option1) tabOrder.push_back(&option);
  for (rt::ListBox& column : List1) tabOrder.push_back(&column);
  tabOrder.insert(tabOrder.end(), {&Command1, &Command2, &Picture1, &Command5});
  for (std::size_t i = 1; i < tabOrder.size(); ++i)
    QWidget::setTabOrder(tabOrder[i - 1]->Widget(), tabOrder[i]->Widget());
  Command4.Widget()->setFocus();
}

void Levelform::Form_Activate() {
  // "start" means no game has been played yet.
  if (Text3.Text() == "start")
    ShowIntro();
  else
    ShowResults();
}

void Levelform::Command3_Click() {
  Hide();
  W().vantix().Show();
}

void Levelform::Command4_Click() {
  Hide();
  W().LoadTutorial().Show();
}

void Levelform::Command2_Click() { OpenWebSite(); }

void Levelform::Command5_Click() { rt::Svc().events.EndProgram(); }

void Levelform::Form_Unload(std::int16_t& /*Cancel*/) { rt::Svc().events.EndProgram(); }
