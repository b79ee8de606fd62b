#pragma once

#include "desktop/gamepad_input.h"

namespace vorlin {

class Form1;

// What A and the keys do in the game's window: the keys take the keyboard's way into the game,
// A clicks Start on the start panel and elsewhere the button that has the keyboard focus.
GamepadInput::Actions windowActions(Form1& form);

} // namespace vorlin
