// Preloaded into orvoform by `pixel-compare.sh render-no-text`: every call
// that draws glyphs (the host's glyph runs, Qt's widgets' text, layouts and
// static text) draws nothing, so a render keeps only the pixels that are not
// text. Comparing such renders before and after a change of fonts or of text
// drawing shows that nothing but the text changed. Defining Qt's own members
// here is deliberate: the dynamic linker takes the preloaded ones first.
#include <QPainter>
#include <QStaticText>
#include <QTextLayout>

void QPainter::drawGlyphRun(const QPointF&, const QGlyphRun&) {}
void QPainter::drawStaticText(const QPointF&, const QStaticText&) {}
void QPainter::drawText(const QPointF&, const QString&) {}
void QPainter::drawText(const QPointF&, const QString&, int, int) {}
void QPainter::drawText(const QRectF& r, int, const QString&, QRectF* br) {
    if (br) *br = r;
}
void QPainter::drawText(const QRect& r, int, const QString&, QRect* br) {
    if (br) *br = r;
}
void QPainter::drawText(const QRectF&, const QString&, const QTextOption&) {}
void QPainter::drawTextItem(const QPointF&, const QTextItem&) {}
void QTextLayout::draw(QPainter*, const QPointF&, const QList<FormatRange>&, const QRectF&) const {}
void QTextLine::draw(QPainter*, const QPointF&) const {}
