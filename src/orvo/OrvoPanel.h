#pragma once
// TOrvoPanel: a container panel that can be fully or partly transparent.
// Transparent with Transparency 100 it shows its parent's picture with its
// bevels and caption on top; below 100 it lays its Color over that picture by
// the percentage. With Ctl3D off a flat one-pixel clWindowFrame frame
// replaces the bevels. Enabling or disabling it does the same to its direct
// children.

#include <cstdint>
#include <string>

#include "host/stdctrls/ExtCtrls.h"
#include "orvo/OrvoClasses.h"

namespace Orvo {

/// A panel that can be transparent, fully or only its centre.
class TOrvoPanel : public TPanel {
public:
    explicit TOrvoPanel(TComponent* owner);

    const TClassInfo& ClassInfo() const override;
    static const TClassInfo& StaticClassInfo();

    void WndProc(TMessage& message) override;

    // The panel's own flag (it hides the framework's Ctl3D and does not
    // follow ParentCtl3D): bevels and border width, or a flat frame. It
    // changes only the drawing; assigning it repaints at once, even when the
    // value is unchanged.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // The parent's picture is painted first and the interior is not filled.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Percentage of the parent's picture that shows through Color while
    // Transparent (100: only the picture, 0: solid Color). Capped at 100.
    std::uint8_t Transparency() const { return FTransparency; }
    void SetTransparency(std::uint8_t value);
    std::string Version() const { return OrvoVersion(); }
    void SetVersion(const std::string& value) { IgnoreVersion(value); }

protected:
    void Paint() override;

private:
    void DrawFrame(TRect& rect);
    void DrawCaption(TRect rect);

    bool FCtl3D = true;
    bool FTransparent = false;
    std::uint8_t FTransparency = 100;
};

}  // namespace Orvo
