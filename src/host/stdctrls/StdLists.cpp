// The list box (painted by the framework) and the combo box (a QComboBox).
//
//   ---- TListBox    properties (items, selection, columns, heights);
//                    ---- geometry (items area, columns, scroll bar, item
//                    rectangles); ---- painting (items, scroll bar);
//                    ---- input (scrolling, mouse, keys, characters, wheel);
//                    WndProc
//   ---- TComboBox   its look (TComboBoxLook); properties; the Qt combo box
//                    and its signals; WndProc
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComboBox>
#include <QWheelEvent>

#include <algorithm>
#include <cctype>

#include "host/framework/ControlWidgets.h"
#include "host/framework/WindowBackend.h"
#include "host/stdctrls/SharedPalettes.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

using namespace stdctrls;

namespace {

TPoint MessagePoint(const TMessage& m) { return Point(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)); }

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string FromQString(const QString& text) { return text.toUtf8().toStdString(); }

// A small filled triangle pointing one way, centred in `r`.
enum class TArrow : std::uint8_t { Up, Down, Left, Right };
void DrawArrow(HDC dc, const TRect& r, TArrow direction, TColor color) {
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    for (int step = 0; step < 4; ++step) {
        const bool tipFirst = direction == TArrow::Up || direction == TArrow::Left;
        const int half = tipFirst ? step : 3 - step;
        if (direction == TArrow::Up || direction == TArrow::Down)
            FillSolid(dc, Rect(cx - half, cy - 2 + step, cx + half + 1, cy - 1 + step), color);
        else
            FillSolid(dc, Rect(cx - 2 + step, cy - half, cx - 1 + step, cy + half + 1), color);
    }
}

// The classic scroll-bar track: a checker of highlight and face.
void DrawTrack(HDC dc, const TRect& r) {
    FillSolid(dc, r, clBtnFace);
    const COLORREF light = ColorToRGB(clBtnHighlight);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left + ((y + r.Left) & 1); x < r.Right; x += 2) SetPixel(dc, x, y, TColor(light));
}

// The list box's window is the framework's; this filter on it makes the
// wheel turns reach the list as WM_MOUSEWHEEL (the high word of WParam is the
// signed movement, 120 a notch) before the window sees them.
class TListBoxWheelFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Wheel) {
            auto* wheel = static_cast<QWheelEvent*>(e);
            TWinControl* control = ControlOfWidget(qobject_cast<QWidget*>(watched));
            const int delta = wheel->angleDelta().y();
            if (control && control->Enabled() && delta != 0) {
                const QPoint at = wheel->globalPosition().toPoint();
                DispatchToControl(control, WM_MOUSEWHEEL, MAKEWPARAM(0, unsigned(std::int16_t(delta))),
                                  MAKELPARAM(at.x(), at.y()));
                return true;
            }
        }
        return QObject::eventFilter(watched, e);
    }
};

constexpr int kWheelNotch = 120;
constexpr int kItemsPerNotch = 3;

}  // namespace

