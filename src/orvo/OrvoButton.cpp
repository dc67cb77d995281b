#include "orvo/OrvoButton.h"

#include <algorithm>
#include <string>

#include "host/framework/Classes.h"
#include "host/services/Colors.h"
#include "host/services/Gdi.h"
#include "host/framework/Graphics.h"
#include "host/services/Messages.h"
#include "host/framework/WindowServices.h"
#include "orvo/OrvoCaptionPainting.h"

namespace Orvo {

// ================================================================ TOrvoButton
//
// Looks. Four states decide the face: the focus (the framework's Focused),
// FIsFocused (the framework's "current push button", through
// SetButtonStyle), hot (FMouseOver, read together with HotTrack) and, from
// each CN_DRAWITEM, pressed (ODS_SELECTED) and disabled (ODS_DISABLED):
//
//   state               face                                    frame
//   normal              Color, Image centred                    3-D (Ctl3D) or flat outline
//   focused             HighlightColor when FocusHighlight      clWindowFrame outline, frame inside it
//   Default             as normal                               clWindowFrame outline, frame inside it
//   FIsFocused          dotted focus rectangle when FocusRect   unchanged
//   hot                 face and picture washed halfway to      unchanged; caption in HotTrackFontColor
//                       clBtnHighlight
//   pressed             picture moved by (1, 1), caption and    clBtnShadow outline instead of the frame
//                       glyph one pixel right and down
//   disabled            engraved caption, the second frame of   unchanged
//                       a two-frame glyph
//
// Hot state: CM_MOUSEENTER sets FMouseOver while the button is enabled and
// HotTrack is on; CM_MOUSELEAVE clears it whatever the state, so a button
// disabled or switched off while hot does not stay washed once the pointer
// has gone. Both repaint at once.

namespace {

constexpr unsigned kAlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};  // by TAlignment

}  // namespace

TOrvoButton::TOrvoButton(TComponent* owner)
    : TButton(owner),
      FGlyphFrame(std::make_unique<TBitmap>()),
      FCanvas(std::make_unique<TCanvas>()),
      FGlyph(std::make_unique<TBitmap>()),
      FImage(std::make_unique<TBitmap>()) {
    // The strip may also change in place (a form description fills it
    // through Glyph.Data): its frame count follows every change, so a paint
    // never cuts frames out of a strip that is no longer there.
    FGlyph->OnChange = [this](TObject*) { CountGlyphFrames(); };
}

TOrvoButton::~TOrvoButton() { FGlyph->OnChange = nullptr; }

const TClassInfo& TOrvoButton::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TOrvoButton", &TButton::StaticClassInfo(), [](TComponent* owner) { return new TOrvoButton(owner); });
        using C = TOrvoButton;
        // None of the button's own properties has a stored default: each is
        // always written (Color only while the button does not follow its
        // parent's colour). Glyph and Image stream as bitmaps (Glyph.Data).
        TClassBuilder<C>(i)
            .Enum("Alignment", &C::Alignment, &C::SetAlignment, {"taLeftJustify", "taRightJustify", "taCenter"})
            .Color("Color", &C::Color, &C::SetColor)
            // As for the framework's colour: while the button follows its
            // parent, the parent decides the colour a read form shows.
            .StoredWhen([](const C& b) { return !b.ParentColor(); })
            .Bool("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Bool("FocusHighlight", &C::FocusHighlight, &C::SetFocusHighlight)
            .Bool("FocusRect", &C::FocusRect, &C::SetFocusRect)
            .Object("Glyph", &C::Glyph)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor)
            .Bool("HotTrack", &C::HotTrack, &C::SetHotTrack)
            .Color("HotTrackFontColor", &C::HotTrackFontColor, &C::SetHotTrackFontColor)
            .Enum("Layout", &C::Layout, &C::SetLayout, ButtonLayoutNames())
            .Bool("ParentColor", &C::ParentColor, &C::SetParentColor)
            .Enum("Shape", &C::Shape, &C::SetShape, ShapeTypeNames())
            .Object("Image", &C::Image)
            .Str("Version", &C::Version, &C::SetVersion)
            .Bool("WordWrap", &C::WordWrap, &C::SetWordWrap)
            .Publish({"Alignment", "Color", "Ctl3D", "FocusHighlight", "FocusRect", "Glyph", "HighlightColor",
                      "HotTrack", "HotTrackFontColor", "Layout", "ParentColor", "Shape", "Image", "Version",
                      "WordWrap"});
        return i;
    }();
    return info;
}
const TClassInfo& TOrvoButton::ClassInfo() const { return StaticClassInfo(); }

