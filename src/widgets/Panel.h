#pragma once
// Orvo::Panel: the library's panel (TOrvoPanel) as a Qt widget: bevels, a
// border, a caption, and transparency (partial: the panel's colour laid
// over the picture behind it by `transparency` percent). It holds Qt
// widgets and the library's widgets alike; a layout given to it keeps clear
// of its bevels and border. Disabling it disables them.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

/// The library's panel as a QWidget; it holds Qt widgets and the library's alike.
class Panel : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(Bevel bevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(Bevel bevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int bevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)
    // Shaded (true) or flat bevels.
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    // 0..100 (above 100 is taken as 100): how much of the picture behind
    // shows through the colour while transparent.
    Q_PROPERTY(int transparency READ transparency WRITE setTransparency)

public:
    explicit Panel(QWidget* parent = nullptr);
    ~Panel() override;

    QString text() const;
    void setText(const QString& text);
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    Bevel bevelInner() const;
    void setBevelInner(Bevel bevel);
    Bevel bevelOuter() const;
    void setBevelOuter(Bevel bevel);
    int bevelWidth() const;
    void setBevelWidth(int width);
    int borderWidth() const;
    void setBorderWidth(int width);
    BorderStyle borderStyle() const;
    void setBorderStyle(BorderStyle style);
    bool ctl3D() const;
    void setCtl3D(bool ctl3D);
    bool parentCtl3D() const;
    void setParentCtl3D(bool parent);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    bool transparent() const;
    void setTransparent(bool transparent);
    int transparency() const;
    void setTransparency(int percent);

private:
    // A layout inside stays clear of the bevels and the border.
    void KeepLayoutInsideFrame();
};

}  // namespace Orvo
