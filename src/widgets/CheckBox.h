#pragma once
// Orvo::CheckBox: the library's check box (TOrvoCheckBox) as a Qt widget: a
// caption, a 14 x 14 square with a glyph recoloured to checkColor, borders,
// hot tracking, a focus highlight and transparency. It toggles on a left
// click, on Space or Enter and on its accelerator ("&Send": Alt+S).
//
// toggled(bool) comes once for every change of `checked`, whichever way it
// came (a click, a key, the accelerator, setChecked); clicked(bool) follows
// it when the user made the change. A press shows the new state at once and
// the change counts when the click is complete: a press dragged off the box
// and released elsewhere changes nothing and sends nothing.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

class CheckBox : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    // The caption's side: LeftJustify puts the caption left and the square
    // right; Center is taken as RightJustify.
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    // The width follows the caption each time the box is painted.
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(BorderVisibility borderVisible READ borderVisible WRITE setBorderVisible)
    Q_PROPERTY(QColor checkColor READ checkColor WRITE setCheckColor)
    Q_PROPERTY(CheckStyle checkStyle READ checkStyle WRITE setCheckStyle)
    Q_PROPERTY(CheckType checkType READ checkType WRITE setCheckType)
    // Shaded (true) or flat square.
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    // The background in highlightColor while the box has the focus.
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    // The caption in hotTrackFontColor while the pointer is over the box.
    Q_PROPERTY(bool hotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(QColor hotTrackFontColor READ hotTrackFontColor WRITE setHotTrackFontColor)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    // The mouse and keys no longer change the box (code still can).
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    // The picture of what lies behind the widget as background.
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    // The square is not filled white.
    Q_PROPERTY(bool transparentCenter READ transparentCenter WRITE setTransparentCenter)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit CheckBox(QWidget* parent = nullptr);
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);
    ~CheckBox() override;

    QString text() const;
    bool isChecked() const;
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    Border border() const;
    void setBorder(Border border);
    QColor borderColor() const;
    void setBorderColor(const QColor& color);
    BorderVisibility borderVisible() const;
    void setBorderVisible(BorderVisibility visibility);
    QColor checkColor() const;
    void setCheckColor(const QColor& color);
    CheckStyle checkStyle() const;
    void setCheckStyle(CheckStyle style);
    CheckType checkType() const;
    void setCheckType(CheckType type);
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
    QString hintSecondLine() const;
    void setHintSecondLine(const QString& line);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    bool transparent() const;
    void setTransparent(bool transparent);
    bool transparentCenter() const;
    void setTransparentCenter(bool transparentCenter);
    bool wordWrap() const;
    void setWordWrap(bool wrap);

    QSize minimumSizeHint() const override;

public slots:
    void setText(const QString& text);
    void setChecked(bool checked);
    void toggle();

signals:
    void toggled(bool checked);
    void clicked(bool checked = false);

protected:
    void libraryStateChanged(TControl* control) override;

private:
    bool FChecked = false;  // as toggled() last told
};

}  // namespace Orvo
