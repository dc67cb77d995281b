// The panel: bevels and border width or the flat frame, full and partial
// transparency (the blend over the parent's picture, in Paint and in the
// erase), the caption with expanded tabs and its alignment, the setters'
// rules, enabling and invalidating its children, and what a form
// description stores.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "test_groupbox_support.h"

using namespace Orvo;

using namespace groupbox_test;

namespace {

// Read when used: the palette exists only once the application does.
TColor Highlight() { return Plain(clBtnHighlight); }
TColor Shadow() { return Plain(clBtnShadow); }
TColor WindowFrame() { return Plain(clWindowFrame); }

struct TPanelForm : TContainerForm {
    TPatternParent* Parent = nullptr;
    TCounting<TOrvoPanel>* Panel = nullptr;

    TPanelForm() {
        Parent = Add<TPatternParent>(&Form, 0, 0, 250, 150);
        Panel = Add<TCounting<TOrvoPanel>>(Parent, 10, 20, 185, 41);
        Panel->SetCaption("");
        Panel->SetColor(kBoxColour);
        Panel->Font()->SetColor(clPurple);
    }
};

// White laid over a picture's channel by 75 percent transparency.
int WhiteOver75(int picture) { return 255 - 75 * (255 - picture) / 100; }

TColor WhiteOver75Colour(TColor picture) {
    const COLORREF p = ColorToRGB(picture);
    return TColor(RGB(std::uint8_t(WhiteOver75(GetRValue(p))), std::uint8_t(WhiteOver75(GetGValue(p))),
                      std::uint8_t(WhiteOver75(GetBValue(p)))));
}

// Whether the caption's letters in the snapshot are exactly where DrawText
// puts `caption` with `flags` in `rect` (of the panel's client area), in
// purple over the panel's colour, and nowhere else.
::testing::AssertionResult CaptionAt(const TSnapshot& s, const TFont* font, const std::string& caption,
                                     const TRect& rect, unsigned flags) {
    const TTextMask ink(font, caption, rect.Width(), rect.Height(), flags);
    if (ink.InkCount() == 0) return ::testing::AssertionFailure() << "the caption draws nothing";
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const bool inside = x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
            if (inside && !NearColour(s.At(x, y), ink.Over(kBoxColour, clPurple, x - rect.Left, y - rect.Top)))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is not the caption's";
            if (!inside && NearColour(s.At(x, y), clPurple))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") has a letter";
        }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Panel, NewPanelHasItsDefaults) {
    TOrvoPanel panel(nullptr);
    EXPECT_EQ(panel.BoundsRect(), Rect(0, 0, 185, 41));
    EXPECT_EQ(panel.Alignment(), taCenter);
    EXPECT_EQ(panel.BevelOuter(), bvRaised);
    EXPECT_EQ(panel.BevelInner(), bvNone);
    EXPECT_EQ(panel.BevelWidth(), 1);
    EXPECT_EQ(panel.BorderWidth(), 0);
    EXPECT_EQ(panel.Color(), clBtnFace);
    EXPECT_TRUE(panel.Ctl3D());
    EXPECT_FALSE(panel.Transparent());
    EXPECT_EQ(panel.Transparency(), 100);
    EXPECT_TRUE(panel.TabStop());
    EXPECT_TRUE(panel.ControlStyle().Contains(csAcceptsControls));
    EXPECT_TRUE(panel.ControlStyle().Contains(csReplicatable));
    EXPECT_EQ(panel.Version(), OrvoVersion());
}

// ---------------------------------------------------------------- frames

TEST(Panel, DefaultBevelIsRaisedOnePixelRoundTheColour) {
    TPanelForm f;
    TSnapshot s(*f.Panel);
    EXPECT_EQ(s.At(0, 0), Highlight());
    EXPECT_EQ(s.At(183, 0), Highlight());
    EXPECT_EQ(s.At(0, 39), Highlight());
    EXPECT_EQ(s.At(184, 0), Shadow());
    EXPECT_EQ(s.At(0, 40), Shadow());
    EXPECT_EQ(s.At(184, 40), Shadow());
    EXPECT_EQ(s.At(90, 40), Shadow());
    EXPECT_EQ(s.At(1, 1), kBoxColour);
    EXPECT_EQ(s.At(183, 39), kBoxColour);
}

