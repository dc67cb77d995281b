#include "host/stdctrls/ComCtrls.h"

#include <algorithm>

#include "host/framework/Forms.h"
#include "host/stdctrls/StdCtrlsSupport.h"

namespace Orvo {

using namespace stdctrls;

namespace {

// Tabs: text plus this much on each side; the row starts this far in.
constexpr int kTabPadding = 6;
constexpr int kTabRowLeft = 2;
constexpr int kTabRowTop = 2;
// The selected tab stands out by this much on each side and at the top.
constexpr int kSelectedGrow = 2;

TSize MeasureText(const TControl* control, std::string_view text) {
    HDC dc = GetDC(nullptr);
    SelectObject(dc, control->Font()->Handle());
    const TSize size = TextExtent(dc, text.empty() ? std::string_view("W") : text);
    ReleaseDC(nullptr, dc);
    return text.empty() ? TSize{0, size.cy} : size;
}

}  // namespace

// ---------------------------------------------------------------- TTabSheet

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    FControlStyle = FControlStyle + TControlStyle{csAcceptsControls, csNoDesignVisible};
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
}

const TClassInfo& TTabSheet::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TTabSheet", &TWinControl::StaticClassInfo(), [](TComponent* owner) { return new TTabSheet(owner); });
        using C = TTabSheet;
        auto never = [](const C&) { return false; };
        TClassBuilder<C>(i)
            // The page control places its sheets: their bounds, visibility
            // and page index are not stored.
            .Int("Left", &C::Left, &C::SetLeft).StoredWhen(never)
            .Int("Top", &C::Top, &C::SetTop).StoredWhen(never)
            .Int("Width", &C::Width, &C::SetWidth).StoredWhen(never)
            .Int("Height", &C::Height, &C::SetHeight).StoredWhen(never)
            .Bool("Visible", &C::Visible, &C::SetVisible).StoredWhen(never)
            .Int("PageIndex", &C::PageIndex, &C::SetPageIndex).StoredWhen(never)
            .Int("ImageIndex", &C::ImageIndex, &C::SetImageIndex)
            .DefaultInt(0)
            .Bool("TabVisible", &C::TabVisible, &C::SetTabVisible)
            .Default(true)
            .Event("OnShow", &C::OnShow)
            .Event("OnHide", &C::OnHide)
            .Publish({"Left", "Top", "Width", "Height", "Caption", "DragMode", "Enabled", "Font", "ImageIndex",
                      "Constraints", "PageIndex", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabVisible",
                      "Visible", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter", "OnExit", "OnHide", "OnMouseDown",
                      "OnMouseMove", "OnMouseUp", "OnShow", "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TTabSheet::ClassInfo() const { return StaticClassInfo(); }

void TTabSheet::SetParent(TWinControl* parent) {
    auto* pageControl = dynamic_cast<TPageControl*>(parent);
    if (FPageControl && FPageControl != pageControl) FPageControl->RemovePage(this);
    TWinControl::SetParent(parent);
    if (pageControl && FPageControl != pageControl) pageControl->InsertPage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
    if (FPageControl) FPageControl->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int index = 0;
    for (const TTabSheet* page : FPageControl->FPages) {
        if (page == this) return index;
        if (page->FTabVisible) ++index;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool v) {
    if (v == FTabVisible) return;
    FTabVisible = v;
    if (!FPageControl) return;
    if (!v && FPageControl->ActivePage() == this) {
        TTabSheet* next = FPageControl->FindNextPage(this, true, true);
        FPageControl->SetActivePage(next == this ? nullptr : next);
    }
    FPageControl->Invalidate();
}

void TTabSheet::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->Invalidate();
}

// ---------------------------------------------------------------- TPageControl

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(Left(), Top(), 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    // The sheets may outlive the page control (the form owns them).
    for (TTabSheet* page : FPages) page->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

const TClassInfo& TPageControl::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TPageControl", &TWinControl::StaticClassInfo(),
                     [](TComponent* owner) { return new TPageControl(owner); });
        using C = TPageControl;
        TClassBuilder<C>(i)
            // SetActivePage passes over a page of another page control;
            // a description naming one is wrong, not ignored.
            .Component("ActivePage", &C::ActivePage, &C::SetActivePage,
                       [](const C& self, const TComponent& page) -> std::string {
                           const TPageControl* owner = static_cast<const TTabSheet&>(page).PageControl();
                           if (owner == &self) return {};
                           return page.Name() + " is " +
                                  (owner ? "a page of " + owner->Name() : std::string("on no page control")) +
                                  ", not of " + self.Name();
                       })
            .Event("OnChange", &C::OnChange)
            .Event("OnChanging", &C::OnChanging)
            .Publish({"ActivePage", "Align", "Anchors", "BiDiMode", "Constraints", "DragCursor", "DragKind",
                      "DragMode", "Enabled", "Font", "ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu",
                      "ShowHint", "TabOrder"})
            .PublishWithDefault("TabStop", TValue::Bool(true))
            .Publish({"Visible", "OnChange", "OnChanging", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnEnter",
                      "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDrag"});
        return i;
    }();
    return info;
}
const TClassInfo& TPageControl::ClassInfo() const { return StaticClassInfo(); }

