// The intro, the level choice and the high-score table.
#include "frontscreen/Levelform.h"
#include "highscores/ScoreFile.h"

namespace {

const char* const kIntro =
    " Have you got what it takes to safely land 20 aircraft in 1 hour? \r\n"
    "It is up to you to guide a range of aircraft types onto the guide slope and down to a safe "
    "landing, you'll need to think ahead and control several planes at once to be the best Air "
    "Traffic Controller.\r\n"
    "Played in real time the simulation tests your ability to cope with many decisions at once, "
    "how will you cope in an emergency situation?";

// Each level adds its line to those of the level below from Intermediate on.
const char* const kLevelText[6] = {
    "Beginner:\r\n\r\nAll aircraft are Cessna's (slow).\r\n10 landings required for success.",
    "Trainee:\r\n\r\nMixed slow traffic.\r\n15 landings required for success.",
    "Intermediate:\r\n\r\nFull range of traffic.\r\n20 landings required for success.\r\n"
    "Outbound traffic.",
    "Advanced:\r\n\r\nFull range of traffic.\r\n20 landings required for success.\r\n"
    "Outbound traffic.\r\nEmergency situations.",
    "Expert:\r\n\r\nFull range of traffic.\r\n20 landings required for success.\r\n"
    "Outbound traffic.\r\nEmergency situations.\r\nLost radio contact.",
    "Professional:\r\n\r\nFull range of traffic.\r\n20 landings required for success.\r\n"
    "Outbound traffic.\r\nEmergency situations.\r\nLost radio contact.\r\nCRT malfunction.",
};

}  // namespace

void Levelform::ShowIntro() {
  // Every intro starts again on Beginner, whatever was ticked before the tutorial.
  Option1_Click(0);
  Option1[0].SetValue(true);
  Label6.SetCaption(kIntro);
  highscores::ReadScoreFile(*this);
}

void Levelform::Option1_Click(std::int16_t Index) {
  if (Index < 0 || Index > 5) return;
  Label10.SetCaption(kLevelText[Index]);
}
