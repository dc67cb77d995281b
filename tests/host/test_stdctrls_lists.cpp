// The list box, the combo box, the label and the group box.
#include <gtest/gtest.h>

#include <QComboBox>

#include <functional>
#include <string>
#include <vector>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/stdctrls/StdCtrls.h"

using namespace Orvo;

namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// An owner-drawn list box that records what the framework hands DrawItem.
class TDrawSpy : public TListBox {
public:
    explicit TDrawSpy(TComponent* owner) : TListBox(owner) { SetStyle(lbOwnerDrawFixed); }
    struct TCall {
        int Index;
        TRect Rect;
        TOwnerDrawState State;
        TColor Brush;
        TColor FontColor;
    };
    std::vector<TCall> Calls;
    std::vector<UINT> Messages;
    void WndProc(TMessage& m) override {
        Messages.push_back(m.Msg);
        TListBox::WndProc(m);
    }

protected:
    void DrawItem(int index, TRect rect, TOwnerDrawState state) override {
        Calls.push_back({index, rect, state, Canvas()->Brush()->Color(), Canvas()->Font()->Color()});
        TListBox::DrawItem(index, rect, state);
    }
};

struct TListForm {
    TForm Form{nullptr};
    TListForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 300, 200);
        Form.SetColor(clWhite);
    }
    template <class T>
    T* Add(T* c, int left, int top) {
        c->SetLeft(left);
        c->SetTop(top);
        c->SetParent(&Form);
        return c;
    }
    void Show() { ShowFormForAutomation(&Form); }
    ~TListForm() { SetCaptureControl(nullptr); }
};

void AddItems(TStrings* items, std::initializer_list<const char*> lines) {
    for (const char* line : lines) items->Add(line);
}

}  // namespace

// ---------------------------------------------------------------- list box

TEST(StdListBox, OwnerDrawCallsDrawItemForEveryVisibleItem) {
    TListForm f;
    auto* list = f.Add(new TDrawSpy(&f.Form), 10, 10);
    list->SetBounds(10, 10, 81, 73);
    list->SetItemHeight(16);
    list->SetColor(clWhite);
    AddItems(list->Items(), {"OrvoListBox", "Dog", "Cat", "Apple", "Orange", "Triangle"});
    list->SetItemIndex(1);
    ASSERT_TRUE(list->ScrollBarVisible());  // 6 x 16 > 69 pixels inside the border
    EXPECT_EQ(list->ItemsArea(), Rect(2, 2, 63, 71));

    TSurface s(81, 73);
    list->Perform(WM_PAINT, s.WParam(), 0);
    // Four full items and the top of a fifth fit the 69 pixels.
    ASSERT_EQ(list->Calls.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const auto& call = list->Calls[std::size_t(i)];
        EXPECT_EQ(call.Index, i);
        EXPECT_EQ(call.Rect, Rect(2, 2 + 16 * i, 63, 18 + 16 * i));
        const bool selected = i == 1;
        EXPECT_EQ(call.State.Contains(odSelected), selected);
        EXPECT_EQ(call.Brush, selected ? clHighlight : clWhite);
        EXPECT_EQ(call.FontColor, selected ? clHighlightText : list->Font()->Color());
    }
    // The default DrawItem filled the selected item's rectangle.
    EXPECT_EQ(s.Pixel(60, 2 + 16 + 1), Plain(clHighlight));
    EXPECT_EQ(s.Pixel(60, 2 + 32 + 1), Plain(clWhite));

    // Scrolled down by one, the first visible item is item 1.
    list->Calls.clear();
    list->SetTopIndex(1);
    list->Perform(WM_PAINT, s.WParam(), 0);
    ASSERT_FALSE(list->Calls.empty());
    EXPECT_EQ(list->Calls.front().Index, 1);
    EXPECT_EQ(list->Calls.front().Rect.Top, 2);
}

