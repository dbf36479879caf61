#pragma once

#include "declarationlistmodel.h"
#include "openwindow.h"

#include <QDialog>
#include <optional>

class BarradeEstadoKOVA;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
struct AppContext;

/// Captions and texts of one chooser, by operation mode.
struct ChooserTexts {
    QString frameCaption;
    QString modifyCaption;
    QString modifyButton;
    QString modifyInstruction;
    QString deleteCaption;
    QString deleteButton;
    QString deleteInstruction;
};

/// What the two declaration choosers share: a list of declarations the user may work on, an
/// action button that modifies (opening the declaration window) or deletes the selected one by
/// the session's operation mode, and "&Salir". The list is read again whenever the chooser
/// becomes active, keeping the selected row.
class DeclarationChooser : public QDialog {
    Q_OBJECT
public:
    /// The selected row, when the list has one.
    std::optional<DeclarationRow> selectedRow() const;
    int rowCount() const { return m_model->rowCount(); }

    void reject() override;

protected:
    DeclarationChooser(AppContext& context, BarradeEstadoKOVA& statusBar, const ShellWindows& windows,
                       const ChooserTexts& texts, QList<DeclarationListModel::Column> columns,
                       QSize sizeInTwips, QWidget* parent);

    /// Reads the list and selects its first row; the derived constructor calls it last.
    /// Throws DbError.
    void load();
    /// Reads the list again in the current order and selects the row at `position` (or the
    /// last one); an error is shown and answers false.
    bool reread(int position);
    QTableView& grid() const { return *m_grid; }
    QPushButton& actionButton() const { return *m_action; }
    int currentPosition() const;

    virtual QList<DeclarationRow> readRows() = 0;
    virtual void deleteDeclaration(const DeclarationRow& row) = 0;
    /// Asked before the declaration window opens; false cancels the action silently.
    virtual bool mayOpenDeclaration() { return true; }
    /// Every press of either button, before anything else.
    virtual void buttonPressed() {}

    void changeEvent(QEvent* event) override;

    AppContext& m_context;

private:
    void runAction();
    void openDeclaration();
    void deleteSelected();
    void showSelected();
    void showRows(QList<DeclarationRow> rows, int position);
    void fitColumns();

    BarradeEstadoKOVA& m_statusBar;
    const ShellWindows& m_windows;
    bool m_deleteMode = false;
    bool m_lastReadFailed = false;
    QLabel* m_label = nullptr;
    QGroupBox* m_frame = nullptr;
    QTableView* m_grid = nullptr;
    DeclarationListModel* m_model = nullptr;
    QPushButton* m_action = nullptr;
    QPushButton* m_salir = nullptr;
};

/// The question asked before a declaration is deleted.
inline const QString ConfirmDeleteText =
    QStringLiteral("¿Confirma que va a eliminar la declaración seleccionada?");
