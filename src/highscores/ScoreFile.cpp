// The high-score file and its score-code table.
#include "frontscreen/Levelform.h"

void Levelform::Form_Initialize() {}

void Levelform::SaveScores() {}

void Levelform::DecodeDigit(std::int16_t&, std::int32_t&, std::int16_t&, std::int16_t&, QString&,
                            std::int16_t& Digit) {
  Digit = 0;
}
