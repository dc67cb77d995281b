#pragma once
// The lines of a list box, with its selection kept on them.
//
// Each line carries whether it is selected, whether it is the list's current
// item (ItemIndex: the selected item, or the one with the focus rectangle in
// a multiple-selection list) and whether a Shift range starts at it. The
// marks travel with their lines, so inserting, deleting, sorting or
// rewriting lines leaves the selection on the items it was on, as the
// system's list box keeps it. While Sorted, a line added, inserted or
// rewritten goes to its place in order (without regard to case; equal lines
// keep the order they came in).

#include <string>
#include <vector>

#include "host/framework/Classes.h"

namespace Orvo {

/// A list box's lines, each with its object and whether it is selected.
class TListBoxItems : public TStrings {
public:
    TListBoxItems() = default;

    int Count() const override { return int(FLines.size()); }
    std::string Strings(int index) const override;
    void SetStrings(int index, const std::string& s) override;
    TObject* Objects(int index) const override;
    void SetObjects(int index, TObject* object) override;
    int Add(const std::string& s) override;
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

    bool Sorted() const { return FSorted; }
    // Turning it on sorts the lines (their marks with them).
    void SetSorted(bool sorted);

    // The current item, or -1. Moving it leaves the selected marks alone.
    int Current() const { return Marked(&TLine::Current); }
    void SetCurrent(int index) { Mark(&TLine::Current, index); }
    // Where a Shift range starts, or -1.
    int Anchor() const { return Marked(&TLine::Anchor); }
    void SetAnchor(int index) { Mark(&TLine::Anchor, index); }
    // Throw EListError for an index out of range.
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelectedCount() const;
    // Selects exactly the lines first..last (inclusive; none when first > last).
    void SelectRange(int first, int last);

private:
    struct TLine {
        std::string Text;
        TObject* Object = nullptr;
        bool Selected = false;
        bool Current = false;
        bool Anchor = false;
    };
    using TMark = bool TLine::*;

    void CheckIndex(int index) const;
    int Marked(TMark mark) const;
    void Mark(TMark mark, int index);
    // Where `text` goes in the sorted lines: after every line not greater.
    int SortedPlace(const std::string& text) const;
    void InsertLine(int index, TLine line);

    std::vector<TLine> FLines;
    bool FSorted = false;
};

}  // namespace Orvo
