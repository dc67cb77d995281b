#pragma once
// A small form of the framework's stock controls, read from its compiled
// description "TSAMPLEFORM": a check box, a combo box, a button, labels, an
// edit, a memo, a list box, a panel, a page control with two sheets, and a
// windowless gradient.

#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoMiscControls.h"

class TSampleForm : public Orvo::TForm {
public:
    explicit TSampleForm(Orvo::TComponent* owner);

    const Orvo::TClassInfo& ClassInfo() const override;
    static const Orvo::TClassInfo& StaticClassInfo();
    const Orvo::TMethodTable* MethodTable() const override;
    const Orvo::TFieldTable* FieldTable() const override;

    Orvo::TEdit* NameEdit = nullptr;
    Orvo::TComboBox* ColourCombo = nullptr;
    Orvo::TCheckBox* LoudBox = nullptr;
    Orvo::TLabel* Greeting = nullptr;

    void FormCreate(Orvo::TObject* Sender);
    void GreetButtonClick(Orvo::TObject* Sender);
    void ColourComboChange(Orvo::TObject* Sender);
    void LoudBoxClick(Orvo::TObject* Sender);

private:
    void UpdateGreeting();
};