TTabSheet* TPageControl::Pages(int index) const {
    if (index < 0 || index >= PageCount())
        throw EListError("Page index out of bounds (" + std::to_string(index) + ")");
    return FPages[std::size_t(index)];
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TTabSheet* page : std::vector<TTabSheet*>(FPages))
        if (page->Owner() == root) proc(page);
}

void TPageControl::InsertPage(TTabSheet* page) {
    FPages.push_back(page);
    page->FPageControl = this;
    // A page control without an active page shows its first page.
    if (!FActivePage && page->TabVisible()) SetActivePage(page);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    TTabSheet* next = nullptr;
    if (page == FActivePage) {
        next = FindNextPage(page, true, true);
        if (next == page) next = nullptr;
    }
    FPages.erase(std::find(FPages.begin(), FPages.end(), page));
    page->FPageControl = nullptr;
    if (page == FActivePage) {
        FActivePage = nullptr;
        SetActivePage(next);
    }
    Invalidate();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    index = std::clamp(index, 0, int(FPages.size()));
    FPages.insert(FPages.begin() + index, page);
    Invalidate();
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this) return;
    if (page == FActivePage) return;
    TTabSheet* old = FActivePage;
    // The focus does not stay on a page that is hidden: it moves to the
    // page control.
    if (old && old->ContainsControl(stdctrls::FocusedWinControl()) && CanFocus()) SetFocus();
    FActivePage = page;
    TComponentGuard guard(this);
    if (page) {
        page->BringToFront();
        page->SetVisible(true);
        page->OnShow(page);
        if (guard.Destroyed()) return;
    }
    if (old && old->PageControl() == this) {
        old->SetVisible(false);
        old->OnHide(old);
        if (guard.Destroyed()) return;
    }
    Realign();
    Invalidate();
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? FPages[std::size_t(index)] : nullptr);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const {
    const int n = PageCount();
    if (n == 0) return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), current);
    int start = it == FPages.end() ? (forward ? n - 1 : 0) : int(it - FPages.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        TTabSheet* page = FPages[std::size_t(i)];
        if (!checkTabVisible || page->TabVisible()) return page;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool forward) {
    TTabSheet* page = FindNextPage(FActivePage, forward, true);
    if (page && page != FActivePage) SelectPageByUser(page);
}

bool TPageControl::HoldsTheFocus() const {
    if (Focused()) return true;
    TWinControl* focused = stdctrls::FocusedWinControl();
    return focused && ContainsControl(focused);
}

void TPageControl::TurnPageFromKeyboard(bool forward) {
    // The user was working on the page: the next page's first control
    // takes the focus, so Tab goes on from there.
    const bool focusOnPage = FActivePage && FActivePage->ContainsControl(stdctrls::FocusedWinControl());
    TComponentGuard guard(this);
    SelectNextPage(forward);
    if (guard.Destroyed() || !focusOnPage || !FActivePage) return;
    if (TWinControl* first = FActivePage->FindNextControl(nullptr, true, true)) first->SetFocus();
}

void TPageControl::SelectPageByUser(TTabSheet* page) {
    if (!page || page->PageControl() != this || page == FActivePage || !page->TabVisible()) return;
    TComponentGuard guard(this);
    if (!CanChange() || guard.Destroyed()) return;
    SetActivePage(page);
    if (!guard.Destroyed()) Change();
}

