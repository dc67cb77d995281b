#pragma once
// Orvo::CheckControlWidget: what the widgets of the library's check controls
// share (Orvo::CheckBox, Orvo::RadioButton, Orvo::RadioGroup and
// Orvo::GroupBoxWithCheck): the side the mark stands on, its colour and
// glyph family, the shaded or flat look, the focus highlight, hot tracking,
// read-only and transparency. On the radio group and the group box with
// check they are handed to the buttons and the title check box.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

/// What the check box, radio button, radio group and group box with check widgets share: the mark's look.
class CheckControlWidget : public WindowedControlWidget {
    Q_OBJECT
    // The caption's side: LeftJustify puts the caption left and the mark
    // right; Center is taken as RightJustify.
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    // The glyph's colour (the check box's glyph, the radio button's dot).
    Q_PROPERTY(QColor checkColor READ checkColor WRITE setCheckColor)
    Q_PROPERTY(CheckStyle checkStyle READ checkStyle WRITE setCheckStyle)
    // Shaded (true) or flat mark (and frame, on the group boxes).
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    // The background in highlightColor while the control has the focus.
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    // The caption in hotTrackFontColor while the pointer is over it.
    Q_PROPERTY(bool hotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(QColor hotTrackFontColor READ hotTrackFontColor WRITE setHotTrackFontColor)
    // The mouse and keys no longer change it (code still can).
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    // The picture of what lies behind the widget as background.
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    // The square or ring is not filled white.
    Q_PROPERTY(bool transparentCenter READ transparentCenter WRITE setTransparentCenter)

public:
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    QColor checkColor() const;
    void setCheckColor(const QColor& color);
    CheckStyle checkStyle() const;
    void setCheckStyle(CheckStyle style);
    bool ctl3D() const;
    void setCtl3D(bool ctl3D);
    bool focusHighlight() const;
    void setFocusHighlight(bool highlight);
    QColor highlightColor() const;
    void setHighlightColor(const QColor& color);
    bool hotTrack() const;
    void setHotTrack(bool hotTrack);
    QColor hotTrackFontColor() const;
    void setHotTrackFontColor(const QColor& color);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    bool transparent() const;
    void setTransparent(bool transparent);
    bool transparentCenter() const;
    void setTransparentCenter(bool transparentCenter);

protected:
    using WindowedControlWidget::WindowedControlWidget;
};

}  // namespace Orvo
