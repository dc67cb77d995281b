// The library's list box: owner-drawn by default, its stream defaults, item
// text placement, ampersands, what a transparent or opaque list shows, the
// scroll bar taking the focus, and a user's keys, characters and wheel.

#include <gtest/gtest.h>

#include <QWheelEvent>

#include "host/framework/Streaming.h"
#include "test_edit_support.h"

using namespace Orvo;

using namespace edit_test;

namespace {

using TWatchedList = TScrollWatch<TOrvoListBox, &TListBox::TopIndex>;

TWatchedList* AddList(TPictureForm& f, std::initializer_list<const char*> items, int height = 60) {
    auto* list = f.Add<TWatchedList>(10, 120, height);
    for (const char* item : items) list->Items()->Add(item);
    return list;
}

// Where ink starts and ends in a rectangle of pixels, and how much there is.
// Text is antialiased: ink is a pixel nearer the text's colour than what
// lies beneath.
struct TInk {
    int First = -1, Last = -1, Count = 0;
    template <class IsInk>
    TInk(const TRect& r, IsInk isInk) {
        for (int x = r.Left; x < r.Right; ++x)
            for (int y = r.Top; y < r.Bottom; ++y)
                if (isInk(x, y)) {
                    ++Count;
                    if (First < 0) First = x;
                    Last = x;
                }
    }
};

// The ink of a text drawn at the left of a white picture, and its advance.
TInk TextInk(const TFont* font, const std::string& text, unsigned flags, int* advance = nullptr) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    b.SetSize(200, 20);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, 200, 20));
    b.Canvas()->Brush()->SetStyle(bsClear);
    b.Canvas()->SetFont(font);
    if (advance) *advance = b.Canvas()->TextWidth(text);
    TRect r = Rect(0, 0, 200, 20);
    DrawText(b.Canvas()->Handle(), text, r, flags | DT_SINGLELINE);
    return TInk(r, [&](int x, int y) { return NearerFirst(b.Pixel(x, y), Plain(font->Color()), clWhite); });
}

// The ink of an item's text on the screen.
TInk ItemInk(TWinControl* list, const TRect& item) {
    const TScreenShot shot(list);
    return TInk(item, [&](int x, int y) { return NearerFirst(shot.At(x, y), kInk, kFill); });
}

}  // namespace

TEST(ListBoxStream, OwnerDrawnByDefaultAndValuesEqualToTheirDefaultsAreNotWritten) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* list = new TOrvoListBox(&form);
    list->SetName("ListBox1");
    list->SetParent(&form);
    EXPECT_EQ(TListBox(nullptr).Style(), lbStandard);
    EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
    std::string written = WriteComponentText(&form);
    for (const char* absent : {"FocusHighlight", "HighlightColor", "Transparent =", "Transparency"})
        EXPECT_EQ(written.find(absent), std::string::npos) << absent << " in\n" << written;
    EXPECT_LT(written.find("    Alignment = taLeftJustify\n"), written.find("    Version = '" + OrvoVersion()));
    EXPECT_NE(written.find("    Version = '"), std::string::npos);

    list->SetFocusHighlight(true);
    list->SetHighlightColor(clYellow);
    list->SetTransparent(true);
    list->SetTransparency(140);
    written = WriteComponentText(&form);
    for (const char* present : {"FocusHighlight = True", "HighlightColor = clYellow", "Transparent = True"})
        EXPECT_NE(written.find(present), std::string::npos) << present << " missing from\n" << written;
    EXPECT_EQ(written.find("Transparency"), std::string::npos) << "150 was stored as 100";
}

TEST(ListBoxItems, TextSitsTwoPixelsInFlushRightOrCentredInTheRestOfTheItem) {
    TPictureForm f;
    auto* list = AddList(f, {"Wide Mill", "A&B"});
    f.Show();
    const TRect item = list->ItemRect(0);
    int width = 0;
    const TInk text = TextInk(list->Font(), "Wide Mill", DT_NOPREFIX, &width);
    const std::pair<TAlignment, int> cases[] = {  // where the text's advance starts
        {taLeftJustify, item.Left + 2},
        {taRightJustify, item.Right - width},
        {taCenter, item.Left + 2 + (item.Width() - 2 - width) / 2}};
    for (auto [alignment, left] : cases) {
        list->SetAlignment(alignment);
        const TInk shown = ItemInk(list, item);
        EXPECT_EQ(shown.First, left + text.First) << "alignment " << int(alignment);
        EXPECT_EQ(shown.Last, left + text.Last) << "alignment " << int(alignment);
    }
    // "A&B" shows its ampersand and underlines nothing.
    list->SetAlignment(taLeftJustify);
    const TInk plain = TextInk(list->Font(), "A&B", DT_NOPREFIX), prefixed = TextInk(list->Font(), "A&B", 0);
    ASSERT_NE(plain.Count, prefixed.Count);
    const TInk shown = ItemInk(list, list->ItemRect(1));
    EXPECT_EQ(shown.Last - shown.First, plain.Last - plain.First);
    EXPECT_EQ(shown.Count, plain.Count);
}