bool TPageControl::CanChange() {
    bool allow = true;
    OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() { OnChange(this); }

std::vector<TTabSheet*> TPageControl::ShownTabs() const {
    std::vector<TTabSheet*> tabs;
    for (TTabSheet* page : FPages)
        if (page->TabVisible()) tabs.push_back(page);
    return tabs;
}

int TPageControl::TabHeight() const { return MeasureText(this, "Wg").cy + 7; }

TRect TPageControl::DisplayRect() const {
    const int bodyTop = kTabRowTop + TabHeight();
    return Rect(4, bodyTop + 2, std::max(4, Width() - 4), std::max(bodyTop + 2, Height() - 4));
}

TRect TPageControl::TabRect(int pageIndex) const {
    if (pageIndex < 0 || pageIndex >= PageCount() || !FPages[std::size_t(pageIndex)]->TabVisible()) return TRect{};
    int x = kTabRowLeft;
    const int height = TabHeight();
    for (int i = 0; i < PageCount(); ++i) {
        const TTabSheet* page = FPages[std::size_t(i)];
        if (!page->TabVisible()) continue;
        const int width = MeasureText(this, page->Caption()).cx + 2 * kTabPadding;
        if (i == pageIndex) return Rect(x, kTabRowTop, x + width, kTabRowTop + height);
        x += width;
    }
    return TRect{};
}

int TPageControl::IndexOfTabAt(TPoint p) const {
    // The selected tab is larger and lies above its neighbours.
    if (FActivePage) {
        TRect r = TabRect(FActivePage->PageIndex());
        r = Rect(r.Left - kSelectedGrow, r.Top - kSelectedGrow, r.Right + kSelectedGrow, r.Bottom + 1);
        if (r.Contains(p)) return FActivePage->PageIndex();
    }
    for (int i = 0; i < PageCount(); ++i)
        if (TabRect(i).Contains(p)) return i;
    return -1;
}

void TPageControl::AlignControls(TControl* control, TRect& rect) {
    rect = DisplayRect();
    TWinControl::AlignControls(control, rect);
}

void TPageControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_LBUTTONDOWN: {
            TComponentGuard guard(this);
            TWinControl::WndProc(message);
            if (guard.Destroyed()) return;
            const int index = IndexOfTabAt(Point(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
            if (index < 0) return;
            if (CanFocus() && !Focused()) {
                SetFocus();
                if (guard.Destroyed()) return;
            }
            SelectPageByUser(FPages[std::size_t(index)]);
            return;
        }
        case WM_KEYDOWN:
            TWinControl::WndProc(message);
            if (message.Result != 0) return;
            if (message.WParam == VK_LEFT || message.WParam == VK_RIGHT) {
                // Arrows move along the tabs without wrapping round.
                const std::vector<TTabSheet*> tabs = ShownTabs();
                auto it = std::find(tabs.begin(), tabs.end(), FActivePage);
                if (it != tabs.end()) {
                    const int i = int(it - tabs.begin()) + (message.WParam == VK_RIGHT ? 1 : -1);
                    if (i >= 0 && i < int(tabs.size())) SelectPageByUser(tabs[std::size_t(i)]);
                }
                message.Result = 1;
            }
            return;
        case CM_DIALOGKEY:
            if (message.WParam == VK_TAB && KeyboardShiftState().Contains(ssCtrl) && HoldsTheFocus()) {
                TurnPageFromKeyboard(!KeyboardShiftState().Contains(ssShift));
                message.Result = 1;
                return;
            }
            TWinControl::WndProc(message);
            return;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case CM_FONTCHANGED:
            TWinControl::WndProc(message);
            Invalidate();
            if (message.Msg == CM_FONTCHANGED) Realign();
            return;
        default:
            TWinControl::WndProc(message);
    }
}

void TPageControl::DrawTab(HDC dc, TRect r, const TTabSheet* page, bool selected) {
    FillSolid(dc, r, Color());
    // Light left and top edges with a cut corner, dark right edges.
    FillSolid(dc, Rect(r.Left, r.Top + 2, r.Left + 1, r.Bottom), clBtnHighlight);
    FillSolid(dc, Rect(r.Left + 1, r.Top + 1, r.Left + 2, r.Top + 2), clBtnHighlight);
    FillSolid(dc, Rect(r.Left + 2, r.Top, r.Right - 2, r.Top + 1), clBtnHighlight);
    FillSolid(dc, Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Bottom), clBtnShadow);
    FillSolid(dc, Rect(r.Right - 1, r.Top + 2, r.Right, r.Bottom), cl3DDkShadow);
    FillSolid(dc, Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Top + 2), cl3DDkShadow);
    TRect text = r;
    if (selected) text.Bottom -= kSelectedGrow;
    DrawCaptionText(dc, this, page->Caption(), text, DrawTextBiDiModeFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE),
                    Font()->Color(), Enabled());
    if (selected && Focused()) {
        TRect focus = text;
        InflateRect(focus, -3, -3);
        DrawFocusRect(dc, focus);
    }
}

void TPageControl::PaintWindow(HDC dc) {
    TSavedDC state(dc);
    const int bodyTop = kTabRowTop + TabHeight();
    TRect body = Rect(0, bodyTop, Width(), Height());
    Frame3DOnDC(dc, body, clBtnHighlight, cl3DDkShadow, 1);
    Frame3DOnDC(dc, body, cl3DLight, clBtnShadow, 1);
    for (int i = 0; i < PageCount(); ++i) {
        const TTabSheet* page = FPages[std::size_t(i)];
        if (page == FActivePage || !page->TabVisible()) continue;
        DrawTab(dc, TabRect(i), page, false);
    }
    if (FActivePage && FActivePage->TabVisible()) {
        TRect r = TabRect(FActivePage->PageIndex());
        r = Rect(r.Left - kSelectedGrow, r.Top - kSelectedGrow, r.Right + kSelectedGrow, r.Bottom + 1);
        DrawTab(dc, r, FActivePage, true);
        // The selected tab opens into the page: no frame line below it.
        FillSolid(dc, Rect(r.Left + 1, bodyTop, r.Right - 2, bodyTop + 2), Color());
    }
}

namespace {
const bool kRegistered = [] {
    RegisterClass(TPageControl::StaticClassInfo());
    RegisterClass(TTabSheet::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
