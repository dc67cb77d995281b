// Graphics objects: font, pen and brush.
#include "host/framework/Graphics.h"

#include <algorithm>
#include <cstring>

#include "host/services/FontMapping.h"

namespace Orvo {

namespace {

struct TCharsetName {
    TFontCharset Value;
    const char* Name;
};

constexpr TCharsetName kCharsets[] = {
    {0, "ANSI_CHARSET"},      {1, "DEFAULT_CHARSET"},   {2, "SYMBOL_CHARSET"},  {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"}, {129, "HANGEUL_CHARSET"}, {130, "JOHAB_CHARSET"}, {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"}, {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},  {178, "ARABIC_CHARSET"},   {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},    {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

// Charset is stored by name (DEFAULT_CHARSET) or, for unnamed values, as a number.
TPropInfo CharsetProperty() {
    TPropInfo p;
    p.Name = "Charset";
    p.Kind = TPropKind::Integer;
    p.Get = [](const TObject& o) -> std::optional<TValue> {
        const TFontCharset c = static_cast<const TFont&>(o).Charset();
        for (const TCharsetName& n : kCharsets)
            if (n.Value == c) return TValue::Identifier(n.Name);
        return TValue::Int(c);
    };
    p.Set = [](TObject& o, const TValue& v, const TBindingContext*) {
        auto& font = static_cast<TFont&>(o);
        if (v.kind == TValue::Kind::Ident) {
            for (const TCharsetName& n : kCharsets) {
                if (v.text.size() == std::strlen(n.Name) && strcasecmp(v.text.c_str(), n.Name) == 0) {
                    font.SetCharset(n.Value);
                    return;
                }
            }
            throw EPropertyError(v.text + " is not a character set");
        }
        font.SetCharset(TFontCharset(ValueToInteger(v, 0, 255)));
    };
    return p;
}

}  // namespace

void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------- TFont

TFont::TFont() = default;
TFont::~TFont() { DeleteObject(FHandle); }

const TClassInfo& TFont::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TFont", &TPersistent::StaticClassInfo());
        i.Defined.push_back(CharsetProperty());
        TClassBuilder<TFont>(i)
            .Color("Color", &TFont::Color, &TFont::SetColor)
            .Int("Height", &TFont::Height, &TFont::SetHeight, -MaxHeight, MaxHeight)
            .Str("Name", &TFont::Name, &TFont::SetName)
            .Enum("Pitch", &TFont::Pitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"})
            .DefaultIdent("fpDefault")
            .Int("Size", &TFont::Size, &TFont::SetSize, -MaxSize, MaxSize)
            .StoredWhen([](const TFont&) { return false; })  // Height says it
            .SetOf("Style", &TFont::Style, &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"})
            .Publish({"Charset", "Color", "Height", "Name", "Pitch", "Size", "Style"});
        return i;
    }();
    return info;
}
const TClassInfo& TFont::ClassInfo() const { return StaticClassInfo(); }

void TFont::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TFont*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    // Controls assign their font to the canvas at every paint: when only the
    // colour differs, or nothing, the font object (and the layouts its texts
    // keep) stays.
    const bool sameFace = FName == other->FName && FHeight == other->FHeight && FStyle == other->FStyle &&
                          FCharset == other->FCharset && FPitch == other->FPitch;
    FName = other->FName;
    FHeight = other->FHeight;
    FColor = other->FColor;
    FStyle = other->FStyle;
    FCharset = other->FCharset;
    FPitch = other->FPitch;
    if (sameFace)
        Changed();  // as SetColor: the colour is not part of the GDI font
    else
        Modified();
}

void TFont::Modified() {
    if (FHandle) {
        DeleteObject(FHandle);  // a DC that still has it selected keeps it alive
        FHandle = nullptr;
    }
    Changed();
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == FName) return;
    FName = name;
    Modified();
}
void TFont::SetHeight(int height) {
    height = std::clamp(height, -MaxHeight, MaxHeight);
    if (height == FHeight) return;
    FHeight = height;
    Modified();
}
int TFont::Size() const { return -PixelsToPoints(FHeight); }
void TFont::SetSize(int points) { SetHeight(-PointsToPixels(std::clamp(points, -MaxSize, MaxSize))); }
void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();  // the colour is not part of the GDI font
}
void TFont::SetStyle(TFontStyles style) {
    if (style == FStyle) return;
    FStyle = style;
    Modified();
}
void TFont::SetCharset(TFontCharset charset) {
    if (charset == FCharset) return;
    FCharset = charset;
    Modified();
}
void TFont::SetPitch(TFontPitch pitch) {
    if (pitch == FPitch) return;
    FPitch = pitch;
    Modified();
}

