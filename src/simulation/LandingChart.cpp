// The landing-interval chart, drawn on the front screen at the end of every game.
#include "Windows.h"
#include "frontscreen/Levelform.h"
#include "simulation/Vantix.h"

void Vantix::DrawLandingChart() { W().levelform().Picture1.Draw().Cls(); }
