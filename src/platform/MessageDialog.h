#pragma once

// A modal dialog with a message, an explanation, an icon and up to three
// buttons: the action button, the cancel button and the alternate action
// button. ShowModal gives the button the user pressed.

#include <string>

namespace fw {

struct MessageDialogButton {
    std::string Caption;
    bool Visible = false;
};

class MessageDialog {
public:
    // Icon numbers: 0 note, 1 caution, 2 stop, 3 question.
    std::string Title;
    std::string Message;
    std::string Explanation;
    int Icon = 0;
    MessageDialogButton ActionButton{"OK", true};
    MessageDialogButton CancelButton{"Cancel", false};
    MessageDialogButton AlternateActionButton{"", false};

    // The pressed button (compare it with the address of one of the three), or
    // nullptr when the dialog ended without one.
    MessageDialogButton* ShowModal();
};

}  // namespace fw
