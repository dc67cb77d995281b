#pragma once
// The framework's standard controls: push button, check box, combo box,
// label, edit, memo, list box and group box.
//
// Where the framework uses a system control with behaviour of its own
// (text editing, a drop-down list) the control supplies a Qt widget as its
// window: TEdit a line edit, TMemo a plain-text edit, TComboBox a combo box.
// The others are windows of the framework that paint themselves (push
// button, check box, list box, group box) or windowless (label).
//
// The system-control protocol is kept where controls of the library rely
// on it: buttons report clicks as CN_COMMAND with BN_CLICKED, an owner-drawn
// button (BS_OWNERDRAW) draws itself on CN_DRAWITEM, edits ask their colours
// with CN_CTLCOLOREDIT / CN_CTLCOLORSTATIC at every paint, and an owner-drawn
// list box draws its items through DrawItem.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/Controls.h"
#include "host/framework/Forms.h"
#include "host/stdctrls/ListBoxItems.h"

class QWidget;

namespace Orvo {

// ---------------------------------------------------------------- window styles

// Button styles (the low four bits are the button type).
constexpr std::uint32_t BS_PUSHBUTTON = 0x0000;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x0001;
constexpr std::uint32_t BS_CHECKBOX = 0x0002;
constexpr std::uint32_t BS_AUTOCHECKBOX = 0x0003;
constexpr std::uint32_t BS_RADIOBUTTON = 0x0004;
constexpr std::uint32_t BS_3STATE = 0x0005;
constexpr std::uint32_t BS_AUTO3STATE = 0x0006;
constexpr std::uint32_t BS_GROUPBOX = 0x0007;
constexpr std::uint32_t BS_USERBUTTON = 0x0008;
constexpr std::uint32_t BS_AUTORADIOBUTTON = 0x0009;
constexpr std::uint32_t BS_OWNERDRAW = 0x000B;
constexpr std::uint32_t BS_TYPEMASK = 0x000F;
constexpr std::uint32_t BS_LEFTTEXT = 0x0020;
constexpr std::uint32_t BS_MULTILINE = 0x2000;
constexpr std::uint32_t BS_NOTIFY = 0x4000;

// Edit styles. The alignment is the low two bits.
constexpr std::uint32_t ES_LEFT = 0x0000;
constexpr std::uint32_t ES_CENTER = 0x0001;
constexpr std::uint32_t ES_RIGHT = 0x0002;
constexpr std::uint32_t ES_ALIGNMASK = 0x0003;
constexpr std::uint32_t ES_MULTILINE = 0x0004;
constexpr std::uint32_t ES_UPPERCASE = 0x0008;
constexpr std::uint32_t ES_LOWERCASE = 0x0010;
constexpr std::uint32_t ES_PASSWORD = 0x0020;
constexpr std::uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr std::uint32_t ES_NOHIDESEL = 0x0100;
constexpr std::uint32_t ES_OEMCONVERT = 0x0400;
constexpr std::uint32_t ES_READONLY = 0x0800;
constexpr std::uint32_t ES_WANTRETURN = 0x1000;

// List box and combo box styles.
constexpr std::uint32_t LBS_NOTIFY = 0x0001;
constexpr std::uint32_t LBS_SORT = 0x0002;
constexpr std::uint32_t LBS_MULTIPLESEL = 0x0008;
constexpr std::uint32_t LBS_OWNERDRAWFIXED = 0x0010;
constexpr std::uint32_t LBS_OWNERDRAWVARIABLE = 0x0020;
constexpr std::uint32_t LBS_HASSTRINGS = 0x0040;
constexpr std::uint32_t LBS_NOINTEGRALHEIGHT = 0x0100;
constexpr std::uint32_t LBS_EXTENDEDSEL = 0x0800;
constexpr std::uint32_t CBS_SIMPLE = 0x0001;
constexpr std::uint32_t CBS_DROPDOWN = 0x0002;
constexpr std::uint32_t CBS_DROPDOWNLIST = 0x0003;
constexpr std::uint32_t CBS_SORT = 0x0100;

// Notification codes (high word of CN_COMMAND's WParam). BN_CLICKED and
// BN_DOUBLECLICKED are in host/services/Messages.h.
constexpr UINT EN_CHANGE = 0x0300;
constexpr UINT EN_HSCROLL = 0x0601;
constexpr UINT EN_VSCROLL = 0x0602;
constexpr UINT LBN_SELCHANGE = 1;
constexpr UINT LBN_DBLCLK = 2;
constexpr UINT CBN_SELCHANGE = 1;
constexpr UINT CBN_DBLCLK = 2;
constexpr UINT CBN_EDITCHANGE = 5;
constexpr UINT CBN_DROPDOWN = 7;
constexpr UINT CBN_CLOSEUP = 8;

// The two 16-bit halves of CN_COMMAND's WParam: control id, notification code.
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) { return WPARAM((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)); }

