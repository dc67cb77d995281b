#include "Unit1.h"

#include <initializer_list>
#include <optional>

using namespace Orvo;

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) { InitFromResource("TFORM1"); }

TForm1::TForm1(TComponent* owner, TCreateNew) : TForm(owner) {}

const TClassInfo& TForm1::StaticClassInfo() {
    static const TClassInfo info("TForm1", &TForm::StaticClassInfo(),
                                 [](TComponent* owner) -> TComponent* { return new TForm1(owner, CreateNew); });
    return info;
}
const TClassInfo& TForm1::ClassInfo() const { return StaticClassInfo(); }

namespace {
// A description of class TForm1 (the demo form written out) reads into a
// TForm1, so its handlers and fields bind as in the program.
const bool kRegistered = [] {
    RegisterClass(TForm1::StaticClassInfo());
    return true;
}();
}  // namespace

const TMethodTable* TForm1::MethodTable() const {
    static const TMethodTable table = [] {
        TMethodTable t;
        t.Add("FormCreate", &TForm1::FormCreate);
        t.Add("FormShow", &TForm1::FormShow);
        t.Add("OrvoButton1Click", &TForm1::OrvoButton1Click);
        t.Add("OrvoButton2Click", &TForm1::OrvoButton2Click);
        t.Add("cb_cbTransparentClick", &TForm1::cb_cbTransparentClick);
        t.Add("cb_cbTransparentCenterClick", &TForm1::cb_cbTransparentCenterClick);
        t.Add("cb_cb3DClick", &TForm1::cb_cb3DClick);
        t.Add("cb_cbEnabledClick", &TForm1::cb_cbEnabledClick);
        t.Add("cb_cbReadOnlyClick", &TForm1::cb_cbReadOnlyClick);
        t.Add("cb_cbFocusHighlightClick", &TForm1::cb_cbFocusHighlightClick);
        t.Add("cb_cbHotTrackClick", &TForm1::cb_cbHotTrackClick);
        t.Add("cb_cbAutosizeClick", &TForm1::cb_cbAutosizeClick);
        t.Add("co_cbAlignmentChange", &TForm1::co_cbAlignmentChange);
        t.Add("co_cbCheckTypeChange", &TForm1::co_cbCheckTypeChange);
        t.Add("co_cbCheckStyleChange", &TForm1::co_cbCheckStyleChange);
        t.Add("co_cbBorderChange", &TForm1::co_cbBorderChange);
        t.Add("co_cbBorderVisibleChange", &TForm1::co_cbBorderVisibleChange);
        t.Add("b_cbColorClick", &TForm1::b_cbColorClick);
        t.Add("b_cbFocusHighlightColorClick", &TForm1::b_cbFocusHighlightColorClick);
        t.Add("b_cbHotTrackFontColorClick", &TForm1::b_cbHotTrackFontColorClick);
        t.Add("b_cbCheckColorClick", &TForm1::b_cbCheckColorClick);
        t.Add("b_cbBorderColorClick", &TForm1::b_cbBorderColorClick);
        t.Add("cb_rbTransparentClick", &TForm1::cb_rbTransparentClick);
        t.Add("cb_rbTransparentCenterClick", &TForm1::cb_rbTransparentCenterClick);
        t.Add("cb_rb3DClick", &TForm1::cb_rb3DClick);
        t.Add("cb_rbRaisedClick", &TForm1::cb_rbRaisedClick);
        t.Add("cb_rbEnabledClick", &TForm1::cb_rbEnabledClick);
        t.Add("cb_rbReadOnlyClick", &TForm1::cb_rbReadOnlyClick);
        t.Add("cb_rbAutoSizeClick", &TForm1::cb_rbAutoSizeClick);
        t.Add("cb_rbFocusHighlightClick", &TForm1::cb_rbFocusHighlightClick);
        t.Add("cb_rbHotTrackClick", &TForm1::cb_rbHotTrackClick);
        t.Add("co_rbCheckStyleChange", &TForm1::co_rbCheckStyleChange);
        t.Add("co_rbBorderChange", &TForm1::co_rbBorderChange);
        t.Add("co_rbBorderVisibleChange", &TForm1::co_rbBorderVisibleChange);
        t.Add("co_rbAlignmentChange", &TForm1::co_rbAlignmentChange);
        t.Add("b_rbColorClick", &TForm1::b_rbColorClick);
        t.Add("b_rbFocusHighlightColorClick", &TForm1::b_rbFocusHighlightColorClick);
        t.Add("b_rbHotTrackFontColorClick", &TForm1::b_rbHotTrackFontColorClick);
        t.Add("b_rbCheckColorClick", &TForm1::b_rbCheckColorClick);
        t.Add("b_rbBorderColorClick", &TForm1::b_rbBorderColorClick);
        return t;
    }();
    return &table;
}

