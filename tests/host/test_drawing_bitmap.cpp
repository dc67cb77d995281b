// TBitmap: sizes, row memory, its canvas, resources, streaming and LoadBitmap.
#include <gtest/gtest.h>

#include <sstream>

#include "bmp_test_files.h"
#include "drawing_test_support.h"
#include "host/services/Resources.h"

using namespace Orvo;

namespace {

const TResourceRegistration kTestGlyph(TResourceType::Bitmap, "TEST_DRAWING_GLYPH", GlyphLikeBmp());
const std::vector<std::uint8_t> kBroken = {'B', 'M', 1, 2, 3};
const TResourceRegistration kBrokenGlyph(TResourceType::Bitmap, "TEST_DRAWING_BROKEN", kBroken);

}  // namespace

TEST(DrawingBitmap, ScanLineRowsAreBlueGreenRedReserved) {
    TBitmap bitmap;
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetWidth(645);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 645);
    bitmap.SetHeight(294);
    ASSERT_FALSE(bitmap.Empty());
    EXPECT_EQ(bitmap.Height(), 294);
    std::uint8_t* row = bitmap.ScanLine(10);
    row[4 * 3 + 0] = 0x30;  // blue
    row[4 * 3 + 1] = 0x20;  // green
    row[4 * 3 + 2] = 0x10;  // red
    EXPECT_EQ(bitmap.Pixel(3, 10), TColor(RGB(0x10, 0x20, 0x30)));
    EXPECT_EQ(bitmap.Canvas()->Pixels(3, 10), TColor(RGB(0x10, 0x20, 0x30)));
    // Consecutive rows are separate memory of Width pixels.
    EXPECT_EQ(bitmap.ScanLine(11) - bitmap.ScanLine(10), 645 * 4);
    EXPECT_THROW(bitmap.ScanLine(294), EInvalidGraphic);
    EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
    EXPECT_THROW(bitmap.SetPixelFormat(pf24bit), EInvalidGraphic);
    EXPECT_THROW(bitmap.SetSize(-1, 5), EInvalidGraphic);
    EXPECT_THROW(bitmap.SetSize(100000, 5), EInvalidGraphic);
    EXPECT_EQ(bitmap.Width(), 645);  // refused sizes change nothing
}

TEST(DrawingBitmap, ResizingKeepsThePixelsThatFit) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 4, 4));
    bitmap.SetSize(6, 2);
    EXPECT_EQ(bitmap.Pixel(3, 1), clRed);
    EXPECT_EQ(bitmap.Pixel(4, 1), clBlack);
    // The canvas follows the new size.
    bitmap.Canvas()->Brush()->SetColor(clBlue);
    bitmap.Canvas()->FillRect(Rect(0, 0, 6, 2));
    EXPECT_EQ(bitmap.Pixel(5, 1), clBlue);
    EXPECT_EQ(bitmap.Canvas()->ClipRect(), Rect(0, 0, 6, 2));
    EXPECT_EQ(bitmap.Pixel(6, 0), TColor(CLR_INVALID));
}

TEST(DrawingBitmap, AssignCopiesAndNothingEmpties) {
    TBitmap a, b;
    a.SetSize(3, 3);
    a.SetPixel(1, 1, clLime);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Pixel(1, 1), clLime);
    a.SetPixel(1, 1, clRed);  // a copy, not shared pixels
    EXPECT_EQ(b.Pixel(1, 1), clLime);
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Handle(), nullptr);
    EXPECT_EQ(changes, 2);
    TFont font;
    EXPECT_THROW(b.Assign(&font), EPropertyError);
}

