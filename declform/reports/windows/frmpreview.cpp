#include "frmpreview.h"

#include "appcontext.h"
#include "markuppainter.h"
#include "pagepicture.h"
#include "reportpages.h"
#include "reportprinting.h"
#include "windowopener.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

const QString frmPreview::Caption = QStringLiteral("Presentación Preliminar");
const QString frmPreview::PresPrevia = QStringLiteral("PresPrevia");

namespace {
constexpr int ShowFirst = 0;
constexpr int ShowNext = -1;
constexpr int ShowPrevious = -2;
} // namespace

frmPreview::frmPreview(AppContext& ctx, const QString& sRut, const std::optional<PageRange>& range,
                       QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_sRut(sRut), m_range(range)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(Caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildToolbar(layout);

    m_picFondo = new QScrollArea(this);
    m_picFondo->setObjectName(QStringLiteral("picFondo"));
    m_picFondo->setBackgroundRole(QPalette::Dark);
    m_picFondo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_picFondo->verticalScrollBar()->setObjectName(QStringLiteral("vsbPic"));
    m_picFondo->horizontalScrollBar()->setObjectName(QStringLiteral("HScroll1"));
    m_sheets = new QWidget;
    m_sheets->setBackgroundRole(QPalette::Dark);
    m_sheetLayout = new QVBoxLayout(m_sheets);
    m_sheetLayout->setContentsMargins(16, 16, 16, 16);
    m_sheetLayout->setSizeConstraint(QLayout::SetFixedSize);
    m_picFondo->setWidget(m_sheets);
    layout->addWidget(m_picFondo, 1);

    pDesencripta(PresPrevia);
    pMostrar(ShowFirst);
    resize(900, 760);
}

void frmPreview::buildToolbar(QVBoxLayout* layout)
{
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("tlbPrevia"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto command = [&](int index, QStyle::StandardPixmap icon, const QString& text,
                             const QKeySequence& key) {
        QAction* action = toolbar->addAction(style()->standardIcon(icon), text);
        action->setObjectName(QStringLiteral("tlbPrevia_") + QString::number(index));
        action->setShortcut(key);
        return action;
    };
    m_previous =
        command(2, QStyle::SP_ArrowBack, QStringLiteral("Anterior"), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    m_next = command(3, QStyle::SP_ArrowForward, QStringLiteral("Siguiente"),
                     QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    m_pageLabel = new QLabel(toolbar);
    m_pageLabel->setObjectName(QStringLiteral("lblPagina"));
    m_pageLabel->setContentsMargins(12, 0, 12, 0);
    toolbar->addWidget(m_pageLabel);
    toolbar->addSeparator();
    QAction* print = command(4, QStyle::SP_FileIcon, QStringLiteral("Imprimir"), QKeySequence::Print);
    print->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), print->icon()));
    QAction* pdf =
        toolbar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Guardar PDF"));
    pdf->setObjectName(QStringLiteral("tlbPrevia_pdf"));
    pdf->setShortcut(QKeySequence::Save);
    toolbar->addSeparator();
    QAction* close = command(5, QStyle::SP_DialogCloseButton, QStringLiteral("Cerrar"), QKeySequence());

    connect(m_previous, &QAction::triggered, this, [this] { pMostrar(ShowPrevious); });
    connect(m_next, &QAction::triggered, this, [this] { pMostrar(ShowNext); });
    connect(print, &QAction::triggered, this, [this] { pDesencripta(QStringLiteral("IMPRIMIR")); });
    connect(pdf, &QAction::triggered, this, &frmPreview::guardarPdf);
    connect(close, &QAction::triggered, this, &QDialog::accept);
    layout->addWidget(toolbar);
}

void frmPreview::pDesencripta(const QString& mode)
{
    std::optional<ReportMarkup> markup = loadReportFile(m_ctx, m_sRut);
    if (mode != PresPrevia) {
        if (markup)
            printReport(m_ctx, m_sRut, *markup, m_range, this);
        return;
    }
    m_markup = markup.value_or(ReportMarkup());
    m_pages = previewPages(m_markup, m_range);
    m_background = m_markup.color ? markupColor(*m_markup.color) : QColor(Qt::white);
    for (PagePicture* p : m_pictures)
        delete p;
    m_pictures.assign(m_pages.size(), nullptr);
    m_iNroHoja = 0;
}

PagePicture* frmPreview::picture(int index)
{
    PagePicture*& p = m_pictures.at(index);
    if (!p) {
        const QSizeF points = previewPageLayout(m_markup.landscape).fullRectPoints().size();
        p = new PagePicture(m_pages.at(index), points * MarkupPainter::TwipsPerPoint, m_background, m_sheets);
        p->setObjectName(QStringLiteral("picPrevia_") + QString::number(index));
        p->hide();
        m_sheetLayout->addWidget(p);
    }
    return p;
}

void frmPreview::pMostrar(int n)
{
    int target = m_iNroHoja;
    if (n == ShowFirst)
        target = 0;
    else if (n == ShowPrevious && m_iNroHoja > 0)
        target = m_iNroHoja - 1;
    else if (n == ShowNext && m_iNroHoja + 1 < pageCount())
        target = m_iNroHoja + 1;
    m_iNroHoja = target;
    picture(target)->show();
    for (int i = 0; i < int(m_pictures.size()); ++i)
        if (m_pictures[i] && i != target)
            m_pictures[i]->hide();
    m_picFondo->verticalScrollBar()->setValue(0);
    updateCommands();
}

void frmPreview::updateCommands()
{
    m_previous->setEnabled(m_iNroHoja > 0);
    m_next->setEnabled(m_iNroHoja + 1 < pageCount());
    m_pageLabel->setText(QStringLiteral("Página ") + QString::number(m_iNroHoja + 1) +
                         QStringLiteral(" de ") + QString::number(pageCount()));
}

void frmPreview::guardarPdf()
{
    QFileDialog dialog(this, QStringLiteral("Guardar PDF"));
    dialog.setObjectName(QStringLiteral("dlgGuardarPdf"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Documentos PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    dialog.selectFile(QFileInfo(m_sRut).completeBaseName() + QStringLiteral(".pdf"));
    if (m_ctx.opener.openModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveReportPdf(m_ctx, dialog.selectedFiles().constFirst(), m_markup, m_range);
}