TEST(StdListBox, FocusedItemGetsTheFocusFlagAndFrame) {
    TListForm f;
    auto* list = f.Add(new TDrawSpy(&f.Form), 10, 10);
    AddItems(list->Items(), {"a", "b"});
    list->SetItemIndex(0);
    f.Show();
    list->SetFocus();
    ASSERT_TRUE(list->Focused());
    list->Calls.clear();
    TSurface s(list->Width(), list->Height());
    list->Perform(WM_PAINT, s.WParam(), 0);
    ASSERT_GE(list->Calls.size(), 2u);
    EXPECT_TRUE(list->Calls[0].State.Contains(odFocused));
    EXPECT_FALSE(list->Calls[1].State.Contains(odFocused));
    // The focus frame inverts every other pixel of the highlight bar's edge.
    const TRect r = list->Calls[0].Rect;
    EXPECT_NE(s.Pixel(r.Left, r.Top), Plain(clHighlight));
    EXPECT_EQ(s.Pixel(r.Left + 3, r.Top + 3), Plain(clHighlight));
}

TEST(StdListBox, ClicksAndArrowsSelectAndRaiseOnClick) {
    TListForm f;
    auto* list = f.Add(new TListBox(&f.Form), 10, 10);
    AddItems(list->Items(), {"a", "b", "c"});
    int clicks = 0;
    list->OnClick = [&](TObject*) { ++clicks; };
    f.Show();

    ClickMouse(list, Point(10, 2 + 16 + 5));  // the second item
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_TRUE(list->Focused());
    EXPECT_EQ(clicks, 1);
    SendKey(&f.Form, VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 2);
    SendKey(&f.Form, VK_DOWN);  // already last: nothing changes
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 2);

    list->SetItemIndex(0);  // from code: no event
    EXPECT_EQ(clicks, 2);
    list->SetItemIndex(7);  // out of range selects nothing
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST(StdListBox, ScrollBarPressesSendVerticalScrollRequests) {
    TListForm f;
    auto* list = f.Add(new TDrawSpy(&f.Form), 10, 10);
    list->SetBounds(10, 10, 81, 73);
    AddItems(list->Items(), {"1", "2", "3", "4", "5", "6", "7"});
    const TRect bar = list->ScrollBarRect();
    ASSERT_FALSE(bar.IsEmpty());
    list->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(bar.Left + 4, bar.Bottom - 4));  // down arrow
    list->Perform(WM_LBUTTONUP, 0, At(bar.Left + 4, bar.Bottom - 4));
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(std::count(list->Messages.begin(), list->Messages.end(), WM_VSCROLL), 1);
    EXPECT_EQ(list->ItemIndex(), -1);  // the scroll bar selects nothing
    list->Perform(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_EQ(list->TopIndex(), 7 - list->VisibleItemCount());
}

TEST(StdListBox, SortedItemsAndMultiSelect) {
    TListBox list(nullptr);
    list.SetSorted(true);
    AddItems(list.Items(), {"pear", "Apple", "fig"});
    EXPECT_EQ(list.Items()->ToVector(), (std::vector<std::string>{"Apple", "fig", "pear"}));
    list.SetMultiSelect(true);
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    EXPECT_EQ(list.SelCount(), 2);
    EXPECT_TRUE(list.Selected(2));
    EXPECT_THROW(list.Selected(3), EListError);
}

