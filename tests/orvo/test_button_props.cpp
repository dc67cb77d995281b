// The shaped button's properties: defaults, which setters repaint, its own
// Color and ParentColor, the glyph strip's frame count through every kind of
// change, the drawing protocol and what a form description stores.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include <QImage>

#include "host/framework/Streaming.h"
#include "host/services/DeviceContextQt.h"
#include "test_button_support.h"

using namespace Orvo;

using namespace button_test;

namespace {

// Paints what is pending, makes the change, paints again: the drawings it caused.
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

TEST(ButtonProps, NewButtonHasItsDefaultsAndIsOwnerDrawn) {
    TOrvoButton b(nullptr);
    EXPECT_EQ(b.Alignment(), taCenter);
    EXPECT_EQ(b.Color(), clBtnFace);
    EXPECT_TRUE(b.Ctl3D() && b.FocusRect() && b.HotTrack());
    EXPECT_FALSE(b.FocusHighlight() || b.ParentColor() || b.WordWrap());
    EXPECT_TRUE(b.Glyph()->Empty() && b.Image()->Empty());
    EXPECT_EQ(b.HighlightColor(), TColor(0x00FF00));
    EXPECT_EQ(b.HotTrackFontColor(), TColor(0xFF0000));
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.Shape(), stRectangle);
    EXPECT_EQ(b.NumGlyphs(), 0);
    b.SetVersion("Version 9");
    EXPECT_EQ(b.Version(), OrvoVersion());

    TButtonForm f;
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
    // The first glyph waits for the next paint too; a later one repaints.
    auto one = GlyphStrip(19, 20, {clRed});
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetGlyph(one.get()); }), 0);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);

    auto picture = Picture(10, 10);
    auto two = GlyphStrip(40, 20, {clRed, clGreen});
    const std::pair<const char*, std::function<void()>> repainting[] = {
        {"Alignment", [&] { f.Button->SetAlignment(taLeftJustify); }},
        {"Color", [&] { f.Button->SetColor(clYellow); }},
        {"Ctl3D", [&] { f.Button->SetCtl3D(false); }},
        {"Glyph", [&] { f.Button->SetGlyph(two.get()); }},
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
    EXPECT_EQ(DrawsAfter(f, [&] { f.Button->SetLayout(blGlyphBottom); }), 0);  // unchanged
}

TEST(ButtonProps, OwnColourAndParentColour) {
    TButtonForm f;
    f.Button->SetParentColor(true);
    f.Button->SetColor(clYellow);
    EXPECT_FALSE(f.Button->ParentColor());
    // ParentColor takes the parent's colour only at the next notification.
    f.Button->SetParentColor(true);
    EXPECT_EQ(f.Button->Color(), clYellow);
    f.Form.SetColor(clAqua);
    EXPECT_EQ(f.Button->Color(), clAqua);
    EXPECT_TRUE(f.Button->ParentColor());
    f.Button->Perform(CM_PARENTCOLORCHANGED, 1, LPARAM(clTeal));  // carries a colour
    EXPECT_EQ(f.Button->Color(), clTeal);
    f.Button->SetParentColor(false);
    f.Form.SetColor(clWhite);
    EXPECT_EQ(f.Button->Color(), clTeal);
    EXPECT_EQ(TDrawn(*f.Button).At(20, 20), Plain(clTeal));
}

