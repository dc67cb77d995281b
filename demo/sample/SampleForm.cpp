#include "SampleForm.h"

using namespace Orvo;

TSampleForm::TSampleForm(TComponent* owner) : TForm(owner) { InitFromResource("TSAMPLEFORM"); }

const TClassInfo& TSampleForm::StaticClassInfo() {
    static const TClassInfo info("TSampleForm", &TForm::StaticClassInfo());
    return info;
}
const TClassInfo& TSampleForm::ClassInfo() const { return StaticClassInfo(); }

const TMethodTable* TSampleForm::MethodTable() const {
    static const TMethodTable table = [] {
        TMethodTable t;
        t.Add("FormCreate", &TSampleForm::FormCreate);
        t.Add("GreetButtonClick", &TSampleForm::GreetButtonClick);
        t.Add("ColourComboChange", &TSampleForm::ColourComboChange);
        t.Add("LoudBoxClick", &TSampleForm::LoudBoxClick);
        return t;
    }();
    return &table;
}

const TFieldTable* TSampleForm::FieldTable() const {
    static const TFieldTable table = [] {
        TFieldTable t;
        t.Add("NameEdit", &TSampleForm::NameEdit);
        t.Add("ColourCombo", &TSampleForm::ColourCombo);
        t.Add("LoudBox", &TSampleForm::LoudBox);
        t.Add("Greeting", &TSampleForm::Greeting);
        return t;
    }();
    return &table;
}

void TSampleForm::FormCreate(TObject*) { ColourCombo->SetItemIndex(0); }

void TSampleForm::GreetButtonClick(TObject*) { UpdateGreeting(); }
void TSampleForm::ColourComboChange(TObject*) { UpdateGreeting(); }
void TSampleForm::LoudBoxClick(TObject*) { UpdateGreeting(); }

void TSampleForm::UpdateGreeting() {
    static const TColor colours[] = {clRed, clGreen, clBlue};
    const int index = ColourCombo->ItemIndex();
    if (index >= 0 && index < 3) Greeting->Font()->SetColor(colours[index]);
    std::string text = "Hello, " + NameEdit->Text() + (LoudBox->Checked() ? "!!!" : ".");
    Greeting->SetCaption(text);
}
