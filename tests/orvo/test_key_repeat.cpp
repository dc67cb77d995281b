// A key held down. Qt reports the keyboard's auto-repeat as more presses
// (and, from X, releases) marked auto-repeat; the framework hears them as
// WM_KEYDOWN with KF_REPEAT and one WM_KEYUP at the end, so every control
// that acts on a key acts once however long it is held.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "test_edit_support.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoMiscControls.h"

using namespace Orvo;
using namespace edit_test;

namespace {

// Holds `key` down: the press, `repeats` repeats as X delivers them (a
// release and a press, both marked auto-repeat), then the real release.
// `during` looks at the control after the first press and after the repeats.
void HoldKey(TCustomForm& form, Qt::Key key, const QString& text, int repeats, const std::function<void()>& during) {
    QWindow* window = form.Widget()->windowHandle();
    qt_handleKeyEvent(window, QEvent::KeyPress, key, Qt::NoModifier, text, false, 1);
    ProcessPendingPaints();
    during();
    for (int i = 0; i < repeats; ++i) {
        qt_handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, text, true, 1);
        qt_handleKeyEvent(window, QEvent::KeyPress, key, Qt::NoModifier, text, true, 1);
    }
    ProcessPendingPaints();
    during();
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, text, false, 1);
    ProcessPendingPaints();
}

// Records the key messages a control gets.
class TKeySpy : public TEdit {
public:
    using TEdit::TEdit;
    std::vector<std::pair<UINT, bool>> Keys;  // message, KF_REPEAT
    void WndProc(TMessage& m) override {
        if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP)
            Keys.emplace_back(m.Msg, (HIWORD(std::uintptr_t(m.LParam)) & KF_REPEAT) != 0);
        TEdit::WndProc(m);
    }
};

}  // namespace

TEST(KeyRepeat, AHeldKeyIsOneKeyDownRepeatedAndOneKeyUp) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 80);
    auto* spy = new TKeySpy(&form);
    spy->SetParent(&form);
    ShowFormForAutomation(&form);
    spy->SetFocus();
    HoldKey(form, Qt::Key_A, "a", 3, [] {});
    const std::vector<std::pair<UINT, bool>> expected = {
        {WM_KEYDOWN, false}, {WM_KEYDOWN, true}, {WM_KEYDOWN, true}, {WM_KEYDOWN, true}, {WM_KEYUP, true}};
    EXPECT_EQ(spy->Keys, expected);
    // The edit types the character at every repeat, as a held key does.
    EXPECT_EQ(spy->Text(), "aaaa");
}

TEST(KeyRepeat, HoldingSpaceOrEnterActsOnceOnEveryControlThatActsOnAKey) {
    // Each control is made on the form, focused, and asked what it did so
    // far: its clicks (OnClick) or its ticked state. Push buttons click on
    // the release; the library's check boxes toggle on the press, the
    // framework's on the release, with its click.
    using TProbe = std::function<int()>;
    struct TCase {
        const char* Name;
        Qt::Key Key;
        std::function<TProbe(TForm&)> Make;
        std::vector<int> Expected;  // after the press, after the repeats, after the release
    };
    auto clicks = [](auto* control) -> TProbe {
        auto count = std::make_shared<int>(0);
        control->OnClick = [count](TObject*) { ++*count; };
        return [count] { return *count; };
    };
    auto ticked = [](auto* box) -> TProbe { return [box] { return int(box->Checked()); }; };
    const TCase cases[] = {
        {"push button, Space", Qt::Key_Space, [&](TForm& f) { return clicks(new TButton(&f)); }, {0, 0, 1}},
        {"shaped button, Space", Qt::Key_Space,
         [&](TForm& f) {
             auto* button = new TOrvoButton(&f);
             button->SetShape(stEllipse);
             return clicks(button);
         },
         {0, 0, 1}},
        {"framework check box, Space", Qt::Key_Space, [&](TForm& f) { return clicks(new TCheckBox(&f)); }, {0, 0, 1}},
        {"library check box, Space", Qt::Key_Space, [&](TForm& f) { return ticked(new TOrvoCheckBox(&f)); }, {1, 1, 1}},
        {"library check box, Enter", Qt::Key_Return, [&](TForm& f) { return ticked(new TOrvoCheckBox(&f)); }, {1, 1, 1}},
        {"group box heading, Space", Qt::Key_Space,
         [&](TForm& f) {
             auto* group = new TOrvoGroupBoxWithCheck(&f);
             group->SetChecked(false);
             return ticked(group);
         },
         {1, 1, 1}},
    };
    for (const TCase& c : cases) {
        TForm form(nullptr);
        form.SetBounds(0, 0, 240, 140);
        const TProbe acted = c.Make(form);
        auto* control = static_cast<TWinControl*>(form.Components(0));
        control->SetParent(&form);
        ShowFormForAutomation(&form);
        // The group box hands the key to its heading.
        TWinControl* focus = control;
        if (auto* heading = dynamic_cast<TWinControl*>(control->FindComponent("Heading"))) focus = heading;
        focus->SetFocus();
        ProcessPendingPaints();
        std::vector<int> seen;
        HoldKey(form, c.Key, c.Key == Qt::Key_Space ? " " : "\r", 5, [&] { seen.push_back(acted()); });
        seen.push_back(acted());
        EXPECT_EQ(seen, c.Expected) << c.Name;
    }
}
