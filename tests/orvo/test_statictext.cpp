// The static text: defaults and stream form, setter rules, AutoSize, the
// border and caption rectangles, word-wrapped alignment, full and partial
// transparency, the embossed disabled caption and what repaints it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "host/framework/Streaming.h"
#include "orvo/OrvoEditControls.h"
#include "test_checkbox_support.h"

using namespace Orvo;

using namespace checkbox_test;

namespace {

constexpr TColor kInk = TColor(RGB(20, 30, 140));

// A static text that counts its paints and the repaints it asks for.
class TCountingStaticText : public TOrvoStaticText {
public:
    using TOrvoStaticText::TOrvoStaticText;
    int Paints = 0;
    int Invalidations = 0;
    void Invalidate() override {
        ++Invalidations;
        TOrvoStaticText::Invalidate();
    }

protected:
    void Paint() override {
        ++Paints;
        TOrvoStaticText::Paint();
    }
};

// A borderless form with a patterned parent, and on it at (10, 20) a
// 120 x 40 static text with AutoSize off, its own colour and ink colour.
struct TStaticTextForm {
    TForm Form{nullptr};
    TPatternParent* Back = nullptr;
    TCountingStaticText* Text = nullptr;

    TStaticTextForm() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, 240, 120);
        Back = new TPatternParent(&Form);
        Back->SetParent(&Form);
        Back->SetBounds(0, 0, 200, 100);
        Text = new TCountingStaticText(&Form);
        Text->SetParent(Back);
        Text->SetAutoSize(false);
        Text->SetBounds(10, 20, 120, 40);
        Text->SetCaption("Clear words here");
        Text->SetColor(kBoxColour);
        Text->Font()->SetColor(kInk);
    }
};

// The channel rule of the transparency blend.
int BlendChannel(int c, int p, int transparency) { return c - transparency * (c - p) / 100; }
TColor Blend(TColor colour, TColor under, int transparency) {
    const COLORREF c = ColorToRGB(colour), p = ColorToRGB(under);
    return TColor(RGB(std::uint8_t(BlendChannel(GetRValue(c), GetRValue(p), transparency)),
                      std::uint8_t(BlendChannel(GetGValue(c), GetGValue(p), transparency)),
                      std::uint8_t(BlendChannel(GetBValue(c), GetBValue(p), transparency))));
}

// Checks that the snapshot shows the caption exactly where DrawText with
// these flags puts it in `rect`, in `ink` over what `under` gives for each
// pixel (the control's colour unless it is transparent). Answers the number
// of ink pixels.
int ExpectCaptionAt(const TSnapshot& s, const TOrvoStaticText& text, const TRect& rect, unsigned flags, TColor ink,
                    const std::function<TColor(int, int)>& under = [](int, int) { return kBoxColour; }) {
    TTextMask mask(text.Font(), text.Caption(), rect.Width(), rect.Height(), flags);
    int wrong = 0;
    for (int y = 0; y < rect.Height(); ++y)
        for (int x = 0; x < rect.Width(); ++x) {
            const int sx = rect.Left + x, sy = rect.Top + y;
            wrong += !NearColour(s.At(sx, sy), mask.Over(under(sx, sy), ink, x, y));
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(mask.InkCount(), 0);
    return mask.InkCount();
}

}  // namespace

// ---------------------------------------------------------------- properties

TEST(StaticTextProps, NewStaticTextHasItsDefaults) {
    TOrvoStaticText text(nullptr);
    EXPECT_EQ(text.BoundsRect(), Rect(0, 0, 65, 17));
    EXPECT_EQ(text.Alignment(), taLeftJustify);
    EXPECT_TRUE(text.AutoSize());
    EXPECT_EQ(text.Border(), obNone);
    EXPECT_EQ(text.BorderColor(), clBlue);
    EXPECT_FALSE(text.Transparent());
    EXPECT_EQ(text.Transparency(), 100);
    EXPECT_TRUE(text.TabStop());
    EXPECT_TRUE(text.ControlStyle().Contains(csReplicatable));
    EXPECT_EQ(text.Color(), clWindow);
    EXPECT_TRUE(text.ParentColor());
    text.SetVersion("Version 0.1");
    EXPECT_EQ(text.Version(), OrvoVersion());

    std::vector<std::string> all;
    for (const TPropInfo& p : TOrvoStaticText::StaticClassInfo().Published) all.push_back(p.Name);
    const std::vector<std::string> expected = {
        "Left",        "Top",         "Width",       "Height",      "Cursor",         "Hint",
        "HelpContext", "Alignment",   "Anchors",     "AutoSize",    "BiDiMode",       "Border",
        "BorderColor", "Caption",     "Color",       "Constraints", "DragCursor",     "DragKind",
        "DragMode",    "Enabled",     "Font",        "OnClick",     "OnDragDrop",     "OnDragOver",
        "OnEndDock",   "OnEndDrag",   "OnMouseDown", "OnMouseMove", "OnMouseUp",      "OnStartDock",
        "OnStartDrag", "ParentBiDiMode", "ParentFont", "ParentColor", "PopupMenu",    "ShowHint",
        "TabStop",     "TabOrder",    "Transparent", "Transparency", "Version",       "Visible"};
    EXPECT_EQ(all, expected);
}

