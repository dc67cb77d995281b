// The canvas rules: brushes, text backgrounds, shapes, lines, BrushCopy,
// Frame3D and canvases wrapped round a given device context.
#include <gtest/gtest.h>

#include <climits>

#include "drawing_test_support.h"

using namespace Orvo;

TEST(DrawingCanvas, AssigningABrushColourMakesAClearBrushSolid) {
    TTestCanvas t(10, 10);
    t.Canvas.Brush()->SetStyle(bsClear);
    t.Canvas.FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(t.Surface.Count(clWhite), 100);
    t.Canvas.Brush()->SetColor(clRed);
    EXPECT_EQ(t.Canvas.Brush()->Style(), bsSolid);
    t.Canvas.FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(t.Surface.Count(clRed), 25);
    EXPECT_EQ(t.At(5, 5), clWhite);  // right and bottom edges are exclusive
}

TEST(DrawingCanvas, TextBackgroundIsTheBrushColourUnlessTheBrushIsClear) {
    TTestCanvas t(60, 30, clWhite);
    t.Canvas.Font()->SetColor(clBlack);
    t.Canvas.Brush()->SetColor(clRed);
    t.Canvas.TextOut(2, 2, "Ab");
    const TSize size = t.Canvas.TextExtent("Ab");
    const int cell = size.cx * size.cy;
    const int cellPixels = t.Surface.CountBetween(clRed, clBlack, 2, 2, 2 + size.cx, 2 + size.cy);
    const int black = t.Surface.CountInk(clBlack, clRed, 2, 2, 2 + size.cx, 2 + size.cy);
    EXPECT_GT(black, 0);
    EXPECT_EQ(cellPixels, cell);                     // the whole cell is background or text over it
    EXPECT_EQ(t.Surface.Count(clWhite), 60 * 30 - cell);  // and nothing outside it
    EXPECT_EQ(t.Canvas.PenPos(), Point(2 + size.cx, 2));

    TTestCanvas c(60, 30, clWhite);
    c.Canvas.Font()->SetColor(clBlack);
    c.Canvas.Brush()->SetColor(clRed);
    c.Canvas.Brush()->SetStyle(bsClear);
    c.Canvas.TextOut(2, 2, "Ab");
    EXPECT_EQ(c.Surface.Count(clRed), 0);
    EXPECT_EQ(c.Surface.CountInk(clBlack, clWhite), black);  // the same glyphs
}

TEST(DrawingCanvas, RectangleOutlinesWithThePenAndFillsUnlessTheBrushIsClear) {
    TTestCanvas t(12, 12);
    t.Canvas.Pen()->SetColor(clBlue);
    t.Canvas.Brush()->SetStyle(bsClear);
    t.Canvas.Rectangle(1, 1, 9, 7);
    // Outline on columns 1 and 8, rows 1 and 6.
    EXPECT_EQ(t.At(1, 1), clBlue);
    EXPECT_EQ(t.At(8, 6), clBlue);
    EXPECT_EQ(t.At(9, 6), clWhite);
    EXPECT_EQ(t.At(8, 7), clWhite);
    EXPECT_EQ(t.Surface.Count(clBlue), 2 * 8 + 2 * 4);
    EXPECT_EQ(t.Surface.Count(clWhite, 2, 2, 8, 6), 6 * 4);  // inside left alone

    t.Canvas.Brush()->SetColor(clRed);
    t.Canvas.Rectangle(Rect(1, 1, 9, 7));
    EXPECT_EQ(t.Surface.Count(clRed, 2, 2, 8, 6), 6 * 4);
    EXPECT_EQ(t.Surface.Count(clBlue), 2 * 8 + 2 * 4);
}

