#include "widgets/ControlWidget.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLayout>
#include <QMetaObject>
#include <QPalette>
#include <QResizeEvent>

#include <vector>

#include "host/framework/Forms.h"
#include "host/framework/Graphics.h"
#include "host/qt/EmbeddedSite.h"
#include "widgets/LibraryProperties.h"
#include "widgets/MnemonicShortcuts.h"
#include "widgets/QtConversions.h"

namespace Orvo {

namespace {

// Runs `f` for the library: an exception (from a handler of the program's)
// goes to Application->HandleException, as it does for the library's own
// events, never into Qt.
template <class F>
void ForLibrary(TObject* sender, F&& f) {
    try {
        f();
    } catch (...) {
        Application->HandleException(sender);
    }
}

bool LaysOut(const QLayout* layout, const QWidget* widget) {
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) return true;
        if (item->layout() && LaysOut(item->layout(), widget)) return true;
    }
    return false;
}

// A layout of the parent places the widget: the widget's size is the
// layout's business then.
bool InLayout(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return parent && LaysOut(parent->layout(), widget);
}

// A published Boolean of the control (its own ParentColor hides the
// framework's on some controls); false when it publishes none.
bool PublishedFlag(const TControl& control, std::string_view name) {
    const TPropInfo* info = control.ClassInfo().FindPublished(name);
    if (!info || info->Kind != TPropKind::Boolean) return false;
    const std::optional<TValue> value = info->Get(control);
    return value && ValueToBoolean(*value);
}

TColor ColorOf(const QColor& color) {
    TColor result = clNone;
    FromQColor(color, result);
    return result;
}

}  // namespace

// The control, the window it is placed in, and what keeps the two in line.
class ControlWidget::Private final : public TControlObserver {
public:
    Private(ControlWidget* widget, TControl* control)
        : Q(widget), Control(control), Site(widget), Mnemonics(widget) {
        Root = dynamic_cast<TWinControl*>(control);
        if (!Root) {
            // A windowless control is painted on a window: a plain one made
            // for it, which it fills.
            Root = new TWinControl(nullptr);
            Root->SetBounds(0, 0, control->Width(), control->Height());
            control->SetParent(Root);
            control->SetAlign(alClient);
        }
        Preferred = QSize(Root->Width(), Root->Height());
        Root->SetObserver(this);
        if (Control != Root) Control->SetObserver(this);
    }

    ~Private() {
        for (const auto& [control, guard] : Watched)
            if (!guard.Destroyed() && control->Observer() == this) control->SetObserver(nullptr);
        Control->SetObserver(nullptr);
        Root->SetObserver(nullptr);
        // The root takes the windowless control with it (it is its owner's
        // child); its windows go before Qt deletes the widget's children.
        if (Control != Root) delete Control;
        delete Root;
    }

    void ControlStateChanged(TControl* control) override {
        if (control == Root || control == Control) FollowControlEnabled();
        Mnemonics.Refresh(Root);
        MeasureDue = true;
        Q->libraryStateChanged(control);
    }
    void ControlClicked(TControl* control) override { Q->libraryClicked(control); }
    void ControlWindowCreated(TWinControl* control) override { Q->libraryWindowCreated(control); }
    void ControlBoundsChanged(TControl* control) override {
        if (control != Root || Fitting) return;
        // The control sized or moved itself (AutoSize): what it asks for is
        // the size hint from now on, on the sides it changed.
        if (Root->Width() != Fitted.width()) Preferred.setWidth(Root->Width());
        if (Root->Height() != Fitted.height()) Preferred.setHeight(Root->Height());
        if (FollowPending) return;
        FollowPending = true;
        // Not now: this may run in the middle of the control's paint.
        QMetaObject::invokeMethod(Q, [this] { FollowControl(); }, Qt::QueuedConnection);
    }

    // The root fills the widget.
    void Fit() {
        Fitting = true;
        Fitted = Q->size();
        ForLibrary(Root, [this] { Root->SetBounds(0, 0, Fitted.width(), Fitted.height()); });
        Fitting = false;
    }

