// Two forms the size of the demonstration form's client area: one with a
// tiled background, one with a gradient, each with static texts in every
// border, alignment and transparency over it, rendered as the user would see
// them. The pictures are written to $ORVO_SHOT_DIR (or the temporary
// directory) for a person to look at; the test checks what can be checked
// by number.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "host/qt/Automation.h"
#include "orvo/OrvoEditControls.h"
#include "test_background_support.h"

using namespace Orvo;

using namespace background_test;

namespace {

std::string ShotDirectory() {
    if (const char* dir = std::getenv("ORVO_SHOT_DIR")) return dir;
    if (const char* tmp = std::getenv("TMPDIR")) return tmp;
    return "/tmp";
}

// A 400 x 400 tile: soft diagonal stripes with a darker square grid.
std::unique_ptr<TBitmap> StripedTile() {
    auto tile = std::make_unique<TBitmap>();
    tile->SetPixelFormat(pf32bit);
    tile->SetSize(400, 400);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            const bool stripe = ((x + y) / 20) % 2 == 0;
            const bool grid = x % 100 == 0 || y % 100 == 0;
            TColor c = stripe ? TColor(RGB(214, 226, 240)) : TColor(RGB(236, 228, 206));
            if (grid) c = TColor(RGB(150, 160, 190));
            tile->SetPixel(x, y, c);
        }
    return tile;
}

struct TShowcase {
    TForm Form{nullptr};
    TOrvoBackground* Back = nullptr;
    TOrvoStaticText* Clear = nullptr;      // transparent, 100
    TOrvoStaticText* Quarter = nullptr;    // transparent, 75, blue
    TOrvoStaticText* Opaque = nullptr;     // opaque, simple border

    TShowcase() {
        Form.SetBorderStyle(bsNone);
        Form.SetBounds(0, 0, kFormWidth, kFormHeight);
        Form.SetClientWidth(kFormWidth);
        Form.SetClientHeight(kFormHeight);
        Back = new TOrvoBackground(&Form);
        Back->SetParent(&Form);

        const TOrvoBorder borders[] = {obNone, obLowered, obRaised, obSimple};
        const char* borderNames[] = {"No border", "Lowered", "Raised", "Simple red"};
        for (int i = 0; i < 4; ++i) {
            TOrvoStaticText* t = Add(8 + 158 * i, 8, borderNames[i]);
            t->SetBorder(borders[i]);
            t->SetBorderColor(clRed);
            t->SetColor(clWhite);
        }
        const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
        const char* alignmentNames[] = {"Left aligned words that wrap", "Centred words that wrap here",
                                        "Right aligned words that wrap"};
        for (int i = 0; i < 3; ++i) {
            TOrvoStaticText* opaque = Add(8 + 210 * i, 40, alignmentNames[i]);
            opaque->SetAutoSize(false);
            opaque->SetBounds(8 + 210 * i, 40, 130, 40);
            opaque->SetAlignment(alignments[i]);
            opaque->SetBorder(obLowered);
            opaque->SetColor(clWhite);
            TOrvoStaticText* clear = Add(8 + 210 * i, 90, alignmentNames[i]);
            clear->SetAutoSize(false);
            clear->SetBounds(8 + 210 * i, 90, 130, 40);
            clear->SetAlignment(alignments[i]);
            clear->SetBorder(obRaised);
            clear->SetTransparent(true);
            if (i == 0) Clear = clear;
        }
        const int percents[] = {75, 50, 25};
        const TColor colours[] = {clBlue, clWhite, clYellow};
        for (int i = 0; i < 3; ++i) {
            TOrvoStaticText* t = Add(8 + 210 * i, 145, "Transparency " + std::to_string(percents[i]));
            t->SetAutoSize(false);
            t->SetBounds(8 + 210 * i, 145, 150, 36);
            t->SetAlignment(taCenter);
            t->SetBorder(i == 0 ? obRaised : obSimple);
            t->SetBorderColor(clNavy);
            t->SetTransparent(true);
            t->SetTransparency(std::uint8_t(percents[i]));
            t->SetColor(colours[i]);
            if (i == 0) {
                Quarter = t;
                t->Font()->SetColor(clWhite);
                t->Font()->SetStyle(TFontStyles{fsBold});
            }
        }
        TOrvoStaticText* disabled = Add(8, 200, "Disabled, opaque");
        disabled->SetEnabled(false);
        disabled->SetBorder(obLowered);
        disabled->SetColor(clBtnFace);
        TOrvoStaticText* disabledClear = Add(218, 200, "Disabled, transparent");
        disabledClear->SetEnabled(false);
        disabledClear->SetTransparent(true);
        Opaque = Add(428, 200, "Bold, AutoSize");
        Opaque->Font()->SetStyle(TFontStyles{fsBold});
        Opaque->Font()->SetSize(12);
        Opaque->SetBorder(obSimple);
        Opaque->SetBorderColor(clGreen);
        Opaque->SetColor(TColor(RGB(255, 250, 220)));
        TOrvoStaticText* note = Add(8, 240, "Static texts over the background: every border, alignment and transparency.");
        note->SetTransparent(true);
    }

