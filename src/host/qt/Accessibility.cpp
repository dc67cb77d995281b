#include "host/qt/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <unordered_map>
#include <vector>

#include "host/stdctrls/AccessibleControls.h"
#include "host/framework/Forms.h"
#include "host/qt/HostWidget.h"

namespace Orvo {

namespace {

QAccessible::Role QtRole(TAccessibleRole role) {
    switch (role) {
        case TAccessibleRole::Window: return QAccessible::Window;
        case TAccessibleRole::PushButton: return QAccessible::Button;
        case TAccessibleRole::CheckBox: return QAccessible::CheckBox;
        case TAccessibleRole::RadioButton: return QAccessible::RadioButton;
        case TAccessibleRole::Grouping: return QAccessible::Grouping;
        case TAccessibleRole::Pane: return QAccessible::Pane;
        case TAccessibleRole::StaticText: return QAccessible::StaticText;
        case TAccessibleRole::EditableText: return QAccessible::EditableText;
        case TAccessibleRole::List: return QAccessible::List;
        case TAccessibleRole::ComboBox: return QAccessible::ComboBox;
        case TAccessibleRole::PageTabList: return QAccessible::PageTabList;
        case TAccessibleRole::Graphic: return QAccessible::Graphic;
        case TAccessibleRole::Client: break;
    }
    return QAccessible::Client;
}

QAccessible::State QtState(const TAccessibleState& s) {
    QAccessible::State q;
    q.checkable = s.Checkable;
    q.checked = s.Checked;
    q.focusable = s.Focusable;
    q.focused = s.Focused;
    q.disabled = s.Disabled;
    q.readOnly = s.ReadOnly;
    q.hotTracked = s.Hot;
    q.invisible = s.Invisible;
    q.multiLine = s.MultiLine;
    return q;
}

// What each watched control was last reported as.
struct TReported {
    const void* Owner;  // the interface that asked for the watch
    QPointer<QWidget> Widget;
    TAccessibleState State;
    std::string Name;
};
std::unordered_map<const QWidget*, TReported>& Watched() {
    static std::unordered_map<const QWidget*, TReported> watched;
    return watched;
}

void ScheduleFlush();

TAccessibleAnnouncer& Announcer() {
    static TAccessibleAnnouncer announcer = &QAccessible::updateAccessibility;
    return announcer;
}

// Events after which a control's state may have changed.
bool MayChangeState(QEvent::Type type) {
    switch (type) {
        case QEvent::Paint:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::EnabledChange:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::Show:
        case QEvent::Hide:
            return true;
        default:
            return false;
    }
}

void ReplaceForeignInterface(QWidget* widget);

// Whether anyone hears state changes: assistive technology Qt is talking to,
// or a recorder put in place of the announcer. Qt makes an interface for
// every widget it shows, screen reader or not, so without this every paint
// and pointer move would compare the state of every control for nobody.
bool StateChangesHeard() {
    return QAccessible::isActive() || Announcer() != &QAccessible::updateAccessibility;
}

class TStateWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (!watched->isWidgetType()) return false;
        // A widget a stock control supplies (a line edit) may have been asked
        // about while it was built, before it belonged to its control.
        if (e->type() == QEvent::Show && !dynamic_cast<THostWidget*>(watched))
            ReplaceForeignInterface(static_cast<QWidget*>(watched));
        if (!Watched().empty() && MayChangeState(e->type()) && StateChangesHeard()) ScheduleFlush();
        return false;
    }
};

void ScheduleFlush() {
    static bool pending = false;
    if (pending || !qApp) return;
    pending = true;
    QTimer::singleShot(0, qApp, [] {
        pending = false;
        FlushAccessibleStateChanges();
    });
}

void StartWatching(const void* owner, QWidget* widget, TWinControl* control) {
    Watched()[widget] = TReported{owner, widget, AccessibleStateOf(*control), AccessibleNameOf(*control)};
}

// A windowless control (a label, a background) has no widget of its own: its
// interface stands alone, is registered with Qt's cache, and is withdrawn
// when the control is freed.
class TGraphicAccessible : public QAccessibleInterface {
public:
    explicit TGraphicAccessible(TControl* control) : FControl(control) {}
    void Forget() { FControl = nullptr; }

