// Text: metrics, extents, TextOut and the DrawText formatter.
#include <QFontMetrics>
#include <QGlyphRun>
#include <QTextLayout>

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/services/GdiInternal.h"

namespace Orvo {

using namespace gdi;

namespace {

const QFont& FontOfDC(const TDeviceContext& d) {
    static const QFont fallback;
    return d.State.Font ? d.State.Font->Data->Font : fallback;
}

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string_view ViewOf(const char* text, int count) {
    if (!text) return {};
    if (count < 0) return std::string_view(text);
    // Stop at a terminating zero inside `count`, like the window services.
    return std::string_view(text, strnlen(text, std::size_t(count)));
}

// A character of formatted text with its prefix underline.
struct TChar {
    QChar Ch;
    bool Underlined = false;
};
using TLine = std::vector<TChar>;

// A run of text shaped into glyphs: its advance in whole pixels (what
// measuring answers) and its glyphs, positioned from the run's top-left
// corner. Qt shapes text anew each time it measures or draws it; a run
// shaped once is measured and drawn from this.
struct TShapedRun {
    int Width = 0;
    qreal Ascent = 0;
    QList<QGlyphRun> Glyphs;
};

// Whether a run is shaped as one line of ordinary text: control characters,
// line and paragraph separators and Qt's string separator (U+009C, where
// Qt's measuring stops) are measured by Qt's measuring as they always were.
bool ShapesAsOneLine(const QString& run) {
    for (QChar c : run) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029) return false;
    }
    return true;
}

TShapedRun Shape(const QString& run, const QFont& font) {
    QTextLayout layout(run, font);
    // Laying the line out shapes it; without the cache Qt drops those
    // glyphs at the end of the layout and shapes the run again for its
    // glyph runs.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // A line's advance, rounded, is what QFontMetrics::horizontalAdvance
    // answers for the same text: both sum the same shaped advances.
    // The line's own glyph runs: the layout's would gather the runs of all
    // its lines by font, a third of the shaping's time for one line.
    return {qRound(line.horizontalAdvance()), line.ascent(), line.glyphRuns()};
}

// Measures and shapes lines, expanding tabs when asked. Runs are shaped
// through the font's cache when there is one.
class TLineMetrics {
public:
    // The tab stops come from the font's average character width, a
    // lookup of its own on every construction: asked only when tabs are
    // expanded.
    TLineMetrics(const QFont& font, bool expandTabs, TGdiTextCache* cache = nullptr)
        : FFont(font), FMetrics(font), FExpandTabs(expandTabs),
          FTabWidth(expandTabs ? std::max(1, 8 * FMetrics.averageCharWidth()) : 1), FCache(cache) {}

    const QFontMetrics& Metrics() const { return FMetrics; }

    // A run (no tabs) shaped: from the cache, or shaped now (and kept).
    TShapedRun Shaped(const QString& run) const;
    int RunWidth(const QString& run) const {
        if (run.isEmpty()) return 0;
        return ShapesAsOneLine(run) ? Shaped(run).Width : FMetrics.horizontalAdvance(run);
    }
    // The same, for a run already shaped.
    int RunWidth(const QString& run, const TShapedRun& shaped) const {
        return ShapesAsOneLine(run) ? shaped.Width : FMetrics.horizontalAdvance(run);
    }

    // Width of the first `count` characters.
    int Width(const TLine& line, std::size_t count) const {
        int x = 0;
        QString run;
        for (std::size_t i = 0; i < count && i < line.size(); ++i) {
            if (line[i].Ch == u'\t' && FExpandTabs) {
                x += RunWidth(run);
                run.clear();
                x = (x / FTabWidth + 1) * FTabWidth;
            } else {
                run += line[i].Ch == u'\t' ? QChar(u' ') : line[i].Ch;
            }
        }
        return x + RunWidth(run);
    }
    int Width(const TLine& line) const { return Width(line, line.size()); }

