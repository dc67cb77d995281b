#include "widgets/Panel.h"

#include "orvo/OrvoPanel.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

Panel::Panel(QWidget* parent) : WindowedControlWidget(new TOrvoPanel(nullptr), parent) { KeepLayoutInsideFrame(); }

Panel::~Panel() = default;

ORVO_WIDGET_PROPERTY(Panel, QString, text, setText, "Caption")
ORVO_WIDGET_PROPERTY(Panel, ControlWidget::TextAlignment, alignment, setAlignment, "Alignment")
ORVO_WIDGET_PROPERTY(Panel, bool, ctl3D, setCtl3D, "Ctl3D")
ORVO_WIDGET_PROPERTY(Panel, bool, parentCtl3D, setParentCtl3D, "ParentCtl3D")
ORVO_WIDGET_PROPERTY(Panel, bool, parentShowHint, setParentShowHint, "ParentShowHint")
ORVO_WIDGET_PROPERTY(Panel, bool, transparent, setTransparent, "Transparent")
ORVO_WIDGET_PROPERTY(Panel, int, transparency, setTransparency, "Transparency")

ControlWidget::Bevel Panel::bevelInner() const { return Bevel(libraryValue("BevelInner").toInt()); }
ControlWidget::Bevel Panel::bevelOuter() const { return Bevel(libraryValue("BevelOuter").toInt()); }
int Panel::bevelWidth() const { return libraryValue("BevelWidth").toInt(); }
int Panel::borderWidth() const { return libraryValue("BorderWidth").toInt(); }
ControlWidget::BorderStyle Panel::borderStyle() const { return BorderStyle(libraryValue("BorderStyle").toInt()); }

void Panel::setBevelInner(Bevel bevel) {
    setLibraryValue("BevelInner", bevel);
    KeepLayoutInsideFrame();
}

void Panel::setBevelOuter(Bevel bevel) {
    setLibraryValue("BevelOuter", bevel);
    KeepLayoutInsideFrame();
}

void Panel::setBevelWidth(int width) {
    setLibraryValue("BevelWidth", width);
    KeepLayoutInsideFrame();
}

void Panel::setBorderWidth(int width) {
    setLibraryValue("BorderWidth", width);
    KeepLayoutInsideFrame();
}

void Panel::setBorderStyle(BorderStyle style) {
    setLibraryValue("BorderStyle", style);
    KeepLayoutInsideFrame();
}

void Panel::KeepLayoutInsideFrame() {
    const int bevel = bevelWidth();
    const int inset = (bevelOuter() != BevelNone ? bevel : 0) + borderWidth() + (bevelInner() != BevelNone ? bevel : 0) +
                      (borderStyle() == BorderSingle ? 1 : 0);
    setContentsMargins(inset, inset, inset, inset);
}

}  // namespace Orvo
