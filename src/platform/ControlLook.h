// What the controls share in how they look: their colours go through their palette, and they
// keep their look in a disabled window.
#pragma once

#include <QPalette>

#include "platform/Numbers.h"

class QStyleOption;
class QWidget;

namespace rt {

// Sets one colour of a control in every state of its window.
void SetRole(QWidget* w, QPalette::ColorRole role, Colour c);

// A control greys only when it is disabled itself. A disabled window takes no input, but its
// controls look as they do in an enabled one: the tutorial shows the game window so. Turns the
// style option of a control that its window alone disables back into an enabled one.
void KeepLookInDisabledWindow(const QWidget* w, QStyleOption* option);

}  // namespace rt
