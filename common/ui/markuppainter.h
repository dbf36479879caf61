#pragma once

#include "markupreader.h"

#include <QColor>
#include <QFont>
#include <QList>

class QPagedPaintDevice;
class QPainter;

/// Draws report elements with a QPainter. The painter works in twips, scaled to the resolution
/// of its device, and fonts are sized in twips too, so a screen picture, a printer page and a
/// PDF page show the same layout: a line of text is as wide on screen as on paper.
class MarkupPainter {
public:
    static constexpr double TwipsPerInch = 1440.0;
    static constexpr int TwipsPerPoint = 20;
    static constexpr int VerticalPitch = 190; ///< twips between the characters of vertical text
    static constexpr int LineWidth = 15;      ///< twips: one pixel on a 96 dpi screen

    /// Scales the painter to twips until destroyed.
    explicit MarkupPainter(QPainter& painter);
    ~MarkupPainter();
    MarkupPainter(const MarkupPainter&) = delete;
    MarkupPainter& operator=(const MarkupPainter&) = delete;

    /// Draws every text and box of the page; page breaks draw nothing.
    void drawPage(const MarkupPage& page);
    void draw(const MarkupElement& element);

    /// Text with the top-left corner of its first character cell at (x, y).
    void ppos(int x, int y, const QString& text, bool bold, int size);
    /// Character i (from 0) of the text at (x, y + i * 190).
    void pPosVerti(int x, int y, const QString& text, bool bold, int size);
    /// The rectangle with corners (x1, y1) and (x2, y2).
    void pCuadro(int x1, int y1, int x2, int y2);

    /// The reports' "Courier New" at `size` points, its size given in twips for a painter that
    /// draws in twips: the installed font when there is one, else one with its metrics.
    static QFont reportFont(bool bold, int size);

private:
    void useFont(bool bold, int size);

    QPainter& m_painter;
};

/// The colour of a platform colour number ("&H00BBGGRR&"); a system colour (high bit set) is the
/// window background, which a paper page shows as white.
QColor markupColor(quint32 number);

/// Prints the pages on a printer or PDF writer, one device page each: landscape when the report
/// asks for it, and the device back in portrait afterwards. An empty list prints nothing.
/// False when the device could not be painted on.
bool printMarkupPages(QPagedPaintDevice& device, const QList<MarkupPage>& pages, bool landscape);
