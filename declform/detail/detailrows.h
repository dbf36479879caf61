#pragma once

#include <QString>

// The rows the detail windows hand to one another, as their lists show them. Dates are
// "dd/mm/yyyy"; amounts are the stored texts.

/// A subject of perception as the declaration window's subject list gives it.
struct SubjectRow {
    QString ruc;
    QString razon; ///< business name, or the person's name joined as stored
    QString apePat;
    QString apeMat;
    QString nombres;
};

/// A line of a subject's receipt list.
struct ReceiptRow {
    QString series;
    QString number;
    QString date;
    QString amountCharged;
    QString perception;
    QString tipCp;  ///< voucher type of a cash sale; empty for a receipt with vouchers
    QString desCdp; ///< description of that type
};

/// The receipt a voucher belongs to.
struct ReceiptKey {
    QString ruc;
    QString series;
    QString number;
};

/// A line of a receipt's voucher list.
struct VoucherRow {
    QString typeDescription;
    QString series;
    QString number;
    QString date;
    QString typeCode;
    QString amount; ///< negative for a credit note
};

/// Whether a new row was added or one with the same key was already there.
enum class SaveOutcome { Saved, AlreadyExists };

/// The voucher type of a credit note, whose amount is stored negative.
inline const QString CreditNoteType = QStringLiteral("07");
