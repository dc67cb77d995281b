// The group box: its etched and flat frames with the gap under the caption,
// the caption opaque or clear and placed for right-to-left reading, the
// setters' repaint rules, enabling its children and invalidating them when
// it moves, and what a form description stores.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "test_groupbox_support.h"

using namespace Orvo;

using namespace groupbox_test;

namespace {

struct TGroupBoxForm : TContainerForm {
    TCounting<TOrvoGroupBox>* Box = nullptr;

    TGroupBoxForm() {
        Box = Add<TCounting<TOrvoGroupBox>>(&Form, 10, 10, 185, 105);
        Box->SetCaption("Frame");
        Box->SetColor(kBoxColour);
        Box->Font()->SetColor(clPurple);
    }
};

// Read when used: the palette exists only once the application does.
TColor Highlight() { return Plain(clBtnHighlight); }
TColor Shadow() { return Plain(clBtnShadow); }
TColor WindowFrame() { return Plain(clWindowFrame); }

}  // namespace

TEST(GroupBox, NewBoxHasItsDefaults) {
    TOrvoGroupBox box(nullptr);
    EXPECT_EQ(box.BoundsRect(), Rect(0, 0, 185, 105));
    EXPECT_TRUE(box.Ctl3D());
    EXPECT_FALSE(box.Transparent());
    EXPECT_TRUE(box.TabStop());
    EXPECT_TRUE(box.ControlStyle().Contains(csAcceptsControls));
    EXPECT_TRUE(box.ControlStyle().Contains(csReplicatable));
    box.SetVersion("Version 0");
    EXPECT_EQ(box.Version(), OrvoVersion());
}

// ---------------------------------------------------------------- frames

TEST(GroupBox, EtchedFrameIsAHighlightUnderAShadowWithTheGapUnderTheCaption) {
    TGroupBoxForm f;
    // A font of 13-pixel lines (the cell height the form was laid out with)
    // puts the frame's top edges at 5 and 6.
    f.Box->Font()->SetName("DejaVu Sans Condensed");
    const TSize caption = CaptionExtent(f.Box->Font(), "Frame");
    ASSERT_EQ(caption.cy, 13);
    TSnapshot s(*f.Box);
    const int gapRight = 7 + caption.cx;
    // The highlight (1, 6, 184, 104) shows where the shadow does not cover it.
    EXPECT_EQ(s.At(1, 7), Highlight());
    EXPECT_EQ(s.At(184, 6), Highlight());
    EXPECT_EQ(s.At(184, 104), Highlight());
    EXPECT_EQ(s.At(1, 104), Highlight());
    EXPECT_EQ(s.At(7, 6), Highlight());
    EXPECT_EQ(s.At(8 + caption.cx, 6), Highlight());
    // The shadow (0, 5, 183, 103), drawn last, is whole but for the gap.
    EXPECT_TRUE(FrameDrawnIn(s, Rect(0, 5, 183, 103), Shadow(), 8, gapRight));
    // Outside both frames and inside them the box keeps its colour.
    EXPECT_EQ(s.At(0, 104), kBoxColour);
    EXPECT_EQ(s.At(184, 5), kBoxColour);
    EXPECT_EQ(s.At(90, 50), kBoxColour);
    EXPECT_EQ(s.At(0, 4), kBoxColour);
}

TEST(GroupBox, TopEdgesLeaveExactlyTheCaptionsRunUndrawn) {
    TGroupBoxForm f;
    const TSize caption = CaptionExtent(f.Box->Font(), "Frame");
    const TTextMask ink(f.Box->Font(), "Frame", caption.cx, caption.cy, DT_SINGLELINE);
    TSnapshot s(*f.Box);
    const int t = caption.cy / 2 - 1;
    // x = 7 and x = 8 + width are frame; 8 .. 7 + width are the caption's
    // opaque box (or its letters).
    EXPECT_EQ(s.At(7, t), Shadow());
    EXPECT_EQ(s.At(8 + caption.cx, t), Shadow());
    for (int y : {t, t + 1})
        for (int x = 8; x <= 7 + caption.cx; ++x)
            EXPECT_TRUE(NearColour(s.At(x, y), ink.Over(kBoxColour, clPurple, x - 8, y))) << x << ", " << y;
    // The caption's box ends at 8 + width and at the line's height.
    EXPECT_EQ(s.At(8 + caption.cx, 0), kBoxColour);
    EXPECT_GT(ink.InkCount(), 0);
}