// ---------------------------------------------------------------- setters

void TOrvoButton::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TOrvoButton::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    FParentColor = false;
    Invalidate();
}

void TOrvoButton::SetCtl3D(bool value) {
    if (value == FCtl3D) return;
    FCtl3D = value;
    Invalidate();
}

void TOrvoButton::SetFocusHighlight(bool value) { FFocusHighlight = value; }

void TOrvoButton::SetFocusRect(bool value) { FFocusRect = value; }

void TOrvoButton::SetGlyph(const TBitmap* value) {
    const int countBefore = FNumGlyphs;
    // Assigning the strip to itself only counts its frames again.
    if (value != FGlyph.get()) FGlyph->Assign(value);
    CountGlyphFrames();
    if (countBefore != 0) Invalidate();
}

void TOrvoButton::SetHighlightColor(TColor value) {
    if (value == FHighlightColor) return;
    FHighlightColor = value;
    Invalidate();
}

void TOrvoButton::SetHotTrack(bool value) { FHotTrack = value; }

void TOrvoButton::SetHotTrackFontColor(TColor value) {
    if (value == FHotTrackFontColor) return;
    FHotTrackFontColor = value;
    Invalidate();
}

void TOrvoButton::SetLayout(TButtonLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TOrvoButton::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    Invalidate();
}

void TOrvoButton::SetShape(TShapeType value) {
    if (value == FShape) return;
    FShape = value;
    if (value == stSquare || value == stCircle) {
        Perform(WM_SIZE, 0, 0);
    } else {
        Invalidate();
        UpdateRegion();
    }
}

void TOrvoButton::SetImage(const TBitmap* value) {
    if (value != FImage.get()) FImage->Assign(value);
    Invalidate();
}

void TOrvoButton::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    Invalidate();
}

void TOrvoButton::CountGlyphFrames() {
    // An empty strip keeps the count it had.
    if (FGlyph->Empty()) return;
    FNumGlyphs = GlyphFrameCount(FGlyph->Width(), FGlyph->Height());
}

// ---------------------------------------------------------------- window

void TOrvoButton::CreateParams(TCreateParams& params) {
    TButton::CreateParams(params);
    params.Style |= BS_OWNERDRAW;
}

void TOrvoButton::CreateWindowDone() {
    TButton::CreateWindowDone();
    // A new window has no region yet.
    UpdateRegion();
}

void TOrvoButton::SetButtonStyle(bool aDefault) {
    // The window style stays owner-drawn; only the look changes.
    if (aDefault == FIsFocused) return;
    FIsFocused = aDefault;
    Invalidate();
}

void TOrvoButton::UpdateRegion() {
    FShapeSize = Height() > Width() ? Width() : Height();
    if (IsSquareShape(FShape)) {
        // Each resize comes back here through WM_SIZE.
        if (Width() != FShapeSize) SetWidth(FShapeSize);
        if (Height() != FShapeSize) SetHeight(FShapeSize);
    }
    ApplyWindowRegion();
}