TEST(StdListBox, TheSelectionStaysOnItsItemsWhenItemsChange) {
    // ItemIndex and the selected items follow the items they were on, as on
    // the system's list box.
    struct TCase {
        const char* Name;
        bool Sorted, MultiSelect;
        std::vector<const char*> Select;  // the items picked, in order
        std::function<void(TStrings*)> Change;
        std::vector<std::string> Items;    // afterwards
        int ItemIndex;
        std::vector<int> Selected;
    };
    const TCase cases[] = {
        {"delete an item before the selected one", false, false, {"c"}, [](TStrings* s) { s->Delete(0); },
         {"b", "c", "d"}, 1, {1}},
        {"delete an item after it", false, false, {"b"}, [](TStrings* s) { s->Delete(2); }, {"a", "b", "d"}, 1, {1}},
        {"delete the selected item", false, false, {"c"}, [](TStrings* s) { s->Delete(2); }, {"a", "b", "d"}, -1, {}},
        {"insert before it", false, false, {"c"}, [](TStrings* s) { s->Insert(0, "z"); },
         {"z", "a", "b", "c", "d"}, 3, {3}},
        {"rewrite it", false, false, {"c"}, [](TStrings* s) { s->SetStrings(2, "cc"); }, {"a", "b", "cc", "d"}, 2, {2}},
        {"add to a sorted list before it", true, false, {"d"}, [](TStrings* s) { s->Add("a0"); },
         {"a", "a0", "b", "c", "d"}, 4, {4}},
        {"rewrite a sorted item so it moves", true, false, {"b"}, [](TStrings* s) { s->SetStrings(1, "e"); },
         {"a", "c", "d", "e"}, 3, {3}},
        {"multiple selection, delete before it", false, true, {"d"}, [](TStrings* s) { s->Delete(0); },
         {"b", "c", "d"}, 2, {2}},
        {"multiple selection, two selected, insert between", false, true, {"b", "d"},
         [](TStrings* s) { s->Insert(2, "x"); }, {"a", "b", "x", "c", "d"}, 4, {1, 4}},
        {"multiple selection, sorted add", true, true, {"a", "c"}, [](TStrings* s) { s->Add("b0"); },
         {"a", "b", "b0", "c", "d"}, 3, {0, 3}},
        {"clear and fill again", false, false, {"b"}, [](TStrings* s) { s->SetText("a\nb"); }, {"a", "b"}, -1, {}},
    };
    for (const TCase& c : cases) {
        TListBox list(nullptr);
        list.SetSorted(c.Sorted);
        list.SetMultiSelect(c.MultiSelect);
        // Added out of order: a sorted list puts them in order.
        AddItems(list.Items(), {"d", "b", "a", "c"});
        if (!c.Sorted) {
            list.Items()->Clear();
            AddItems(list.Items(), {"a", "b", "c", "d"});
        }
        for (const char* item : c.Select) {
            const int index = list.Items()->IndexOf(item);
            ASSERT_GE(index, 0) << c.Name;
            list.SetItemIndex(index);
        }
        c.Change(list.Items());
        EXPECT_EQ(list.Items()->ToVector(), c.Items) << c.Name;
        EXPECT_EQ(list.ItemIndex(), c.ItemIndex) << c.Name;
        std::vector<int> selected;
        for (int i = 0; i < list.Items()->Count(); ++i)
            if (list.Selected(i)) selected.push_back(i);
        EXPECT_EQ(selected, c.Selected) << c.Name;
        EXPECT_EQ(list.SelCount(), int(c.Selected.size())) << c.Name;
    }
}

// ---------------------------------------------------------------- combo box

TEST(StdComboBox, ItemIndexFromCodeIsSilentAUsersPickIsNot) {
    TListForm f;
    auto* combo = f.Add(new TComboBox(&f.Form), 10, 10);
    combo->SetStyle(csDropDownList);
    AddItems(combo->Items(), {"ocCheck", "ocCircle", "ocCross"});
    std::vector<int> changes;
    int clicks = 0;
    combo->OnChange = [&](TObject*) { changes.push_back(combo->ItemIndex()); };
    combo->OnClick = [&](TObject*) { ++clicks; };
    f.Show();

    combo->SetItemIndex(2);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "ocCross");
    EXPECT_TRUE(changes.empty());

    combo->SelectByUser(1);
    EXPECT_EQ(changes, std::vector<int>{1});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(combo->Text(), "ocCircle");

    // The widget's own pick goes the same way.
    auto* widget = dynamic_cast<QComboBox*>(combo->Widget());
    ASSERT_NE(widget, nullptr);
    widget->setCurrentIndex(0);
    EXPECT_EQ(changes.size(), 1u);  // a change from code, not a pick
    Q_EMIT widget->activated(0);
    EXPECT_EQ(changes, (std::vector<int>{1, 0}));

    combo->SelectByUser(5);  // no such item
    EXPECT_EQ(changes.size(), 2u);
}

TEST(StdComboBox, IndexKeptWithoutAWindowAndAcrossRecreation) {
    TListForm f;
    auto* combo = f.Add(new TComboBox(&f.Form), 10, 10);
    AddItems(combo->Items(), {"a", "b"});
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    f.Show();
    EXPECT_EQ(combo->ItemIndex(), 1);
    combo->SetStyle(csDropDownList);  // re-creates the window
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "b");
    combo->Items()->Clear();
    EXPECT_EQ(combo->ItemIndex(), -1);
}