TEST(GroupBox, FlatFrameIsOneWindowFrameRectangle) {
    TGroupBoxForm f;
    f.Box->SetCtl3D(false);
    const TSize caption = CaptionExtent(f.Box->Font(), "Frame");
    TSnapshot s(*f.Box);
    const int t = caption.cy / 2 - 1;
    EXPECT_TRUE(FrameDrawnIn(s, Rect(0, t, 184, 104), WindowFrame(), 8, 7 + caption.cx));
    EXPECT_EQ(s.At(1, t + 1), kBoxColour);
    EXPECT_EQ(s.At(183, 103), kBoxColour);
    EXPECT_EQ(s.At(7, t), WindowFrame());
}

TEST(GroupBox, EmptyCaptionClosesTheTopEdgeAndDrawsNoText) {
    TGroupBoxForm f;
    f.Box->SetCaption("");
    TSnapshot s(*f.Box);
    const int t = CaptionExtent(f.Box->Font(), "").cy / 2 - 1;
    EXPECT_TRUE(FrameDrawnIn(s, Rect(0, t, 183, 103), Shadow(), 1, 0));
    for (int x = 1; x < 60; ++x) EXPECT_EQ(s.At(x, 1), kBoxColour) << x;
}

TEST(GroupBox, AnAmpersandTakesNoRoomInTheGap) {
    TGroupBoxForm f;
    f.Box->SetCaption("&Frame");
    const TSize caption = CaptionExtent(f.Box->Font(), "&Frame");
    ASSERT_EQ(caption.cx, CaptionExtent(f.Box->Font(), "Frame").cx);
    TSnapshot s(*f.Box);
    EXPECT_EQ(s.At(8 + caption.cx, caption.cy / 2 - 1), Shadow());
}

TEST(GroupBox, RightToLeftPutsTheCaptionAndItsGapAtTheRightEnd) {
    for (bool ctl3D : {true, false}) {
        TGroupBoxForm f;
        f.Box->SetCtl3D(ctl3D);
        f.Box->SetBiDiMode(bdRightToLeft);
        const TSize caption = CaptionExtent(f.Box->Font(), "Frame");
        const int lastRight = ctl3D ? 183 : 184;
        const int left = lastRight - caption.cx - 8;
        const TColor line = ctl3D ? Shadow() : WindowFrame();
        const int t = caption.cy / 2 - 1;
        TSnapshot s(*f.Box);
        EXPECT_TRUE(FrameDrawnIn(s, Rect(0, t, lastRight, ctl3D ? 103 : 104), line, left, left + caption.cx - 1));
        // Some letter lies in the caption's box at the right end, none at the left.
        const TTextMask ink(f.Box->Font(), "Frame", caption.cx, caption.cy, DT_SINGLELINE);
        int letters = 0;
        for (int y = 0; y < caption.cy; ++y)
            for (int x = 0; x < caption.cx; ++x) {
                if (ink.Coverage(x, y) > 0) {
                    EXPECT_TRUE(NearColour(s.At(left + x, y), ink.Over(kBoxColour, clPurple, x, y)));
                    letters += ink.Ink(x, y);
                }
                EXPECT_FALSE(NearColour(s.At(8 + x, y), clPurple));
            }
        EXPECT_EQ(letters, ink.InkCount());
    }
}

// ---------------------------------------------------------------- transparency

