#pragma once
// Orvo::ListBox: the library's list box (TOrvoListBox) as a Qt widget: a
// list of text items, aligned left, right or centred, transparent over the
// picture behind it while it has no focus (the selected item keeps its
// highlight bar).
//
// currentRowChanged(int) comes once for every change of the current row,
// itemSelectionChanged() once for every change of which items are selected:
// a click, the arrow keys and the others that move the selection, a typed
// first letter, setCurrentRow, setRowSelected, or items that leave the row
// beyond the last one.

#include <QStringList>

#include <vector>

#include "widgets/FocusFieldWidget.h"

namespace Orvo {

/// The library's list box as a QWidget, with currentRowChanged() and itemSelectionChanged() signals.
class ListBox : public FocusFieldWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    // -1 for none; not stored (the library does not store it either).
    Q_PROPERTY(int currentRow READ currentRow WRITE setCurrentRow NOTIFY currentRowChanged USER true STORED false)
    Q_PROPERTY(ListStyle listStyle READ listStyle WRITE setListStyle)
    // 1..255 (clamped).
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)
    // Ctrl and Shift pick several items.
    Q_PROPERTY(bool multiSelect READ multiSelect WRITE setMultiSelect)
    Q_PROPERTY(bool sorted READ sorted WRITE setSorted)
    // Items in this many columns side by side, scrolled sideways (0: one column, scrolled down).
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    // With multiSelect: Shift picks a range and Ctrl adds items (off: each click toggles an item).
    Q_PROPERTY(bool extendedSelect READ extendedSelect WRITE setExtendedSelect)
    // The height shows whole items only.
    Q_PROPERTY(bool integralHeight READ integralHeight WRITE setIntegralHeight)
    // Where tab characters in items stop, in dialog units (0: the default stops).
    Q_PROPERTY(int tabWidth READ tabWidth WRITE setTabWidth)

public:
    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;

    QStringList items() const;
    void setItems(const QStringList& items);
    int count() const;
    int currentRow() const;
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    ListStyle listStyle() const;
    void setListStyle(ListStyle style);
    int itemHeight() const;
    void setItemHeight(int height);
    bool multiSelect() const;
    void setMultiSelect(bool multi);
    bool sorted() const;
    void setSorted(bool sorted);
    int columns() const;
    void setColumns(int columns);
    bool extendedSelect() const;
    void setExtendedSelect(bool extended);
    bool integralHeight() const;
    void setIntegralHeight(bool integral);
    int tabWidth() const;
    void setTabWidth(int width);

public slots:
    void setCurrentRow(int row);
    void clear();

signals:
    void currentRowChanged(int row);
    void itemSelectionChanged();

protected:
    void libraryStateChanged(TControl* control) override;

private:
    std::vector<int> SelectedRows() const;

    int FRow = -1;               // as currentRowChanged() last told
    std::vector<int> FSelected;  // as itemSelectionChanged() last told
};

}  // namespace Orvo
