#pragma once

#include "declarationchooser.h"

/// The saved declarations (CAB), to modify one in the declaration window or to delete it.
/// The list can be ordered by RUC or name with a click on those headers; Enter in the list
/// presses the action button.
class FrmContAbrir : public DeclarationChooser {
    Q_OBJECT
public:
    /// Reads the list; throws DbError.
    FrmContAbrir(AppContext& context, BarradeEstadoKOVA& statusBar, const ShellWindows& windows,
                 QWidget* parent = nullptr);

protected:
    QList<DeclarationRow> readRows() override;
    void deleteDeclaration(const DeclarationRow& row) override;
    bool mayOpenDeclaration() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void orderBy(int column);

    ListOrder m_order = ListOrder::Periodo;
};