TEST(GroupBox, TransparentShowsTheParentRoundTheFrameAndBetweenTheLetters) {
    TContainerForm f;
    auto* parent = f.Add<TPatternParent>(&f.Form, 0, 0, 250, 150);
    auto* box = f.Add<TOrvoGroupBox>(parent, 12, 20, 185, 105);
    box->SetCaption("Frame");
    box->SetColor(kBoxColour);
    box->Font()->SetColor(clPurple);
    box->SetTransparent(true);
    const TSize caption = CaptionExtent(box->Font(), "Frame");
    const TTextMask ink(box->Font(), "Frame", caption.cx, caption.cy, DT_SINGLELINE);
    TSnapshot s(*box);
    EXPECT_EQ(s.EraseResult, 1);
    EXPECT_EQ(s.At(90, 50), PatternAt(102, 70));
    EXPECT_EQ(s.At(0, 0), PatternAt(12, 20));
    EXPECT_EQ(s.At(0, 5), Shadow());
    for (int y = 0; y < caption.cy; ++y)
        for (int x = 0; x < caption.cx; ++x)
            EXPECT_TRUE(NearColour(s.At(8 + x, y), ink.Over(PatternAt(20 + x, 20 + y), clPurple, x, y))) << x << ", " << y;
}

// ---------------------------------------------------------------- setters

TEST(GroupBox, Ctl3DRepaintsEvenWhenEqualAndTransparentOnlyWhenChanged) {
    TGroupBoxForm f;
    auto* child = f.Add<TCountingCheckBox>(f.Box, 10, 30, 97, 19);
    child->SetAutoSize(false);
    f.Show();
    int paints = f.Box->Paints;
    f.Box->SetCtl3D(true);  // Repaint: painted before the setter returns
    EXPECT_EQ(f.Box->Paints, paints + 1);

    paints = f.Box->Paints;
    const int childPaints = child->Paints;
    f.Box->SetTransparent(false);
    ProcessPendingPaints();
    EXPECT_EQ(f.Box->Paints, paints);
    f.Box->SetTransparent(true);
    ProcessPendingPaints();
    EXPECT_GT(f.Box->Paints, paints);
    EXPECT_GT(child->Paints, childPaints);  // children copy the new picture
}

// ---------------------------------------------------------------- children

TEST(GroupBox, EnabledPassesToEveryDirectChild) {
    TGroupBoxForm f;
    auto* a = f.Add<TOrvoCheckBox>(f.Box, 10, 30, 97, 19);
    auto* inner = f.Add<TOrvoGroupBox>(f.Box, 10, 50, 150, 50);
    auto* deep = f.Add<TOrvoCheckBox>(inner, 5, 20, 97, 19);
    auto* edit = f.Add<TEdit>(f.Box, 120, 30, 50, 21);
    edit->SetEnabled(false);  // on its own

    f.Box->SetEnabled(false);
    EXPECT_FALSE(a->Enabled());
    EXPECT_FALSE(inner->Enabled());
    EXPECT_FALSE(deep->Enabled());  // through the inner box's own rule
    EXPECT_FALSE(edit->Enabled());

    f.Box->SetEnabled(true);
    EXPECT_TRUE(a->Enabled());
    EXPECT_TRUE(inner->Enabled());
    EXPECT_TRUE(deep->Enabled());
    EXPECT_TRUE(edit->Enabled());  // also the one disabled before
}

TEST(GroupBox, MovingInvalidatesTheBoxAndEachChild) {
    TGroupBoxForm f;
    auto* child = f.Add<TCountingCheckBox>(f.Box, 10, 30, 97, 19);
    child->SetAutoSize(false);
    f.Show();
    const int paints = f.Box->Paints, childPaints = child->Paints;
    // The message alone, so that only the box's own handling asks for paints.
    f.Box->Perform(WM_MOVE, 0, MAKELPARAM(10, 10));
    ProcessPendingPaints();
    EXPECT_GT(f.Box->Paints, paints);
    EXPECT_GT(child->Paints, childPaints);
}

// ---------------------------------------------------------------- streaming

