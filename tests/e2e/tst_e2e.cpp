#include "clitestkit.h"
#include "clock.h"
#include "declformwindows.h"
#include "frmpreview.h"
#include "mdifrm.h"
#include "session.h"
#include "spool.h"
#include "testhost.h"
#include "testregistry.h"
#include "windowopener.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>

namespace {

// The seeded declarant of user ADMIN whose April 2014 declaration walks the road, and the two
// subjects typed in by hand. The import brings a third one.
const QString Declarante = QStringLiteral("20100123453");
const QString Empresa = QStringLiteral("20555666773");
const QString Persona = QStringLiteral("10405060707");
const QString Importada = QStringLiteral("20000000001");
const QString Periodo = QStringLiteral("201404");
// Today is 15 May 2014: April is a closed month and every series rule of the road is the
// plain one (letters only in the first position of a voucher series).
const QDateTime Hoy(QDate(2014, 5, 15), QTime(10, 0));

// The debt of the first declaration as its window shows it and its report prints it:
// perceptions at 0.9901 % (9.90 + 19.80 + 29.70), previous payments 5, interest 1, paid whole.
const QStringList FirstBoxes = {QStringLiteral("401=59"), QStringLiteral("402=(5)"),
                                QStringLiteral("403=54"), QStringLiteral("404=1"),
                                QStringLiteral("405=55"), QStringLiteral("410=55")};

const QString SinInconsistencias = QStringLiteral("La declaración no presenta inconsistencias.");
const QString Grabada = QStringLiteral("La declaración ha sido grabada satisfactoriamente.");
const QString VoucherSaved = QStringLiteral("La información se grabó satisfactoriamente");

// ---- Working a window as a user does ----

template <typename T = QLineEdit> T* find(const QWidget& window, const QString& name)
{
    T* child = window.findChild<T*>(name);
    if (!child)
        qFatal("%s has no %s", qPrintable(window.objectName()), qPrintable(name));
    return child;
}

void click(const QWidget& window, const QString& button)
{
    QTest::mouseClick(find<QAbstractButton>(window, button), Qt::LeftButton);
}

void focus(QWidget* field, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}

/// Tabs into a field (which selects its text, or puts a masked field's cursor on its first
/// blank), types and tabs out, so the field's own rules on entering and leaving run.
void type(const QWidget& window, const QString& field, const QString& keys)
{
    QLineEdit* edit = find(window, field);
    focus(edit, QEvent::FocusIn);
    QTest::keyClicks(edit, keys);
    focus(edit, QEvent::FocusOut);
}

/// Picks the entry of a list that starts with `text`.
void choose(const QWidget& window, const QString& combo, const QString& text)
{
    auto* list = find<QComboBox>(window, combo);
    const int index = list->findText(text, Qt::MatchStartsWith);
    if (index < 0)
        qFatal("%s does not list %s", qPrintable(combo), qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void showTab(const QWidget& window, int index)
{
    find<QTabWidget>(window, QStringLiteral("SSTab1"))->setCurrentIndex(index);
}

/// Captions of the visible columns of a grid too narrow for their texts.
QStringList cutColumns(const QWidget& window, const QString& grid)
{
    const QTableView* view = find<QTableView>(window, grid);
    const QAbstractItemView* contents = view;
    QStringList cut;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        if (!view->isColumnHidden(c) && view->columnWidth(c) < contents->sizeHintForColumn(c))
            cut.append(view->model()->headerData(c, Qt::Horizontal).toString());
    return cut;
}

/// The visible cells of a grid, one "a|b|c" text per row.
QStringList gridRows(const QWidget& window, const QString& grid)
{
    const QTableView* view = find<QTableView>(window, grid);
    const QAbstractItemModel* model = view->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            if (!view->isColumnHidden(c))
                cells.append(model->index(r, c).data().toString().trimmed());
        rows.append(cells.join(QLatin1Char('|')));
    }
    return rows;
}

/// What a report file draws at a place: the text of its "pPos" line at (x, y), trimmed.
QString drawnAt(const QStringList& lines, int x, int y)
{
    const QString start = QStringLiteral("pPos|%1|%2|").arg(x).arg(y);
    for (const QString& line : lines)
        if (line.startsWith(start))
            return line.section(QLatin1Char('|'), 3, 3).trimmed();
    return QStringLiteral("<nothing>");
}

/// The debt boxes of a declaration report as "box=value": each box number is drawn at x 8825
/// and its value on the same line at x 9220.
QStringList reportBoxes(const QStringList& lines)
{
    QStringList boxes;
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("pPos|8825|"))) {
            const QString box = line.section(QLatin1Char('|'), 3, 3).trimmed();
            if (box.size() == 3 && box.at(0) == QLatin1Char('4'))
                boxes.append(box + QLatin1Char('=') +
                             drawnAt(lines, 9220, line.section(QLatin1Char('|'), 2, 2).toInt()));
        }
    return boxes;
}

