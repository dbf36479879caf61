#include "appcontext.h"
#include "frmtransferencia.h"
#include "hostdatabase.h"
#include "hostutilities.h"
#include "importfixture.h"
#include "testregistry.h"
#include "windowopener.h"

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

using namespace importtest;

namespace {
QString goodLine(int number)
{
    QStringList f = validFields(ImportKind::Receipts, Periodo);
    f[6] = QString::number(number);
    return joinLine(f);
}

QString refusedLine()
{
    QStringList f = validFields(ImportKind::Receipts, Periodo);
    f[8] = QStringLiteral("0");
    return joinLine(f);
}
} // namespace

class TestImportWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<ImportHost> m_host;
    ScriptedOpener m_opener;
    std::unique_ptr<AppContext> m_context;

    std::unique_ptr<frmTransferencia> openWindow()
    {
        auto window = std::make_unique<frmTransferencia>(*m_context);
        window->show();
        return window;
    }

    static void chooseFolder(frmTransferencia& window, const QString& path)
    {
        auto* tree = window.findChild<QTreeView*>(QStringLiteral("DirDirectorio"));
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        tree->setCurrentIndex(model->index(path));
    }

    static QString text(frmTransferencia& window, const char* label)
    {
        return window.findChild<QLabel*>(QLatin1String(label))->text();
    }

    static void accept(frmTransferencia& window)
    {
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdTransferir")), Qt::LeftButton);
    }

    ScriptedMessages& messages() { return m_host->host().messages(); }