    TOrvoStaticText* Add(int left, int top, const std::string& caption) {
        auto* t = new TOrvoStaticText(&Form);
        t->SetParent(&Form);
        t->SetBounds(left, top, 65, 17);
        t->SetCaption(caption);
        return t;
    }

    void Render(const std::string& name) {
        ShowFormForAutomation(&Form);
        ProcessPendingPaints();
        std::string error;
        ASSERT_TRUE(RenderClientArea(&Form, ShotDirectory() + "/" + name, error)) << error;
    }
};

// The colour of the form's picture (background included) at a point.
TColor FormPixel(TForm& form, TPoint p) {
    auto picture = PaintThroughMessages(form, kFormWidth, kFormHeight);
    return picture->Pixel(p.X, p.Y);
}

int BlendChannel(int c, int p, int t) { return c - t * (c - p) / 100; }

}  // namespace

TEST(BackgroundVisual, TiledFormWithStaticTexts) {
    TShowcase s;
    auto tile = StripedTile();
    s.Back->SetTileImage(tile.get());
    s.Render("background_tiles.png");
    EXPECT_EQ(s.Back->BoundsRect(), Rect(0, 0, kFormWidth, kFormHeight));
    // The tile repeats at x = 400.
    auto form = PaintThroughMessages(s.Form, kFormWidth, kFormHeight);
    EXPECT_EQ(form->Pixel(401, 281), form->Pixel(1, 281));
    // A fully transparent text shows the tiles inside its border.
    auto clear = PaintThroughMessages(*s.Clear, s.Clear->Width(), s.Clear->Height());
    const TPoint inside = Point(s.Clear->Width() - 3, s.Clear->Height() - 3);
    EXPECT_EQ(clear->Pixel(inside.X, inside.Y),
              FormPixel(s.Form, Point(s.Clear->Left() + inside.X, s.Clear->Top() + inside.Y)));
}

TEST(BackgroundVisual, GradientFormWithStaticTexts) {
    TShowcase s;
    s.Back->SetGradientStartColor(TColor(RGB(40, 90, 160)));
    s.Back->SetGradientEndColor(TColor(RGB(250, 240, 210)));
    s.Render("background_gradient.png");
    // The 75 percent text lays a quarter of blue over the gradient row.
    TOrvoStaticText* t = s.Quarter;
    auto quarter = PaintThroughMessages(*t, t->Width(), t->Height());
    const TPoint inside = Point(3, t->Height() - 3);
    const TColor under = FormPixel(s.Form, Point(t->Left() + inside.X, t->Top() + inside.Y));
    const TColor expected = TColor(RGB(std::uint8_t(BlendChannel(0, Red(under), 75)),
                                       std::uint8_t(BlendChannel(0, Green(under), 75)),
                                       std::uint8_t(BlendChannel(255, Blue(under), 75))));
    EXPECT_EQ(quarter->Pixel(inside.X, inside.Y), expected);
}
