#include "host/services/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <cctype>
#include <cstdint>

namespace Orvo {

namespace {

struct SystemColorEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
    COLORREF fallback;  // used when no application (and so no palette) exists
};

// Each system colour maps to one palette role. The fallbacks are the classic
// desktop values, so code that runs before the application object still
// resolves colours sensibly.
const std::array<SystemColorEntry, COLOR_ENDCOLORS>& SystemColorTable() {
    using P = QPalette;
    static const std::array<SystemColorEntry, COLOR_ENDCOLORS> table{{
        {P::Active, P::Mid, RGB(200, 200, 200)},           // COLOR_SCROLLBAR
        {P::Active, P::Dark, RGB(0, 128, 128)},            // COLOR_BACKGROUND
        {P::Active, P::Highlight, RGB(0, 0, 128)},         // COLOR_ACTIVECAPTION
        {P::Inactive, P::Dark, RGB(128, 128, 128)},        // COLOR_INACTIVECAPTION
        {P::Active, P::Button, RGB(192, 192, 192)},        // COLOR_MENU
        {P::Active, P::Base, RGB(255, 255, 255)},          // COLOR_WINDOW
        {P::Active, P::Shadow, RGB(0, 0, 0)},              // COLOR_WINDOWFRAME
        {P::Active, P::ButtonText, RGB(0, 0, 0)},          // COLOR_MENUTEXT
        {P::Active, P::Text, RGB(0, 0, 0)},                // COLOR_WINDOWTEXT
        {P::Active, P::HighlightedText, RGB(255, 255, 255)},  // COLOR_CAPTIONTEXT
        {P::Active, P::Button, RGB(192, 192, 192)},        // COLOR_ACTIVEBORDER
        {P::Inactive, P::Button, RGB(192, 192, 192)},      // COLOR_INACTIVEBORDER
        {P::Active, P::Mid, RGB(128, 128, 128)},           // COLOR_APPWORKSPACE
        {P::Active, P::Highlight, RGB(0, 0, 128)},         // COLOR_HIGHLIGHT
        {P::Active, P::HighlightedText, RGB(255, 255, 255)},  // COLOR_HIGHLIGHTTEXT
        {P::Active, P::Button, RGB(192, 192, 192)},        // COLOR_BTNFACE
        {P::Active, P::Dark, RGB(128, 128, 128)},          // COLOR_BTNSHADOW
        {P::Disabled, P::Text, RGB(128, 128, 128)},        // COLOR_GRAYTEXT
        {P::Active, P::ButtonText, RGB(0, 0, 0)},          // COLOR_BTNTEXT
        {P::Inactive, P::Text, RGB(192, 192, 192)},        // COLOR_INACTIVECAPTIONTEXT
        {P::Active, P::Light, RGB(255, 255, 255)},         // COLOR_BTNHIGHLIGHT
        {P::Active, P::Shadow, RGB(0, 0, 0)},              // COLOR_3DDKSHADOW
        {P::Active, P::Midlight, RGB(223, 223, 223)},      // COLOR_3DLIGHT
        {P::Active, P::ToolTipText, RGB(0, 0, 0)},         // COLOR_INFOTEXT
        {P::Active, P::ToolTipBase, RGB(255, 255, 225)},   // COLOR_INFOBK
    }};
    return table;
}

struct ColorName {
    TColor color;
    const char* name;
};

// Names in the order the framework lists them; the first name of a value is
// the one written (clSilver rather than clLtGray).
constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"}, {clMedGray, "clMedGray"},
    {clLtGray, "clLtGray"}, {clDkGray, "clDkGray"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"}, {clInfoBk, "clInfoBk"},
    {clNone, "clNone"}, {clDefault, "clDefault"},
};

}  // namespace

COLORREF GetSysColor(int index) {
    const auto& table = SystemColorTable();
    if (index < 0 || index >= COLOR_ENDCOLORS) return 0;
    const SystemColorEntry& e = table[std::size_t(index)];
    if (!qGuiApp) return e.fallback;
    const QColor c = QGuiApplication::palette().color(e.group, e.role);
    return RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(int(std::uint32_t(color) & 0xFF));
    if (color == clNone || color == clDefault) return 0;
    return COLORREF(std::uint32_t(color) & 0x00FFFFFFu);
}

std::optional<TColor> IdentToColor(std::string_view ident) {
    for (const ColorName& n : kColorNames) {
        if (ident.size() == std::char_traits<char>::length(n.name)) {
            bool same = true;
            for (std::size_t i = 0; i < ident.size() && same; ++i)
                same = std::tolower(static_cast<unsigned char>(ident[i])) == std::tolower(static_cast<unsigned char>(n.name[i]));
            if (same) return n.color;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ColorToIdent(TColor color) {
    for (const ColorName& n : kColorNames)
        if (n.color == color) return std::string(n.name);
    return std::nullopt;
}

}  // namespace Orvo
