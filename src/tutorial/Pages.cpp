// The twelve pages and the example they write into the game window.
#include "tutorial/Tutorial.h"

void Tutorial::ShowPage() {}