struct Voucher {
    const char* tipo;
    const char* serie;
    const char* numero;
    const char* fecha; ///< ddmmyyyy as typed
    const char* monto;
};

/// The fields a receipt and a voucher share.
void typeDocument(const QWidget& window, const char* serie, const char* numero, const char* fecha,
                  const QString& amountField, const char* monto)
{
    type(window, QStringLiteral("TxtSerie"), QLatin1String(serie));
    type(window, QStringLiteral("TxtNumero"), QLatin1String(numero));
    type(window, QStringLiteral("MkeFecEmis"), QLatin1String(fecha));
    type(window, amountField, QLatin1String(monto));
}

/// The voucher window: each voucher is typed and saved, then the window is left.
ScriptedOpener::Driver enterVouchers(QList<Voucher> vouchers)
{
    return [vouchers](QDialog& window) {
        for (const Voucher& v : vouchers) {
            choose(window, QStringLiteral("CmbTipoDoc"), QLatin1String(v.tipo));
            typeDocument(window, v.serie, v.numero, v.fecha, QStringLiteral("TxtMtoDet"), v.monto);
            click(window, QStringLiteral("CmdOpciones_0"));
        }
        click(window, QStringLiteral("CmdOpciones_1"));
    };
}

} // namespace

/// The road of a new declaration from an empty integrator to two sendings of it: the
/// installer, declform's windows driven like a user, the integrator's sending with the real
/// check and summary programs, and the order number of the sent declaration. Each step builds
/// on the one before.
class TestWholeRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<TestHost> m_host;
    ScriptedOpener m_opener;
    Session m_session;
    std::unique_ptr<MDIFrm> m_main;
    std::unique_ptr<DeclformWindows> m_wiring;
    QTemporaryDir m_importFolder;

    ScriptedMessages& messages() { return m_host->messages(); }
    HostDatabase& db() { return m_host->db(); }

    /// Runs one of the built programs as the integrator does, on today's date.
    ChildRun runProgram(const QString& program, const QStringList& arguments = {})
    {
        const ProgramRunner runner(program, Hoy.toString(Qt::ISODate));
        m_host->closeDatabase();
        const ChildRun run = runner.run(m_host->iniFolder(), arguments);
        m_host->reopenDatabase();
        return run;
    }

    void command(const char* action)
    {
        QAction* found = m_main->findChild<QAction*>(QLatin1String(action));
        QVERIFY2(found && found->isEnabled(), action);
        found->trigger();
    }

    QStringList rows(const QString& sql, const QVariantList& values = {})
    {
        QSqlQuery query = db().run(sql, values);
        QStringList result;
        while (query.next()) {
            QStringList fields;
            for (int i = 0; i < query.record().count(); ++i)
                fields.append(query.value(i).toString());
            result.append(fields.join(QLatin1Char('|')));
        }
        return result;
    }

    // ---- The declaration window, step by step ----

    void enterHeader(const QWidget& window, bool rectifica)
    {
        if (rectifica)
            click(window, QStringLiteral("OptRectifica_1"));
        choose(window, QStringLiteral("CmbRuc"), Declarante);
        type(window, QStringLiteral("MkePeriodo"), QStringLiteral("042014"));
        choose(window, QStringLiteral("CmbModPer"), QStringLiteral("HIDROCARBUROS"));
        showTab(window, 1);
    }

    /// A company with one receipt whose vouchers are an invoice and a credit note.
    void enterCompany(const QWidget& window)
    {
        m_opener.expect([this](QDialog& subject) {
            type(subject, QStringLiteral("TxtNumRuc"), Empresa);
            type(subject, QStringLiteral("TxtNombres"), QStringLiteral("ESTACION ACME S.A.C."));
            m_opener.expect([this](QDialog& receipt) {
                typeDocument(receipt, "1", "1", "15042014", QStringLiteral("TxtMtoBase"), "1000");
                m_opener.expect(enterVouchers(
                    {{"01", "F001", "100", "10042014", "1200"}, {"07", "F001", "5", "12042014", "200"}}));
                click(receipt, QStringLiteral("CmdOpciones1_0"));
                click(receipt, QStringLiteral("CmdOpciones_0"));
            });
            click(subject, QStringLiteral("CmdOpciones_0"));
            click(subject, QStringLiteral("CmdAceptar"));
        });
        click(window, QStringLiteral("CmdOpciones_0"));
    }

    /// A person with a cash sale on a sales slip.
    void enterPerson(const QWidget& window)
    {
        m_opener.expect([this](QDialog& subject) {
            type(subject, QStringLiteral("TxtNumRuc"), Persona);
            type(subject, QStringLiteral("TxtApePat"), QStringLiteral("QUISPE"));
            type(subject, QStringLiteral("TxtApeMat"), QStringLiteral("MAMANI"));
            type(subject, QStringLiteral("TxtNombres"), QStringLiteral("JUAN CARLOS"));
            m_opener.expect([](QDialog& receipt) {
                click(receipt, QStringLiteral("OptVentaCont_1"));
                choose(receipt, QStringLiteral("CmbTipoCP"), QStringLiteral("03"));
                typeDocument(receipt, "2", "7", "20042014", QStringLiteral("TxtMtoBase"), "2000");
                click(receipt, QStringLiteral("CmdOpciones_0"));
            });
            click(subject, QStringLiteral("CmdOpciones_0"));
            click(subject, QStringLiteral("CmdAceptar"));
        });
        click(window, QStringLiteral("CmdOpciones_0"));
    }

    /// Imports a receipts file of one line from a folder chosen in the import window.
    void importFile(const QWidget& window)
    {
        QFile file(
            m_importFolder.filePath(QStringLiteral("0947") + Declarante + Periodo + QStringLiteral(".TXT")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(Importada.toLatin1() +
                   "|EMPRESA IMPORTADA SAC||||1|25|16/04/2014|3000.00|01|1|345|11/04/2014|3000.00|\r\n");
        file.close();
        m_opener.expect([this](QDialog& import) {
            auto* tree = find<QTreeView>(import, QStringLiteral("DirDirectorio"));
            auto* model = qobject_cast<QFileSystemModel*>(tree->model());
            tree->setCurrentIndex(model->index(m_importFolder.path()));
            click(import, QStringLiteral("cmdTransferir"));
            click(import, QStringLiteral("cmCancelar"));
        });
        click(window, QStringLiteral("CmdOpciones_3"));
    }

    /// Previous payments 5, interest 1, the whole debt paid in cash.
    void enterBoxes(const QWidget& window)
    {
        showTab(window, 2);
        type(window, QStringLiteral("TxtValor_402"), QStringLiteral("5"));
        type(window, QStringLiteral("TxtValor_404"), QStringLiteral("1"));
        const QString debt = find(window, QStringLiteral("TxtValor_405"))->text();
        type(window, QStringLiteral("TxtValor_410"), debt);
        click(window, QStringLiteral("OptFormaPago_0"));
    }

    QStringList boxes(const QWidget& window)
    {
        QStringList values;
        for (int box : {401, 402, 403, 404, 405, 410})
            values.append(QString::number(box) + QLatin1Char('=') +
                          find(window, QStringLiteral("TxtValor_%1").arg(box))->text());
        return values;
    }

    /// Validates, saves and leaves a declaration entered with `enter`; answers the boxes shown.
    QStringList newDeclaration(const std::function<void(const QWidget&)>& enter)
    {
        QStringList shown;
        m_opener.expect([&](QDialog& window) {
            enter(window);
            shown = boxes(window);
            click(window, QStringLiteral("CmdValidar"));
            click(window, QStringLiteral("CmdGrabar"));
            click(window, QStringLiteral("CmdCancelar"));
        });
        command("mnuNueva");
        return shown;
    }

    /// Previews the declaration report of the only declaration listed by the print command
    /// `action` through the page-range dialog; answers the report file's lines, and the preview's
    /// texts through `previewed`.
    QStringList previewReport(const char* action, QStringList& previewed)
    {
        m_opener.expect([this, &previewed](QDialog& print) {
            m_opener.expect([this, &previewed](QDialog& pages) {
                m_opener.expect([&previewed](QDialog& preview) {
                    const auto& shown = static_cast<const frmPreview&>(preview);
                    for (int page = 0; page < shown.pageCount(); ++page)
                        for (const MarkupElement& element : shown.pageElements(page))
                            previewed.append(element.text);
                    preview.reject();
                });
                // The range starts at page 1; its end is the user's to type.
                type(pages, QStringLiteral("txtPagHasta"),
                     find(pages, QStringLiteral("txtTotPaginas"))->text());
                click(pages, QStringLiteral("cmdAccion_0"));
                click(pages, QStringLiteral("cmdAccion_1"));
            });
            click(print, QStringLiteral("OptImp_0"));
            click(print, QStringLiteral("CmdImprimir_0"));
            click(print, QStringLiteral("CmdImprimir_2"));
        });
        command(action);
        const QString file = db().scalar(QStringLiteral("SELECT max(Archivo) FROM SPOOL WHERE CodRep = ?"),
                                         {reportcode::Declaration})
                                 .toString();
        return fileLines(reportFilePath(m_host->session(), file));
    }

    /// Sends the saved declaration with the integrator's command; answers its output.
    QString send()
    {
        const ChildRun run =
            runProgram(QStringLiteral("kovaris"), {QStringLiteral("enviar"), Declarante, Periodo});
        if (run.exitCode != 0)
            qWarning("kovaris enviar: %d %s", run.exitCode, qPrintable(run.errors));
        return run.output.trimmed();
    }

private slots:
    void initTestCase()
    {
        Clock::setNow(Hoy);
        // An integrator folder and database as "kovaris init" leaves them, then the module installed
        // by its own installer.
        m_host = std::make_unique<TestHost>(TestHost::HostOnly);
        const ChildRun install = runProgram(QStringLiteral("declsetup"));
        QVERIFY2(install.exitCode == 0, qPrintable(install.errors));
        QCOMPARE(rows(QStringLiteral("SELECT Funcion FROM PARAM WHERE Numero = '981'")),
                 QStringList{QStringLiteral("968")});

        m_main = std::make_unique<MDIFrm>(m_session, messages(), m_host->host(), m_opener);
        m_main->show();
        QVERIFY(m_main->load());
        m_wiring = std::make_unique<DeclformWindows>(*m_main);
    }
    void cleanupTestCase()
    {
        m_wiring.reset();
        m_main.reset();
        m_host.reset();
        Clock::setNow(QDateTime());
    }
    void init() { messages().clear(); }

    void aNewDeclarationIsEnteredValidatedAndSaved()
    {
        const QStringList shown = newDeclaration([this](const QWidget& window) {
            enterHeader(window, false);
            enterCompany(window);
            enterPerson(window);
            importFile(window);
            enterBoxes(window);
        });
        QCOMPARE(m_opener.opened(), (QStringList{QStringLiteral("Frm947"), QStringLiteral("FrmAgePer"),
                                                 QStringLiteral("FrmDetAgePer"), QStringLiteral("frmPerDet"),
                                                 QStringLiteral("FrmAgePer"), QStringLiteral("FrmDetAgePer"),
                                                 QStringLiteral("frmTransferencia")}));
        QCOMPARE(shown, FirstBoxes);
        QCOMPARE(messages().texts(),
                 (QStringList{VoucherSaved, VoucherSaved,
                              QStringLiteral("Archivo : ") +
                                  m_importFolder.filePath(QStringLiteral("0947") + Declarante + Periodo) +
                                  QStringLiteral(".TXT transferido"),
                              SinInconsistencias, Grabada}));

        const QVariantList key{Declarante, Periodo};
        QCOMPARE(rows(QStringLiteral(
                          "SELECT estado, rectifica, efectivo FROM CAB WHERE doc_id_d = ? AND periodo = ?"),
                      key),
                 QStringList{QStringLiteral("0|0|55")});
        QCOMPARE(
            rows(QStringLiteral("SELECT num_doc_per, des_razon, mto_base_p * 1, mto_imp_p * 1 FROM F947PCAB "
                                "WHERE doc_id_d = ? "
                                "AND periodo = ? ORDER BY num_doc_per"),
                 key),
            (QStringList{Persona + QStringLiteral("||2000|19.8"),
                         Importada + QStringLiteral("|EMPRESA IMPORTADA SAC|3000|29.7"),
                         Empresa + QStringLiteral("|ESTACION ACME SAC|1000|9.9")}));
        QCOMPARE(
            rows(QStringLiteral("SELECT tip_doc_detcp, mto_detcp * 1 FROM F947PDETCP WHERE doc_id_d = ? AND "
                                "periodo = ? ORDER BY num_doc_per, tip_doc_detcp"),
                 key),
            (QStringList{QStringLiteral("01|3000"), QStringLiteral("01|1200"), QStringLiteral("07|-200")}));
        QCOMPARE(rows(QStringLiteral(
                          "SELECT num_doc_per, tip_cp FROM F947PDETVC WHERE doc_id_d = ? AND periodo = ?"),
                      key),
                 QStringList{Persona + QStringLiteral("|03")});
    }

    void theSavedDeclarationReportShowsItsBoxes()
    {
        QStringList previewed;
        const QStringList lines = previewReport("mnuImprimir", previewed);
        QCOMPARE(m_opener.opened().mid(m_opener.opened().indexOf(QStringLiteral("frmImprimir"))),
                 (QStringList{QStringLiteral("frmImprimir"), QStringLiteral("frmImpxPag"),
                              QStringLiteral("frmPreview")}));
        QVERIFY(previewed.contains(QStringLiteral("DETERMINACION DE LA DEUDA TRIBUTARIA")));
        QCOMPARE(reportBoxes(lines), FirstBoxes);
        QCOMPARE(drawnAt(lines, 3500, 1170), Declarante);
        QCOMPARE(drawnAt(lines, 7740, 1450), QStringLiteral("04/2014"));
        // A saved declaration has neither control nor order number yet.
        QVERIFY(!lines.join(QLatin1Char('\n')).contains(QStringLiteral("NRO. CONTROL")));
        QCOMPARE(messages().texts(), QStringList());
    }

    void theIntegratorSendsIt()
    {
        QCOMPARE(send(), QStringLiteral("Enviada: control 10000001, correl 001"));
        const QVariantList key{Declarante, Periodo};
        QCOMPARE(rows(QStringLiteral("SELECT count(*) FROM CAB WHERE doc_id_d = ? AND periodo = ?"), key),
                 QStringList{QStringLiteral("0")});
        QCOMPARE(
            rows(QStringLiteral("SELECT correl, control, estado, norden FROM HCAB WHERE doc_id_d = ? AND "
                                "periodo = ?"),
                 key),
            QStringList{QStringLiteral("001|10000001|1|")});
        QCOMPARE(rows(QStringLiteral("SELECT count(*) FROM HF947PCAB WHERE correl = '001'")),
                 QStringList{QStringLiteral("3")});
    }

    void theOrderNumberIsRegisteredWithItsCheckDigits()
    {
        // Check digits of control 10000001 and order 1234567890, worked by hand: the control's
        // own modulus 11 digit 6, then the digit of 10000001123456789, 2.
        const QString orden = QStringLiteral("1234567890");
        QStringList listed, afterwards, cut;
        QString control, shownOrder;
        m_opener.expect([&](QDialog& chooser) {
            listed = gridRows(chooser, QStringLiteral("grdContrib"));
            m_opener.expect([&](QDialog& window) {
                control = find(window, QStringLiteral("TxtControl"))->text();
                // The window gives the order number the focus; the user just types it.
                QLineEdit* number = find(window, QStringLiteral("TxtNumOrdenE_0"));
                shownOrder = number->text();
                QTest::keyClicks(number, orden);
                type(window, QStringLiteral("TxtNumOrdenE_1"), QStringLiteral("61"));
                click(window, QStringLiteral("CmdGrabar"));
                type(window, QStringLiteral("TxtNumOrdenE_1"), QStringLiteral("62"));
                click(window, QStringLiteral("CmdGrabar"));
                click(window, QStringLiteral("CmdCancelar"));
            });
            click(chooser, QStringLiteral("CmdOpciones_0"));
            afterwards = gridRows(chooser, QStringLiteral("grdContrib"));
            cut = cutColumns(chooser, QStringLiteral("grdContrib"));
            click(chooser, QStringLiteral("CmdOpciones_1"));
        });
        command("mnuModificarE");
        const QString row =
            Declarante + QStringLiteral("|DISTRIBUIDORA ANDINA S.A.C.|042014|0947|%1|15/05/2014|10000001|0");
        QCOMPARE(listed, QStringList{row.arg(QString())});
        QCOMPARE(control, QStringLiteral("10000001"));
        QCOMPARE(shownOrder, QString());
        QCOMPARE(messages().texts(),
                 (QStringList{QStringLiteral("     El digito Verificador es incorrecto"), Grabada}));
        QCOMPARE(rows(QStringLiteral("SELECT norden FROM HCAB WHERE correl = '001'")), QStringList{orden});
        QCOMPARE(afterwards, QStringList{row.arg(orden)});
        // The name gives way on a small screen; the order number just registered shows whole.
        QVERIFY2(!cut.contains(QStringLiteral("N. Orden")), qPrintable(cut.join(QLatin1Char(','))));
    }

    void theSentDeclarationReportShowsControlAndOrder()
    {
        QStringList previewed;
        const QStringList lines = previewReport("mnuImprimirE", previewed);
        QCOMPARE(drawnAt(lines, 300, 1720), QStringLiteral("NRO. CONTROL:"));
        QCOMPARE(drawnAt(lines, 1800, 1720), QStringLiteral("10000001"));
        QCOMPARE(drawnAt(lines, 8620, 1720), QStringLiteral("NRO. ORDEN:"));
        QCOMPARE(drawnAt(lines, 9800, 1720), QStringLiteral("1234567890"));
        QVERIFY(previewed.contains(QStringLiteral("NRO. ORDEN: ")));
        QCOMPARE(reportBoxes(lines), FirstBoxes);
        QCOMPARE(messages().texts(), QStringList());
    }

    void aRectifyingDeclarationIsSentApart()
    {
        const QStringList shown = newDeclaration([this](const QWidget& window) {
            enterHeader(window, true);
            importFile(window);
            enterBoxes(window);
        });
        QCOMPARE(shown,
                 (QStringList{QStringLiteral("401=30"), QStringLiteral("402=(5)"), QStringLiteral("403=25"),
                              QStringLiteral("404=1"), QStringLiteral("405=26"), QStringLiteral("410=26")}));
        // The window first reminds that a rectifying declaration carries all of its detail again.
        QVERIFY(messages().texts().value(0).startsWith(QStringLiteral("Recuerde que debe ingresar toda")));
        QCOMPARE(messages().texts().mid(1),
                 (QStringList{QStringLiteral("Archivo : ") +
                                  m_importFolder.filePath(QStringLiteral("0947") + Declarante + Periodo) +
                                  QStringLiteral(".TXT transferido"),
                              SinInconsistencias, Grabada}));
        QCOMPARE(send(), QStringLiteral("Enviada: control 10000002, correl 002"));

        QCOMPARE(
            rows(QStringLiteral("SELECT correl, control, norden, rectifica FROM HCAB WHERE doc_id_d = ? AND "
                                "periodo = ? ORDER BY correl"),
                 {Declarante, Periodo}),
            (QStringList{QStringLiteral("001|10000001|1234567890|0"), QStringLiteral("002|10000002||1")}));
        QCOMPARE(
            rows(QStringLiteral("SELECT correl, count(*) FROM HF947PCAB GROUP BY correl ORDER BY correl")),
            (QStringList{QStringLiteral("001|3"), QStringLiteral("002|1")}));
        QCOMPARE(
            rows(QStringLiteral("SELECT correl, i_valor FROM HDET WHERE casilla = '401' ORDER BY correl")),
            (QStringList{QStringLiteral("001|59"), QStringLiteral("002|30")}));

        QStringList listed;
        m_opener.expect([&](QDialog& chooser) {
            listed = gridRows(chooser, QStringLiteral("grdContrib"));
            click(chooser, QStringLiteral("CmdOpciones_1"));
        });
        command("mnuModificarE");
        QCOMPARE(listed.size(), 2);
        QVERIFY2(listed[0].endsWith(QStringLiteral("|1234567890|15/05/2014|10000001|0")),
                 qPrintable(listed[0]));
        QVERIFY2(listed[1].endsWith(QStringLiteral("||15/05/2014|10000002|1")), qPrintable(listed[1]));
    }
};

DECL_TEST(TestWholeRoad)
#include "tst_e2e.moc"