    // The runs of text between tabs with their x offsets.
    template <class F>
    void ForEachRun(const TLine& line, F draw) const {
        int x = 0;
        QString run;
        for (const TChar& c : line) {
            if (c.Ch == u'\t' && FExpandTabs) {
                draw(x, run);
                x += RunWidth(run);
                run.clear();
                x = (x / FTabWidth + 1) * FTabWidth;
            } else {
                run += c.Ch == u'\t' ? QChar(u' ') : c.Ch;
            }
        }
        draw(x, run);
    }

private:
    QFont FFont;
    QFontMetrics FMetrics;
    bool FExpandTabs;
    int FTabWidth;
    TGdiTextCache* FCache;
};

// "&x" underlines x, "&&" is one "&", a final "&" is dropped.
TLine ApplyPrefixes(const QString& text, unsigned format) {
    TLine out;
    out.reserve(std::size_t(text.size()));
    const bool prefixes = !(format & DT_NOPREFIX);
    const bool showUnderline = !(format & DT_HIDEPREFIX);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (prefixes && c == u'&') {
            if (i + 1 >= text.size()) break;
            const QChar next = text[++i];
            out.push_back(TChar{next, next != u'&' && showUnderline});
            continue;
        }
        out.push_back(TChar{c, false});
    }
    return out;
}

bool IsBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// Splits at CR, LF and CR LF; a break at the very end adds no empty line.
std::vector<TLine> SplitParagraphs(const TLine& text) {
    std::vector<TLine> out(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsBreak(text[i].Ch)) {
            out.back().push_back(text[i]);
            continue;
        }
        if (text[i].Ch == u'\r' && i + 1 < text.size() && text[i + 1].Ch == u'\n') ++i;
        if (i + 1 < text.size()) out.emplace_back();
    }
    return out;
}

// Breaks a paragraph at spaces so that lines fit `width`; a word wider than
// the width keeps a line of its own. Spaces at a break are dropped.
void WrapParagraph(const TLine& para, int width, const TLineMetrics& m, std::vector<TLine>& out) {
    std::size_t start = 0;
    const std::size_t n = para.size();
    if (n == 0) {
        out.emplace_back();
        return;
    }
    while (start < n) {
        // Take words while they fit.
        std::size_t end = start;      // end of the accepted text (exclusive)
        std::size_t scan = start;
        bool first = true;
        while (scan < n) {
            std::size_t wordEnd = scan;
            while (wordEnd < n && para[wordEnd].Ch != u' ') ++wordEnd;
            const TLine candidate(para.begin() + std::ptrdiff_t(start), para.begin() + std::ptrdiff_t(wordEnd));
            if (!first && m.Width(candidate) > width) break;
            end = wordEnd;
            first = false;
            scan = wordEnd;
            while (scan < n && para[scan].Ch == u' ') ++scan;  // the spaces after the word
            if (scan >= n) end = n;  // trailing spaces stay on the last line (they are invisible)
        }
        out.emplace_back(para.begin() + std::ptrdiff_t(start), para.begin() + std::ptrdiff_t(end));
        // Skip the spaces at the break.
        start = end;
        while (start < n && para[start].Ch == u' ') ++start;
    }
}

// A line ready to draw: its width, its runs between tabs shaped, with their
// x offsets, and the spans of its prefix underlines.
struct TLaidLine {
    int Width = 0;
    std::vector<std::pair<int, TShapedRun>> Runs;
    std::vector<std::pair<int, int>> Underlines;  // x0, x1 from the line's left
};

TLaidLine LayLine(const TLine& line, const TLineMetrics& m) {
    TLaidLine laid;
    m.ForEachRun(line, [&](int dx, const QString& run) {
        if (run.isEmpty()) {
            laid.Width = dx;
            return;
        }
        const TShapedRun& shaped = laid.Runs.emplace_back(dx, m.Shaped(run)).second;
        laid.Width = dx + m.RunWidth(run, shaped);
    });
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!line[i].Underlined) continue;
        const int x0 = m.Width(line, i), x1 = m.Width(line, i + 1);
        if (x1 > x0) laid.Underlines.emplace_back(x0, x1);
    }
    return laid;
}

