// The end-of-game report and the new high score.
#include "frontscreen/Levelform.h"

void Levelform::ShowResults() {}
