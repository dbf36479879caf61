#include "clock.h"
#include "declarationfixture.h"
#include "entryedit.h"
#include "formadepagokova.h"
#include "frm947.h"
#include "integrity.h"
#include "save.h"
#include "testhost.h"
#include "testregistry.h"
#include "windowopener.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using fixture::Declarante;
using fixture::Empresa;
using fixture::Persona;

namespace {

const QString Periodo = QStringLiteral("201408");
const QVariantList KeyValues{Declarante, Periodo, QStringLiteral("0947")};
const QString Where = QStringLiteral(" WHERE doc_id_d = ? AND periodo = ? AND formulario = ?");
const QString Grabada = QStringLiteral("La declaración ha sido grabada satisfactoriamente.");
const QString GrabadaIncompleta =
    QStringLiteral("La declaración ha sido grabada, pero los datos de la forma de pago están incompletos.");

/// A declaration window over a seeded host with the module's parameters, on 15 September 2014.
class WindowFixture {
public:
    explicit WindowFixture(int modo = 0, bool enviada = false)
    {
        Clock::setNow(QDateTime(QDate(2014, 9, 15), QTime(10, 0)));
        fixture::insertModuleParams(host.db());
        host.session().modoOperacion = modo;
        host.session().declaracionEnviada = enviada;
        hooks.showStatus = [this](Frm947Hooks::Panel panel, const QString& text) {
            status.append(QString::number(int(panel)) + QLatin1Char('=') + text);
        };
    }
    ~WindowFixture()
    {
        window.reset();
        Clock::setNow(QDateTime());
    }

    Frm947& open(const Frm947Opening& opening = {})
    {
        window = std::make_unique<Frm947>(context, opening, hooks);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the window did not become active");
        return *window;
    }

    template <typename T> T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }
    EntryEdit* box(int number) const { return child<EntryEdit>(QStringLiteral("TxtValor_%1").arg(number)); }
    FormaDePagoKOVA* pago() const { return child<FormaDePagoKOVA>(QStringLiteral("FormaDePagoKOVA1")); }
    QTabWidget* tabs() const { return child<QTabWidget>(QStringLiteral("SSTab1")); }
    void click(const QString& button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }

    void choose(const QString& comboName, int index) const
    {
        QComboBox* combo = child<QComboBox>(comboName);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void chooseDeclarant(const QString& ruc) const
    {
        QComboBox* combo = child<QComboBox>(QStringLiteral("CmbRuc"));
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).startsWith(ruc))
                return choose(QStringLiteral("CmbRuc"), i);
        qFatal("declarant %s not listed", qPrintable(ruc));
    }
    /// Types into a field and moves the focus to the next one, as a user does.
    void type(QLineEdit* field, const QString& keys) const
    {
        field->setFocus();
        QTest::keyClicks(field, keys);
        QTest::keyClick(field, Qt::Key_Tab);
    }
    void typePeriod(const QString& digits) const
    {
        EntryEdit* period = child<EntryEdit>(QStringLiteral("MkePeriodo"));
        period->setFocus();
        period->home(false);
        QTest::keyClicks(period, digits);
        child<QComboBox>(QStringLiteral("CmbModPer"))->setFocus();
    }
    /// Declarant, period August 2014 and the modality of a new declaration.
    void fillHeader() const
    {
        chooseDeclarant(Declarante);
        typePeriod(QStringLiteral("082014"));
        choose(QStringLiteral("CmbModPer"), 0);
    }
    QStringList texts() { return host.messages().texts(); }

    TestHost host;
    ScriptedOpener opener;
    AppContext context{host.session(), host.db(), host.messages(), host.host(), opener};
    Frm947Hooks hooks;
    QStringList status;
    std::unique_ptr<Frm947> window;
};

