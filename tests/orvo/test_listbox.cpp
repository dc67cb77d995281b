// The library's list box: owner-drawn by default, the stream defaults, item
// text placement for each alignment, ampersands, what a transparent or
// opaque list shows, the focus scheme, the scroll bar taking the focus, and
// what a user does with a list (keys, type-ahead, ranges, the wheel).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWheelEvent>

#include <string>
#include <vector>

#include "host/Streaming.h"
#include "test_edit_support.h"

using namespace edit_test;

namespace {

using TWatchedList = TScrollWatch<TOrvoListBox, &TListBox::TopIndex>;

TWatchedList* AddList(TPictureForm& f, std::initializer_list<const char*> items, int height = 60) {
    auto* list = f.Add<TWatchedList>(10, 10, 120, height);
    for (const char* item : items) list->Items()->Add(item);
    return list;
}

// The columns of the leftmost and rightmost pixels in `ink` within a band.
std::pair<int, int> InkColumns(const TScreenShot& s, const TRect& band, TColor ink) {
    int first = -1, last = -1;
    for (int x = band.Left; x < band.Right; ++x)
        for (int y = band.Top; y < band.Bottom; ++y)
            if (s.At(x, y) == Plain(ink)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

// Where a font's text starts and ends in ink, measured from its left edge,
// and how wide the text is; and the text's ink as a picture.
struct TTextInk {
    int First = -1, Last = -1, Width = 0;
    std::vector<std::vector<bool>> Ink;  // [y][x]

    TTextInk(const TFont* font, const std::string& text, int height, unsigned flags) {
        TBitmap b;
        b.SetPixelFormat(pf32bit);
        b.SetSize(200, height);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect(Rect(0, 0, 200, height));
        b.Canvas()->SetFont(font);
        b.Canvas()->Font()->SetColor(clBlack);
        b.Canvas()->Brush()->SetStyle(bsClear);
        Width = b.Canvas()->TextWidth(text);
        TRect r = Rect(0, 0, 200, height);
        DrawText(b.Canvas()->Handle(), text, r, flags | DT_SINGLELINE | DT_VCENTER);
        Ink.assign(std::size_t(height), std::vector<bool>(200, false));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 200; ++x)
                if (b.Pixel(x, y) == clBlack) {
                    Ink[std::size_t(y)][std::size_t(x)] = true;
                    if (First < 0 || x < First) First = x;
                    Last = std::max(Last, x);
                }
    }
};

}  // namespace

// ---------------------------------------------------------------- properties

TEST(ListBoxProps, NewListIsOwnerDrawnWithItsDefaults) {
    TListBox plain(nullptr);
    EXPECT_EQ(plain.Style(), lbStandard);
    TOrvoListBox list(nullptr);
    EXPECT_EQ(list.Style(), lbOwnerDrawFixed);
    EXPECT_EQ(list.Alignment(), taLeftJustify);
    EXPECT_FALSE(list.FocusHighlight());
    EXPECT_EQ(list.HighlightColor(), clLime);
    EXPECT_FALSE(list.Transparent());
    EXPECT_EQ(list.Transparency(), 100);
    list.SetTransparency(150);
    EXPECT_EQ(list.Transparency(), 100);
    list.SetVersion("x");
    EXPECT_EQ(list.Version(), OrvoVersion());
    EXPECT_EQ(FindClass("TOrvoListBox"), &TOrvoListBox::StaticClassInfo());
}

TEST(ListBoxProps, StreamLeavesOutValuesEqualToTheirDefaults) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* list = new TOrvoListBox(&form);
    list->SetName("ListBox1");
    list->SetParent(&form);
    std::string written = WriteComponentText(&form);
    for (const char* absent : {"FocusHighlight", "HighlightColor", "Transparent =", "Transparency"})
        EXPECT_EQ(written.find(absent), std::string::npos) << absent << " written in\n" << written;
    EXPECT_NE(written.find("    Style = lbOwnerDrawFixed\n"), std::string::npos) << written;
    const std::size_t alignment = written.find("    Alignment = taLeftJustify\n");
    const std::size_t version = written.find("    Version = '" + OrvoVersion() + "'\n");
    ASSERT_NE(alignment, std::string::npos) << written;
    ASSERT_NE(version, std::string::npos) << written;
    EXPECT_LT(alignment, version);

