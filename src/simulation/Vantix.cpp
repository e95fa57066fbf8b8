// The game window's controls at their design places, texts, fonts and colours.
#include "simulation/Vantix.h"

#include <QImage>
#include <QWidget>

#include "Windows.h"

using rt::MakeFont;
using rt::Rgb;

namespace {
constexpr rt::Colour kWhite = Rgb(255, 255, 255);
constexpr rt::Colour kBlack = Rgb(0, 0, 0);
constexpr int kTableRowHeight = 13;
}  // namespace

Vantix::Vantix(Windows& windows) : rt::Form("Vantix", 748, 556, 112, 140, true), windows_(windows) {
  SetUpControls();
}

Vantix::~Vantix() = default;

void Vantix::SetUpControls() {
  SetIcon(QImage(":/pictures/icon.png"));
  // Right of the picture the window shows its default colour, where no control covers it.
  Draw().SetPicture(QImage(":/pictures/radar.png"),
                    rt::FromQRgb(Client()->palette().color(QPalette::Window).rgb()));
  Draw().SetForeColour(Rgb(192, 0, 0));
  Draw().SetFillStyle(rt::Surface::kSolid);
  Draw().SetFont(MakeFont("Times New Roman", 8.25));

  const QFont tnr12b = MakeFont("Times New Roman", 12, true);
  Text3.Move(560, 6, 185, 24);
  Text3.SetFont(tnr12b);
  Text3.SetForeColour(kWhite);
  Text3.SetBackColour(kBlack);
  Text3.SetBorder(false);

  Text2.Move(560, 32, 185, 57);
  Text2.SetFont(tnr12b);
  Text2.SetForeColour(kWhite);
  Text2.SetBackColour(kBlack);
  Text2.SetBorder(true);

  Label1.Move(560, 96, 185, 25);
  Label1.SetCaption("Type       Heading  Knts   Alt    Status");
  Label1.SetFont(MakeFont("Times New Roman", 9));
  Label1.SetForeColour(kWhite);
  Label1.SetBackColour(kBlack);

  const int columnLeft[5] = {560, 616, 648, 680, 712};
  const int columnWidth[5] = {57, 33, 33, 33, 33};
  for (int i = 0; i < 5; ++i) {
    List1[i].Move(columnLeft[i], 120, columnWidth[i], 262);
    List1[i].SetFont(MakeFont("MS Sans Serif", 8.25));
    List1[i].SetForeColour(kWhite);
    List1[i].SetBackColour(kBlack);
    List1[i].SetBorder(false);
    List1[i].SetRowHeight(kTableRowHeight);
    List1[i].OnClick([this, i] { List1_Click(static_cast<std::int16_t>(i)); });
  }

  List2.Move(560, 384, 73, 114);
  for (const char* item : {"LEFT", "RIGHT", "CIRCLE L", "CIRCLE R", "ALTITUDE", "SPEED", "MAINTAIN"})
    List2.AddItem(item);
  List2.SetFont(MakeFont("Tahoma", 9.75, true));
  List2.SetForeColour(Rgb(128, 255, 255));
  List2.SetBackColour(kBlack);
  List2.SetBorder(true);
  List2.OnClick([this] { List2_Click(); });

  Image1.Move(648, 392, 96, 96);
  Image1.SetPicture(QImage(":/pictures/dial.png"));
  Image1.OnMouseDown([this](int b, int s, float x, float y) {
    Image1_MouseDown(static_cast<std::int16_t>(b), static_cast<std::int16_t>(s), x, y);
  });
  Image2.Move(648, 392, 96, 96);
  Image2.SetPicture(QImage(":/pictures/scales.png"));
  Image2.SetVisible(false);
  Image2.OnMouseDown([this](int b, int s, float x, float y) {
    Image2_MouseDown(static_cast<std::int16_t>(b), static_cast<std::int16_t>(s), x, y);
  });

  Shape1.Move(720, 400, 9, 9);
  Shape1.SetShapeLeft(720);
  Shape1.SetShapeTop(400);
  Shape1.SetFillColour(Rgb(0, 255, 255));
  Shape1.SetBorderColour(kBlack);

  Label2.Move(693, 432, 13, 14);
  Label2.SetForeColour(Rgb(128, 255, 255));
  Label2.SetBackColour(kBlack);
  Label2.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2.SetAutoSize(true);
  Label2.SetCaption("40");

  Command2.Move(680, 496, 65, 25);
  Command2.SetCaption("SEND");
  Command2.SetFont(MakeFont("MS Sans Serif", 8.25));
  Command2.SetBackColour(Rgb(128, 0, 0));
  Command2.SetFlat(true);
  Command2.OnClick([this] { Command2_Click(); });

  Check1.Move(560, 504, 105, 17);
  Check1.SetCaption("Establish");
  Check1.SetFont(MakeFont("Tahoma", 9.75, true));
  Check1.SetForeColour(Rgb(0, 255, 255));
  Check1.SetBackColour(kBlack);
  Check1.SetBoxRight(true);

  Text1.Move(560, 528, 177, 25);
  Text1.SetFont(MakeFont("MS Sans Serif", 8.25, true));
  Text1.SetForeColour(kWhite);
  Text1.SetBackColour(kBlack);
  Text1.SetBorder(false);

  Label27.Move(488, 56, 57, 25);
  Label27.SetFont(MakeFont("Tahoma", 14.25));
  Label27.SetForeColour(Rgb(255, 192, 255));
  Label27.SetBackColour(kBlack);
  Label27.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Check3.Move(504, 88, 41, 17);
  Check3.SetCaption("Fast");
  Check3.SetFont(MakeFont("Times New Roman", 8.25, true));
  Check3.SetBackColour(Rgb(128, 128, 128));

  Shape2.Move(64, 488, 9, 9);
  Shape2.SetShapeLeft(64);
  Shape2.SetShapeTop(488);
  Shape2.SetFillColour(Rgb(0, 255, 255));
  Shape2.SetBorderColour(kBlack);

  Label8.Move(32, 496, 33, 17);
  Label8.SetCaption("12");
  Label8.SetFont(MakeFont("Times New Roman", 9.75));
  Label8.SetForeColour(Rgb(0, 255, 255));
  Label8.SetBackStyle(0);
  Label8.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Label12.Move(80, 536, 57, 17);
  Label12.SetCaption("<-- 27L --");
  Label12.SetFont(MakeFont("Times New Roman", 8.25, true));
  Label12.SetBackColour(Rgb(255, 255, 192));
  Label12.SetBackStyle(0);
  Label12.SetAlignment(Qt::AlignHCenter | Qt::AlignTop);

  Label3.Move(520, 440, 25, 89);
  Label3.SetForeColour(kBlack);
  Label3.SetBackColour(Rgb(192, 0, 0));

  Label4.Move(520, 440, 25, 89);
  Label4.SetCaption("100%");
  // The gauge is 25 pixels wide: a narrow face keeps "100%" whole.
  Label4.SetFont(MakeFont("Liberation Sans Narrow", 8.25));
  Label4.SetBackColour(Rgb(0, 255, 0));

  Check2.Move(456, 504, 57, 17);
  Check2.SetCaption("Sound");
  Check2.SetFont(MakeFont("Times New Roman", 9.75, true));
  Check2.SetBackColour(Rgb(128, 128, 128));
  Check2.SetValue(1);

  Command1.Move(424, 528, 65, 17);
  Command1.SetCaption("End Game");
  Command1.SetFont(MakeFont("MS Sans Serif", 8.25));
  Command1.OnClick([this] { Command1_Click(); });

  // The tab order of the design, for the controls that take the focus.
  QWidget::setTabOrder(Check1.Widget(), Command1.Widget());
  QWidget::setTabOrder(Command1.Widget(), Command2.Widget());
  QWidget::setTabOrder(Command2.Widget(), List1[0].Widget());
  for (int i = 0; i < 4; ++i) QWidget::setTabOrder(List1[i].Widget(), List1[i + 1].Widget());
  QWidget::setTabOrder(List1[4].Widget(), List2.Widget());
  QWidget::setTabOrder(List2.Widget(), Check2.Widget());
  QWidget::setTabOrder(Check2.Widget(), Check3.Widget());
}