// Scroll requests: the low word of WM_HSCROLL / WM_VSCROLL's WParam (the
// high word carries the position for SB_THUMBPOSITION and SB_THUMBTRACK).
constexpr unsigned SB_LINEUP = 0;
constexpr unsigned SB_LINELEFT = 0;
constexpr unsigned SB_LINEDOWN = 1;
constexpr unsigned SB_LINERIGHT = 1;
constexpr unsigned SB_PAGEUP = 2;
constexpr unsigned SB_PAGELEFT = 2;
constexpr unsigned SB_PAGEDOWN = 3;
constexpr unsigned SB_PAGERIGHT = 3;
constexpr unsigned SB_THUMBPOSITION = 4;
constexpr unsigned SB_THUMBTRACK = 5;
constexpr unsigned SB_TOP = 6;
constexpr unsigned SB_BOTTOM = 7;
constexpr unsigned SB_ENDSCROLL = 8;

// ---------------------------------------------------------------- owner drawing

constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_DEFAULT = 0x0020;
constexpr UINT ODS_COMBOBOXEDIT = 0x1000;

/// What CN_DRAWITEM carries in LParam: draw item `itemID` (-1 for none) of
/// the control into `hDC` within `rcItem`; the answer is 1.
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    int itemID = -1;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;  // ODS_* bits
    HWND hwndItem = nullptr;
    HDC hDC = nullptr;
    TRect rcItem;
    std::uintptr_t itemData = 0;
};
/// What CN_MEASUREITEM carries in LParam: the control fills in the size.
struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    int itemID = -1;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    std::uintptr_t itemData = 0;
};

// The item state as the framework hands it to DrawItem; flag n is ODS bit n.
enum TOwnerDrawStateFlag : std::uint8_t {
    odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
    odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit,
};
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

// ---------------------------------------------------------------- enumerations

enum TCheckBoxState : std::uint8_t { cbUnchecked, cbChecked, cbGrayed };
enum TComboBoxStyle : std::uint8_t { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
enum TListBoxStyle : std::uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
enum TEditCharCase : std::uint8_t { ecNormal, ecUpperCase, ecLowerCase };
// A control's own border: bsNone or bsSingle (a frame, 3-D sunken while
// Ctl3D); the values are the first two of the form's border styles.
using TControlBorderStyle = TFormBorderStyle;

// Widths of the frames a bsSingle control draws round its client area.
constexpr int kSunkenBorderWidth = 2;  // Ctl3D: two-pixel sunken frame
constexpr int kFlatBorderWidth = 1;    // not Ctl3D: one-pixel frame in clWindowFrame

// Draws the frame of a bordered control (edit, memo, list box) round
// `rect` and shrinks `rect` to what lies inside it.
void DrawControlBorder(HDC dc, TRect& rect, bool ctl3D);

// ---------------------------------------------------------------- buttons

/// The push mechanics shared by the push button and the check box, as the
/// system's button window has them. `Pressed` is what the button shows.
///
///   input                          | tracking          | Pressed        | then
///   left press                     | mouse             | true           | takes the focus
///   move while mouse tracking      | mouse             | point inside   |
///   left release, mouse tracking   | none              | false          | BN_CLICKED if inside
///   Space down (no mouse tracking) | key               | true           |
///   Space up, key tracking         | none              | false          | BN_CLICKED
///   focus lost, disabled           | none              | false          |
///   double-click                   | BN_DOUBLECLICKED when NotifiesDoubleClicks(),
///                                  | otherwise as a left press
///
/// The notification goes to the control itself as CN_COMMAND (high word of
/// WParam: the code).
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    bool Pressed() const { return FPressed; }

protected:
    // Owner-drawn buttons report double-clicks instead of a second press.
    virtual bool NotifiesDoubleClicks() const { return false; }
    void SendButtonNotification(UINT code);

private:
    void SetPressed(bool pressed);
    void CancelTracking();

