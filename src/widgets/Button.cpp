#include "widgets/Button.h"

#include <QDialog>

#include "host/framework/Forms.h"
#include "orvo/OrvoMiscControls.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

Button::Button(QWidget* parent) : WindowedControlWidget(new TOrvoButton(nullptr), parent) {
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

Button::Button(const QString& text, QWidget* parent) : Button(parent) { setText(text); }

Button::~Button() = default;

ORVO_WIDGET_PROPERTY(Button, QString, text, setText, "Caption")
ORVO_WIDGET_PROPERTY(Button, ControlWidget::Shape, shape, setShape, "Shape")
ORVO_WIDGET_PROPERTY(Button, ControlWidget::TextAlignment, alignment, setAlignment, "Alignment")
ORVO_WIDGET_PROPERTY(Button, bool, isCancel, setCancel, "Cancel")
ORVO_WIDGET_PROPERTY(Button, bool, isDefault, setDefault, "Default")
ORVO_WIDGET_PROPERTY(Button, int, modalResult, setModalResult, "ModalResult")
ORVO_WIDGET_PROPERTY(Button, bool, ctl3D, setCtl3D, "Ctl3D")
ORVO_WIDGET_PROPERTY(Button, bool, parentShowHint, setParentShowHint, "ParentShowHint")
ORVO_WIDGET_PROPERTY(Button, bool, focusHighlight, setFocusHighlight, "FocusHighlight")
ORVO_WIDGET_PROPERTY(Button, bool, focusRect, setFocusRect, "FocusRect")
ORVO_WIDGET_PROPERTY(Button, QPixmap, glyph, setGlyph, "Glyph")
ORVO_WIDGET_PROPERTY(Button, ControlWidget::GlyphLayout, glyphLayout, setGlyphLayout, "Layout")
ORVO_WIDGET_PROPERTY(Button, QColor, highlightColor, setHighlightColor, "HighlightColor")
ORVO_WIDGET_PROPERTY(Button, bool, hotTrack, setHotTrack, "HotTrack")
ORVO_WIDGET_PROPERTY(Button, QColor, hotTrackFontColor, setHotTrackFontColor, "HotTrackFontColor")
ORVO_WIDGET_PROPERTY(Button, QPixmap, image, setImage, "Image")
ORVO_WIDGET_PROPERTY(Button, bool, wordWrap, setWordWrap, "WordWrap")

void Button::click() {
    TControl* button = control();
    TUserInputScope input(button);
    try {
        button->Click();
    } catch (...) {
        Application->HandleException(button);
    }
}

void Button::libraryClicked(TControl* clickedControl) {
    if (clickedControl != control()) return;
    const int result = modalResult();
    emit clicked();
    // What the button does to a modal form of the library, it does to the
    // Qt dialog around it.
    auto* dialog = qobject_cast<QDialog*>(window());
    if (!dialog || result == mrNone) return;
    if (result == mrOk) dialog->accept();
    else if (result == mrCancel) dialog->reject();
    else dialog->done(result);
}

}  // namespace Orvo
