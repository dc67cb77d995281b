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

class TSampleForm : public TForm {
public:
    explicit TSampleForm(TComponent* owner);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
    const TMethodTable* MethodTable() const override;
    const TFieldTable* FieldTable() const override;

    TEdit* NameEdit = nullptr;
    TComboBox* ColourCombo = nullptr;
    TCheckBox* LoudBox = nullptr;
    TLabel* Greeting = nullptr;

    void FormCreate(TObject* Sender);
    void GreetButtonClick(TObject* Sender);
    void ColourComboChange(TObject* Sender);
    void LoudBoxClick(TObject* Sender);

private:
    void UpdateGreeting();
};
