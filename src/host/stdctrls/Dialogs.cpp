#include "host/stdctrls/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QPointer>

#include <cctype>
#include <cstdlib>

#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

namespace {

std::deque<std::optional<TColor>>& ScriptedAnswers() {
    static std::deque<std::optional<TColor>> answers;
    return answers;
}

// "ColorA=8080FF" -> slot 0 and the colour; false for any other line.
bool ParseCustomColor(const std::string& line, int& slot, TColor& color) {
    if (line.size() < 8 || line.compare(0, 5, "Color") != 0 || line[6] != '=') return false;
    const char letter = char(std::toupper(static_cast<unsigned char>(line[5])));
    if (letter < 'A' || letter > 'P') return false;
    const std::string hex = line.substr(7);
    if (hex.empty() || hex.size() > 6) return false;
    for (char c : hex)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    slot = letter - 'A';
    color = TColor(std::strtol(hex.c_str(), nullptr, 16));
    return true;
}

}  // namespace

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner), FCustomColors(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

const TClassInfo& TColorDialog::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TColorDialog", &TComponent::StaticClassInfo(),
                     [](TComponent* owner) { return new TColorDialog(owner); });
        using C = TColorDialog;
        TClassBuilder<C>(i)
            .Color("Color", &C::Color, &C::SetColor)
            .DefaultColor(clBlack)
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Object("CustomColors", &C::CustomColors)
            .Int("HelpContext", &C::HelpContext, &C::SetHelpContext)
            .DefaultInt(0)
            .SetOf("Options", &C::Options, &C::SetOptions,
                   {"cdFullOpen", "cdPreventFullOpen", "cdShowHelp", "cdSolidColor", "cdAnyColor"})
            .Default(TValue::SetOf({}))
            .Int("Left", &C::Left, &C::SetLeft)
            .Int("Top", &C::Top, &C::SetTop)
            .Event("OnClose", &C::OnClose)
            .Event("OnShow", &C::OnShow)
            .Publish({"Color", "Ctl3D", "CustomColors", "HelpContext", "Options", "Left", "Top", "OnClose", "OnShow"});
        return i;
    }();
    return info;
}
const TClassInfo& TColorDialog::ClassInfo() const { return StaticClassInfo(); }

void TColorDialog::QueueScriptedAnswer(std::optional<TColor> answer) { ScriptedAnswers().push_back(answer); }

void TColorDialog::SetScriptedAnswer(std::optional<TColor> answer) {
    ScriptedAnswers().clear();
    ScriptedAnswers().push_back(answer);
}

void TColorDialog::ClearScriptedAnswers() { ScriptedAnswers().clear(); }

int TColorDialog::ScriptedAnswerCount() { return int(ScriptedAnswers().size()); }

bool TColorDialog::Execute() {
    TComponentGuard guard(this);
    OnShow(this);
    if (guard.Destroyed()) return false;
    bool confirmed = false;
    auto& answers = ScriptedAnswers();
    if (!answers.empty()) {
        const std::optional<TColor> answer = answers.front();
        answers.pop_front();
        if (answer) {
            FColor = *answer;
            confirmed = true;
        }
    } else {
        confirmed = RunDialog();
        if (guard.Destroyed()) return confirmed;
    }
    OnClose(this);
    return confirmed;
}

namespace {

// Gives the keyboard back to the window that opened a modal dialog, and to
// the widget that had the focus there. Without a window manager (or under a
// simple one) nobody else does: the closed dialog leaves no active window.
class TFocusReturn {
public:
    TFocusReturn() : FWindow(QApplication::activeWindow()), FFocus(QApplication::focusWidget()) {}
    ~TFocusReturn() {
        if (!FWindow || !FWindow->isVisible()) return;
        FWindow->activateWindow();
        QApplication::setActiveWindow(FWindow);
        if (FFocus && FFocus->window() == FWindow && FFocus->isEnabled() && FFocus->isVisible())
            FFocus->setFocus(Qt::ActiveWindowFocusReason);
    }
    TFocusReturn(const TFocusReturn&) = delete;
    TFocusReturn& operator=(const TFocusReturn&) = delete;
    QWidget* Window() const { return FWindow; }

private:
    QPointer<QWidget> FWindow;
    QPointer<QWidget> FFocus;
};

}  // namespace

bool TColorDialog::RunDialog() {
    TFocusReturn focusReturn;
    QColorDialog dialog(focusReturn.Window());
    for (int k = 0; k < FCustomColors->Count(); ++k) {
        int slot = 0;
        TColor color = 0;
        if (ParseCustomColor(FCustomColors->Strings(k), slot, color))
            QColorDialog::setCustomColor(slot, stdctrls::ToQColor(color));
    }
    dialog.setCurrentColor(stdctrls::ToQColor(FColor));
    if (dialog.exec() != QDialog::Accepted) return false;
    const QColor chosen = dialog.selectedColor();
    FColor = TColor(RGB(std::uint8_t(chosen.red()), std::uint8_t(chosen.green()), std::uint8_t(chosen.blue())));
    return true;
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TColorDialog::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
