#include "orvo/OrvoCheckPainting.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/framework/Controls.h"
#include "host/framework/Graphics.h"
#include "host/services/Resources.h"

namespace Orvo {

// ---------------------------------------------------------------- per-paint choices

TColor BackgroundPaintColor(bool focused, bool focusHighlight, TColor highlightColor, TColor color) {
    return focused && focusHighlight ? highlightColor : color;
}

TColor CaptionPaintColor(bool hot, TColor hotTrackFontColor, TColor fontColor) {
    return hot ? hotTrackFontColor : fontColor;
}

TOrvoBorder EffectiveBorder(TOrvoBorder border, TOrvoBorderVisible visible, bool focused) {
    return !focused && visible == bvWhenFocused ? obNone : border;
}

// ---------------------------------------------------------------- background and border

void PaintCheckBackground(TControl* control, TCanvas* canvas, const TRect& clientRect, const TBackgroundPainting& how) {
    if (how.Transparent) {
        CopyParentBackground(control, canvas);
    } else {
        canvas->Brush()->SetColor(how.Color);
        canvas->FillRect(clientRect);
    }
    if (how.Hot) BlendColor(canvas, clBtnHighlight, 50);
}

void DrawOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor) {
    if (border == obNone) return;
    FrameOrvoBorder(canvas, rect, border, borderColor);
    OffsetRect(rect, -1, 0);
}

void FrameOrvoBorder(TCanvas* canvas, TRect& rect, TOrvoBorder border, TColor borderColor) {
    TColor topLeft = clBtnFace;
    TColor bottomRight = clBtnFace;
    switch (border) {
        case obNone:
            return;
        case obLowered:
            topLeft = clBtnShadow;
            bottomRight = clBtnHighlight;
            break;
        case obRaised:
            topLeft = clBtnHighlight;
            bottomRight = clBtnShadow;
            break;
        case obSimple:
            topLeft = borderColor;
            bottomRight = borderColor;
            break;
    }
    Frame3D(canvas, rect, topLeft, bottomRight, 1);
}

// ---------------------------------------------------------------- caption

std::string CaptionMeasuringText(std::string_view caption) {
    std::string text(caption);
    if (const auto amp = text.find('&'); amp != std::string::npos) text.erase(amp, 1);
    return text;
}

TCaptionLayout LayoutCaption(TCanvas* canvas, std::string_view caption, const TRect& clientRect, TLeftRight alignment,
                             bool wordWrap) {
    TCaptionLayout layout;
    layout.MeasuringText = CaptionMeasuringText(caption);
    if (wordWrap) {
        TRect bounds = Rect(clientRect.Left + 20, clientRect.Top, clientRect.Right, clientRect.Bottom);
        DrawText(canvas->Handle(), layout.MeasuringText, bounds, DT_CALCRECT | DT_WORDBREAK);
        layout.TextSize = TSize{bounds.Width(), bounds.Height()};
    } else {
        layout.TextSize = canvas->TextExtent(layout.MeasuringText);
    }
    const int w = layout.TextSize.cx;
    const int h = layout.TextSize.cy;
    // C++ division truncates toward zero, also for text taller than the control.
    const int top = clientRect.Top + (clientRect.Bottom - clientRect.Top - h) / 2;
    const int left = clientRect.Left + (alignment == taLeftJustify ? 3 : 20);
    layout.CaptionRect = Rect(left, top, left + w, top + h);
    return layout;
}

void SelectCaptionFont(TCanvas* canvas, const TFont* font, TColor paintFontColor) {
    canvas->SetFont(font);
    canvas->Font()->SetColor(paintFontColor);
}

void DrawCaptionFocusRect(TCanvas* canvas, const TRect& captionRect) {
    TRect frame = captionRect;
    InflateRect(frame, 1, 1);
    canvas->DrawFocusRect(frame);
}

namespace {

void DrawCaptionText(TCanvas* canvas, std::string_view caption, TRect rect, unsigned flags) {
    DrawText(canvas->Handle(), caption, rect, flags);
}

}  // namespace

