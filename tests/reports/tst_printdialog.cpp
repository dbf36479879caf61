#include "barradeestadokova.h"
#include "declformwindows.h"
#include "frmimprimir.h"
#include "frmpreview.h"
#include "hostdatabase.h"
#include "integrator.h"
#include "markupreader.h"
#include "mdifrm.h"
#include "printfixture.h"
#include "reportsamples.h"
#include "session.h"
#include "spool.h"
#include "testregistry.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString RucAdmin = QStringLiteral("20100123453"); // a declarant of the user ADMIN
const QString RucOther = QStringLiteral("20444333228"); // a declarant of the user CONTADOR

// The print dialog over a host with the reports registered.
struct DialogFixture {
    PrintHost print;
    BarradeEstadoKOVA statusBar;
    QTemporaryDir out;

    std::unique_ptr<frmImprimir> open(bool enviadas)
    {
        print.host.session().declaracionEnviada = enviadas;
        auto dialog = std::make_unique<frmImprimir>(print.ctx, statusBar, print.kinds);
        dialog->show();
        return dialog;
    }
    void store(const TestDeclaration& declaration) { declaration.store(print.host.db()); }
    QString pdf() const { return out.filePath(QStringLiteral("report.pdf")); }

    // The user picks printing to a PDF file in the platform's print dialog.
    void printToPdf()
    {
        const QString path = pdf();
        print.opener.expect([path](QDialog& dialog) {
            auto* printDialog = qobject_cast<QPrintDialog*>(&dialog);
            QVERIFY(printDialog);
            printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            printDialog->printer()->setOutputFileName(path);
            printDialog->done(QDialog::Accepted);
        });
    }

    /// "CodRep Secuencia Archivo Doc_id_d Usuario" of every spool row.
    QStringList spool()
    {
        QStringList rows;
        QSqlQuery q = print.host.db().run(QStringLiteral(
            "SELECT CodRep, Secuencia, Archivo, Doc_id_d, Usuario FROM SPOOL ORDER BY Archivo"));
        while (q.next())
            rows.append(QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                    q.value(3).toString(), q.value(4).toString()}
                            .join(QLatin1Char(' ')));
        return rows;
    }
};

void click(QWidget& window, const char* name)
{
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

QStringList listed(const frmImprimir& dialog, bool enviadas)
{
    auto* grid = dialog.findChild<QTableView*>(QStringLiteral("grdContrib"));
    QStringList rows;
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        QStringList cells;
        for (int col : enviadas ? QList<int>{0, 2, 5} : QList<int>{0, 2})
            cells.append(grid->model()->index(row, col).data().toString());
        rows.append(cells.join(QLatin1Char(' ')));
    }
    return rows;
}

TestDeclaration annexes()
{
    const QString subject = QStringLiteral("20555666773");
    return TestDeclaration()
        .box(500, QStringLiteral("01"))
        .box(501, QStringLiteral("1"))
        .company(subject, QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A."), QStringLiteral("1000.00"),
                 QStringLiteral("20.00"))
        .receipt(subject, QStringLiteral("0001"), QStringLiteral("00000001"), QStringLiteral("1000.00"),
                 QStringLiteral("20.00"))
        .voucher(subject, QStringLiteral("0001"), QStringLiteral("00000001"), QStringLiteral("01"),
                 QStringLiteral("F001"), QStringLiteral("123"), QStringLiteral("1000.00"));
}

} // namespace

class TestPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void listsWhatTheUserMaySee_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<bool>("enviadas");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("frame");

        const QString saved = QStringLiteral("Declaraciones registradas");
        const QString sent = QStringLiteral("Declaraciones Enviadas");
        QTest::newRow("saved, user of type 0")
            << integrator::DefaultUser << false
            << QStringList{RucAdmin + QStringLiteral(" 052005"), RucAdmin + QStringLiteral(" 042005"),
                           RucOther + QStringLiteral(" 042005")}
            << QStringLiteral("Imprimir ") << saved;
        QTest::newRow("saved, user of type 1")
            << integrator::OtherUser << false << QStringList{RucOther + QStringLiteral(" 042005")}
            << QStringLiteral("Imprimir ") << saved;
        // A sending the integrator has not completed (state 0) is not listed.
        QTest::newRow("sent, user of type 0")
            << integrator::DefaultUser << true
            << QStringList{RucAdmin + QStringLiteral(" 042005 001"), RucOther + QStringLiteral(" 042005 001")}
            << QStringLiteral("Imprimir") << sent;
        QTest::newRow("sent, user of type 1")
            << integrator::OtherUser << true << QStringList{RucOther + QStringLiteral(" 042005 001")}
            << QStringLiteral("Imprimir") << sent;
    }
    void listsWhatTheUserMaySee()
    {
        QFETCH(QString, user);
        QFETCH(bool, enviadas);
        QFETCH(QStringList, rows);
        QFETCH(QString, caption);
        QFETCH(QString, frame);
        DialogFixture f;
        f.store(TestDeclaration(RucAdmin, QStringLiteral("200504")));
        f.store(TestDeclaration(RucAdmin, QStringLiteral("200505")));
        f.store(TestDeclaration(RucOther, QStringLiteral("200504")));
        const QString none;
        f.store(TestDeclaration(RucAdmin).sent(QStringLiteral("001"), none, none));
        f.store(TestDeclaration(RucAdmin).sent(QStringLiteral("002"), none, none, 0));
        f.store(TestDeclaration(RucOther).sent(QStringLiteral("001"), none, none));
        f.print.host.session().usuarioSistema = user;

        const auto dialog = f.open(enviadas);
        QCOMPARE(listed(*dialog, enviadas), rows);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), frame);
        QCOMPARE(dialog->property("HelpContextID").toInt(), enviadas ? 1015 : 1016);
        // The status bar shows the selected declaration.
        QCOMPARE(f.statusBar.numdoc(), rows.first().left(11));
        QCOMPARE(f.statusBar.periodoEjercicio(), rows.first().mid(12, 6));
    }

    void emptyListDoesNothing()
    {
        DialogFixture f;
        const auto dialog = f.open(false);
        QCOMPARE(dialog->rowCount(), 0);
        click(*dialog, "CmdImprimir_0");
        click(*dialog, "CmdImprimir_1");
        click(*dialog, "OptImp_1");
        click(*dialog, "CmdImprimir_0");
        QVERIFY(f.print.opener.opened().isEmpty());
        QVERIFY(f.print.host.messages().shown().isEmpty());
        QVERIFY(f.spool().isEmpty());
    }

    void annexesNeedSubjects()
    {
        DialogFixture f;
        f.store(TestDeclaration().box(401, QStringLiteral("0")));
        const auto dialog = f.open(false);
        click(*dialog, "OptImp_1");
        click(*dialog, "CmdImprimir_0");
        click(*dialog, "CmdImprimir_1");
        QCOMPARE(f.print.host.messages().texts(),
                 QStringList(2, QStringLiteral("No existe información de anexos para esta declaración")));
        QCOMPARE(f.print.host.messages().shown().first().title, QStringLiteral("Anexos"));
        QCOMPARE(f.print.host.messages().shown().first().icon, MsgIcon::Information);
        QVERIFY(f.print.opener.opened().isEmpty());
        QVERIFY(f.spool().isEmpty());
    }

    void previewGoesThroughThePageRange()
    {
        DialogFixture f;
        f.store(TestDeclaration(RucOther).companies(2));
        f.store(TestDeclaration(RucAdmin).companies(19));
        const auto dialog = f.open(false);
        auto* grid = dialog->findChild<QTableView*>(QStringLiteral("grdContrib"));
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QCOMPARE(f.statusBar.numdoc(), RucAdmin);

        QStringList previewTexts;
        f.print.opener.expect([&](QDialog& pages) {
            QCOMPARE(pages.windowTitle(), QStringLiteral("Impresión de 2 páginas"));
            QCOMPARE(pages.findChild<QLineEdit*>(QStringLiteral("txtTotPaginas"))->text(),
                     QStringLiteral("2"));
            pages.findChild<QLineEdit*>(QStringLiteral("txtPagDesde"))->setText(QStringLiteral("2"));
            pages.findChild<QLineEdit*>(QStringLiteral("txtPagHasta"))->setText(QStringLiteral("2"));
            f.print.opener.expect([&](QDialog& preview) {
                const auto& shown = static_cast<frmPreview&>(preview);
                QCOMPARE(shown.pageCount(), 1);
                for (const MarkupElement& e : shown.pageElements(0))
                    previewTexts.append(e.text);
                preview.reject();
            });
            click(pages, "cmdAccion_0");
            pages.reject();
        });
        // Enter in the list works like "&Preliminar".
        QTest::keyClick(grid, Qt::Key_Return);

        QCOMPARE(f.print.opener.opened(),
                 (QStringList{QStringLiteral("frmImpxPag"), QStringLiteral("frmPreview")}));
        QVERIFY(previewTexts.contains(QStringLiteral("Contribuyente (2/2)")));
        QVERIFY(previewTexts.contains(QStringLiteral("TOTAL")));
        QCOMPARE(f.spool(), QStringList{QStringLiteral("PER002 000001 00000001.PRN ") + RucAdmin +
                                        QLatin1Char(' ') + integrator::DefaultUser});
        QCOMPARE(grid->currentIndex().row(), 0);
        QVERIFY(f.print.host.messages().shown().isEmpty());
    }

    void printsWithoutPreview_data()
    {
        QTest::addColumn<TestDeclaration>("declaration");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("shown"); // a text the report carries

        // The order number printed is the sending's own norden, not another column of its row.
        QTest::newRow("declaration of a sending")
            << TestDeclaration().companies(1).sent(QStringLiteral("003"), QStringLiteral("1234567"),
                                                   QStringLiteral("00054321"))
            << QStringLiteral("OptImp_0") << reportcode::Declaration << false << QStringLiteral("   1234567");
        QTest::newRow("annexes") << annexes() << QStringLiteral("OptImp_1") << reportcode::Annexes << true
                                 << QStringLiteral(" DOC. QUE DIO ORIGEN A PERCEPCION");
    }
    void printsWithoutPreview()
    {
        QFETCH(TestDeclaration, declaration);
        QFETCH(QString, option);
        QFETCH(QString, code);
        QFETCH(bool, landscape);
        QFETCH(QString, shown);
        DialogFixture f;
        f.store(declaration);
        const auto dialog = f.open(declaration.isSent());
        click(*dialog, qPrintable(option));
        f.printToPdf();
        click(*dialog, "CmdImprimir_1");

        QCOMPARE(f.print.opener.opened(), QStringList{QStringLiteral("printDialog")});
        QVERIFY(f.print.host.messages().shown().isEmpty());
        QCOMPARE(pdfPageCount(f.pdf()), 1);
        const QSizeF size = pdfFirstPageSize(f.pdf());
        QCOMPARE(size.width() > size.height(), landscape);
        QCOMPARE(f.spool().size(), 1);
        QVERIFY(f.spool().first().startsWith(code + QStringLiteral(" 000001 00000001.PRN")));
        const std::optional<ReportMarkup> markup =
            readMarkupFile(reportFilePath(f.print.host.session(), QStringLiteral("00000001.PRN")));
        QVERIFY(markup);
        QVERIFY(std::any_of(markup->commands.cbegin(), markup->commands.cend(),
                            [&](const MarkupElement& e) { return e.text == shown; }));
    }

    void mainWindowOpensItWithTheReports()
    {
        DialogFixture f;
        f.store(TestDeclaration().companies(1).sent(QStringLiteral("001"), QStringLiteral("1234567"),
                                                    QStringLiteral("00012345")));
        Session session;
        MDIFrm mainWindow(session, f.print.host.messages(), f.print.host.host(), f.print.opener);
        QVERIFY(mainWindow.load());
        const DeclformWindows wiring(mainWindow);
        QString caption;
        QString pages;
        f.print.opener.expect([&](QDialog& dialog) {
            caption = dialog.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title();
            click(dialog, "CmdImprimir_0");
        });
        f.print.opener.expect([&](QDialog& range) { pages = range.windowTitle(); });
        mainWindow.findChild<QAction*>(QStringLiteral("mnuImprimirE"))->trigger();

        QCOMPARE(f.print.opener.opened(),
                 (QStringList{QStringLiteral("frmImprimir"), QStringLiteral("frmImpxPag")}));
        QCOMPARE(caption, QStringLiteral("Declaraciones Enviadas"));
        QCOMPARE(pages, QStringLiteral("Impresión de 1 páginas"));
        QVERIFY(f.print.host.messages().shown().isEmpty());
    }
};
DECL_TEST(TestPrintDialog)
#include "tst_printdialog.moc"