TEST(GroupBox, OwnPropertiesAreAlwaysWrittenAfterTheInheritedOnes) {
    const TPropList& published = TOrvoGroupBox::StaticClassInfo().Published;
    ASSERT_GE(published.size(), 3u);
    EXPECT_EQ(published[published.size() - 3].Name, "Ctl3D");
    EXPECT_EQ(published[published.size() - 2].Name, "Transparent");
    EXPECT_EQ(published[published.size() - 1].Name, "Version");

    TForm form(nullptr);
    form.SetName("Form1");
    auto* box = new TOrvoGroupBox(&form);
    box->SetName("GroupBox1");
    box->SetParent(&form);
    const std::string text = WriteComponentText(&form);
    const auto ctl3D = text.find("    Ctl3D = True\n");
    const auto transparent = text.find("    Transparent = False\n");
    const auto version = text.find("    Version = '" + OrvoVersion() + "'\n");
    ASSERT_NE(ctl3D, std::string::npos) << text;
    ASSERT_NE(transparent, std::string::npos) << text;
    ASSERT_NE(version, std::string::npos) << text;
    EXPECT_LT(ctl3D, transparent);
    EXPECT_LT(transparent, version);

    TForm read(nullptr);
    ReadComponentText(&read,
                      "object Form1: TForm\n"
                      "  object GroupBox1: TOrvoGroupBox\n"
                      "    Caption = 'Read'\n"
                      "    ParentCtl3D = False\n"
                      "    Ctl3D = False\n"
                      "    Transparent = True\n"
                      "    Version = 'Version 0'\n"
                      "  end\n"
                      "end\n",
                      "groupbox.form");
    auto* loaded = dynamic_cast<TOrvoGroupBox*>(read.FindComponent("GroupBox1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->Ctl3D());
    EXPECT_TRUE(loaded->Transparent());
    EXPECT_EQ(loaded->Version(), OrvoVersion());
}

TEST(GroupBox, FrameUnderAClipDrawsExactlyTheUnclippedFramesPixelsInside) {
    // A clip inside the frame draws no stroke at all; any other clip gives
    // the whole frame's pixels within it. Gaps inside and past the sides.
    const TRect frame = Rect(3, 4, 36, 26);
    struct TGap {
        int Left, Width;
    };
    const TGap gaps[] = {{10, 12}, {1, 6}, {30, 12}};
    auto blank = [] {
        auto b = std::make_unique<TBitmap>();
        b->SetPixelFormat(pf32bit);
        b->SetSize(45, 32);
        b->Canvas()->Brush()->SetColor(clWhite);
        b->Canvas()->FillRect(Rect(0, 0, 45, 32));
        return b;
    };
    const TRect clips[] = {Rect(5, 6, 30, 20),  Rect(4, 5, 36, 26), Rect(3, 5, 20, 20), Rect(10, 24, 14, 30),
                           Rect(36, 0, 40, 30), Rect(0, 0, 40, 5),  Rect(37, 5, 40, 9), Rect(12, 12, 12, 15),
                           Rect(0, 3, 3, 5),    Rect(37, 3, 42, 5)};
    for (const TGap& gap : gaps) {
        auto whole = blank();
        DrawGroupFrame(whole->Canvas(), frame, clRed, gap.Left, gap.Width);
        const TPoint end = whole->Canvas()->PenPos();
        for (const TRect& clip : clips) {
            auto part = blank();
            IntersectClipRect(part->Canvas()->Handle(), clip.Left, clip.Top, clip.Right, clip.Bottom);
            DrawGroupFrame(part->Canvas(), frame, clRed, gap.Left, gap.Width);
            EXPECT_EQ(part->Canvas()->PenPos(), end);
            EXPECT_EQ(part->Canvas()->Pen()->Color(), clRed);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 45; ++x) {
                    const bool inside = x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
                    ASSERT_EQ(part->Canvas()->Pixels(x, y) == clRed, inside && whole->Canvas()->Pixels(x, y) == clRed)
                        << "gap " << gap.Left << " clip " << clip.Left << "," << clip.Top << " pixel " << x << "," << y;
                }
        }
    }
}