const TFieldTable* TForm1::FieldTable() const {
    static const TFieldTable table = [] {
        TFieldTable t;
        t.Add("OrvoBackground1", &TForm1::OrvoBackground1);
        t.Add("OrvoGroupBox1", &TForm1::OrvoGroupBox1);
        t.Add("OrvoCheckBox1", &TForm1::OrvoCheckBox1);
        t.Add("OrvoRadioGroup1", &TForm1::OrvoRadioGroup1);
        t.Add("OrvoGroupBoxWithCheck1", &TForm1::OrvoGroupBoxWithCheck1);
        t.Add("OrvoCheckBox2", &TForm1::OrvoCheckBox2);
        t.Add("OrvoEdit2", &TForm1::OrvoEdit2);
        t.Add("OrvoStaticText1", &TForm1::OrvoStaticText1);
        t.Add("OrvoPanel1", &TForm1::OrvoPanel1);
        t.Add("OrvoListBox1", &TForm1::OrvoListBox1);
        t.Add("OrvoEdit1", &TForm1::OrvoEdit1);
        t.Add("OrvoMemo1", &TForm1::OrvoMemo1);
        t.Add("OrvoButton1", &TForm1::OrvoButton1);
        t.Add("OrvoButton2", &TForm1::OrvoButton2);
        t.Add("Panel1", &TForm1::Panel1);
        t.Add("Label3", &TForm1::Label3);
        t.Add("Label1", &TForm1::Label1);
        t.Add("Label23", &TForm1::Label23);
        t.Add("PageControl1", &TForm1::PageControl1);
        t.Add("TabSheet1", &TForm1::TabSheet1);
        t.Add("TabSheet2", &TForm1::TabSheet2);
        t.Add("ColorDialog1", &TForm1::ColorDialog1);
        t.Add("cb_cbTransparent", &TForm1::cb_cbTransparent);
        t.Add("cb_cbTransparentCenter", &TForm1::cb_cbTransparentCenter);
        t.Add("cb_cb3D", &TForm1::cb_cb3D);
        t.Add("cb_cbEnabled", &TForm1::cb_cbEnabled);
        t.Add("cb_cbReadOnly", &TForm1::cb_cbReadOnly);
        t.Add("cb_cbAutosize", &TForm1::cb_cbAutosize);
        t.Add("Label10", &TForm1::Label10);
        t.Add("b_cbColor", &TForm1::b_cbColor);
        t.Add("cb_cbFocusHighlight", &TForm1::cb_cbFocusHighlight);
        t.Add("Label15", &TForm1::Label15);
        t.Add("b_cbFocusHighlightColor", &TForm1::b_cbFocusHighlightColor);
        t.Add("cb_cbHotTrack", &TForm1::cb_cbHotTrack);
        t.Add("Label12", &TForm1::Label12);
        t.Add("b_cbHotTrackFontColor", &TForm1::b_cbHotTrackFontColor);
        t.Add("Label6", &TForm1::Label6);
        t.Add("b_cbCheckColor", &TForm1::b_cbCheckColor);
        t.Add("Label5", &TForm1::Label5);
        t.Add("co_cbCheckType", &TForm1::co_cbCheckType);
        t.Add("Label2", &TForm1::Label2);
        t.Add("co_cbCheckStyle", &TForm1::co_cbCheckStyle);
        t.Add("Label7", &TForm1::Label7);
        t.Add("co_cbBorder", &TForm1::co_cbBorder);
        t.Add("Label8", &TForm1::Label8);
        t.Add("b_cbBorderColor", &TForm1::b_cbBorderColor);
        t.Add("Label9", &TForm1::Label9);
        t.Add("co_cbBorderVisible", &TForm1::co_cbBorderVisible);
        t.Add("Label11", &TForm1::Label11);
        t.Add("co_cbAlignment", &TForm1::co_cbAlignment);
        t.Add("cb_rbTransparent", &TForm1::cb_rbTransparent);
        t.Add("cb_rbTransparentCenter", &TForm1::cb_rbTransparentCenter);
        t.Add("cb_rb3D", &TForm1::cb_rb3D);
        t.Add("cb_rbRaised", &TForm1::cb_rbRaised);
        t.Add("cb_rbEnabled", &TForm1::cb_rbEnabled);
        t.Add("cb_rbReadOnly", &TForm1::cb_rbReadOnly);
        t.Add("cb_rbAutoSize", &TForm1::cb_rbAutoSize);
        t.Add("Label13", &TForm1::Label13);
        t.Add("b_rbColor", &TForm1::b_rbColor);
        t.Add("cb_rbFocusHighlight", &TForm1::cb_rbFocusHighlight);
        t.Add("Label14", &TForm1::Label14);
        t.Add("b_rbFocusHighlightColor", &TForm1::b_rbFocusHighlightColor);
        t.Add("cb_rbHotTrack", &TForm1::cb_rbHotTrack);
        t.Add("Label16", &TForm1::Label16);
        t.Add("b_rbHotTrackFontColor", &TForm1::b_rbHotTrackFontColor);
        t.Add("Label19", &TForm1::Label19);
        t.Add("b_rbCheckColor", &TForm1::b_rbCheckColor);
        t.Add("Label18", &TForm1::Label18);
        t.Add("co_rbCheckStyle", &TForm1::co_rbCheckStyle);
        t.Add("Label20", &TForm1::Label20);
        t.Add("co_rbBorder", &TForm1::co_rbBorder);
        t.Add("Label21", &TForm1::Label21);
        t.Add("b_rbBorderColor", &TForm1::b_rbBorderColor);
        t.Add("Label22", &TForm1::Label22);
        t.Add("co_rbBorderVisible", &TForm1::co_rbBorderVisible);
        t.Add("Label24", &TForm1::Label24);
        t.Add("co_rbAlignment", &TForm1::co_rbAlignment);
        return t;
    }();
    return &table;
}