/// Stores the fixture's declaration (cheque of bank 02, a rectification) and empties the working
/// tables, as they are when another declaration was edited last.
void storeDeclaration(HostDatabase& db)
{
    fixture::fillWorkingTables(db);
    DeclarationForm form = fixture::sampleForm();
    form.payment = {QStringLiteral("C"), QStringLiteral("02"), QStringLiteral("778899"),
                    QStringLiteral("28")};
    form.rectifica = QStringLiteral("1");
    GrabaDeclaracion(db, form, Clock::today());
    for (const char* table : {"TMPF947PCAB", "TMPF947PDET", "TMPF947PDETCP"})
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
}

void insertHeader(HostDatabase& db, const QString& table, const QString& ruc, const QVariantMap& more = {})
{
    QVariantMap row{{QStringLiteral("tip_doc_d"), 6},
                    {QStringLiteral("doc_id_d"), ruc},
                    {QStringLiteral("periodo"), Periodo},
                    {QStringLiteral("formulario"), QStringLiteral("0947")},
                    {QStringLiteral("rectifica"), QStringLiteral("0")},
                    {QStringLiteral("estado"), 0}};
    row.insert(more);
    insertRow(db, table, row);
}

} // namespace

class TestFrm947 : public QObject {
    Q_OBJECT

private slots:
    void periodIsCheckedWhenLeavingTheField_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("09/2002 before the first period") << QStringLiteral("092002") << false;
        QTest::newRow("10/2002 the first period") << QStringLiteral("102002") << true;
        QTest::newRow("09/2014 the current month") << QStringLiteral("092014") << true;
        QTest::newRow("10/2014 the next month") << QStringLiteral("102014") << false;
        QTest::newRow("month 00") << QStringLiteral("002010") << false;
        QTest::newRow("month 13") << QStringLiteral("132010") << false;
    }
    void periodIsCheckedWhenLeavingTheField()
    {
        QFETCH(QString, digits);
        QFETCH(bool, accepted);
        WindowFixture f;
        f.open();
        f.chooseDeclarant(Declarante);
        f.typePeriod(digits);
        const QString text = digits.left(2) + QLatin1Char('/') + digits.mid(2);
        QCOMPARE(f.child<EntryEdit>(QStringLiteral("MkePeriodo"))->displayText(), text);
        if (accepted) {
            QCOMPARE(f.texts(), QStringList());
            QVERIFY(f.status.contains(QStringLiteral("2=") + text));
        } else {
            QCOMPARE(f.texts(), QStringList{QStringLiteral("El período no es válido.")});
            const Message& shown = f.host.messages().shown().first();
            QCOMPARE(shown.title, Frm947::Caption);
            QCOMPARE(shown.icon, MsgIcon::Critical);
        }
    }

    void aClickAnywhereInTheEmptyPeriodTypesFromItsStart()
    {
        WindowFixture f;
        f.open();
        f.chooseDeclarant(Declarante);
        EntryEdit* period = f.child<EntryEdit>(QStringLiteral("MkePeriodo"));
        QTest::mouseClick(period, Qt::LeftButton, {}, QPoint(period->width() - 4, period->height() / 2));
        QTest::keyClicks(period, QStringLiteral("082014"));
        QCOMPARE(period->displayText(), QStringLiteral("08/2014"));
        // Once something is typed, a click places the cursor where it falls, as usual.
        QTest::mouseClick(period, Qt::LeftButton, {}, QPoint(period->width() - 4, period->height() / 2));
        QCOMPARE(period->cursorPosition(), 7);
    }

    void onlyAPendingDeclarationBlocksANewOne_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("blocked");
        QTest::newRow("pending in CAB") << QStringLiteral("CAB") << true;
        QTest::newRow("sent in HCAB") << QStringLiteral("HCAB") << false;
    }
    void onlyAPendingDeclarationBlocksANewOne()
    {
        QFETCH(QString, table);
        QFETCH(bool, blocked);
        WindowFixture f;
        insertHeader(f.host.db(), table, Declarante,
                     table == QLatin1String("HCAB")
                         ? QVariantMap{{QStringLiteral("correl"), QStringLiteral("001")}}
                         : QVariantMap{});
        f.open();
        f.chooseDeclarant(Declarante);
        f.typePeriod(QStringLiteral("082014"));
        const QStringList registered{QStringLiteral("La declaración ya ha sido registrada.")};
        QCOMPARE(f.texts(), blocked ? registered : QStringList());

        f.host.messages().clear();
        f.choose(QStringLiteral("CmbModPer"), 0);
        f.host.messages().clear();
        f.tabs()->setCurrentIndex(1);
        QCOMPARE(f.texts(), blocked ? registered : QStringList());
        QCOMPARE(f.tabs()->currentIndex(), blocked ? 0 : 1);
        // The rate of the period is looked up only for a declaration that may be entered.
        QCOMPARE(f.host.session().tasaPercepcion, blocked ? QStringLiteral("0") : QStringLiteral("0.009901"));
    }

    void theDetailTabLocksTheHeader()
    {
        WindowFixture f;
        f.open();
        const auto tryTab = [&f](int index, const char* message) {
            f.host.messages().clear();
            f.tabs()->setCurrentIndex(index);
            QCOMPARE(f.texts(), QStringList{QString::fromUtf8(message)});
            QCOMPARE(f.tabs()->currentIndex(), 0);
        };
        QTest::mouseClick(f.child<QRadioButton>(QStringLiteral("OptRectifica_1")), Qt::LeftButton);
        QCOMPARE(f.host.messages().shown().size(), 1);
        QCOMPARE(f.host.messages().shown().first().icon, MsgIcon::Exclamation);
        QVERIFY(
            f.texts().first().startsWith(QStringLiteral("Recuerde que debe ingresar toda la información")));
        QVERIFY(f.window->modificado());
        tryTab(1, "Ingrese el RUC.");
        f.chooseDeclarant(Declarante);
        tryTab(2, "El período no es válido.");
        f.typePeriod(QStringLiteral("082014"));
        tryTab(1, "Señale la modalidad por la que ha sido notificado como agente de percepción.");
        QVERIFY(f.child<QComboBox>(QStringLiteral("CmbRuc"))->isEnabled());

        f.choose(QStringLiteral("CmbModPer"), 0);
        f.host.messages().clear();
        f.tabs()->setCurrentIndex(1);
        QCOMPARE(f.tabs()->currentIndex(), 1);
        QCOMPARE(f.texts(), QStringList());
        f.tabs()->setCurrentIndex(0);
        for (const char* name : {"CmbRuc", "MkePeriodo", "CmbModPer"})
            QVERIFY2(!f.window->findChild<QWidget*>(QLatin1String(name))->isEnabled(), name);
    }

    void boxesShowTheirFormatsAndTakeNoPaste()
    {
        WindowFixture f;
        f.open();
        f.fillHeader();
        f.tabs()->setCurrentIndex(2);
        QCOMPARE(f.tabs()->currentIndex(), 2);

        f.type(f.box(402), QStringLiteral("1234"));
        QCOMPARE(f.box(402)->text(), QStringLiteral("(1,234)"));
        QCOMPARE(f.box(403)->text(), QStringLiteral("0"));
        f.type(f.box(404), QStringLiteral("5a0"));
        QCOMPARE(f.box(404)->text(), QStringLiteral("50"));
        QCOMPARE(f.box(405)->text(), QStringLiteral("50"));
        f.box(402)->setFocus();
        QCOMPARE(f.box(402)->text(), QStringLiteral("1234"));
        QVERIFY(f.window->modificado());

        EntryEdit* box410 = f.box(410);
        f.type(box410, QStringLiteral("1500000"));
        QCOMPARE(box410->text(), QStringLiteral("1,500,000"));
        QCOMPARE(f.pago()->importe(), QStringLiteral("1,500,000"));

        QClipboard* clipboard = QGuiApplication::clipboard();
        box410->setFocus();
        clipboard->setText(QStringLiteral("999"));
        QTest::keyClick(box410, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box410->text(), QStringLiteral("1500000"));
        QTest::keyClick(box410, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box410->text(), QStringLiteral("1500000"));
        QVERIFY(clipboard->text().isEmpty());
        clipboard->setText(QStringLiteral("999"));
        QTest::mousePress(box410, Qt::RightButton);
        QVERIFY(clipboard->text().isEmpty());

        box410->selectAll();
        QTest::keyClick(box410, Qt::Key_Backspace);
        QCOMPARE(f.pago()->importe(), QString());
        // Enter moves on like Tab.
        QTest::keyClick(box410, Qt::Key_Return);
        QVERIFY(!box410->hasFocus());
    }

    void savesANewDeclarationBuiltInTheSubjectWindow()
    {
        WindowFixture f;
        QList<SubjectOpening> openings;
        f.hooks.openSubject = [&f, &openings](QWidget&, const SubjectOpening& opening) {
            openings.append(opening);
            QCOMPARE(f.host.session().rucDeclarante, Declarante);
            fixture::fillWorkingTables(f.host.db());
        };
        f.open();
        f.fillHeader();
        f.tabs()->setCurrentIndex(1);
        f.click(QStringLiteral("CmdOpciones_0"));
        QCOMPARE(openings.size(), 1);
        QCOMPARE(openings[0].opcionSujeto, QStringLiteral("0"));
        QCOMPARE(f.child<QTableView>(QStringLiteral("GrdDatos_0"))->model()->rowCount(), 2);
        QCOMPARE(f.child<QLabel>(QStringLiteral("lblNumTrab_0"))->text(),
                 QStringLiteral("2   Registros      "));
        QCOMPARE(f.child<QLineEdit>(QStringLiteral("TxtBase"))->text(), QStringLiteral("1,600"));
        QCOMPARE(f.box(401)->text(), QStringLiteral("32"));

        f.tabs()->setCurrentIndex(2);
        f.type(f.box(404), QStringLiteral("1"));
        f.type(f.box(410), QStringLiteral("33"));
        QCOMPARE(f.box(405)->text(), QStringLiteral("33"));
        f.host.messages().clear();
        f.click(QStringLiteral("CmdGrabar"));
        QCOMPARE(f.texts(), QStringList{GrabadaIncompleta});
        QCOMPARE(f.host.messages().shown().first().icon, MsgIcon::Exclamation);
        QVERIFY(!f.window->modificado());
        QVERIFY(!f.child<QWidget>(QStringLiteral("MkePeriodo"))->isEnabled());
        const QString header = QStringLiteral("SELECT estado, efectivo FROM CAB") + Where;
        QCOMPARE(fixture::rows(f.host.db(), header, KeyValues), QStringList{QStringLiteral("9|<null>")});
        QCOMPARE(f.host.db()
                     .scalar(QStringLiteral("SELECT i_valor FROM DET") + Where +
                                 QStringLiteral(" AND casilla = '501'"),
                             KeyValues)
                     .toString(),
                 QStringLiteral("2"));

        QTest::mouseClick(f.child<QRadioButton>(QStringLiteral("OptFormaPago_0")), Qt::LeftButton);
        QVERIFY(f.window->modificado());
        f.host.messages().clear();
        f.click(QStringLiteral("CmdGrabar"));
        QCOMPARE(f.texts(), QStringList{Grabada});
        QCOMPARE(fixture::rows(f.host.db(), header, KeyValues), QStringList{QStringLiteral("0|33")});
        QCOMPARE(f.host.db().scalar(QStringLiteral("SELECT count(*) FROM F947PDETCP")).toInt(), 2);
    }

    void aRefusedSaveWhenLeavingKeepsTheWindowOpen()
    {
        WindowFixture f(1);
        const QString ruc8 = QStringLiteral("12345678");
        insertHeader(f.host.db(), QStringLiteral("CAB"), ruc8);
        insertRow(f.host.db(), QStringLiteral("DET"),
                  {{QStringLiteral("tip_doc_d"), 6},
                   {QStringLiteral("doc_id_d"), ruc8},
                   {QStringLiteral("periodo"), Periodo},
                   {QStringLiteral("formulario"), QStringLiteral("0947")},
                   {QStringLiteral("idcasilla"), QStringLiteral("01")},
                   {QStringLiteral("casilla"), QStringLiteral("500")},
                   {QStringLiteral("i_valor"), QStringLiteral("01")}});
        f.open({ruc8, QStringLiteral("DECLARANTE ANTIGUO"), QStringLiteral("082014")});
        f.tabs()->setCurrentIndex(2);
        f.type(f.box(404), QStringLiteral("5"));

        f.host.messages().answer(MsgAnswer::Yes);
        f.click(QStringLiteral("CmdCancelar"));
        QCOMPARE(f.texts(),
                 (QStringList{QStringLiteral("¿El formulario ha sido modificado, desea guardar los cambios?"),
                              RucDeOcho}));
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.box(404)->text(), QStringLiteral("5"));
        QVERIFY(f.window->modificado());

        f.host.messages().answer(MsgAnswer::No);
        f.click(QStringLiteral("CmdCancelar"));
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.status.contains(QStringLiteral("0=")));
    }

    void aDatabaseErrorIsShownAndNothingIsHalfWritten_data()
    {
        QTest::addColumn<bool>("dropTable");
        QTest::addColumn<QString>("message");
        QTest::newRow("locked") << false << QStringLiteral("database is locked\n 3051");
        QTest::newRow("missing table") << true << QStringLiteral("no such table: F947PDETVC\n 3078");
    }
    void aDatabaseErrorIsShownAndNothingIsHalfWritten()
    {
        QFETCH(bool, dropTable);
        QFETCH(QString, message);
        WindowFixture f;
        f.hooks.openSubject = [&f](QWidget&, const SubjectOpening&) {
            fixture::fillWorkingTables(f.host.db());
        };
        f.open();
        f.fillHeader();
        f.tabs()->setCurrentIndex(1);
        f.click(QStringLiteral("CmdOpciones_0"));
        if (dropTable) {
            f.host.db().execute(QStringLiteral("DROP TABLE F947PDETVC"));
            f.host.db().forgetSchema();
        } else {
            f.host.db().setStatementHook([](const QString& sql) {
                if (sql.startsWith(QLatin1String("INSERT INTO F947PDETCP")))
                    throw DbError(DbError::Locked, QStringLiteral("database is locked"));
            });
        }
        f.host.messages().clear();
        f.click(QStringLiteral("CmdGrabar"));
        f.host.db().setStatementHook(nullptr);
        QCOMPARE(f.texts(), QStringList{message});
        QCOMPARE(f.host.messages().shown().first().icon, MsgIcon::Critical);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.window->modificado());
        for (const char* table : {"CAB", "DET", "F947PCAB", "F947PDET"})
            QCOMPARE(
                f.host.db().scalar(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)).toInt(),
                0);
        QVERIFY(f.child<QWidget>(QStringLiteral("CmbModPer"))->isVisible() || f.tabs()->currentIndex() != 0);
    }

    void opensASavedDeclarationAndDeletesASubject()
    {
        WindowFixture f(1);
        storeDeclaration(f.host.db());
        f.open({Declarante, QStringLiteral("DISTRIBUIDORA ANDINA S.A.C."), QStringLiteral("082014")});
        QCOMPARE(f.texts(), QStringList());
        QCOMPARE(f.child<QLineEdit>(QStringLiteral("TxtNumRuc"))->text(), Declarante);
        QCOMPARE(f.child<EntryEdit>(QStringLiteral("MkePeriodo"))->displayText(), QStringLiteral("08/2014"));
        const QStringList boxes{f.box(401)->text(), f.box(402)->text(), f.box(403)->text(),
                                f.box(404)->text(), f.box(405)->text(), f.box(410)->text()};
        QCOMPARE(boxes, (QStringList{QStringLiteral("32"), QStringLiteral("(5)"), QStringLiteral("27"),
                                     QStringLiteral("1"), QStringLiteral("28"), QStringLiteral("28")}));
        QVERIFY(f.child<QRadioButton>(QStringLiteral("OptRectifica_1"))->isChecked());
        QComboBox* modalidad = f.child<QComboBox>(QStringLiteral("CmbModPer"));
        QCOMPARE(modalidad->currentText(), QStringLiteral("HIDROCARBUROS"));
        QVERIFY(!modalidad->isEnabled());
        QCOMPARE(f.pago()->formapago(), QStringLiteral("C"));
        QCOMPARE(f.pago()->Banco(), QStringLiteral("02"));
        QCOMPARE(f.pago()->NumeroCheque(), QStringLiteral("778899"));
        QCOMPARE(f.pago()->importe(), QStringLiteral("28"));
        QCOMPARE(f.host.session().tasaPercepcion, QStringLiteral("0.009901"));
        QCOMPARE(f.child<QLabel>(QStringLiteral("lblNumTrab_0"))->text(),
                 QStringLiteral("2   Registros      "));
        QCOMPARE(f.child<QLineEdit>(QStringLiteral("TxtPercepcion"))->text(), QStringLiteral("32"));
        QCOMPARE(fixture::rows(f.host.db(),
                               QStringLiteral("SELECT num_doc_per, tip_cp FROM TMPF947PDET ORDER BY 1")),
                 (QStringList{Persona + QStringLiteral("|01"), Empresa + QStringLiteral("|")}));
        QVERIFY(!f.window->modificado());

        QTableView* grid = f.child<QTableView>(QStringLiteral("GrdDatos_0"));
        f.tabs()->setCurrentIndex(1);
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("600.00"));
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QCOMPARE(grid->currentIndex().data().toString(), Empresa);
        f.host.messages().answer(MsgAnswer::No);
        f.click(QStringLiteral("CmdOpciones_2"));
        QCOMPARE(grid->model()->rowCount(), 2);
        QVERIFY(!f.window->modificado());

        f.host.messages().clear();
        f.host.messages().answer(MsgAnswer::Yes);
        f.click(QStringLiteral("CmdOpciones_2"));
        QCOMPARE(f.texts(), QStringList{QStringLiteral("¿Confirma que va a eliminar la información?")});
        QCOMPARE(f.host.messages().shown().first().defaultAnswer, MsgAnswer::No);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(f.host.db().scalar(QStringLiteral("SELECT count(*) FROM TMPF947PDETCP")).toInt(), 0);
        QCOMPARE(f.child<QLabel>(QStringLiteral("lblNumTrab_0"))->text(),
                 QStringLiteral("1   Registros      "));
        QCOMPARE(f.box(401)->text(), QStringLiteral("12"));
        QVERIFY(f.window->modificado());
        // The stored detail stays until the declaration is saved again.
        QCOMPARE(f.host.db().scalar(QStringLiteral("SELECT count(*) FROM F947PCAB")).toInt(), 2);
    }

    void aSentDeclarationRegistersACheckedOrderNumber()
    {
        WindowFixture f(1, true);
        Session& session = f.host.session();
        session.numeroOrden = QString();
        session.numeroControl = QStringLiteral("12345678");
        session.correlEnvio = QStringLiteral("001");
        insertHeader(f.host.db(), QStringLiteral("HCAB"), Declarante,
                     {{QStringLiteral("correl"), QStringLiteral("001")},
                      {QStringLiteral("control"), session.numeroControl}});
        f.open({Declarante, QStringLiteral("DISTRIBUIDORA ANDINA S.A.C."), QStringLiteral("082014")});
        QCOMPARE(f.child<QPushButton>(QStringLiteral("CmdGrabar"))->text(),
                 QStringLiteral("&Registrar Nro. Orden"));
        QVERIFY(f.child<QPushButton>(QStringLiteral("CmdValidar"))->isHidden());
        QVERIFY(f.child<QPushButton>(QStringLiteral("CmdOpciones_0"))->isHidden());
        QCOMPARE(f.child<QPushButton>(QStringLiteral("CmdOpciones_1"))->text(), QStringLiteral("&Detalle"));
        QVERIFY(!f.box(410)->isEnabled());
        QCOMPARE(f.child<QLineEdit>(QStringLiteral("TxtControl"))->text(), QStringLiteral("12345678"));
        QCOMPARE(f.child<EntryEdit>(QStringLiteral("TxtNumOrdenE_0"))->text(), QStringLiteral("0"));

        EntryEdit* orden = f.child<EntryEdit>(QStringLiteral("TxtNumOrdenE_0"));
        EntryEdit* digitos = f.child<EntryEdit>(QStringLiteral("TxtNumOrdenE_1"));
        const QString norden = QStringLiteral("SELECT norden FROM HCAB");
        const auto registrar = [&](const char* number, const char* digits) {
            orden->setText(QLatin1String(number));
            digitos->setText(QLatin1String(digits));
            f.host.messages().clear();
            f.click(QStringLiteral("CmdGrabar"));
            return f.texts();
        };
        QCOMPARE(registrar("1234567", "57"),
                 QStringList{QStringLiteral("     El número de orden no es válido")});
        QCOMPARE(registrar("0123456789", "75"),
                 QStringList{QStringLiteral("     El digito Verificador es incorrecto")});
        QCOMPARE(fixture::rows(f.host.db(), norden), QStringList{QStringLiteral("<null>")});

        orden->setText(QStringLiteral("0123456789"));
        f.host.messages().answer(MsgAnswer::Yes);
        f.click(QStringLiteral("CmdCancelar"));
        QVERIFY(f.texts().contains(QStringLiteral("Digito verificador incorrecto")));
        QVERIFY(f.window->isVisible());

        QCOMPARE(registrar("0123456789", "57"), QStringList{Grabada});
        QCOMPARE(fixture::rows(f.host.db(), norden), QStringList{QStringLiteral("0123456789")});
        f.host.messages().clear();
        f.click(QStringLiteral("CmdCancelar"));
        QCOMPARE(f.texts(), QStringList());
        QVERIFY(!f.window->isVisible());

        // Opened again with the registered number, the window shows its check digits.
        session.numeroOrden = QStringLiteral("0123456789");
        f.open({Declarante, QStringLiteral("DISTRIBUIDORA ANDINA S.A.C."), QStringLiteral("082014")});
        QCOMPARE(f.child<EntryEdit>(QStringLiteral("TxtNumOrdenE_1"))->text(), QStringLiteral("57"));
    }

    void validationListsWhatIsMissing()
    {
        WindowFixture f;
        QStringList shownFiles;
        f.hooks.showInconsistencies = [&](QWidget&, const QString& path) { shownFiles.append(path); };
        f.open();
        f.fillHeader();
        f.host.messages().clear();
        f.click(QStringLiteral("CmdValidar"));
        const QString path = f.host.folder() + QStringLiteral("Mens.txt");
        QCOMPARE(shownFiles, QStringList{path});
        QCOMPARE(f.host.session().archivoMensajes, path);
        QVERIFY(f.host.session().pagoIncompleto);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Debe consignar importe a pagar en Percepciones.\r\n"
                                            "Indique la forma de pago.\r\n"));
        QCOMPARE(f.texts(), QStringList());

        f.tabs()->setCurrentIndex(2);
        f.type(f.box(410), QStringLiteral("10"));
        QTest::mouseClick(f.child<QRadioButton>(QStringLiteral("OptFormaPago_0")), Qt::LeftButton);
        f.click(QStringLiteral("CmdValidar"));
        QCOMPARE(f.texts(), QStringList{QStringLiteral("La declaración no presenta inconsistencias.")});
        QVERIFY(!f.host.session().pagoIncompleto);
        QCOMPARE(shownFiles.size(), 1);
        QCOMPARE(f.host.db().scalar(QStringLiteral("SELECT count(*) FROM CAB")).toInt(), 0);
    }
};

DECL_TEST(TestFrm947)
#include "tst_frm947.moc"
