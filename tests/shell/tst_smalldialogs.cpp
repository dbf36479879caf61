#include "cp1252.h"
#include "frmacercade.h"
#include "frmconsist.h"
#include "frmconsultas.h"
#include "hostdatabase.h"
#include "integrity.h"
#include "session.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

class TestSmallDialogs : public QObject {
    Q_OBJECT
private slots:
    void bankList_data()
    {
        QTest::addColumn<bool>("onlyNone"); // the table holds only the row "00"
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("banks by code")
            << false
            << strings({"02|BANCO DE CREDITO ANDINO", "03|BANCO INTERAMERICANO DEL SUR",
                        "09|CAJA MUNICIPAL DEL NORTE", "11|BANCO CONTINENTAL UNIDO",
                        "45|BANCO INTERNACIONAL DE FOMENTO AGROP"});
        QTest::newRow("only the row 00") << true << QStringList();
    }
    void bankList()
    {
        QFETCH(bool, onlyNone);
        QFETCH(QStringList, rows);
        ShellHost h;
        HostDatabase& db = h.host.db();
        if (onlyNone) {
            db.execute(QStringLiteral("DELETE FROM PARAM WHERE Numero = '004' AND Argumento <> '00'"));
        } else {
            // A longer key and a name past 36 characters show cut to their columns.
            insertRow(db, QStringLiteral("PARAM"),
                      {{QStringLiteral("Numero"), QStringLiteral("004")},
                       {QStringLiteral("Argumento"), QStringLiteral("451")},
                       {QStringLiteral("Funcion"),
                        QStringLiteral("BANCO INTERNACIONAL DE FOMENTO AGROPECUARIO1")}});
        }
        h.host.session().opcionSujeto = QStringLiteral("B");
        FrmConsultas window(h.context);
        QCOMPARE(window.windowTitle(), QStringLiteral("Bancos"));

        const QTableView* grid = window.findChild<QTableView*>(QStringLiteral("grdBancos"));
        const QAbstractItemModel* model = grid->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Código"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Descripción"));
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row)
            shown.append(model->index(row, 0).data().toString() + QLatin1Char('|') +
                         model->index(row, 1).data().toString().trimmed());
        QCOMPARE(shown, rows);
        QCOMPARE(grid->isEnabled(), !rows.isEmpty());
        for (int row = 0; row < model->rowCount(); ++row)
            QVERIFY(model->index(row, 1).data().toString().size() <= 36);
    }

    void aboutBoxShowsTheVersion()
    {
        frmAcercade about;
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("txtVersion"))->text(),
                 QStringLiteral("Versión 1.2"));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void consistencyNoticeShowsTheFile_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("content");
        QTest::newRow("accented text")
            << true
            << QStringLiteral("Casilla 401: el importe no coincide con el detalle\n"
                              "Sujeto 20555666773: la razón social contiene Ñ\n");
        QTest::newRow("empty file") << true << QString();
        QTest::newRow("missing file") << false << QString();
    }
    void consistencyNoticeShowsTheFile()
    {
        QFETCH(bool, exists);
        QFETCH(QString, content);
        ShellHost h;
        const QString path = h.host.folder() + QStringLiteral("Mens.txt");
        h.host.session().archivoMensajes = path;
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(toCp1252(content));
        }

        FrmConsist notice(h.context);
        QCOMPARE(notice.windowTitle(), QStringLiteral("Inconsistencias detectadas"));
        QCOMPARE(notice.text(), content);
        QVERIFY(QFontInfo(notice.findChild<QPlainTextEdit*>(QStringLiteral("TxtPreliminar"))->font())
                    .fixedPitch());
        QVERIFY(!notice.findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
        QCOMPARE(h.host.messages().texts(),
                 exists ? QStringList() : QStringList{UnreadableMessagesText + path});
    }
};
DECL_TEST(TestSmallDialogs)
#include "tst_smalldialogs.moc"