    bool isValid() const override { return FControl != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        QWidget* w = ParentWidget();
        return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!FControl) return {};
        switch (t) {
            case QAccessible::Name: return QString::fromStdString(AccessibleNameOf(*FControl));
            case QAccessible::Value: return QString::fromStdString(AccessibleValueOf(*FControl));
            case QAccessible::Description: return QString::fromStdString(FControl->Hint());
            default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        QWidget* w = ParentWidget();
        if (!w) return {};
        return QRect(w->mapToGlobal(QPoint(FControl->Left(), FControl->Top())),
                     QSize(FControl->Width(), FControl->Height()));
    }
    QAccessible::Role role() const override {
        return FControl ? QtRole(AccessibleRoleOf(*FControl)) : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!FControl) {
            s.invalid = true;
            return s;
        }
        return QtState(AccessibleStateOf(*FControl));
    }

private:
    QWidget* ParentWidget() const { return FControl && FControl->Parent() ? FControl->Parent()->Widget() : nullptr; }

    TControl* FControl;
};

// Hands out one interface per windowless control and withdraws it when the
// control is freed.
class TGraphicInterfaces : public TComponent {
public:
    TGraphicInterfaces() : TComponent(nullptr) {}
    ~TGraphicInterfaces() override {
        for (auto& [control, id] : FIds) RemoveFreeNotification(const_cast<TComponent*>(control));
    }

    QAccessibleInterface* For(TControl* control) {
        auto it = FIds.find(control);
        if (it != FIds.end()) return QAccessible::accessibleInterface(it->second);
        auto* iface = new TGraphicAccessible(control);
        FIds[control] = QAccessible::registerAccessibleInterface(iface);
        FreeNotification(control);
        return iface;
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation != opRemove) return;
        // Keyed by the component: a control being freed is no longer a
        // TControl by the time its free notification arrives.
        auto it = FIds.find(component);
        if (it != FIds.end() && !qApp) {
            FIds.erase(it);  // Qt's cache went with the application
            return;
        }
        if (it == FIds.end()) return;
        const QAccessible::Id id = it->second;
        FIds.erase(it);
        if (auto* iface = dynamic_cast<TGraphicAccessible*>(QAccessible::accessibleInterface(id))) iface->Forget();
        QAccessible::deleteAccessibleInterface(id);
    }

private:
    std::unordered_map<const TComponent*, QAccessible::Id> FIds;
};

TGraphicInterfaces& GraphicInterfaces() {
    static TGraphicInterfaces interfaces;
    return interfaces;
}

// The windowless controls on a windowed one, shown ones only.
std::vector<TControl*> WindowlessChildren(const TWinControl* control) {
    std::vector<TControl*> children;
    if (!control) return children;
    for (int i = 0; i < control->ControlCount(); ++i) {
        TControl* c = control->Controls(i);
        if (!dynamic_cast<TWinControl*>(c) && c->Visible()) children.push_back(c);
    }
    return children;
}

// A control's window seen by assistive technology (QAccessibleWidget is its
// own action interface).
class TControlAccessible : public QAccessibleWidget {
public:
    TControlAccessible(QWidget* widget, TWinControl* control)
        : QAccessibleWidget(widget, QtRole(AccessibleRoleOf(*control))), FKey(widget) {
        StartWatching(this, widget, control);
    }
    ~TControlAccessible() override {
        // A new window at the same address may be watched by another
        // interface by now.
        auto it = Watched().find(FKey);
        if (it != Watched().end() && it->second.Owner == this) Watched().erase(it);
    }

    TWinControl* Control() const { return ControlOfWidget(widget()); }

    QAccessible::Role role() const override {
        const TWinControl* c = Control();
        return c ? QtRole(AccessibleRoleOf(*c)) : QAccessibleWidget::role();
    }