    list->SetFocusHighlight(true);
    list->SetHighlightColor(clYellow);
    list->SetTransparent(true);
    list->SetTransparency(40);
    written = WriteComponentText(&form);
    std::size_t at = alignment;
    for (const char* present : {"    FocusHighlight = True\n", "    HighlightColor = clYellow\n",
                                "    Transparent = True\n", "    Transparency = 40\n"}) {
        const std::size_t next = written.find(present);
        ASSERT_NE(next, std::string::npos) << present << " missing from\n" << written;
        EXPECT_GT(next, at);
        at = next;
    }

    TForm copy(nullptr);
    ReadComponentText(&copy, written, "list.form");
    auto* read = dynamic_cast<TOrvoListBox*>(copy.FindComponent("ListBox1"));
    ASSERT_NE(read, nullptr);
    EXPECT_TRUE(read->Transparent());
    EXPECT_EQ(read->Transparency(), 40);
    EXPECT_EQ(read->HighlightColor(), clYellow);
}

// ---------------------------------------------------------------- items

TEST(ListBoxItems, TextSitsTwoPixelsInFlushRightOrCentredInTheRestOfTheItem) {
    TPictureForm f;
    auto* list = AddList(f, {"Wide Mill"});
    f.Show();
    const TRect item = list->ItemRect(0);
    const TTextInk text(list->Font(), "Wide Mill", item.Height(), DT_LEFT | DT_NOPREFIX);
    ASSERT_GE(text.First, 0);

    const struct {
        TAlignment Alignment;
        int TextLeft;  // where DrawText starts the text
    } cases[] = {
        {taLeftJustify, item.Left + 2},
        {taRightJustify, item.Right - text.Width},
        {taCenter, item.Left + 2 + (item.Width() - 2 - text.Width) / 2},
    };
    for (const auto& c : cases) {
        list->SetAlignment(c.Alignment);
        const TScreenShot shot(list);
        const auto [first, last] = InkColumns(shot, item, kInk);
        EXPECT_EQ(first, c.TextLeft + text.First) << "alignment " << int(c.Alignment);
        EXPECT_EQ(last, c.TextLeft + text.Last) << "alignment " << int(c.Alignment);
    }
    // Left: two pixels in; right: the text's advance ends at the edge.
    EXPECT_EQ(cases[0].TextLeft - item.Left, 2);
    EXPECT_EQ(cases[1].TextLeft + text.Width, item.Right);
}

TEST(ListBoxItems, AnAmpersandShowsAsItselfAndUnderlinesNothing) {
    TPictureForm f;
    auto* list = AddList(f, {"A&B"});
    f.Show();
    const TRect item = list->ItemRect(0);
    const TTextInk shown(list->Font(), "A&B", item.Height(), DT_LEFT | DT_NOPREFIX);
    const TTextInk prefixed(list->Font(), "A&B", item.Height(), DT_LEFT);
    ASSERT_NE(shown.Ink, prefixed.Ink) << "the two readings must differ for this test to tell them apart";
    const TScreenShot shot(list);
    int wrong = 0;
    for (int y = 0; y < item.Height(); ++y)
        for (int x = 0; x + item.Left + 2 < item.Right; ++x) {
            const bool ink = shot.At(item.Left + 2 + x, item.Top + y) == Plain(kInk);
            wrong += ink != bool(shown.Ink[std::size_t(y)][std::size_t(x)]);
        }
    EXPECT_EQ(wrong, 0);
}

