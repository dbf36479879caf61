#include "detailfixture.h"
#include "documentrules.h"
#include "fieldrules.h"
#include "hostutilities.h"
#include "messages.h"
#include "testregistry.h"

#include <QTest>

Q_DECLARE_METATYPE(DocField)
Q_DECLARE_METATYPE(Notice)
Q_DECLARE_METATYPE(DocumentKind)
Q_DECLARE_METATYPE(MsgAnswer)

namespace {

const QString Title = QStringLiteral("0947 - Detalle del Comprobante de Pago Involucrado");
const QString ElectronicRule = QStringLiteral(
    "Para los comprobantes de pago electrónicos con fecha de emisión mayor o igual a 01/12/2012, sólo "
    "se permite el ingreso de caracteres alfanuméricos desde la segunda a la cuarta posición, si es "
    "que la primera posición del número de serie es la letra F.");
const QString LettersAfterFirst = QStringLiteral(
    "Para comprobantes de pago con la fecha de emisión que ha ingresado, no se permiten caracteres "
    "alfabéticos desde la segunda a la cuarta posición en el número de serie.");
const QString VoucherSeriesInvalid =
    QStringLiteral("El número de serie del comprobante de pago no es válido");

} // namespace

/// The checks of a receipt and a voucher, one table each: a row names the document and the
/// first rule it breaks (an empty message when it passes), how that rule is shown and where
/// the focus goes.
class TestDocumentRules : public QObject {
    Q_OBJECT
    ScriptedMessages m_messages;
    HostUtilities m_host{m_messages};

    static void columns()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Notice>("notice");
        QTest::addColumn<DocField>("focus");
    }
    static void row(const char* name, const char* type, const char* series, const char* number,
                    const char* date, const char* amount, const char* period, const QString& message = {},
                    Notice notice = Notice::Box, DocField focus = DocField::None)
    {
        QTest::newRow(name) << QString::fromUtf8(type) << QString::fromUtf8(series)
                            << QString::fromUtf8(number) << QString::fromUtf8(date)
                            << QString::fromUtf8(amount) << QString::fromUtf8(period) << message << notice
                            << focus;
    }
    static DocumentEntry fetchedDocument()
    {
        QFETCH(QString, type);
        QFETCH(QString, series);
        QFETCH(QString, number);
        QFETCH(QString, date);
        QFETCH(QString, amount);
        return {type, false, series, number, date, amount};
    }
    static void compareFailure(const RuleResult& result)
    {
        QFETCH(QString, message);
        QFETCH(Notice, notice);
        QFETCH(DocField, focus);
        if (message.isEmpty()) {
            QVERIFY2(!result, qPrintable(result ? result->message : QString()));
            return;
        }
        QVERIFY(result);
        QCOMPARE(result->message, message);
        QCOMPARE(result->notice, notice);
        QCOMPARE(result->focus, focus);
    }

