// A sheet of shaped buttons in every shape, layout, glyph and face picture,
// on a patterned form, rendered as the user sees it with one of them hot.
// The picture is written to $ORVO_SHOT_DIR (or the temporary directory) for
// a person to look at; the test checks what can be checked by number.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "test_button_support.h"

using namespace button_test;

namespace {

std::string ShotDirectory() {
    if (const char* dir = std::getenv("ORVO_SHOT_DIR")) return dir;
    if (const char* tmp = std::getenv("TMPDIR")) return tmp;
    return "/tmp";
}

// Diagonal stripes for the form, so corners outside a shape show.
void PaintStripes(TCustomForm& form) {
    TCanvas* canvas = form.Canvas();
    for (int y = 0; y < form.ClientHeight(); ++y)
        for (int x = 0; x < form.ClientWidth(); x += 8) {
            canvas->Brush()->SetColor(((x + y) / 8) % 2 ? TColor(RGB(222, 214, 190)) : TColor(RGB(238, 232, 214)));
            canvas->FillRect(Rect(x, y, x + 8, y + 1));
        }
}

// A light marbled face: soft waves of blue-grey.
std::unique_ptr<TBitmap> Marble(int width, int height) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int v = 200 + ((x * 7 + y * 13) % 37) - ((x * y) % 11);
            b->SetPixel(x, y, TColor(RGB(std::uint8_t(v - 10), std::uint8_t(v), std::uint8_t(std::min(255, v + 25)))));
        }
    return b;
}

// A 19 x 20 pictogram on olive: a black ring with a white centre.
std::unique_ptr<TBitmap> Pictogram() {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(19, 20);
    b->Canvas()->Brush()->SetColor(kOlive);
    b->Canvas()->FillRect(Rect(0, 0, 19, 20));
    b->Canvas()->Pen()->SetColor(clBlack);
    b->Canvas()->Brush()->SetColor(clWhite);
    b->Canvas()->Ellipse(2, 3, 17, 18);
    return b;
}

}  // namespace

TEST(ButtonVisual, SheetOfEveryShapeLayoutGlyphAndPicture) {
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.OnPaint = [&form](TObject*) { PaintStripes(form); };
    form.SetBounds(0, 0, 645, 294);
    auto marble = Marble(89, 40);
    auto glyph = Pictogram();

    const TShapeType shapes[] = {stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle};
    const TButtonLayout layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
    const char* layoutNames[] = {"Left", "Right", "Top", "Bottom"};
    std::vector<TOrvoButton*> buttons;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) {
            auto* b = new TOrvoButton(&form);
            b->SetParent(&form);
            b->SetBounds(8 + col * 105, 8 + row * 70, 97, 60);
            b->SetShape(shapes[col]);
            b->SetLayout(layouts[row]);
            b->SetCaption(std::string("&") + layoutNames[row] + " glyph");
            b->SetWordWrap(row % 2 == 0);
            if (col % 2 == 0) b->SetGlyph(glyph.get());
            if (row >= 2) b->SetImage(marble.get());
            if (col == 3) b->SetCtl3D(false);
            if (row == 3 && col == 1) b->SetEnabled(false);
            buttons.push_back(b);
        }
    buttons[0]->SetDefault(true);
    ShowFormForAutomation(&form);
    buttons[6]->SetFocus();
    MoveMouse(buttons[9], ClientCentre(buttons[9]));
    ASSERT_TRUE(buttons[9]->MouseOver());
    ProcessPendingPaints();

    const std::string path = ShotDirectory() + "/buttons.png";
    std::string error;
    ASSERT_TRUE(RenderClientArea(&form, path, error)) << error;
    // Squares and the circle took the shorter side.
    EXPECT_EQ(buttons[1]->Width(), 60);
    EXPECT_EQ(buttons[5]->Width(), 60);
    EXPECT_EQ(buttons[2]->Width(), 97);
    // Every glyph of a 19-pixel strip is one frame.
    EXPECT_EQ(buttons[0]->NumGlyphs(), 1);
    EXPECT_EQ(buttons[0]->GlyphFrame()->Width(), 19);
}
