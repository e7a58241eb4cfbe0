#pragma once

namespace ui {

// The numbers forms and message boxes close with, as the rest of the program
// compares them.
struct ModalResult
{
    enum : int {
        None = 0,
        Ok = 1,
        Cancel = 2,
        Abort = 3,
        Retry = 4,
        Correct = 4,   // "Korrigieren" in the check dialogs: back to the form
        Ignore = 5,
        Yes = 6,
        No = 7,
    };
};

} // namespace ui
