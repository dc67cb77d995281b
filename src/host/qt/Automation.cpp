#include "host/qt/Automation.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/framework/Forms.h"
#include "host/qt/QtInputEntryPoints.h"
#include "host/services/DevicePixelScale.h"
#include "host/services/OutputFile.h"

namespace Orvo {

namespace {

// ---------------------------------------------------------------- painting

// Watches the application's events for one round of event handling and
// remembers whether anything was painted, laid out, moved or resized.
class TPaintActivityWatch : public QObject {
public:
    TPaintActivityWatch() { qApp->installEventFilter(this); }
    ~TPaintActivityWatch() override { qApp->removeEventFilter(this); }
    bool Busy() const { return FBusy; }
    void Reset() { FBusy = false; }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::Paint:
            case QEvent::UpdateRequest:
            case QEvent::UpdateLater:
            case QEvent::LayoutRequest:
            case QEvent::Resize:
            case QEvent::Move:
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::Expose:
            case QEvent::PolishRequest:
            case QEvent::DeferredDelete:
                FBusy = true;
                break;
            default:
                break;
        }
        return false;
    }

private:
    bool FBusy = false;
};

// Enough for painting that sizes a control which then paints again, several
// levels deep; a control that invalidates itself on every paint stops here.
constexpr int MaxPaintRounds = 64;

void ProcessOneRound() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---------------------------------------------------------------- geometry

QWidget* TopLevelWidgetOf(const TControl* control) {
    const TControl* c = control;
    while (c && !dynamic_cast<const TWinControl*>(c)) c = c->Parent();
    auto* windowed = static_cast<const TWinControl*>(c);
    if (!windowed || !windowed->Widget()) return nullptr;
    return windowed->Widget()->window();
}

// Where a windowed control's client area starts inside its own window: a
// frame drawn inside the window (a border) moves it in. A top-level window's
// frame is the platform's, so a form's window is all client area.
TPoint ClientOffsetInWindow(const TWinControl* control) {
    if (!control->Parent()) return TPoint{0, 0};
    const TPoint windowOrigin = control->Parent()->ClientToScreen(TPoint{control->Left(), control->Top()});
    const TPoint clientOrigin = control->ClientOrigin();
    return TPoint{clientOrigin.X - windowOrigin.X, clientOrigin.Y - windowOrigin.Y};
}

QWindow* WindowOf(const TControl* control) {
    QWidget* top = TopLevelWidgetOf(control);
    return top ? top->windowHandle() : nullptr;
}

QWindow* FormWindow(const TCustomForm* form) {
    return form && form->Widget() ? form->Widget()->window()->windowHandle() : nullptr;
}

// ---------------------------------------------------------------- mouse

// The pointer as the synthesised window system sees it.
struct TPointerState {
    Qt::MouseButtons Buttons;
    int Timestamp = 1000;
    QPointer<QWindow> Window;  // where the button went down
    bool Moved = false;        // a synthesised event has placed the pointer
};

// Where the pointer rests before the first synthesised event: off every screen.
const QPoint ParkedPointer(-10000, -10000);

TPointerState& Pointer() {
    static TPointerState state;
    return state;
}

int NextTimestamp() { return Pointer().Timestamp += 1; }

// After a release, the next press must not pair with it into a double click.
void SeparateFromNextClick() {
    Pointer().Timestamp += QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1;
}

void SendMouse(QWindow* window, QPoint local, QEvent::Type type, Qt::MouseButton button) {
    if (!window) return;
    TPointerState& p = Pointer();
    if (type == QEvent::MouseButtonPress) p.Buttons |= button;
    if (type == QEvent::MouseButtonRelease) p.Buttons &= ~Qt::MouseButtons(button);
    const QPointF global = window->mapToGlobal(QPointF(local));
    p.Moved = true;
    qt_handleMouseEvent(window, QPointF(local), global, p.Buttons, button, type, Qt::NoModifier, NextTimestamp());
    QCoreApplication::processEvents();
}