TEST(ButtonProps, GlyphFrameFollowsEveryChangeOfTheStrip) {
    TButtonForm f;
    auto three = GlyphStrip(60, 20, {clRed, clGreen, clBlue});
    f.Button->SetGlyph(three.get());
    three->SetSize(10, 20);  // the caller's picture was copied
    f.Button->SetGlyph(f.Button->Glyph());  // to itself: counted again
    EXPECT_EQ(f.Button->Glyph()->Width(), 60);
    EXPECT_EQ(f.Button->NumGlyphs(), 3);
    TDrawn d(*f.Button);
    EXPECT_EQ(f.Button->GlyphFrame()->Width(), 20);
    // Changed in place to one frame: no frame is cut out of pixels that are
    // no longer there.
    f.Button->Glyph()->SetSize(19, 20);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);
    TDrawn after(*f.Button);
    EXPECT_EQ(f.Button->GlyphFrame()->Width(), 19);
    // Without height a strip has no pixels: nothing divided, nothing drawn.
    f.Button->Glyph()->SetSize(40, 0);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);
    TDrawn none(*f.Button);
    EXPECT_TRUE(f.Button->GlyphFrame()->Empty());
    EXPECT_EQ(GlyphFrameCount(40, 0), 1);
    EXPECT_TRUE(GlyphFrameSource(40, 0, 2, false).IsEmpty());
    // An empty picture keeps the count.
    f.Button->SetGlyph(nullptr);
    EXPECT_EQ(f.Button->NumGlyphs(), 1);
}

TEST(ButtonProps, FailedDrawingLeavesCanvasDetachedUnlockedAndStateRestored) {
    TButtonForm f;
    // A surface wider than any bitmap may be: the frame drawn off screen for
    // the part of it that shows cannot be made.
    QImage wide(40000, 10, QImage::Format_RGB32);
    std::unique_ptr<TDeviceContext> surface = CreateImageDC(wide);
    HDC dc = surface.get();
    const int level = SaveDC(dc);
    RestoreDC(dc, level);
    DRAWITEMSTRUCT dis;
    dis.hDC = dc;
    dis.rcItem = Rect(0, 0, 40000, 10);
    EXPECT_THROW(f.Button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis)), EInvalidGraphic);
    EXPECT_EQ(f.Button->DrawingCanvas()->LockCount(), 0);
    EXPECT_FALSE(f.Button->DrawingCanvas()->HandleAllocated());
    EXPECT_EQ(SaveDC(dc), level);  // nothing was left saved
    RestoreDC(dc, level);
    EXPECT_EQ(TDrawn(*f.Button).At(20, 20), kFaceColour);
}

TEST(ButtonProps, WrittenFormReadsBackToTheSameButton) {
    TForm form(nullptr);
    form.SetName("Form1");
    auto* b = new TOrvoButton(&form);
    b->SetName("OrvoButton1");
    b->SetParent(&form);
    b->SetCaption("OrvoButton Click Me!");
    b->SetAlignment(taRightJustify);
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
    const std::string text = WriteComponentText(&form);
    // Every property of the button's own, in declaration order.
    std::size_t at = 0;
    for (const char* line : {"Alignment = taRightJustify", "Color = $00A0FFFF", "Ctl3D = False", "FocusHighlight = True",
                             "FocusRect = False", "Glyph.Data = {", "HighlightColor = clYellow", "HotTrack = False",
                             "HotTrackFontColor = clRed", "Layout = blGlyphBottom", "ParentColor = False",
                             "Shape = stEllipse", "Image.Data = {", "Version = '", "WordWrap = True"}) {
        const std::size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " missing or out of order in\n" << text;
        at = found;
    }

    TForm read(nullptr);
    ReadComponentText(&read, text, "button.form");
    auto* r = dynamic_cast<TOrvoButton*>(read.FindComponent("OrvoButton1"));
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(SamePixels(*r->Glyph(), *glyph));
    EXPECT_EQ(r->NumGlyphs(), 2);
    EXPECT_TRUE(SamePixels(*r->Image(), *image));
    EXPECT_EQ(r->Shape(), stEllipse);
    EXPECT_EQ(r->Color(), TColor(0xA0FFFF));
    EXPECT_EQ(WriteComponentText(&read), text);
    // Read without a window; the window made later takes the ellipse.
    EXPECT_FALSE(r->HandleAllocated());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(r->Handle(), region), ERROR_REGION);
    EXPECT_FALSE(PtInRegion(region, 1, 1));
    EXPECT_TRUE(PtInRegion(region, 37, 12));
    DeleteObject(region);
}