TEST(Panel, OuterBevelBorderWidthAndInnerBevelNestInThatOrder) {
    TPanelForm f;
    f.Panel->SetBevelOuter(bvLowered);
    f.Panel->SetBevelInner(bvRaised);
    f.Panel->SetBevelWidth(2);
    f.Panel->SetBorderWidth(3);
    TSnapshot s(*f.Panel);
    // Lowered outer bevel: two rings, shadow top-left, highlight bottom-right.
    EXPECT_EQ(s.At(0, 20), Shadow());
    EXPECT_EQ(s.At(1, 20), Shadow());
    EXPECT_EQ(s.At(184, 20), Highlight());
    EXPECT_EQ(s.At(183, 20), Highlight());
    // Three rings of the panel's colour.
    for (int x = 2; x < 5; ++x) EXPECT_EQ(s.At(x, 20), kBoxColour) << x;
    // Raised inner bevel: two rings, highlight top-left, shadow bottom-right.
    EXPECT_EQ(s.At(5, 20), Highlight());
    EXPECT_EQ(s.At(6, 20), Highlight());
    EXPECT_EQ(s.At(179, 20), Shadow());
    EXPECT_EQ(s.At(20, 34), Shadow());
    EXPECT_EQ(s.At(20, 5), Highlight());
    EXPECT_EQ(s.At(7, 20), kBoxColour);
}

TEST(Panel, FlatLookIgnoresBevelsAndBorderWidth) {
    TPanelForm f;
    f.Panel->SetBorderWidth(5);
    f.Panel->SetAlignment(taLeftJustify);
    f.Panel->SetCaption("Flat");
    f.Panel->SetCtl3D(false);
    TSnapshot s(*f.Panel);
    EXPECT_TRUE(FrameDrawnIn(s, Rect(0, 0, 184, 40), WindowFrame(), 1, 0));
    EXPECT_EQ(s.At(1, 1), kBoxColour);
    EXPECT_EQ(s.At(3, 3), kBoxColour);
    EXPECT_EQ(s.At(183, 39), kBoxColour);
    // The caption lies in the client area shrunk by 1, centred vertically.
    const int th = CaptionExtent(f.Panel->Font(), "Flat").cy;
    const int top = (1 + 40 - th) / 2;
    EXPECT_TRUE(CaptionAt(s, f.Panel->Font(), "Flat", Rect(1, top, 184, top + th), DT_EXPANDTABS | DT_VCENTER));
}

TEST(Panel, CaptionIsCentredInsideBevelsAndBorderWithItsAlignment) {
    TPanelForm f;
    f.Panel->SetBorderWidth(5);  // the caption's rectangle is (6, 6, 179, 35)
    f.Panel->SetCaption("Ab");
    const int th = CaptionExtent(f.Panel->Font(), "Ab").cy;
    const int top = (6 + 35 - th) / 2;
    const TRect line = Rect(6, top, 179, top + th);
    for (auto [alignment, flag] : {std::pair{taLeftJustify, DT_LEFT}, std::pair{taRightJustify, DT_RIGHT},
                                   std::pair{taCenter, DT_CENTER}}) {
        f.Panel->SetAlignment(alignment);
        TSnapshot s(*f.Panel);
        EXPECT_TRUE(CaptionAt(s, f.Panel->Font(), "Ab", line, DT_EXPANDTABS | DT_VCENTER | flag)) << int(alignment);
    }
}

TEST(Panel, TabsInTheCaptionAreExpanded) {
    TPanelForm f;
    f.Panel->SetAlignment(taLeftJustify);
    f.Panel->SetCaption("A\tB");
    const int th = CaptionExtent(f.Panel->Font(), "A").cy;
    const int top = (1 + 40 - th) / 2;
    const TRect line = Rect(1, top, 184, top + th);
    // Expanding moves the B to the first tab stop.
    const TTextMask expanded(f.Panel->Font(), "A\tB", line.Width(), th, DT_EXPANDTABS);
    const TTextMask plain(f.Panel->Font(), "A\tB", line.Width(), th, 0);
    int rightmostExpanded = 0, rightmostPlain = 0;
    for (int y = 0; y < th; ++y)
        for (int x = 0; x < line.Width(); ++x) {
            if (expanded.Ink(x, y)) rightmostExpanded = std::max(rightmostExpanded, x);
            if (plain.Ink(x, y)) rightmostPlain = std::max(rightmostPlain, x);
        }
    ASSERT_GT(rightmostExpanded, rightmostPlain);
    TSnapshot s(*f.Panel);
    EXPECT_TRUE(CaptionAt(s, f.Panel->Font(), "A\tB", line, DT_EXPANDTABS | DT_VCENTER));
}

// ---------------------------------------------------------------- transparency

