#pragma once
// Carries out orvoform's steps on a shown form: properties through their
// published setters, input through real window-system events.

#include "Step.h"

namespace Orvo {
class TCustomForm;
class TControl;
}  // namespace Orvo

class TStepRunner {
public:
    explicit TStepRunner(Orvo::TCustomForm* form) : FForm(form) {}

    // Throws EToolError naming what is wrong (an unknown component, a
    // control that cannot take the input, a bad value); the message does
    // not repeat the step.
    void Run(const TStep& step);

private:
    Orvo::TControl* FindControl(const TStep& step) const;
    void Focus(const TStep& step);
    void Mouse(const TStep& step);
    void Pick(const TStep& step);
    void AnswerDialog(const TStep& step);

    Orvo::TCustomForm* FForm;
};
