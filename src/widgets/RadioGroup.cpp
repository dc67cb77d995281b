#include "widgets/RadioGroup.h"

#include "orvo/OrvoRadioGroup.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

RadioGroup::RadioGroup(QWidget* parent) : CheckControlWidget(new TOrvoRadioGroup(nullptr), parent) {}

RadioGroup::~RadioGroup() = default;

ORVO_WIDGET_PROPERTY(RadioGroup, QString, title, setTitle, "Caption")
QStringList RadioGroup::items() const { return libraryValue("Items").toStringList(); }

void RadioGroup::setItems(const QStringList& items) {
    setLibraryValue("Items", items);
    if (FPendingIndex < 0 || count() == 0) return;
    const int index = FPendingIndex;
    FPendingIndex = -1;
    setCurrentIndex(index);
}

int RadioGroup::currentIndex() const { return libraryValue("ItemIndex").toInt(); }

void RadioGroup::setCurrentIndex(int index) {
    FPendingIndex = count() == 0 && index >= 0 ? index : -1;
    setLibraryValue("ItemIndex", index);
}
ORVO_WIDGET_PROPERTY(RadioGroup, int, columns, setColumns, "Columns")
ORVO_WIDGET_PROPERTY(RadioGroup, bool, autoSize, setAutoSize, "AutoSize")
ORVO_WIDGET_PROPERTY(RadioGroup, ControlWidget::Border, border, setBorder, "Border")
ORVO_WIDGET_PROPERTY(RadioGroup, QColor, borderColor, setBorderColor, "BorderColor")
ORVO_WIDGET_PROPERTY(RadioGroup, ControlWidget::BorderVisibility, borderVisible, setBorderVisible, "BorderVisible")
ORVO_WIDGET_PROPERTY(RadioGroup, bool, parentCtl3D, setParentCtl3D, "ParentCtl3D")
ORVO_WIDGET_PROPERTY(RadioGroup, bool, parentShowHint, setParentShowHint, "ParentShowHint")
ORVO_WIDGET_PROPERTY(RadioGroup, bool, raised, setRaised, "Raised")

int RadioGroup::count() const { return static_cast<const TOrvoRadioGroup*>(control())->Items()->Count(); }

void RadioGroup::libraryStateChanged(TControl* changed) {
    const auto* group = static_cast<const TOrvoRadioGroup*>(control());
    if (changed != group || group->ItemIndex() == FIndex) return;
    FIndex = group->ItemIndex();
    emit currentIndexChanged(FIndex);
}

}  // namespace Orvo