private slots:
    void cleanup() { m_messages.clear(); }

    void receiptCheck_data()
    {
        columns();
        const auto date = DocField::Date;
        row("in the declared month", "", "0001", "00000001", "15/04/2014", "100.00", "201404");
        row("first day of the regime", "", "0001", "00000001", "14/10/2002", "100.00", "200210");
        row("day before the regime", "", "0001", "00000001", "13/10/2002", "100.00", "200210",
            QStringLiteral("La fecha del comprobante de percepción no puede ser menor al 14/10/2002"),
            Notice::Box, date);
        row("month before the period", "", "0001", "00000001", "31/03/2014", "100.00", "201404",
            QStringLiteral("La fecha del comprobante de percepción no puede ser menor al 01/04/2014"),
            Notice::Box, date);
        row("month after the period", "", "0001", "00000001", "01/05/2014", "100.00", "201404",
            QStringLiteral(
                "La fecha del comprobante de percepción no es válida cuando es posterior al período "
                "04/2014"),
            Notice::Box, date);
        row("after today", "", "0001", "00000001", "01/07/2014", "100.00", "201407",
            QStringLiteral(
                "La fecha del comprobante de percepción no puede ser mayor a la fecha del sistema."));
        row("no date", "", "0001", "00000001", "__/__/____", "100.00", "201404",
            QStringLiteral("Debe ingresar la fecha de emisión."), Notice::Box, date);
        row("no such day", "", "0001", "00000001", "31/04/2014", "100.00", "201404",
            QStringLiteral("Debe ingresar una fecha válida."), Notice::Box, date);
        row("cash sale", "03", "0001", "00000001", "15/04/2014", "100.00", "201404");
        row("no series", "", "  ", "00000001", "15/04/2014", "100.00", "201404",
            QStringLiteral("Ingrese la serie"), Notice::Box, DocField::Series);
        row("number zero", "", "0001", "00000000", "15/04/2014", "100.00", "201404",
            QStringLiteral("El número de comprobante de percepción no puede ser cero"), Notice::Box,
            DocField::Number);
        row("series letter before 19/07/2010", "", "A001", "00000001", "01/01/2010", "100.00", "201001",
            QStringLiteral("El número de serie debe ser numérico"), Notice::Host, DocField::Series);
        row("series letter from 19/07/2010", "", "A001", "00000001", "20/07/2010", "100.00", "201007");
        row("letter after the first position", "", "0A01", "00000001", "20/07/2010", "100.00", "201007",
            LettersAfterFirst, Notice::Host);
        row("series too short", "", "A1", "00000001", "20/07/2010", "100.00", "201007",
            QStringLiteral("Debe registrar correctamente el número de serie."), Notice::Host);
        row("electronic F", "", "F0A1", "00000001", "02/12/2012", "100.00", "201212");
        row("electronic B", "", "B0A1", "00000001", "02/12/2012", "100.00", "201212");
        row("not electronic", "", "10A1", "00000001", "02/12/2012", "100.00", "201212", ElectronicRule,
            Notice::Host);
        row("electronic e is for vouchers", "", "e0A1", "00000001", "02/12/2012", "100.00", "201212",
            ElectronicRule, Notice::Host);
        row("amount only a point", "", "0001", "00000001", "15/04/2014", ".", "201404",
            QStringLiteral("Ingrese el Monto del comprobante de pago"), Notice::Box, DocField::Amount);
    }
    void receiptCheck()
    {
        QFETCH(QString, period);
        FixedToday today(QDate(2014, 6, 30));
        DocumentEntry receipt = fetchedDocument();
        receipt.cashSale = !receipt.type.isEmpty();
        compareFailure(checkReceipt(receipt, period, m_host));
    }

    void cashSaleNeedsItsType()
    {
        const RuleResult result =
            checkReceipt({QString(), true, QStringLiteral("0001"), QStringLiteral("00000001"),
                          QStringLiteral("15/04/2014"), QStringLiteral("100.00")},
                         QStringLiteral("201404"), m_host);
        QVERIFY(result);
        QCOMPARE(result->message, QStringLiteral("Ingrese el tipo de comprobante de pago"));
        QCOMPARE(result->focus, DocField::Type);
    }

    void voucherCheck_data()
    {
        columns();
        row("earlier month", "01", "0001", "00000123", "15/01/2014", "100.00", "201404");
        row("month after the period", "01", "0001", "00000123", "01/05/2014", "100.00", "201404",
            QStringLiteral(
                "La fecha de emisión del comprobante de pago no es válido cuando es posterior al período "
                "04/2014"),
            Notice::Box, DocField::Date);
        row("no type", "", "0001", "00000123", "15/04/2014", "100.00", "201404",
            QStringLiteral("Ingrese el tipo de documento"), Notice::Box, DocField::Type);
        row("number zero", "01", "0001", " 0 ", "15/04/2014", "100.00", "201404",
            QStringLiteral("El número de comprobante de pago no puede ser cero"), Notice::Box,
            DocField::Number);
        row("series of three", "01", "001", "00000123", "15/04/2014", "100.00", "201404",
            VoucherSeriesInvalid, Notice::Box, DocField::Series);
        row("letter before 19/07/2010", "01", "A001", "00000123", "01/01/2010", "100.00", "201404",
            VoucherSeriesInvalid, Notice::Box, DocField::Series);
        row("letter in a numeric type", "12", "A001", "00000123", "20/07/2010", "100.00", "201404",
            VoucherSeriesInvalid, Notice::Box, DocField::Series);
        for (const char* type : {"01", "03", "07", "08"})
            row(qPrintable(QStringLiteral("electronic e, type %1").arg(QLatin1String(type))), type, "e0A1",
                "00000123", "02/12/2012", "100.00", "201404");
        row("not electronic", "01", "10A1", "00000123", "02/12/2012", "100.00", "201404", ElectronicRule,
            Notice::Host);
        row("amount only a point", "01", "0001", "00000123", "15/04/2014", ".", "201404",
            QStringLiteral("Ingrese el valor total del comprobante de pago"), Notice::Box, DocField::Amount);
    }
    void voucherCheck()
    {
        QFETCH(QString, period);
        FixedToday today(QDate(2014, 6, 30));
        compareFailure(checkVoucher(fetchedDocument(), period, m_host, m_messages, Title));
        QVERIFY(m_messages.shown().isEmpty());
    }

    // A voucher dated before the regime is the user's call.
    void voucherBeforeRegimeAsks_data()
    {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("go on") << MsgAnswer::Yes << true;
        QTest::newRow("stop") << MsgAnswer::No << false;
    }
    void voucherBeforeRegimeAsks()
    {
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, accepted);
        m_messages.answer(answer);
        const RuleResult result =
            checkVoucher({QStringLiteral("01"), false, QStringLiteral("0001"), QStringLiteral("00000123"),
                          QStringLiteral("10/10/2002"), QStringLiteral("100.00")},
                         QStringLiteral("200210"), m_host, m_messages, Title);
        QCOMPARE(m_messages.texts(), QStringList{QStringLiteral(
                                         "La fecha del comprobante de pago es anterior al 14/10/2002. ¿Desea "
                                         "continuar?")});
        QCOMPARE(m_messages.shown().first().title, Title);
        QCOMPARE(m_messages.shown().first().buttons, MsgButtons::YesNo);
        QCOMPARE(!result, accepted);
        if (result) {
            QCOMPARE(result->notice, Notice::Silent);
            QCOMPARE(result->focus, DocField::Date);
        }
        // While the window opens the date is shown as stored, without asking.
        m_messages.clear();
        QVERIFY(!ValidaFechaOrigen(QStringLiteral("10/10/2002"), QStringLiteral("200210"), m_messages, Title,
                                   true));
        QVERIFY(m_messages.shown().isEmpty());
    }

    void incompleteDatesAreNotReported()
    {
        const QString date = QStringLiteral("1_/04/2014");
        QCOMPARE(ValidaFecha(date, QStringLiteral("201404"))->notice, Notice::Silent);
        QCOMPARE(ValidaFechaOrigen(date, QStringLiteral("201404"), m_messages, Title)->notice,
                 Notice::Silent);
        QVERIFY(m_messages.shown().isEmpty());
    }

    void fechadesistema_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("notAfterToday");
        QTest::newRow("today") << "15/04/2014" << true;
        QTest::newRow("tomorrow") << "16/04/2014" << false;
        QTest::newRow("earlier day of a later month") << "01/05/2014" << false;
        QTest::newRow("later day of an earlier month") << "31/03/2014" << true;
        QTest::newRow("next year") << "01/01/2015" << false;
    }
    void fechadesistema()
    {
        QFETCH(QString, date);
        QFETCH(bool, notAfterToday);
        FixedToday today(QDate(2014, 4, 15));
        QCOMPARE(Fechadesistema(date), notAfterToday);
    }

    void leftFilling_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<DocumentKind>("kind");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, const char* field, DocumentKind kind, const char* type,
                            const char* typed, const char* shown) {
            QTest::newRow(name) << QString::fromLatin1(field) << kind << QString::fromLatin1(type)
                                << QString::fromLatin1(typed) << QString::fromLatin1(shown);
        };
        const auto receipt = DocumentKind::Receipt;
        const auto voucher = DocumentKind::Voucher;
        row("series of digits", "series", receipt, "", "12", "0012");
        row("series with a letter", "series", voucher, "01", "A1", "A1");
        row("blank receipt series", "series", receipt, "", "  ", "  ");
        row("number", "number", receipt, "", "123", "00000123");
        row("voucher number", "number", voucher, "01", "123", "00000123");
        row("voucher number of type 99", "number", voucher, "99", "123", "000000000000123");
        row("cash sale of type 99 keeps its number", "number", receipt, "99", "1234567890", "1234567890");
        row("empty number", "number", voucher, "99", "", "");
    }
    void leftFilling()
    {
        QFETCH(QString, field);
        QFETCH(DocumentKind, kind);
        QFETCH(QString, type);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const QString result = field == QLatin1String("series") ? seriesOnLeave(kind, typed, m_host)
                                                                : numberOnLeave(kind, typed, type, m_host);
        QCOMPARE(result, shown);
    }

    void keys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("taken");
        QTest::addColumn<int>("maxLength");
        const auto row = [](const char* name, const char* field, const char* text, int key, int taken,
                            int maxLength = 0) {
            QTest::newRow(name) << QString::fromLatin1(field) << QString::fromLatin1(text) << key << taken
                                << maxLength;
        };
        row("series letter made capital", "letters", "F0", 'a', 'A');
        row("series point", "letters", "", '.', 0);
        row("series sign", "letters", "F", '-', 0);
        row("digits-only series letter", "digits", "", 'A', 0);
        row("digits-only series backspace", "digits", "01", 8, 8);
        row("amount digit", "amount", "123", '4', '4', 12);
        row("amount first point", "amount", "123", '.', '.', 15);
        row("amount second point", "amount", "1.5", '.', 0, 15);
        row("amount letter", "amount", "1", 'x', 0, 12);
        row("credit note digit", "credit", "123", '4', '4', 11);
        row("credit note decimals", "credit", "12.3", '4', '4', 14);
    }
    void keys()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, taken);
        QFETCH(int, maxLength);
        if (field == QLatin1String("letters") || field == QLatin1String("digits")) {
            QCOMPARE(seriesKey(key, text, field == QLatin1String("letters"), m_host), taken);
            return;
        }
        const AmountKey result = amountKey(key, text, field == QLatin1String("credit"), m_host);
        QCOMPARE(result.key, taken);
        QCOMPARE(result.maxLength, maxLength);
    }

    void seriesLetters()
    {
        QVERIFY(seriesTakesLetters(DocumentKind::Receipt, QString(), false));
        QVERIFY(seriesTakesLetters(DocumentKind::Receipt, QStringLiteral("03"), true));
        QVERIFY(!seriesTakesLetters(DocumentKind::Receipt, QStringLiteral("12"), true));
        QVERIFY(seriesTakesLetters(DocumentKind::Voucher, QStringLiteral("07"), false));
        QVERIFY(!seriesTakesLetters(DocumentKind::Voucher, QStringLiteral("99"), false));
    }

    void perception_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("perception");
        const auto row = [](const char* name, const char* amount, const char* rate, const char* perception) {
            QTest::newRow(name) << QString::fromLatin1(amount) << QString::fromLatin1(rate)
                                << QString::fromLatin1(perception);
        };
        row("half at the third decimal", "10.25", "0.02", "0.21");
        row("amount as shown", "1,234.50", "0.02", "24.69");
        row("six-decimal rate", "1000", "0.009901", "9.90");
        // 0.99 x 0.005 = 0.00495 exactly: to four decimals 0.0050, then 0.01.
        row("four decimals first", "0.99", "0.005", "0.01");
        row("no rate", "100", "0", "0.00");
        row("only a point", ".", "0.02", "0.00");
        row("empty amount", "", "0.02", " ");
    }
    void perception()
    {
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QFETCH(QString, perception);
        QCOMPARE(perceptionText(amount, rate), perception);
    }

    void amountFormats()
    {
        QCOMPARE(amountForDisplay(QStringLiteral("1234.5")), QStringLiteral("1,234.50"));
        QCOMPARE(amountForEditing(QStringLiteral("1,234.50"), false), QStringLiteral("1234.50"));
        QCOMPARE(amountForEditing(QStringLiteral("."), false), QStringLiteral("."));
    }
};
DECL_TEST(TestDocumentRules)

#include "tst_documentrules.moc"