TEST(StaticTextProps, SettersCompareCapAndRepaint) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.Invalidations = 0;
    t.SetAutoSize(false);
    t.SetBorder(obNone);
    t.SetTransparent(false);
    t.SetTransparency(100);
    t.SetTransparency(250);  // capped to 100: no change
    EXPECT_EQ(t.Invalidations, 0);
    t.SetTransparency(200);
    EXPECT_EQ(t.Transparency(), 100);
    t.SetTransparency(75);
    EXPECT_EQ(t.Transparency(), 75);
    t.SetBorder(obRaised);
    t.SetTransparent(true);
    t.SetAutoSize(true);
    EXPECT_EQ(t.Invalidations, 4);
    // Alignment and BorderColor re-create the window instead.
    t.SetAlignment(taCenter);
    t.SetBorderColor(clRed);
    EXPECT_EQ(t.Alignment(), taCenter);
    EXPECT_EQ(t.BorderColor(), clRed);
}

TEST(StaticTextProps, StreamWritesOwnPropertiesButNotAFullTransparency) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* text = new TOrvoStaticText(&form);
    text->SetName("StaticText1");
    text->SetParent(&form);
    text->SetCaption("Hello");
    std::string written = WriteComponentText(&form);
    for (const char* own : {"    Alignment = taLeftJustify\n", "    AutoSize = True\n", "    Border = obNone\n",
                            "    BorderColor = clBlue\n", "    Transparent = False\n", "    TabStop = True\n"})
        EXPECT_NE(written.find(own), std::string::npos) << own << " missing from\n" << written;
    EXPECT_NE(written.find("    Version = '" + OrvoVersion() + "'\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("Transparency"), std::string::npos) << written;
    EXPECT_LT(written.find("Transparent ="), written.find("Version ="));

    text->SetTransparency(75);
    written = WriteComponentText(&form);
    EXPECT_NE(written.find("    Transparency = 75\n"), std::string::npos) << written;
    EXPECT_LT(written.find("Transparent ="), written.find("Transparency ="));

    TForm copy(nullptr);
    const char* description =
        "object Form1: TForm\n"
        "  object StaticText1: TOrvoStaticText\n"
        "    Alignment = taRightJustify\n"
        "    Border = obSimple\n"
        "    Transparent = True\n"
        "    Transparency = 200\n"
        "  end\n"
        "end\n";
    ReadComponentText(&copy, description, "statictext.form");
    auto* read = dynamic_cast<TOrvoStaticText*>(copy.FindComponent("StaticText1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Alignment(), taRightJustify);
    EXPECT_EQ(read->Border(), obSimple);
    EXPECT_TRUE(read->Transparent());
    EXPECT_EQ(read->Transparency(), 100);
}

// ---------------------------------------------------------------- size and layout

TEST(StaticTextLayout, AutoSizeMakesOneLineWithFourPixelsToSpare) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetCaption("A caption long enough to wrap in a small box");
    t.SetAutoSize(true);
    ShowFormForAutomation(&f.Form);
    ProcessPendingPaints();
    const TSize extent = MeasureText(t.Font(), t.Caption());
    EXPECT_EQ(t.Width(), extent.cx + 4);
    EXPECT_EQ(t.Height(), extent.cy + 4);
    EXPECT_EQ(t.Left(), 10);
    EXPECT_EQ(t.Top(), 20);

    // Caption and font changes repaint, and the size follows.
    t.SetCaption("Short");
    ProcessPendingPaints();
    EXPECT_EQ(t.Width(), MeasureText(t.Font(), "Short").cx + 4);
    t.Font()->SetSize(t.Font()->Size() * 2);
    ProcessPendingPaints();
    EXPECT_EQ(t.Height(), MeasureText(t.Font(), "Short").cy + 4);

    // A paint at the settled size changes nothing.
    const TRect settled = t.BoundsRect();
    TSnapshot again(t);
    EXPECT_EQ(t.BoundsRect(), settled);
}

TEST(StaticTextLayout, WithoutAutoSizeTheCaptionWrapsInsideTheControl) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetCaption("alpha beta gamma delta epsilon");
    t.SetBounds(10, 20, 70, 60);
    TSnapshot s(t);
    EXPECT_EQ(t.BoundsRect(), Rect(10, 20, 80, 80));
    EXPECT_EQ(t.CaptionRect(), Rect(0, 0, 70, 60));
    ExpectCaptionAt(s, t, t.CaptionRect(), DT_WORDBREAK, kInk);
    // More than one line: there is ink below the first line.
    const int lineHeight = MeasureText(t.Font(), "alpha").cy;
    bool below = false;
    for (int y = lineHeight; y < 60 && !below; ++y)
        for (int x = 0; x < 70; ++x) below = below || s.At(x, y) != kBoxColour;
    EXPECT_TRUE(below);
    EXPECT_EQ(s.At(69, 59), kBoxColour);
}

TEST(StaticTextLayout, RightAndCentreAlignEachLine) {
    for (TAlignment alignment : {taRightJustify, taCenter}) {
        TStaticTextForm f;
        TCountingStaticText& t = *f.Text;
        t.SetCaption("one two three four five");
        t.SetBounds(10, 20, 80, 50);
        t.SetAlignment(alignment);
        TSnapshot s(t);
        const unsigned flags = DT_WORDBREAK | (alignment == taRightJustify ? DT_RIGHT : DT_CENTER);
        ExpectCaptionAt(s, t, t.CaptionRect(), flags, kInk);
    }
}

TEST(StaticTextLayout, BordersFrameTheClientAreaAndShrinkFillAndText) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetCaption("Bordered");
    const int w = t.Width(), h = t.Height();

    {  // No border: fill and text use the whole client area.
        TSnapshot s(t);
        EXPECT_EQ(t.BackRect(), Rect(0, 0, w, h));
        EXPECT_EQ(t.CaptionRect(), Rect(0, 0, w, h));
        EXPECT_EQ(s.At(w - 1, h - 1), kBoxColour);
        EXPECT_EQ(s.At(0, h - 1), kBoxColour);
    }
    {  // Simple: a one-pixel frame in BorderColor round both rectangles.
        t.SetBorder(obSimple);
        t.SetBorderColor(clRed);
        TSnapshot s(t);
        EXPECT_EQ(t.BackRect(), Rect(1, 1, w - 1, h - 1));
        EXPECT_EQ(t.CaptionRect(), Rect(1, 1, w - 1, h - 1));
        for (TPoint p : {Point(0, 0), Point(w - 1, 0), Point(0, h - 1), Point(w - 1, h - 1), Point(50, 0), Point(0, 20)})
            EXPECT_EQ(s.At(p.X, p.Y), clRed) << p.X << "," << p.Y;
        EXPECT_EQ(s.At(w - 2, h - 2), kBoxColour);
        ExpectCaptionAt(s, t, t.CaptionRect(), DT_WORDBREAK, kInk);
    }
    {  // Lowered and raised: shadow and highlight, swapped.
        t.SetBorder(obLowered);
        TSnapshot lowered(t);
        EXPECT_EQ(COLORREF(lowered.At(0, 0)), ColorToRGB(clBtnShadow));
        EXPECT_EQ(COLORREF(lowered.At(0, h - 2)), ColorToRGB(clBtnShadow));
        EXPECT_EQ(COLORREF(lowered.At(w - 1, h - 1)), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(COLORREF(lowered.At(0, h - 1)), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(t.BackRect(), Rect(1, 1, w - 1, h - 1));
        t.SetBorder(obRaised);
        TSnapshot raised(t);
        EXPECT_EQ(COLORREF(raised.At(0, 0)), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(COLORREF(raised.At(w - 1, h - 1)), ColorToRGB(clBtnShadow));
    }
}

// ---------------------------------------------------------------- transparency

TEST(StaticTextTransparency, FullTransparencyShowsTheParentUnderBorderAndText) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetTransparent(true);
    t.SetBorder(obSimple);
    t.SetBorderColor(clRed);
    TSnapshot s(t);
    // The parent's picture at the control's place, Color nowhere.
    EXPECT_EQ(s.At(118, 38), PatternAt(10 + 118, 20 + 38));
    EXPECT_EQ(s.At(60, 37), PatternAt(10 + 60, 20 + 37));
    EXPECT_EQ(s.At(0, 0), clRed);
    ExpectCaptionAt(s, t, t.CaptionRect(), DT_WORDBREAK, kInk, [](int x, int y) { return PatternAt(10 + x, 20 + y); });
    for (int y = 0; y < t.Height(); ++y)
        for (int x = 0; x < t.Width(); ++x) ASSERT_NE(s.At(x, y), kBoxColour) << x << "," << y;
}

TEST(StaticTextTransparency, SeventyFivePercentLaysAQuarterOfTheColourOver) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetTransparent(true);
    t.SetTransparency(75);
    t.SetColor(clBlue);
    TSnapshot s(t);
    for (TPoint p : {Point(118, 38), Point(1, 39), Point(100, 30)})
        EXPECT_EQ(s.At(p.X, p.Y), Blend(clBlue, PatternAt(10 + p.X, 20 + p.Y), 75)) << p.X << "," << p.Y;
    // A worked pixel: blue (0, 0, 255) over (158, 136, 150) at 75 gives
    // (118, 102, 177) as (red, green, blue): each difference times 0.75,
    // truncated toward zero, taken from the colour.
    EXPECT_EQ(PatternAt(118, 38), TColor(RGB(158, 136, 150)));
    EXPECT_EQ(s.At(108, 18), TColor(RGB(118, 102, 177)));
}

TEST(StaticTextTransparency, OpaqueTextIgnoresTransparency) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetTransparency(50);
    TSnapshot s(t);
    EXPECT_EQ(s.At(118, 38), kBoxColour);
    EXPECT_EQ(s.At(0, 0), kBoxColour);
}

