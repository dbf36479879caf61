#pragma once

#include "appcontext.h"
#include "declarationlist.h"
#include "markupreader.h"
#include "reportdriver.h"
#include "reporteformulario.h"
#include "testhost.h"
#include "windowopener.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

class HostDatabase;

/// A declaration for the report tests, described in a few calls and stored straight into the
/// tables as saving (CAB, DET and the module tables) or the integrator's sending (HCAB, HDET
/// and the history tables) leaves it:
///
///     TestDeclaration().box(501, "1").company("20555666773", "COMBUSTIBLES SAC", "1000.00", "10.00")
///         .receipt("20555666773", "0001", "00000001", "1000.00", "10.00")
///         .voucher("20555666773", "0001", "00000001", "01", "F001", "123", "1000.00")
///         .store(db);
class TestDeclaration {
public:
    static inline const QString Declarant = QStringLiteral("20100123453");
    static inline const QDate Issued = QDate(2005, 4, 15);

    explicit TestDeclaration(QString ruc = Declarant, QString periodo = QStringLiteral("200504"));

    /// Stored as a sending with this correl (HCAB state 1 unless told otherwise).
    TestDeclaration& sent(const QString& correl, const QString& norden, const QString& control,
                          int estado = 1);
    TestDeclaration& company(const QString& ruc, const QString& razon, const QString& base,
                             const QString& perception);
    TestDeclaration& person(const QString& ruc, const QString& apellidoP, const QString& apellidoM,
                            const QString& nombres, const QString& base, const QString& perception);
    TestDeclaration& receipt(const QString& subject, const QString& serie, const QString& numero,
                             const QString& base, const QString& perception);
    TestDeclaration& voucher(const QString& subject, const QString& serie, const QString& numero,
                             const QString& tipo, const QString& serieV, const QString& numeroV,
                             const QString& monto);
    TestDeclaration& cashSale(const QString& subject, const QString& serie, const QString& numero,
                              const QString& tipo, const QString& base, const QString& perception);
    /// `count` companies of 100.00 charged and 2.00 perceived ("20600000001", ...), and boxes
    /// 500 and 501 that say so.
    TestDeclaration& companies(int count);
    TestDeclaration& box(int casilla, const QString& value);
    TestDeclaration& cash(const QString& amount);
    TestDeclaration& cheque(const QString& bank, const QString& number, const QString& amount);

    /// Stores every row in one transaction.
    void store(HostDatabase& db) const;
    /// The row the print dialog lists for this declaration.
    DeclarationRow row() const;
    bool isSent() const { return m_sent; }

private:
    QVariantMap keyed() const;

    QString m_ruc;
    QString m_periodo;
    bool m_sent = false;
    QString m_correl;
    QString m_norden;
    QString m_control;
    int m_estado = 0;
    QVariantMap m_header;
    QMap<int, QString> m_boxes;
    QList<QPair<QString, QVariantMap>> m_rows; // module table and its own columns
};
Q_DECLARE_METATYPE(TestDeclaration)

/// A report written for a test and compared with its golden file.
struct CheckedReport {
    QString failure; ///< empty when the report was written and matches its golden file
    int pages = 0;   ///< the run's page count
    ReportMarkup markup;
};

/// A host with the module's tables and parameter rows, the clock fixed at 20/05/2005 10:11:12,
/// and the declaration and annexes reports registered.
struct PrintHost {
    PrintHost();
    ~PrintHost();
    PrintHost(const PrintHost&) = delete;
    PrintHost& operator=(const PrintHost&) = delete;

    /// Writes one report of a stored declaration as the print dialog does (boxes and payment
    /// loaded, report run by the driver) and answers the report file's path; `pages` gets the
    /// run's page count. An empty path when the run failed.
    QString writeReport(const TestDeclaration& declaration, ReporteElegido report, int* pages = nullptr);
    /// Stores the declarations, writes the report of the first one and compares it with the
    /// golden file `golden` of tests/reports/golden, every date and time masked.
    CheckedReport checkReport(const QList<TestDeclaration>& stored, ReporteElegido report,
                              const QString& golden);

    TestHost host;
    ScriptedOpener opener;
    AppContext ctx;
    ReportKinds kinds;
};