void TForm1::FormCreate(TObject*) { FPanelCtl3D = true; }

void TForm1::FormShow(TObject*) {
    // Bring the pages into line with the stored state of the demonstration
    // controls. Selecting from code raises no OnChange, so nothing changes.
    // A description of this form read from a file may lack any of them.
    auto select = [](TComboBox* combo, int index) {
        if (combo) combo->SetItemIndex(index);
    };
    select(co_cbCheckType, 2);      // ocCross
    select(co_cbCheckStyle, 0);     // os3D
    select(co_cbBorder, 0);         // obNone
    select(co_cbBorderVisible, 0);  // bvAlways
    select(co_cbAlignment, 1);      // taRightJustify
    select(co_rbCheckStyle, 0);
    select(co_rbBorder, 0);
    select(co_rbBorderVisible, 0);
    select(co_rbAlignment, 1);
    if (PageControl1 && TabSheet1) PageControl1->SetActivePage(TabSheet1);
}

// ---------------------------------------------------------------- property playground
//
// Every change goes through the target's published property, by name, as a
// form description would set it: a page's check box gives its ticked state,
// a combo box the value named by its item's text ("obSimple"), a colour
// button the colour picked in the dialog.

namespace {

void SetPublished(TComponent* target, const char* property, const TValue& value) {
    if (!target) return;
    if (const TPropInfo* p = target->ClassInfo().FindPublished(property)) p->Set(*target, value, nullptr);
}

std::optional<TValue> GetPublished(TComponent* target, const char* property) {
    if (!target) return std::nullopt;
    const TPropInfo* p = target->ClassInfo().FindPublished(property);
    return p ? p->Get(*target) : std::nullopt;
}

void AssignTicked(std::initializer_list<TComponent*> targets, const char* property, const TCheckBox* box) {
    for (TComponent* t : targets) SetPublished(t, property, TValue::Bool(box->Checked()));
}

// The combo's items are the value names themselves, in alphabetical order.
void AssignPicked(std::initializer_list<TComponent*> targets, const char* property, const TComboBox* combo) {
    for (TComponent* t : targets) {
        const int index = combo->ItemIndex();
        if (index < 0 || index >= combo->Items()->Count()) continue;
        SetPublished(t, property, TValue::Identifier(combo->Items()->Strings(index)));
    }
}

// Opens the dialog at the first target's colour; a confirmed colour goes to
// every target in order, a cancel changes nothing.
void AssignChosenColor(TColorDialog* dialog, std::initializer_list<TComponent*> targets, const char* property) {
    TComponent* first = *targets.begin();
    if (auto current = GetPublished(first, property)) dialog->SetColor(ValueToColor(*current));
    if (!dialog->Execute()) return;
    for (TComponent* t : targets) SetPublished(t, property, ColorToValue(dialog->Color()));
}

}  // namespace

void TForm1::OrvoButton1Click(TObject*) {
    FPanelCtl3D = !FPanelCtl3D;
    for (TComponent* c : std::initializer_list<TComponent*>{OrvoEdit1, OrvoMemo1, OrvoListBox1, OrvoButton1, OrvoPanel1, OrvoButton2})
        SetPublished(c, "Ctl3D", TValue::Bool(FPanelCtl3D));
}

