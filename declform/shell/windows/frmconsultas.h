#pragma once

#include <QDialog>

class QStandardItemModel;
class QTableView;
struct AppContext;

/// The bank list: code and name of every bank of the integrator's bank table.
class FrmConsultas : public QDialog {
    Q_OBJECT
public:
    /// Reads the list; throws DbError.
    explicit FrmConsultas(AppContext& context, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    QTableView* m_grid = nullptr;
    QStandardItemModel* m_model = nullptr;
};
