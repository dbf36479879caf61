#include "hostdatabase.h"
#include "printeddeclaration.h"
#include "printfixture.h"
#include "testregistry.h"

#include <QTest>

class TestPrintedDeclaration : public QObject {
    Q_OBJECT
private slots:
    void loadsBoxesAndPayment()
    {
        PrintHost f;
        const TestDeclaration byCheque =
            TestDeclaration()
                .box(2, QStringLiteral("20100123453"))
                .box(410, QStringLiteral("65"))
                .box(501, QStringLiteral("3"))
                .box(721, QStringLiteral("1.2"))
                .box(722, QStringLiteral("123456"))
                .box(790, QStringLiteral("29/08/2014"))
                .box(871, QStringLiteral("1"))
                .cheque(QStringLiteral("02"), QStringLiteral("123456"), QStringLiteral("65"));
        byCheque.store(f.host.db());
        // A sending of the same period whose payment columns are null.
        TestDeclaration sending = TestDeclaration().sent(QStringLiteral("001"), QString(), QString());
        sending.box(410, QStringLiteral("0")).store(f.host.db());

        PrintedDeclaration printed = printedDeclarationOf(byCheque.row(), false);
        CargarCasillas(f.host.db(), printed);
        const QMap<int, QString> boxes{{2, QStringLiteral("20100123453")},
                                       {410, QStringLiteral("65")},
                                       {501, QStringLiteral("3")},
                                       {871, QStringLiteral("1")}};
        QCOMPARE(printed.casillas, boxes);
        QCOMPARE(printed.banco, QStringLiteral("02"));
        QCOMPARE(printed.numeroCheque, QStringLiteral("123456"));
        QCOMPARE(printed.cheque, QStringLiteral("65"));
        QCOMPARE(printed.efectivo, QString());

        // Nothing of the declaration loaded before stays behind.
        printed.declaration = printedDeclarationOf(sending.row(), true).declaration;
        CargarCasillas(f.host.db(), printed);
        QCOMPARE(printed.casillas, (QMap<int, QString>{{410, QStringLiteral("0")}}));
        QCOMPARE(printed.banco, QString());
        QCOMPARE(printed.numeroCheque, QString());
        QCOMPARE(printed.cheque, QString());
    }

    void documentTypeShortNames()
    {
        PrintHost f;
        // A type not in use: no "1" at position 75.
        QString unused = QString(130, QLatin1Char('0'));
        unused.replace(31, 10, QStringLiteral("OTRO DOC. "));
        f.host.db().execute(QStringLiteral("INSERT INTO PARAM (Numero, Argumento, Funcion) VALUES (?, ?, ?)"),
                            {QStringLiteral("044"), QStringLiteral("0"), unused});
        const QMap<int, QString> names = CargaTiposDocumento(f.host.db());
        QCOMPARE(names.keys(), (QList<int>{1, 4, 6, 7}));
        QCOMPARE(names.value(1), QStringLiteral("DNI       "));
        QCOMPARE(names.value(6), QStringLiteral("RUC       "));
    }
};
DECL_TEST(TestPrintedDeclaration)
#include "tst_printeddeclaration.moc"
