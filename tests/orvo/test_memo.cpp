// The library's memo: its Alignment in place of the framework's, the
// picture between its lines, its scroll bars taking the focus before they
// scroll (through the real pointer and from code), and editing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Streaming.h"
#include "test_edit_support.h"

using namespace edit_test;

namespace {

using TWatchedMemo = TScrollWatch<TOrvoMemo, &TMemo::TopLine>;

// A transparent 120 x 60 memo at (10, 10) with a vertical scroll bar and
// 30 lines.
TWatchedMemo* AddLongMemo(TPictureForm& f) {
    auto* memo = f.Add<TWatchedMemo>(10, 10, 120, 60);
    memo->SetScrollBars(ssVertical);
    memo->SetTransparent(true);
    for (int i = 0; i < 30; ++i) memo->Lines()->Add("line " + std::to_string(i));
    return memo;
}

}  // namespace

TEST(MemoProps, AlignmentHidesTheFrameworksAndIsWrittenWithTheOwnProperties) {
    std::vector<std::string> names;
    for (const TPropInfo& p : TOrvoMemo::StaticClassInfo().Published) names.push_back(p.Name);
    EXPECT_EQ(std::count(names.begin(), names.end(), "Alignment"), 1);
    const std::vector<std::string> own(names.end() - 6, names.end());
    EXPECT_EQ(own, (std::vector<std::string>{"Alignment", "FocusHighlight", "HighlightColor", "Transparent",
                                             "Transparency", "Version"}));

    TPictureForm f;
    auto* memo = f.Add<TOrvoMemo>(10, 10, 120, 60);
    memo->Lines()->Add("kept");
    f.Show();
    memo->SetAlignment(taRightJustify);
    EXPECT_EQ(memo->WindowStyle() & ES_ALIGNMASK, ES_RIGHT);
    EXPECT_EQ(memo->TMemo::Alignment(), taLeftJustify);
    EXPECT_EQ(memo->Text(), "kept");
    memo->SetAlignment(taCenter);
    EXPECT_EQ(memo->WindowStyle() & ES_ALIGNMASK, ES_CENTER);

    f.Form.SetName("Form1");
    memo->SetName("Memo1");
    const std::string written = WriteComponentText(&f.Form);
    EXPECT_NE(written.find("    Alignment = taCenter\n"), std::string::npos) << written;
    EXPECT_NE(written.find("    Transparency = 100\n"), std::string::npos) << written;
    EXPECT_NE(written.find("    FocusHighlight = False\n"), std::string::npos) << written;
}

TEST(MemoLook, TransparentMemoShowsThePictureBetweenItsLinesAndTurnsOpaqueWithTheFocus) {
    TPictureForm f;
    auto* memo = f.Add<TOrvoMemo>(10, 10, 120, 60);
    memo->Lines()->Add("one");
    memo->Lines()->Add("two");
    memo->SetTransparent(true);
    f.Show();
    const TRect inner = Rect(3, 3, memo->Width() - 3, memo->Height() - 3);
    TScreenShot clear(memo);
    EXPECT_GT(clear.Count(inner, kInk), 10);
    EXPECT_EQ(clear.Count(inner, kFill), 0);
    EXPECT_GT(clear.CountPicture(inner, Point(10, 10)), inner.Width() * inner.Height() * 3 / 4);

    memo->SetFocus();
    TScreenShot focused(memo);
    EXPECT_EQ(focused.CountPicture(inner, Point(10, 10)), 0);
    EXPECT_GT(focused.Count(inner, kInk), 10);
}

TEST(MemoScroll, PressingTheScrollBarWithThePointerTakesTheFocusBeforeScrolling) {
    TPictureForm f;
    auto* memo = AddLongMemo(f);
    f.Show();
    ASSERT_FALSE(memo->Focused());
    memo->Seen.clear();
    // The lower arrow of the scroll bar, inside the 2-pixel border.
    const TPoint arrow = Point(memo->Width() - 8, memo->Height() - 8);
    PressMouse(memo, arrow);
    ReleaseMouse(memo, arrow);
    EXPECT_TRUE(memo->Focused());
    EXPECT_FALSE(memo->Transparent());
    EXPECT_GT(memo->TopLine(), 0);
    ASSERT_FALSE(memo->Seen.empty());
    EXPECT_EQ(memo->Seen.front(), "focus@0");
    EXPECT_EQ(std::count(memo->Seen.begin(), memo->Seen.end(), "focus@0"), 1);

    // After the focus left, the whole view shows the picture again, the
    // scrolled lines over the picture of their place.
    f.FocusAway();
    EXPECT_TRUE(memo->Transparent());
    const TRect inner = Rect(3, 3, memo->Width() - 20, memo->Height() - 3);
    EXPECT_EQ(TScreenShot(memo).Count(inner, kFill), 0);
}

TEST(MemoScroll, ScrollRequestsFromCodeTakeTheFocusFirstToo) {
    TPictureForm f;
    auto* memo = AddLongMemo(f);
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    f.Show();
    memo->Seen.clear();
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_TRUE(memo->Focused());
    EXPECT_EQ(memo->TopLine(), 1);
    ASSERT_GE(memo->Seen.size(), 2u);
    EXPECT_EQ(memo->Seen[0], "scroll@0");
    EXPECT_EQ(memo->Seen[1], "focus@0");

    f.FocusAway();
    memo->Perform(WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    EXPECT_TRUE(memo->Focused());

    // A memo that cannot take the focus still scrolls.
    f.FocusAway();
    memo->SetEnabled(false);
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_FALSE(memo->Focused());
    EXPECT_EQ(memo->TopLine(), 2);
}

TEST(MemoEditing, TypingAndSelectionWorkAcrossTheFocusCycle) {
    TPictureForm f;
    auto* memo = f.Add<TOrvoMemo>(10, 10, 120, 60);
    memo->SetTransparent(true);
    memo->SetFocusHighlight(true);
    f.Show();
    ClickMouse(memo, Point(20, 10));
    ASSERT_TRUE(memo->Focused());
    EXPECT_EQ(memo->Color(), clLime);
    for (char ch : std::string("ab")) SendChar(&f.Form, ch);
    SendKey(&f.Form, VK_RETURN);
    SendChar(&f.Form, 'c');
    EXPECT_EQ(memo->Text(), "ab\r\nc");
    f.FocusAway();
    EXPECT_EQ(memo->Color(), kFill);
    EXPECT_TRUE(memo->Transparent());

    ClickMouse(memo, Point(60, 30));
    TypeKeys(f.Form, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(memo->SelLength(), 4);
    SendChar(&f.Form, 'z');
    EXPECT_EQ(memo->Text(), "z");
    ASSERT_EQ(memo->Lines()->Count(), 1);
}