void TOrvoButton::ApplyWindowRegion() {
    // The region lives in the window, which is made for it when needed.
    // Not for a button without a parent (its window would be a top-level
    // one) nor while a form description is read (the form would get its
    // window before it is complete): such a button takes its region when
    // its window is created (CreateWindowDone).
    if (!HandleAllocated() && (!Parent() || ComponentState().Contains(csLoading))) return;
    const TRect box = Rect(0, 0, Width(), Height());
    HRGN region = CreateShapeRgn(FShape, box, RoundCorner(FShapeSize));
    // The window owns the region from here on.
    SetWindowRgn(Handle(), region, true);
    FOutsideShape.reset();
    if (!IsEllipticShape(FShape) && !IsRoundedShape(FShape)) return;
    HRGN outside = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(Handle(), outside) == ERROR_REGION) {
        DeleteObject(outside);
        return;
    }
    HRGN shape = CreateShapeRgn(FShape, box, RoundCorner(FShapeSize));
    CombineRgn(outside, outside, shape, RGN_DIFF);
    DeleteObject(shape);
    FOutsideShape.reset(outside);
}

// ---------------------------------------------------------------- messages

void TOrvoButton::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_DRAWITEM:
            HandleDrawItem(message);
            return;
        case CN_MEASUREITEM:
            if (auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)) {
                measure->itemWidth = UINT(Width());
                measure->itemHeight = UINT(Height());
            }
            message.Result = 1;
            return;
        case WM_SIZE:
            UpdateRegion();
            TButton::WndProc(message);
            return;
        case CM_ENABLEDCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED: {
            TComponentGuard guard(this);
            TButton::WndProc(message);
            if (!guard.Destroyed()) Invalidate();
            return;
        }
        case CM_PARENTCOLORCHANGED:
            HandleParentColorChanged(message);
            return;
        case CM_MOUSEENTER:
            TButton::WndProc(message);
            if (Enabled() && FHotTrack) {
                FMouseOver = true;
                Repaint();
            }
            return;
        case CM_MOUSELEAVE:
            TButton::WndProc(message);
            if (FMouseOver) {
                FMouseOver = false;
                Repaint();
            }
            return;
        default:
            TButton::WndProc(message);
    }
}

void TOrvoButton::HandleDrawItem(TMessage& message) {
    message.Result = 1;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    if (!item || !item->hDC) return;
    // The item's device context as it was once the canvas has let go of it,
    // also when the drawing raises.
    TSavedDC saved(item->hDC);
    TCanvasOnDC attach(FCanvas.get(), item->hDC);
    FCanvas->SetFont(Font());
    FCanvas->SetBrush(Brush());
    DrawButton(item->rcItem, item->itemState);
}

void TOrvoButton::HandleParentColorChanged(TMessage& message) {
    // Only the button's own ParentColor counts; the framework's colour plays
    // no part in its look.
    if (!FParentColor) return;
    if (message.WParam) SetColor(TColor(message.LParam));
    else if (Parent()) SetColor(Parent()->Brush()->Color());
    FParentColor = true;  // the Color assignment cleared it
}

// ---------------------------------------------------------------- painting