TEST(Panel, FullyTransparentShowsThePictureUnderBevelsAndCaption) {
    TPanelForm f;
    f.Panel->SetTransparent(true);
    f.Panel->SetCaption("Ab");
    TSnapshot s(*f.Panel);
    EXPECT_EQ(s.EraseResult, 1);
    EXPECT_EQ(s.At(0, 0), Highlight());
    EXPECT_EQ(s.At(184, 40), Shadow());
    EXPECT_EQ(s.At(1, 1), PatternAt(11, 21));
    EXPECT_EQ(s.At(183, 39), PatternAt(193, 59));
    EXPECT_EQ(s.At(5, 20), PatternAt(15, 40));
    // Each pixel is the picture, or a letter's purple laid over it.
    auto between = [](int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); };
    int letters = 0;
    for (int y = 1; y < 40; ++y)
        for (int x = 1; x < 184; ++x) {
            const TColor at = s.At(x, y), under = PatternAt(10 + x, 20 + y);
            if (at == under) continue;
            ++letters;
            EXPECT_TRUE(between(GetRValue(at), GetRValue(under), GetRValue(clPurple)) &&
                        between(GetGValue(at), GetGValue(under), GetGValue(clPurple)) &&
                        between(GetBValue(at), GetBValue(under), GetBValue(clPurple)))
                << x << ", " << y;
        }
    EXPECT_GT(letters, 0);
}

TEST(Panel, WhiteAtSeventyFiveIsLaidOverThePicture) {
    TPanelForm f;
    f.Panel->SetColor(clWhite);
    f.Panel->SetTransparent(true);
    f.Panel->SetTransparency(75);
    TSnapshot s(*f.Panel);
    // Spot checks with the numbers worked out: the picture at (11, 21) is
    // (51, 102, 150), so white over it gives 255 - trunc(75 * (255 - c) / 100).
    EXPECT_EQ(PatternAt(11, 21), TColor(RGB(51, 102, 150)));
    EXPECT_EQ(s.At(1, 1), TColor(RGB(102, 141, 177)));
    for (int y = 1; y < 40; ++y)
        for (int x = 1; x < 184; ++x) ASSERT_EQ(s.At(x, y), WhiteOver75Colour(PatternAt(10 + x, 20 + y))) << x << ", " << y;
    // The bevel is drawn over the blend.
    EXPECT_EQ(s.At(0, 0), Highlight());
    EXPECT_EQ(s.At(184, 40), Shadow());
}

TEST(Panel, OpaquePanelFillsWithItsColourWhateverItsTransparency) {
    TPanelForm f;
    f.Panel->SetTransparency(40);
    TSnapshot s(*f.Panel);
    EXPECT_EQ(s.At(1, 1), kBoxColour);
    EXPECT_EQ(s.At(90, 20), kBoxColour);
}

TEST(Panel, TransparentEraseBlendsTheColourOverWhatTheSurfaceShows) {
    TPanelForm f;
    f.Panel->SetColor(clWhite);
    TBitmap surface;
    surface.SetPixelFormat(pf32bit);
    surface.SetSize(185, 41);
    surface.Canvas()->Brush()->SetColor(clBlack);
    surface.Canvas()->FillRect(Rect(0, 0, 185, 41));
    const WPARAM dc = reinterpret_cast<WPARAM>(surface.Canvas()->Handle());

    // Fully transparent: nothing is painted and the erase counts as done.
    f.Panel->SetTransparent(true);
    EXPECT_EQ(f.Panel->Perform(WM_ERASEBKGND, dc, 0), 1);
    EXPECT_EQ(surface.Pixel(90, 20), clBlack);
    // Below 100 the colour is laid over the surface; no parent picture here.
    f.Panel->SetTransparency(50);
    EXPECT_EQ(f.Panel->Perform(WM_ERASEBKGND, dc, 0), 1);
    EXPECT_EQ(surface.Pixel(90, 20), TColor(RGB(128, 128, 128)));
    EXPECT_EQ(surface.Pixel(0, 0), TColor(RGB(128, 128, 128)));
    // Opaque: the framework fills with the colour.
    f.Panel->SetTransparent(false);
    f.Panel->Perform(WM_ERASEBKGND, dc, 0);
    EXPECT_EQ(surface.Pixel(90, 20), clWhite);
}

TEST(Panel, WithoutAParentThePaintBlendsOverWhatTheCanvasHolds) {
    TOrvoPanel panel(nullptr);
    panel.SetColor(clWhite);
    panel.SetTransparent(true);
    panel.SetTransparency(50);
    TBitmap surface;
    surface.SetPixelFormat(pf32bit);
    surface.SetSize(185, 41);
    surface.Canvas()->Brush()->SetColor(kMarker);  // (1, 2, 3)
    surface.Canvas()->FillRect(Rect(0, 0, 185, 41));
    panel.Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Canvas()->Handle()), 0);
    EXPECT_EQ(surface.Pixel(90, 20), TColor(RGB(128, 129, 129)));
    EXPECT_EQ(surface.Pixel(0, 0), Highlight());
}

// ---------------------------------------------------------------- setters