TEST(ListBoxLook, TransparentShowsTheTintedPictureBehindUnselectedItemsOpaqueFillsThemAll) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c"}, 80);
    list->SetTransparent(true);
    list->SetTransparency(60);
    list->SetItemIndex(1);
    f.Show();
    auto spot = [&](int index) {
        const TRect r = list->ItemRect(index);
        return Point(r.Right - 4, (r.Top + r.Bottom) / 2);
    };
    for (bool transparent : {true, false}) {
        list->SetTransparent(transparent);
        const TScreenShot shot(list);
        for (int index : {0, 2, 3}) {  // 3: below the last item
            const TPoint p = spot(index);
            const TColor under = Blend(kFill, PictureAt(10 + p.X, 10 + p.Y), 60);
            EXPECT_EQ(shot.At(p.X, p.Y), transparent ? under : kFill) << "item " << index;
        }
        EXPECT_EQ(shot.At(spot(1).X, spot(1).Y), Plain(clHighlight));
        EXPECT_GT(shot.CountInk(list->ItemRect(1), clHighlightText, clHighlight), 0);
    }
}

TEST(ListBoxFocus, TheScrollBarTakesTheFocusFirstAndTheLookReturnsWithoutHidingThePointer) {
    TPictureForm f;
    auto* list = AddList(f, {"a", "b", "c", "d", "e", "f", "g", "h"});
    list->SetTransparent(true);
    list->SetFocusHighlight(true);
    f.Show();
    list->Seen.clear();
    const TRect bar = list->ScrollBarRect();
    PressMouse(list, Point(bar.Left + 8, bar.Bottom - 8));
    ReleaseMouse(list, Point(bar.Left + 8, bar.Bottom - 8));
    EXPECT_EQ(list->Seen, (std::vector<std::string>{"scroll@0", "focus@0"}));
    EXPECT_EQ(list->TopIndex(), 1);
    EXPECT_EQ(list->ItemIndex(), -1) << "the scroll bar selects nothing";
    EXPECT_EQ(TScreenShot(list).At(20, list->ItemRect(2).Top + 3), Plain(clLime));
    f.FocusAway();
    EXPECT_TRUE(list->Transparent());
    EXPECT_EQ(list->Color(), kFill);
    EXPECT_NE(GetCursor(), nullptr);
}

TEST(ListBoxInput, KeysTypeAheadRangesAndTheWheel) {
    TPictureForm f;
    auto* list = AddList(f, {"Apple", "cherry", "Cranberry", "Date", "Elder", "Fig"});
    list->SetMultiSelect(true);
    f.Show();
    auto selected = [&] {
        std::string s;
        for (int i = 0; i < list->Items()->Count(); ++i) s += list->Selected(i) ? '1' : '0';
        return s;
    };
    ClickMouse(list, Point(20, list->ItemRect(0).Top + 4));
    SendKey(&f.Form, VK_END);
    EXPECT_EQ(list->ItemIndex(), 5);
    EXPECT_EQ(list->TopIndex(), 6 - list->VisibleItemCount());
    SendChar(&f.Form, 'c');  // the next item beginning with c or C, round the end
    EXPECT_EQ(list->ItemIndex(), 1);
    SendChar(&f.Form, 'C');
    EXPECT_EQ(list->ItemIndex(), 2);
    TypeKeys(f.Form, Qt::Key_Down, Qt::ShiftModifier);
    TypeKeys(f.Form, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selected(), "001110");
    SendKey(&f.Form, VK_HOME);
    EXPECT_EQ(selected(), "100000");

    QWheelEvent down(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list->Widget(), &down);
    EXPECT_EQ(list->TopIndex(), std::min(3, 6 - list->VisibleItemCount()));
    EXPECT_EQ(list->ItemIndex(), 0) << "the wheel does not select";
}
