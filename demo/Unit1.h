#pragma once
// The demonstration program's main form: the library's controls on the left
// over a tiled background, two property pages on the right that change them
// live. Every component comes from the form description "TFORM1"; this class
// holds a field per component (bound by name when the description is read)
// and the handlers the description names.

#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/Dialogs.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrls.h"
#include "orvo/OrvoCheckControls.h"
#include "orvo/OrvoEditControls.h"
#include "orvo/OrvoMiscControls.h"

class TForm1 : public Orvo::TForm {
public:
    // Reads the form's compiled description "Orvo::TFORM1", as the program does.
    explicit TForm1(Orvo::TComponent* owner);
    // An empty TForm1 for another description of it (see Orvo::TCreateNew).
    TForm1(Orvo::TComponent* owner, Orvo::TCreateNew);

    const Orvo::TClassInfo& ClassInfo() const override;
    static const Orvo::TClassInfo& StaticClassInfo();
    const Orvo::TMethodTable* MethodTable() const override;
    const Orvo::TFieldTable* FieldTable() const override;

    // The 3-D look OrvoButton1Click last gave the panel and its contents.
    bool PanelCtl3D() const { return FPanelCtl3D; }

    // ---- left half: the library's demonstration controls
    Orvo::TOrvoBackground* OrvoBackground1 = nullptr;
    Orvo::TOrvoGroupBox* OrvoGroupBox1 = nullptr;
    Orvo::TOrvoCheckBox* OrvoCheckBox1 = nullptr;
    Orvo::TOrvoRadioGroup* OrvoRadioGroup1 = nullptr;
    Orvo::TOrvoGroupBoxWithCheck* OrvoGroupBoxWithCheck1 = nullptr;
    Orvo::TOrvoCheckBox* OrvoCheckBox2 = nullptr;
    Orvo::TOrvoEdit* OrvoEdit2 = nullptr;
    Orvo::TOrvoStaticText* OrvoStaticText1 = nullptr;
    Orvo::TOrvoPanel* OrvoPanel1 = nullptr;
    Orvo::TOrvoListBox* OrvoListBox1 = nullptr;
    Orvo::TOrvoEdit* OrvoEdit1 = nullptr;
    Orvo::TOrvoMemo* OrvoMemo1 = nullptr;
    Orvo::TOrvoButton* OrvoButton1 = nullptr;
    Orvo::TOrvoButton* OrvoButton2 = nullptr;

    // ---- right half
    Orvo::TPanel* Panel1 = nullptr;
    Orvo::TLabel* Label3 = nullptr;
    Orvo::TLabel* Label1 = nullptr;
    Orvo::TLabel* Label23 = nullptr;
    Orvo::TPageControl* PageControl1 = nullptr;
    Orvo::TTabSheet* TabSheet1 = nullptr;
    Orvo::TTabSheet* TabSheet2 = nullptr;
    Orvo::TColorDialog* ColorDialog1 = nullptr;

    // check-box page
    Orvo::TCheckBox* cb_cbTransparent = nullptr;
    Orvo::TCheckBox* cb_cbTransparentCenter = nullptr;
    Orvo::TCheckBox* cb_cb3D = nullptr;
    Orvo::TCheckBox* cb_cbEnabled = nullptr;
    Orvo::TCheckBox* cb_cbReadOnly = nullptr;
    Orvo::TCheckBox* cb_cbAutosize = nullptr;
    Orvo::TLabel* Label10 = nullptr;
    Orvo::TButton* b_cbColor = nullptr;
    Orvo::TCheckBox* cb_cbFocusHighlight = nullptr;
    Orvo::TLabel* Label15 = nullptr;
    Orvo::TButton* b_cbFocusHighlightColor = nullptr;
    Orvo::TCheckBox* cb_cbHotTrack = nullptr;
    Orvo::TLabel* Label12 = nullptr;
    Orvo::TButton* b_cbHotTrackFontColor = nullptr;
    Orvo::TLabel* Label6 = nullptr;
    Orvo::TButton* b_cbCheckColor = nullptr;
    Orvo::TLabel* Label5 = nullptr;
    Orvo::TComboBox* co_cbCheckType = nullptr;
    Orvo::TLabel* Label2 = nullptr;
    Orvo::TComboBox* co_cbCheckStyle = nullptr;
    Orvo::TLabel* Label7 = nullptr;
    Orvo::TComboBox* co_cbBorder = nullptr;
    Orvo::TLabel* Label8 = nullptr;
    Orvo::TButton* b_cbBorderColor = nullptr;
    Orvo::TLabel* Label9 = nullptr;
    Orvo::TComboBox* co_cbBorderVisible = nullptr;
    Orvo::TLabel* Label11 = nullptr;
    Orvo::TComboBox* co_cbAlignment = nullptr;