    // After the control sized itself: a widget a layout places asks the
    // layout again; any other takes the control's place and size.
    void FollowControl() {
        FollowPending = false;
        Q->updateGeometry();
        if (InLayout(Q) || Q->isWindow()) return;
        const QRect now = Q->geometry();
        const QRect wanted(now.x() + Root->Left(), now.y() + Root->Top(), Root->Width(), Root->Height());
        if (wanted != now) Q->setGeometry(wanted);
        else if (Root->Left() != 0 || Root->Top() != 0) Fit();
    }

    // A control that sizes itself while it paints is painted off screen, so
    // the size hint is what it will ask for.
    void Measure() {
        if (!SizedByPainting || !MeasureDue) return;
        MeasureDue = false;
        TBitmap scratch;
        scratch.SetSize(1, 1);
        HDC dc = scratch.Canvas()->Handle();
        ForLibrary(Root, [this, dc] { Root->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0); });
    }

    // The control is enabled exactly when the widget is.
    void ApplyEnabled() {
        SyncingEnabled = true;
        const bool enabled = Q->isEnabled();
        ForLibrary(Root, [this, enabled] {
            Root->SetEnabled(enabled);
            Control->SetEnabled(enabled);
        });
        SyncingEnabled = false;
    }

    // The library changed Enabled itself: the widget follows, unless a
    // disabled ancestor holds it (then the control is disabled again).
    void FollowControlEnabled() {
        if (SyncingEnabled || Control->Enabled() == Q->isEnabled()) return;
        if (!Control->Enabled()) {
            Q->setEnabled(false);
            return;
        }
        Q->setEnabled(true);
        if (!Q->isEnabled()) ApplyEnabled();
    }

    // The widget's font (its own or inherited) and the palette's text colour
    // reach the control while its ParentFont says so; a font set on the
    // widget itself is the control's own (ParentFont becomes false).
    void ApplyFont() {
        TFont* font = Control->Font();
        const bool own = Q->testAttribute(Qt::WA_SetFont);
        if (!own && !PublishedFlag(*Control, "ParentFont")) return;
        ForLibrary(Control, [&] {
            AssignQFont(*font, Q->font());
            const QColor text = Q->palette().color(QPalette::WindowText);
            const TColor color = text == QApplication::palette().color(QPalette::WindowText) ? clWindowText : ColorOf(text);
            if (font->Color() != color) font->SetColor(color);
            if (!own) Control->SetParentFont(true);
        });
        MeasureDue = true;
    }

    // While ParentColor, the control's colour is the window colour of the
    // widget's palette (its own or inherited).
    void ApplyPalette() {
        if (PublishedFlag(*Control, "ParentColor")) {
            const TColor color = ColorOf(Q->palette().color(QPalette::Window));
            ForLibrary(Control, [this, color] { Control->Perform(CM_PARENTCOLORCHANGED, 1, LPARAM(color)); });
        }
        if (!Q->testAttribute(Qt::WA_SetFont)) ApplyFont();
    }

    void ApplyDirection() {
        if (!Control->ParentBiDiMode()) return;
        const TBiDiMode mode = Q->isRightToLeft() ? bdRightToLeft : bdLeftToRight;
        if (Control->BiDiMode() == mode) return;
        ForLibrary(Control, [this, mode] {
            Control->SetBiDiMode(mode);
            Control->SetParentBiDiMode(true);
        });
    }

    ControlWidget* Q;
    TControl* Control;
    TWinControl* Root = nullptr;  // placed in the widget: the control or the window made for it
    TEmbeddedSite Site;
    TMnemonicShortcuts Mnemonics;
    std::vector<std::pair<TControl*, TComponentGuard>> Watched;
    QSize Preferred;
    QSize Fitted{-1, -1};
    bool Fitting = false;
    bool FollowPending = false;
    bool SizedByPainting = false;
    bool MeasureDue = true;
    bool SyncingEnabled = false;
};

