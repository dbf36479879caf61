#pragma once

#include "hostdatabase.h"
#include "importfiles.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

struct LineCheck;

/// Writes the accepted lines of an import into the working tables: the subject and the
/// receipt when they are not there yet, the payment voucher always. Rows are written in
/// batches, each one transaction, so a large file costs few commits; every batch is committed,
/// also when the run stops early, so the rows of accepted lines stay.
class DetailWriter {
public:
    static constexpr int BatchLines = 2000;

    DetailWriter(HostDatabase& db, ImportKind kind, QString tasaPercepcion);
    DetailWriter(const DetailWriter&) = delete;
    DetailWriter& operator=(const DetailWriter&) = delete;

    /// Commits one accepted line: its subject and receipt unless they are there already (they are
    /// then left as they are), and its voucher. Answers an empty text when the line was written,
    /// or the refusal code when the table already holds it ("0228" a voucher, "0871" a cash
    /// sale). Throws DbError for any other failure.
    QString commit(const LineCheck& line);
    /// Commits the open batch. Throws DbError.
    void finish();

private:
    void insertSubject(const QStringList& f);
    bool insertReceipt(const QStringList& f);
    bool insertVoucher(const QStringList& f, const QString& typeAsRead);
    QString perception(const QString& amount) const;

    HostDatabase& m_db;
    ImportKind m_kind;
    QString m_tasa;
    std::optional<Transaction> m_batch;
    int m_batchLines = 0;
    // Subjects and receipts this run has found or written. Nothing else writes the working
    // tables while a run lasts, so they need not be looked up again.
    QSet<QString> m_subjects;
    QSet<QString> m_receipts;
};