// Where a font puts the text and its underlines within a line.
struct TLineGeometry {
    int Ascent = 0;
    int UnderlineOffset = 0;     // below the baseline
    int UnderlineThickness = 0;
    TLineGeometry() = default;
    explicit TLineGeometry(const QFontMetrics& m)
        : Ascent(m.ascent()), UnderlineOffset(std::max(1, m.underlinePos())), UnderlineThickness(std::max(1, m.lineWidth())) {}
};

struct TLayout {
    std::vector<TLaidLine> Lines;
    int LineHeight = 0;
    int MaxWidth = 0;
    TLineGeometry Geometry;
};

TLayout Layout(const TLine& text, const TRect& rect, unsigned format, const TLineMetrics& m) {
    TLayout layout;
    layout.Geometry = TLineGeometry(m.Metrics());
    layout.LineHeight = m.Metrics().ascent() + m.Metrics().descent();
    if (format & DT_EXTERNALLEADING) layout.LineHeight += std::max(0, m.Metrics().leading());
    std::vector<TLine> lines;
    if (format & DT_SINGLELINE) {
        TLine line;
        for (const TChar& c : text)
            if (!IsBreak(c.Ch)) line.push_back(c);
        lines.push_back(std::move(line));
    } else {
        for (const TLine& para : SplitParagraphs(text)) {
            if (format & DT_WORDBREAK)
                WrapParagraph(para, rect.Width(), m, lines);
            else
                lines.push_back(para);
        }
    }
    for (const TLine& line : lines) {
        layout.Lines.push_back(LayLine(line, m));
        layout.MaxWidth = std::max(layout.MaxWidth, layout.Lines.back().Width);
    }
    return layout;
}

// The bits of a DrawText format that change how text is laid out.
constexpr unsigned kLayoutFormat =
    DT_NOPREFIX | DT_HIDEPREFIX | DT_EXPANDTABS | DT_SINGLELINE | DT_WORDBREAK | DT_EXTERNALLEADING;

}  // namespace

// Layouts, extents and shaped runs a font description has computed, so
// that a caption painted again is neither measured, broken into lines nor
// shaped again, and a caption measured before it is drawn is shaped once.
// Bounded: when full it starts afresh. The font objects of a description
// share it, so it keeps room for a few texts of each (a form of thousands
// of captioned controls in one font keeps every caption).
struct TGdiTextCache {
    static constexpr std::size_t kMinEntries = 512;
    static constexpr std::size_t kEntriesPerFontObject = 4;
    std::size_t MaxEntries = kMinEntries;
    std::unordered_map<std::string, TLayout> Layouts;
    std::unordered_map<std::string, TSize> Extents;
    std::unordered_map<QString, TShapedRun> Runs;

    template <class Map>
    void MakeRoom(Map& map) const {
        if (map.size() >= MaxEntries) map.clear();
    }
};