TEST(DrawingBitmap, LoadsResourcesByNameAndHandleCanBeSet) {
    TBitmap glyph;
    glyph.LoadFromResourceName("test_drawing_glyph");  // names ignore case
    ASSERT_EQ(glyph.Width(), 16);
    EXPECT_EQ(glyph.Pixel(0, 15), clFuchsia);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    EXPECT_EQ(glyph.Pixel(5, 5), clRed);
    EXPECT_EQ(glyph.Pixel(15, 0), clYellow);
    EXPECT_THROW(glyph.LoadFromResourceName("NO_SUCH_GLYPH"), EResNotFound);
    EXPECT_THROW(glyph.LoadFromResourceName("TEST_DRAWING_BROKEN"), EInvalidGraphic);
    EXPECT_EQ(glyph.Width(), 16);  // a failed load keeps the picture

    TBitmap viaHandle;
    viaHandle.SetHandle(LoadBitmapA(HInstance, "TEST_DRAWING_GLYPH"));
    EXPECT_EQ(viaHandle.Pixel(15, 0), clYellow);
    EXPECT_EQ(LoadBitmap(HInstance, "NO_SUCH_GLYPH"), nullptr);
    EXPECT_EQ(LoadBitmap(HInstance, "TEST_DRAWING_BROKEN"), nullptr);
    viaHandle.SetHandle(LoadBitmap(HInstance, "NO_SUCH_GLYPH"));
    EXPECT_TRUE(viaHandle.Empty());
}

TEST(DrawingBitmap, AnUntouchedLoadedPictureSavesByteForByte) {
    const std::vector<std::uint8_t> file = GlyphLikeBmp();
    TBitmap bitmap;
    bitmap.LoadFromBytes(file);
    EXPECT_EQ(bitmap.SaveToBytes(), file);
    std::ostringstream out;
    bitmap.SaveToStream(out);
    EXPECT_EQ(out.str(), std::string(file.begin(), file.end()));

    // After a change the picture is written as a 32-bit file of the new pixels.
    bitmap.Canvas()->SetPixels(0, 0, clBlue);
    const std::vector<std::uint8_t> changed = bitmap.SaveToBytes();
    EXPECT_NE(changed, file);
    TBitmap reread;
    std::istringstream in(std::string(changed.begin(), changed.end()));
    reread.LoadFromStream(in);
    EXPECT_EQ(reread.Pixel(0, 0), clBlue);
    EXPECT_EQ(reread.Pixel(5, 5), clRed);
    EXPECT_EQ(reread.Pixel(0, 15), clFuchsia);

    TBitmap empty;
    EXPECT_TRUE(empty.SaveToBytes().empty());
    EXPECT_THROW(empty.LoadFromBytes(kBroken), EInvalidGraphic);
    EXPECT_TRUE(empty.Empty());
}

TEST(DrawingBitmap, FormDataIsAByteCountAndABmpFile) {
    TBitmap bitmap;
    bitmap.LoadFromBytes(GlyphLikeBmp());
    const std::vector<std::uint8_t> data = bitmap.WriteData();
    const std::uint32_t count = data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t(data[3]) << 24);
    EXPECT_EQ(count, data.size() - 4);
    EXPECT_EQ(data[4], 'B');

    TBitmap copy;
    copy.ReadData(data);
    EXPECT_EQ(copy.Pixel(15, 0), clYellow);
    std::vector<std::uint8_t> lying = data;
    lying[0] ^= 1;
    EXPECT_THROW(copy.ReadData(lying), EInvalidGraphic);
    EXPECT_THROW(copy.ReadData(std::vector<std::uint8_t>{1, 0}), EInvalidGraphic);
    copy.ReadData(std::vector<std::uint8_t>{0, 0, 0, 0});
    EXPECT_TRUE(copy.Empty());

    // The same through the streamed property.
    const TPropInfo* prop = TBitmap::StaticClassInfo().FindPublished("Data");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(*prop->Get(bitmap), TValue::Bin(data));
    prop->Set(copy, TValue::Bin(data), nullptr);
    EXPECT_EQ(copy.Width(), 16);
    EXPECT_THROW(prop->Set(copy, TValue::Bin(lying), nullptr), EPropertyError);
    EXPECT_FALSE(prop->Get(TBitmap()).has_value());
}

TEST(DrawingBitmap, CanvasDrawingRaisesOnChange) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    bitmap.Canvas()->FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(changes, 1);
}