    bool FPressed = false;
    bool FMouseTracking = false;
    bool FKeyTracking = false;
};

/// The push button. With BS_OWNERDRAW in its window style (a subclass's
/// CreateParams) it asks itself to draw with CN_DRAWITEM; otherwise it draws
/// the classic raised face, the default frame and the focus rectangle.
class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner);
    ~TButton() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // Sets the parent form's ModalResult (when there is a form), then OnClick.
    void Click() override;

    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int v) { FModalResult = v; }
    // True while the button is drawn as the form's current push button: it
    // has the focus, or it is the Default button and no other button has it.
    bool Active() const { return FActive; }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWindowDone() override;
    void PaintWindow(HDC dc) override;
    bool NotifiesDoubleClicks() const override;
    // Called with True while the button is to be drawn as the form's current
    // push button and False otherwise. The default switches the window style
    // between BS_DEFPUSHBUTTON and BS_PUSHBUTTON and repaints.
    virtual void SetButtonStyle(bool aDefault);
    bool IsOwnerDrawn() const { return (WindowStyle() & BS_TYPEMASK) == BS_OWNERDRAW; }

private:
    void UpdateActive(const TWinControl* focused);
    void DrawOwnerItem(HDC dc);
    void DrawClassicButton(HDC dc);

    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    int FModalResult = 0;
};

/// The check box: a square and a caption; a click, Space or the accelerator
/// toggles it. Assigning Checked or State from code also raises OnClick, as
/// the framework does (after the state changed).
class TCheckBox : public TButtonControl {
public:
    explicit TCheckBox(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool v) { FAllowGrayed = v; }
    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState state);
    // The next state of a click: unchecked -> checked (or grayed when
    // AllowGrayed) -> unchecked; grayed -> checked.
    void Toggle();

    // Geometry shared by painting and tests.
    static constexpr int kBoxSize = 13;
    TRect BoxRect() const;
    TRect CaptionRect() const;

protected:
    void PaintWindow(HDC dc) override;

private:
    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
};

// ---------------------------------------------------------------- label

/// A windowless caption. AutoSize makes it exactly as large as its text;
/// "&" underlines the next character while ShowAccelChar ("&&" shows one).
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void Loaded() override;
    // A placed, unaligned label that sizes itself keeps the size of its
    // text whatever size it is given.
    void SetBounds(int left, int top, int width, int height) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* control);

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Draws (or with DT_CALCRECT measures) the caption into `rect`.
    void DoDrawText(TRect& rect, unsigned flags);
    // Sizes the label to its text when AutoSize (not while being read).
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
    bool FAdjusting = false;
};

// ---------------------------------------------------------------- edits

