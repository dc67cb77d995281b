#pragma once
// Orvo::Button: the library's shaped button (TOrvoButton) as a Qt widget: a
// push button drawn in one of six shapes, with a face colour, a face
// picture (image), a glyph strip beside, above or below the caption, hot
// tracking, a focus highlight and an optional focus rectangle. Clicks
// outside the shape reach what lies beneath.
//
// clicked() comes once for every click: the mouse, Space or Enter, the
// accelerator, or click(). A button with a modalResult ends the QDialog it
// lies in with it (1 accepts, 2 rejects, any other is the dialog's result).

#include <QPixmap>

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

/// The library's shaped button as a QWidget, with a clicked() signal.
class Button : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Shape shape READ shape WRITE setShape)
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    // The library's Cancel and Default: on a form of the library Escape and
    // Enter press such a button from anywhere on the form; a widget has no
    // form around it, so they act only while the button has the focus.
    Q_PROPERTY(bool cancel READ isCancel WRITE setCancel)
    Q_PROPERTY(bool default READ isDefault WRITE setDefault)
    Q_PROPERTY(int modalResult READ modalResult WRITE setModalResult)
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    // A dotted rectangle round the caption while focused.
    Q_PROPERTY(bool focusRect READ focusRect WRITE setFocusRect)
    // A strip of square frames side by side; with two, the second shows
    // while the button is disabled.
    Q_PROPERTY(QPixmap glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(GlyphLayout glyphLayout READ glyphLayout WRITE setGlyphLayout)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(bool hotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(QColor hotTrackFontColor READ hotTrackFontColor WRITE setHotTrackFontColor)
    // A picture centred on the face under the caption.
    Q_PROPERTY(QPixmap image READ image WRITE setImage)
    Q_PROPERTY(bool wordWrap READ wordWrap WRITE setWordWrap)

public:
    explicit Button(QWidget* parent = nullptr);
    explicit Button(const QString& text, QWidget* parent = nullptr);
    ~Button() override;

    QString text() const;
    void setText(const QString& text);
    Shape shape() const;
    void setShape(Shape shape);
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    bool isCancel() const;
    void setCancel(bool cancel);
    bool isDefault() const;
    void setDefault(bool isDefault);
    int modalResult() const;
    void setModalResult(int result);
    bool ctl3D() const;
    void setCtl3D(bool ctl3D);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    bool focusHighlight() const;
    void setFocusHighlight(bool highlight);
    bool focusRect() const;
    void setFocusRect(bool show);
    QPixmap glyph() const;
    void setGlyph(const QPixmap& glyph);
    GlyphLayout glyphLayout() const;
    void setGlyphLayout(GlyphLayout layout);
    QColor highlightColor() const;
    void setHighlightColor(const QColor& color);
    bool hotTrack() const;
    void setHotTrack(bool hotTrack);
    QColor hotTrackFontColor() const;
    void setHotTrackFontColor(const QColor& color);
    QPixmap image() const;
    void setImage(const QPixmap& image);
    bool wordWrap() const;
    void setWordWrap(bool wrap);

public slots:
    // As a click of the user's: OnClick of the library, clicked().
    void click();

signals:
    void clicked();

protected:
    void libraryClicked(TControl* control) override;
};

}  // namespace Orvo
