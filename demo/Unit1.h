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

class TForm1 : public TForm {
public:
    // Reads the form's compiled description "TFORM1", as the program does.
    explicit TForm1(TComponent* owner);
    // An empty TForm1 for another description of it (see TCreateNew).
    TForm1(TComponent* owner, TCreateNew);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
    const TMethodTable* MethodTable() const override;
    const TFieldTable* FieldTable() const override;

    // The 3-D look OrvoButton1Click last gave the panel and its contents.
    bool PanelCtl3D() const { return FPanelCtl3D; }

    // ---- left half: the library's demonstration controls
    TOrvoBackground* OrvoBackground1 = nullptr;
    TOrvoGroupBox* OrvoGroupBox1 = nullptr;
    TOrvoCheckBox* OrvoCheckBox1 = nullptr;
    TOrvoRadioGroup* OrvoRadioGroup1 = nullptr;
    TOrvoGroupBoxWithCheck* OrvoGroupBoxWithCheck1 = nullptr;
    TOrvoCheckBox* OrvoCheckBox2 = nullptr;
    TOrvoEdit* OrvoEdit2 = nullptr;
    TOrvoStaticText* OrvoStaticText1 = nullptr;
    TOrvoPanel* OrvoPanel1 = nullptr;
    TOrvoListBox* OrvoListBox1 = nullptr;
    TOrvoEdit* OrvoEdit1 = nullptr;
    TOrvoMemo* OrvoMemo1 = nullptr;
    TOrvoButton* OrvoButton1 = nullptr;
    TOrvoButton* OrvoButton2 = nullptr;

    // ---- right half
    TPanel* Panel1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label23 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TColorDialog* ColorDialog1 = nullptr;

    // check-box page
    TCheckBox* cb_cbTransparent = nullptr;
    TCheckBox* cb_cbTransparentCenter = nullptr;
    TCheckBox* cb_cb3D = nullptr;
    TCheckBox* cb_cbEnabled = nullptr;
    TCheckBox* cb_cbReadOnly = nullptr;
    TCheckBox* cb_cbAutosize = nullptr;
    TLabel* Label10 = nullptr;
    TButton* b_cbColor = nullptr;
    TCheckBox* cb_cbFocusHighlight = nullptr;
    TLabel* Label15 = nullptr;
    TButton* b_cbFocusHighlightColor = nullptr;
    TCheckBox* cb_cbHotTrack = nullptr;
    TLabel* Label12 = nullptr;
    TButton* b_cbHotTrackFontColor = nullptr;
    TLabel* Label6 = nullptr;
    TButton* b_cbCheckColor = nullptr;
    TLabel* Label5 = nullptr;
    TComboBox* co_cbCheckType = nullptr;
    TLabel* Label2 = nullptr;
    TComboBox* co_cbCheckStyle = nullptr;
    TLabel* Label7 = nullptr;
    TComboBox* co_cbBorder = nullptr;
    TLabel* Label8 = nullptr;
    TButton* b_cbBorderColor = nullptr;
    TLabel* Label9 = nullptr;
    TComboBox* co_cbBorderVisible = nullptr;
    TLabel* Label11 = nullptr;
    TComboBox* co_cbAlignment = nullptr;

    // radio page
    TCheckBox* cb_rbTransparent = nullptr;
    TCheckBox* cb_rbTransparentCenter = nullptr;
    TCheckBox* cb_rb3D = nullptr;
    TCheckBox* cb_rbRaised = nullptr;
    TCheckBox* cb_rbEnabled = nullptr;
    TCheckBox* cb_rbReadOnly = nullptr;
    TCheckBox* cb_rbAutoSize = nullptr;
    TLabel* Label13 = nullptr;
    TButton* b_rbColor = nullptr;
    TCheckBox* cb_rbFocusHighlight = nullptr;
    TLabel* Label14 = nullptr;
    TButton* b_rbFocusHighlightColor = nullptr;
    TCheckBox* cb_rbHotTrack = nullptr;
    TLabel* Label16 = nullptr;
    TButton* b_rbHotTrackFontColor = nullptr;
    TLabel* Label19 = nullptr;
    TButton* b_rbCheckColor = nullptr;
    TLabel* Label18 = nullptr;
    TComboBox* co_rbCheckStyle = nullptr;
    TLabel* Label20 = nullptr;
    TComboBox* co_rbBorder = nullptr;
    TLabel* Label21 = nullptr;
    TButton* b_rbBorderColor = nullptr;
    TLabel* Label22 = nullptr;
    TComboBox* co_rbBorderVisible = nullptr;
    TLabel* Label24 = nullptr;
    TComboBox* co_rbAlignment = nullptr;

    // ---- handlers named by the description
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void OrvoButton1Click(TObject* Sender);
    void OrvoButton2Click(TObject* Sender);

    void cb_cbTransparentClick(TObject* Sender);
    void cb_cbTransparentCenterClick(TObject* Sender);
    void cb_cb3DClick(TObject* Sender);
    void cb_cbEnabledClick(TObject* Sender);
    void cb_cbReadOnlyClick(TObject* Sender);
    void cb_cbFocusHighlightClick(TObject* Sender);
    void cb_cbHotTrackClick(TObject* Sender);
    void cb_cbAutosizeClick(TObject* Sender);
    void co_cbAlignmentChange(TObject* Sender);
    void co_cbCheckTypeChange(TObject* Sender);
    void co_cbCheckStyleChange(TObject* Sender);
    void co_cbBorderChange(TObject* Sender);
    void co_cbBorderVisibleChange(TObject* Sender);
    void b_cbColorClick(TObject* Sender);
    void b_cbFocusHighlightColorClick(TObject* Sender);
    void b_cbHotTrackFontColorClick(TObject* Sender);
    void b_cbCheckColorClick(TObject* Sender);
    void b_cbBorderColorClick(TObject* Sender);

    void cb_rbTransparentClick(TObject* Sender);
    void cb_rbTransparentCenterClick(TObject* Sender);
    void cb_rb3DClick(TObject* Sender);
    void cb_rbRaisedClick(TObject* Sender);
    void cb_rbEnabledClick(TObject* Sender);
    void cb_rbReadOnlyClick(TObject* Sender);
    void cb_rbAutoSizeClick(TObject* Sender);
    void cb_rbFocusHighlightClick(TObject* Sender);
    void cb_rbHotTrackClick(TObject* Sender);
    void co_rbCheckStyleChange(TObject* Sender);
    void co_rbBorderChange(TObject* Sender);
    void co_rbBorderVisibleChange(TObject* Sender);
    void co_rbAlignmentChange(TObject* Sender);
    void b_rbColorClick(TObject* Sender);
    void b_rbFocusHighlightColorClick(TObject* Sender);
    void b_rbHotTrackFontColorClick(TObject* Sender);
    void b_rbCheckColorClick(TObject* Sender);
    void b_rbBorderColorClick(TObject* Sender);

private:
    bool FPanelCtl3D = false;
};

// The application's main form once created (as the program's start-up sets it).
extern TForm1* Form1;