void DrawDisabledCaption(TCanvas* canvas, const TCaptionDrawing& caption) {
    canvas->SetFont(caption.Font);
    canvas->Brush()->SetStyle(bsClear);
    DrawCaptionText(canvas, caption.Caption, caption.Rect, caption.LayoutFlags);
    canvas->Font()->SetColor(clBtnHighlight);
    TRect raised = caption.Rect;
    OffsetRect(raised, 1, 1);
    DrawCaptionText(canvas, caption.Caption, raised, caption.LayoutFlags);
    canvas->Font()->SetColor(clBtnShadow);
}

void DrawCaption(TCanvas* canvas, const TCaptionDrawing& caption) {
    canvas->Brush()->SetStyle(bsClear);
    if (!caption.Enabled) DrawDisabledCaption(canvas, caption);
    DrawCaptionText(canvas, caption.Caption, caption.Rect, caption.LayoutFlags | (caption.WordWrap ? DT_WORDBREAK : 0u));
    if (caption.Font) canvas->Font()->SetColor(caption.Font->Color());
}

void AutoSizeToCaption(TControl& control, TCanvas* canvas, std::string_view measuringText, TLeftRight alignment) {
    const int newWidth = canvas->TextWidth(measuringText) + 24;
    if (alignment == taLeftJustify) control.SetLeft(control.Left() - (newWidth - control.Width()));
    control.SetWidth(newWidth);
}

// ---------------------------------------------------------------- hot tracking

void TOrvoHotTracking::HandleMouseEnter(TControl& control, bool hotTrack, const TOnMouseOverEvent& onEnter) {
    if (!control.Enabled()) return;
    if (hotTrack) {
        FMouseOver = true;
        control.Repaint();
    }
    // A copy: the handler may free the control, and the event with it.
    const TOnMouseOverEvent handler = onEnter;
    handler(&control);
}

void TOrvoHotTracking::HandleMouseLeave(TControl& control, bool hotTrack, const std::function<void()>& settlePress,
                                        const TOnMouseOutEvent& onExit) {
    if (!control.Enabled()) return;
    if (hotTrack) {
        FMouseOver = false;
        control.Repaint();
    }
    if (settlePress) settlePress();
    const TOnMouseOutEvent handler = onExit;
    handler(&control);
}

// ---------------------------------------------------------------- hint

void AppendHintSecondLine(TControl& control, const std::string& secondLine) {
    if (control.ComponentState().Contains(csDesigning)) return;
    if (control.Hint().empty() || secondLine.empty()) return;
    control.SetHint(control.Hint() + '\r' + secondLine);
}

// ---------------------------------------------------------------- glyphs

std::string CheckBoxGlyphName(TOrvoCheckStyle style, TOrvoCheckType type) {
    std::string name = "CB_";
    switch (style) {
        case osFlat: break;
        case os3D: name += "3D_"; break;
        case os3DJumbo: name += "GLOSSY_"; break;
    }
    switch (type) {
        case ocCheck: name += "CHECK"; break;
        case ocCross: name += "CROSS"; break;
        case ocCircle: name += "CIRCLE"; break;
    }
    return name;
}

namespace {

std::uint8_t LightChannel(std::uint8_t c) {
    // 255 - trunc((255 - c) * 0.25): the difference is never negative, so
    // integer division truncates the same way.
    return c >= 128 ? 255 : std::uint8_t(255 - (255 - c) / 4);
}

// The marker colours of the glyph pictures, as TColor ($00BBGGRR).
constexpr TColor kMarkerBody = clRed;       // RGB(255, 0, 0)
constexpr TColor kMarkerShadow = clMaroon;  // RGB(128, 0, 0)
constexpr TColor kMarkerLight = clYellow;   // RGB(255, 255, 0)

}  // namespace