ControlWidget::ControlWidget(TControl* control, QWidget* parent)
    : QWidget(parent), d(std::make_unique<Private>(this, control)) {
    // Tab reaches the widget, which hands the focus to its control; a click
    // reaches the control's window directly.
    setFocusPolicy(Qt::TabFocus);
    d->Root->SetParentWindow(d->Site.Window());
    d->ApplyFont();
    d->ApplyPalette();
    d->ApplyDirection();
    d->ApplyEnabled();
    // The window exists from the start, as a Qt widget's children do: its
    // text and state changes are reported even before it is shown.
    ForLibrary(d->Root, [this] { d->Root->HandleNeeded(); });
    // The size the constructor gave, or the one the font gave since (AutoSize).
    resize(d->Preferred);
    d->Fit();
    d->Mnemonics.Refresh(d->Root);
}

ControlWidget::~ControlWidget() = default;

TControl* ControlWidget::control() const { return d->Control; }

QString ControlWidget::hint() const { return libraryValue("Hint").toString(); }
void ControlWidget::setHint(const QString& hint) { setLibraryValue("Hint", hint); }
int ControlWidget::helpContext() const { return libraryValue("HelpContext").toInt(); }
void ControlWidget::setHelpContext(int context) { setLibraryValue("HelpContext", context); }
QString ControlWidget::version() const { return libraryValue("Version").toString(); }

QSize ControlWidget::sizeHint() const {
    d->Measure();
    QSize size = d->Preferred;
    if (layout()) size = size.expandedTo(layout()->totalSizeHint());
    return size;
}

QSize ControlWidget::minimumSizeHint() const {
    if (layout()) return layout()->totalMinimumSize();
    const TSizeConstraints* limits = d->Root->Constraints();
    return QSize(limits->MinWidth(), limits->MinHeight());
}

void ControlWidget::libraryStateChanged(TControl*) {}
void ControlWidget::libraryClicked(TControl*) {}
void ControlWidget::libraryWindowCreated(TWinControl*) {}

void ControlWidget::watch(TControl* control) {
    if (!control) return;
    d->Watched.emplace_back(control, TComponentGuard(control));
    control->SetObserver(d.get());
}

void ControlWidget::setSizedByPainting(bool sized) {
    d->SizedByPainting = sized;
    sizeMayHaveChanged();
}

void ControlWidget::sizeMayHaveChanged() {
    d->MeasureDue = true;
    updateGeometry();
}

void ControlWidget::followQtFont() { d->ApplyFont(); }
void ControlWidget::followQtPalette() { d->ApplyPalette(); }

bool ControlWidget::changedByUser(const TControl* control) {
    return control && TUserInputScope::Target() == control;
}

QVariant ControlWidget::libraryValue(const char* name) const {
    try {
        return ReadLibraryProperty(*d->Control, name);
    } catch (const std::exception& e) {
        qWarning("%s: %s: %s", metaObject()->className(), name, e.what());
        return QVariant();
    }
}

void ControlWidget::setLibraryValue(const char* name, const QVariant& value) {
    // An assignment from the program, whatever input is being handled.
    TUserInputScope code(nullptr);
    try {
        WriteLibraryProperty(*d->Control, name, value);
    } catch (const EPropertyError& e) {
        qWarning("%s: %s: %s", metaObject()->className(), name, e.what());
    } catch (...) {
        // The control's own handlers (OnClick...) raised.
        Application->HandleException(d->Control);
    }
    d->Mnemonics.Refresh(d->Root);
    if (d->SizedByPainting) sizeMayHaveChanged();
}

void ControlWidget::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::EnabledChange: d->ApplyEnabled(); break;
        case QEvent::FontChange:
            d->ApplyFont();
            if (d->SizedByPainting) sizeMayHaveChanged();
            break;
        case QEvent::PaletteChange: d->ApplyPalette(); break;
        case QEvent::LayoutDirectionChange: d->ApplyDirection(); break;
        default: break;
    }
    QWidget::changeEvent(event);
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    d->Fit();
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    d->Site.FocusIn(d->Root, event->reason());
}

bool ControlWidget::focusNextPrevChild(bool next) {
    // Tab while the widget itself has the focus (its control took none);
    // from a Qt widget it holds, Qt's own chain goes on.
    if (hasFocus() && d->Site.FocusNextPrevChild(next)) return true;
    return QWidget::focusNextPrevChild(next);
}

}  // namespace Orvo
