#include "orvo/OrvoTransparentFocus.h"

#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"

namespace Orvo {

void TOrvoFocusScheme::Enter(TControl& control, bool& transparent, bool focusHighlight, TColor highlightColor) {
    if (!FInFocusedState) {
        FSavedTransparent = transparent;
        FSavedColor = control.Color();
        FFocusChanged = false;
        FInFocusedState = true;
    }
    if (transparent) {
        // Only the field: the repaint below covers it.
        transparent = false;
        FFocusChanged = true;
    }
    if (focusHighlight) {
        // Through the property: the framework turns ParentColor off and
        // repaints when the colour differs.
        control.SetColor(highlightColor);
        FFocusChanged = true;
    }
}

bool TOrvoFocusScheme::Leave(TControl& control, bool& transparent) {
    if (!FInFocusedState) return false;
    FInFocusedState = false;
    transparent = FSavedTransparent;
    control.SetColor(FSavedColor);
    return FFocusChanged;
}

void EraseSeeThroughBackground(TControl& control, HDC dc, TColor color, std::uint8_t transparency) {
    if (!dc) return;
    // The temporary canvas selects its own font, brush and text colour into
    // the device context; the window draws its text with what it had set.
    TSavedDC saved(dc);
    TCanvas canvas;
    TCanvasOnDC attach(&canvas, dc);  // the device context stays the caller's
    CopyParentBackground(&control, &canvas);
    if (transparency < 100) BlendColor(&canvas, color, transparency);
}

LRESULT AnswerSeeThroughColors(HDC dc) {
    if (dc) SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

bool FocusBeforeScrolling(TWinControl& control) {
    if (control.Focused()) return true;
    TComponentGuard guard(&control);
    control.SetFocus();
    return !guard.Destroyed();
}

const std::vector<std::string>& AlignmentNames() {
    static const std::vector<std::string> names{"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}

}  // namespace Orvo
