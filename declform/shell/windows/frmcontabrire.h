#pragma once

#include "declarationchooser.h"

/// The sent declarations (HCAB), one row per sending, to register the order number VALDEX
/// assigned to one in the declaration window or to delete that sending.
class FrmContAbrirE : public DeclarationChooser {
    Q_OBJECT
public:
    /// Reads the list; throws DbError.
    FrmContAbrirE(AppContext& context, BarradeEstadoKOVA& statusBar, const ShellWindows& windows,
                  QWidget* parent = nullptr);

protected:
    QList<DeclarationRow> readRows() override;
    void deleteDeclaration(const DeclarationRow& row) override;
    void buttonPressed() override;
};
