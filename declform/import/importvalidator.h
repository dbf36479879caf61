#pragma once

#include "importfiles.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

class HostDatabase;
class HostUtilities;

/// One line of an import file after its fields went through the checks.
struct LineCheck {
    bool accepted = false;
    int refusedField = 0; ///< 1-based field that refused the line; 0 when accepted
    QStringList values;   ///< normalised fields, values[0] is field 1
    QString typeAsRead;   ///< field 10 trimmed and in upper case, before padding
};

/// The field checks of the import, with the state they keep from one field to the next: the
/// error code of the last refusal, whether the subject is a company, and the series, voucher
/// type and voucher-number width that later fields of the line depend on.
class ImportValidator {
public:
    ImportValidator(HostDatabase& db, const HostUtilities& host, QString rucDeclarante, QString periodo);

    /// Checks field `position` + 1 of a line of receipts with payment vouchers. `value` comes
    /// back normalised (trimmed, cut, padded with zeros, "Ñ" converted); false when refused, the
    /// reason being errorCode().
    bool Val_Transf_CVS(QString& value, quint8 position);
    /// The same for a line of cash sales, whose voucher is its perception receipt.
    bool Val_Transf_CVS_VC(QString& value, quint8 position);

    /// Cuts a line into its fields (upper case, blanks stripped) and checks them in order up to
    /// the first refused one. Fields beyond the kind's count are ignored.
    LineCheck checkLine(const QString& line, ImportKind kind);

    /// Four-digit code of the last refusal (or of the last check that set one).
    const QString& errorCode() const { return m_errorCode; }
    void setErrorCode(const QString& code) { m_errorCode = code; }
    /// Set from field 1 before field 2 is checked: a RUC beginning "20" is a company's.
    void setCompany(bool company) { m_company = company; }
    /// 15 when field 10 reads "99", else 8; set before field 10 is checked.
    void setVoucherNumberWidth(int width) { m_voucherNumberWidth = width; }

    /// True when the date "dd/mm/yyyy" is not after today (the day the checks began).
    bool Fechadesistema(const QString& date) const;

private:
    bool commonField(QString& value, quint8 position);
    bool rucField(const QString& value);
    bool requiredNameField(QString& value, int maxLength);
    bool nameRule(QString& value);
    bool seriesField(QString& value);
    bool numberField(QString& value, int width);
    /// A date of issue in its form and not after today.
    bool issueDate(const QString& value, const char* afterTodayCode);
    bool receiptDateField(const QString& value);
    bool voucherDateField(const QString& value);
    bool voucherAmountField(const QString& value);
    bool voucherTypeKnown(QString& value);
    bool rucDocumentValid(const QString& ruc);

    HostDatabase& m_db;
    const HostUtilities& m_host;
    QString m_ruc;
    int m_periodo = 0; ///< YYYYMM as a number
    QDate m_today;

    QString m_errorCode;
    bool m_company = false;
    QString m_receiptSeries;
    QString m_voucherType;
    QString m_voucherSeries;
    int m_voucherNumberWidth = 8;

    // A run asks the same questions of the database for every line.
    QHash<QString, bool> m_knownTypes;
    QHash<QString, bool> m_validRucs;
};
