#pragma once

#include "markupreader.h"

#include <QColor>
#include <QSizeF>
#include <QWidget>

/// One page picture of the preview: a sheet of the report's page size in its background colour,
/// with the page's elements drawn by the same painter the printer uses.
class PagePicture : public QWidget {
    Q_OBJECT
public:
    PagePicture(const MarkupPage& page, const QSizeF& sizeInTwips, const QColor& background, QWidget* parent);

    const MarkupPage& page() const { return m_page; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MarkupPage m_page;
    QSizeF m_twips;
    QColor m_background;
};
