#include "frmconsultas.h"

#include "appcontext.h"
#include "banks.h"
#include "openwindow.h"
#include "shellfiles.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

FrmConsultas::FrmConsultas(AppContext& context, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmConsultas"));
    setProperty("HelpContextID", helpcontext::Bancos);
    // Banks are the one list this window knows; the bank command is its only caller.
    setWindowTitle(QStringLiteral("Bancos"));

    m_model = new QStandardItemModel(0, 2, this);
    m_model->setObjectName(QStringLiteral("Dta1"));
    m_model->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descripción")});
    for (const Bank& bank : listBanks(context.db)) {
        QList<QStandardItem*> row = {new QStandardItem(bank.codigo), new QStandardItem(bank.descrip)};
        for (QStandardItem* item : row)
            item->setEditable(false);
        m_model->appendRow(row);
    }

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("grdBancos"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 8);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEnabled(m_model->rowCount() > 0);
    if (m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(0, 0));

    auto* salir = new QPushButton(QStringLiteral("&Salir"), this);
    salir->setObjectName(QStringLiteral("CmdSalir"));
    salir->setAutoDefault(false);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(salir);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(twips(7065), twips(4140));
}

void FrmConsultas::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_grid->isEnabled())
        m_grid->setFocus();
}
