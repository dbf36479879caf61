#pragma once

#include <QString>
#include <optional>

class HostUtilities;
class Messages;

// The checks a perception receipt or a payment voucher passes before it is stored: type,
// series, number, date of issue and amount, against the declared period and today's date.
// Each check answers the first rule that fails, with its message and the field to focus;
// the window shows it. Only the question about a voucher dated before the perception regime
// is asked here, because its answer decides whether the check goes on.

/// The two documents the rules tell apart.
enum class DocumentKind { Receipt, Voucher };

/// The field a failed rule gives the focus back to.
enum class DocField { None, Type, Series, Number, Date, Amount };

/// How a failed rule reaches the user.
enum class Notice {
    Box,    ///< a message box of the window, critical-stop icon
    Host,   ///< the integrator's own message (MuestraMensaje)
    Silent, ///< nothing more to show: the date is incomplete, or the user answered a question
};

struct RuleFailure {
    QString message;
    DocField focus = DocField::None;
    Notice notice = Notice::Box;
};

/// Empty when every rule passed.
using RuleResult = std::optional<RuleFailure>;

/// What the checks read from a window.
struct DocumentEntry {
    QString type;          ///< two-character voucher type; empty for a receipt with vouchers
    bool cashSale = false; ///< receipt only: the payment voucher serves as receipt
    QString series;        ///< as typed
    QString number;
    QString date; ///< "dd/mm/yyyy", "_" for digits not typed
    QString amount;
};

/// The text of an empty date field.
inline const QString EmptyDate = QStringLiteral("__/__/____");
/// The first day of the perception regime.
inline const QString RegimeStart = QStringLiteral("14/10/2002");

/// The receipt check, in the order its rules are shown.
RuleResult checkReceipt(const DocumentEntry& receipt, const QString& period, const HostUtilities& host);
/// The voucher check; a voucher dated before the regime asks whether to go on.
RuleResult checkVoucher(const DocumentEntry& voucher, const QString& period, const HostUtilities& host,
                        Messages& messages, const QString& title);

/// A receipt is dated within the declared month (from the 14th in October 2002) and not after today.
RuleResult ValidaFecha(const QString& date, const QString& period);
/// A voucher is dated no later than the declared month and not after today; a date before the
/// regime asks (except while the window is opening) and a No answer fails silently.
RuleResult ValidaFechaOrigen(const QString& date, const QString& period, Messages& messages,
                             const QString& title, bool opening = false);
/// True when the date ("dd/mm/yyyy") is not after today's date.
bool Fechadesistema(const QString& date);

/// Which characters a series may hold at each position, by the date of issue: digits only until
/// 18/07/2010, a letter in the first position from 19/07/2010, letters in positions 2 to 4 from
/// 01/12/2012 when the first one marks an electronic document.
RuleResult checkSeriesPositions(DocumentKind kind, const QString& series, const QString& date,
                                const QString& type, const HostUtilities& host);

/// "MM/YYYY" of a period "YYYYMM".
QString periodText(const QString& period);
/// True when the text is a real date written "dd/mm/yyyy".
bool isValidDate(const QString& date);
