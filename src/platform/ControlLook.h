// What the controls share in how they look: their colours go through their palette.
#pragma once

#include <QPalette>

#include "platform/Numbers.h"

class QWidget;

namespace rt {

// Sets one colour of a control in every state of its window.
void SetRole(QWidget* w, QPalette::ColorRole role, Colour c);

}  // namespace rt