// ---------------------------------------------------------------- TListBox

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TListBoxItems>()), FCanvas(std::make_unique<TControlCanvas>(this)) {
    FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csOpaque, csCaptureMouse};
    SetBounds(Left(), Top(), 121, 97);
    SetParentColor(false);
    SetTabStop(true);
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TListBox::~TListBox() { FItems->OnChange = nullptr; }

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TListBox", &TWinControl::StaticClassInfo(), [](TComponent* owner) { return new TListBox(owner); });
        using C = TListBox;
        TClassBuilder<C>(i)
            .Enum("Style", &C::Style, &C::SetStyle, {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"})
            .DefaultIdent("lbStandard")
            .Enum("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, {"bsNone", "bsSingle"})
            .DefaultIdent("bsSingle")
            .Int("Columns", &C::Columns, &C::SetColumns, 0, INT32_MAX)
            .DefaultInt(0)
            .Bool("ExtendedSelect", &C::ExtendedSelect, &C::SetExtendedSelect)
            .Default(true)
            .Bool("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight)
            .Default(false)
            .Int("ItemHeight", &C::ItemHeight, &C::SetItemHeight, 1, 255)
            .StoredWhen([](const C& c) { return c.Style() != lbStandard; })
            .Object("Items", &C::Items)
            .Bool("MultiSelect", &C::MultiSelect, &C::SetMultiSelect)
            .Default(false)
            .Bool("Sorted", &C::Sorted, &C::SetSorted)
            .Default(false)
            .Int("TabWidth", &C::TabWidth, &C::SetTabWidth, 0, INT32_MAX)
            .DefaultInt(0)
            .Event("OnDrawItem", &C::OnDrawItem)
            .Publish({"Style", "Align", "Anchors", "BiDiMode", "BorderStyle", "Color", "Columns", "Constraints",
                      "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "ExtendedSelect", "Font", "ImeMode",
                      "ImeName", "IntegralHeight", "ItemHeight", "Items", "MultiSelect", "ParentBiDiMode"})
            .PublishWithDefault("ParentColor", TValue::Bool(false))
            // Starts in the window colour of its own, not its parent's: that
            // colour is left out of a form and comes back from the constructor.
            .StoredDefault("Color", ColorToValue(clWindow))
            .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "Sorted", "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"TabWidth", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnDrawItem",
                      "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                      "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TListBox::ClassInfo() const { return StaticClassInfo(); }

void TListBox::SetItems(const TStrings* items) {
    if (items) FItems->Assign(items);
}

void TListBox::ItemsChanged() {
    FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
    Invalidate();
    NotifyStateChanged();
}

void TListBox::SetItemIndex(int index) {
    if (index < -1 || index >= FItems->Count()) index = -1;
    if (FMultiSelect) {
        if (index >= 0) FItems->SetSelected(index, true);
    } else if (index == FItems->Current()) {
        return;
    }
    FItems->SetCurrent(index);
    FItems->SetAnchor(index);
    if (index >= 0) MakeVisible(index);
    Invalidate();
    NotifyStateChanged();
}

void TListBox::SetStyle(TListBoxStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    Invalidate();
}

void TListBox::SetItemHeight(int height) {
    height = std::clamp(height, 1, 255);
    if (height == FItemHeight) return;
    FItemHeight = height;
    FTopIndex = std::clamp(FTopIndex, 0, MaxTopIndex());
    Invalidate();
}

void TListBox::SetSorted(bool v) { FItems->SetSorted(v); }

void TListBox::SetMultiSelect(bool v) {
    if (v == FMultiSelect) return;
    FMultiSelect = v;
    // Of a single selection, the selected item stays selected.
    const int current = FItems->Current();
    FItems->SelectRange(current, v ? current : -1);
    Invalidate();
    NotifyStateChanged();
}

void TListBox::SetColumns(int v) {
    v = std::max(v, 0);
    if (v == FColumns) return;
    FColumns = v;
    FTopIndex = 0;
    if (FItems->Current() >= 0) MakeVisible(FItems->Current());
    Invalidate();
}

void TListBox::SetIntegralHeight(bool v) {
    if (v == FIntegralHeight) return;
    FIntegralHeight = v;
    if (v) SetHeight(Height());
}

void TListBox::SetTabWidth(int v) {
    v = std::max(v, 0);
    if (v == FTabWidth) return;
    FTabWidth = v;
    Invalidate();
}

int TListBox::IntegralHeightFor(int height) const {
    // A variable item height has no whole items to cut to; while reading,
    // the item height may still come (the height is cut once read).
    if (!FIntegralHeight || FStyle == lbOwnerDrawVariable || ComponentState().Contains(csLoading)) return height;
    const int border = FBorderStyle == bsSingle ? 2 * (Ctl3D() ? kSunkenBorderWidth : kFlatBorderWidth) : 0;
    const int items = std::max(1, (height - border) / FItemHeight);
    return border + items * FItemHeight;
}

void TListBox::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, width, IntegralHeightFor(height));
}

void TListBox::Loaded() {
    TWinControl::Loaded();
    if (FIntegralHeight) SetHeight(Height());
}

bool TListBox::Selected(int index) const {
    if (index < 0 || index >= FItems->Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return FMultiSelect ? FItems->Selected(index) : index == FItems->Current();
}

void TListBox::SetSelected(int index, bool selected) {
    if (index < 0 || index >= FItems->Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    if (FMultiSelect) FItems->SetSelected(index, selected);
    else if (selected) FItems->SetCurrent(index);
    else if (FItems->Current() == index) FItems->SetCurrent(-1);
    Invalidate();
    NotifyStateChanged();
}

int TListBox::SelCount() const {
    if (!FMultiSelect) return FItems->Current() >= 0 ? 1 : 0;
    return FItems->SelectedCount();
}

void TListBox::SetBorderStyle(TControlBorderStyle v) {
    if (v != bsNone && v != bsSingle) v = bsSingle;
    if (v == FBorderStyle) return;
    FBorderStyle = v;
    Invalidate();
}

void TListBox::SetTopIndex(int index) {
    index = std::clamp(index, 0, MaxTopIndex());
    // With columns the first item shown heads a column.
    if (FColumns > 0) index -= index % RowsPerColumn();
    if (index == FTopIndex) return;
    FTopIndex = index;
    Invalidate();
}

// ---- geometry

namespace {

// Columns needed for `count` items of `rows` each.
int ColumnsFor(int count, int rows) { return (count + rows - 1) / rows; }

}  // namespace

TRect TListBox::ItemsArea() const {
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) {
        const int border = Ctl3D() ? kSunkenBorderWidth : kFlatBorderWidth;
        InflateRect(r, -border, -border);
    }
    // The scroll bar shows when the items do not fit the area without it:
    // beside one column, under several.
    if (FColumns > 0) {
        const int rows = std::max(1, r.Height() / FItemHeight);
        if (ColumnsFor(FItems->Count(), rows) > FColumns) r.Bottom = std::max(r.Top, r.Bottom - kScrollBarWidth);
        return r;
    }
    const int fit = std::max(1, r.Height() / FItemHeight);
    if (FItems->Count() > fit) r.Right = std::max(r.Left, r.Right - kScrollBarWidth);
    return r;
}

int TListBox::RowsPerColumn() const { return std::max(1, ItemsArea().Height() / FItemHeight); }

int TListBox::ColumnWidth() const { return std::max(1, ItemsArea().Width() / std::max(1, FColumns)); }

int TListBox::VisibleItemCount() const { return RowsPerColumn() * std::max(1, FColumns); }

bool TListBox::ScrollBarVisible() const { return FItems->Count() > VisibleItemCount(); }

int TListBox::MaxTopIndex() const {
    if (FColumns == 0) return std::max(0, FItems->Count() - VisibleItemCount());
    const int rows = RowsPerColumn();
    return std::max(0, ColumnsFor(FItems->Count(), rows) - FColumns) * rows;
}

TRect TListBox::ScrollBarRect() const { return ScrollBarParts().Bar; }

TListBox::TScrollBarParts TListBox::ScrollBarParts() const {
    TScrollBarParts parts;
    if (!ScrollBarVisible()) return parts;
    const TRect area = ItemsArea();
    parts.Vertical = FColumns == 0;
    const int w = kScrollBarWidth;
    if (parts.Vertical) {
        parts.Bar = Rect(area.Right, area.Top, area.Right + w, area.Bottom);
        parts.Back = Rect(area.Right, area.Top, area.Right + w, area.Top + w);
        parts.Forward = Rect(area.Right, area.Bottom - w, area.Right + w, area.Bottom);
        parts.Track = Rect(area.Right, parts.Back.Bottom, area.Right + w, parts.Forward.Top);
    } else {
        parts.Bar = Rect(area.Left, area.Bottom, area.Right, area.Bottom + w);
        parts.Back = Rect(area.Left, area.Bottom, area.Left + w, area.Bottom + w);
        parts.Forward = Rect(area.Right - w, area.Bottom, area.Right, area.Bottom + w);
        parts.Track = Rect(parts.Back.Right, area.Bottom, parts.Forward.Left, area.Bottom + w);
    }
    // The thumb's length shows the visible share of the items.
    const int trackLength = parts.Vertical ? parts.Track.Height() : parts.Track.Width();
    if (trackLength <= 0) return parts;
    const int range = ScrollRange();
    const int thumbLength = std::clamp(trackLength * ScrollPage() / std::max(1, range + ScrollPage()), 8, trackLength);
    const int start = (range > 0 ? (trackLength - thumbLength) * ScrollPosition() / range : 0);
    parts.Thumb = parts.Vertical
                      ? Rect(parts.Track.Left, parts.Track.Top + start, parts.Track.Right, parts.Track.Top + start + thumbLength)
                      : Rect(parts.Track.Left + start, parts.Track.Top, parts.Track.Left + start + thumbLength, parts.Track.Bottom);
    return parts;
}

int TListBox::ScrollPosition() const { return FColumns > 0 ? FTopIndex / RowsPerColumn() : FTopIndex; }

int TListBox::ScrollRange() const { return FColumns > 0 ? MaxTopIndex() / RowsPerColumn() : MaxTopIndex(); }

int TListBox::ScrollPage() const { return FColumns > 0 ? FColumns : VisibleItemCount(); }

void TListBox::ScrollTo(int position) { SetTopIndex(FColumns > 0 ? position * RowsPerColumn() : position); }

TRect TListBox::ItemRect(int index) const {
    const TRect area = ItemsArea();
    if (FColumns == 0) {
        const int top = area.Top + (index - FTopIndex) * FItemHeight;
        return Rect(area.Left, top, area.Right, top + FItemHeight);
    }
    const int rows = RowsPerColumn(), width = ColumnWidth();
    const int offset = index - FTopIndex;
    const int column = offset >= 0 ? offset / rows : -((-offset + rows - 1) / rows);
    const int row = offset - column * rows;
    const int left = area.Left + column * width, top = area.Top + row * FItemHeight;
    return Rect(left, top, left + width, top + FItemHeight);
}

int TListBox::ItemAtPos(TPoint p, bool existing) const {
    const TRect area = ItemsArea();
    if (!area.Contains(p)) return -1;
    int index = FTopIndex + (p.Y - area.Top) / FItemHeight;
    if (FColumns > 0) {
        const int rows = RowsPerColumn(), row = (p.Y - area.Top) / FItemHeight, column = (p.X - area.Left) / ColumnWidth();
        if (row >= rows || column >= FColumns) return -1;
        index = FTopIndex + column * rows + row;
    }
    if (existing && index >= FItems->Count()) return -1;
    return index;
}

void TListBox::MakeVisible(int index) {
    if (index < FTopIndex) SetTopIndex(index);
    else if (index >= FTopIndex + VisibleItemCount()) {
        // The item's column (or line) becomes the last one shown.
        const int step = FColumns > 0 ? RowsPerColumn() : 1;
        SetTopIndex(index - index % step - VisibleItemCount() + step);
    }
}

// ---- painting

void TListBox::PaintWindow(HDC dc) {
    TSavedDC state(dc);
    TRect client = ClientRect();
    if (FBorderStyle == bsSingle) DrawControlBorder(dc, client, Ctl3D());
    const TRect area = ItemsArea();
    {
        TSavedDC clip(dc);
        clip.ClipTo(area.Left, area.Top, area.Right, area.Bottom);
        const bool focused = Focused();
        const int count = FItems->Count();
        const int caret = std::max(FItems->Current(), 0);
        if (count == 0 && focused) {
            // The focus position of an empty list.
            DrawOneItem(dc, -1, ItemRect(0), ODS_FOCUS);
        }
        for (int i = FTopIndex; i < count; ++i) {
            const TRect rect = ItemRect(i);
            if (rect.Top >= area.Bottom || rect.Left >= area.Right) break;
            UINT itemState = 0;
            if (Selected(i)) itemState |= ODS_SELECTED;
            if (focused && i == caret) itemState |= ODS_FOCUS;
            if (!Enabled()) itemState |= ODS_DISABLED;
            DrawOneItem(dc, i, rect, itemState);
        }
    }
    if (ScrollBarVisible()) DrawScrollBar(dc);
}

void TListBox::DrawOneItem(HDC dc, int index, const TRect& rect, UINT state) {
    if (FStyle == lbStandard) {
        DrawStandardItem(dc, index, rect, state);
        return;
    }
    TSavedDC saved(dc);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.itemID = index;
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = state;
    dis.hwndItem = Handle();
    dis.hDC = dc;
    dis.rcItem = rect;
    Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
}

void TListBox::DrawStandardItem(HDC dc, int index, const TRect& rect, UINT state) {
    const bool selected = index >= 0 && (state & ODS_SELECTED);
    FillSolid(dc, rect, selected ? clHighlight : Color());
    if (index >= 0) {
        TRect text = rect;
        if (UseRightToLeftAlignment()) text.Right -= 2;
        else text.Left += 2;
        const TColor color = !Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color();
        const unsigned flags = DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        const std::string item = FItems->Strings(index);
        if (FTabWidth == 0 || item.find('\t') == std::string::npos) {
            DrawCaptionText(dc, this, item, text, flags, color, true);
        } else {
            // Each piece after a tab starts at the next stop: TabWidth dialog
            // units, four to the font's average character width.
            SelectObject(dc, Font()->Handle());
            TEXTMETRIC metrics;
            GetTextMetrics(dc, &metrics);
            const int stop = std::max(1, FTabWidth * metrics.tmAveCharWidth / 4);
            int x = text.Left;
            std::size_t from = 0;
            while (from <= item.size()) {
                const std::size_t tab = std::min(item.find('\t', from), item.size());
                const std::string piece = item.substr(from, tab - from);
                TRect at = Rect(x, text.Top, text.Right, text.Bottom);
                DrawCaptionText(dc, this, piece, at, flags, color, true);
                TRect measured = at;
                DrawText(dc, piece, measured, flags | DT_CALCRECT);
                x = text.Left + ((measured.Right - text.Left) / stop + 1) * stop;
                from = tab + 1;
            }
        }
    }
    if (state & ODS_FOCUS) DrawFocusRect(dc, rect);
}

void TListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    FCanvas->FillRect(rect);
    if (index >= FItems->Count()) return;
    if (UseRightToLeftAlignment()) rect.Right -= 2;
    else rect.Left += 2;
    DrawText(FCanvas->Handle(), FItems->Strings(index), rect, DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}

void TListBox::DrawScrollBar(HDC dc) {
    const TScrollBarParts parts = ScrollBarParts();
    DrawTrack(dc, parts.Track);
    TRect back = parts.Back, forward = parts.Forward;
    DrawFrameControl(dc, &back, DFC_BUTTON, DFCS_BUTTONPUSH);
    DrawFrameControl(dc, &forward, DFC_BUTTON, DFCS_BUTTONPUSH);
    const TColor arrow = Enabled() ? clBtnText : clGrayText;
    DrawArrow(dc, parts.Back, parts.Vertical ? TArrow::Up : TArrow::Left, arrow);
    DrawArrow(dc, parts.Forward, parts.Vertical ? TArrow::Down : TArrow::Right, arrow);
    if (parts.Thumb.IsEmpty()) return;
    TRect thumb = parts.Thumb;
    DrawFrameControl(dc, &thumb, DFC_BUTTON, DFCS_BUTTONPUSH);
}

// ---- input

void TListBox::HandleScroll(unsigned code, int position) {
    const int at = ScrollPosition(), page = ScrollPage();
    switch (code) {
        case SB_LINEUP: ScrollTo(at - 1); break;
        case SB_LINEDOWN: ScrollTo(at + 1); break;
        case SB_PAGEUP: ScrollTo(at - page); break;
        case SB_PAGEDOWN: ScrollTo(at + page); break;
        case SB_TOP: ScrollTo(0); break;
        case SB_BOTTOM: ScrollTo(ScrollRange()); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: ScrollTo(position); break;
        default: break;
    }
}

QWidget* TListBox::CreateWindowHandle(const TCreateParams& params) {
    QWidget* window = WindowBackend().CreateHostWindow(this, WidgetOf(params.WndParent), {});
    window->installEventFilter(new TListBoxWheelFilter(window));
    return window;
}

void TListBox::SelectByUser(int index, TPick pick) {
    if (index < 0 || index >= FItems->Count()) return;
    const int anchor = FItems->Anchor();
    if (FMultiSelect) {
        if (pick == TPick::Extend && anchor >= 0) {
            FItems->SelectRange(std::min(anchor, index), std::max(anchor, index));
        } else if (pick == TPick::Toggle) {
            FItems->SetSelected(index, !FItems->Selected(index));
        } else if (pick == TPick::Single) {
            FItems->SelectRange(index, index);
        }
    }
    if ((pick != TPick::Extend || anchor < 0) && pick != TPick::MoveFocus) FItems->SetAnchor(index);
    FItems->SetCurrent(index);
    MakeVisible(index);
    Invalidate();
    NotifyStateChanged();
    // Moving only the focus rectangle changes no selection.
    if (pick != TPick::MoveFocus) SendNotification(CN_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), 0);
}

void TListBox::HandleMouse(TMessage& message) {
    const TPoint p = MessagePoint(message);
    const TScrollBarParts bar = ScrollBarParts();
    TComponentGuard guard(this);
    const UINT scroll = bar.Vertical ? WM_VSCROLL : WM_HSCROLL;
    if (message.Msg == WM_LBUTTONDOWN && bar.Bar.Contains(p)) {
        // The scroll bar: like a non-client area, it neither focuses the
        // list nor selects; it sends scroll requests to the list.
        const int along = bar.Along(p);
        const int thumbStart = bar.Vertical ? bar.Thumb.Top : bar.Thumb.Left;
        const int thumbEnd = bar.Vertical ? bar.Thumb.Bottom : bar.Thumb.Right;
        if (bar.Back.Contains(p)) Perform(scroll, MAKEWPARAM(SB_LINEUP, 0), 0);
        else if (bar.Forward.Contains(p)) Perform(scroll, MAKEWPARAM(SB_LINEDOWN, 0), 0);
        else if (along < thumbStart) Perform(scroll, MAKEWPARAM(SB_PAGEUP, 0), 0);
        else if (along >= thumbEnd) Perform(scroll, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
        else {
            FThumbGrab = along - thumbStart;
            SetMouseCapture(true);
        }
        return;
    }
    if (message.Msg == WM_MOUSEMOVE && FThumbGrab >= 0) {
        const int trackStart = bar.Vertical ? bar.Track.Top : bar.Track.Left;
        const int trackLength = bar.Vertical ? bar.Track.Height() : bar.Track.Width();
        const int thumbLength = bar.Vertical ? bar.Thumb.Height() : bar.Thumb.Width();
        const int span = std::max(1, trackLength - thumbLength);
        const int position = (bar.Along(p) - FThumbGrab - trackStart) * ScrollRange() / span;
        Perform(scroll, MAKEWPARAM(SB_THUMBTRACK, unsigned(std::clamp(position, 0, ScrollRange()))), 0);
        return;
    }
    if (message.Msg == WM_LBUTTONUP && FThumbGrab >= 0) {
        FThumbGrab = -1;
        SetMouseCapture(false);
        Perform(scroll, MAKEWPARAM(SB_THUMBPOSITION, unsigned(ScrollPosition())), 0);
        if (!guard.Destroyed()) Perform(scroll, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
        return;
    }

    TWinControl::WndProc(message);
    if (guard.Destroyed()) return;
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
        if (CanFocus() && !Focused()) {
            SetFocus();
            if (guard.Destroyed()) return;
        }
        const int index = ItemAtPos(p, true);
        if (index < 0) return;
        if (message.Msg == WM_LBUTTONDBLCLK) SendNotification(CN_COMMAND, MAKEWPARAM(0, LBN_DBLCLK), 0);
        else if (FMultiSelect && !FExtendedSelect) SelectByUser(index, TPick::Toggle);
        else if (FMultiSelect && (message.WParam & MK_SHIFT)) SelectByUser(index, TPick::Extend);
        else if (FMultiSelect && (message.WParam & MK_CONTROL)) SelectByUser(index, TPick::Toggle);
        else SelectByUser(index, TPick::Single);
    }
}

void TListBox::HandleKey(TMessage& message) {
    const int count = FItems->Count();
    if (count == 0) return;
    const int current = FItems->Current();
    const int rows = RowsPerColumn();
    int next = current;
    switch (message.WParam) {
        case VK_UP: next = current - 1; break;
        case VK_DOWN: next = current + 1; break;
        case VK_LEFT:
            if (FColumns == 0) return;
            next = current - rows;
            break;
        case VK_RIGHT:
            if (FColumns == 0) return;
            next = current + rows;
            break;
        case VK_HOME: next = 0; break;
        case VK_END: next = count - 1; break;
        case VK_PRIOR: next = current - (VisibleItemCount() - 1); break;
        case VK_NEXT: next = current + (VisibleItemCount() - 1); break;
        case VK_SPACE:
            if (FMultiSelect && current >= 0) {
                SelectByUser(current, TPick::Toggle);
                message.Result = 1;
            }
            return;
        default: return;
    }
    message.Result = 1;
    next = std::clamp(next, 0, count - 1);
    TPick pick = TPick::Single;
    if (FMultiSelect && !FExtendedSelect) pick = TPick::MoveFocus;
    else if (FMultiSelect && KeyboardShiftState().Contains(ssShift)) pick = TPick::Extend;
    if (next != current || pick == TPick::Extend) SelectByUser(next, pick);
}

void TListBox::HandleChar(TMessage& message) {
    // The next item after the current one (round the end) whose text
    // begins with the character, compared without regard to case.
    const int count = FItems->Count();
    const auto typed = static_cast<unsigned char>(message.WParam);
    if (count == 0 || typed < 32) return;
    message.Result = 1;
    const int lowered = std::tolower(typed);
    const int current = FItems->Current();
    for (int step = 1; step <= count; ++step) {
        const int index = ((current < 0 ? -1 : current) + step) % count;
        const std::string text = FItems->Strings(index);
        if (!text.empty() && std::tolower(static_cast<unsigned char>(text[0])) == lowered) {
            if (index != current || FMultiSelect) SelectByUser(index, TPick::Single);
            return;
        }
    }
}

void TListBox::HandleWheel(TMessage& message) {
    message.Result = 1;
    FWheelRest += static_cast<std::int16_t>(HIWORD(message.WParam));
    const int notches = FWheelRest / kWheelNotch;
    FWheelRest -= notches * kWheelNotch;
    // Turning the wheel away from the user (positive) shows earlier items
    // (with columns, earlier columns).
    if (notches != 0) ScrollTo(ScrollPosition() - notches * (FColumns > 0 ? 1 : kItemsPerNotch));
}

void TListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
            HandleMouse(message);
            return;
        case WM_KEYDOWN:
            TWinControl::WndProc(message);
            if (message.Result == 0) HandleKey(message);
            return;
        case WM_CHAR:
            TWinControl::WndProc(message);
            if (message.Result == 0) HandleChar(message);
            return;
        case WM_MOUSEWHEEL:
            HandleWheel(message);
            return;
        case WM_VSCROLL:
            if (FColumns == 0) HandleScroll(LOWORD(message.WParam), HIWORD(message.WParam));
            return;
        case WM_HSCROLL:
            if (FColumns > 0) HandleScroll(LOWORD(message.WParam), HIWORD(message.WParam));
            return;
        case CN_COMMAND:
            switch (HIWORD(message.WParam)) {
                case LBN_SELCHANGE:
                    Changed();
                    Click();
                    break;
                case LBN_DBLCLK: DblClick(); break;
                default: break;
            }
            return;
        case CN_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
            if (!dis) return;
            const TOwnerDrawState state(dis->itemState & 0xFFFF);
            TCanvasOnDC attach(FCanvas.get(), dis->hDC);
            FCanvas->SetFont(Font());
            FCanvas->SetBrush(Brush());
            if (dis->itemID >= 0 && state.Contains(odSelected)) {
                FCanvas->Brush()->SetColor(clHighlight);
                FCanvas->Font()->SetColor(clHighlightText);
            }
            if (dis->itemID >= 0) DrawItem(dis->itemID, dis->rcItem, state);
            else FCanvas->FillRect(dis->rcItem);
            if (state.Contains(odFocused)) DrawFocusRect(dis->hDC, dis->rcItem);
            message.Result = 1;
            return;
        }
        case CN_MEASUREITEM:
            if (auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)) mis->itemHeight = UINT(FItemHeight);
            message.Result = 1;
            return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case CM_FONTCHANGED:
            TWinControl::WndProc(message);
            Invalidate();
            return;
        case CM_CTL3DCHANGED:
            TWinControl::WndProc(message);
            // The border's width changes: whole items again.
            if (FIntegralHeight) SetHeight(Height());
            Invalidate();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- TComboBox

namespace {

// The look of the framework's combo boxes over the desktop style: a slim
// drop-down button, so the item text has the width that forms laid out for
// the platform's combo box give it, and a focused drop-down list shows its
// text in the selection colours, the sign of focus users know from it.
class TComboBoxLook : public QProxyStyle {
public:
    // Wide enough for the arrow and a comfortable target.
    static constexpr int kButtonWidth = 13;
    // The frame around the edit field.
    static constexpr int kFrame = 2;

    TComboBoxLook() : QProxyStyle(QApplication::style()->name()) {}

    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* option, SubControl sc,
                         const QWidget* widget) const override {
        if (cc == CC_ComboBox) {
            const QRect r = option->rect;
            const QRect button(r.right() - kFrame - kButtonWidth + 1, r.top() + kFrame, kButtonWidth,
                               r.height() - 2 * kFrame);
            if (sc == SC_ComboBoxArrow) return visualRect(option->direction, r, button);
            if (sc == SC_ComboBoxEditField) {
                const QRect field(r.left() + kFrame, r.top() + kFrame, button.left() - r.left() - kFrame,
                                  r.height() - 2 * kFrame);
                return visualRect(option->direction, r, field);
            }
        }
        return QProxyStyle::subControlRect(cc, option, sc, widget);
    }

    // The face and its arrow are cached under the palette's identity, which
    // is new for every re-created combo box: they are drawn with the shared
    // palette of the same colours.
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            QStyleOptionComboBox shared(*combo);
            shared.palette = SharedStylePalette(combo->palette);
            QProxyStyle::drawComplexControl(cc, &shared, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(cc, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element == CE_ComboBoxLabel && combo && !combo->editable && (combo->state & State_HasFocus)) {
            const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
            painter->fillRect(field, combo->palette.color(QPalette::Highlight));
            QStyleOptionComboBox selected(*combo);
            for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
                selected.palette.setColor(role, combo->palette.color(QPalette::HighlightedText));
            QProxyStyle::drawControl(element, &selected, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// One style object for every combo box, owned by the application.
QStyle* ComboBoxStyle() {
    static QPointer<TComboBoxLook> style;
    if (!style) {
        style = new TComboBoxLook;
        style->setParent(qApp);
    }
    return style;
}

// Gives a combo box just made its look. Qt's combo box answers the change
// of style by making its drop-down list, only to hand the list the style's
// item delegate: a third of the cost of a combo box, for a list that gets
// that delegate anyway when it is first shown. A new combo box has no list,
// size hint or edit field yet that the change would bring up to date, so
// the change's notice is kept from it.
void GiveNewComboItsLook(QComboBox* combo) {
    class TStyleChangeKept : public QObject {
    public:
        bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::StyleChange; }
    } kept;
    combo->installEventFilter(&kept);
    combo->setStyle(ComboBoxStyle());
    combo->removeEventFilter(&kept);
}

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), FItems(std::make_unique<TStringList>()) {
    FControlStyle = TControlStyle{csCaptureMouse, csSetCaption, csDoubleClicks, csFixedHeight};
    SetBounds(Left(), Top(), 145, 21);
    SetParentColor(false);
    SetTabStop(true);
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TComboBox::~TComboBox() { FItems->OnChange = nullptr; }

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TComboBox", &TWinControl::StaticClassInfo(), [](TComponent* owner) { return new TComboBox(owner); });
        using C = TComboBox;
        TClassBuilder<C>(i)
            .Enum("Style", &C::Style, &C::SetStyle,
                  {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"})
            .DefaultIdent("csDropDown")
            .Int("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 1, 1000)
            .DefaultInt(8)
            .Int("ItemHeight", &C::ItemHeight, &C::SetItemHeight, 1, 255)
            .Int("ItemIndex", &C::ItemIndex, &C::SetItemIndex, -1)
            .DefaultInt(-1)
            .Int("MaxLength", &C::MaxLength, &C::SetMaxLength, 0)
            .DefaultInt(0)
            .Bool("Sorted", &C::Sorted, &C::SetSorted)
            .Default(false)
            .WindowText("Text", &C::Text, &C::SetText)
            .DefaultStr("")
            .StoredWhen([](const C& c) { return c.Style() == csDropDown || c.Style() == csSimple; })
            .Object("Items", &C::Items)
            .Event("OnChange", &C::OnChange)
            .Publish({"Style", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "DragCursor", "DragKind",
                      "DragMode", "DropDownCount", "Enabled", "Font", "ItemHeight", "MaxLength", "ParentBiDiMode"})
            .PublishWithDefault("ParentColor", TValue::Bool(false))
            // Starts in the window colour of its own, not its parent's: that
            // colour is left out of a form and comes back from the constructor.
            .StoredDefault("Color", ColorToValue(clWindow))
            .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "Sorted", "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"Text", "Visible", "OnChange", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                      "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock",
                      "OnStartDrag",
                      // The items come last and the index after them, so a
                      // description selects among items already read.
                      "Items", "ItemIndex"});
        return i;
    }();
    return info;
}
const TClassInfo& TComboBox::ClassInfo() const { return StaticClassInfo(); }

void TComboBox::SetItems(const TStrings* items) {
    if (items) FItems->Assign(items);
}

void TComboBox::ItemsChanged() {
    if (FSorting) return;
    if (FSorted) {
        FSorting = true;
        FItems->Sort();
        FSorting = false;
    }
    if (FItemIndex >= FItems->Count() && !ComponentState().Contains(csLoading)) FItemIndex = -1;
    SyncWidgetItems();
}

void TComboBox::SyncWidgetItems() {
    auto* combo = dynamic_cast<QComboBox*>(Widget());
    if (!combo) return;
    FSyncing = true;
    const QString edit = combo->isEditable() ? combo->currentText() : QString();
    combo->clear();
    for (int k = 0; k < FItems->Count(); ++k) combo->addItem(ToQString(FItems->Strings(k)));
    combo->setCurrentIndex(FItemIndex);
    if (combo->isEditable() && FItemIndex < 0) combo->setEditText(edit);
    FSyncing = false;
}

int TComboBox::ItemIndex() const {
    if (auto* combo = dynamic_cast<QComboBox*>(Widget())) return combo->currentIndex();
    return FItemIndex;
}

void TComboBox::SetItemIndex(int index) {
    // While a description is read the items may come later: keep the index
    // and apply it in Loaded.
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) {
        FItemIndex = index;
        return;
    }
    if (index < -1 || index >= FItems->Count()) index = -1;
    FItemIndex = index;
    if (auto* combo = dynamic_cast<QComboBox*>(Widget())) {
        // The widget's own change signals are not listened to: selecting
        // from code raises no OnChange.
        combo->setCurrentIndex(index);
    }
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    SetItemIndex(FItemIndex);
}

void TComboBox::SetStyle(TComboBoxStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    RecreateWnd();
}

void TComboBox::SetDropDownCount(int v) {
    FDropDownCount = std::max(v, 1);
    if (auto* combo = dynamic_cast<QComboBox*>(Widget())) combo->setMaxVisibleItems(FDropDownCount);
}

void TComboBox::SetSorted(bool v) {
    if (v == FSorted) return;
    FSorted = v;
    if (v) ItemsChanged();
}

void TComboBox::SetMaxLength(int v) {
    FMaxLength = std::max(v, 0);
    if (auto* combo = dynamic_cast<QComboBox*>(Widget()))
        if (QLineEdit* edit = combo->lineEdit()) edit->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

void TComboBox::SelectByUser(int index) {
    if (index < 0 || index >= FItems->Count()) return;
    HandleNeeded();
    auto* combo = dynamic_cast<QComboBox*>(Widget());
    if (!combo) return;
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

void TComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    static constexpr std::uint32_t kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, CBS_DROPDOWNLIST,
                                                CBS_DROPDOWNLIST};
    params.Style |= kStyles[FStyle] | WS_VSCROLL;
    if (FSorted) params.Style |= CBS_SORT;
}

QWidget* TComboBox::CreateWindowHandle(const TCreateParams& params) {
    auto* combo = new QComboBox(WidgetOf(params.WndParent));
    GiveNewComboItsLook(combo);
    const std::uint32_t kind = params.Style & 0x3;
    combo->setEditable(kind == CBS_DROPDOWN || kind == CBS_SIMPLE);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(FDropDownCount);
    for (int k = 0; k < FItems->Count(); ++k) combo->addItem(ToQString(FItems->Strings(k)));
    combo->setCurrentIndex(FItemIndex);
    if (combo->isEditable()) {
        if (FItemIndex < 0) combo->setEditText(ToQString(params.Caption));
        if (FMaxLength > 0) combo->lineEdit()->setMaxLength(FMaxLength);
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                         [this] { SendNotification(CN_COMMAND, MAKEWPARAM(0, CBN_EDITCHANGE), 0); });
    }
    // Only a user's pick is reported; changes made from code are silent.
    QObject::connect(combo, &QComboBox::activated, combo,
                     [this] { SendNotification(CN_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), 0); });
    return combo;
}

