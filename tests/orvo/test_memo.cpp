// The library's memo: its own Alignment, and its scroll bar taking the focus
// before it scrolls when the real pointer presses it.

#include <gtest/gtest.h>

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
