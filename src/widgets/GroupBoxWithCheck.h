#pragma once
// Orvo::GroupBoxWithCheck: the library's group box with check
// (TOrvoGroupBoxWithCheck) as a Qt widget: a group box whose title is a
// live check box. Ticking it enables what the box holds, clearing it
// disables it: the Qt widgets and library widgets placed in it (also one
// placed later) are enabled exactly when the box is enabled and checked,
// but for one the program disabled itself, which stays so (as in a
// checkable QGroupBox).
//
// toggled(bool) comes once for every change of `checked`: a click on the
// title, Space or Enter while it has the focus, its accelerator, or
// setChecked. A press dragged off the title changes nothing.

#include "widgets/CheckControlWidget.h"

namespace Orvo {

/// The library's group box with a check box title as a QWidget, with a toggled() signal.
class GroupBoxWithCheck : public CheckControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled USER true)
    Q_PROPERTY(CheckType checkType READ checkType WRITE setCheckType)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(QString hintSecondLine READ hintSecondLine WRITE setHintSecondLine)

public:
    explicit GroupBoxWithCheck(QWidget* parent = nullptr);
    explicit GroupBoxWithCheck(const QString& title, QWidget* parent = nullptr);
    ~GroupBoxWithCheck() override;

    QString title() const;
    void setTitle(const QString& title);
    bool isChecked() const;
    CheckType checkType() const;
    void setCheckType(CheckType type);
    bool parentCtl3D() const;
    void setParentCtl3D(bool parent);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    QString hintSecondLine() const;
    void setHintSecondLine(const QString& line);

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
