#include "host/qt/HostWidget.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimer>

#include <unordered_map>
#include <unordered_set>

#include "host/framework/Forms.h"
#include "host/qt/EmbeddedFocus.h"
#include "host/qt/KeyRepeat.h"
#include "host/qt/PaintBuffers.h"
#include "host/services/ShowingRect.h"
#include "host/services/DeviceContextQt.h"
#include "host/services/DevicePixelScale.h"

namespace Orvo {

namespace {

// Widgets in the middle of handling one of their own events: deleting one
// of them must wait until the event is done.
std::unordered_map<const QWidget*, int>& InDispatch() {
    static std::unordered_map<const QWidget*, int> widgets;
    return widgets;
}

// Paint events being handled right now (a paint may start another).
int gPaintDepth = 0;

class TDispatchScope {
public:
    explicit TDispatchScope(const QWidget* widget) : FWidget(widget) { ++InDispatch()[widget]; }
    ~TDispatchScope() {
        auto& map = InDispatch();
        auto it = map.find(FWidget);
        if (it != map.end() && --it->second == 0) map.erase(it);
    }
    TDispatchScope(const TDispatchScope&) = delete;
    TDispatchScope& operator=(const TDispatchScope&) = delete;

private:
    const QWidget* FWidget;
};

TShiftState ShiftOf(Qt::KeyboardModifiers m) {
    TShiftState s;
    if (m & Qt::ShiftModifier) s.Include(ssShift);
    if (m & Qt::ControlModifier) s.Include(ssCtrl);
    if (m & Qt::AltModifier) s.Include(ssAlt);
    return s;
}

WPARAM MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers m) {
    WPARAM keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (m & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (m & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

int VirtualKeyOf(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;  // 'A'..'Z' as in the window services
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return 0x70 + (k - Qt::Key_F1);
    switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Space: return VK_SPACE;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return VK_TAB;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Backspace: return VK_BACK;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        case Qt::Key_Home: return VK_HOME;
        case Qt::Key_End: return VK_END;
        case Qt::Key_PageUp: return VK_PRIOR;
        case Qt::Key_PageDown: return VK_NEXT;
        case Qt::Key_Delete: return VK_DELETE;
        case Qt::Key_Insert: return 0x2D;
        case Qt::Key_Shift: return VK_SHIFT;
        case Qt::Key_Control: return VK_CONTROL;
        case Qt::Key_Alt: return VK_MENU;
        default: return 0;
    }
}

// The key data of a key message: one stroke, whether Alt is held, whether
// the key was down before (a repeat, or the release) and whether it goes up.
LPARAM KeyData(bool alt, bool wasDown, bool up) {
    unsigned flags = 0;
    if (alt) flags |= KF_ALTDOWN;
    if (wasDown) flags |= KF_REPEAT;
    if (up) flags |= KF_UP;
    return MAKELPARAM(1, int(flags));
}

// The keys held down, as the keyboard reports them to the whole program.
TKeyRepeat& HeldKeys() {
    static TKeyRepeat keys;
    return keys;
}

// The character a key event types (0 for none or one beyond ASCII).
char CharOf(const QKeyEvent* e, bool alt) {
    const QString text = e->text();
    if (text.size() == 1 && text[0].unicode() < 128) return char(text[0].unicode());
    // With Alt held some platforms give no text: a letter or digit key
    // still names its character.
    if (alt && text.isEmpty()) {
        const int k = e->key();
        if (k >= Qt::Key_A && k <= Qt::Key_Z) return char('a' + (k - Qt::Key_A));
        if (k >= Qt::Key_0 && k <= Qt::Key_9) return char(k);
    }
    return 0;
}

// The control that receives dialog keys and characters: the form, or the
// topmost windowed parent.
TWinControl* DialogRoot(TWinControl* control) {
    TWinControl* root = control;
    while (root->Parent()) root = root->Parent();
    return root;
}

bool IsWindowlessChildOf(const TControl* c, const TWinControl* parent) {
    return c && c->Parent() == parent && !dynamic_cast<const TWinControl*>(c);
}

// A point in `target`'s client coordinates, from a point of `control`'s
// window.
TPoint PointFor(TControl* target, TWinControl* control, QPoint local, QPoint global) {
    if (target == control) return Point(local.x(), local.y());
    if (IsWindowlessChildOf(target, control)) return Point(local.x() - target->Left(), local.y() - target->Top());
    return target->ScreenToClient(Point(global.x(), global.y()));
}

}  // namespace

// ---------------------------------------------------------------- disposal

void DisposeWidget(QWidget* widget) {
    if (!widget) return;
    widget->hide();
    if (InDispatch().count(widget)) {
        widget->setParent(nullptr);
        widget->deleteLater();
    } else {
        delete widget;
    }
}

void RepaintUncoveredArea(QWidget* parent, const QRegion& area) {
    if (!parent || area.isEmpty()) return;
    parent->update(area);
    if (gPaintDepth == 0) return;
    QTimer::singleShot(0, parent, [target = QPointer<QWidget>(parent), area] {
        if (target) target->update(area);
    });
}

void FlushDisposedWidgets() {
    if (InDispatch().empty()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---------------------------------------------------------------- capture

namespace {

// The framework's capture lasts from a press to its release. Qt hands the
// release to someone else when a popup (a combo box's drop-down list) takes
// the pointer during the press, or when the window loses activation while
// the button is held; the captor would then keep every later click. This
// watch, on the whole application, ends the capture on those paths.
class TCaptureWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!GetCaptureControl()) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        switch (e->type()) {
            case QEvent::Show:
                if (widget->isWindow() && widget->windowType() == Qt::Popup) THostEvents::CancelCapture();
                break;
            case QEvent::MouseButtonRelease:
                // A release in a window of no control (a popup's list): the
                // captor never hears of it.
                if (static_cast<QMouseEvent*>(e)->buttons() == Qt::NoButton && !ControlOfWindowPart(widget))
                    THostEvents::CancelCapture();
                break;
            case QEvent::WindowDeactivate:
                if (widget->isWindow()) THostEvents::CancelCapture();
                break;
            default:
                break;
        }
        return false;
    }
};

void EnsureCaptureWatch() {
    static QPointer<TCaptureWatch> watch;
    if (watch || !qApp) return;
    watch = new TCaptureWatch(qApp);
    qApp->installEventFilter(watch);
}

}  // namespace

void THostEvents::CancelCapture() {
    TControl* captor = GetCaptureControl();
    if (!captor) return;
    SetCaptureControl(nullptr);
    TComponentGuard guard(captor);
    // The captor forgets its pending press: no click follows.
    Dispatch(captor, CM_CANCELMODE, 0, 0);
    if (guard.Destroyed() && GetMouseControl() == captor) SetMouseControl(nullptr);
    UpdateHoverAt(QCursor::pos());
}

void THostEvents::UpdateHoverAt(QPoint global) {
    TControl* under = nullptr;
    if (QWidget* w = QApplication::widgetAt(global)) {
        if (TWinControl* other = ControlOfWindowPart(w)) {
            const QPoint p = other->Widget()->mapFromGlobal(global);
            under = other->ControlAtPos(Point(p.x(), p.y()));
            if (!under) under = other;
        }
    }
    Guarded(under, [under] { SetMouseControl(under); });
    Application->HintMouseMessage(GetMouseControl());
}

// ---------------------------------------------------------------- widgets

THostWidget::THostWidget(TWinControl* control, QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Not filled automatically, which is Qt's default: saying so again would
    // give every window the widget's extra data it otherwise does without.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    EnsureCaptureWatch();
}

TWidgetEventFilter::TWidgetEventFilter(QObject* parent) : QObject(parent) { EnsureCaptureWatch(); }

bool THostWidget::event(QEvent* e) {
    if (THostEvents::Translate(this, e, true)) return true;
    return QWidget::event(e);
}

bool TWidgetEventFilter::eventFilter(QObject* watched, QEvent* e) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && THostEvents::Translate(widget, e, false)) return true;
    return QObject::eventFilter(watched, e);
}

