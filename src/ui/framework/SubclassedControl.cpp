#include "SubclassedControl.h"

namespace glyphsmith::ui {

bool SubclassedControl::SubclassWindow(QWidget* control) {
    if (window_ != nullptr || control == nullptr) {
        return false;
    }
    window_ = control;
    control->installEventFilter(this);
    PreSubclassWindow();
    return true;
}

bool SubclassedControl::WindowEvent(QEvent*) {
    return false;
}

bool SubclassedControl::eventFilter(QObject* watched, QEvent* event) {
    return watched == window_ && WindowEvent(event);
}

} // namespace glyphsmith::ui
