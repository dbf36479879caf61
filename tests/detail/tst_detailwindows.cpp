#include "detailfixture.h"
#include "frmageper.h"
#include "frmdetageper.h"
#include "frmperdet.h"
#include "receiptstore.h"
#include "subjectstore.h"
#include "testregistry.h"
#include "voucherstore.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

Q_DECLARE_METATYPE(MsgAnswer)

namespace {

const QString Company = QStringLiteral("20555666773");
const QString Person = QStringLiteral("10405060707");
const QString Modified = QStringLiteral("La información ha sido modificada. ¿Desea guardar los cambios?");

template <typename T = QLineEdit> T* find(const QWidget& window, const char* name)
{
    T* child = window.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("%s has no %s", qPrintable(window.objectName()), name);
    return child;
}

void click(const QWidget& window, const char* name)
{
    find<QAbstractButton>(window, name)->click();
}

void chooseType(const QWidget& window, const char* combo, const char* code)
{
    auto* list = find<QComboBox>(window, combo);
    const int index = list->findText(QLatin1String(code), Qt::MatchStartsWith);
    QVERIFY(index >= 0);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void fillDocument(const QWidget& window, const char* amountField, const char* series, const char* number,
                  const char* date, const char* amount)
{
    typeInto(find(window, "TxtSerie"), QLatin1String(series));
    typeInto(find(window, "TxtNumero"), QLatin1String(number));
    typeInto(find(window, "MkeFecEmis"), QLatin1String(date));
    typeInto(find(window, amountField), QLatin1String(amount));
}

/// A voucher window driver: enters one voucher, saves it and leaves.
ScriptedOpener::Driver enterVoucher(const char* type, const char* number, const char* amount)
{
    return [=](QDialog& window) {
        chooseType(window, "CmbTipoDoc", type);
        fillDocument(window, "TxtMtoDet", "1", number, "10042014", amount);
        click(window, "CmdOpciones_0");
        click(window, "CmdOpciones_1");
    };
}

/// A receipt window driver: a receipt with one voucher, saved.
ScriptedOpener::Driver enterReceiptWithVoucher(ScriptedOpener& opener, const char* voucherType)
{
    return [&opener, voucherType](QDialog& window) {
        fillDocument(window, "TxtMtoBase", "1", "1", "15042014", "100");
        opener.expect(enterVoucher(voucherType, "123", "100.00"));
        click(window, "CmdOpciones1_0");
        click(window, "CmdOpciones_0");
    };
}

// The company's receipt 0001-00000001 of 15/04/2014: 100 charged, 2.00 perceived.
const ReceiptKey Receipt{Company, QStringLiteral("0001"), QStringLiteral("00000001")};
const ReceiptRow ReceiptShown{Receipt.series,
                              Receipt.number,
                              QStringLiteral("15/04/2014"),
                              QStringLiteral("100.00"),
                              QStringLiteral("2.00"),
                              {},
                              {}};

/// Stores the receipt; a voucher type makes it a cash sale.
void storeReceipt(HostDatabase& db, const char* tipCp = "")
{
    addReceipt(db, {Company, Receipt.series, Receipt.number, QLatin1String(tipCp), ReceiptShown.date,
                    ReceiptShown.amountCharged, ReceiptShown.perception, QStringLiteral("0.02")});
}

/// Stores an invoice behind the receipt.
void storeInvoice(HostDatabase& db)
{
    addVoucher(db, {Receipt, QStringLiteral("01"), QStringLiteral("0001"), QStringLiteral("00000123"),
                    QStringLiteral("10/04/2014"), QStringLiteral("100")});
}

int count(HostDatabase& db, const char* table)
{
    return db.scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)).toInt();
}

QString cell(const QWidget& window, const char* grid, int row, int column)
{
    const QAbstractItemModel* model = find<QTableView>(window, grid)->model();
    return model->index(row, column).data().toString();
}

} // namespace

