// Caption painting shared by the captioned controls: the measuring text and
// the caption's place beside a check mark.

#include <gtest/gtest.h>

#include "host/framework/Graphics.h"
#include "orvo/OrvoCaptionPainting.h"

using namespace Orvo;

TEST(CaptionPainting, CaptionMeasuringTextDropsOnlyTheFirstAmpersand) {
    EXPECT_EQ(CaptionMeasuringText("&Sound"), "Sound");
    EXPECT_EQ(CaptionMeasuringText("A&&B"), "A&B");
    EXPECT_EQ(CaptionMeasuringText("a&b&c"), "ab&c");
    EXPECT_EQ(CaptionMeasuringText(""), "");
}

TEST(CaptionPainting, CaptionLayoutCentresWithTruncation) {
    TBitmap surface;
    surface.SetPixelFormat(pf32bit);
    surface.SetSize(100, 40);
    TFont font;
    surface.Canvas()->SetFont(&font);
    const TSize size = surface.Canvas()->TextExtent("Sound");
    // A client area shorter than the text: the negative half truncates toward zero.
    const TRect client = Rect(0, 0, 100, size.cy - 3);
    const TCaptionLayout layout = LayoutCaption(surface.Canvas(), "&Sound", client, taRightJustify, false);
    EXPECT_EQ(layout.MeasuringText, "Sound");
    EXPECT_EQ(layout.CaptionRect, Rect(20, -1, 20 + size.cx, -1 + size.cy));
    const TCaptionLayout left = LayoutCaption(surface.Canvas(), "Sound", Rect(0, 1, 95, 18), taLeftJustify, false);
    EXPECT_EQ(left.CaptionRect.Left, 3);
    EXPECT_EQ(left.CaptionRect.Top, 1 + (17 - size.cy) / 2);
}