void TForm1::OrvoButton2Click(TObject*) {
    // Rectangle -> rounded rectangle -> ellipse -> rectangle; other shapes stay.
    const std::optional<TValue> shape = GetPublished(OrvoButton2, "Shape");
    if (!shape) return;
    if (shape->text == "stRectangle") SetPublished(OrvoButton2, "Shape", TValue::Identifier("stRoundRect"));
    else if (shape->text == "stRoundRect") SetPublished(OrvoButton2, "Shape", TValue::Identifier("stEllipse"));
    else if (shape->text == "stEllipse") SetPublished(OrvoButton2, "Shape", TValue::Identifier("stRectangle"));
}

// Check-box page: "the three" are both check boxes and the group box with
// check; "the two" the check boxes alone.
void TForm1::cb_cbTransparentClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "Transparent", cb_cbTransparent); }
void TForm1::cb_cbTransparentCenterClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "TransparentCenter", cb_cbTransparentCenter); }
void TForm1::cb_cb3DClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "Ctl3D", cb_cb3D); }
void TForm1::cb_cbEnabledClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "Enabled", cb_cbEnabled); }
void TForm1::cb_cbReadOnlyClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "ReadOnly", cb_cbReadOnly); }
void TForm1::cb_cbFocusHighlightClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "FocusHighlight", cb_cbFocusHighlight); }
void TForm1::cb_cbHotTrackClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "HotTrack", cb_cbHotTrack); }
void TForm1::cb_cbAutosizeClick(TObject*) { AssignTicked({OrvoCheckBox1, OrvoCheckBox2}, "AutoSize", cb_cbAutosize); }
void TForm1::co_cbAlignmentChange(TObject*) { AssignPicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "Alignment", co_cbAlignment); }
void TForm1::co_cbCheckTypeChange(TObject*) { AssignPicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "CheckType", co_cbCheckType); }
void TForm1::co_cbCheckStyleChange(TObject*) { AssignPicked({OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "CheckStyle", co_cbCheckStyle); }
void TForm1::co_cbBorderChange(TObject*) { AssignPicked({OrvoCheckBox1, OrvoCheckBox2}, "Border", co_cbBorder); }
void TForm1::co_cbBorderVisibleChange(TObject*) { AssignPicked({OrvoCheckBox1, OrvoCheckBox2}, "BorderVisible", co_cbBorderVisible); }
void TForm1::b_cbColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "Color"); }
void TForm1::b_cbFocusHighlightColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoCheckBox1, OrvoCheckBox2}, "HighlightColor"); }
void TForm1::b_cbHotTrackFontColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "HotTrackFontColor"); }
void TForm1::b_cbCheckColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoCheckBox1, OrvoCheckBox2, OrvoGroupBoxWithCheck1}, "CheckColor"); }
void TForm1::b_cbBorderColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoCheckBox1, OrvoCheckBox2}, "BorderColor"); }

// Radio page: every handler sets one property of the radio group.
void TForm1::cb_rbTransparentClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "Transparent", cb_rbTransparent); }
void TForm1::cb_rbTransparentCenterClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "TransparentCenter", cb_rbTransparentCenter); }
void TForm1::cb_rb3DClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "Ctl3D", cb_rb3D); }
void TForm1::cb_rbRaisedClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "Raised", cb_rbRaised); }
void TForm1::cb_rbEnabledClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "Enabled", cb_rbEnabled); }
void TForm1::cb_rbReadOnlyClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "ReadOnly", cb_rbReadOnly); }
void TForm1::cb_rbAutoSizeClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "AutoSize", cb_rbAutoSize); }
void TForm1::cb_rbFocusHighlightClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "FocusHighlight", cb_rbFocusHighlight); }
void TForm1::cb_rbHotTrackClick(TObject*) { AssignTicked({OrvoRadioGroup1}, "HotTrack", cb_rbHotTrack); }
void TForm1::co_rbCheckStyleChange(TObject*) { AssignPicked({OrvoRadioGroup1}, "CheckStyle", co_rbCheckStyle); }
void TForm1::co_rbBorderChange(TObject*) { AssignPicked({OrvoRadioGroup1}, "Border", co_rbBorder); }
void TForm1::co_rbBorderVisibleChange(TObject*) { AssignPicked({OrvoRadioGroup1}, "BorderVisible", co_rbBorderVisible); }
void TForm1::co_rbAlignmentChange(TObject*) { AssignPicked({OrvoRadioGroup1}, "Alignment", co_rbAlignment); }
void TForm1::b_rbColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoRadioGroup1}, "Color"); }
void TForm1::b_rbFocusHighlightColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoRadioGroup1}, "HighlightColor"); }
void TForm1::b_rbHotTrackFontColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoRadioGroup1}, "HotTrackFontColor"); }
void TForm1::b_rbCheckColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoRadioGroup1}, "CheckColor"); }
void TForm1::b_rbBorderColorClick(TObject*) { AssignChosenColor(ColorDialog1, {OrvoRadioGroup1}, "BorderColor"); }