TEST(Panel, TransparencyIsCappedAtOneHundred) {
    TPanelForm f;
    f.Show();
    f.Panel->SetTransparency(40);
    f.Panel->SetTransparency(150);
    EXPECT_EQ(f.Panel->Transparency(), 100);
    ProcessPendingPaints();
    const int paints = f.Panel->Paints;
    f.Panel->SetTransparency(100);
    f.Panel->SetTransparency(200);
    ProcessPendingPaints();
    EXPECT_EQ(f.Panel->Paints, paints);  // nothing changed, nothing repainted
}

TEST(Panel, TransparencySettersInvalidateThePanelAndItsChildren) {
    TPanelForm f;
    auto* child = f.Add<TCountingCheckBox>(f.Panel, 100, 10, 60, 19);
    child->SetAutoSize(false);
    f.Show();
    for (auto change : {+[](TOrvoPanel* p) { p->SetTransparent(true); },
                        +[](TOrvoPanel* p) { p->SetTransparency(60); }}) {
        const int paints = f.Panel->Paints, childPaints = child->Paints;
        change(f.Panel);
        ProcessPendingPaints();
        EXPECT_GT(f.Panel->Paints, paints);
        EXPECT_GT(child->Paints, childPaints);
    }
}

TEST(Panel, Ctl3DRepaintsEvenWhenEqual) {
    TPanelForm f;
    f.Show();
    const int paints = f.Panel->Paints;
    f.Panel->SetCtl3D(true);
    EXPECT_EQ(f.Panel->Paints, paints + 1);
    f.Panel->SetCtl3D(false);
    EXPECT_EQ(f.Panel->Paints, paints + 2);
}

// ---------------------------------------------------------------- children

TEST(Panel, EnabledPassesToEveryDirectChild) {
    TPanelForm f;
    auto* a = f.Add<TOrvoCheckBox>(f.Panel, 5, 5, 60, 19);
    auto* edit = f.Add<TEdit>(f.Panel, 80, 5, 60, 21);
    edit->SetEnabled(false);
    f.Panel->SetEnabled(false);
    EXPECT_FALSE(a->Enabled());
    EXPECT_FALSE(edit->Enabled());
    f.Panel->SetEnabled(true);
    EXPECT_TRUE(a->Enabled());
    EXPECT_TRUE(edit->Enabled());
}

TEST(Panel, MovingInvalidatesTheChildrenOnly) {
    TPanelForm f;
    auto* child = f.Add<TCountingCheckBox>(f.Panel, 100, 10, 60, 19);
    child->SetAutoSize(false);
    f.Show();
    const int paints = f.Panel->Paints, childPaints = child->Paints;
    f.Panel->Perform(WM_MOVE, 0, MAKELPARAM(10, 20));
    ProcessPendingPaints();
    EXPECT_EQ(f.Panel->Paints, paints);
    EXPECT_GT(child->Paints, childPaints);
}

// ---------------------------------------------------------------- streaming

TEST(Panel, OwnPropertiesAreAlwaysWrittenAfterTheInheritedOnes) {
    const TPropList& published = TOrvoPanel::StaticClassInfo().Published;
    std::vector<std::string> last;
    for (std::size_t i = published.size() - 4; i < published.size(); ++i) last.push_back(published[i].Name);
    EXPECT_EQ(last, (std::vector<std::string>{"Ctl3D", "Transparent", "Transparency", "Version"}));

    TForm form(nullptr);
    form.SetName("Form1");
    auto* panel = new TOrvoPanel(&form);
    panel->SetName("Panel1");
    panel->SetParent(&form);
    const std::string text = WriteComponentText(&form);
    for (const char* line : {"    Ctl3D = True\n", "    Transparent = False\n", "    Transparency = 100\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;

    TForm read(nullptr);
    ReadComponentText(&read,
                      "object Form1: TForm\n"
                      "  object Panel1: TOrvoPanel\n"
                      "    Caption = 'OrvoPanel      '\n"
                      "    Color = clWhite\n"
                      "    Ctl3D = False\n"
                      "    Transparent = True\n"
                      "    Transparency = 175\n"
                      "  end\n"
                      "end\n",
                      "panel.form");
    auto* loaded = dynamic_cast<TOrvoPanel*>(read.FindComponent("Panel1"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->Ctl3D());
    EXPECT_TRUE(loaded->Transparent());
    EXPECT_EQ(loaded->Transparency(), 100);
    EXPECT_EQ(loaded->Caption(), "OrvoPanel      ");

    TForm bad(nullptr);
    try {
        ReadComponentText(&bad, "object Form1: TForm\n  object Panel1: TOrvoPanel\n    Transparency = 300\n  end\nend\n",
                          "bad.form");
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Line(), 3);
    }
}
