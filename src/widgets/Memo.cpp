#include "widgets/Memo.h"

#include "orvo/OrvoEditControls.h"
#include "widgets/QtConversions.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

Memo::Memo(QWidget* parent) : FocusFieldWidget(new TOrvoMemo(nullptr), parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

Memo::~Memo() = default;

ORVO_WIDGET_PROPERTY(Memo, int, maxLength, setMaxLength, "MaxLength")
ORVO_WIDGET_PROPERTY(Memo, bool, readOnly, setReadOnly, "ReadOnly")
ORVO_WIDGET_PROPERTY(Memo, ControlWidget::CharCase, charCase, setCharCase, "CharCase")
ORVO_WIDGET_PROPERTY(Memo, bool, hideSelection, setHideSelection, "HideSelection")
ORVO_WIDGET_PROPERTY(Memo, ControlWidget::ScrollBars, scrollBars, setScrollBars, "ScrollBars")
ORVO_WIDGET_PROPERTY(Memo, bool, wantReturns, setWantReturns, "WantReturns")
ORVO_WIDGET_PROPERTY(Memo, bool, wantTabs, setWantTabs, "WantTabs")
ORVO_WIDGET_PROPERTY(Memo, bool, wordWrap, setWordWrap, "WordWrap")

// The memo's Lines, one per line of the text: "a\nb\n" is "a", "b" and an
// empty last line, so that the text comes back as it was given.
QString Memo::toPlainText() const { return libraryValue("Lines").toStringList().join(QLatin1Char('\n')); }

void Memo::setPlainText(const QString& text) {
    setLibraryValue("Lines", text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
}

void Memo::clear() { setPlainText(QString()); }

void Memo::libraryStateChanged(TControl* changed) {
    if (changed != control()) return;
    const QString now = ToQString(control()->Text());
    if (now == FText) return;
    FText = now;
    emit textChanged();
}

}  // namespace Orvo