TEST(DrawingCanvas, WidePensAreCentredOnTheOutlineUnlessInsideFrame) {
    TTestCanvas t(12, 12);
    t.Canvas.Pen()->SetColor(clBlack);
    t.Canvas.Pen()->SetWidth(2);
    t.Canvas.Brush()->SetStyle(bsClear);
    t.Canvas.Rectangle(3, 3, 9, 9);
    EXPECT_EQ(t.At(2, 5), clBlack);
    EXPECT_EQ(t.At(3, 5), clBlack);
    EXPECT_EQ(t.At(4, 5), clWhite);
    EXPECT_EQ(t.At(7, 5), clBlack);
    EXPECT_EQ(t.At(8, 5), clBlack);
    EXPECT_EQ(t.At(9, 5), clWhite);
    EXPECT_EQ(t.Surface.Count(clBlack), 7 * 7 - 3 * 3);  // columns and rows 2..8, inside 4..6

    TTestCanvas inside(12, 12);
    inside.Canvas.Pen()->SetColor(clBlack);
    inside.Canvas.Pen()->SetWidth(2);
    inside.Canvas.Pen()->SetStyle(psInsideFrame);
    inside.Canvas.Brush()->SetStyle(bsClear);
    inside.Canvas.Rectangle(3, 3, 9, 9);
    EXPECT_EQ(inside.Surface.Count(clBlack, 3, 3, 9, 9), 6 * 6 - 2 * 2);
    EXPECT_EQ(inside.Surface.Count(clBlack), 6 * 6 - 2 * 2);
}

TEST(DrawingCanvas, FrameRectDrawsOnePixelInTheBrushColour) {
    TTestCanvas t(10, 10);
    t.Canvas.Pen()->SetColor(clBlue);
    t.Canvas.Brush()->SetColor(clGreen);
    t.Canvas.FrameRect(Rect(2, 2, 8, 7));
    EXPECT_EQ(t.Surface.Count(clGreen), 2 * 6 + 2 * 3);
    EXPECT_EQ(t.At(2, 2), clGreen);
    EXPECT_EQ(t.At(7, 6), clGreen);
    EXPECT_EQ(t.Surface.Count(clWhite, 3, 3, 7, 6), 4 * 3);
    EXPECT_EQ(t.Surface.Count(clBlue), 0);
}

TEST(DrawingCanvas, LineToLeavesOutTheEndPoint) {
    TTestCanvas t(12, 12);
    t.Canvas.Pen()->SetColor(clBlack);
    t.Canvas.MoveTo(0, 5);
    t.Canvas.LineTo(10, 5);
    EXPECT_EQ(t.Surface.Count(clBlack, 0, 5, 12, 6), 10);
    EXPECT_EQ(t.At(9, 5), clBlack);
    EXPECT_EQ(t.At(10, 5), clWhite);
    EXPECT_EQ(t.Canvas.PenPos(), Point(10, 5));
    // A diagonal continues from the pen position, again without its end.
    t.Canvas.LineTo(6, 9);
    EXPECT_EQ(t.At(10, 5), clBlack);  // the start is drawn
    EXPECT_EQ(t.At(7, 8), clBlack);
    EXPECT_EQ(t.At(6, 9), clWhite);
    EXPECT_EQ(t.Surface.Count(clBlack), 14);
}

TEST(DrawingCanvas, EllipseFitsItsBoxWithExclusiveEdges) {
    TTestCanvas t(14, 12);
    t.Canvas.Pen()->SetColor(clBlack);
    t.Canvas.Brush()->SetColor(clRed);
    t.Canvas.Ellipse(1, 1, 12, 10);
    EXPECT_EQ(t.Surface.Count(clWhite, 0, 0, 14, 1), 14);
    EXPECT_EQ(t.Surface.Count(clWhite, 0, 10, 14, 12), 28);
    EXPECT_EQ(t.Surface.Count(clWhite, 0, 0, 1, 12), 12);
    EXPECT_EQ(t.Surface.Count(clWhite, 12, 0, 14, 12), 24);
    EXPECT_EQ(t.At(6, 1), clBlack);   // top of the outline
    EXPECT_EQ(t.At(6, 9), clBlack);   // bottom row is the last inside the box
    EXPECT_EQ(t.At(1, 5), clBlack);
    EXPECT_EQ(t.At(11, 5), clBlack);
    EXPECT_EQ(t.At(6, 5), clRed);
    EXPECT_EQ(t.At(1, 1), clWhite);  // corners outside
}

