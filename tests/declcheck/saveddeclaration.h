#pragma once

#include <QAnyStringView>
#include <QList>
#include <QMap>
#include <QString>

class HostDatabase;

/// A saved declaration for the tests, described in a few calls and stored straight into CAB,
/// DET and the module tables as saving leaves them:
///
///     SavedDeclaration().subject("20555666773", "1000.00", "10.00")
///         .receipt("20555666773", "0001", "00000001", "1000.00", "10.00")
///         .voucher("20555666773", "0001", "00000001", "1000.00")
///         .store(db);
///
/// Boxes 401, 501-503 and 510-517 are computed from the detail when it is stored, unless box()
/// or noBox() says otherwise. Texts may be given as plain literals.
class SavedDeclaration {
public:
    static inline const QString Declarant = QStringLiteral("20100123453");

    static inline const QString OneReceiptSubject = QStringLiteral("20555666773");
    /// A balanced declaration: one subject with one receipt and its voucher.
    static SavedDeclaration oneReceipt(const QString& period = QStringLiteral("200504"));

    /// `period` as the command line gives it: YYYYMM, or YYYY00 for an annual declaration.
    explicit SavedDeclaration(QString period = QStringLiteral("200504"), QString ruc = Declarant);

    SavedDeclaration& subject(QAnyStringView ruc, QAnyStringView base, QAnyStringView perception);
    SavedDeclaration& receipt(QAnyStringView subjectRuc, QAnyStringView series, QAnyStringView number,
                              QAnyStringView base, QAnyStringView perception);
    SavedDeclaration& cashSale(QAnyStringView subjectRuc, QAnyStringView series, QAnyStringView number,
                               QAnyStringView base, QAnyStringView perception);
    /// A payment voucher behind the receipt `series`-`number`; its own number is made up.
    SavedDeclaration& voucher(QAnyStringView subjectRuc, QAnyStringView series, QAnyStringView number,
                              QAnyStringView amount);

    SavedDeclaration& box(QAnyStringView casilla, QAnyStringView value);
    SavedDeclaration& noBox(QAnyStringView casilla);
    SavedDeclaration& cash(QAnyStringView amount);
    SavedDeclaration& cheque(QAnyStringView bank, QAnyStringView number, QAnyStringView amount);
    SavedDeclaration& rectifica(QAnyStringView value);

    /// Stores every row in one transaction.
    void store(HostDatabase& db) const;
    /// The fixed-position line that names this declaration.
    QString commandLine(const QString& tag = QStringLiteral("A"),
                        const QString& control = QStringLiteral("00012345")) const;
    const QString& period() const { return m_period; }

private:
    struct Detail {
        QString table;
        QString subject;
        QString series;
        QString number;
        QString base;
        QString perception;
        QString voucherNumber;
    };
    QMap<QString, QString> computedBoxes() const;

    QString m_period;
    QString m_ruc;
    QList<Detail> m_detail;
    QMap<QString, QString> m_boxes;
    QStringList m_removedBoxes;
    QString m_efectivo;
    QString m_cheque;
    QString m_bank;
    QString m_chequeNumber;
    QString m_rectifica = QStringLiteral("0");
};