/// Common part of the edit and the memo: a system edit window (a Qt text
/// widget) that draws its own text. At every paint the window
///  1. erases itself with WM_ERASEBKGND (the device context in WParam),
///  2. asks its colours with CN_CTLCOLOREDIT (CN_CTLCOLORSTATIC while
///     read-only or disabled), the device context in WParam: the answer is
///     the brush the text area is filled with (a hollow brush fills nothing)
///     and the device context's text colour is the colour of the text;
///  3. draws its border (bsSingle: sunken 3-D while Ctl3D, else flat),
///  4. draws the text over that.
/// So a subclass that answers TRANSPARENT and the stock NULL_BRUSH shows
/// whatever its erase painted behind the text.
class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    bool WantsCharacters() const override { return true; }

    TControlBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TControlBorderStyle v);
    // Every letter of the text in upper or lower case (ES_UPPERCASE,
    // ES_LOWERCASE): what is typed, pasted or assigned is converted.
    // Assigning re-creates the window, which converts the text it keeps.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase v);
    // False keeps the selection shown while another control has the focus
    // (ES_NOHIDESEL). The selection itself is kept either way. Assigning
    // re-creates the window.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    // The text is kept as typed: converting it through the system's OEM
    // character set (ES_OEMCONVERT) would change nothing here, where text is
    // Unicode throughout. Kept for the description and the window style.
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool v);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);

    // The width of the border the window draws now (from its styles).
    int BorderWidth() const;

    // Selection in the window's characters (a line break counts once).
    // Assigning SelStart puts the caret there and selects nothing;
    // SelLength then selects that many characters from SelStart.
    int SelStart() const;
    int SelLength() const;
    void SetSelStart(int start);
    void SetSelLength(int length);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    // Raises OnChange (not while the window is being created).
    virtual void Change();
    // The text widget applies the control's font and the fixed colours.
    virtual void ApplyFont() = 0;

    bool Creating() const { return FCreating; }
    // Text widgets are created with the window's styles; this sets the
    // widget's frame-dependent text margins.
    int BorderWidthFor(const TCreateParams& params) const;
    // `text` as CharCase has it.
    std::string CasedText(const std::string& text) const;

private:
    TControlBorderStyle FBorderStyle = bsSingle;
    TEditCharCase FCharCase = ecNormal;
    bool FHideSelection = true;
    bool FOEMConvert = false;
    int FMaxLength = 0;
    bool FReadOnly = false;
    bool FCreating = false;
};

/// The single-line edit (a QLineEdit). Alignment comes from the window style
/// (ES_LEFT / ES_CENTER / ES_RIGHT) when the window is created.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v) { FAutoSelect = v; }
    // AutoSize keeps the height at the font's line height plus the border.
    // An edit read from a form description keeps its stored height until its
    // font or AutoSize changes (a change of the 3-D look adds or takes away
    // the border's difference): the description says how tall it is, and
    // reading it back must not resize it.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char c);
    // The alignment the window shows (from its style).
    TAlignment WindowAlignment() const;

    void SelectAll();

protected:
    void CreateParams(TCreateParams& params) override;
    QWidget* CreateWindowHandle(const TCreateParams& params) override;
    void CreateWindowDone() override;
    void Loaded() override;
    std::string GetText() const override;
    void ApplyFont() override;

private:
    void AdjustHeight();
    bool FAutoSelect = true;
    bool FAutoSize = true;
    bool FKeepStoredHeight = false;
    char FPasswordChar = 0;
};

/// The multi-line edit (a QPlainTextEdit). Lines mirrors the text; the view
/// reports scrolling with WM_HSCROLL / WM_VSCROLL before it scrolls.
class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    bool WantTabs() const override { return FWantTabs; }
    bool WantsDialogKey(int virtualKey) const override { return virtualKey == VK_RETURN && FWantReturns; }

    TStrings* Lines() const { return FLines.get(); }
    void SetLines(const TStrings* lines);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool v) { FWantReturns = v; }
    void SetWantTabs(bool v) { FWantTabs = v; }

    // The first line shown and scrolling by lines (as SB_LINEDOWN does).
    int TopLine() const;
    void ScrollLines(int count);

