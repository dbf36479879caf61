#pragma once

#include "documentrules.h"
#include "fieldrules.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class DbError;
class HostUtilities;
class Messages;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QWidget;
struct AppContext;

// The questions and messages the detail windows share.
inline const QString ModifiedQuestion =
    QStringLiteral("La información ha sido modificada. ¿Desea guardar los cambios?");
inline const QString NoReceiptsQuestion =
    QStringLiteral("No hay comprobantes. Si sale se borrará este registro. ¿Esta Seguro?");
inline const QString DeleteQuestion = QStringLiteral("¿Confirma que va a eliminar la información?");
inline const QString NoVouchersEntered = QStringLiteral("Ingrese al menos un comprobante de pago");
inline const QString AlreadyEntered = QStringLiteral("La información ya ha sido registrada");

// What the subject, receipt and voucher windows share: the behaviour of their entry fields,
// the grey of fields that cannot change, their lists, and how they show a refused rule.

/// How an entry field takes keys. Keys are character codes as typed (13 Enter, 8 Backspace).
struct FieldBehaviour {
    /// The code to use instead of the typed one; 0 refuses it. None: every key passes.
    std::function<int(int key)> filter;
    /// Whether Enter moves to the next field. None: it always does.
    std::function<bool()> enterMovesOn;
    /// Shift+Insert and a right mouse press empty the clipboard, so nothing can be pasted.
    bool blockPaste = false;
    /// Every key typed (also refused ones), so the window knows it was changed.
    std::function<void()> typed;
    /// The focus came from, or went to, another field of the window.
    std::function<void()> entered;
    std::function<void()> left;
};

/// Gives a line edit (or a list, for Enter) the behaviour; the guard lives as long as the field.
void guardField(QWidget* field, FieldBehaviour behaviour);
/// What the series, number, date and amount fields of a receipt or voucher need from their window.
struct DocumentFieldHooks {
    DocumentKind kind = DocumentKind::Receipt;
    std::function<QString()> type;  ///< the type code chosen, "" for none
    std::function<bool()> cashSale; ///< receipts: the payment voucher serves as receipt
    std::function<void()> typed;    ///< a key typed in a field that marks the window changed
    bool dateMarksChanged = false;  ///< keys in the date mark the window changed too
    std::function<void()> dateLeft; ///< the date was left
};
/// Gives the fields of a receipt or voucher their key filters, paste blocking and the
/// reformatting when they are entered and left.
void guardDocumentFields(QLineEdit* series, QLineEdit* number, QLineEdit* date, QLineEdit* amount,
                         const HostUtilities& host, const DocumentFieldHooks& hooks);
/// Moves the focus to the next field, as a Tab key would.
void moveFocusOn(QWidget* from);

/// Enables or disables a field; a disabled field has the grey background of fixed values.
void setFieldEnabled(QWidget* field, bool enabled);
/// Gives a field the grey background of values that are not typed, or its own back.
void setFieldGrey(QWidget* field, bool grey);
/// A width that shows about `chars` characters of typed text.
int fieldWidth(const QWidget* field, int chars);
/// Sets the length limit of a field without cutting what it holds.
void setFieldLength(QLineEdit* field, int length);

/// The fields of a receipt or voucher that a refused rule can give the focus to.
struct DocumentFields {
    QWidget* type = nullptr;
    QWidget* series = nullptr;
    QWidget* number = nullptr;
    QWidget* date = nullptr;
    QWidget* amount = nullptr;

    QWidget* of(DocField field) const;
};

/// Shows a refused rule as the window does (message box or the integrator's message) and
/// gives the focus back to `field` when it is enabled.
void showFailure(const AppContext& ctx, const QString& caption, const RuleFailure& failure, QWidget* field);
/// A validation message: critical-stop icon, the window caption as title.
void showError(const AppContext& ctx, const QString& caption, const QString& text);
/// A database failure as the platform reports a run-time error.
void showDbError(Messages& messages, const DbError& error);
/// Runs a window action; a database failure is shown and the window stays as it is.
void guarded(Messages& messages, const std::function<void()>& action);

/// A caption named `name`.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
/// An entry field named `name`, wide enough for `widthInChars` characters.
QLineEdit* makeField(QWidget* parent, const char* name, int maxLength, int widthInChars);
/// A date field "dd/mm/yyyy" whose empty text is "__/__/____".
QLineEdit* makeDateField(QWidget* parent, const char* name);
/// A command button; Enter in a field never presses it.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text);

/// The "Registros" caption of a list's row count.
QString recordCount(qsizetype rows);

/// A read-only list of whole rows, one selected at a time.
QTableView* makeGrid(QWidget* parent, const QString& name, const QStringList& headers);
/// Replaces the rows of a list; the first row becomes the current one.
void setGridRows(QTableView* grid, const QList<QStringList>& rows, const QList<int>& rightAligned);
/// The current row of a list, or -1 when it is empty.
int currentGridRow(QTableView* grid);

/// The hourglass pointer while a scope runs.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