namespace {

TShapedRun TLineMetrics::Shaped(const QString& run) const {
    if (!FCache) return Shape(run, FFont);
    if (auto it = FCache->Runs.find(run); it != FCache->Runs.end()) return it->second;
    FCache->MakeRoom(FCache->Runs);
    return FCache->Runs.emplace(run, Shape(run, FFont)).first->second;
}

// The cache of the DC's font, or null when no font object is selected.
TGdiTextCache* TextCacheOf(TDeviceContext& d) {
    if (!d.State.Font) return nullptr;
    const std::shared_ptr<TGdiFontData>& data = d.State.Font->Data;
    if (!data->Text) data->Text = std::make_shared<TGdiTextCache>();
    // Only font objects hold the data: its count of holders is theirs.
    data->Text->MaxEntries =
        std::max(TGdiTextCache::kMinEntries, TGdiTextCache::kEntriesPerFontObject * std::size_t(data.use_count()));
    return data->Text.get();
}

// The layout of `text` in the DC's font: from the font's cache when it was
// made before with the same text, layout flags and (when breaking words)
// width. Without a font object it is made in `scratch`. The answer stays
// valid until the next layout is made.
const TLayout& LayoutFor(TDeviceContext& d, std::string_view text, const TRect& rect, unsigned format,
                         TLayout& scratch) {
    TGdiTextCache* cache = TextCacheOf(d);
    auto compute = [&] {
        const TLineMetrics m(FontOfDC(d), (format & DT_EXPANDTABS) != 0, cache);
        return Layout(ApplyPrefixes(FromUtf8(text), format), rect, format, m);
    };
    if (!cache) return scratch = compute();
    const unsigned layoutFormat = format & kLayoutFormat;
    const int width = (format & DT_WORDBREAK) ? rect.Width() : 0;
    std::string key(reinterpret_cast<const char*>(&layoutFormat), sizeof layoutFormat);
    key.append(reinterpret_cast<const char*>(&width), sizeof width);
    key.append(text);
    if (auto it = cache->Layouts.find(key); it != cache->Layouts.end()) return it->second;
    cache->MakeRoom(cache->Layouts);
    return cache->Layouts.emplace(std::move(key), compute()).first->second;
}

// Sets the painter up for text: shapes stay aliased, text takes the grey
// antialiasing its font asks for.
void UseTextFont(QPainter& p, const QFont& font) {
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(font);
}

// Draws one laid-out line with its top-left at logical (x, y).
void DrawLaidLine(TDeviceContext& d, QPainter& p, const TLineGeometry& geometry, const TLaidLine& line, int x, int y,
                  int height) {
    if (d.State.BkMode == OPAQUE && line.Width > 0)
        p.fillRect(QRect(x, y, line.Width, height), ToQColor(d.State.BkColor));
    const QColor color = ToQColor(d.State.TextColor);
    p.setPen(color);
    const int baseline = y + geometry.Ascent;
    for (const auto& [dx, run] : line.Runs)
        for (const QGlyphRun& glyphs : run.Glyphs) p.drawGlyphRun(QPointF(x + dx, baseline - run.Ascent), glyphs);
    // Prefix underlines.
    const int underlineY = baseline + geometry.UnderlineOffset;
    for (const auto& [x0, x1] : line.Underlines)
        p.fillRect(QRect(x + x0, underlineY, x1 - x0, geometry.UnderlineThickness), color);
}

}  // namespace

bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics) {
    HDC d = CheckedDC(dc);
    if (!d || !metrics) return false;
    const QFont& font = FontOfDC(*d);
    const QFontMetrics fm(font);
    TEXTMETRIC tm;
    tm.tmAscent = fm.ascent();
    tm.tmDescent = fm.descent();
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - font.pixelSize());
    tm.tmExternalLeading = std::max(0, fm.leading());
    tm.tmAveCharWidth = fm.averageCharWidth();
    tm.tmMaxCharWidth = fm.maxWidth();
    tm.tmWeight = d->State.Font ? (d->State.Font->Log.lfWeight <= 0 ? FW_NORMAL : d->State.Font->Log.lfWeight) : FW_NORMAL;
    tm.tmItalic = font.italic() ? 1 : 0;
    tm.tmUnderlined = font.underline() ? 1 : 0;
    tm.tmStruckOut = font.strikeOut() ? 1 : 0;
    tm.tmCharSet = d->State.Font ? d->State.Font->Log.lfCharSet : DEFAULT_CHARSET;
    *metrics = tm;
    return true;
}

TSize TextExtent(HDC dc, std::string_view text) {
    HDC d = CheckedDC(dc);
    if (!d) return {};
    TGdiTextCache* cache = TextCacheOf(*d);
    auto measure = [&] {
        const TLineMetrics m(FontOfDC(*d), false, cache);
        return TSize{m.RunWidth(FromUtf8(text)), m.Metrics().ascent() + m.Metrics().descent()};
    };
    if (!cache) return measure();
    std::string key(text);
    if (auto it = cache->Extents.find(key); it != cache->Extents.end()) return it->second;
    cache->MakeRoom(cache->Extents);
    return cache->Extents.emplace(std::move(key), measure()).first->second;
}

bool GetTextExtentPoint32(HDC dc, const char* text, int count, TSize* size) {
    if (!CheckedDC(dc) || !size || (count > 0 && !text)) return false;
    *size = TextExtent(dc, ViewOf(text, std::max(count, 0)));
    return true;
}

