// Submitting the ticked level's high score to the scores web page.
#include "frontscreen/Levelform.h"

void Levelform::Command1_Click() {}