struct TTarget {
    QWindow* Window = nullptr;
    QPoint Local;
};

TTarget TargetOf(const TControl* control, TPoint clientPoint) {
    TTarget t;
    t.Window = WindowOf(control);
    const TPoint p = AutomationWindowPoint(control, clientPoint);
    t.Local = QPoint(p.X, p.Y);
    return t;
}

void MoveTo(const TTarget& t) { SendMouse(t.Window, t.Local, QEvent::MouseMove, Qt::NoButton); }

// ---------------------------------------------------------------- keys

struct TQtKey {
    int Key = 0;
    QString Text;
};

TQtKey QtKeyOfVirtualKey(int vk) {
    switch (vk) {
        case VK_RETURN: return {Qt::Key_Return, QStringLiteral("\r")};
        case VK_SPACE: return {Qt::Key_Space, QStringLiteral(" ")};
        case VK_TAB: return {Qt::Key_Tab, QStringLiteral("\t")};
        case VK_ESCAPE: return {Qt::Key_Escape, QString(QChar(0x1B))};
        case VK_BACK: return {Qt::Key_Backspace, QString(QChar(0x08))};
        case VK_DELETE: return {Qt::Key_Delete, QString(QChar(0x7F))};
        case VK_LEFT: return {Qt::Key_Left, {}};
        case VK_RIGHT: return {Qt::Key_Right, {}};
        case VK_UP: return {Qt::Key_Up, {}};
        case VK_DOWN: return {Qt::Key_Down, {}};
        case VK_HOME: return {Qt::Key_Home, {}};
        case VK_END: return {Qt::Key_End, {}};
        case VK_PRIOR: return {Qt::Key_PageUp, {}};
        case VK_NEXT: return {Qt::Key_PageDown, {}};
        default: return {};
    }
}

// The key a keyboard reports for a character: letters by their capital,
// everything else of the Latin-1 range by its code.
int QtKeyOfChar(char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z') return Qt::Key_A + (c - 'a');
    return c;
}

void SendKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers mods, const QString& text) {
    if (!window) return;
    qt_handleKeyEvent(window, type, key, mods, text, false, 1);
    QCoreApplication::processEvents();
}

// Presses and releases a key with the modifier keys held around it, as a
// keyboard reports it.
void TypeKey(QWindow* window, int key, const QString& text, Qt::KeyboardModifiers mods) {
    QPointer<QWindow> w(window);
    Qt::KeyboardModifiers held;
    if (mods & Qt::ShiftModifier) {
        SendKeyEvent(w, QEvent::KeyPress, Qt::Key_Shift, held, {});
        held |= Qt::ShiftModifier;
    }
    if (mods & Qt::AltModifier) {
        SendKeyEvent(w, QEvent::KeyPress, Qt::Key_Alt, held, {});
        held |= Qt::AltModifier;
    }
    SendKeyEvent(w, QEvent::KeyPress, key, held, text);
    SendKeyEvent(w, QEvent::KeyRelease, key, held, text);
    if (mods & Qt::AltModifier) {
        SendKeyEvent(w, QEvent::KeyRelease, Qt::Key_Alt, held, {});
        held &= ~Qt::KeyboardModifiers(Qt::AltModifier);
    }
    if (mods & Qt::ShiftModifier) SendKeyEvent(w, QEvent::KeyRelease, Qt::Key_Shift, held, {});
}

// ---------------------------------------------------------------- dialogs

// Polls for a modal dialog; the timer also runs inside the dialog's own
// event loop, which is where it finds one.
class TDialogDismisser : public QObject {
public:
    TDialogDismisser() {
        FTimer.setInterval(20);
        QObject::connect(&FTimer, &QTimer::timeout, this, [this] { Poll(); });
        FTimer.start();
    }
    bool Take(std::string& title) {
        if (!FDismissed) return false;
        title = FTitle;
        FDismissed = false;
        return true;
    }

private:
    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        FTitle = dialog->windowTitle().toStdString();
        FDismissed = true;
        dialog->reject();
    }

    QTimer FTimer;
    bool FDismissed = false;
    std::string FTitle;
};

