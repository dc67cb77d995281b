#include "orvo/OrvoClasses.h"

#include <algorithm>

#include "host/Colors.h"
#include "host/Controls.h"
#include "host/Gdi.h"
#include "host/Graphics.h"
#include "host/Messages.h"

const std::vector<std::string>& OrvoBorderNames() {
    static const std::vector<std::string> names{"obNone", "obLowered", "obRaised", "obSimple"};
    return names;
}

const std::vector<std::string>& OrvoBorderVisibleNames() {
    static const std::vector<std::string> names{"bvAlways", "bvWhenFocused"};
    return names;
}

const std::vector<std::string>& OrvoCheckStyleNames() {
    static const std::vector<std::string> names{"osFlat", "os3D", "os3DJumbo"};
    return names;
}

const std::vector<std::string>& OrvoCheckTypeNames() {
    static const std::vector<std::string> names{"ocCheck", "ocCross", "ocCircle"};
    return names;
}

const std::vector<std::string>& GradStyleNames() {
    static const std::vector<std::string> names{"gsHorizontal", "gsVertical"};
    return names;
}

void CopyParentBackground(TControl* control, TCanvas* canvas) {
    if (!control || !canvas) return;
    TWinControl* parent = control->Parent();
    if (!parent) return;
    HDC dc = canvas->Handle();
    if (!dc) return;
    // Without a saved state the shift and the clipping could not be undone,
    // so the canvas is better left alone.
    const int savedLevel = SaveDC(dc);
    if (savedLevel == 0) return;

    // From here on the parent's client coordinates land on the control.
    TPoint origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.X - control->Left(), origin.Y - control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());

    // Given a DC, the parent paints into it: background, own painting and
    // windowless children (windowed siblings are not painted).
    const WPARAM target = reinterpret_cast<WPARAM>(dc);
    parent->Perform(WM_ERASEBKGND, target, 0);
    parent->Perform(WM_PAINT, target, 0);

    RestoreDC(dc, savedLevel);
}

void BlendColor(TCanvas* canvas, TColor color, std::uint8_t transparency) {
    if (!canvas) return;
    // Above 100 the result would leave the byte range; callers cap it already.
    const int percent = std::min<int>(transparency, 100);
    const COLORREF rgb = ColorToRGB(color);
    // In row memory a pixel is blue, green, red, reserved.
    const int colour[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};

    const TRect clip = canvas->ClipRect();
    const int width = clip.Width();
    const int height = clip.Height();
    if (width <= 0 || height <= 0) return;
    HDC dc = canvas->Handle();
    if (!dc) return;

    TBitmap picture;
    picture.SetPixelFormat(pf32bit);
    picture.SetSize(width, height);
    BitBlt(picture.Canvas()->Handle(), 0, 0, width, height, dc, clip.Left, clip.Top, SRCCOPY);

    for (int y = 0; y < height; ++y) {
        std::uint8_t* pixel = picture.ScanLine(y);
        for (int x = 0; x < width; ++x, pixel += 4) {
            for (int channel = 0; channel < 3; ++channel) {
                const int c = colour[channel];
                // Integer division truncates toward zero, so odd differences
                // round toward the colour being laid over.
                pixel[channel] = std::uint8_t(c - percent * (c - int(pixel[channel])) / 100);
            }
            pixel[3] = 0;
        }
    }
    canvas->Draw(clip.Left, clip.Top, &picture);
}
