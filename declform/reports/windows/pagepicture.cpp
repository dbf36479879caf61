#include "pagepicture.h"

#include "markuppainter.h"

#include <QPainter>

PagePicture::PagePicture(const MarkupPage& page, const QSizeF& sizeInTwips, const QColor& background,
                         QWidget* parent)
    : QWidget(parent), m_page(page), m_twips(sizeInTwips), m_background(background)
{
    setFixedSize(sizeHint());
}

QSize PagePicture::sizeHint() const
{
    return {qRound(m_twips.width() * logicalDpiX() / MarkupPainter::TwipsPerInch),
            qRound(m_twips.height() * logicalDpiY() / MarkupPainter::TwipsPerInch)};
}

void PagePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    MarkupPainter(painter).drawPage(m_page);
}