TDialogDismisser* Dismisser() {
    // Freed with the application object, like every object it parents.
    static QPointer<TDialogDismisser> dismisser;
    if (!dismisser) {
        dismisser = new TDialogDismisser;
        dismisser->setParent(qApp);
    }
    return dismisser;
}

}  // namespace

// ---------------------------------------------------------------- public

void UseOffscreenPlatform(int devicePixelRatio) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The ratio asked for, whatever the caller's environment says.
    unsetenv("QT_SCREEN_SCALE_FACTORS");
    if (devicePixelRatio <= 1) {
        setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        unsetenv("QT_SCALE_FACTOR");
        return;
    }
    setenv("QT_ENABLE_HIGHDPI_SCALING", "1", 1);
    setenv("QT_SCALE_FACTOR", std::to_string(devicePixelRatio).c_str(), 1);
}

void SilenceQtWarnings() {
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) previous(type, context, message);
    });
}

void ProcessPendingPaints() {
    TPaintActivityWatch watch;
    for (int round = 0; round < MaxPaintRounds; ++round) {
        watch.Reset();
        ProcessOneRound();
        if (!watch.Busy()) return;
    }
}

void ShowFormForAutomation(TCustomForm* form) {
    // Nobody has moved the pointer yet: it rests away from every window, so
    // no control starts out under it (the platform's initial position is a
    // corner, where a form at the origin would find a control).
    if (Pointer().Buttons == Qt::NoButton && !Pointer().Moved) QCursor::setPos(ParkedPointer.x(), ParkedPointer.y());
    form->Show();
    ProcessPendingPaints();
    if (QWidget* widget = form->Widget()) {
        QWidget* top = widget->window();
        top->activateWindow();
        if (QWindow* window = top->windowHandle()) window->requestActivate();
        ProcessPendingPaints();
        if (QApplication::activeWindow() != top) QApplication::setActiveWindow(top);
    }
    ProcessPendingPaints();
}

TPoint AutomationWindowPoint(const TControl* control, TPoint clientPoint) {
    // A script may name any point, however far outside; the sums are done in
    // 64 bits and the result is kept within kMaxAutomationOffset of the
    // window, where the pointer is just as far outside as it was asked to be.
    auto limited = [](std::int64_t v) { return int(std::clamp(v, -kMaxAutomationOffset, kMaxAutomationOffset)); };
    // Up to the nearest windowed control: a windowless control's client
    // coordinates are its parent's shifted by its position.
    const TControl* c = control;
    std::int64_t x = clientPoint.X, y = clientPoint.Y;
    while (c && !dynamic_cast<const TWinControl*>(c)) {
        x += c->Left();
        y += c->Top();
        c = c->Parent();
    }
    auto* windowed = static_cast<const TWinControl*>(c);
    if (!windowed || !windowed->Widget()) return TPoint{limited(x), limited(y)};
    const TPoint offset = ClientOffsetInWindow(windowed);
    QWidget* widget = windowed->Widget();
    const QPoint widgetInWindow = widget->mapTo(widget->window(), QPoint(0, 0));
    return TPoint{limited(x + offset.X + widgetInWindow.x()), limited(y + offset.Y + widgetInWindow.y())};
}

