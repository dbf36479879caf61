#include "appcontext.h"
#include "frmimpxpag.h"
#include "frmpreview.h"
#include "muestrareporte.h"
#include "pagepicture.h"
#include "reportsamples.h"
#include "session.h"
#include "spool.h"
#include "testhost.h"
#include "testregistry.h"
#include "windowopener.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A host installation, its reports folder and the context the report windows get.
struct PreviewFixture {
    TestHost host{TestHost::HostOnly};
    ScriptedOpener opener;
    AppContext ctx{host.session(), host.db(), host.messages(), host.host(), opener};
    QTemporaryDir out;

    QString report(const QString& fileName, int pages, bool landscape = false)
    {
        writeSampleReport(reportFilePath(host.session(), fileName), pages, landscape);
        return fileName;
    }
    QString pdf() const { return out.filePath(QStringLiteral("report.pdf")); }

    // The user picks printing to a PDF file in the print dialog.
    void printToPdf()
    {
        const QString path = pdf();
        opener.expect([path](QDialog& dialog) {
            auto* print = qobject_cast<QPrintDialog*>(&dialog);
            QVERIFY(print);
            print->printer()->setOutputFormat(QPrinter::PdfFormat);
            print->printer()->setOutputFileName(path);
            print->done(QDialog::Accepted);
        });
    }
};

QStringList pictureTexts(const frmPreview& preview)
{
    QStringList texts;
    for (int i = 0; i < preview.pageCount(); ++i)
        texts.append(preview.pageElements(i).isEmpty() ? QString() : preview.pageElements(i).first().text);
    return texts;
}

QList<PagePicture*> visiblePictures(const frmPreview& preview)
{
    QList<PagePicture*> visible;
    for (PagePicture* p : preview.findChildren<PagePicture*>())
        if (!p->isHidden())
            visible.append(p);
    return visible;
}

void trigger(QWidget& window, const char* action)
{
    QAction* a = window.findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY2(a, action);
    a->trigger();
}
} // namespace

class TestPreview : public QObject {
    Q_OBJECT
private slots:
    void missingFileShowsAnEmptyPreview()
    {
        PreviewFixture f;
        int pages = -1;
        f.opener.expect([&](QDialog& dialog) {
            auto& preview = static_cast<frmPreview&>(dialog);
            QCOMPARE(preview.windowTitle(), QStringLiteral("Presentación Preliminar"));
            pages = preview.pageCount();
            QVERIFY(preview.pageElements(0).isEmpty());
            trigger(preview, "tlbPrevia_5");
        });
        MuestraReporte(f.ctx, QStringLiteral("00000099.PRN"), ModoVistaPrevia);
        QCOMPARE(f.opener.opened(), QStringList{QStringLiteral("frmPreview")});
        QCOMPARE(pages, 1);
        QCOMPARE(f.host.messages().texts(),
                 QStringList{QStringLiteral("Archivo Físico del Reporte no Existe")});
        QCOMPARE(f.host.messages().shown().first().title, QStringLiteral("Error al Imprimir"));
        QCOMPARE(f.host.messages().shown().first().icon, MsgIcon::Critical);

        // Printing it asks for no printer.
        f.host.messages().clear();
        MuestraReporte(f.ctx, QStringLiteral("00000099.PRN"), QStringLiteral("xx"));
        QCOMPARE(f.opener.opened().size(), 1);
        QCOMPARE(f.host.messages().texts(),
                 QStringList{QStringLiteral("Archivo Físico del Reporte no Existe")});
    }