protected:
    void CreateParams(TCreateParams& params) override;
    QWidget* CreateWindowHandle(const TCreateParams& params) override;
    void CreateWindowDone() override;
    std::string GetText() const override;
    void ApplyFont() override;

private:
    friend class TMemoWindow;
    void LinesChanged();
    void WindowTextChanged();

    std::unique_ptr<TStringList> FLines;
    TAlignment FAlignment = taLeftJustify;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FSyncingFromWindow = false;
    bool FSyncingToWindow = false;
};

// ---------------------------------------------------------------- lists

/// The list box, painted by the framework. Items lie one under the other
/// from the top of the area inside the border, ItemHeight pixels each; a
/// vertical scroll bar appears when they do not all fit. With Columns above
/// 0 they fill that many columns of equal width instead, top to bottom and
/// column after column, and a horizontal scroll bar at the bottom scrolls
/// whole columns. In lbStandard the framework draws each item (expanding
/// tabs to stops TabWidth dialog units apart while TabWidth is above 0); in
/// the owner-drawn styles each visible item goes through CN_DRAWITEM to
/// DrawItem (see DrawItem).
///
/// The selection stays on its items when items are inserted, deleted or
/// sorted (ListBoxItems.h); ItemIndex follows.
///
/// Input: a click selects; while MultiSelect with ExtendedSelect, Ctrl+click
/// toggles and Shift+click selects the range from the last plain pick, and
/// without ExtendedSelect every click toggles its item. Arrows, Home, End,
/// Page Up and Page Down move the selection (Left and Right by a column when
/// there are columns; while MultiSelect with ExtendedSelect Shift extends it,
/// without ExtendedSelect they move only the focus rectangle; Space toggles);
/// a typed character selects the next item that begins with it; the wheel
/// scrolls three items (a column with columns) a notch.
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // Typed characters search the items; they are no accelerators here.
    bool WantsCharacters() const override { return true; }
    // With IntegralHeight the height is cut to whole items.
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* items);
    int ItemIndex() const { return FItems->Current(); }
    // -1 (or any value outside the items) selects nothing. Raises no event.
    void SetItemIndex(int index);
    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle style);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int height);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    // Shift and Ctrl pick ranges (True), or each click toggles an item
    // (False); only while MultiSelect.
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool v) { FExtendedSelect = v; }
    // 0: one column that scrolls vertically; above 0: that many columns.
    int Columns() const { return FColumns; }
    void SetColumns(int v);
    // The height shows whole items only: assigned heights are cut down to
    // the border plus a whole number of items (at least one).
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool v);
    // Tab stops of lbStandard items, in dialog units (a quarter of the
    // font's average character width); 0 draws tabs as they are.
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int v);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    TControlBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TControlBorderStyle v);
    int TopIndex() const { return FTopIndex; }
    void SetTopIndex(int index);

    TCanvas* Canvas() const { return FCanvas.get(); }

    // Geometry shared by painting and input.
    static constexpr int kScrollBarWidth = 16;
    TRect ItemsArea() const;                   // inside the border, beside the scroll bar
    TRect ItemRect(int index) const;           // where an item lies now (may be outside)
    int ItemAtPos(TPoint p, bool existing) const;  // -1 when none
    int VisibleItemCount() const;              // items that fit completely
    bool ScrollBarVisible() const;
    TRect ScrollBarRect() const;

    // Raised instead of the default drawing of an owner-drawn item.
    TEvent<TWinControl*, int, TRect, TOwnerDrawState> OnDrawItem;

protected:
    // Draws one item of an owner-drawn list. The framework has attached
    // Canvas to the item's device context and given it the control's Font
    // and brush, with brush colour clHighlight and font colour
    // clHighlightText for a selected item; it draws the focus rectangle of a
    // focused item afterwards. The default raises OnDrawItem when it is
    // assigned, and otherwise fills the rectangle and draws the text 2
    // pixels in.
    virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
    void PaintWindow(HDC dc) override;
    // The framework's window, which also reports the mouse wheel.
    QWidget* CreateWindowHandle(const TCreateParams& params) override;

