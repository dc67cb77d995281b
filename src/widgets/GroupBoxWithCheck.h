#pragma once
// Orvo::GroupBoxWithCheck: the library's group box with check
// (TOrvoGroupBoxWithCheck) as a Qt widget: a group box whose title is a
// live check box. Ticking it enables what the box holds, clearing it
// disables it: the Qt widgets and library widgets placed in it (also one
// placed later) are enabled exactly when the box is enabled and checked.
//
// toggled(bool) comes once for every change of `checked`: a click on the
// title, Space or Enter while it has the focus, its accelerator, or
// setChecked. A press dragged off the title changes nothing.

#include "widgets/WindowedControlWidget.h"

namespace Orvo {

class GroupBoxWithCheck : public WindowedControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    // The title check box's caption side; Center is taken as RightJustify.
    Q_PROPERTY(TextAlignment alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(QColor checkColor READ checkColor WRITE setCheckColor)
    Q_PROPERTY(CheckStyle checkStyle READ checkStyle WRITE setCheckStyle)
    Q_PROPERTY(CheckType checkType READ checkType WRITE setCheckType)
    // Etched (true) or flat frame, and the title's square.
    Q_PROPERTY(bool ctl3D READ ctl3D WRITE setCtl3D)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(bool focusHighlight READ focusHighlight WRITE setFocusHighlight)
    Q_PROPERTY(QColor highlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(bool hotTrack READ hotTrack WRITE setHotTrack)
    Q_PROPERTY(QColor hotTrackFontColor READ hotTrackFontColor WRITE setHotTrackFontColor)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)
    Q_PROPERTY(bool readOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool transparentCenter READ transparentCenter WRITE setTransparentCenter)

public:
    explicit GroupBoxWithCheck(QWidget* parent = nullptr);
    explicit GroupBoxWithCheck(const QString& title, QWidget* parent = nullptr);
    ~GroupBoxWithCheck() override;

    QString title() const;
    void setTitle(const QString& title);
    bool isChecked() const;
    TextAlignment alignment() const;
    void setAlignment(TextAlignment alignment);
    QColor checkColor() const;
    void setCheckColor(const QColor& color);
    CheckStyle checkStyle() const;
    void setCheckStyle(CheckStyle style);
    CheckType checkType() const;
    void setCheckType(CheckType type);
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

public slots:
    void setChecked(bool checked);

signals:
    void toggled(bool checked);

protected:
    void libraryStateChanged(TControl* control) override;
    void changeEvent(QEvent* event) override;
    void childEvent(QChildEvent* event) override;

private:
    // Enables the widgets placed in the box exactly when it is checked (Qt
    // keeps them disabled while the box itself is).
    void BringChildrenInLine();

    bool FChecked = true;  // as toggled() last told
};

}  // namespace Orvo