    void navigationShowsOnePageAtATime()
    {
        PreviewFixture f;
        frmPreview preview(f.ctx, f.report(QStringLiteral("00000001.PRN"), 3));
        preview.show();
        QCOMPARE(preview.pageCount(), 3);
        QCOMPARE(pictureTexts(preview), (QStringList{QStringLiteral("PAGINA 1"), QStringLiteral("PAGINA 2"),
                                                     QStringLiteral("PAGINA 3")}));
        QCOMPARE(preview.pageColor(), QColor(0xC0, 0xFF, 0xFF));
        // Only the page shown has a picture so far.
        QCOMPARE(preview.findChildren<PagePicture*>().size(), 1);

        auto* scroll = preview.findChild<QScrollBar*>(QStringLiteral("vsbPic"));
        QVERIFY(scroll);
        scroll->setValue(scroll->maximum());
        trigger(preview, "tlbPrevia_3");
        QCOMPARE(preview.iNroHoja(), 1);
        QCOMPARE(scroll->value(), 0);
        trigger(preview, "tlbPrevia_3");
        trigger(preview, "tlbPrevia_3");
        QCOMPARE(preview.iNroHoja(), 2);
        QCOMPARE(visiblePictures(preview).size(), 1);
        QCOMPARE(visiblePictures(preview).first()->objectName(), QStringLiteral("picPrevia_2"));
        preview.pMostrar(-2);
        QCOMPARE(preview.iNroHoja(), 1);
        preview.pMostrar(0);
        preview.pMostrar(-2);
        QCOMPARE(preview.iNroHoja(), 0);
        QCOMPARE(visiblePictures(preview).first()->objectName(), QStringLiteral("picPrevia_0"));
        QVERIFY(preview.findChild<PagePicture*>(QStringLiteral("picPrevia_2"))->isHidden());
    }

    void onePageReportDoesNotMoveOn()
    {
        PreviewFixture f;
        frmPreview preview(f.ctx, f.report(QStringLiteral("00000001.PRN"), 1));
        preview.pMostrar(-1);
        preview.pMostrar(-2);
        QCOMPARE(preview.iNroHoja(), 0);
        QCOMPARE(preview.pageCount(), 1);
    }

    void rangePreviewPrintsItsPages()
    {
        PreviewFixture f;
        frmPreview preview(f.ctx, f.report(QStringLiteral("00000001.PRN"), 5), PageRange{2, 3});
        QCOMPARE(pictureTexts(preview),
                 (QStringList{QStringLiteral("PAGINA 2"), QStringLiteral("PAGINA 3")}));

        f.printToPdf();
        trigger(preview, "tlbPrevia_4");
        QCOMPARE(f.opener.opened(), QStringList{QStringLiteral("printDialog")});
        QCOMPARE(pdfPageCount(f.pdf()), 2);
        QVERIFY(f.host.messages().shown().isEmpty());

        // Cancelling the print dialog prints nothing.
        QFile::remove(f.pdf());
        trigger(preview, "tlbPrevia_4");
        QVERIFY(!QFile::exists(f.pdf()));
        QCOMPARE(f.host.messages().texts(), QStringList{QStringLiteral("La Impresión ha sido Cancelada.")});
    }

    void savesThePagesAsPdf()
    {
        PreviewFixture f;
        frmPreview preview(f.ctx, f.report(QStringLiteral("00000001.PRN"), 4, true));
        const QString folder = f.out.path();
        f.opener.expect([folder](QDialog& dialog) {
            auto* files = qobject_cast<QFileDialog*>(&dialog);
            QVERIFY(files);
            QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
            files->setDirectory(folder);
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(QStringLiteral("anexos"));
            dialog.accept(); // QFileDialog::accept, as its Save button does
        });
        trigger(preview, "tlbPrevia_pdf");
        const QString pdf = f.out.filePath(QStringLiteral("anexos.pdf"));
        QCOMPARE(pdfPageCount(pdf), 4);
        const QSizeF size = pdfFirstPageSize(pdf);
        QVERIFY2(size.width() > size.height(),
                 qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())));
        QVERIFY(f.host.messages().shown().isEmpty());
    }

    void printModePrintsWithoutPreview()
    {
        PreviewFixture f;
        f.printToPdf();
        MuestraReporte(f.ctx, f.report(QStringLiteral("00000003.PRN"), 3), QStringLiteral("xx"));
        QCOMPARE(f.opener.opened(), QStringList{QStringLiteral("printDialog")});
        QCOMPARE(pdfPageCount(f.pdf()), 3);

        // A report with nothing to draw does not reach the printer.
        writeSampleReport(reportFilePath(f.host.session(), QStringLiteral("00000004.PRN")), 0);
        MuestraReporte(f.ctx, QStringLiteral("00000004.PRN"), QStringLiteral("xx"));
        QCOMPARE(f.opener.opened().size(), 1);
        QCOMPARE(f.host.messages().texts(),
                 QStringList{QStringLiteral("No Existe Información a Imprimir.Verifique.")});
    }
};
DECL_TEST(TestPreview)

