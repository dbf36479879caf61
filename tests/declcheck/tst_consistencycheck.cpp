#include "consistencycheck.h"
#include "hostdatabase.h"
#include "saveddeclaration.h"
#include "submissionargs.h"
#include "testhost.h"
#include "testregistry.h"

#include <QTest>
#include <functional>

namespace {
using Edit = std::function<void(SavedDeclaration&)>;

const QString First = QStringLiteral("20555666773");
const QString Second = QStringLiteral("10405060707");
const QString Third = QStringLiteral("20444333228");

/// Two subjects: one with a receipt and its voucher, one with a cash sale whose perception
/// (4.50) sits on a half unit.
SavedDeclaration balancedDeclaration()
{
    SavedDeclaration d;
    d.subject(First, "1000.00", "10.00")
        .receipt(First, "0001", "00000001", "1000.00", "10.00")
        .voucher(First, "0001", "00000001", "1000.00")
        .subject(Second, "500.40", "4.50")
        .cashSale(Second, "0003", "000000000000777", "500.40", "4.50");
    return d;
}

QStringList check(TestHost& host, const SavedDeclaration& declaration)
{
    declaration.store(host.db());
    return checkDeclaration(host.db(), SubmissionArgs::parse(declaration.commandLine()));
}

const QString ReceiptsPerception =
    QStringLiteral(") El monto total percibido de los comprobantes de percepción emitidos - con CDP no "
                   "coincide con lo registrado en la "
                   "declaración.");
const QString DetailBase =
    QStringLiteral(") El total cobrado de comprobantes emitidos no coincide con el total cobrado "
                   "en el detalle del sujeto de percepción.");
const QString DetailPerception =
    QStringLiteral(") El total percibido de comprobantes emitidos no coincide con lo "
                   "percibido en el detalle del sujeto de percepción.");
const QString NoSubjectForReceipt = QStringLiteral(
    ") Existen comprobantes de percepción emitidos con CDP- pero no existe el sujeto de percepción.");
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestConsistencyCheck : public QObject {
    Q_OBJECT
private slots:
    void messages_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("expected");
        const auto box = [](const char* casilla, const char* value) {
            return Edit([=](SavedDeclaration& d) { d.box(QLatin1String(casilla), QLatin1String(value)); });
        };

        QTest::newRow("balanced") << Edit([](SavedDeclaration&) {}) << QStringList();
        QTest::newRow("box one unit above") << box("512", "11") << QStringList();
        QTest::newRow("box one unit below") << box("511", "999") << QStringList();
        QTest::newRow("box two units above") << box("512", "12") << QStringList{ReceiptsPerception};
        QTest::newRow("box two units below")
            << box("517", "998")
            << QStringList{QStringLiteral(
                   ") El monto total cobrado del detalle de comprobantes de pago involucrado no "
                   "coincide con lo registrado en la declaración.")};
        // 4.50 is 5 whole units: 3 is two units off, 6 one.
        QTest::newRow("half unit rounds up, 3 is too far")
            << box("515", "3")
            << QStringList{QStringLiteral(
                   ") El monto total percibido de los comprobantes de percepción emitidos - al "
                   "contado no coincide con lo registrado en la declaración.")};
        QTest::newRow("half unit rounds up, 6 is near") << box("515", "6") << QStringList();
        QTest::newRow("count differs")
            << box("501", "4")
            << QStringList{
                   QStringLiteral(") La cantidad de registros de la casilla 501 no coincide del detalle de "
                                  "percepciones por sujeto de percepción")};
        QTest::newRow("subjects' amount differs")
            << box("502", "1400")
            << QStringList{
                   QStringLiteral(") El valor de la casilla 502 no coincide con el monto total cobrado del "
                                  "detalle de percepciones por sujeto de percepción.")};
        QTest::newRow("subjects' perception differs")
            << box("503", "17")
            << QStringList{
                   QStringLiteral(") El valor de la casilla 503 no coincide con el importe de percepción del "
                                  "detalle de percepciones por sujeto de percepción.")};
        QTest::newRow("box 401 differs")
            << box("401", "100")
            << QStringList{QStringLiteral(") El total percibido del detalle del sujeto de percepción no "
                                          "coincide con la casilla 401.")};
        QTest::newRow("box not stored is zero")
            << Edit([](SavedDeclaration& d) { d.noBox(QStringLiteral("511")); })
            << QStringList{
                   QStringLiteral(") El monto total cobrado de los comprobantes de percepción emitidos - con "
                                  "CDP no coincide con lo registrado en la declaración.")};
        QTest::newRow("box that is not a number")
            << box("516", "ABC")
            << QStringList{
                   QStringLiteral(") La cantidad de registros de la casilla 516 no coincide del detalle de "
                                  "comprobantes de pago involucrado")};
        QTest::newRow("amount that is not a number")
            << Edit([](SavedDeclaration& d) { d.voucher(First, "0001", "00000001", "12,3a"); })
            << QStringList{QStringLiteral(
                   ") No se pudo completar la verificación del detalle de comprobantes de pago "
                   "involucrado: el monto \"12,3a\" de F947PDETCP no es un número")};
        QTest::newRow("receipts without their subject, one message") << Edit([](SavedDeclaration& d) {
            d.receipt(Third, "0002", "00000005", "200.00", "2.00")
                .voucher(Third, "0002", "00000005", "200.00")
                .receipt("20100123453", "0002", "00000006", "300.00", "3.00")
                .voucher("20100123453", "0002", "00000006", "300.00");
        }) << QStringList{DetailBase, DetailPerception, NoSubjectForReceipt};
        QTest::newRow("cash sale without its subject")
            << Edit([](SavedDeclaration& d) { d.cashSale(Third, "0004", "88", "200.00", "2.00"); })
            << QStringList{DetailBase, DetailPerception,
                           QStringLiteral(
                               ") Existen comprobantes de percepción emitidos al contado- pero no existe el "
                               "sujeto de percepción.")};
        QTest::newRow("receipt without its vouchers")
            << Edit([](SavedDeclaration& d) {
                   d.subject(Third, "200.00", "2.00").receipt(Third, "0002", "00000005", "200.00", "2.00");
               })
            << QStringList{
                   QStringLiteral(") Existen comprobantes de percepción emitidos con CDP- pero no existe el "
                                  "CDP involucrado.")};
        QTest::newRow("voucher without its receipt")
            << Edit([](SavedDeclaration& d) { d.voucher(First, "0009", "00000099", "50.00"); })
            << QStringList{
                   QStringLiteral(") Existe el CDP involucrado-pero no existe el comprobante de percepción "
                                  "emitido con CDP.")};
        QTest::newRow("subject charged more than its receipts")
            << Edit([](SavedDeclaration& d) {
                   d.subject(Third, "300.00", "2.00")
                       .receipt(Third, "0002", "00000005", "200.00", "2.00")
                       .voucher(Third, "0002", "00000005", "200.00");
               })
            << QStringList{
                   DetailBase,
                   QStringLiteral(") La base imponible del sujeto de percepción no coincide con la base "
                                  "imponible del comprobante de percepción emitido.")};
        QTest::newRow("subject perceived more than its receipts")
            << Edit([](SavedDeclaration& d) {
                   d.subject(Third, "200.00", "5.00")
                       .receipt(Third, "0002", "00000005", "200.00", "2.00")
                       .voucher(Third, "0002", "00000005", "200.00");
               })
            << QStringList{DetailPerception,
                           QStringLiteral(") La percepción del sujeto no coincide con la percepción "
                                          "del comprobante de percepción emitido.")};
    }
    void messages()
    {
        QFETCH(Edit, edit);
        QFETCH(QStringList, expected);
        TestHost host;
        SavedDeclaration declaration = balancedDeclaration();
        edit(declaration);
        QCOMPARE(check(host, declaration), expected);
    }

