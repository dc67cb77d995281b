#pragma once
// Orvo::RadioButton: the library's radio button (TOrvoRadioButton) as a Qt
// widget: a shaded or flat ring with a recoloured dot, its caption, borders,
// hot tracking, a focus highlight and transparency.
//
// Radio buttons with the same Qt parent and the same groupIndex exclude
// each other, as the library's do on one parent: checking one unchecks the
// others. The user only ever checks a button (a click, Space or Enter, its
// accelerator); code may uncheck it. toggled(bool) comes once for every
// change of `checked` (the button unchecked first sends its toggled(false));
// a press dragged off the button before the release changes nothing.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

class RadioButton : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    // Buttons of one parent with the same index exclude each other (0..255).
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    // The caption's side: LeftJustify puts the ring right; Center is taken as
    // RightJustify.
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(BorderVisibility borderVisible READ borderVisible WRITE setBorderVisible)
    // The dot's colour.
    Q_PROPERTY(QColor checkColor READ checkColor WRITE setCheckColor)
    Q_PROPERTY(CheckStyle checkStyle READ checkStyle WRITE setCheckStyle)
    // Shaded (true) or flat ring.
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(bool hotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(QColor hotTrackFontColor READ hotTrackFontColor WRITE setHotTrackFontColor)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    // A raised ring instead of a sunken one while unchecked.
    Q_PROPERTY(bool raised READ raised WRITE setRaised)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool transparentCenter READ transparentCenter WRITE setTransparentCenter)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit RadioButton(QWidget* parent = nullptr);
    explicit RadioButton(const QString& text, QWidget* parent = nullptr);
    ~RadioButton() override;

    QString text() const;
    bool isChecked() const;
    int groupIndex() const;
    void setGroupIndex(int index);
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
    bool raised() const;
    void setRaised(bool raised);
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

signals:
    void toggled(bool checked);

protected:
    void libraryStateChanged(TControl* control) override;

private:
    void UncheckSiblings();

    bool FChecked = false;  // as toggled() last told
};

}  // namespace Orvo