private:
    enum class TPick : std::uint8_t { Single, Toggle, Extend, MoveFocus };
    /// The parts of the scroll bar: vertical beside the items, horizontal
    /// under the columns.
    struct TScrollBarParts {
        bool Vertical = true;
        TRect Bar, Back, Forward, Track, Thumb;
        int Along(TPoint p) const { return Vertical ? p.Y : p.X; }
    };
    void ItemsChanged();
    void DrawOneItem(HDC dc, int index, const TRect& rect, UINT state);
    void DrawStandardItem(HDC dc, int index, const TRect& rect, UINT state);
    void DrawScrollBar(HDC dc);
    TScrollBarParts ScrollBarParts() const;
    void HandleScroll(unsigned code, int position);
    void SelectByUser(int index, TPick pick);
    void MakeVisible(int index);
    void HandleKey(TMessage& message);
    void HandleChar(TMessage& message);
    void HandleWheel(TMessage& message);
    void HandleMouse(TMessage& message);
    int MaxTopIndex() const;
    // Items a column holds (all that fit one above the other).
    int RowsPerColumn() const;
    int ColumnWidth() const;
    // What the scroll bar moves: the top item, or with columns the first
    // column shown; and how far it goes.
    int ScrollPosition() const;
    int ScrollRange() const;
    int ScrollPage() const;
    void ScrollTo(int position);
    int IntegralHeightFor(int height) const;

    std::unique_ptr<TListBoxItems> FItems;
    std::unique_ptr<TControlCanvas> FCanvas;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    bool FIntegralHeight = false;
    int FColumns = 0;
    int FTabWidth = 0;
    TControlBorderStyle FBorderStyle = bsSingle;
    int FTopIndex = 0;
    // Scroll-bar dragging: the thumb's grab offset, or -1 while not dragging.
    int FThumbGrab = -1;
    // Wheel movement not yet worth a whole item.
    int FWheelRest = 0;
};

/// The combo box over a Qt QComboBox. Setting ItemIndex from code raises no
/// OnChange; a user's pick (the widget's activated signal) raises OnClick and
/// OnChange, as does SelectByUser.
class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    void Loaded() override;
    bool WantsCharacters() const override { return FStyle != csDropDownList; }

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle style);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int v) { FItemHeight = v < 1 ? 1 : v; }
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int v);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool v);
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int v);

    // A user's pick of item `index`, through the same path as a pick in the
    // drop-down list: the item becomes current, then OnClick and OnChange.
    // Creates the window when there is none. An index outside the items is
    // ignored.
    void SelectByUser(int index);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    QWidget* CreateWindowHandle(const TCreateParams& params) override;
    void CreateWindowDone() override;
    void DestroyWnd() override;
    std::string GetText() const override;
    virtual void Change();

private:
    void ItemsChanged();
    void ApplyFontAndColors();
    void SyncWidgetItems();

    std::unique_ptr<TStringList> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FItemIndex = -1;
    int FItemHeight = 16;
    int FDropDownCount = 8;
    bool FSorted = false;
    int FMaxLength = 0;
    bool FSorting = false;
    bool FSyncing = false;
};

// ---------------------------------------------------------------- group box

/// A windowed container that draws an etched frame (flat in clWindowFrame
/// without Ctl3D) with its caption in a gap of the top edge.
class TCustomGroupBox : public TCustomControl {
public:
    explicit TCustomGroupBox(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void AlignControls(TControl* control, TRect& rect) override;
};

/// The framework's group box: a frame with a title around other controls.
class TGroupBox : public TCustomGroupBox {
public:
    explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();
};

}  // namespace Orvo