void TComboBox::CreateWindowDone() {
    TWinControl::CreateWindowDone();
    ApplyFontAndColors();
}

void TComboBox::DestroyWnd() {
    if (auto* combo = dynamic_cast<QComboBox*>(Widget())) FItemIndex = combo->currentIndex();
    TWinControl::DestroyWnd();
}

namespace {

// A window's text ends at its first #0, so an item with one inside is the
// combo's text only up to there (the item itself keeps it whole).
std::string UpToFirstNul(std::string text) {
    text.resize(std::min(text.size(), text.find('\0')));
    return text;
}

}  // namespace

std::string TComboBox::GetText() const {
    if (auto* combo = dynamic_cast<QComboBox*>(Widget())) return UpToFirstNul(FromQString(combo->currentText()));
    if (FStyle == csDropDownList || FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable)
        return FItemIndex >= 0 && FItemIndex < FItems->Count() ? UpToFirstNul(FItems->Strings(FItemIndex)) : std::string();
    return TWinControl::GetText();
}

void TComboBox::ApplyFontAndColors() {
    QWidget* widget = Widget();
    if (!widget) return;
    ApplyControlFont(widget, this);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    palette.setColor(QPalette::ButtonText, ToQColor(Font()->Color()));
    palette.setColor(QPalette::Button, ToQColor(clBtnFace));
    palette.setColor(QPalette::Window, ToQColor(clBtnFace));
    palette.setColor(QPalette::Highlight, ToQColor(clHighlight));
    palette.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    widget->setPalette(palette);
}

void TComboBox::Change() { OnChange(this); }

void TComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            switch (HIWORD(message.WParam)) {
                case CBN_SELCHANGE: {
                    FItemIndex = ItemIndex();
                    TComponentGuard guard(this);
                    Click();
                    if (!guard.Destroyed()) Change();
                    break;
                }
                case CBN_EDITCHANGE: Change(); break;
                default: break;
            }
            return;
        case WM_SETTEXT: {
            TWinControl::WndProc(message);
            const std::string text = TWinControl::GetText();
            if (FStyle == csDropDown || FStyle == csSimple) {
                if (auto* combo = dynamic_cast<QComboBox*>(Widget())) combo->setEditText(ToQString(text));
            } else {
                // A list-only combo shows the item of that text, if any.
                SetItemIndex(FItems->IndexOf(text));
            }
            return;
        }
        case CM_FONTCHANGED:
        case CM_COLORCHANGED:
        case CM_SYSCOLORCHANGE:
            TWinControl::WndProc(message);
            ApplyFontAndColors();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TListBox::StaticClassInfo());
    RegisterClass(TComboBox::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
