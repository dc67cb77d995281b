#pragma once
// Orvo::RadioGroup: the library's radio group (TOrvoRadioGroup) as a Qt
// widget: a framed, titled box with one radio button for each of its items,
// in 1 to 16 columns. currentIndex is the checked item (-1 for none).
//
// currentIndexChanged(int) comes once for every change of currentIndex,
// whichever way it came: a click on a button, Space, its accelerator, an
// arrow key (which moves to the previous or next item and checks it),
// setCurrentIndex, or new items that leave the index beyond the last one.
// The buttons take their look (every property below but columns, items and
// title) from the group.
//
// A current index given while the group has no items yet is kept until
// items come and then applied (clamped), as a form description of the
// library is read: code generated from a .ui file sets the index before the
// items, which it sets with the other translatable texts.

#include <QStringList>

#include "widgets/CheckControlWidget.h"

namespace Orvo {

/// The library's radio group as a QWidget, with a currentIndexChanged() signal.
class RadioGroup : public CheckControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    // -1..count - 1 (a value outside is clamped).
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged USER true)
    // 1..16 (clamped).
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(Border border READ border WRITE setBorder)
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(BorderVisibility borderVisible READ borderVisible WRITE setBorderVisible)
    Q_PROPERTY(bool parentCtl3D READ parentCtl3D WRITE setParentCtl3D)
    Q_PROPERTY(bool parentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(bool raised READ raised WRITE setRaised)

public:
    explicit RadioGroup(QWidget* parent = nullptr);
    ~RadioGroup() override;

    QString title() const;
    void setTitle(const QString& title);
    QStringList items() const;
    void setItems(const QStringList& items);
    int count() const;
    int currentIndex() const;
    int columns() const;
    void setColumns(int columns);
    bool autoSize() const;
    void setAutoSize(bool autoSize);
    Border border() const;
    void setBorder(Border border);
    QColor borderColor() const;
    void setBorderColor(const QColor& color);
    BorderVisibility borderVisible() const;
    void setBorderVisible(BorderVisibility visibility);
    bool parentCtl3D() const;
    void setParentCtl3D(bool parent);
    bool parentShowHint() const;
    void setParentShowHint(bool parent);
    bool raised() const;
    void setRaised(bool raised);

public slots:
    void setCurrentIndex(int index);

signals:
    void currentIndexChanged(int index);

protected:
    void libraryStateChanged(TControl* control) override;

private:
    int FIndex = -1;         // as currentIndexChanged() last told
    int FPendingIndex = -1;  // given before there were items
};

}  // namespace Orvo
