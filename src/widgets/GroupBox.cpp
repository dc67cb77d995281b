#include "widgets/GroupBox.h"

#include <QEvent>
#include <QFontMetrics>

#include "orvo/OrvoGroupBox.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

void KeepLayoutInsideFrame(QWidget* box) {
    const int title = QFontMetrics(box->font()).height();
    box->setContentsMargins(4, title + 2, 4, 4);
}

GroupBox::GroupBox(QWidget* parent) : WindowedControlWidget(new TOrvoGroupBox(nullptr), parent) {
    KeepLayoutInsideFrame(this);
}

GroupBox::GroupBox(const QString& title, QWidget* parent) : GroupBox(parent) { setTitle(title); }

GroupBox::~GroupBox() = default;

ORVO_WIDGET_PROPERTY(GroupBox, QString, title, setTitle, "Caption")
ORVO_WIDGET_PROPERTY(GroupBox, bool, ctl3D, setCtl3D, "Ctl3D")
ORVO_WIDGET_PROPERTY(GroupBox, bool, parentCtl3D, setParentCtl3D, "ParentCtl3D")
ORVO_WIDGET_PROPERTY(GroupBox, bool, parentShowHint, setParentShowHint, "ParentShowHint")
ORVO_WIDGET_PROPERTY(GroupBox, bool, transparent, setTransparent, "Transparent")

void GroupBox::changeEvent(QEvent* event) {
    WindowedControlWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) KeepLayoutInsideFrame(this);
}

}  // namespace Orvo
