#pragma once
// Orvo::FocusFieldWidget: what the widgets of the library's edit family
// share (Orvo::Edit, Orvo::Memo and Orvo::ListBox): text aligned left, right
// or centred, a border, and the focus scheme: transparent over what lies
// behind the widget while the field has no focus (tinted with its colour by
// `transparency` percent), opaque, optionally in highlightColor, while it
// has it.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

/// What the edit, memo and list box widgets share: borders while focused, focus colour and transparency.
class FocusFieldWidget : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)
    // A sunken (true) or flat border.
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    // The background in highlightColor while the field has the focus.
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    // 0..100 (above 100 is taken as 100): how much of the picture behind
    // shows through the colour while transparent.
    Q_PROPERTY(int transparency READ transparency WRITE setTransparency)

public:
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    bool ctl3D() const;
    void setCtl3D(bool ctl3D);
    bool parentCtl3D() const;
    void setParentCtl3D(bool parent);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    bool focusHighlight() const;
    void setFocusHighlight(bool highlight);
    QColor highlightColor() const;
    void setHighlightColor(const QColor& color);
    bool transparent() const;
    void setTransparent(bool transparent);
    int transparency() const;
    void setTransparency(int percent);

protected:
    using WindowedControlWidget::WindowedControlWidget;
};

}  // namespace Orvo