LOGFONT TFont::LogFont() const {
    LOGFONT log;
    log.lfHeight = FHeight;
    log.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    log.lfItalic = FStyle.Contains(fsItalic);
    log.lfUnderline = FStyle.Contains(fsUnderline);
    log.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    log.lfCharSet = FCharset;
    std::strncpy(log.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
    return log;
}

HFONT TFont::Handle() {
    if (!FHandle) {
        const LOGFONT log = LogFont();
        FHandle = CreateFontIndirect(&log);
    }
    return FHandle;
}

// ---------------------------------------------------------------- TPen

TPen::TPen() = default;
TPen::~TPen() { DeleteObject(FHandle); }

const TClassInfo& TPen::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TPen", &TPersistent::StaticClassInfo());
        TClassBuilder<TPen>(i)
            .Color("Color", &TPen::Color, &TPen::SetColor)
            .DefaultColor(clBlack)
            .Enum("Style", &TPen::Style, &TPen::SetStyle,
                  {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"})
            .DefaultIdent("psSolid")
            .Int("Width", &TPen::Width, &TPen::SetWidth, 0, 1000)
            .DefaultInt(1)
            .Publish({"Color", "Style", "Width"});
        return i;
    }();
    return info;
}
const TClassInfo& TPen::ClassInfo() const { return StaticClassInfo(); }

void TPen::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TPen*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    FColor = other->FColor;
    FWidth = other->FWidth;
    FStyle = other->FStyle;
    Modified();
}

void TPen::Modified() {
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
    Changed();
}

void TPen::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Modified();
}
void TPen::SetWidth(int width) {
    width = std::max(width, 1);
    if (width == FWidth) return;
    FWidth = width;
    Modified();
}
void TPen::SetStyle(TPenStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    Modified();
}

HPEN TPen::Handle() {
    if (!FHandle) {
        static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        FHandle = CreatePen(kStyles[FStyle <= psInsideFrame ? FStyle : 0], FWidth, FColor);
    }
    return FHandle;
}

// ---------------------------------------------------------------- TBrush

TBrush::TBrush() = default;
TBrush::~TBrush() { DeleteObject(FHandle); }

const TClassInfo& TBrush::StaticClassInfo() {
    static const TClassInfo info = [] {
        TClassInfo i("TBrush", &TPersistent::StaticClassInfo());
        TClassBuilder<TBrush>(i)
            .Color("Color", &TBrush::Color, &TBrush::SetColor)
            .DefaultColor(clWhite)
            .Enum("Style", &TBrush::Style, &TBrush::SetStyle, {"bsSolid", "bsClear"})
            .DefaultIdent("bsSolid")
            .Publish({"Color", "Style"});
        return i;
    }();
    return info;
}
const TClassInfo& TBrush::ClassInfo() const { return StaticClassInfo(); }

void TBrush::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TBrush*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    FColor = other->FColor;
    FStyle = other->FStyle;
    Modified();
}

void TBrush::Modified() {
    if (FHandle) {
        DeleteObject(FHandle);
        FHandle = nullptr;
    }
    Changed();
}

void TBrush::SetColor(TColor color) {
    if (color == FColor && FStyle != bsClear) return;
    FColor = color;
    if (FStyle == bsClear) FStyle = bsSolid;  // a colour makes a clear brush solid
    Modified();
}
void TBrush::SetStyle(TBrushStyle style) {
    if (style == FStyle) return;
    FStyle = style;
    Modified();
}

HBRUSH TBrush::Handle() {
    if (FStyle == bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (!FHandle) FHandle = CreateSolidBrush(FColor);
    return FHandle;
}

}  // namespace Orvo
