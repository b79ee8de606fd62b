#include "gamepad_actions.h"

#include "form1.h"

#include <QAbstractButton>

namespace vorlin {

GamepadInput::Actions windowActions(Form1& form) {
    auto pressKey = [&form](int keyCode) {
        if (!form.programEnded()) form.Form_KeyDown(keyCode);
    };
    auto confirm = [&form] {
        if (form.programEnded()) return;
        if (form.controls().visible("Frame1")) {
            // "Start" still asks for a name first.
            form.clickControl("PulsanteStart");
            return;
        }
        auto* button = qobject_cast<QAbstractButton*>(form.focusWidget());
        if (button && button->isVisibleTo(&form) && button->isEnabled()) button->click();
    };
    return {pressKey, confirm};
}

} // namespace vorlin