TViewportEventFilter::TViewportEventFilter(QObject* parent) : QObject(parent) {}

bool TViewportEventFilter::eventFilter(QObject* watched, QEvent* e) {
    auto* viewport = qobject_cast<QWidget*>(watched);
    if (viewport && THostEvents::TranslateViewport(viewport, e)) return true;
    return QObject::eventFilter(watched, e);
}

// ---------------------------------------------------------------- translation

LRESULT THostEvents::Dispatch(TControl* target, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DispatchToControl(target, msg, wParam, lParam);
}

bool THostEvents::Translate(QWidget* widget, QEvent* e, bool hostPaints) {
    TWinControl* control = ControlOfWidget(widget);
    // A control whose destruction has begun (or whose owner's has) hears
    // nothing more: hiding the windows of a form being freed makes Qt move
    // the focus from child to child, and an OnEnter run then would reach
    // components already gone.
    if (!control || control->ComponentState().Contains(csDestroying)) return false;
    TDispatchScope scope(widget);
    switch (e->type()) {
        case QEvent::Paint:
            if (!hostPaints) return false;
            Paint(control, static_cast<THostWidget*>(widget), e);
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return MouseEvent(control, widget, static_cast<QMouseEvent*>(e), hostPaints);
        case QEvent::Enter: {
            auto* ee = static_cast<QEnterEvent*>(e);
            UpdateHover(control, widget, ee->position().toPoint(), ee->globalPosition().toPoint());
            return false;
        }
        case QEvent::Leave:
            if (!GetCaptureControl()) {
                TControl* m = GetMouseControl();
                if (m == control || IsWindowlessChildOf(m, control))
                    Guarded(m, [] { SetMouseControl(nullptr); });
                Application->HintMouseMessage(GetMouseControl());
            }
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return KeyEvent(control, static_cast<QKeyEvent*>(e), e->type() == QEvent::KeyPress, hostPaints);
        case QEvent::FocusIn: {
            const auto reason = static_cast<QFocusEvent*>(e)->reason();
            // A popup (a context menu, a drop-down list) opening and closing
            // over the focused window does not move the focus: the window
            // keeps it throughout, with its caret and selection.
            if (reason == Qt::PopupFocusReason) return false;
            TComponentGuard guard(control);
            Dispatch(control, WM_SETFOCUS, 0, 0);
            if (!guard.Destroyed() && reason != Qt::ActiveWindowFocusReason &&
                !control->ControlState().Contains(csRecreating))
                Dispatch(control, CM_ENTER, 0, 0);
            return false;
        }
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(e)->reason();
            if (reason == Qt::PopupFocusReason) return false;
            TComponentGuard guard(control);
            Dispatch(control, WM_KILLFOCUS, 0, 0);
            if (!guard.Destroyed() && reason != Qt::ActiveWindowFocusReason &&
                !control->ControlState().Contains(csRecreating))
                Dispatch(control, CM_EXIT, 0, 0);
            return false;
        }
        case QEvent::Resize:
        case QEvent::Move:
            if (widget->isWindow())
                if (auto* form = dynamic_cast<TCustomForm*>(control)) {
                    const QRect g = widget->geometry();
                    const QPoint frame = widget->pos();
                    Guarded(form, [&] { form->UpdateBoundsFromWindow(frame.x(), frame.y(), g.width(), g.height()); });
                }
            return false;
        case QEvent::Close:
            if (auto* form = dynamic_cast<TCustomForm*>(control)) {
                // The form decides (OnCloseQuery, OnClose). The window closes
                // when the form let it go: hidden, freed, or a modal loop
                // ending with a result. A form that stays refuses, as a Qt
                // widget ignoring its close event does, and only then does
                // QApplication::quit() stop at it.
                TComponentGuard guard(form);
                Guarded(form, [form] { form->Close(); });
                const bool released = guard.Destroyed() || !widget->isVisible() || form->Releasing() ||
                                      (form->Modal() && form->ModalResult() != mrNone);
                e->setAccepted(released);
                return true;
            }
            return false;
        case QEvent::Polish:
            KeepOutOfQtTabChain(widget, control);
            return false;
        case QEvent::WindowActivate:
            Dispatch(control, WM_ACTIVATE, 1, 0);
            return false;
        case QEvent::WindowDeactivate:
            Dispatch(control, WM_ACTIVATE, 0, 0);
            return false;
        default:
            return false;
    }
}

