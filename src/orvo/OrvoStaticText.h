#pragma once
// TOrvoStaticText: a windowed label drawn entirely by the library. Its
// caption is word-wrapped and aligned left, right or centre; it can have a
// one-pixel border of the library's kinds, shows an embossed caption while
// disabled, sizes itself to its caption after each paint (AutoSize), and can
// be fully or partly transparent over its parent's picture.

#include <cstdint>
#include <string>

#include "host/framework/Controls.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

/// A caption with an optional border, shown over its parent's picture when transparent.
class TOrvoStaticText : public TCustomControl {
public:
    explicit TOrvoStaticText(TComponent* owner);
    ~TOrvoStaticText() override;

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // ---- properties of the control's own (only Transparency has a stored
    // default, 100)
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TOrvoBorder Border() const { return FBorder; }
    void SetBorder(TOrvoBorder value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // The percentage of the parent's picture that shows through Color while
    // Transparent; values above 100 are stored as 100.
    std::uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(std::uint8_t value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

    // ---- the rectangles of the last paint (for tests)
    // The client rectangle less the border: what the background fills.
    TRect BackRect() const { return FBackRect; }
    // Where the caption is drawn.
    TRect CaptionRect() const { return FCaptionRect; }

protected:
    void Paint() override;

private:
    void DrawBackground();
    void DrawCaption();
    void AutoSizeToCaption();

    // Per-paint rectangles, computed again by every paint.
    TRect FBackRect;
    TRect FCaptionRect;

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TOrvoBorder FBorder = obNone;
    TColor FBorderColor = clBlue;
    bool FTransparent = false;
    std::uint8_t FTransparency = 100;
};

}  // namespace Orvo
