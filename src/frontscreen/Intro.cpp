// The intro, the level choice and the high-score table.
#include "frontscreen/Levelform.h"

void Levelform::ShowIntro() {
  Option1_Click(0);
  Option1[0].SetValue(true);
}

void Levelform::Option1_Click(std::int16_t /*Index*/) {}
