#include "host/stdctrls/ListBoxItems.h"

#include <algorithm>

namespace Orvo {

void TListBoxItems::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TListBoxItems::Strings(int index) const {
    CheckIndex(index);
    return FLines[std::size_t(index)].Text;
}

void TListBoxItems::SetStrings(int index, const std::string& s) {
    CheckIndex(index);
    if (!FSorted) {
        FLines[std::size_t(index)].Text = s;
        Changed();
        return;
    }
    // The rewritten line (with its marks) moves to its place in order.
    TLine line = FLines[std::size_t(index)];
    line.Text = s;
    FLines.erase(FLines.begin() + index);
    const int place = SortedPlace(s);
    FLines.insert(FLines.begin() + place, std::move(line));
    Changed();
}

TObject* TListBoxItems::Objects(int index) const {
    CheckIndex(index);
    return FLines[std::size_t(index)].Object;
}

void TListBoxItems::SetObjects(int index, TObject* object) {
    CheckIndex(index);
    FLines[std::size_t(index)].Object = object;
    Changed();
}

int TListBoxItems::Add(const std::string& s) {
    const int index = FSorted ? SortedPlace(s) : Count();
    InsertLine(index, TLine{s});
    return index;
}

void TListBoxItems::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    InsertLine(FSorted ? SortedPlace(s) : index, TLine{s});
}

void TListBoxItems::InsertLine(int index, TLine line) {
    FLines.insert(FLines.begin() + index, std::move(line));
    Changed();
}

void TListBoxItems::Delete(int index) {
    CheckIndex(index);
    FLines.erase(FLines.begin() + index);
    Changed();
}

void TListBoxItems::Clear() {
    if (FLines.empty()) return;
    FLines.clear();
    Changed();
}

void TListBoxItems::SetSorted(bool sorted) {
    if (sorted == FSorted) return;
    FSorted = sorted;
    if (!sorted || std::is_sorted(FLines.begin(), FLines.end(), [](const TLine& a, const TLine& b) {
            return LessText(a.Text, b.Text);
        }))
        return;
    std::stable_sort(FLines.begin(), FLines.end(), [](const TLine& a, const TLine& b) { return LessText(a.Text, b.Text); });
    Changed();
}

int TListBoxItems::SortedPlace(const std::string& text) const {
    const auto at = std::upper_bound(FLines.begin(), FLines.end(), text,
                                     [](const std::string& t, const TLine& line) { return LessText(t, line.Text); });
    return int(at - FLines.begin());
}

int TListBoxItems::Marked(TMark mark) const {
    for (std::size_t i = 0; i < FLines.size(); ++i)
        if (FLines[i].*mark) return int(i);
    return -1;
}

void TListBoxItems::Mark(TMark mark, int index) {
    for (TLine& line : FLines) line.*mark = false;
    if (index >= 0 && index < Count()) FLines[std::size_t(index)].*mark = true;
}

bool TListBoxItems::Selected(int index) const {
    CheckIndex(index);
    return FLines[std::size_t(index)].Selected;
}

void TListBoxItems::SetSelected(int index, bool selected) {
    CheckIndex(index);
    FLines[std::size_t(index)].Selected = selected;
}

int TListBoxItems::SelectedCount() const {
    return int(std::count_if(FLines.begin(), FLines.end(), [](const TLine& line) { return line.Selected; }));
}

void TListBoxItems::SelectRange(int first, int last) {
    for (int i = 0; i < Count(); ++i) FLines[std::size_t(i)].Selected = i >= first && i <= last;
}

}  // namespace Orvo
