#include "markuppainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

MarkupPainter::MarkupPainter(QPainter& painter) : m_painter(painter)
{
    m_painter.save();
    // Fonts sized in device pixels are rounded to whole pixels, which makes screen text a few
    // percent wider than printed text; sized in twips and scaled with the page they keep their
    // printed width on every device.
    m_painter.scale(painter.device()->logicalDpiX() / TwipsPerInch,
                    painter.device()->logicalDpiY() / TwipsPerInch);
    QPen pen(Qt::black);
    pen.setWidth(LineWidth);
    pen.setCapStyle(Qt::SquareCap);
    m_painter.setPen(pen);
}

MarkupPainter::~MarkupPainter()
{
    m_painter.restore();
}

QFont MarkupPainter::reportFont(bool bold, int size)
{
    // Liberation Mono has the metrics of Courier New, so columns of text line up as designed.
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setBold(bold);
    font.setPixelSize((size > 0 ? size : 8) * TwipsPerPoint);
    return font;
}

void MarkupPainter::useFont(bool bold, int size)
{
    const QFont font = reportFont(bold, size);
    if (m_painter.font() != font)
        m_painter.setFont(font);
}

void MarkupPainter::ppos(int x, int y, const QString& text, bool bold, int size)
{
    useFont(bold, size);
    // Text is placed by the top of its character cell, QPainter draws on the baseline.
    m_painter.drawText(QPointF(x, y + QFontMetricsF(m_painter.font()).ascent()), text);
}

void MarkupPainter::pPosVerti(int x, int y, const QString& text, bool bold, int size)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        ppos(x, y + int(i) * VerticalPitch, text.at(i), bold, size);
}

void MarkupPainter::pCuadro(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x1, y2);
    m_painter.drawLine(x2, y1, x2, y2);
    m_painter.drawLine(x1, y1, x2, y1);
    m_painter.drawLine(x1, y2, x2, y2);
}

void MarkupPainter::draw(const MarkupElement& e)
{
    switch (e.kind) {
    case MarkupElement::Kind::Text:
        ppos(e.x, e.y, e.text, e.bold, e.size);
        break;
    case MarkupElement::Kind::VerticalText:
        pPosVerti(e.x, e.y, e.text, e.bold, e.size);
        break;
    case MarkupElement::Kind::Box:
        pCuadro(e.x, e.y, e.x2, e.y2);
        break;
    case MarkupElement::Kind::PageBreak:
        break;
    }
}

void MarkupPainter::drawPage(const MarkupPage& page)
{
    for (const MarkupElement& e : page)
        draw(e);
}

QColor markupColor(quint32 number)
{
    if (number & 0x80000000u)
        return Qt::white;
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

bool printMarkupPages(QPagedPaintDevice& device, const QList<MarkupPage>& pages, bool landscape)
{
    if (pages.isEmpty())
        return true;
    device.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    bool ok = painter.begin(&device);
    if (ok) {
        {
            MarkupPainter markup(painter);
            for (qsizetype i = 0; i < pages.size() && ok; ++i) {
                ok = i == 0 || device.newPage();
                if (ok)
                    markup.drawPage(pages.at(i));
            }
        }
        ok = painter.end() && ok;
    }
    device.setPageOrientation(QPageLayout::Portrait);
    return ok;
}
