#pragma once
// The page control and its tab sheets.
//
// A page control draws a row of tabs along its top edge, one per tab sheet
// whose TabVisible is True, over a raised frame; the sheets are its child
// windows and fill the area inside that frame (DisplayRect). Exactly one
// sheet, the active page, is visible. A click on a tab (or Left / Right
// while the page control has the focus) asks OnChanging, switches the page
// and raises OnChange; setting ActivePage from code raises neither.

#include <vector>

#include "host/framework/Controls.h"
#include "host/stdctrls/StdCtrls.h"

namespace Orvo {

class TPageControl;

using TTabChangingEvent = TEvent<TObject*, bool&>;

/// One page of a page control.
class TTabSheet : public TWinControl {
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // Placing a sheet on a page control adds it as that control's last page.
    void SetParent(TWinControl* parent) override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* pageControl);
    // Position among the page control's pages (-1 without one).
    int PageIndex() const;
    void SetPageIndex(int index);
    // Position among the shown tabs (-1 when the tab is not shown).
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool v);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int v) { FImageIndex = v; }

    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = 0;
};

/// Pages behind a row of tabs, one shown at a time.
class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;
    // The pages in page order (those the form being written owns).
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    int PageCount() const { return int(FPages.size()); }
    // Throws EListError for an index out of range.
    TTabSheet* Pages(int index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    // Shows `page` and hides the others; a sheet of another page control is
    // ignored. Raises no event.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
    // An index outside the pages makes no page active.
    void SetActivePageIndex(int index);
    // The next (or previous) page after `current` with a shown tab, wrapping
    // round; null when there is none.
    TTabSheet* FindNextPage(TTabSheet* current, bool forward, bool checkTabVisible) const;
    // Moves to the next or previous shown tab as a user would (with events).
    void SelectNextPage(bool forward);
    // A user's choice of a page: OnChanging may refuse it; then OnChange.
    void SelectPageByUser(TTabSheet* page);

    // Geometry shared by painting, layout and input.
    int TabHeight() const;
    // Where the pages lie.
    TRect DisplayRect() const;
    // The tab of a page as drawn when not selected (empty when not shown).
    TRect TabRect(int pageIndex) const;
    // The page whose tab lies under a point, or -1.
    int IndexOfTabAt(TPoint p) const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void PaintWindow(HDC dc) override;
    void AlignControls(TControl* control, TRect& rect) override;
    virtual bool CanChange();
    virtual void Change();

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void MovePage(TTabSheet* page, int index);
    void DrawTab(HDC dc, TRect rect, const TTabSheet* page, bool selected);
    std::vector<TTabSheet*> ShownTabs() const;
    // Ctrl+Tab: true when the focus is on the control or one of its pages.
    bool HoldsTheFocus() const;
    void TurnPageFromKeyboard(bool forward);

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};

}  // namespace Orvo
