#pragma once

#include "declarationlist.h"

#include <QAbstractTableModel>

/// The rows of a declaration chooser's grid, each column showing one field of the row.
class DeclarationListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Field { Ruc, Nombre, Periodo, Formulario, Estado, Rectifica, Norden, FecEnv, Control, Correl };
    struct Column {
        QString caption;
        Field field;
    };

    DeclarationListModel(QList<Column> columns, QObject* parent = nullptr);

    void setRows(QList<DeclarationRow> rows);
    const QList<DeclarationRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Column> m_columns;
    QList<DeclarationRow> m_rows;
};

class QTableView;
class QWidget;
/// The read-only, one-row-at-a-time grid "grdContrib" in which the choosers and the print
/// dialog list declarations.
QTableView* declarationGrid(DeclarationListModel& model, QWidget* parent);
