// TCanvas: a device context with a pen, brush and font; and Frame3D.
#include "host/framework/Graphics.h"

#include "host/services/GdiInternal.h"

namespace Orvo {

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
    // A changed object is selected again before the next drawing.
    FFont->OnChange = [this](TObject*) { FState &= ~unsigned(csFont); };
    FPen->OnChange = [this](TObject*) { FState &= ~unsigned(csPen); };
    FBrush->OnChange = [this](TObject*) { FState &= ~unsigned(csBrush); };
}

TCanvas::~TCanvas() = default;

void TCanvas::SetBrush(const TBrush* brush) {
    if (brush) FBrush->Assign(brush);
}
void TCanvas::SetPen(const TPen* pen) {
    if (pen) FPen->Assign(pen);
}
void TCanvas::SetFont(const TFont* font) {
    if (font) FFont->Assign(font);
}

HDC TCanvas::Handle() { return RequireState(csPen | csBrush | csFont); }

void TCanvas::SetHandle(HDC dc) {
    // Even the same handle is taken as new: a DC freed and made again can
    // come back at the same address with nothing of ours selected.
    FHandle = dc;
    FState = 0;
}

HDC TCanvas::RequireState(unsigned bits) {
    if (!FHandle) CreateHandle();
    if (!FHandle) return nullptr;
    const unsigned missing = bits & ~FState;
    if (missing & csFont) {
        SelectObject(FHandle, FFont->Handle());
        SetTextColor(FHandle, FFont->Color());
    }
    if (missing & csPen) SelectObject(FHandle, FPen->Handle());
    if (missing & csBrush) {
        SelectObject(FHandle, FBrush->Handle());
        SetBkColor(FHandle, FBrush->Color());
        SetBkMode(FHandle, FBrush->Style() == bsClear ? TRANSPARENT : OPAQUE);
    }
    FState |= missing;
    return FHandle;
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TRect TCanvas::ClipRect() {
    TRect box;
    if (HDC dc = RequireState(0)) GetClipBox(dc, &box);
    return box;
}

TPoint TCanvas::PenPos() {
    TPoint p;
    if (HDC dc = RequireState(0)) GetCurrentPositionEx(dc, &p);
    return p;
}

void TCanvas::SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = RequireState(0)) MoveToEx(dc, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::LineTo(dc, x, y);
        Changed();
    }
}

void TCanvas::FillRect(const TRect& rect) {
    if (HDC dc = RequireState(csBrush)) {
        Orvo::FillRect(dc, rect, FBrush->Handle());
        Changed();
    }
}

void TCanvas::FrameRect(const TRect& rect) {
    if (HDC dc = RequireState(csBrush)) {
        Orvo::FrameRect(dc, rect, FBrush->Handle());
        Changed();
    }
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::Rectangle(dc, left, top, right, bottom);
        Changed();
    }
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::Ellipse(dc, left, top, right, bottom);
        Changed();
    }
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::RoundRect(dc, left, top, right, bottom, ellipseWidth, ellipseHeight);
        Changed();
    }
}

void TCanvas::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::Arc(dc, left, top, right, bottom, xStart, yStart, xEnd, yEnd);
        Changed();
    }
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::Polygon(dc, points.data(), int(points.size()));
        Changed();
    }
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        Orvo::Polyline(dc, points.data(), int(points.size()));
        Changed();
    }
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    if (HDC dc = RequireState(csBrush)) {
        Orvo::DrawFocusRect(dc, rect);
        Changed();
    }
}

TColor TCanvas::Pixels(int x, int y) {
    HDC dc = RequireState(0);
    return dc ? TColor(GetPixel(dc, x, y)) : TColor(CLR_INVALID);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    if (HDC dc = RequireState(csPen | csBrush)) {
        SetPixel(dc, x, y, color);
        Changed();
    }
}

TSize TCanvas::TextExtent(std::string_view text) {
    HDC dc = RequireState(csFont);
    return dc ? Orvo::TextExtent(dc, text) : TSize{};
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
    if (HDC dc = RequireState(csFont | csBrush)) {
        Orvo::TextOut(dc, x, y, text);
        MoveToEx(dc, x + Orvo::TextExtent(dc, text).cx, y, nullptr);
        Changed();
    }
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) {
    if (HDC dc = RequireState(csFont | csBrush)) {
        unsigned options = ETO_CLIPPED;
        if (FBrush->Style() != bsClear) options |= ETO_OPAQUE;
        ExtTextOut(dc, x, y, options, &rect, text);
        Changed();
    }
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect) {
    if (!source) return;
    HDC from = source->RequireState(0);
    if (HDC dc = RequireState(csBrush); dc && from) {
        StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), from, sourceRect.Left, sourceRect.Top,
                   sourceRect.Width(), sourceRect.Height(), SRCCOPY);
        Changed();
    }
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor keyColor) {
    if (!bitmap || bitmap->Empty()) return;
    HDC dc = RequireState(csBrush);
    QImage* image = BitmapImage(bitmap->FHandle);  // read only: the loaded file stays valid
    if (!dc || !image) return;
    gdi::TImageCopy copy;
    copy.Image = image;
    copy.Source = QRect(source.Left, source.Top, source.Width(), source.Height());
    copy.Key = ColorToRGB(keyColor);
    if (FBrush->Style() != bsClear) copy.KeyReplacement = gdi::ToPixel(FBrush->Color());
    gdi::StretchImage(dc, dest, copy);
    Changed();
}

void Frame3D(TCanvas* canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    if (!canvas) return;
    canvas->Pen()->SetWidth(1);
    --rect.Bottom;
    --rect.Right;
    while (width > 0) {
        --width;
        // Top-left first, from the bottom-left corner up and across (the end
        // point left out); bottom-right second, over the shared corners.
        const TPoint topLeftLine[] = {{rect.Left, rect.Bottom}, {rect.Left, rect.Top}, {rect.Right, rect.Top}};
        canvas->Pen()->SetColor(topLeft);
        canvas->Polyline(topLeftLine);
        const TPoint bottomRightLine[] = {{rect.Right, rect.Top}, {rect.Right, rect.Bottom}, {rect.Left - 1, rect.Bottom}};
        canvas->Pen()->SetColor(bottomRight);
        canvas->Polyline(bottomRightLine);
        InflateRect(rect, -1, -1);
    }
    ++rect.Bottom;
    ++rect.Right;
}

}  // namespace Orvo
