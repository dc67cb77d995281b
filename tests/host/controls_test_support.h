#pragma once
// Small controls and helpers shared by the control and form tests: controls
// that paint one colour and count the messages they get, and an off-screen
// surface to paint them into.

#include <QImage>

#include <algorithm>
#include <memory>
#include <vector>

#include "host/framework/Controls.h"
#include "host/services/DeviceContextQt.h"
#include "host/framework/Forms.h"

using namespace Orvo;

// Records message numbers and paints its client area in PaintColor.
template <class Base>
class TRecorder : public Base {
public:
    explicit TRecorder(TComponent* owner) : Base(owner) {}

    std::vector<UINT> Messages;
    TColor PaintColor = clNone;  // clNone: paint nothing
    TRect LastClipRect;
    int Paints = 0;

    int Count(UINT msg) const { return int(std::count(Messages.begin(), Messages.end(), msg)); }

    void WndProc(TMessage& message) override {
        Messages.push_back(message.Msg);
        Base::WndProc(message);
    }

protected:
    void Paint() override {
        ++Paints;
        LastClipRect = this->Canvas()->ClipRect();
        if (PaintColor == clNone) return;
        this->Canvas()->Brush()->SetColor(PaintColor);
        // Deliberately larger than the control: the paint must be clipped.
        this->Canvas()->FillRect(Rect(-50, -50, this->Width() + 50, this->Height() + 50));
    }
};

using TRecordingControl = TRecorder<TCustomControl>;
using TRecordingGraphic = TRecorder<TGraphicControl>;

// An off-screen surface with a device context, for painting through messages.
struct TSurface {
    QImage Image;
    std::unique_ptr<TDeviceContext> DC;

    TSurface(int width, int height, QRgb fill = 0xFF123456) : Image(width, height, QImage::Format_RGB32) {
        Image.fill(fill);
        DC = CreateImageDC(Image);
    }
    HDC Handle() const { return DC.get(); }
    WPARAM WParam() const { return reinterpret_cast<WPARAM>(DC.get()); }
    // The pixel as a plain colour ($00BBGGRR).
    COLORREF Pixel(int x, int y) const {
        const QRgb c = Image.pixel(x, y);
        return RGB(std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c)));
    }
};

// Sets a plain colour on a control and answers it as COLORREF.
inline COLORREF Plain(TColor c) { return ColorToRGB(c); }
