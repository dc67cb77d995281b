// The shaped button's properties: defaults, which setters repaint, its own
// Color and ParentColor, the glyph strip's frame count through every kind of
// change, the owner-draw protocol and what a form description stores.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Streaming.h"
#include "test_button_support.h"

using namespace button_test;

namespace {

// Draws the shown form's pending paints and answers how many the button took.
int DrawsAfter(TButtonForm& f, const std::function<void()>& change) {
    ProcessPendingPaints();
    const int before = f.Button->Draws;
    change();
    ProcessPendingPaints();
    return f.Button->Draws - before;
}

bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

}  // namespace

TEST(ButtonProps, NewButtonHasItsDefaultsAndDrawsItself) {
    TButtonForm f;
    TOrvoButton b(nullptr);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_TRUE(b.Ctl3D());
    EXPECT_FALSE(b.FocusHighlight());
    EXPECT_TRUE(b.FocusRect());
    EXPECT_TRUE(b.Glyph()->Empty());
    EXPECT_EQ(b.HighlightColor(), TColor(0x00FF00));
    EXPECT_TRUE(b.HotTrack());
    EXPECT_EQ(b.HotTrackFontColor(), TColor(0xFF0000));
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_FALSE(b.ParentColor());
    EXPECT_EQ(b.Shape(), stRectangle);
    EXPECT_TRUE(b.Image()->Empty());
    EXPECT_EQ(b.Version(), OrvoVersion());
    EXPECT_FALSE(b.WordWrap());
    EXPECT_EQ(b.NumGlyphs(), 0);
    b.SetVersion("Version 9");
    EXPECT_EQ(b.Version(), OrvoVersion());

    // The window is owner-drawn and measured at the button's size.
    ASSERT_NE(f.Button->Handle(), nullptr);
    EXPECT_EQ(f.Button->WindowStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    MEASUREITEMSTRUCT mis;
    f.Button->Perform(CN_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
    EXPECT_EQ(mis.itemWidth, 81u);
    EXPECT_EQ(mis.itemHeight, 41u);
}

TEST(ButtonProps, FocusAndHotSettingsWaitForTheNextPaintOthersRepaint) {
    TButtonForm f;
    f.Show();
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetFocusHighlight(true); }), 0);
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetFocusRect(false); }), 0);
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetHotTrack(false); }), 0);
    EXPECT_TRUE(f.Button->FocusHighlight());
    EXPECT_FALSE(f.Button->FocusRect());
    EXPECT_FALSE(f.Button->HotTrack());

    auto picture = Picture(10, 10);
    const std::vector<std::pair<const char*, std::function<void()>>> repainting = {
        {"Alignment", [&] { f.Button->SetAlignment(taLeftJustify); }},
        {"Color", [&] { f.Button->SetColor(clYellow); }},
        {"Ctl3D", [&] { f.Button->SetCtl3D(false); }},
        {"HighlightColor", [&] { f.Button->SetHighlightColor(clRed); }},
        {"HotTrackFontColor", [&] { f.Button->SetHotTrackFontColor(clGreen); }},
        {"Layout", [&] { f.Button->SetLayout(blGlyphBottom); }},
        {"ParentColor", [&] { f.Button->SetParentColor(true); }},
        {"WordWrap", [&] { f.Button->SetWordWrap(true); }},
        {"Image", [&] { f.Button->SetImage(picture.get()); }},
        {"Caption", [&] { f.Button->SetCaption("Go"); }},
        {"Enabled", [&] { f.Button->SetEnabled(false); }},
        {"Font", [&] { f.Button->Font()->SetColor(clRed); }},
    };
    for (const auto& [name, change] : repainting) EXPECT_GT(DrawsAfter(f, change), 0) << name;
    // The same value again changes nothing.
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetLayout(blGlyphBottom); }), 0);
}

