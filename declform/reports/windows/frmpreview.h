#pragma once

#include "markupreader.h"
#include "pagerange.h"

#include <QColor>
#include <QDialog>
#include <optional>
#include <vector>

class PagePicture;
class QAction;
class QLabel;
class QScrollArea;
class QVBoxLayout;
struct AppContext;

/// "Presentación Preliminar": the pages of a report file on screen, one at a time, with
/// commands to move between them, print them and save them as PDF.
class frmPreview : public QDialog {
    Q_OBJECT
public:
    static const QString Caption;
    /// pDesencripta's mode that draws on screen; any other prints.
    static const QString PresPrevia;

    /// Reads the report file `sRut` (as registered in the spool) and shows its first page. With
    /// a range, only the pages of the range are shown and printed.
    frmPreview(AppContext& ctx, const QString& sRut, const std::optional<PageRange>& range = std::nullopt,
               QWidget* parent = nullptr);

    /// Reads the report file again: with "PresPrevia" into the page pictures, with any other
    /// mode onto the printer the user picks.
    void pDesencripta(const QString& mode);
    /// 0 shows the first page, -2 the previous one and -1 the next one; the others are hidden.
    void pMostrar(int n);

    int iNroHoja() const { return m_iNroHoja; }
    int pageCount() const { return int(m_pages.size()); }
    const MarkupPage& pageElements(int picture) const { return m_pages.at(picture); }
    QColor pageColor() const { return m_background; }

private:
    void buildToolbar(QVBoxLayout* layout);
    PagePicture* picture(int index);
    void guardarPdf();
    void updateCommands();

    AppContext& m_ctx;
    QString m_sRut;
    std::optional<PageRange> m_range;
    ReportMarkup m_markup;
    QList<MarkupPage> m_pages;
    std::vector<PagePicture*> m_pictures; // created when first shown
    QColor m_background = Qt::white;
    int m_iNroHoja = 0;

    QScrollArea* m_picFondo = nullptr;
    QWidget* m_sheets = nullptr;
    QVBoxLayout* m_sheetLayout = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
    QLabel* m_pageLabel = nullptr;
};
