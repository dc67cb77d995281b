#include "orvo/OrvoBackground.h"

#include <algorithm>
#include <cmath>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"

namespace Orvo {

// ================================================================ TGradientRamp

namespace {

// trunc(i * step) of the exact product. A float has 24 significant bits,
// so below 2^29 the product needs at most 53 and a double holds it exactly
// (and converting to an integer truncates): far cheaper than extended
// precision, which is kept for the rest. A band's colour is asked for every
// row or column painted.
int TruncatedStep(int index, float step) {
    constexpr int kExactInDouble = 1 << 29;
    if (index < kExactInDouble && index > -kExactInDouble)
        return int(static_cast<long long>(static_cast<double>(index) * static_cast<double>(step)));
    return int(std::trunc(static_cast<long double>(index) * static_cast<long double>(step)));
}

// (to - from) / extent, rounded once to single precision. A zero extent
// would divide by zero and make every band NaN: it has no step instead.
float ChannelStep(int from, int to, int extent) {
    if (extent == 0) return 0.0f;
    return static_cast<float>(static_cast<long double>(to - from) / extent);
}

// Division rounding toward minus infinity (tile indices left of the origin).
int FloorDiv(int value, int divisor) {
    const int q = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? q - 1 : q;
}

}  // namespace

TGradientRamp::TGradientRamp(TColor startColor, TColor endColor, int extent) {
    const COLORREF start = ColorToRGB(startColor);
    const COLORREF end = ColorToRGB(endColor);
    FRed0 = GetRValue(start);
    FGreen0 = GetGValue(start);
    FBlue0 = GetBValue(start);
    FRedStep = ChannelStep(FRed0, GetRValue(end), extent);
    FGreenStep = ChannelStep(FGreen0, GetGValue(end), extent);
    FBlueStep = ChannelStep(FBlue0, GetBValue(end), extent);
}

TColor TGradientRamp::Band(int index) const {
    // trunc never moves past the end value, so each channel stays a byte.
    const int red = FRed0 + TruncatedStep(index, FRedStep);
    const int green = FGreen0 + TruncatedStep(index, FGreenStep);
    const int blue = FBlue0 + TruncatedStep(index, FBlueStep);
    return TColor(blue * 65536 + green * 256 + red);
}

// ================================================================ TOrvoBackground

TOrvoBackground::TOrvoBackground(TComponent* owner)
    : TGraphicControl(owner), FTileImage(std::make_unique<TBitmap>()) {
    // The gradient or the tiles cover every pixel: the parent need not erase
    // what lies beneath.
    FControlStyle.Include(csOpaque);
    SetAlign(alClient);
    // The size until the parent aligns the control.
    SetWidth(50);
    SetHeight(50);
}

TOrvoBackground::~TOrvoBackground() = default;

const TClassInfo& TOrvoBackground::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoBackground", &TGraphicControl::StaticClassInfo(),
                     [](TComponent* owner) { return new TOrvoBackground(owner); });
        using C = TOrvoBackground;
        // None of the control's own properties has a stored default; Align is
        // not published, so a form description cannot change it.
        TClassBuilder<C>(i)
            .Color("GradientStartColor", &C::GradientStartColor, &C::SetGradientStartColor)
            .Color("GradientEndColor", &C::GradientEndColor, &C::SetGradientEndColor)
            .Enum("Style", &C::Style, &C::SetStyle, GradStyleNames())
            .Object("TileImage", &C::TileImage)
            .Str("Version", &C::Version, &C::SetVersion)
            .Publish({"GradientStartColor", "GradientEndColor", "Style", "TileImage", "Version"});
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoBackground::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoBackground::SetGradientStartColor(TColor value) {
    if (value == FGradientStartColor) return;
    FGradientStartColor = value;
    Invalidate();
}

void TOrvoBackground::SetGradientEndColor(TColor value) {
    if (value == FGradientEndColor) return;
    FGradientEndColor = value;
    Invalidate();
}

void TOrvoBackground::SetStyle(TGradStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Invalidate();
}

void TOrvoBackground::SetTileImage(const TBitmap* value) {
    if (value != FTileImage.get()) FTileImage->Assign(value);
    Invalidate();
}

// ---------------------------------------------------------------- messages

void TOrvoBackground::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        // Paint covers every pixel; there is nothing to erase.
        message.Result = 1;
        return;
    }
    TGraphicControl::WndProc(message);
}

// ---------------------------------------------------------------- painting

void TOrvoBackground::Paint() {
    if (FTileImage->Empty()) PaintGradient();
    else PaintTiles();
}

// Only the bands and tiles that meet the canvas's clip box are drawn: the
// others would be clipped away pixel by pixel, and a transparent control
// asks for the small part of the picture under itself many times a second.

void TOrvoBackground::PaintGradient() {
    // The whole extent, not a 16-bit one: a control taller or wider than
    // 32767 pixels still runs from the start to the end colour.
    const int n = FStyle == gsVertical ? Height() : Width();
    if (n < 0) return;
    const TGradientRamp ramp(FGradientStartColor, FGradientEndColor, n);
    TCanvas* canvas = Canvas();
    TBrush* brush = canvas->Brush();
    const TRect clip = canvas->ClipRect();
    // n + 1 bands: the last lies just outside the control and is clipped.
    const int first = std::max(0, FStyle == gsVertical ? clip.Top : clip.Left);
    const int last = std::min(n, (FStyle == gsVertical ? clip.Bottom : clip.Right) - 1);
    if (first <= last) {
        // One pass over the clip for all the bands: a brush of each band's
        // colour would make and free a drawing object a band.
        const bool vertical = FStyle == gsVertical;
        FillBands(canvas->Handle(), vertical ? Rect(0, first, Width(), last + 1) : Rect(first, 0, last + 1, Height()),
                  vertical ? TBandDirection::Rows : TBandDirection::Columns, [&](int i) { return ramp.Band(i); });
        if (canvas->OnChange) canvas->OnChange(canvas);  // drawn on, as FillRect would tell
    }
    // The canvas is left as the whole ramp would leave it.
    brush->SetColor(ramp.Band(n));
}

void TOrvoBackground::PaintTiles() {
    TBitmap* tile = FTileImage.get();
    const int tileWidth = tile->Width();
    const int tileHeight = tile->Height();
    const int columns = Width() / tileWidth;
    const int rows = Height() / tileHeight;
    if (columns < 0 || rows < 0) return;
    TCanvas* canvas = Canvas();
    const TRect clip = canvas->ClipRect();
    if (clip.IsEmpty()) return;
    // Column by column, each from the top; the last column and row are cut
    // at the control's edge.
    const int firstColumn = std::max(0, FloorDiv(clip.Left, tileWidth));
    const int lastColumn = std::min(columns, FloorDiv(clip.Right - 1, tileWidth));
    const int firstRow = std::max(0, FloorDiv(clip.Top, tileHeight));
    const int lastRow = std::min(rows, FloorDiv(clip.Bottom - 1, tileHeight));
    for (int a = firstColumn; a <= lastColumn; ++a)
        for (int b = firstRow; b <= lastRow; ++b) canvas->Draw(a * tileWidth, b * tileHeight, tile);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoBackground::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