TEST(ButtonProps, OwnColourAndParentColour) {
    TButtonForm f;
    f.Button->SetParentColor(true);
    f.Button->SetColor(clYellow);
    EXPECT_EQ(f.Button->Color(), clYellow);
    EXPECT_FALSE(f.Button->ParentColor());

    // ParentColor takes the parent's colour only at the next notification.
    f.Button->SetParentColor(true);
    EXPECT_EQ(f.Button->Color(), clYellow);
    f.Form.SetColor(clAqua);
    EXPECT_EQ(f.Button->Color(), clAqua);
    EXPECT_TRUE(f.Button->ParentColor());
    // A notification that carries a colour gives that one.
    f.Button->Perform(CM_PARENTCOLORCHANGED, 1, LPARAM(clTeal));
    EXPECT_EQ(f.Button->Color(), clTeal);
    EXPECT_TRUE(f.Button->ParentColor());
    // Without ParentColor the notification changes nothing.
    f.Button->SetParentColor(false);
    f.Form.SetColor(clWhite);
    EXPECT_EQ(f.Button->Color(), clTeal);
    // The face is the button's own colour, not the framework's.
    TDrawn d(*f.Button);
    EXPECT_EQ(d.At(20, 20), Plain(clTeal));
}

// ---------------------------------------------------------------- glyph strip

TEST(ButtonProps, FirstGlyphWaitsForTheNextPaintLaterOnesRepaint) {
    TButtonForm f;
    f.Show();
    auto one = GlyphStrip(19, 20, {clRed});
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetGlyph(one.get()); }), 0);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);
    auto two = GlyphStrip(40, 20, {clRed, clGreen});
    EXPECT_GT(DrawsAfter(f, [&] { f.Button->SetGlyph(two.get()); }), 0);
    EXPECT_EQ(f.Button->NumGlyphs(), 2);
    // An empty picture keeps the count.
    f.Button->SetGlyph(nullptr);
    EXPECT_TRUE(f.Button->Glyph()->Empty());
    EXPECT_EQ(f.Button->NumGlyphs(), 2);
    TDrawn d(*f.Button);
    EXPECT_TRUE(f.Button->GlyphFrame()->Empty());
}

TEST(ButtonProps, GlyphFrameFollowsEveryChangeOfTheStrip) {
    TButtonForm f;
    auto three = GlyphStrip(60, 20, {clRed, clGreen, clBlue});
    f.Button->SetGlyph(three.get());
    // The caller's picture is copied: changing it later changes nothing here.
    three->SetSize(10, 20);
    EXPECT_EQ(f.Button->Glyph()->Width(), 60);
    // Assigned to itself: the same strip, counted again.
    f.Button->SetGlyph(f.Button->Glyph());
    EXPECT_EQ(f.Button->Glyph()->Width(), 60);
    EXPECT_EQ(f.Button->NumGlyphs(), 3);
    TDrawn d(*f.Button);
    EXPECT_EQ(f.Button->GlyphFrame()->Width(), 20);
    // Changed in place to one frame: the count and the next frame follow, so
    // no frame is cut out of pixels that are no longer there.
    f.Button->Glyph()->SetSize(19, 20);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);
    TDrawn after(*f.Button);
    EXPECT_EQ(f.Button->GlyphFrame()->Width(), 19);
    // A strip without height has no pixels: nothing is divided by it and
    // nothing is drawn.
    f.Button->Glyph()->SetSize(40, 0);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);
    TDrawn none(*f.Button);
    EXPECT_TRUE(f.Button->GlyphFrame()->Empty());
    EXPECT_EQ(GlyphFrameCount(40, 0), 1);
    EXPECT_EQ(GlyphFrameCount(0, 20), 1);
    EXPECT_TRUE(GlyphFrameSource(40, 0, 2, false).IsEmpty());
}

// ---------------------------------------------------------------- drawing protocol