TGlyphShades GlyphShadesFor(TColor checkColor) {
    const COLORREF rgb = ColorToRGB(checkColor);
    const std::uint8_t r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
    TGlyphShades shades;
    shades.Body = rgb;
    shades.Shadow = RGB(r >> 1, g >> 1, b >> 1);
    shades.Light = RGB(LightChannel(r), LightChannel(g), LightChannel(b));
    return shades;
}

void ColorizeGlyph(TBitmap& glyph, TColor checkColor) {
    if (glyph.Empty()) return;
    const TGlyphShades shades = GlyphShadesFor(checkColor);
    for (int x = 0; x < glyph.Width(); ++x) {
        for (int y = 0; y < glyph.Height(); ++y) {
            const TColor pixel = glyph.Pixel(x, y);
            if (pixel == kMarkerBody) glyph.SetPixel(x, y, TColor(shades.Body));
            else if (pixel == kMarkerShadow) glyph.SetPixel(x, y, TColor(shades.Shadow));
            else if (pixel == kMarkerLight) glyph.SetPixel(x, y, TColor(shades.Light));
        }
    }
}

void LoadColorizedGlyph(TBitmap& glyph, std::string_view resourceName, TColor checkColor) {
    // Every check box of one glyph and colour shows the same picture: it is
    // decoded and coloured once, and each box's bitmap shares its pixels (a
    // bitmap copies them when it is written to). An entry holds the
    // resource's bytes it was made from, so a replaced resource is made anew.
    // Never destroyed: check boxes may be made during static destruction.
    struct TMadeGlyph {
        std::vector<std::uint8_t> Bytes;
        TBitmap Glyph;
    };
    static auto* made = new std::map<std::pair<std::string, TColor>, TMadeGlyph, std::less<>>();
    const TResourceBytes* bytes = FindResource(TResourceType::Bitmap, resourceName);
    if (!bytes) {
        glyph.Assign(nullptr);  // no such resource: nothing to draw
        return;
    }
    // A system colour is taken as it is now: the palette may change.
    const auto key = std::make_pair(std::string(resourceName), TColor(ColorToRGB(checkColor)));
    TMadeGlyph& entry = (*made)[key];
    if (!std::ranges::equal(entry.Bytes, *bytes)) {
        try {
            entry.Glyph.LoadFromResourceName(resourceName);
        } catch (const std::exception&) {
            // Unreadable data: nothing to draw.
            made->erase(key);
            glyph.Assign(nullptr);
            return;
        }
        ColorizeGlyph(entry.Glyph, key.second);
        entry.Bytes.assign(bytes->begin(), bytes->end());
    }
    glyph.Assign(&entry.Glyph);
}

std::string StoredHint(const std::string& hint, const std::string& secondLine) {
    if (secondLine.empty()) return hint;
    const std::string appended = "\r" + secondLine;
    if (hint.size() > appended.size() && hint.compare(hint.size() - appended.size(), appended.size(), appended) == 0)
        return hint.substr(0, hint.size() - appended.size());
    return hint;
}

bool HandleSharedCheckMessage(TControl& control, TMessage& message, bool transparent,
                              const std::function<void(TMessage&)>& inherited) {
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
        case CM_PARENTCOLORCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED:
        case CM_VISIBLECHANGED:
            inherited(message);
            control.Invalidate();
            return true;
        case WM_MOVE:
            inherited(message);
            // The parent's picture under the control is another one now.
            if (transparent) control.Invalidate();
            return true;
        case WM_ERASEBKGND:
            if (!transparent) return false;
            // Paint copies the parent's picture; erasing first would flicker.
            message.Result = 1;
            return true;
        case WM_LBUTTONDBLCLK: {
            // The inherited handling raises the double click and passes the
            // second press to MouseDown; the click of that press is raised here.
            TComponentGuard guard(&control);
            inherited(message);
            if (!guard.Destroyed()) control.Click();
            return true;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            TComponentGuard guard(&control);
            inherited(message);
            if (!guard.Destroyed()) control.Repaint();
            return true;
        }
        default:
            return false;
    }
}

}  // namespace Orvo
