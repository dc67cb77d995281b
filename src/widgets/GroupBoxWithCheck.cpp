#include "widgets/GroupBoxWithCheck.h"

#include <QChildEvent>
#include <QEvent>

#include "orvo/OrvoGroupBoxWithCheck.h"
#include "widgets/GroupBox.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

namespace {

const TOrvoGroupBoxWithCheck& GroupOf(const ControlWidget& widget) {
    return *static_cast<const TOrvoGroupBoxWithCheck*>(widget.control());
}

}  // namespace

GroupBoxWithCheck::GroupBoxWithCheck(QWidget* parent)
    : CheckControlWidget(new TOrvoGroupBoxWithCheck(nullptr), parent) {
    watch(GroupOf(*this).Heading());
    FChecked = GroupOf(*this).Checked();
    KeepLayoutInsideFrame(this);
}

GroupBoxWithCheck::GroupBoxWithCheck(const QString& title, QWidget* parent) : GroupBoxWithCheck(parent) {
    setTitle(title);
}

GroupBoxWithCheck::~GroupBoxWithCheck() = default;

ORVO_WIDGET_PROPERTY(GroupBoxWithCheck, QString, title, setTitle, "Caption")
ORVO_WIDGET_PROPERTY(GroupBoxWithCheck, bool, isChecked, setChecked, "Checked")
ORVO_WIDGET_PROPERTY(GroupBoxWithCheck, ControlWidget::CheckType, checkType, setCheckType, "CheckType")
ORVO_WIDGET_PROPERTY(GroupBoxWithCheck, bool, parentCtl3D, setParentCtl3D, "ParentCtl3D")
ORVO_WIDGET_PROPERTY(GroupBoxWithCheck, bool, parentShowHint, setParentShowHint, "ParentShowHint")
ORVO_WIDGET_PROPERTY(GroupBoxWithCheck, QString, hintSecondLine, setHintSecondLine, "HintSecondLine")

void GroupBoxWithCheck::BringChildrenInLine() {
    const QWidget* own = static_cast<const TWinControl*>(control())->Widget();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == own || child->isWindow()) continue;
        // As QGroupBox does: a widget the program disabled itself stays
        // disabled when the box is checked again (Qt::WA_ForceDisabled marks
        // it; the box's own disabling clears the mark).
        if (FChecked) {
            if (!child->testAttribute(Qt::WA_ForceDisabled)) child->setEnabled(true);
        } else if (child->isEnabled()) {
            child->setEnabled(false);
            child->setAttribute(Qt::WA_ForceDisabled, false);
        }
    }
}

void GroupBoxWithCheck::libraryStateChanged(TControl* changed) {
    const TOrvoGroupCheck* heading = GroupOf(*this).Heading();
    if (!heading || changed != heading) return;
    // The title's press shows at once; it counts when the click completes.
    if (!heading->ClickDone() || heading->Checked() == FChecked) return;
    FChecked = heading->Checked();
    BringChildrenInLine();
    emit toggled(FChecked);
}

void GroupBoxWithCheck::changeEvent(QEvent* event) {
    CheckControlWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) KeepLayoutInsideFrame(this);
}

void GroupBoxWithCheck::childEvent(QChildEvent* event) {
    CheckControlWidget::childEvent(event);
    // A widget placed in an unchecked box is disabled with the others.
    if (event->type() != QEvent::ChildPolished || FChecked) return;
    auto* child = qobject_cast<QWidget*>(event->child());
    const QWidget* own = static_cast<const TWinControl*>(control())->Widget();
    if (!child || child == own || child->isWindow() || !child->isEnabled()) return;
    child->setEnabled(false);
    child->setAttribute(Qt::WA_ForceDisabled, false);
}

}  // namespace Orvo
