#include "widgets/ListBox.h"

#include <QtGlobal>

#include "orvo/OrvoEditControls.h"
#include "widgets/WidgetProperty.h"

namespace Orvo {

namespace {

TOrvoListBox& ListOf(const ControlWidget& widget) { return *static_cast<TOrvoListBox*>(widget.control()); }

}  // namespace

ListBox::ListBox(QWidget* parent) : FocusFieldWidget(new TOrvoListBox(nullptr), parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

ListBox::~ListBox() = default;

ORVO_WIDGET_PROPERTY(ListBox, QStringList, items, setItems, "Items")
ORVO_WIDGET_PROPERTY(ListBox, ControlWidget::ListStyle, listStyle, setListStyle, "Style")
ORVO_WIDGET_PROPERTY(ListBox, int, itemHeight, setItemHeight, "ItemHeight")
ORVO_WIDGET_PROPERTY(ListBox, bool, multiSelect, setMultiSelect, "MultiSelect")
ORVO_WIDGET_PROPERTY(ListBox, bool, sorted, setSorted, "Sorted")
ORVO_WIDGET_PROPERTY(ListBox, int, columns, setColumns, "Columns")
ORVO_WIDGET_PROPERTY(ListBox, bool, extendedSelect, setExtendedSelect, "ExtendedSelect")
ORVO_WIDGET_PROPERTY(ListBox, bool, integralHeight, setIntegralHeight, "IntegralHeight")
ORVO_WIDGET_PROPERTY(ListBox, int, tabWidth, setTabWidth, "TabWidth")

int ListBox::count() const { return ListOf(*this).Items()->Count(); }

// The list box does not publish its item index (a form never stores it):
// it is read and set directly.
int ListBox::currentRow() const { return ListOf(*this).ItemIndex(); }

void ListBox::setCurrentRow(int row) {
    TUserInputScope code(nullptr);
    ListOf(*this).SetItemIndex(row);
}

bool ListBox::isRowSelected(int row) const { return row >= 0 && row < count() && ListOf(*this).Selected(row); }

void ListBox::setRowSelected(int row, bool selected) {
    if (row < 0 || row >= count()) {
        qWarning("Orvo::ListBox: no row %d to select (%d rows)", row, count());
        return;
    }
    TUserInputScope code(nullptr);
    ListOf(*this).SetSelected(row, selected);
}

void ListBox::clear() { setItems(QStringList()); }

std::vector<int> ListBox::SelectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < count(); ++i)
        if (ListOf(*this).Selected(i)) rows.push_back(i);
    return rows;
}

void ListBox::libraryStateChanged(TControl* changed) {
    if (changed != control()) return;
    const int row = currentRow();
    std::vector<int> selection = SelectedRows();
    const bool rowChanged = row != FRow;
    const bool selectionChanged = selection != FSelected;
    FRow = row;
    FSelected = std::move(selection);
    if (rowChanged) emit currentRowChanged(row);
    if (selectionChanged) emit itemSelectionChanged();
}

}  // namespace Orvo