class TestPageRangeDialog : public QObject {
    Q_OBJECT
private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("onFirst");
        QTest::newRow("no first page") << QStringLiteral("  ") << QStringLiteral("2")
                                       << QStringLiteral("Ingrese página de inicio.") << true;
        QTest::newRow("first page 0") << QStringLiteral("0") << QStringLiteral("2")
                                      << QStringLiteral("Página inicial debe ser a partir de 1.") << true;
        QTest::newRow("first page after the end")
            << QStringLiteral("5") << QStringLiteral("5")
            << QStringLiteral("Página inicial no debe ser mayor a total de páginas del reporte.") << true;
        QTest::newRow("no last page")
            << QStringLiteral("2") << QString() << QStringLiteral("Ingrese página de Fin.") << false;
        QTest::newRow("last before first")
            << QStringLiteral("3") << QStringLiteral("2")
            << QStringLiteral("Página de Inicio debe ser mayor a página de Fin.") << false;
        QTest::newRow("last page past the end accepted")
            << QStringLiteral("1") << QStringLiteral("7") << QString() << false;
        QTest::newRow("last page of the report")
            << QStringLiteral("4") << QStringLiteral("4") << QString() << false;
    }
    void checks()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, message);
        QFETCH(bool, onFirst);
        PreviewFixture f;
        frmImpxPag dialog(f.ctx, f.report(QStringLiteral("00000001.PRN"), 4), 4);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Impresión de 4 páginas"));
        auto* desde = dialog.findChild<QLineEdit*>(QStringLiteral("txtPagDesde"));
        auto* hasta = dialog.findChild<QLineEdit*>(QStringLiteral("txtPagHasta"));
        QCOMPARE(desde->text(), QStringLiteral("1"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("txtTotPaginas"))->text(), QStringLiteral("4"));
        desde->setText(first);
        hasta->setText(last);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdAccion_0")), Qt::LeftButton);
        if (message.isEmpty()) {
            QCOMPARE(f.opener.opened(), QStringList{QStringLiteral("frmPreview")});
            QVERIFY(f.host.messages().shown().isEmpty());
            QVERIFY(dialog.isVisible());
            return;
        }
        QVERIFY(f.opener.opened().isEmpty());
        QCOMPARE(f.host.messages().texts(), QStringList{message});
        QCOMPARE(f.host.messages().shown().first().title, dialog.windowTitle());
        QCOMPARE(f.host.messages().shown().first().icon, MsgIcon::Critical);
        QCOMPARE(dialog.focusWidget(), onFirst ? desde : hasta);
    }

    void previewShowsTheChosenPages()
    {
        PreviewFixture f;
        frmImpxPag dialog(f.ctx, f.report(QStringLiteral("00000001.PRN"), 5), 5);
        dialog.show();
        auto* desde = dialog.findChild<QLineEdit*>(QStringLiteral("txtPagDesde"));
        auto* hasta = dialog.findChild<QLineEdit*>(QStringLiteral("txtPagHasta"));
        desde->clear();
        QTest::keyClicks(desde, QStringLiteral("x2."));
        QCOMPARE(desde->text(), QStringLiteral("2")); // digits only
        QTest::keyClick(desde, Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), hasta);
        QTest::keyClicks(hasta, QStringLiteral("3"));
        QTest::keyClick(hasta, Qt::Key_Return);
        QVERIFY(f.opener.opened().isEmpty()); // Enter only moves the focus

        QStringList shown;
        f.opener.expect([&](QDialog& d) { shown = pictureTexts(static_cast<frmPreview&>(d)); });
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdAccion_0")), Qt::LeftButton);
        QCOMPARE(shown, (QStringList{QStringLiteral("PAGINA 2"), QStringLiteral("PAGINA 3")}));

        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdAccion_1")), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};
DECL_TEST(TestPageRangeDialog)
#include "tst_preview.moc"
