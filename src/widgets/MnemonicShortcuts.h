#pragma once
// Internal to the Qt widgets: a caption's accelerator ("&Send": Alt+S) as a
// shortcut of the widget's window, as Qt's own buttons have, so that it
// works wherever the focus is in that window. Activated, it goes to the
// control tree as the accelerator would in a form of the library
// (CM_DIALOGCHAR), marked as the user's input for the control it belongs to.

#include <QObject>

#include <map>

#include "host/framework/Controls.h"

class QShortcut;
class QWidget;

namespace Orvo {

// The accelerator character of a caption: the one after the first "&" that
// is not part of "&&", in lower case; 0 for none.
char AcceleratorOf(std::string_view caption);

class TMnemonicShortcuts {
public:
    explicit TMnemonicShortcuts(QWidget* widget) : FWidget(widget) {}
    ~TMnemonicShortcuts();
    TMnemonicShortcuts(const TMnemonicShortcuts&) = delete;
    TMnemonicShortcuts& operator=(const TMnemonicShortcuts&) = delete;

    // Reads the captions of `root` and the controls in it again, keeping the
    // shortcuts of the controls that take accelerators (check boxes, radio
    // buttons, buttons); the first control with a character has it.
    void Refresh(TWinControl* root);
    // The characters that have a shortcut now.
    std::string Characters() const;

private:
    void Activate(char ch);

    QWidget* FWidget;
    TWinControl* FRoot = nullptr;
    std::map<char, TControl*> FTargets;
    std::map<char, QShortcut*> FShortcuts;
};

}  // namespace Orvo