TEST(ListBoxLook, TransparentUnfocusedShowsTheTintedPictureAndTheSelectedBar) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c"}, 80);
    list->SetTransparent(true);
    list->SetTransparency(60);
    list->SetItemIndex(1);
    f.Show();
    ASSERT_FALSE(list->Focused());
    const TScreenShot shot(list);
    auto spot = [&](int index) {
        const TRect r = list->ItemRect(index);
        return Point(r.Right - 4, (r.Top + r.Bottom) / 2);
    };
    for (int index : {0, 2, 3}) {  // 3: below the last item
        const TPoint p = spot(index);
        EXPECT_EQ(shot.At(p.X, p.Y), Blend(kFill, PictureAt(10 + p.X, 10 + p.Y), 60)) << "item " << index;
    }
    EXPECT_EQ(shot.At(spot(1).X, spot(1).Y), Plain(clHighlight));
    EXPECT_GT(shot.Count(list->ItemRect(1), clHighlightText), 0);

    // Fully transparent: the picture itself.
    list->SetTransparency(100);
    const TScreenShot full(list);
    EXPECT_EQ(full.At(spot(0).X, spot(0).Y), PictureAt(10 + spot(0).X, 10 + spot(0).Y));
}

TEST(ListBoxLook, AnOpaqueListFillsEveryItem) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c"}, 80);
    list->SetItemIndex(2);
    f.Show();
    const TScreenShot shot(list);
    for (int index = 0; index < 4; ++index) {
        const TRect r = list->ItemRect(index);
        const TRect inside = Rect(r.Left + 8, r.Top + 1, r.Right - 1, r.Bottom - 1);
        const int area = inside.Width() * inside.Height();
        EXPECT_EQ(shot.Count(inside, index == 2 ? clHighlight : kFill), area) << "item " << index;
    }
}

TEST(ListBoxFocus, FocusedItemsUseTheHighlightColourAndTheLookReturnsAfterwards) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c"}, 80);
    list->SetTransparent(true);
    list->SetFocusHighlight(true);
    list->SetItemIndex(0);
    f.Show();
    const TRect r = list->ItemRect(1);
    const TPoint p = Point(r.Right - 4, (r.Top + r.Bottom) / 2);
    ClickMouse(list, Point(20, list->ItemRect(0).Top + 4));
    ASSERT_TRUE(list->Focused());
    EXPECT_FALSE(list->Transparent());
    EXPECT_EQ(TScreenShot(list).At(p.X, p.Y), Plain(clLime));
    MoveMouse(f.Page, Point(200, 80));
    f.FocusAway();
    EXPECT_TRUE(list->Transparent());
    EXPECT_EQ(list->Color(), kFill);
    EXPECT_EQ(TScreenShot(list).At(p.X, p.Y), PictureAt(10 + p.X, 10 + p.Y));
    EXPECT_NE(GetCursor(), nullptr) << "a list leaves the pointer alone";
}

TEST(ListBoxFocus, PressingTheScrollBarTakesTheFocusBeforeScrolling) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c", "d", "e", "f", "g", "h"});
    list->SetTransparent(true);
    f.Show();
    ASSERT_TRUE(list->ScrollBarVisible());
    list->Seen.clear();
    const TRect bar = list->ScrollBarRect();
    PressMouse(list, Point(bar.Left + 8, bar.Bottom - 8));
    ReleaseMouse(list, Point(bar.Left + 8, bar.Bottom - 8));
    EXPECT_TRUE(list->Focused());
    EXPECT_FALSE(list->Transparent());
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->Seen, (std::vector<std::string>{"scroll@0", "focus@0"}));
    EXPECT_EQ(list->ItemIndex(), -1) << "the scroll bar selects nothing";
}

// ---------------------------------------------------------------- user input

