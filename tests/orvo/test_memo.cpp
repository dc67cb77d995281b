// The library's memo: its own Alignment, and its scroll bar taking the focus
// before it scrolls when the real pointer presses it.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <algorithm>

#include "test_edit_support.h"

using namespace Orvo;

using namespace edit_test;

TEST(MemoScroll, PressingTheScrollBarWithThePointerTakesTheFocusBeforeScrolling) {
    TPictureForm f;
    auto* memo = f.Add<TScrollWatch<TOrvoMemo, &TMemo::TopLine>>(10, 120, 60);
    memo->SetScrollBars(ssVertical);
    memo->SetTransparent(true);
    memo->SetAlignment(taRightJustify);
    for (int i = 0; i < 30; ++i) memo->Lines()->Add("line " + std::to_string(i));
    f.Show();
    EXPECT_EQ(memo->WindowStyle() & ES_ALIGNMASK, ES_RIGHT);
    EXPECT_EQ(memo->TMemo::Alignment(), taLeftJustify) << "the framework's own stays left";
    memo->Seen.clear();
    const TPoint arrow = Point(memo->Width() - 8, memo->Height() - 8);  // the lower arrow
    PressMouse(memo, arrow);
    ReleaseMouse(memo, arrow);
    EXPECT_TRUE(memo->Focused());
    EXPECT_FALSE(memo->Transparent());
    EXPECT_GT(memo->TopLine(), 0);
    ASSERT_FALSE(memo->Seen.empty());
    EXPECT_EQ(memo->Seen.front(), "focus@0");

    // From code too: the request takes the focus, then scrolls.
    f.FocusAway();
    memo->Seen.clear();
    const int top = memo->TopLine();
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    ASSERT_GE(memo->Seen.size(), 2u);
    EXPECT_EQ(memo->Seen[1], "focus@" + std::to_string(top));
    EXPECT_EQ(memo->TopLine(), top + 1);
    f.FocusAway();
    const TRect text = Rect(3, 3, memo->Width() - 20, memo->Height() - 3);
    EXPECT_EQ(TScreenShot(memo).Count(text, kFill), 0) << "transparent again, scrolled lines included";
}

namespace {

// A memo that records the pointer's messages it gets.
class TPointerSpy : public TOrvoMemo {
public:
    using TOrvoMemo::TOrvoMemo;
    std::vector<UINT> Messages;
    void WndProc(TMessage& m) override {
        switch (m.Msg) {
            case WM_MOUSEMOVE:
            case WM_LBUTTONDOWN:
            case WM_LBUTTONUP:
            case WM_LBUTTONDBLCLK:
            case CM_MOUSEENTER:
            case CM_MOUSELEAVE:
                if (Messages.empty() || Messages.back() != m.Msg || m.Msg != WM_MOUSEMOVE) Messages.push_back(m.Msg);
                break;
            default:
                break;
        }
        TOrvoMemo::WndProc(m);
    }
};

}  // namespace

TEST(MemoPointer, ThePointerOverTheTextIsOverTheMemo) {
    TPictureForm f;
    auto* memo = f.Add<TPointerSpy>(10, 120, 60);
    memo->Lines()->Add("some text to click in");
    int clicks = 0, doubleClicks = 0, moves = 0;
    memo->OnClick = [&](TObject*) { ++clicks; };
    memo->OnDblClick = [&](TObject*) { ++doubleClicks; };
    memo->OnMouseMove = [&](TObject*, TShiftState, int, int) { ++moves; };
    f.Show();
    const TPoint inText = Point(40, 12);  // well inside the border: the text area

    MoveMouse(memo, inText);
    EXPECT_EQ(GetMouseControl(), memo);
    EXPECT_GT(moves, 0);
    ClickMouse(memo, inText);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(memo->Focused());
    DoubleClickMouse(memo, Point(44, 12));
    EXPECT_EQ(doubleClicks, 1);
    auto count = [&](UINT msg) { return std::count(memo->Messages.begin(), memo->Messages.end(), msg); };
    ASSERT_FALSE(memo->Messages.empty());
    EXPECT_EQ(memo->Messages.front(), UINT(CM_MOUSEENTER));
    EXPECT_EQ(count(WM_LBUTTONDOWN), 2);  // the click and the first press of the double click
    EXPECT_EQ(count(WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(count(WM_LBUTTONUP), 3);
    EXPECT_EQ(count(CM_MOUSELEAVE), 0);

    // The pointer hidden when the focus leaves comes back at the next
    // movement over the text.
    f.FocusAway();
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    MoveMouse(memo, Point(50, 14));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(MemoLook, BorderScrollBarAndTextKeepTheirPlaces) {
    // At ratio 1 a Ctl3D memo's border is two pixels round it all, and its
    // scroll bar lies inside it; the text keeps off the border, also after
    // scrolling a page down and up again.
    TPictureForm f;
    auto* scrolled = f.Add<TOrvoMemo>(4, 90, 60);
    auto* plain = f.Add<TOrvoMemo>(4, 90, 60);
    plain->SetLeft(105);
    for (TOrvoMemo* memo : {scrolled, plain}) {
        memo->SetColor(clWhite);
        memo->Font()->SetColor(clBlack);
        memo->SetAlignment(taRightJustify);
        for (int i = 0; i < 12; ++i) memo->Lines()->Add(i == 2 ? "three is long and wraps" : "line" + std::to_string(i));
    }
    scrolled->SetScrollBars(ssVertical);
    f.Show();
    auto check = [&](const char* when) {
        for (TOrvoMemo* memo : {scrolled, plain}) {
            const TScreenShot shot(memo);
            const int w = memo->Width(), h = memo->Height();
            // The sunken border: shadow above and left, highlight below and
            // right, all along each side.
            for (int x = 2; x < w - 2; ++x) {
                EXPECT_EQ(shot.At(x, 0), Plain(clBtnShadow)) << when << " top, x " << x;
                EXPECT_EQ(shot.At(x, h - 1), Plain(clBtnHighlight)) << when << " bottom, x " << x;
            }
            for (int y = 2; y < h - 2; ++y) {
                EXPECT_EQ(shot.At(0, y), Plain(clBtnShadow)) << when << " left, y " << y;
                EXPECT_EQ(shot.At(w - 1, y), Plain(clBtnHighlight)) << when << " right, y " << y;
            }
        }
        // No letter touches the border: the two columns beside it on either
        // side and the row under it stay white.
        const TScreenShot shot(plain);
        const int w = plain->Width(), h = plain->Height();
        for (int y = 2; y < h - 2; ++y)
            for (int x : {2, 3, w - 4, w - 3}) EXPECT_EQ(shot.At(x, y), Plain(clWhite)) << when << " column " << x << ", y " << y;
        for (int x = 2; x < w - 2; ++x) EXPECT_EQ(shot.At(x, 2), Plain(clWhite)) << when << " top row, x " << x;
    };
    check("at the top");
    plain->SetFocus();
    TypeKeys(f.Form, Qt::Key_PageDown);
    TypeKeys(f.Form, Qt::Key_PageDown);
    TypeKeys(f.Form, Qt::Key_PageUp);
    ASSERT_GT(plain->TopLine(), 0);
    f.FocusAway();
    check("after Page Down and Up");
}