TEST(ButtonProps, FailedDrawingLeavesCanvasDetachedUnlockedAndStateRestored) {
    TButtonForm f;
    TBitmap surface;
    surface.SetSize(10, 10);
    HDC dc = surface.Canvas()->Handle();
    const int level = SaveDC(dc);
    RestoreDC(dc, level);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.hDC = dc;
    // Too wide for the off-screen frame bitmap: the drawing raises.
    dis.rcItem = Rect(0, 0, 40000, 10);
    EXPECT_THROW(f.Button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)), EInvalidGraphic);
    EXPECT_EQ(f.Button->DrawingCanvas()->LockCount(), 0);
    EXPECT_FALSE(f.Button->DrawingCanvas()->HandleAllocated());
    EXPECT_EQ(SaveDC(dc), level);  // nothing was left saved
    RestoreDC(dc, level);
    // And the next drawing works.
    TDrawn d(*f.Button);
    EXPECT_EQ(d.Result, 1);
    EXPECT_EQ(d.At(20, 20), kFaceColour);
}

// ---------------------------------------------------------------- streaming

TEST(ButtonProps, WrittenFormReadsBackToTheSameButton) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* b = new TOrvoButton(&form);
    b->SetName("OrvoButton1");
    b->SetParent(&form);
    b->SetBounds(104, 72, 81, 41);
    b->SetCaption("OrvoButton Click Me!");
    b->SetColor(TColor(0xA0FFFF));
    b->SetCtl3D(false);
    b->SetFocusHighlight(true);
    b->SetFocusRect(false);
    auto glyph = GlyphStrip(40, 20, {clRed, clGreen});
    b->SetGlyph(glyph.get());
    b->SetHighlightColor(clYellow);
    b->SetHotTrack(false);
    b->SetHotTrackFontColor(clRed);
    b->SetLayout(blGlyphBottom);
    b->SetShape(stEllipse);
    auto image = Picture(89, 40);
    b->SetImage(image.get());
    b->SetWordWrap(true);
    b->SetAlignment(taRightJustify);
    const std::string text = WriteComponentText(&form);
    for (const char* line : {"Alignment = taRightJustify", "Color = $00A0FFFF", "Ctl3D = False",
                             "FocusHighlight = True", "FocusRect = False", "Glyph.Data = {", "HighlightColor = clYellow",
                             "HotTrack = False", "HotTrackFontColor = clRed", "Layout = blGlyphBottom",
                             "ParentColor = False", "Shape = stEllipse", "Image.Data = {", "Version = '",
                             "WordWrap = True"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " missing from\n" << text;
    // Written in declaration order.
    EXPECT_LT(text.find("Alignment ="), text.find("Glyph.Data"));
    EXPECT_LT(text.find("Shape ="), text.find("Image.Data"));
    EXPECT_LT(text.find("Image.Data"), text.find("WordWrap ="));

    TForm read(nullptr);
    ReadComponentText(&read, text, "button.form");
    auto* r = dynamic_cast<TOrvoButton*>(read.FindComponent("OrvoButton1"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Alignment(), taRightJustify);
    EXPECT_EQ(r->Color(), TColor(0xA0FFFF));
    EXPECT_FALSE(r->Ctl3D());
    EXPECT_TRUE(r->FocusHighlight());
    EXPECT_FALSE(r->FocusRect());
    EXPECT_TRUE(SamePixels(*r->Glyph(), *glyph));
    EXPECT_EQ(r->NumGlyphs(), 2);
    EXPECT_EQ(r->HighlightColor(), clYellow);
    EXPECT_FALSE(r->HotTrack());
    EXPECT_EQ(r->HotTrackFontColor(), clRed);
    EXPECT_EQ(r->Layout(), blGlyphBottom);
    EXPECT_FALSE(r->ParentColor());
    EXPECT_EQ(r->Shape(), stEllipse);
    EXPECT_TRUE(SamePixels(*r->Image(), *image));
    EXPECT_TRUE(r->WordWrap());
    EXPECT_EQ(r->BoundsRect(), Rect(104, 72, 185, 113));
    // And it writes the same text again.
    EXPECT_EQ(WriteComponentText(&read), text);
}