TEST(DrawingCanvas, RoundRectAndArcStayInsideTheirBoxes) {
    TTestCanvas t(20, 20);
    t.Canvas.Pen()->SetColor(clBlack);
    t.Canvas.Brush()->SetColor(clRed);
    t.Canvas.RoundRect(2, 2, 18, 18, 8, 8);
    EXPECT_EQ(t.At(10, 2), clBlack);
    EXPECT_EQ(t.At(17, 10), clBlack);
    EXPECT_EQ(t.At(2, 2), clWhite);
    EXPECT_EQ(t.At(10, 10), clRed);
    EXPECT_EQ(t.Surface.Count(clWhite, 0, 18, 20, 20), 40);

    TTestCanvas a(20, 20);
    a.Canvas.Pen()->SetColor(clBlack);
    // The upper half, counter-clockwise from three o'clock to nine o'clock.
    a.Canvas.Arc(0, 0, 19, 19, 19, 9, 0, 9);
    EXPECT_EQ(a.At(9, 0), clBlack);
    EXPECT_EQ(a.Surface.Count(clBlack, 0, 12, 20, 20), 0);
    EXPECT_GT(a.Surface.Count(clBlack), 20);
}

TEST(DrawingCanvas, BrushCopyWithAClearBrushLeavesTheKeyColourUnpaintedAndStretches) {
    TBitmap glyph;
    glyph.SetSize(4, 4);
    glyph.Canvas()->Brush()->SetColor(clFuchsia);
    glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(1, 1, 3, 3));

    TTestCanvas t(12, 12, clWhite);
    t.Canvas.Brush()->SetStyle(bsClear);
    t.Canvas.BrushCopy(Rect(2, 2, 6, 6), &glyph, Rect(0, 0, 4, 4), clFuchsia);
    EXPECT_EQ(t.Surface.Count(clFuchsia), 0);
    EXPECT_EQ(t.Surface.Count(clRed), 4);
    EXPECT_EQ(t.Surface.Count(clRed, 3, 3, 5, 5), 4);

    // Twice the size: every source pixel becomes two by two.
    TTestCanvas big(12, 12, clWhite);
    big.Canvas.Brush()->SetStyle(bsClear);
    big.Canvas.BrushCopy(Rect(0, 0, 8, 8), &glyph, Rect(0, 0, 4, 4), clFuchsia);
    EXPECT_EQ(big.Surface.Count(clRed), 16);
    EXPECT_EQ(big.Surface.Count(clRed, 2, 2, 6, 6), 16);
    // One pixel larger: the picture covers 5 x 5.
    TTestCanvas plusOne(12, 12, clWhite);
    plusOne.Canvas.Brush()->SetStyle(bsClear);
    plusOne.Canvas.BrushCopy(Rect(0, 0, 5, 5), &glyph, Rect(0, 0, 4, 4), clFuchsia);
    EXPECT_GT(plusOne.Surface.Count(clRed), 4);
    EXPECT_EQ(plusOne.Surface.Count(clFuchsia), 0);

    // A solid brush paints the key colour in the brush colour.
    TTestCanvas solid(12, 12, clWhite);
    solid.Canvas.Brush()->SetColor(clBlue);
    solid.Canvas.BrushCopy(Rect(0, 0, 4, 4), &glyph, Rect(0, 0, 4, 4), clFuchsia);
    EXPECT_EQ(solid.Surface.Count(clBlue), 12);
    EXPECT_EQ(solid.Surface.Count(clRed), 4);
}

TEST(DrawingCanvas, Frame3DCornersAndShrinking) {
    TTestCanvas t(10, 8, clWhite);
    TRect r = Rect(0, 0, 10, 8);
    Frame3D(&t.Canvas, r, clRed, clBlue, 1);
    EXPECT_EQ(r, Rect(1, 1, 9, 7));
    EXPECT_EQ(t.At(0, 0), clRed);
    EXPECT_EQ(t.At(8, 0), clRed);
    EXPECT_EQ(t.At(9, 0), clBlue);  // top row except its right pixel
    EXPECT_EQ(t.At(0, 6), clRed);
    EXPECT_EQ(t.At(0, 7), clBlue);  // left column except its bottom pixel
    EXPECT_EQ(t.Surface.Count(clRed), 9 + 7 - 1);
    EXPECT_EQ(t.Surface.Count(clBlue), 8 + 10 - 1);
    EXPECT_EQ(t.Surface.Count(clWhite, 1, 1, 9, 7), 8 * 6);

    TRect w2 = Rect(0, 0, 10, 8);
    Frame3D(&t.Canvas, w2, clGreen, clBlack, 2);
    EXPECT_EQ(w2, Rect(2, 2, 8, 6));
    EXPECT_EQ(t.At(1, 1), clGreen);
    EXPECT_EQ(t.At(8, 6), clBlack);
    EXPECT_EQ(t.Surface.Count(clWhite, 2, 2, 8, 6), 6 * 4);

    TRect none = Rect(0, 0, 10, 8);
    Frame3D(&t.Canvas, none, clRed, clRed, 0);
    EXPECT_EQ(none, Rect(0, 0, 10, 8));
}

