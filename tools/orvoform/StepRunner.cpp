#include "StepRunner.h"

#include "PropertyAssignment.h"
#include "ToolError.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/Dialogs.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

// The caller names the step in front of the message.
[[noreturn]] void Fail(const TStep&, const std::string& what) { throw EToolError(what); }

}  // namespace

void TStepRunner::Run(const TStep& step) {
    switch (step.Kind) {
        case TStepKind::Set:
            AssignPublishedProperty(FForm, FindFormComponent(FForm, step.Name), step.Property, step.Value);
            break;
        case TStepKind::Focus:
            Focus(step);
            break;
        case TStepKind::Hover:
        case TStepKind::Press:
        case TStepKind::Release:
        case TStepKind::Click:
        case TStepKind::DblClick:
            Mouse(step);
            break;
        case TStepKind::Key:
            if (step.VirtualKey)
                SendKey(FForm, step.VirtualKey);
            else
                SendChar(FForm, step.Char);
            break;
        case TStepKind::Alt:
            SendAltChar(FForm, step.Char);
            break;
        case TStepKind::Pick:
            Pick(step);
            break;
        case TStepKind::Dialog:
            AnswerDialog(step);
            break;
    }
}

TControl* TStepRunner::FindControl(const TStep& step) const {
    TComponent* component = FindFormComponent(FForm, step.Name);
    auto* control = dynamic_cast<TControl*>(component);
    if (!control) Fail(step, "'" + step.Name + "' is a " + component->ClassName() + ", not a control");
    return control;
}

void TStepRunner::Focus(const TStep& step) {
    auto* control = dynamic_cast<TWinControl*>(FindControl(step));
    if (!control) Fail(step, "'" + step.Name + "' is not a windowed control and cannot take the focus");
    if (!control->CanFocus()) Fail(step, "'" + step.Name + "' cannot take the focus (hidden or disabled)");
    control->SetFocus();
}

void TStepRunner::Mouse(const TStep& step) {
    TControl* control = FindControl(step);
    if (!control->Showing()) Fail(step, "'" + step.Name + "' is not showing");
    const TPoint at = step.At ? *step.At : ClientCentre(control);
    switch (step.Kind) {
        case TStepKind::Hover: MoveMouse(control, at); break;
        case TStepKind::Press: PressMouse(control, at); break;
        case TStepKind::Release: ReleaseMouse(control, at); break;
        case TStepKind::Click: ClickMouse(control, at); break;
        case TStepKind::DblClick: DoubleClickMouse(control, at); break;
        default: break;
    }
}

void TStepRunner::Pick(const TStep& step) {
    auto* combo = dynamic_cast<TComboBox*>(FindControl(step));
    if (!combo) Fail(step, "'" + step.Name + "' is not a combo box");
    const int count = combo->Items()->Count();
    if (step.Index >= count)
        Fail(step, "item " + std::to_string(step.Index) + " is out of range ('" + step.Name + "' has " +
                       std::to_string(count) + " items)");
    if (!combo->Enabled() || !combo->Showing()) Fail(step, "'" + step.Name + "' is disabled or hidden");
    combo->SelectByUser(step.Index);
}

void TStepRunner::AnswerDialog(const TStep& step) {
    // Answers wait in order: each colour dialog that opens takes the next.
    TColorDialog::QueueScriptedAnswer(step.DialogConfirms ? std::optional<TColor>(step.DialogColor) : std::nullopt);
}
