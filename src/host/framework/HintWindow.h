#pragma once
// The hint window: a small borderless top-level window that shows a
// control's hint. The text is drawn with line breaking and without "&"
// processing, so a carriage return in a hint starts a new line and an
// ampersand shows as itself.

#include <string>

#include "host/framework/Controls.h"

namespace Orvo {

// Where a hint of `size` goes: its top-left at `below` (under the pointer or
// the control), moved above `aboveBottom` (the pointer's or control's top)
// when it would cross the bottom of `screen`, then pushed inside `screen` on
// every side. A hint larger than the screen keeps its top-left corner on it.
TRect PlaceHintRect(TPoint size, TPoint below, int aboveBottom, const TRect& screen);
// The work area of the screen that holds `point` (the primary screen's when
// no screen holds it).
TRect ScreenAreaAt(TPoint point);

/// The small window that shows a control's hint beside the pointer.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    // The window rectangle (origin 0,0) the text needs, the window never
    // wider than `maxWidth`: lines wrap inside it, and a single word longer
    // than a line is cut at the window's edge rather than widening it.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows `hint` in `rect` (screen coordinates).
    void ActivateHint(const TRect& rect, const std::string& hint);
    // Hides the window and frees its window.
    void ReleaseHandle();
    bool Active() const { return FActive; }

    // The text rectangle inside the window's border (client coordinates).
    TRect TextRect() const;
    static constexpr unsigned TextFormat = DT_LEFT | DT_NOPREFIX | DT_WORDBREAK;

protected:
    void Paint() override;
    QWidget* CreateWindowHandle(const TCreateParams& params) override;
    void UpdateWindowGeometry() override;
    void UpdateWindowVisibility() override;

private:
    bool FActive = false;
};

}  // namespace Orvo