/// The subject, receipt and voucher windows driven as a user would.
class TestDetailWindows : public QObject {
    Q_OBJECT

private slots:
    void newSubjectLayoutFollowsTheRuc_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("company");
        QTest::newRow("company") << Company << true;
        QTest::newRow("person") << Person << false;
        QTest::newRow("a single digit changes nothing") << "1" << true;
        QTest::newRow("letters are not typed") << "10x" << false;
    }
    void newSubjectLayoutFollowsTheRuc()
    {
        QFETCH(QString, typed);
        QFETCH(bool, company);
        DetailHost fixture;
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Información del Sujeto de Percepción"));
        QCOMPARE(fixture.host.session().periodoDeclaracion, QStringLiteral("201404"));
        QTest::keyClicks(find(window, "TxtNumRuc"), typed);
        QVERIFY(!find(window, "TxtNumRuc")->text().contains(u'x'));
        QCOMPARE(find<QLabel>(window, "Label4")->text(),
                 company ? QStringLiteral("Razón Social :") : QStringLiteral("Nombres :"));
        for (const char* name : {"Label1", "Label3", "TxtApePat", "TxtApeMat"})
            QCOMPARE(find<QWidget>(window, name)->isHidden(), company);
        QCOMPARE(find(window, "TxtNombres")->maxLength(), company ? 40 : 20);
        QVERIFY(fixture.host.messages().shown().isEmpty());
    }

    void rucIsCheckedAtItsEleventhDigit()
    {
        DetailHost fixture;
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"));
        QTest::keyClicks(find(window, "TxtNumRuc"), QStringLiteral("2055566677"));
        QVERIFY(fixture.host.messages().shown().isEmpty());
        QTest::keyClicks(find(window, "TxtNumRuc"), QStringLiteral("4"));
        QCOMPARE(fixture.host.messages().texts(), QStringList{QStringLiteral("El RUC no es Válido.")});
        QCOMPARE(fixture.host.messages().shown().first().title, FrmAgePer::Caption);
        QCOMPARE(fixture.host.messages().shown().first().icon, MsgIcon::Critical);

        typeInto(find(window, "TxtNombres"), QStringLiteral("ACME"));
        click(window, "CmdAceptar");
        QCOMPARE(fixture.host.messages().texts().last(), QStringLiteral("El RUC no es Válido."));
        QCOMPARE(count(fixture.host.db(), "TMPF947PCAB"), 0);
    }

    void rucOfDeclarantOrAlreadyEntered_data()
    {
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<QString>("message");
        QTest::newRow("the declarant's") << QStringLiteral("20100123453")
                                         << QStringLiteral("El RUC no puede ser igual al del declarante.");
        QTest::newRow("already entered")
            << Company << QStringLiteral("El RUC del agente de percepción ya se registró.");
    }
    void rucOfDeclarantOrAlreadyEntered()
    {
        QFETCH(QString, ruc);
        QFETCH(QString, message);
        DetailHost fixture;
        addSubject(fixture.host.db(), {Company, QStringLiteral("ACME"), {}, {}, 1, {}, {}});
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"));
        QTest::keyClicks(find(window, "TxtNumRuc"), ruc);
        QCOMPARE(fixture.host.messages().texts(), QStringList{message});
    }

    // A new subject with one cash sale: the name as stored and the totals as stored.
    void savingANewSubject_data()
    {
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("razon");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("perception");
        // Names are separated by "|": a company's business name, or a person's surnames and names.
        const auto row = [](const char* name, const QString& ruc, const char* names, const char* amount,
                            const char* razon, const char* base, const char* perception) {
            QTest::newRow(name) << ruc << QString::fromLatin1(names).split(u'|')
                                << QString::fromLatin1(amount) << QString::fromLatin1(razon)
                                << QString::fromLatin1(base) << QString::fromLatin1(perception);
        };
        row("company, half a unit", Company, "ACME S A C", "0.5", "ACME S A C", ".50", "0.01");
        row("person with a long name", Person,
            "QUISPEHUAMANCHUMPITA|MAMANIHUAYHUACONDORI|JUAN CARLOS ALBERTO", "1234.5",
            "QUISPEHUAMANCHUMPITA MAMANIHUAYHUACONDOR", "1234.50", "24.69");
    }
    void savingANewSubject()
    {
        QFETCH(QString, ruc);
        QFETCH(QStringList, names);
        QFETCH(QString, amount);
        QFETCH(QString, razon);
        QFETCH(QString, base);
        QFETCH(QString, perception);
        DetailHost fixture;
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"));
        window.show();
        typeInto(find(window, "TxtNumRuc"), ruc);
        const char* nameFields[] = {"TxtApePat", "TxtApeMat", "TxtNombres"};
        for (int i = 0; i < names.size(); ++i)
            typeInto(find(window, nameFields[names.size() == 1 ? 2 : i]), names[i]);

        fixture.opener.expect([&](QDialog& receipt) {
            click(receipt, "OptVentaCont_1");
            chooseType(receipt, "CmbTipoCP", "01");
            fillDocument(receipt, "TxtMtoBase", "1", "1", "15042014", qPrintable(amount));
            QCOMPARE(find(receipt, "TxtPercepcion")->text(), perception);
            click(receipt, "CmdOpciones_0");
        });
        click(window, "CmdOpciones_0");
        QVERIFY(!find(window, "TxtNumRuc")->isEnabled());
        QCOMPARE(find<QLabel>(window, "lblNumTrab")->text(), QStringLiteral("1   Registros      "));
        click(window, "CmdAceptar");

        QVERIFY2(!window.isVisible(), qPrintable(fixture.host.messages().texts().join(u'|')));
        QSqlQuery row = fixture.host.db().run(QStringLiteral(
            "SELECT des_razon, des_nombres, ctd_docs, mto_base_p, mto_imp_p FROM TMPF947PCAB"));
        QVERIFY(row.next());
        QCOMPARE(row.value(0).toString(), razon);
        QCOMPARE(row.value(1).toString(), names.size() == 1 ? QString() : names[2]);
        QCOMPARE(row.value(2).toInt(), 1);
        QCOMPARE(row.value(3).toString(), base);
        QCOMPARE(row.value(4).toString(), perception);
        QCOMPARE(fixture.host.db().scalar(QStringLiteral("SELECT tip_cp FROM TMPF947PDET")).toString(),
                 QStringLiteral("01"));
    }

    // Leaving a new subject that has receipts and vouchers: they go with it unless it is
    // saved, and a save that is refused keeps the window open.
    void leavingANewSubject_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("detailRows");
        QTest::newRow("without saving") << "ACME" << MsgAnswer::No << false << 0;
        QTest::newRow("saving") << "ACME" << MsgAnswer::Yes << false << 1;
        QTest::newRow("saving refused") << "" << MsgAnswer::Yes << true << 1;
    }
    void leavingANewSubject()
    {
        QFETCH(QString, name);
        QFETCH(MsgAnswer, answer);
        QFETCH(bool, open);
        QFETCH(int, detailRows);
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"));
        window.show();
        typeInto(find(window, "TxtNumRuc"), Company);
        typeInto(find(window, "TxtNombres"), QStringLiteral("ACME"));
        fixture.opener.expect(enterReceiptWithVoucher(fixture.opener, "01"));
        click(window, "CmdOpciones_0");
        QCOMPARE(count(db, "TMPF947PDET"), 1);
        QCOMPARE(count(db, "TMPF947PDETCP"), 1);

        find(window, "TxtNombres")->setText(name);
        fixture.host.messages().clear();
        fixture.host.messages().answer(answer);
        click(window, "CmdSalir");
        QCOMPARE(fixture.host.messages().texts().first(), Modified);
        QCOMPARE(window.isVisible(), open);
        QCOMPARE(count(db, "TMPF947PDET"), detailRows);
        QCOMPARE(count(db, "TMPF947PDETCP"), detailRows);
        QCOMPARE(count(db, "TMPF947PCAB"), open ? 0 : detailRows);
        if (open)
            QCOMPARE(fixture.host.messages().texts().last(), QStringLiteral("Ingrese la Razón Social."));
    }

    void deletingACashSaleKeepsTheVouchers()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        addSubject(db, {Company, QStringLiteral("ACME"), {}, {}, 2, {}, {}});
        storeReceipt(db);
        storeReceipt(db, "01");
        storeInvoice(db);
        fixture.host.session().opcionSujeto = QStringLiteral("1");
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"),
                         {Company, QStringLiteral("ACME"), {}, {}, {}});
        QCOMPARE(find(window, "TxtNombres")->text(), QStringLiteral("ACME"));
        QCOMPARE(cell(window, "GrdPer", 1, 5), QStringLiteral("01"));
        QCOMPARE(cell(window, "GrdPer", 1, 3), QStringLiteral("100.00"));
        QCOMPARE(find(window, "TxtPercepcion")->text(), QStringLiteral("4.00"));

        find<QTableView>(window, "GrdPer")->selectRow(1);
        fixture.host.messages().answer(MsgAnswer::Yes);
        click(window, "CmdOpciones_2");
        QCOMPARE(fixture.host.messages().shown().first().defaultAnswer, MsgAnswer::No);
        QCOMPARE(count(db, "TMPF947PDET"), 1);
        QCOMPARE(count(db, "TMPF947PDETCP"), 1);
        QCOMPARE(find<QLabel>(window, "lblNumTrab")->text(), QStringLiteral("1   Registros      "));
        QCOMPARE(find(window, "TxtPercepcion")->text(), QStringLiteral("2.00"));
    }

    void creditNoteIsStoredNegative()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        frmPerDet voucher(fixture.ctx, Receipt);
        voucher.show();
        typeInto(find(voucher, "TxtMtoDet"), QStringLiteral("5"));
        chooseType(voucher, "CmbTipoDoc", "07");
        QCOMPARE(find(voucher, "TxtMtoDet")->text(), QString());
        fillDocument(voucher, "TxtMtoDet", "1", "55", "10042014", "100.00");
        click(voucher, "CmdOpciones_0");
        QCOMPARE(fixture.host.messages().texts(),
                 QStringList{QStringLiteral("La información se grabó satisfactoriamente")});
        QCOMPARE(db.scalar(QStringLiteral("SELECT mto_detcp FROM TMPF947PDETCP")).toString(),
                 QStringLiteral("-100.00"));
        // Ready for the next voucher; leaving now asks nothing.
        QVERIFY(voucher.isVisible());
        QCOMPARE(find<QComboBox>(voucher, "CmbTipoDoc")->currentIndex(), -1);
        QCOMPARE(find(voucher, "TxtNumero")->text(), QString());
        click(voucher, "CmdOpciones_1");
        QVERIFY(!voucher.isVisible());
        QCOMPARE(fixture.host.messages().shown().size(), 1);

        fixture.host.session().opcionComprobante = QStringLiteral("1");
        FrmDetAgePer receipt(fixture.ctx, Company, ReceiptShown);
        QCOMPARE(cell(receipt, "GrdDetPer", 0, 5), QStringLiteral("(100.00)"));
        QString reopened;
        fixture.opener.expect([&](QDialog& window) {
            reopened = find(window, "TxtMtoDet")->text();
            QVERIFY(!find<QComboBox>(window, "CmbTipoDoc")->isEnabled());
            QVERIFY(!find(window, "TxtNumero")->isEnabled());
        });
        click(receipt, "CmdOpciones1_1");
        QCOMPARE(reopened, QStringLiteral("100"));
    }

    void receiptWithOnlyACreditNoteIsSavedWithANotice()
    {
        DetailHost fixture;
        FrmDetAgePer receipt(fixture.ctx, Company);
        receipt.show();
        enterReceiptWithVoucher(fixture.opener, "07")(receipt);
        QCOMPARE(receipt.result(), int(QDialog::Accepted));
        QCOMPARE(count(fixture.host.db(), "TMPF947PDET"), 1);
        const Message notice = fixture.host.messages().shown().last();
        QCOMPARE(notice.text,
                 QStringLiteral("Debe ingresar algún comprobante de pago diferente a nota de crédito."));
        QCOMPARE(notice.icon, MsgIcon::Information);
        QCOMPARE(notice.title, FrmDetAgePer::Caption);
    }

    void leavingAReceipt_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("receipts");
        QTest::addColumn<int>("vouchers");
        QTest::newRow("new, with a voucher") << false << Modified << 0 << 0;
        QTest::newRow("stored, last voucher deleted")
            << true << "No hay comprobantes. Si sale se borrará este registro. ¿Esta Seguro?" << 0 << 0;
    }
    void leavingAReceipt()
    {
        QFETCH(bool, saved);
        QFETCH(QString, question);
        QFETCH(int, receipts);
        QFETCH(int, vouchers);
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        if (saved) {
            storeReceipt(db);
            storeInvoice(db);
            fixture.host.session().opcionComprobante = QStringLiteral("1");
        }
        FrmDetAgePer receipt(fixture.ctx, Company, ReceiptShown);
        receipt.show();
        if (saved) {
            fixture.host.messages().answer(MsgAnswer::Yes);
            click(receipt, "CmdOpciones1_2");
        } else {
            fillDocument(receipt, "TxtMtoBase", "1", "1", "15042014", "100");
            fixture.opener.expect(enterVoucher("01", "123", "100"));
            click(receipt, "CmdOpciones1_0");
        }
        fixture.host.messages().clear();
        fixture.host.messages().answer(saved ? MsgAnswer::Yes : MsgAnswer::No);
        click(receipt, "CmdOpciones_1");
        QCOMPARE(fixture.host.messages().texts(), QStringList{question});
        QVERIFY(!receipt.isVisible());
        QCOMPARE(count(db, "TMPF947PDET"), receipts);
        QCOMPARE(count(db, "TMPF947PDETCP"), vouchers);
    }

    void cashSalesFromPeriod200504_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<bool>("offered");
        QTest::newRow("200503") << "200503" << false;
        QTest::newRow("200504") << "200504" << true;
    }
    void cashSalesFromPeriod200504()
    {
        QFETCH(QString, period);
        QFETCH(bool, offered);
        DetailHost fixture(period);
        FrmDetAgePer receipt(fixture.ctx, Company);
        QVERIFY(find<QAbstractButton>(receipt, "OptVentaCont_0")->isChecked());
        QCOMPARE(find<QAbstractButton>(receipt, "OptVentaCont_1")->isEnabled(), offered);
        QCOMPARE(find<QAbstractButton>(receipt, "OptVentaCont_0")->isEnabled(), offered);
        QVERIFY(!find<QComboBox>(receipt, "CmbTipoCP")->isEnabled());
        QCOMPARE(find<QComboBox>(receipt, "CmbTipoCP")->currentIndex(), -1);
        if (offered) {
            click(receipt, "OptVentaCont_1");
            QVERIFY(find<QComboBox>(receipt, "CmbTipoCP")->isEnabled());
            QVERIFY(!find<QWidget>(receipt, "FraDetalle")->isEnabled());
            QCOMPARE(
                find<QComboBox>(receipt, "CmbTipoCP")->findText(QStringLiteral("07"), Qt::MatchStartsWith),
                -1);
        }
    }

    void sentDeclarationIsOnlyShown()
    {
        DetailHost fixture;
        HostDatabase& db = fixture.host.db();
        addSubject(db,
                   {Company, QStringLiteral("ACME"), {}, {}, 1, QStringLiteral("100"), QStringLiteral("2")});
        storeReceipt(db);
        Session& session = fixture.host.session();
        session.declaracionEnviada = true;
        session.opcionSujeto = QStringLiteral("1");
        FrmAgePer window(fixture.ctx, QStringLiteral("04/2014"),
                         {Company, QStringLiteral("ACME"), {}, {}, {}});
        window.show();
        for (const char* hidden : {"CmdOpciones_0", "CmdOpciones_2", "CmdAceptar"})
            QVERIFY(find<QWidget>(window, hidden)->isHidden());
        QVERIFY(!find(window, "TxtNombres")->isEnabled());
        QCOMPARE(find<QAbstractButton>(window, "CmdOpciones_1")->text(), QStringLiteral("&Detalle"));

        fixture.opener.expect([](QDialog& receipt) {
            QVERIFY(!find(receipt, "MkeFecEmis")->isEnabled());
            QVERIFY(!find(receipt, "TxtMtoBase")->isEnabled());
            for (const char* hidden : {"CmdOpciones1_0", "CmdOpciones1_1", "CmdOpciones1_2", "CmdOpciones_0"})
                QVERIFY(find<QWidget>(receipt, hidden)->isHidden());
            QCOMPARE(find(receipt, "MkeFecEmis")->text(), QStringLiteral("15/04/2014"));
            click(receipt, "CmdOpciones_1");
            QVERIFY(!receipt.isVisible());
        });
        click(window, "CmdOpciones_1");
        QCOMPARE(fixture.opener.opened(), QStringList{QStringLiteral("FrmDetAgePer")});
        click(window, "CmdSalir");
        QVERIFY(!window.isVisible());
        QVERIFY(fixture.host.messages().shown().isEmpty());
        QCOMPARE(count(db, "TMPF947PDET"), 1);
    }
};
DECL_TEST(TestDetailWindows)

#include "tst_detailwindows.moc"