void TOrvoButton::DrawButton(const TRect& itemRect, UINT itemState) {
    const bool pressed = (itemState & ODS_SELECTED) != 0;
    unsigned frameFlags = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (pressed) frameFlags |= DFCS_PUSHED;
    if (itemState & ODS_DISABLED) frameFlags |= DFCS_INACTIVE;
    FPaintColor = Focused() && FFocusHighlight ? FHighlightColor : FColor;
    FPaintFontColor = FMouseOver && FHotTrack ? FHotTrackFontColor : Font()->Color();

    DrawFace(itemRect, pressed);

    TCanvas* canvas = FCanvas.get();
    canvas->Brush()->SetStyle(bsClear);
    if (Focused() || Default()) {
        // The current push button's dark outline, with the frame inside it.
        canvas->Pen()->SetColor(clWindowFrame);
        canvas->Pen()->SetWidth(FShape == stRectangle || FShape == stSquare ? 1 : 2);
        DrawOutline(FItemRect);
        canvas->Pen()->SetWidth(1);
        InflateRect(FItemRect, -1, -1);
    }
    if (pressed) {
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->Pen()->SetWidth(1);
        DrawOutline(FItemRect);
    } else if (FCtl3D) {
        DrawFrame3D(FItemRect, frameFlags);
    } else {
        canvas->Pen()->SetColor(clWindowFrame);
        canvas->Pen()->SetWidth(1);
        DrawOutline(FItemRect);
    }

    if (FNumGlyphs == 0) SetGlyph(FGlyph.get());  // counts; no repaint while the count was 0

    FItemRect = FocusRectFor(FShape, itemRect, FShapeSize);
    if (FIsFocused && FFocusRect) {
        canvas->Pen()->SetColor(clWindowFrame);
        canvas->Brush()->SetColor(clBtnFace);
        canvas->DrawFocusRect(FItemRect);
    }
    // Caption and glyph sit one pixel above centre and move one pixel right
    // and one down when pressed.
    if (pressed) OffsetRect(FItemRect, 1, 0);
    else OffsetRect(FItemRect, 0, -1);

    PrepareGlyph();
    DrawCaption();
    DrawGlyph();
    ShowParentOutsideShape();
}

