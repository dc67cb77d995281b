#include "host/HintWindow.h"

#include <QWidget>

#include "host/HostWidget.h"

namespace {
// Border (one pixel) plus the space between border and text.
constexpr int kTextInsetX = 3;
constexpr int kTextInsetY = 1;
}  // namespace

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

const TClassInfo& THintWindow::StaticClassInfo() {
    static const TClassInfo info("THintWindow", &TCustomControl::StaticClassInfo());
    return info;
}
const TClassInfo& THintWindow::ClassInfo() const { return StaticClassInfo(); }

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    TRect r = Rect(0, 0, maxWidth, 0);
    Canvas()->SetFont(Font());
    DrawText(Canvas()->Handle(), hint, r, TextFormat | DT_CALCRECT);
    // Room for the border and the margins on either side.
    r.Right += 2 * kTextInsetX + 2;
    r.Bottom += 2 * kTextInsetY + 2;
    return Rect(0, 0, r.Width(), r.Height());
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
    FActive = true;
    SetCaption(hint);
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    HandleNeeded();
    SetVisible(true);
    UpdateWindowVisibility();
    Invalidate();
}

void THintWindow::ReleaseHandle() {
    FActive = false;
    SetVisible(false);
    DestroyHandle();
}

TRect THintWindow::TextRect() const {
    return Rect(kTextInsetX + 1, kTextInsetY + 1, Width() - kTextInsetX - 1, Height() - kTextInsetY - 1);
}

void THintWindow::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(ClientRect());
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    TRect r = TextRect();
    DrawText(c->Handle(), Caption(), r, TextFormat);
}

QWidget* THintWindow::CreateWindowHandle(const TCreateParams&) {
    auto* w = new THostWidget(this, nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    return w;
}

void THintWindow::UpdateWindowGeometry() {
    if (Widget()) Widget()->setGeometry(Left(), Top(), Width(), Height());
}

void THintWindow::UpdateWindowVisibility() {
    if (Widget()) Widget()->setVisible(Visible());
}