TEST(DrawingCanvas, CanvasOnAGivenDCNeitherOwnsNorFreesIt) {
    TTestSurface s(10, 10);
    {
        TCanvas canvas;
        canvas.SetHandle(s.dc());
        EXPECT_EQ(canvas.Handle(), s.dc());
        canvas.Brush()->SetColor(clRed);
        canvas.FillRect(Rect(0, 0, 2, 2));
    }
    // The DC still works after the canvas is gone.
    HBRUSH blue = CreateSolidBrush(clBlue);
    EXPECT_TRUE(FillRect(s.dc(), Rect(5, 5, 6, 6), blue));
    EXPECT_EQ(s.At(0, 0), clRed);
    EXPECT_EQ(s.At(5, 5), clBlue);
    DeleteObject(blue);
}

TEST(DrawingCanvas, HandleSelectsFontAndColoursForDirectCalls) {
    TTestCanvas t(80, 30, clWhite);
    t.Canvas.Font()->SetColor(clRed);
    t.Canvas.Brush()->SetStyle(bsClear);
    HDC dc = t.Canvas.Handle();
    EXPECT_EQ(GetTextColor(dc), clRed);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    TRect r = Rect(0, 0, 80, 30);
    DrawText(dc, "Hello", r, 0);
    EXPECT_GT(t.Surface.CountInk(clRed, clWhite), 0);
    EXPECT_EQ(t.Surface.CountBetween(clRed, clWhite), 80 * 30);
    // A colour set on the DC directly holds until the canvas's font changes.
    SetTextColor(t.Canvas.Handle(), clBlue);
    EXPECT_EQ(GetTextColor(t.Canvas.Handle()), clBlue);
    t.Canvas.Font()->SetColor(clGreen);
    EXPECT_EQ(GetTextColor(t.Canvas.Handle()), clGreen);
}

TEST(DrawingCanvas, CreateHandleHookMakesTheDCOnDemand) {
    struct TOnDemandCanvas : TCanvas {
        TTestSurface Surface{6, 6};
        int Created = 0;
        void CreateHandle() override {
            ++Created;
            SetHandle(Surface.dc());
        }
    };
    TOnDemandCanvas canvas;
    EXPECT_FALSE(canvas.HandleAllocated());
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 6, 6));
    canvas.FillRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(canvas.Created, 1);
    EXPECT_EQ(canvas.Surface.Count(clRed), 36);

    TCanvas none;  // without a DC nothing happens
    none.FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(none.Handle(), nullptr);
    EXPECT_EQ(none.ClipRect(), TRect{});
    EXPECT_EQ(none.TextWidth("abc"), 0);
}

TEST(DrawingCanvas, ClipRectAndPixels) {
    TTestCanvas t(20, 20);
    SetViewportOrgEx(t.Surface.dc(), 5, 5, nullptr);
    IntersectClipRect(t.Surface.dc(), 0, 0, 10, 10);
    EXPECT_EQ(t.Canvas.ClipRect(), Rect(0, 0, 10, 10));
    SetViewportOrgEx(t.Surface.dc(), 0, 0, nullptr);
    EXPECT_EQ(t.Canvas.ClipRect(), Rect(5, 5, 15, 15));
    t.Canvas.SetPixels(5, 5, clRed);
    t.Canvas.SetPixels(4, 4, clRed);  // outside the clip
    EXPECT_EQ(t.Canvas.Pixels(5, 5), clRed);
    EXPECT_EQ(t.Canvas.Pixels(4, 4), TColor(CLR_INVALID));
    EXPECT_EQ(t.At(4, 4), clWhite);
    EXPECT_EQ(t.Canvas.Pixels(100, 100), TColor(CLR_INVALID));
}