    void rectificationDoesNotChangeTheBalance_data()
    {
        QTest::addColumn<QString>("box005");
        QTest::newRow("original") << "0";
        QTest::newRow("rectification") << "1";
        QTest::newRow("not stored") << "";
    }
    void rectificationDoesNotChangeTheBalance()
    {
        QFETCH(QString, box005);
        TestHost host;
        SavedDeclaration declaration = balancedDeclaration();
        declaration.box(QStringLiteral("512"), QStringLiteral("12"));
        if (box005.isEmpty())
            declaration.noBox(QStringLiteral("005"));
        else
            declaration.box(QStringLiteral("005"), box005);
        QCOMPARE(check(host, declaration), QStringList{ReceiptsPerception});
    }

    void declarationWithoutDetail()
    {
        TestHost host;
        SavedDeclaration declaration;
        // Saving leaves empty boxes out: none stored is the same as all zero.
        for (const char* casilla :
             {"401", "501", "502", "503", "510", "511", "512", "513", "514", "515", "516", "517"})
            declaration.noBox(QLatin1String(casilla));
        QCOMPARE(check(host, declaration),
                 QStringList{QStringLiteral(
                     ") No existe información de detalle de percepciones por sujetos de percepción.")});
    }

    void aCheckThatCannotRunEndsAloneAndTheOthersGoOn()
    {
        TestHost host;
        SavedDeclaration declaration = balancedDeclaration();
        declaration.receipt(Third, "0002", "00000005", "200.00", "2.00")
            .voucher(Third, "0002", "00000005", "200.00");
        declaration.store(host.db());
        const QString failure = QStringLiteral("no such table: F947PDETVC");
        host.db().setStatementHook([&](const QString& sql) {
            if (sql.contains(QStringLiteral("F947PDETVC")))
                throw DbError(DbError::NoSuchTable, failure);
        });
        const QString cannot = QStringLiteral(") No se pudo completar la verificación ");
        QCOMPARE(
            checkDeclaration(host.db(), SubmissionArgs::parse(declaration.commandLine())),
            (QStringList{
                cannot + QStringLiteral("de los comprobantes de percepción emitidos - al contado: ") +
                    failure,
                cannot +
                    QStringLiteral(
                        "de los comprobantes emitidos contra el detalle del sujeto de percepción: ") +
                    failure,
                cannot +
                    QStringLiteral(
                        "de cada sujeto de percepción contra sus comprobantes de percepción emitidos: ") +
                    failure,
                NoSubjectForReceipt,
                cannot +
                    QStringLiteral("de los sujetos de los comprobantes de percepción emitidos al contado: ") +
                    failure,
            }));
        host.db().setStatementHook(nullptr);
    }
};
DECL_TEST(TestConsistencyCheck)
#include "tst_consistencycheck.moc"
