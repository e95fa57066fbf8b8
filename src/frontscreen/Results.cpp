// The end-of-game report and the new high score.
#include "frontscreen/Levelform.h"
#include "highscores/ScoreTable.h"
#include "platform/Services.h"

namespace {

// The message for an outcome word; a null text for any other text in the outcome box (a name
// typed for the last high score, or nothing), which keeps the report that is shown.
QString OutcomeMessage(const QString& word) {
  if (word == "exit") return "Goodbye until next time";
  if (word == "won")
    return "Congratulations - You have succesfully landed all the airplanes safely";
  if (word == "crashed")
    return "One of your planes has crashed. You are not safe enough to be an air traffic "
           "controller.";
  if (word == "safety") return "You are not safe enough to be an air traffic controller.";
  if (word == "time") return "You ran out of time. You will have to be quicker next time.";
  if (word == "collision")
    return "Two planes have collided. You are not safe enough to be an air traffic controller.";
  return {};
}

const char* const kNamePrompt =
    "Well Done - you have achieved the high score for this level.\r\n"
    "Please Enter your name. (Max 8 characters)\r\n"
    "Press cancel to leave high scores the same.";

// The name as the high-score file can hold it: at most 8 characters, each one byte of the file.
// A line break would split the file's lines and shift every later level by one, so it becomes a
// blank; a character the file has no byte for becomes "?", as it would read back next time.
QString StoredName(const QString& answer) {
  QString name;
  int characters = 0;
  for (const char32_t c : answer.toUcs4()) {
    if (characters++ == 8) break;
    if (c == '\r' || c == '\n')
      name += ' ';
    else if (c > 0xFF)
      name += '?';
    else
      name += QChar(static_cast<char16_t>(c));
  }
  return name;
}

}  // namespace

void Levelform::ShowResults() {
  const QString outcome = Text3.Text();
  const QString message = OutcomeMessage(outcome);
  if (!message.isNull()) Label6.SetCaption(message);

  // A time-out hands over -1 seconds: it counts as none left.
  double T = rt::Val(Text4.Text());
  if (T < 0) T = 0;
  const double S = rt::Val(Text5.Text());
  std::int16_t Score = rt::CInt(rt::Int(T * S / 100));
  const double result = rt::Val(Text6.Text());
  const std::int16_t Level = rt::CInt(rt::Int(result / 100));
  const std::int32_t Landed = rt::CLng(result) % 100;

  QString report = Label6.Caption() + "\r\n\r\n";
  report += "Total planes landed = " + rt::Dec(Landed) + " of ";
  const int required = Level == 1 ? 10 : Level == 2 ? 15 : Level > 2 ? 20 : 0;
  if (required > 0) {
    report += rt::Dec(required) + "\r\n";
    Score = rt::CInt(
        rt::Int(static_cast<std::int32_t>(Score) * Landed / static_cast<double>(required)));
  }
  report += "Time remaining      = " + rt::Dec(rt::CLng(rt::Int(T / 60))) + ":" +
            rt::Format00(rt::CLng(T) % 60) + " secs\r\n";
  report += "Safety Level              = " + Text5.Text() + "%\r\n";
  report += QString(34, '-') + "\r\n";
  // Beginner counts half, Trainee three quarters. Score is at most 3600 here, so three times it
  // stays well inside 16 bits.
  if (Level == 1) Score = rt::CInt(rt::Int(static_cast<float>(Score) / 2.0f));
  if (Level == 2) Score = rt::CInt(rt::Int(static_cast<float>(Score * 3) / 4.0f));
  report += "Final Score               = " + rt::Dec(Score);
  Label6.SetCaption(report);

  // Only a won game on one of the six levels enters the table, and only with a better score.
  if (outcome != "won" || Level < 1 || Level > 6 || Score <= HighScore[Level]) return;
  const QString answer = rt::Svc().dialogs.InputBox(kNamePrompt);
  Text3.SetText(answer);
  if (answer.isEmpty()) return;
  HighName[Level] = StoredName(answer);
  HighTime[Level] = rt::CInt(rt::Val(Text4.Text()));
  HighSafety[Level] = rt::CInt(rt::Val(Text5.Text()));
  HighScore[Level] = Score;
  highscores::ShowName(*this, Level);
  highscores::ShowNumbers(*this, Level);
  SaveScores();
}