TEST(DrawingCanvas, CopyRectAndDraw) {
    TTestCanvas source(4, 4, clRed);
    TTestCanvas dest(10, 10, clWhite);
    dest.Canvas.CopyRect(Rect(2, 2, 4, 4), &source.Canvas, Rect(0, 0, 2, 2));
    EXPECT_EQ(dest.Surface.Count(clRed), 4);
    dest.Canvas.CopyRect(Rect(0, 6, 8, 10), &source.Canvas, Rect(0, 0, 4, 4));  // stretched
    EXPECT_EQ(dest.Surface.Count(clRed, 0, 6, 10, 10), 32);

    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(0, 0, 3, 2));
    TTestCanvas target(10, 10, clWhite);
    target.Canvas.Draw(7, 8, &bitmap);  // partly outside
    EXPECT_EQ(target.Surface.Count(clBlue), 3 * 2);
    target.Canvas.StretchDraw(Rect(0, 0, 6, 4), &bitmap);
    EXPECT_EQ(target.Surface.Count(clBlue, 0, 0, 6, 4), 24);
    target.Canvas.Draw(0, 0, nullptr);
}

TEST(DrawingCanvas, LocksNest) {
    TCanvas canvas;
    canvas.Lock();
    canvas.Lock();
    EXPECT_EQ(canvas.LockCount(), 2);
    EXPECT_FALSE(canvas.TryLock());
    canvas.Unlock();
    canvas.Unlock();
    canvas.Unlock();  // extra unlocks are harmless
    EXPECT_EQ(canvas.LockCount(), 0);
    EXPECT_TRUE(canvas.TryLock());
}

TEST(DrawingCanvas, FontPenAndBrushDefaultsAndChangeNotifications) {
    TFont font;
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
    EXPECT_TRUE(font.Style().Empty());
    int changes = 0;
    font.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &font);
        ++changes;
    };
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    EXPECT_EQ(font.Size(), 10);
    // Sizes past the drawable range end at its ends, with nothing overflowed
    // on the way (the sanitizer build runs this).
    const struct {
        int Points, Pixels;
        bool BySize;
    } extremes[] = {{0, INT_MIN, false}, {0, INT_MAX, false}, {INT_MAX, 0, true}, {INT_MIN, 0, true},
                    {1610612736, 0, true}};
    for (const auto& e : extremes) {
        TFont big;
        if (e.BySize) big.SetSize(e.Points); else big.SetHeight(e.Pixels);
        const int expected = (e.BySize ? e.Points > 0 : e.Pixels < 0) ? -2048 : 2048;
        EXPECT_EQ(big.Height(), expected) << e.Points << " " << e.Pixels;
        EXPECT_EQ(big.Size(), -expected * 3 / 4);
        EXPECT_NE(big.Handle(), nullptr);
    }
    font.SetHeight(-13);  // same value: no notification
    font.SetStyle({fsBold, fsItalic});
    font.SetColor(clRed);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(font.Style().Contains(fsItalic));
    EXPECT_FALSE(font.Style().Contains(fsUnderline));
    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Height(), -13);
    EXPECT_EQ(copy.Style(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(copy.Color(), clRed);
    EXPECT_THROW(copy.Assign(nullptr), EPropertyError);

    TPen pen;
    pen.SetWidth(0);
    EXPECT_EQ(pen.Width(), 1);
    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.Handle(), GetStockObject(NULL_BRUSH));
}

TEST(DrawingCanvas, FontPublishesItsPropertiesInStreamOrder) {
    const TClassInfo& info = TFont::StaticClassInfo();
    std::vector<std::string> names;
    for (const TPropInfo& p : info.Published) names.push_back(p.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"}));
    TFont font;
    const TPropInfo* charset = info.FindPublished("Charset");
    ASSERT_NE(charset, nullptr);
    EXPECT_EQ(*charset->Get(font), TValue::Identifier("DEFAULT_CHARSET"));
    charset->Set(font, TValue::Identifier("SYMBOL_CHARSET"), nullptr);
    EXPECT_EQ(font.Charset(), SYMBOL_CHARSET);
    EXPECT_THROW(charset->Set(font, TValue::Identifier("KLINGON_CHARSET"), nullptr), EPropertyError);
    info.FindPublished("Style")->Set(font, TValue::SetOf({"fsBold", "fsUnderline"}), nullptr);
    EXPECT_EQ(font.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_FALSE(info.FindPublished("Size")->IsStored(font));
}
