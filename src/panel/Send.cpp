// SEND: a command to the selected aircraft.
#include "simulation/Vantix.h"

void Vantix::Command2_Click() {}