bool THostEvents::TranslateViewport(QWidget* viewport, QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            break;
        default:
            // Entering and leaving need nothing of their own: Qt tells the
            // window too when the pointer comes from or goes outside it.
            return false;
    }
    QWidget* window = viewport->parentWidget();
    TWinControl* control = window ? ControlOfWidget(window) : nullptr;
    if (!control || control->ComponentState().Contains(csDestroying)) return false;
    TDispatchScope scope(window);
    auto* me = static_cast<QMouseEvent*>(e);
    const QPointF offset = viewport->mapTo(window, QPointF(0, 0));
    QMouseEvent onWindow(me->type(), me->position() + offset, me->scenePosition(), me->globalPosition(), me->button(),
                         me->buttons(), me->modifiers(), me->pointingDevice());
    onWindow.setTimestamp(me->timestamp());
    return MouseEvent(control, window, &onWindow, false);
}

void THostEvents::Paint(TWinControl* control, THostWidget* widget, QEvent* e) {
    auto* pe = static_cast<QPaintEvent*>(e);
    const QSize size = widget->size();
    if (size.isEmpty()) return;
    ++gPaintDepth;
    struct TPaintScope {
        ~TPaintScope() { --gPaintDepth; }
    } paintScope;
    // At a device pixel ratio above 1 the buffer holds the device's pixels
    // and the DC draws at that density; controls keep logical coordinates.
    // At ratio 1 a window whose painting goes to a plain 32-bit image
    // holding all of it paints there in place.
    const int scale = DevicePixelScale(*widget);
    QPoint redirectOffset;
    QImage direct = scale == 1 ? DirectPaintView(widget->PaintRedirection(&redirectOffset), redirectOffset, size) : QImage();
    // A buffer holds only the part of the window its parents let show (the
    // whole window when nothing cuts it), so a window far larger than its
    // form costs no more than the form. Its top-left corner is the buffer's.
    const QRect showing = direct.isNull() ? ShowingRect(*widget) : QRect(QPoint(0, 0), size);
    const QRegion region = pe->region() & showing;
    if (region.isEmpty()) return;
    const QPoint corner = showing.topLeft();
    QImage& buffer = direct.isNull() ? PaintBuffers().For(showing.size() * scale, gPaintDepth) : direct;
    const uchar* inPlace = direct.constBits();
    {
        std::unique_ptr<TDeviceContext> dc = CreateImageDC(buffer, scale);
        SetViewportOrgEx(dc.get(), -corner.x(), -corner.y(), nullptr);
        // The clip is the update region: Canvas.ClipRect is the bounding box
        // of what is being repainted.
        HRGN clip = CreateRegionFrom(region.translated(-corner));
        SelectClipRgn(dc.get(), clip);
        DeleteObject(clip);
        TComponentGuard guard(control);
        Dispatch(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
        if (guard.Destroyed() || ControlOfWidget(widget) != control) return;
        Dispatch(control, WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0);
        if (guard.Destroyed() || ControlOfWidget(widget) != control) return;
    }
    // Painted in place, unless drawing made the view copy its pixels (a
    // copy of the image taken while it was drawn on): then that copy is
    // the picture, and goes to the window as a buffer would.
    if (!direct.isNull() && direct.constBits() == inPlace) return;
    // Rectangle by rectangle rather than through a clip region: an unclipped
    // copy of the same pixel format is a plain block copy, where a clipped
    // one is composed span by span (and handed to Qt's thread pool when
    // large).
    QPainter painter(widget);
    if (scale == 1) {
        for (const QRect& r : region) painter.drawImage(r.topLeft(), buffer, r.translated(-corner));
        return;
    }
    // Logical target, device source: one buffer pixel per device pixel.
    PrepareBufferCopy(painter, *widget);
    for (const QRect& r : region) {
        const QRect source = r.translated(-corner);
        painter.drawImage(QRectF(r), buffer,
                          QRectF(source.x() * scale, source.y() * scale, source.width() * scale, source.height() * scale));
    }
}

void THostEvents::UpdateHover(TWinControl* control, QWidget* widget, QPoint local, QPoint global) {
    TControl* capture = GetCaptureControl();
    TControl* under = nullptr;
    if (capture) {
        // While a control holds the capture only it hears of entering and
        // leaving; Qt sends the grabbing widget moves from outside but no
        // Enter or Leave, so the crossing is found from the moves.
        const TPoint p = PointFor(capture, control, local, global);
        under = Rect(0, 0, capture->Width(), capture->Height()).Contains(p) ? capture : nullptr;
    } else if (widget->rect().contains(local)) {
        under = control->ControlAtPos(Point(local.x(), local.y()));
        if (!under) under = control;
    } else {
        UpdateHoverAt(global);
        return;
    }
    Guarded(under ? under : control, [under] { SetMouseControl(under); });
    Application->HintMouseMessage(GetMouseControl());
}

bool THostEvents::MouseEvent(TWinControl* control, QWidget* widget, QMouseEvent* e, bool hostPaints) {
    const QPoint local = e->position().toPoint();
    const QPoint global = e->globalPosition().toPoint();
    SetKeyboardShiftState(ShiftOf(e->modifiers()));
    const QEvent::Type type = e->type();
    if (type == QEvent::MouseMove) NotifyCursorMouseMoved();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) Application->CancelHint();
    TComponentGuard controlGuard(control);
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
        // A press with no other button held starts afresh: a capture still
        // standing lost its release somewhere and must not swallow this.
        if (GetCaptureControl() && (e->buttons() & ~Qt::MouseButtons(e->button())) == Qt::NoButton) {
            CancelCapture();
            if (controlGuard.Destroyed() || ControlOfWidget(widget) != control) return true;
        }
    }
    if (!widget->isEnabled() || !control->Enabled()) {
        // A disabled control gets no mouse input. Its window stays the
        // control under the pointer (it ignores entering and leaving itself);
        // presses and releases go on to the parent, as Qt does for a
        // disabled widget.
        if (type == QEvent::MouseMove) {
            UpdateHover(control, widget, local, global);
            return true;
        }
        return false;
    }
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress) {
        UpdateHover(control, widget, local, global);
        if (controlGuard.Destroyed() || ControlOfWidget(widget) != control) return true;
    }

    TControl* target = GetCaptureControl();
    if (!target) {
        target = control->ControlAtPos(Point(local.x(), local.y()));
        if (!target) target = control;
    }
    const TPoint p = PointFor(target, control, local, global);

    UINT msg = WM_MOUSEMOVE;
    const Qt::MouseButton button = e->button();
    auto pick = [button](UINT left, UINT right, UINT middle) {
        return button == Qt::RightButton ? right : button == Qt::MiddleButton ? middle : left;
    };
    if (type == QEvent::MouseButtonPress) msg = pick(WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
    else if (type == QEvent::MouseButtonRelease) msg = pick(WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP);
    else if (type == QEvent::MouseButtonDblClick) {
        msg = pick(WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK);
        // A window whose class does not ask for double-clicks gets a second press.
        auto* win = dynamic_cast<TWinControl*>(target);
        if (win && !(win->WindowClassStyle() & CS_DBLCLKS)) msg = pick(WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
    }
    const bool other = button != Qt::LeftButton && button != Qt::RightButton && button != Qt::MiddleButton;
    if (type != QEvent::MouseMove && other) return hostPaints;

    {
        TUserInputScope input(target);
        Dispatch(target, msg, MouseKeys(e->buttons(), e->modifiers()), MAKELPARAM(p.X, p.Y));
    }
    if (controlGuard.Destroyed() || ControlOfWidget(widget) != control) return true;

    if (type == QEvent::MouseButtonRelease && e->buttons() == Qt::NoButton) {
        // Whatever the control did with the capture, no button is held now.
        SetCaptureControl(nullptr);
        UpdateHover(control, widget, local, global);
        if (controlGuard.Destroyed() || ControlOfWidget(widget) != control) return true;
    }
    if (type == QEvent::MouseMove && hostPaints) {
        // A windowless child shows its own cursor on its parent's window.
        TControl* m = GetMouseControl();
        TCursor cursor = control->Cursor();
        if (IsWindowlessChildOf(m, control) && m->Cursor() != crDefault) cursor = m->Cursor();
        ApplyCursor(widget, cursor);
    }
    return hostPaints;
}

bool THostEvents::KeyEvent(TWinControl* control, QKeyEvent* e, bool press, bool hostPaints) {
    const Qt::KeyboardModifiers mods = e->modifiers();
    SetKeyboardShiftState(ShiftOf(mods));
    const bool alt = (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier);
    const int vk = VirtualKeyOf(e);
    TComponentGuard guard(control);
    auto gone = [&] { return guard.Destroyed(); };
    TUserInputScope input(control);

    const TKeyRepeat::TKind kind = HeldKeys().Classify(*e);
    if (!press) {
        // Half of a repeat of a held key: the key is still down, so there is
        // no WM_KEYUP until it is really let go.
        if (kind == TKeyRepeat::TKind::RepeatRelease) return hostPaints;
        if (vk) {
            const LRESULT r = Dispatch(control, alt ? WM_SYSKEYUP : WM_KEYUP, WPARAM(vk), KeyData(alt, true, true));
            if (r) return true;
        }
        return hostPaints;
    }

    Application->CancelHint();
    // A repeat of a held key is another WM_KEYDOWN that says the key was
    // down already.
    const LPARAM keyData = KeyData(alt, kind == TKeyRepeat::TKind::Repeat, false);
    // Ctrl+Tab and Ctrl+Shift+Tab are dialog keys: a page control around
    // the focus turns its pages with them.
    if (vk == VK_TAB && (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)) {
        TWinControl* root = DialogRoot(control);
        if (Dispatch(root, CM_DIALOGKEY, VK_TAB, 0) || gone()) return true;
    }
    if (vk == VK_TAB && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        if (Dispatch(control, WM_KEYDOWN, VK_TAB, 0) || gone()) return true;
        if (control->WantTabs()) return hostPaints;
        const bool backward = e->key() == Qt::Key_Backtab || (mods & Qt::ShiftModifier);
        TWinControl* root = DialogRoot(control);
        Guarded(root, [&] {
            if (!TabOutOfOutsideParent(root, control, !backward)) root->SelectNext(control, !backward, true);
        });
        return true;
    }
    // Enter and Escape are dialog keys: the form's default or cancel button
    // takes them before the focused control sees them, unless it keeps them.
    if ((vk == VK_RETURN || vk == VK_ESCAPE) && !alt && !control->WantsDialogKey(vk)) {
        TWinControl* root = DialogRoot(control);
        if (Dispatch(root, CM_DIALOGKEY, WPARAM(vk), 0) || gone()) return true;
    }
    // A key the control consumed in KeyDown still types its character, as
    // on the platform the framework comes from; the window (a supplied
    // widget) does not see the key then.
    bool consumed = false;
    if (vk) {
        consumed = Dispatch(control, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, WPARAM(vk), keyData) != 0;
        if (gone()) return true;
    }
    const char ch = CharOf(e, alt);
    if (ch) {
        TWinControl* root = DialogRoot(control);
        if (alt) {
            // Alt with a character: the form's controls look for their
            // accelerator. A chord that is none types nothing either: the
            // window (a supplied edit) does not get it as text.
            const LRESULT r = Dispatch(root, CM_DIALOGCHAR, static_cast<unsigned char>(ch), keyData);
            return consumed || r != 0 || hostPaints || static_cast<unsigned char>(ch) >= 32;
        }
        if (Dispatch(control, WM_CHAR, static_cast<unsigned char>(ch), 0) || gone()) return true;
        if (static_cast<unsigned char>(ch) >= 32 && !control->WantsCharacters()) {
            if (Dispatch(root, CM_DIALOGCHAR, static_cast<unsigned char>(ch), 0)) return true;
        }
    }
    return consumed || hostPaints;
}

}  // namespace Orvo