void TOrvoButton::ShowParentOutsideShape() {
    // The window is shaped in whole logical pixels. At a device pixel ratio
    // above 1 those along a curve hold device pixels outside it, which show
    // the parent's picture, as the corners outside the window do; the face,
    // outline and frame were drawn at the device's detail up to the curve.
    // At ratio 1 the window and the shape are the same pixels.
    if (!FOutsideShape || !HandleAllocated()) return;
    HDC dc = FCanvas->Handle();
    const std::unique_ptr<TGdiRegion, TRegionDeleter> outside(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(outside.get(), FOutsideShape.get(), nullptr, RGN_COPY);
    // Regions lie where they are given on the device context: moved by its
    // origin as the rest of the drawing is.
    TPoint origin{};
    GetViewportOrgEx(dc, &origin);
    OffsetRgn(outside.get(), origin.X, origin.Y);
    TSavedDC saved(dc);
    TRect box;
    if (saved.Saved() && ExtSelectClipRgn(dc, outside.get(), RGN_AND) > NULLREGION && GetClipBox(dc, &box) > NULLREGION)
        CopyParentBackground(this, FCanvas.get());
}

void TOrvoButton::DrawFace(const TRect& itemRect, bool pressed) {
    TCanvas* canvas = FCanvas.get();
    FItemRect = itemRect;
    canvas->Font()->SetColor(FPaintFontColor);
    canvas->Brush()->SetColor(FPaintColor);
    canvas->FillRect(FItemRect);
    if (pressed) OffsetRect(FItemRect, 1, 1);
    if (!FImage->Empty()) {
        const int left = FItemRect.Left + (FItemRect.Width() - FImage->Width()) / 2;
        const int top = FItemRect.Top + (FItemRect.Height() - FImage->Height()) / 2;
        canvas->Draw(left, top, FImage.get());
    }
    // The wash covers the picture too.
    if (FMouseOver && FHotTrack) BlendColor(canvas, clBtnHighlight, 50);
    if (pressed) OffsetRect(FItemRect, -1, -1);
}

void TOrvoButton::DrawOutline(const TRect& rect) {
    TCanvas* canvas = FCanvas.get();
    const int corner = RoundCorner(FShapeSize);
    // A curved outline wider than a pixel is filled as a ring of the shape's
    // own region: a wide pen's curve is rasterised apart from the region's
    // and would leave face pixels outside it, inside the window.
    const int width = IsEllipticShape(FShape) ? 2 : canvas->Pen()->Width();
    if (IsEllipticShape(FShape) || (IsRoundedShape(FShape) && width > 1)) {
        FillOutline(rect, corner, width);
    } else if (IsRoundedShape(FShape)) {
        canvas->RoundRect(rect.Left, rect.Top, rect.Right, rect.Bottom, corner, corner);
    } else {
        canvas->Rectangle(rect);
    }
}

void TOrvoButton::FillOutline(const TRect& rect, int corner, int width) {
    HDC dc = FCanvas->Handle();
    HRGN outline = CreateShapeOutlineRgn(FShape, rect, corner, width);
    // Regions are filled where they lie on the device context: moved by its
    // origin as the rest of the drawing is.
    TPoint origin{};
    GetViewportOrgEx(dc, &origin);
    OffsetRgn(outline, origin.X, origin.Y);
    HBRUSH brush = CreateSolidBrush(FCanvas->Pen()->Color());
    FillRgn(dc, outline, brush);
    DeleteObject(brush);
    DeleteObject(outline);
}

void TOrvoButton::DrawFrame3D(const TRect& rect, unsigned frameFlags) {
    // The frame is drawn off screen on clBtnFace, which then stays out of the
    // copy: only the frame lines land on the face and its picture. The
    // bitmap holds the part of the frame that can be painted, so a button
    // far larger than its form costs no more than the form, and it has the
    // device's density, so a curved frame is as fine as the text.
    TRect shown;
    if (!IntersectRect(shown, rect, FCanvas->ClipRect())) return;
    HDC dc = FCanvas->Handle();
    // Freed also when drawing raises.
    struct TOffScreen {
        HDC DC;
        HBITMAP Bitmap;
        HGDIOBJ Before = nullptr;
        ~TOffScreen() {
            if (Before) SelectObject(DC, Before);
            DeleteObject(Bitmap);
            DeleteDC(DC);
        }
    } off{CreateCompatibleDC(dc), CreateCompatibleBitmap(dc, shown.Width(), shown.Height())};
    // As a picture of that size would: a painting error, which leaves the
    // canvas detached and the device context restored.
    if (!off.DC || !off.Bitmap)
        throw EInvalidGraphic("the 3-D frame's bitmap of " + std::to_string(shown.Width()) + " x " +
                              std::to_string(shown.Height()) + " pixels cannot be made");
    off.Before = SelectObject(off.DC, off.Bitmap);
    TCanvas frame;
    frame.SetHandle(off.DC);
    DrawFrameLines(&frame, rect, shown, frameFlags);
    frame.SetHandle(nullptr);
    TransparentBlt(dc, shown.Left, shown.Top, shown.Width(), shown.Height(), off.DC, 0, 0, shown.Width(),
                   shown.Height(), clBtnFace);
    FCanvas->Brush()->SetStyle(bsSolid);
}

void TOrvoButton::DrawFrameLines(TCanvas* fc, const TRect& rect, const TRect& shown, unsigned frameFlags) {
    fc->Brush()->SetColor(clBtnFace);
    fc->FillRect(Rect(0, 0, shown.Width(), shown.Height()));

    // In the bitmap's own coordinates: the shown part's top-left corner is
    // the bitmap's (inside the outline the rectangle starts at (1, 1)).
    TRect r = rect;
    OffsetRect(r, -shown.Left, -shown.Top);
    const auto fill = [fc](TColor colour) {
        fc->Pen()->SetColor(colour);
        fc->Brush()->SetColor(colour);
    };
    if (IsRoundedShape(FShape)) {
        const int c = RoundCorner(FShapeSize);
        fill(clWindowFrame);
        fc->RoundRect(r.Left, r.Top, r.Right, r.Bottom, c, c);
        fill(clBtnShadow);
        fc->RoundRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1, c, c);
        fill(clBtnHighlight);
        fc->RoundRect(r.Left, r.Top, r.Right - 2, r.Bottom - 2, c, c);
        fill(clBtnFace);
        fc->RoundRect(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2, c, c);
    } else if (IsEllipticShape(FShape)) {
        fill(clWindowFrame);
        fc->Ellipse(r.Left, r.Top, r.Right, r.Bottom);
        fill(clBtnHighlight);
        fc->Ellipse(r.Left, r.Top, r.Right - 2, r.Bottom - 2);
        fill(clBtnShadow);
        fc->Ellipse(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        fill(clBtnFace);
        fc->Ellipse(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2);
    } else {
        DrawFrameControl(fc->Handle(), &r, DFC_BUTTON, frameFlags);
    }
}

void TOrvoButton::PrepareGlyph() {
    if (FGlyph->Empty()) {
        if (!FGlyphFrame->Empty()) FGlyphFrame->Assign(nullptr);
        return;
    }
    const TRect source = GlyphFrameSource(FGlyph->Width(), FGlyph->Height(), FNumGlyphs, !Enabled());
    if (source.IsEmpty()) {
        FGlyphFrame->Assign(nullptr);
        return;
    }
    FGlyphRect = Rect(0, 0, source.Width(), source.Height());
    FGlyphFrame->SetPixelFormat(pf32bit);
    FGlyphFrame->SetSize(source.Width(), source.Height());
    // Drawn shifted, so only the chosen frame lands in the frame bitmap; the
    // strip itself is only read (it keeps the file it was loaded from).
    FGlyphFrame->Canvas()->Draw(-source.Left, 0, FGlyph.get());
}

unsigned TOrvoButton::CaptionFlags() const {
    return kAlignmentFlags[FAlignment] | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
}

void TOrvoButton::DrawCaption() {
    TCanvas* canvas = FCanvas.get();
    const bool hasGlyph = !FGlyphFrame->Empty();
    const TSize glyphSpace = GlyphSpace(FGlyphFrame->Width(), FGlyphFrame->Height(), hasGlyph);
    const std::string caption = Caption();
    canvas->Brush()->SetStyle(bsClear);

    TSize size;
    if (!FWordWrap) {
        size = canvas->TextExtent(CaptionMeasuringText(caption));
    } else {
        // Measured as drawn, "&" marks and all: text already stripped of one
        // "&" would have its next one read as a mark again ("&&" -> "&").
        const TSize room = CaptionRoom(FLayout, FItemRect, glyphSpace);
        TRect needed = Rect(0, 0, room.cx, room.cy);
        DrawText(canvas->Handle(), caption, needed, DT_CALCRECT | CaptionFlags());
        size.cx = std::min(room.cx, needed.Width());
        size.cy = std::min(room.cy, needed.Height());
    }
    const TPoint origin = CaptionOrigin(FLayout, FItemRect, size, glyphSpace);
    FCaptionRect = Bounds(origin.X, origin.Y, size.cx, size.cy);

    // A disabled caption is engraved: the highlight one pixel down and
    // right, the shadow at its place.
    TCaptionDrawing drawing{caption, FCaptionRect, Font(), Enabled(), false};
    drawing.LayoutFlags = CaptionFlags();
    Orvo::DrawCaption(canvas, drawing);
    canvas->Brush()->SetStyle(bsSolid);
}

void TOrvoButton::DrawGlyph() {
    if (FGlyphFrame->Empty()) return;
    const int w = FGlyphFrame->Width();
    const int h = FGlyphFrame->Height();
    const TColor key = FGlyphFrame->Pixel(0, h - 1);
    const TSize caption{FCaptionRect.Width(), FCaptionRect.Height()};
    const TPoint at = GlyphOrigin(FLayout, FItemRect, caption, TSize{w, h});
    TCanvas* canvas = FCanvas.get();
    canvas->Brush()->SetStyle(bsClear);
    // One pixel wider and higher than the frame: the copy stretches it.
    canvas->BrushCopy(Rect(at.X, at.Y, at.X + w + 1, at.Y + h + 1), FGlyphFrame.get(), FGlyphRect, key);
}

// ---------------------------------------------------------------- registration

namespace {
const bool kRegistered = [] {
    RegisterClass(TOrvoButton::StaticClassInfo());
    return true;
}();
}  // namespace

}  // namespace Orvo