// ---------------------------------------------------------------- label

TEST(StdLabel, AutoSizeFitsTheTextWithoutAccelMarks) {
    TListForm f;
    auto* label = f.Add(new TLabel(&f.Form), 10, 10);
    TCanvas* canvas = label->Canvas();
    canvas->SetFont(label->Font());
    label->SetCaption("A&&B");
    const int ampersandWidth = canvas->TextWidth("A&B");
    EXPECT_EQ(label->Width(), ampersandWidth);
    EXPECT_EQ(label->Height(), canvas->TextHeight("A&B"));
    label->SetCaption("&File");
    EXPECT_EQ(label->Width(), canvas->TextWidth("File"));
    label->SetShowAccelChar(false);
    EXPECT_EQ(label->Width(), canvas->TextWidth("&File"));

    // A right-justified label keeps its right edge.
    auto* right = f.Add(new TLabel(&f.Form), 100, 40);
    right->SetAutoSize(false);
    right->SetBounds(100, 40, 80, 13);
    right->SetAlignment(taRightJustify);
    right->SetCaption("Alignment");
    right->SetAutoSize(true);
    EXPECT_EQ(right->Left() + right->Width(), 180);
    EXPECT_EQ(right->Width(), canvas->TextWidth("Alignment"));
}

TEST(StdLabel, OpaqueLabelFillsWithColorTransparentDoesNot) {
    TListForm f;
    auto* label = f.Add(new TLabel(&f.Form), 0, 0);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 60, 20);
    label->SetCaption("");
    label->SetColor(clYellow);
    TSurface s(60, 20, 0xFF0000FF);
    label->Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_EQ(s.Pixel(30, 10), Plain(clYellow));
    label->SetTransparent(true);
    TSurface t(60, 20, 0xFF0000FF);
    label->Perform(WM_PAINT, t.WParam(), 0);
    EXPECT_EQ(t.Pixel(30, 10), RGB(0, 0, 255));
}

TEST(StdLabel, AcceleratorFocusesTheFocusControl) {
    TListForm f;
    auto* label = f.Add(new TLabel(&f.Form), 0, 0);
    auto* list = f.Add(new TListBox(&f.Form), 0, 30);
    auto* other = f.Add(new TListBox(&f.Form), 150, 30);
    label->SetCaption("&Items");
    label->SetFocusControl(list);
    f.Show();
    other->SetFocus();
    SendAltChar(&f.Form, 'i');
    EXPECT_TRUE(list->Focused());
    delete list;  // the reference is dropped with it
    EXPECT_EQ(label->FocusControl(), nullptr);
}

// ---------------------------------------------------------------- group box

TEST(StdGroupBox, EtchedFrameWithTheCaptionInItsGap) {
    TGroupBox box(nullptr);
    EXPECT_EQ(box.Width(), 185);
    EXPECT_EQ(box.Height(), 105);
    EXPECT_TRUE(box.ControlStyle().Contains(csAcceptsControls));
    box.SetCaption("");
    box.SetColor(clWhite);
    TSurface s(185, 105);
    box.Perform(WM_ERASEBKGND, s.WParam(), 0);
    box.Perform(WM_PAINT, s.WParam(), 0);
    TCanvas* canvas = box.Canvas();
    canvas->SetFont(box.Font());
    const int h = canvas->TextHeight("0");
    EXPECT_EQ(s.Pixel(0, h / 2 - 1), Plain(clBtnShadow));
    EXPECT_EQ(s.Pixel(1, h / 2), Plain(clBtnHighlight));
    EXPECT_EQ(s.Pixel(184, 104), Plain(clBtnHighlight));
    EXPECT_EQ(s.Pixel(20, h / 2 - 1), Plain(clBtnShadow));  // no caption: closed top edge

    box.SetCaption("Group");
    box.Perform(WM_ERASEBKGND, s.WParam(), 0);
    box.Perform(WM_PAINT, s.WParam(), 0);
    EXPECT_NE(s.Pixel(8, h / 2 - 1), Plain(clBtnShadow)) << "the caption's box covers the frame";
}
