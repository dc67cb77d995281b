#pragma once
// Orvo::GroupBox: the library's group box (TOrvoGroupBox) as a Qt widget: an
// etched or flat frame whose top edge runs through the middle of its title,
// over the picture behind it when transparent. It holds Qt widgets and the
// library's widgets alike: place them in it (or give it a layout, which
// keeps clear of the frame and the title). Disabling it disables them.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

/// The library's group box as a QWidget; it holds Qt widgets and the library's alike.
class GroupBox : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    // Etched (true) or flat frame.
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)

public:
    explicit GroupBox(QWidget* parent = nullptr);
    explicit GroupBox(const QString& title, QWidget* parent = nullptr);
    ~GroupBox() override;

    QString title() const;
    void setTitle(const QString& title);
    bool ctl3D() const;
    void setCtl3D(bool ctl3D);
    bool parentCtl3D() const;
    void setParentCtl3D(bool parent);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    bool transparent() const;
    void setTransparent(bool transparent);

protected:
    void changeEvent(QEvent* event) override;
};

// The margins a layout in a framed, titled box keeps: clear of the frame and
// of the title line (whose height the widget's font gives).
void KeepLayoutInsideFrame(QWidget* box);

}  // namespace Orvo