TPoint ClientCentre(const TControl* control) {
    const TRect r = control->ClientRect();
    return TPoint{r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

void MoveMouse(const TControl* control, TPoint clientPoint) { MoveTo(TargetOf(control, clientPoint)); }

void PressMouse(const TControl* control, TPoint clientPoint) {
    const TTarget t = TargetOf(control, clientPoint);
    MoveTo(t);
    Pointer().Window = t.Window;
    SendMouse(t.Window, t.Local, QEvent::MouseButtonPress, Qt::LeftButton);
}

void ReleaseMouse(const TControl* control, TPoint clientPoint) {
    TTarget t = TargetOf(control, clientPoint);
    // While the button is held the window it went down in keeps the pointer
    // (the implicit grab): the drag and the release are reported to it, in
    // its coordinates.
    QWindow* grabber = Pointer().Window;
    if (Pointer().Buttons && grabber && grabber != t.Window && t.Window) {
        const QPoint global = t.Window->mapToGlobal(t.Local);
        t.Local = grabber->mapFromGlobal(global);
        t.Window = grabber;
    }
    MoveTo(t);
    SendMouse(t.Window, t.Local, QEvent::MouseButtonRelease, Qt::LeftButton);
    Pointer().Window = nullptr;
    SeparateFromNextClick();
}

void ClickMouse(const TControl* control, TPoint clientPoint) {
    PressMouse(control, clientPoint);
    ReleaseMouse(control, clientPoint);
}

void DoubleClickMouse(const TControl* control, TPoint clientPoint) {
    // The second press follows the first click at once, so Qt reports it as
    // a double click, as the platform would.
    const TTarget t = TargetOf(control, clientPoint);
    MoveTo(t);
    Pointer().Window = t.Window;
    SendMouse(t.Window, t.Local, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(t.Window, t.Local, QEvent::MouseButtonRelease, Qt::LeftButton);
    SendMouse(t.Window, t.Local, QEvent::MouseButtonPress, Qt::LeftButton);
    SendMouse(t.Window, t.Local, QEvent::MouseButtonRelease, Qt::LeftButton);
    Pointer().Window = nullptr;
    SeparateFromNextClick();
}

void SendKey(const TCustomForm* form, int virtualKey) {
    const TQtKey key = QtKeyOfVirtualKey(virtualKey);
    if (key.Key == 0) return;
    TypeKey(FormWindow(form), key.Key, key.Text, Qt::NoModifier);
}

void SendChar(const TCustomForm* form, char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    const bool shifted = c >= 'A' && c <= 'Z';
    TypeKey(FormWindow(form), QtKeyOfChar(ch), QString(QChar(c)), shifted ? Qt::ShiftModifier : Qt::NoModifier);
}

void SendAltChar(const TCustomForm* form, char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    Qt::KeyboardModifiers mods = Qt::AltModifier;
    if (c >= 'A' && c <= 'Z') mods |= Qt::ShiftModifier;
    TypeKey(FormWindow(form), QtKeyOfChar(ch), QString(QChar(c)), mods);
}

void DismissUnexpectedDialogs() { Dismisser(); }

bool TakeDismissedDialog(std::string& title) { return Dismisser()->Take(title); }

bool RenderClientArea(TWinControl* control, const std::string& pngPath, std::string& error) {
    QWidget* widget = control ? control->Widget() : nullptr;
    if (!widget) {
        error = "the control has no window to render";
        return false;
    }
    ProcessPendingPaints();
    // What the screen shows: at a device pixel ratio of 2, twice as many
    // pixels each way as the logical size.
    const int scale = DevicePixelScale(*widget);
    QImage whole(widget->size() * scale, QImage::Format_RGB32);
    if (whole.isNull()) {
        error = "the picture is too large to hold in memory";
        return false;
    }
    whole.setDevicePixelRatio(scale);
    whole.fill(Qt::black);
    widget->render(&whole);

    const TPoint offset = ClientOffsetInWindow(control);
    const QImage client = whole.copy(offset.X * scale, offset.Y * scale, control->ClientWidth() * scale,
                                     control->ClientHeight() * scale);
    if (client.isNull()) {
        error = "the client area is empty";
        return false;
    }

    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !client.save(&buffer, "PNG")) {
        error = "cannot encode the picture of " + pngPath + " as PNG";
        return false;
    }
    return WriteFileWhole(pngPath, std::string_view(png.constData(), std::size_t(png.size())), error);
}

}  // namespace Orvo