TEST(StaticTextTransparency, MovingRepaintsOnlyATransparentText) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.Invalidations = 0;
    t.SetBounds(30, 25, t.Width(), t.Height());
    EXPECT_EQ(t.Invalidations, 0);
    t.SetTransparent(true);
    t.Invalidations = 0;
    t.SetBounds(40, 30, t.Width(), t.Height());
    EXPECT_GE(t.Invalidations, 1);
    // And the new picture is the one under the new place.
    TSnapshot s(t);
    EXPECT_EQ(s.At(118, 38), PatternAt(40 + 118, 30 + 38));
}

// ---------------------------------------------------------------- disabled and repaints

TEST(StaticTextDisabled, CaptionIsEmbossedAndEnablingRestoresTheInk) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.SetCaption("Embossed words");
    t.SetAlignment(taCenter);
    t.Invalidations = 0;
    t.SetEnabled(false);
    EXPECT_GE(t.Invalidations, 1);
    TSnapshot s(t);
    const TRect r = t.CaptionRect();
    const unsigned flags = DT_WORDBREAK | DT_CENTER;
    TTextMask mask(t.Font(), t.Caption(), r.Width(), r.Height(), flags);
    const TColor shadow = Plain(clBtnShadow), highlight = Plain(clBtnHighlight);
    int highlights = 0, wrong = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            // Drawn in the font's colour, then the highlight one pixel down
            // and right, then the shadow where the first lay.
            const TColor inFont = mask.Over(kBoxColour, kInk, x, y);
            const TColor expected = mask.Over(mask.Over(inFont, highlight, x - 1, y - 1), shadow, x, y);
            wrong += !NearColour(s.At(x, y), expected);
            highlights += mask.Ink(x - 1, y - 1) && mask.Coverage(x, y) == 0;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(mask.InkCount(), 0);
    EXPECT_GT(highlights, 0);

    t.Invalidations = 0;
    t.SetEnabled(true);
    EXPECT_GE(t.Invalidations, 1);
    TSnapshot enabled(t);
    ExpectCaptionAt(enabled, t, r, flags, kInk);
}

TEST(StaticTextRepaint, NotificationsInvalidate) {
    TStaticTextForm f;
    TCountingStaticText& t = *f.Text;
    t.Invalidations = 0;
    t.SetCaption("Another caption");
    EXPECT_GE(t.Invalidations, 1);
    int before = t.Invalidations;
    t.Font()->SetStyle(TFontStyles{fsBold});
    EXPECT_GT(t.Invalidations, before);
    before = t.Invalidations;
    t.SetVisible(false);
    EXPECT_GT(t.Invalidations, before);
    const int hidden = t.Invalidations;
    t.SetParentColor(true);
    f.Back->SetColor(clYellow);  // the parent's colour reaches the text
    EXPECT_GT(t.Invalidations, hidden);
    EXPECT_EQ(t.Color(), clYellow);
}