private slots:
    void initTestCase()
    {
        m_host = std::make_unique<ImportHost>();
        TestHost& t = m_host->host();
        m_context =
            std::make_unique<AppContext>(AppContext{t.session(), t.db(), t.messages(), t.host(), m_opener});
    }
    void init()
    {
        m_host->reset();
        messages().clear();
    }
    void cleanupTestCase()
    {
        m_context.reset();
        m_host.reset();
    }

    void opensWithTheFirstKind_data()
    {
        QTest::addColumn<QString>("periodo");
        QTest::addColumn<bool>("cashSales");
        QTest::newRow("before cash-sale files") << QStringLiteral("200503") << false;
        QTest::newRow("from April 2005") << QStringLiteral("200504") << true;
    }
    void opensWithTheFirstKind()
    {
        QFETCH(QString, periodo);
        QFETCH(bool, cashSales);
        m_host->session().periodoDeclaracion = periodo;
        auto window = openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Importar"));
        QVERIFY(window->findChild<QRadioButton*>(QStringLiteral("OptTipo_0"))->isChecked());
        QCOMPARE(window->findChild<QRadioButton*>(QStringLiteral("OptTipo_1"))->isEnabled(), cashSales);
        QCOMPARE(text(*window, "lblTransferidos"), QStringLiteral("0          Registros Transferidos"));
        QCOMPARE(text(*window, "lblRechazados"), QStringLiteral("0          Registros Rechazados"));
        QVERIFY(window->importFolder().isEmpty());
        chooseFolder(*window, m_host->folder());
        QCOMPARE(window->importFolder(), m_host->folder());
    }

    void theFolderTreeOpensOnTheHomeFolder()
    {
        // A home folder a few levels down, between more folders than the tree shows at once.
        const QString home = QDir(m_host->folder()).filePath(QStringLiteral("usuarios/ana"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/importar")));
        for (int i = 0; i < 30; ++i)
            for (const char* prefix : {"archivo", "zona"})
                QVERIFY(QDir(m_host->folder()).mkdir(QLatin1String(prefix) + QString::number(i)));
        const QByteArray previousHome = qgetenv("HOME");
        qputenv("HOME", home.toLocal8Bit());
        auto window = openWindow();
        qputenv("HOME", previousHome);

        auto* tree = window->findChild<QTreeView*>(QStringLiteral("DirDirectorio"));
        auto* model = qobject_cast<QFileSystemModel*>(tree->model());
        // The folders arrive in the background; the tree follows them down to the home folder.
        QTRY_VERIFY(tree->isExpanded(model->index(home)));
        QTRY_COMPARE(tree->indexAt(QPoint(1, 1)), model->index(home));
        QVERIFY(window->importFolder().isEmpty());
    }

    void noFolderChosen()
    {
        m_host->writeInput(ImportKind::Receipts, crlfFile({goodLine(1)}));
        auto window = openWindow();
        accept(*window);
        QCOMPARE(messages().texts(),
                 {QStringLiteral("Seleccionar directorio donde se encuentran\nlos archivos a transferir")});
        QCOMPARE(m_host->count(QStringLiteral("TMPF947PDETCP")), 0);
    }

    void integratorStopped()
    {
        const QString flag = HostUtilities::stopFlagPath(m_host->session().rutaSistema);
        QFile stop(flag);
        QVERIFY(stop.open(QIODevice::WriteOnly));
        stop.close();
        m_host->writeInput(ImportKind::Receipts, crlfFile({goodLine(1)}));
        auto window = openWindow();
        chooseFolder(*window, m_host->folder());
        accept(*window);
        QFile::remove(flag);
        QVERIFY(messages().shown().isEmpty());
        QCOMPARE(m_host->count(QStringLiteral("TMPF947PDETCP")), 0);
    }

    void cleanRunSaysTransferred_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("receipts") << int(ImportKind::Receipts);
        QTest::newRow("cash sales") << int(ImportKind::CashSales);
    }
    void cleanRunSaysTransferred()
    {
        QFETCH(int, kind);
        QStringList fields = validFields(ImportKind(kind), Periodo);
        m_host->writeInput(ImportKind(kind), crlfFile({joinLine(fields)}));
        auto window = openWindow();
        window->findChild<QRadioButton*>(QStringLiteral("OptTipo_%1").arg(kind))->setChecked(true);
        chooseFolder(*window, m_host->folder());
        accept(*window);
        QCOMPARE(messages().texts(), {QStringLiteral("Archivo : ") + m_host->inputPath(ImportKind(kind)) +
                                      QStringLiteral(" transferido")});
        QCOMPARE(text(*window, "lblTransferidos"), QStringLiteral("1 Transferidos"));
        QCOMPARE(text(*window, "lblRechazados"), QStringLiteral("0 Rechazados"));
        // The subjects' totals follow every import.
        QCOMPARE(m_host->column(QStringLiteral("TMPF947PCAB"), QStringLiteral("mto_base_p")),
                 {QStringLiteral("1000")});
    }

    void refusedLinesOfferTheReport_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("withPreview");
        QTest::newRow("yes, previewed") << true << true;
        QTest::newRow("yes, no preview at hand") << true << false;
        QTest::newRow("no") << false << true;
    }
    void refusedLinesOfferTheReport()
    {
        QFETCH(bool, yes);
        QFETCH(bool, withPreview);
        m_host->writeInput(ImportKind::Receipts, crlfFile({goodLine(1), refusedLine()}));
        auto window = openWindow();
        QStringList previewed;
        if (withPreview)
            window->setErrorReportPreview([&previewed](const QString& path) { previewed.append(path); });
        chooseFolder(*window, m_host->folder());
        messages().answer(yes ? MsgAnswer::Yes : MsgAnswer::No);
        accept(*window);

        QCOMPARE(text(*window, "lblTransferidos"), QStringLiteral("1 Transferidos"));
        QCOMPARE(text(*window, "lblRechazados"), QStringLiteral("1 Rechazados"));
        const Message question = messages().shown().at(0);
        const QString logPath = m_host->paths(ImportKind::Receipts).log;
        QCOMPARE(question.text,
                 QStringLiteral("Algunos registros han sido rechazados!!\nVerifique Archivo Log: ") +
                     logPath + QStringLiteral("\n¿Desea Visualizar Reporte de errores?"));
        QCOMPARE(question.title, QStringLiteral("Confirmar"));
        QCOMPARE(question.defaultAnswer, MsgAnswer::No);

        // The report is registered and written whatever the answer.
        const QString report = m_host->session().rutaReportes + QStringLiteral("/00000001.PRN");
        QCOMPARE(m_host->count(QStringLiteral("SPOOL")), 1);
        QVERIFY(QFile::exists(report));
        QCOMPARE(previewed, yes && withPreview ? QStringList{report} : QStringList{});
        QCOMPARE(messages().shown().size(), yes && !withPreview ? 2 : 1);
        if (yes && !withPreview)
            QVERIFY(messages().shown().at(1).text.endsWith(report));
    }

    void shortLineResetsTheCounters()
    {
        QString shortLine = goodLine(1);
        shortLine.chop(1);
        m_host->writeInput(ImportKind::Receipts, crlfFile({shortLine}));
        auto window = openWindow();
        chooseFolder(*window, m_host->folder());
        accept(*window);
        QCOMPARE(messages().shown().size(), 1);
        QCOMPARE(messages().shown().at(0).title, QStringLiteral("Importar"));
        QCOMPARE(text(*window, "lblTransferidos"), QStringLiteral("0          Registros Transferidos"));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("cmdTransferir"))->isEnabled());
    }

    void salirStopsARunBetweenLines()
    {
        const int lines = 40000;
        QStringList all;
        for (int n = 1; n <= lines; ++n)
            all.append(goodLine(n));
        m_host->writeInput(ImportKind::Receipts, crlfFile(all));
        auto window = openWindow();
        chooseFolder(*window, m_host->folder());
        auto* bar = window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
        auto* salir = window->findChild<QPushButton*>(QStringLiteral("cmCancelar"));
        bool moved = false;
        connect(bar, &QProgressBar::valueChanged, window.get(), [&moved, salir](int value) {
            if (value > 0 && !moved) {
                moved = true;
                QTest::mouseClick(salir, Qt::LeftButton);
            }
        });
        accept(*window);

        QVERIFY(moved);
        QVERIFY(!window->isVisible());
        QVERIFY(!window->running());
        QVERIFY(messages().shown().isEmpty());
        const int loaded = m_host->count(QStringLiteral("TMPF947PDETCP"));
        QVERIFY2(loaded > 0 && loaded < lines, qPrintable(QString::number(loaded)));
        QCOMPARE(m_host->count(QStringLiteral("TMPF947PDET")), loaded);
        QVERIFY(!m_host->db().transactionDepth());
    }
};
DECL_TEST(TestImportWindow)

#include "tst_window.moc"