TEST(ListBoxInput, KeysTypeAheadAndTheWheelMoveSelectionAndView) {
    TPictureForm f;
    auto* list = AddList(f, {"Apple", "Banana", "cherry", "Cranberry", "Date", "Elder", "Fig", "Grape"});
    list->SetTransparent(true);
    f.Show();
    ClickMouse(list, Point(20, list->ItemRect(0).Top + 4));
    EXPECT_EQ(list->ItemIndex(), 0);
    SendKey(&f.Form, VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 1);
    SendKey(&f.Form, VK_END);
    EXPECT_EQ(list->ItemIndex(), 7);
    EXPECT_EQ(list->TopIndex(), 8 - list->VisibleItemCount());
    SendKey(&f.Form, VK_HOME);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->TopIndex(), 0);
    SendKey(&f.Form, VK_NEXT);
    EXPECT_EQ(list->ItemIndex(), list->VisibleItemCount() - 1);

    // Type-ahead: the next item beginning with the letter, round the end.
    SendKey(&f.Form, VK_HOME);
    SendChar(&f.Form, 'c');
    EXPECT_EQ(list->ItemIndex(), 2);
    SendChar(&f.Form, 'C');
    EXPECT_EQ(list->ItemIndex(), 3);
    SendChar(&f.Form, 'c');
    EXPECT_EQ(list->ItemIndex(), 2);
    SendChar(&f.Form, 'z');
    EXPECT_EQ(list->ItemIndex(), 2);

    // The wheel: three items a notch, within the list.
    list->SetTopIndex(0);
    QWheelEvent down(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->Widget(), &down);
    EXPECT_EQ(list->TopIndex(), std::min(3, 8 - list->VisibleItemCount()));
    QWheelEvent up(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->Widget(), &up);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->ItemIndex(), 2) << "the wheel does not select";
}

TEST(ListBoxInput, MultiSelectTogglesAndSelectsRanges) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c", "d", "e"}, 96);
    list->SetMultiSelect(true);
    f.Show();
    auto press = [&](int index, WPARAM keys) {
        const TRect r = list->ItemRect(index);
        list->Perform(WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(r.Left + 5, r.Top + 4));
        list->Perform(WM_LBUTTONUP, keys, MAKELPARAM(r.Left + 5, r.Top + 4));
    };
    auto selected = [&] {
        std::string s;
        for (int i = 0; i < list->Items()->Count(); ++i) s += list->Selected(i) ? '1' : '0';
        return s;
    };
    press(1, 0);
    EXPECT_EQ(selected(), "01000");
    press(3, MK_SHIFT);
    EXPECT_EQ(selected(), "01110");
    press(0, MK_CONTROL);
    EXPECT_EQ(selected(), "11110");
    press(4, 0);
    EXPECT_EQ(selected(), "00001");
    TypeKeys(f.Form, Qt::Key_Up, Qt::ShiftModifier);
    TypeKeys(f.Form, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "00111");
    TypeKeys(f.Form, Qt::Key_Up);
    EXPECT_EQ(selected(), "01000");
    SendKey(&f.Form, VK_SPACE);
    EXPECT_EQ(selected(), "00000");
}

TEST(ListBoxInput, AlignmentRecreatesTheWindowKeepingItemsAndSelection) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c", "d", "e", "f", "g"});
    f.Show();
    list->SetItemIndex(5);
    const int top = list->TopIndex();
    list->SetFocus();
    list->SetAlignment(taCenter);
    EXPECT_EQ(list->Alignment(), taCenter);
    EXPECT_EQ(list->Items()->Count(), 7);
    EXPECT_EQ(list->ItemIndex(), 5);
    EXPECT_EQ(list->TopIndex(), top);
    EXPECT_TRUE(list->Focused());
}

TEST(ListBoxProps, AFormWrittenWhileTheListHasTheFocusStillStoresTransparent) {
    TPictureForm f;
    f.Form.SetName("Form1");
    auto* list = AddList(f, {"a"});
    list->SetName("ListBox1");
    list->SetTransparent(true);
    f.Show();
    list->SetFocus();
    ASSERT_FALSE(list->Transparent());
    const std::string written = WriteComponentText(&f.Form);
    EXPECT_NE(written.find("    Transparent = True\n"), std::string::npos) << written;
}
