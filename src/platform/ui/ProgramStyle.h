#pragma once

namespace ui {

// The program's look: Qt's Fusion style, with the focus shown on every kind
// of control whenever it has the focus, not only after the Tab key (a clerk
// who clicks into a field or presses Enter must see where typing goes).
void installProgramStyle();

} // namespace ui