    // The child windows first, then the windowless controls.
    int childCount() const override {
        return QAccessibleWidget::childCount() + int(WindowlessChildren(Control()).size());
    }
    QAccessibleInterface* child(int index) const override {
        const int windows = QAccessibleWidget::childCount();
        if (index < windows) return QAccessibleWidget::child(index);
        const std::vector<TControl*> rest = WindowlessChildren(Control());
        const std::size_t i = std::size_t(index - windows);
        return i < rest.size() ? GraphicInterfaces().For(rest[i]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int index = QAccessibleWidget::indexOfChild(child);
        if (index >= 0 || !child) return index;
        const std::vector<TControl*> rest = WindowlessChildren(Control());
        for (std::size_t i = 0; i < rest.size(); ++i)
            if (GraphicInterfaces().For(rest[i]) == child) return QAccessibleWidget::childCount() + int(i);
        return -1;
    }

    QString text(QAccessible::Text t) const override {
        const TWinControl* c = Control();
        if (!c) return QAccessibleWidget::text(t);
        switch (t) {
            case QAccessible::Name: return QString::fromStdString(AccessibleNameOf(*c));
            case QAccessible::Value: return QString::fromStdString(AccessibleValueOf(*c));
            case QAccessible::Description: return QString::fromStdString(c->Hint());
            default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        const TWinControl* c = Control();
        return c ? QtState(AccessibleStateOf(*c)) : QAccessibleWidget::state();
    }

    QStringList actionNames() const override {
        QStringList names;
        const TWinControl* c = Control();
        if (!c) return names;
        for (std::string_view a : AccessibleActionsOf(*c)) names << QtActionName(a);
        return names;
    }

    void doAction(const QString& name) override {
        TWinControl* c = Control();
        if (!c) return;
        for (std::string_view a : AccessibleActionsOf(*c))
            if (QtActionName(a) == name) {
                Guarded(c, [c, a] { DoAccessibleAction(*c, a); });
                return;
            }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const QWidget* FKey;  // the widget may be gone by the time this is freed

    static QString QtActionName(std::string_view action) {
        return action == kToggleAction ? QAccessibleActionInterface::toggleAction()
                                       : QAccessibleActionInterface::pressAction();
    }
};

// Qt asks the factories installed last first, and QApplication installs its
// own (which answers for every widget) while it is constructed: ours is moved
// behind it once the event loop first runs. Windows shown before that got
// Qt's plain interface, which is forgotten so that the next question gets
// ours.
void PutFactoryLast() {
    QAccessible::removeFactory(&AccessibleInterfaceFactory);
    QAccessible::installFactory(&AccessibleInterfaceFactory);
    for (QWidget* w : QApplication::allWidgets()) ReplaceForeignInterface(w);
}

// A control's window that Qt answered for before it belonged to the control
// gets our interface at the next question.
void ReplaceForeignInterface(QWidget* widget) {
    if (!ControlOfWidget(widget)) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !dynamic_cast<TControlAccessible*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void InstallFactoryWhenRunning() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QCoreApplication::instance()->installEventFilter(new TStateWatcher(QCoreApplication::instance()));
    QMetaObject::invokeMethod(QCoreApplication::instance(), &PutFactoryLast, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFactoryWhenRunning)

QAccessibleInterface* AccessibleInterfaceFactory(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    TWinControl* control = ControlOfWidget(widget);
    return control ? new TControlAccessible(widget, control) : nullptr;
}

TAccessibleAnnouncer SetAccessibleAnnouncer(TAccessibleAnnouncer announcer) {
    const TAccessibleAnnouncer previous = Announcer();
    Announcer() = announcer ? announcer : &QAccessible::updateAccessibility;
    return previous;
}

void FlushAccessibleStateChanges() {
    // Copied first: a listener may ask for new interfaces while it is told.
    std::vector<QWidget*> widgets;
    for (auto& [key, reported] : Watched())
        if (reported.Widget) widgets.push_back(reported.Widget);
    for (QWidget* w : widgets) {
        auto it = Watched().find(w);
        TWinControl* control = ControlOfWidget(w);
        if (it == Watched().end() || !control) continue;
        const TAccessibleState now = AccessibleStateOf(*control);
        const std::string name = AccessibleNameOf(*control);
        const TAccessibleState before = it->second.State;
        const bool renamed = name != it->second.Name;
        it->second.State = now;
        it->second.Name = name;
        if (before != now) {
            const QAccessible::State a = QtState(before), b = QtState(now);
            QAccessible::State changed;
            changed.checked = a.checked != b.checked;
            changed.focused = a.focused != b.focused;
            changed.disabled = a.disabled != b.disabled;
            changed.readOnly = a.readOnly != b.readOnly;
            changed.hotTracked = a.hotTracked != b.hotTracked;
            changed.invisible = a.invisible != b.invisible;
            changed.focusable = a.focusable != b.focusable;
            changed.checkable = a.checkable != b.checkable;
            QAccessibleStateChangeEvent event(w, changed);
            Announcer()(&event);
        }
        if (renamed) {
            QAccessibleEvent event(w, QAccessible::NameChanged);
            Announcer()(&event);
        }
    }
}

}  // namespace Orvo
