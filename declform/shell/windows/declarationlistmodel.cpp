#include "declarationlistmodel.h"

#include <QHeaderView>
#include <QTableView>

#include "statepictures.h"

DeclarationListModel::DeclarationListModel(QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

void DeclarationListModel::setRows(QList<DeclarationRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int DeclarationListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DeclarationListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DeclarationListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_columns.size())
        return {};
    const DeclarationRow& row = m_rows.at(index.row());
    const Field field = m_columns.at(index.column()).field;
    if (field == Field::Estado) {
        // The state shows as its picture only.
        if (role == Qt::DecorationRole)
            return statePicture(row.estado);
        return {};
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (field) {
    case Field::Ruc:
        return row.ruc;
    case Field::Nombre:
        return row.nombre;
    case Field::Periodo:
        return row.periodoMMYYYY();
    case Field::Formulario:
        return row.formulario;
    case Field::Rectifica:
        return row.rectifica;
    case Field::Norden:
        return row.norden;
    case Field::FecEnv:
        return row.fecEnv.toString(QStringLiteral("dd/MM/yyyy"));
    case Field::Control:
        return row.control;
    case Field::Correl:
        return row.correl;
    case Field::Estado:
        break;
    }
    return {};
}

QVariant DeclarationListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns.size())
        return {};
    return m_columns.at(section).caption;
}

QTableView* declarationGrid(DeclarationListModel& model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(QStringLiteral("grdContrib"));
    grid->setModel(&model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}
