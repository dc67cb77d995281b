// Hint size and placement: long hints wrap at the application's width, and a
// hint stays on the screen wherever its control is.
#include <gtest/gtest.h>

#include <QWidget>

#include <string>

#include "controls_test_support.h"
#include "host/qt/Automation.h"
#include "host/framework/HintWindow.h"

using namespace Orvo;

namespace {

const std::string kLongHint =
    "A hint that goes on and on about what the control does, far longer than any line "
    "a user would want to read across the whole width of a screen in one go";

struct TPlaceCase {
    const char* name;
    TPoint size, below;
    int aboveBottom;
    TRect expected;
};

TEST(HintPlacement, StaysInsideTheScreenArea) {
    const TRect screen = Rect(0, 0, 800, 600);
    const TPlaceCase cases[] = {
        {"room below", Point(100, 30), Point(50, 100), 80, Rect(50, 100, 150, 130)},
        {"flips above at the bottom", Point(100, 30), Point(50, 590), 560, Rect(50, 530, 150, 560)},
        {"pushed left at the right edge", Point(100, 30), Point(750, 100), 80, Rect(700, 100, 800, 130)},
        {"above would leave the top: clamped", Point(100, 300), Point(10, 500), 200, Rect(10, 0, 110, 300)},
        {"left of the screen", Point(100, 30), Point(-40, 10), 0, Rect(0, 10, 100, 40)},
        {"wider than the screen keeps its left edge on it", Point(900, 30), Point(300, 10), 0,
         Rect(0, 10, 900, 40)},
    };
    for (const TPlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TRect r = PlaceHintRect(c.size, c.below, c.aboveBottom, screen);
        EXPECT_EQ(r.Left, c.expected.Left);
        EXPECT_EQ(r.Top, c.expected.Top);
        EXPECT_EQ(r.Right, c.expected.Right);
        EXPECT_EQ(r.Bottom, c.expected.Bottom);
    }
    // A screen that does not start at 0,0 (a second monitor).
    const TRect r = PlaceHintRect(Point(100, 30), Point(2000, 1000), 990, Rect(1024, 0, 1920, 1080));
    EXPECT_EQ(r.Left, 1820);
    EXPECT_EQ(r.Top, 1000);
}

TEST(HintSize, LongTextWrapsWithinTheWidth) {
    THintWindow hint(nullptr);
    const TRect oneLine = hint.CalcHintRect(100000, kLongHint);
    const TRect wrapped = hint.CalcHintRect(200, kLongHint);
    EXPECT_GT(oneLine.Width(), 600);
    EXPECT_LE(wrapped.Width(), 200);
    EXPECT_GT(wrapped.Width(), 150);  // the lines fill most of the width
    hint.Canvas()->SetFont(hint.Font());
    const int lineHeight = hint.Canvas()->TextHeight("Xg");
    const int lines = (wrapped.Height() - (oneLine.Height() - lineHeight)) / lineHeight;
    EXPECT_GE(lines, 4);
    EXPECT_EQ(wrapped.Height() - oneLine.Height(), (lines - 1) * lineHeight);

    // One word longer than the width is cut, not allowed to widen the window.
    const TRect word = hint.CalcHintRect(60, std::string(80, 'W'));
    EXPECT_EQ(word.Width(), 60);
    EXPECT_EQ(word.Height(), oneLine.Height());
}

class HintOnScreen : public ::testing::Test {
protected:
    TForm form{nullptr};
    TRecordingControl* control = nullptr;
    void SetUp() override {
        form.SetBorderStyle(bsNone);
        control = new TRecordingControl(&form);
        control->SetParent(&form);
        control->SetBounds(0, 0, 60, 20);
        control->SetHint(kLongHint);
        control->SetShowHint(true);
    }
    void TearDown() override {
        Application->CancelHint();
        Application->SetHintMaxWidth(400);
    }
    void ShowAt(int left, int top) {
        form.SetBounds(left, top, 60, 20);
        ShowFormForAutomation(&form);
        ASSERT_TRUE(Application->ActivateHint(control));
    }
    TRect HintBounds() const {
        const THintWindow* h = Application->HintWindow();
        return Rect(h->Left(), h->Top(), h->Left() + h->Width(), h->Top() + h->Height());
    }
};

TEST_F(HintOnScreen, WrapsAtTheApplicationsWidth) {
    Application->SetHintMaxWidth(250);
    ShowAt(20, 20);
    const TRect r = HintBounds();
    EXPECT_LE(r.Width(), 250);
    EXPECT_GT(r.Width(), 200);
    EXPECT_EQ(Application->HintWindow()->Caption(), kLongHint);
    // The window itself has the size the framework gave it.
    const QWidget* w = Application->HintWindow()->Widget();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->width(), r.Width());

    Application->SetHintMaxWidth(3);
    EXPECT_EQ(Application->HintMaxWidth(), 16);
}

TEST_F(HintOnScreen, NearTheScreensCornerTheHintMovesOntoIt) {
    const TRect screen = ScreenAreaAt(Point(0, 0));
    ShowAt(screen.Right - 30, screen.Bottom - 25);
    const TRect r = HintBounds();
    EXPECT_GE(r.Left, screen.Left);
    EXPECT_GE(r.Top, screen.Top);
    EXPECT_LE(r.Right, screen.Right);
    EXPECT_LE(r.Bottom, screen.Bottom);
    // Above the control rather than over it.
    EXPECT_LE(r.Bottom, control->ClientToScreen(Point(0, 0)).Y);
}

}  // namespace
