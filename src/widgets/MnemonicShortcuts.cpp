#include "widgets/MnemonicShortcuts.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include <cctype>

#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoCheckControls.h"

namespace Orvo {

namespace {

// The controls whose accelerator does something: a press, a check, a toggle.
bool TakesAccelerator(const TControl* control) {
    return dynamic_cast<const TOrvoCheckBox*>(control) || dynamic_cast<const TOrvoRadioButton*>(control) ||
           dynamic_cast<const TButtonControl*>(control);
}

void CollectTargets(TControl* control, std::map<char, TControl*>& targets) {
    if (TakesAccelerator(control) && control->Enabled())
        if (const char ch = AcceleratorOf(control->Caption())) targets.emplace(ch, control);
    if (auto* win = dynamic_cast<TWinControl*>(control))
        for (int i = 0; i < win->ControlCount(); ++i) CollectTargets(win->Controls(i), targets);
}

int QtKeyOf(char ch) {
    if (ch >= 'a' && ch <= 'z') return Qt::Key_A + (ch - 'a');
    if (ch >= '0' && ch <= '9') return Qt::Key_0 + (ch - '0');
    return 0;
}

}  // namespace

char AcceleratorOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return char(std::tolower(static_cast<unsigned char>(caption[i + 1])));
    }
    return 0;
}

TMnemonicShortcuts::~TMnemonicShortcuts() {
    for (auto& [ch, shortcut] : FShortcuts) delete shortcut;
}

void TMnemonicShortcuts::Refresh(TWinControl* root) {
    FRoot = root;
    std::map<char, TControl*> targets;
    if (root) CollectTargets(root, targets);
    FTargets = targets;
    for (auto it = FShortcuts.begin(); it != FShortcuts.end();) {
        if (targets.count(it->first)) {
            ++it;
            continue;
        }
        delete it->second;
        it = FShortcuts.erase(it);
    }
    for (const auto& [ch, control] : targets) {
        const int key = QtKeyOf(ch);
        if (!key || FShortcuts.count(ch)) continue;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(key)), FWidget);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, FWidget, [this, c = ch] { Activate(c); });
        FShortcuts[ch] = shortcut;
    }
}

std::string TMnemonicShortcuts::Characters() const {
    std::string chars;
    for (const auto& entry : FShortcuts) chars += entry.first;
    return chars;
}

void TMnemonicShortcuts::Activate(char ch) {
    auto it = FTargets.find(ch);
    if (!FRoot || it == FTargets.end()) return;
    TControl* target = it->second;
    TWinControl* root = FRoot;
    TUserInputScope input(target);
    try {
        // The Alt bit, as the key would carry it.
        root->Perform(CM_DIALOGCHAR, static_cast<unsigned char>(ch), LPARAM(1) << 29);
    } catch (...) {
        Application->HandleException(target);
    }
}

}  // namespace Orvo
