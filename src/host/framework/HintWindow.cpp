#include "host/framework/HintWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

#include "host/framework/WindowBackend.h"

namespace Orvo {

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
    // The border and the margins on either side.
    constexpr int chromeX = 2 * kTextInsetX + 2;
    constexpr int chromeY = 2 * kTextInsetY + 2;
    const int textWidth = std::max(maxWidth - chromeX, 1);
    TRect r = Rect(0, 0, textWidth, 0);
    Canvas()->SetFont(Font());
    DrawText(Canvas()->Handle(), hint, r, TextFormat | DT_CALCRECT);
    return Rect(0, 0, std::min(r.Width(), textWidth) + chromeX, r.Height() + chromeY);
}

TRect PlaceHintRect(TPoint size, TPoint below, int aboveBottom, const TRect& screen) {
    int left = below.X;
    int top = below.Y;
    if (top + size.Y > screen.Bottom) top = aboveBottom - size.Y;
    // Right and bottom edges first, so that a hint larger than the screen
    // still starts on it.
    left = std::max(std::min(left, screen.Right - size.X), screen.Left);
    top = std::max(std::min(top, screen.Bottom - size.Y), screen.Top);
    return Rect(left, top, left + size.X, top + size.Y);
}

TRect ScreenAreaAt(TPoint point) {
    if (!qGuiApp) return Rect(0, 0, 1024, 768);
    QScreen* screen = QGuiApplication::screenAt(QPoint(point.X, point.Y));
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return Rect(0, 0, 1024, 768);
    const QRect a = screen->availableGeometry();
    return Rect(a.left(), a.top(), a.left() + a.width(), a.top() + a.height());
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
    QWidget* w = WindowBackend().CreateHostWindow(this, nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    return w;
}

void THintWindow::UpdateWindowGeometry() {
    if (Widget()) Widget()->setGeometry(Left(), Top(), Width(), Height());
}

void THintWindow::UpdateWindowVisibility() {
    if (Widget()) Widget()->setVisible(Visible());
}

}  // namespace Orvo
