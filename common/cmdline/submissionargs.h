#pragma once

#include <QString>
#include <QVariantList>
#include <stdexcept>

/// The command line cannot be read: the message names the position that is wrong.
class CommandLineError : public std::runtime_error {
public:
    explicit CommandLineError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

/// What the integrator passes to declcheck and declsummary: one text of 36 characters with
/// fixed positions, naming a saved declaration and the sending it belongs to.
struct SubmissionArgs {
    static constexpr int Length = 36;

    int documentType = 0;   ///< positions 1-2
    QString documentNumber; ///< positions 3-17, trimmed
    QString form;           ///< positions 18-21
    QString period;         ///< positions 22-27 as given, YYYYMM (YYYY00 for an annual period)
    QString tag;            ///< position 28, one character of the file names
    QString controlNumber;  ///< positions 29-36

    /// Reads the line. Every field is checked before anything uses it: the document number
    /// holds letters and digits only, the period is YYYYMM with a month from 00 to 12, and the
    /// tag and control number, which become part of file names, are letters and digits.
    /// Throws CommandLineError.
    static SubmissionArgs parse(const QString& line);

    bool isAnnual() const { return period.endsWith(QLatin1String("00")); }
    /// The period the declaration is stored under: an annual period keeps only its year.
    QString storedPeriod() const { return isAnnual() ? period.left(4) : period; }

    /// "tip_doc_d = ? AND doc_id_d = ? AND periodo = ? AND formulario = ?", for keyValues().
    static QString keyCondition();
    QVariantList keyValues() const;
};

/// How to call a program that takes the fixed-position line; `exitStatuses` describes what
/// its exit statuses mean.
QString submissionUsage(const QString& program, const QString& exitStatuses);