    // radio page
    Orvo::TCheckBox* cb_rbTransparent = nullptr;
    Orvo::TCheckBox* cb_rbTransparentCenter = nullptr;
    Orvo::TCheckBox* cb_rb3D = nullptr;
    Orvo::TCheckBox* cb_rbRaised = nullptr;
    Orvo::TCheckBox* cb_rbEnabled = nullptr;
    Orvo::TCheckBox* cb_rbReadOnly = nullptr;
    Orvo::TCheckBox* cb_rbAutoSize = nullptr;
    Orvo::TLabel* Label13 = nullptr;
    Orvo::TButton* b_rbColor = nullptr;
    Orvo::TCheckBox* cb_rbFocusHighlight = nullptr;
    Orvo::TLabel* Label14 = nullptr;
    Orvo::TButton* b_rbFocusHighlightColor = nullptr;
    Orvo::TCheckBox* cb_rbHotTrack = nullptr;
    Orvo::TLabel* Label16 = nullptr;
    Orvo::TButton* b_rbHotTrackFontColor = nullptr;
    Orvo::TLabel* Label19 = nullptr;
    Orvo::TButton* b_rbCheckColor = nullptr;
    Orvo::TLabel* Label18 = nullptr;
    Orvo::TComboBox* co_rbCheckStyle = nullptr;
    Orvo::TLabel* Label20 = nullptr;
    Orvo::TComboBox* co_rbBorder = nullptr;
    Orvo::TLabel* Label21 = nullptr;
    Orvo::TButton* b_rbBorderColor = nullptr;
    Orvo::TLabel* Label22 = nullptr;
    Orvo::TComboBox* co_rbBorderVisible = nullptr;
    Orvo::TLabel* Label24 = nullptr;
    Orvo::TComboBox* co_rbAlignment = nullptr;

    // ---- handlers named by the description
    void FormCreate(Orvo::TObject* Sender);
    void FormShow(Orvo::TObject* Sender);
    void OrvoButton1Click(Orvo::TObject* Sender);
    void OrvoButton2Click(Orvo::TObject* Sender);

    void cb_cbTransparentClick(Orvo::TObject* Sender);
    void cb_cbTransparentCenterClick(Orvo::TObject* Sender);
    void cb_cb3DClick(Orvo::TObject* Sender);
    void cb_cbEnabledClick(Orvo::TObject* Sender);
    void cb_cbReadOnlyClick(Orvo::TObject* Sender);
    void cb_cbFocusHighlightClick(Orvo::TObject* Sender);
    void cb_cbHotTrackClick(Orvo::TObject* Sender);
    void cb_cbAutosizeClick(Orvo::TObject* Sender);
    void co_cbAlignmentChange(Orvo::TObject* Sender);
    void co_cbCheckTypeChange(Orvo::TObject* Sender);
    void co_cbCheckStyleChange(Orvo::TObject* Sender);
    void co_cbBorderChange(Orvo::TObject* Sender);
    void co_cbBorderVisibleChange(Orvo::TObject* Sender);
    void b_cbColorClick(Orvo::TObject* Sender);
    void b_cbFocusHighlightColorClick(Orvo::TObject* Sender);
    void b_cbHotTrackFontColorClick(Orvo::TObject* Sender);
    void b_cbCheckColorClick(Orvo::TObject* Sender);
    void b_cbBorderColorClick(Orvo::TObject* Sender);

    void cb_rbTransparentClick(Orvo::TObject* Sender);
    void cb_rbTransparentCenterClick(Orvo::TObject* Sender);
    void cb_rb3DClick(Orvo::TObject* Sender);
    void cb_rbRaisedClick(Orvo::TObject* Sender);
    void cb_rbEnabledClick(Orvo::TObject* Sender);
    void cb_rbReadOnlyClick(Orvo::TObject* Sender);
    void cb_rbAutoSizeClick(Orvo::TObject* Sender);
    void cb_rbFocusHighlightClick(Orvo::TObject* Sender);
    void cb_rbHotTrackClick(Orvo::TObject* Sender);
    void co_rbCheckStyleChange(Orvo::TObject* Sender);
    void co_rbBorderChange(Orvo::TObject* Sender);
    void co_rbBorderVisibleChange(Orvo::TObject* Sender);
    void co_rbAlignmentChange(Orvo::TObject* Sender);
    void b_rbColorClick(Orvo::TObject* Sender);
    void b_rbFocusHighlightColorClick(Orvo::TObject* Sender);
    void b_rbHotTrackFontColorClick(Orvo::TObject* Sender);
    void b_rbCheckColorClick(Orvo::TObject* Sender);
    void b_rbBorderColorClick(Orvo::TObject* Sender);

private:
    bool FPanelCtl3D = false;
};

// The application's main form once created (as the program's start-up sets it).
extern TForm1* Form1;