bool ExtTextOut(HDC dc, int x, int y, unsigned options, const TRect* rect, std::string_view text) {
    HDC d = CheckedDC(dc);
    if (!d || ((options & (ETO_OPAQUE | ETO_CLIPPED)) && !rect)) return false;
    if ((options & ETO_OPAQUE) && rect) FillDeviceRect(*d, DeviceRect(*d, *rect), ToPixel(d->State.BkColor));
    if (text.empty() || d->Target->isNull()) return true;
    TLine line;
    for (QChar c : FromUtf8(text)) line.push_back(TChar{c, false});
    const TLineMetrics m(FontOfDC(*d), false);
    TDcPainter p(*d);
    if (options & ETO_CLIPPED) {
        const QRegion clip = PaintableRect(*d, DeviceRect(*d, *rect));
        p->resetTransform();
        p->setClipRegion(clip);
        MapLogicalToDevice(*p, *d);
    }
    UseTextFont(*p, FontOfDC(*d));
    const int height = m.Metrics().ascent() + m.Metrics().descent();
    // With ETO_OPAQUE the rectangle is already filled; the cell fill would only repeat it.
    const int savedMode = d->State.BkMode;
    if (options & ETO_OPAQUE) d->State.BkMode = TRANSPARENT;
    DrawLaidLine(*d, *p, TLineGeometry(m.Metrics()), LayLine(line, m), x, y, height);
    d->State.BkMode = savedMode;
    return true;
}

bool TextOut(HDC dc, int x, int y, std::string_view text) { return ExtTextOut(dc, x, y, 0, nullptr, text); }

bool TextOut(HDC dc, int x, int y, const char* text, int count) {
    if (count > 0 && !text) return false;
    return TextOut(dc, x, y, ViewOf(text, std::max(count, 0)));
}

int DrawText(HDC dc, std::string_view text, TRect& rect, unsigned format) {
    HDC d = CheckedDC(dc);
    if (!d) return 0;
    TLayout scratch;
    const TLayout& layout = LayoutFor(*d, text, rect, format, scratch);
    const int lineHeight = layout.LineHeight;

    if (text.empty()) {
        // No text: no width; a single line still has its height.
        const int height = (format & DT_SINGLELINE) ? lineHeight : 0;
        if (format & DT_CALCRECT) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top + height;
        }
        return height;
    }

    const int totalHeight = lineHeight * int(layout.Lines.size());
    int y = rect.Top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = rect.Top + (rect.Height() - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            y = rect.Bottom - lineHeight;
    }
    if (format & DT_CALCRECT) {
        rect.Right = rect.Left + layout.MaxWidth;
        rect.Bottom = rect.Top + totalHeight;
        return totalHeight;
    }

    if (d->Target->isNull()) return y + totalHeight - rect.Top;
    // A caption outside the area being painted (a parent's, painted again
    // under a small transparent child) needs no painter at all.
    const QRegion textClip =
        (format & DT_NOCLIP) ? d->PaintableArea() : PaintableRect(*d, DeviceRect(*d, rect));
    if (textClip.isEmpty()) return y + totalHeight - rect.Top;
    TDcPainter p(*d);
    if (!(format & DT_NOCLIP)) {
        p->resetTransform();
        p->setClipRegion(textClip);
        MapLogicalToDevice(*p, *d);
    }
    UseTextFont(*p, FontOfDC(*d));
    for (std::size_t i = 0; i < layout.Lines.size(); ++i) {
        const int w = layout.Lines[i].Width;
        int x = rect.Left;
        if (format & DT_CENTER)
            x = rect.Left + (rect.Width() - w) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - w;
        DrawLaidLine(*d, *p, layout.Geometry, layout.Lines[i], x, y + int(i) * lineHeight, lineHeight);
    }
    return y + totalHeight - rect.Top;
}

int DrawTextA(HDC dc, const char* text, int count, TRect* rect, unsigned format) {
    if (!rect || (count != 0 && !text)) return 0;
    return DrawText(dc, ViewOf(text, count), *rect, format);
}

}  // namespace Orvo
