#include "clock.h"
#include "sampledeclaration.h"
#include "senddialog.h"
#include "sendflow.h"
#include "testhost.h"
#include "testregistry.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace sample;

// Sends through the real declcheck and declsummary, built beside the tests.
class TestSendFlow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // The children take the date from the environment; no second copy lock is shared.
        qputenv("KOVA_FECHA", "2005-07-02");
        qputenv("TMPDIR", m_locks.path().toLocal8Bit());
    }
    void cleanup()
    {
        qunsetenv("KOVA_FECHA");
        qunsetenv("TMPDIR");
    }

    void aConsistentDeclarationIsSentWithItsSummary()
    {
        TestHost host;
        saveDeclaration(host.db(), consistentBoxes());
        QCOMPARE(integrator::sendableDeclarations(host.db(), host.session()).size(), 1);

        const integrator::SendOutcome sent =
            integrator::sendDeclaration(host.session(), host.db(), {Ruc, Period});
        QVERIFY2(sent.result == integrator::SendOutcome::Sent, qPrintable(sent.message));
        QCOMPARE(sent.correl, QStringLiteral("001"));
        QCOMPARE(sent.control.size(), 8);
        QVERIFY2(sent.reportText.contains(Ruc), qPrintable(sent.reportText));
        QCOMPARE(count(host.db(), QStringLiteral("CAB")), 0);
        QCOMPARE(count(host.db(), QStringLiteral("HCAB"), QStringLiteral(" WHERE control = ? AND estado = 1"),
                       {sent.control}),
                 1);
        QVERIFY(integrator::sendableDeclarations(host.db(), host.session()).isEmpty());

        // Sending it again: there is nothing saved any more.
        const integrator::SendOutcome again =
            integrator::sendDeclaration(host.session(), host.db(), {Ruc, Period});
        QCOMPARE(again.result, integrator::SendOutcome::Failed);
        QCOMPARE(count(host.db(), QStringLiteral("HCAB")), 1);
    }

    void anInconsistentDeclarationStaysSaved()
    {
        TestHost host;
        QMap<QString, QString> boxes = consistentBoxes();
        boxes.insert(QStringLiteral("401"), QStringLiteral("13"));
        saveDeclaration(host.db(), boxes);

        const integrator::SendOutcome outcome =
            integrator::sendDeclaration(host.session(), host.db(), {Ruc, Period});
        QCOMPARE(outcome.result, integrator::SendOutcome::Inconsistent);
        QVERIFY2(outcome.reportText.contains(QStringLiteral("001)")), qPrintable(outcome.reportText));
        QVERIFY(outcome.reportText.contains(QStringLiteral("401")));
        QCOMPARE(count(host.db(), QStringLiteral("CAB")), 1);
        QCOMPARE(count(host.db(), QStringLiteral("HCAB")), 0);
    }

    void onlyTheUsersDeclarantsAreOffered()
    {
        TestHost host;
        saveDeclaration(host.db(), consistentBoxes());
        host.session().usuarioSistema = QStringLiteral("CONTADOR");
        QVERIFY(integrator::sendableDeclarations(host.db(), host.session()).isEmpty());
    }

    void theSendWindowListsSendsAndShowsTheSummary()
    {
        TestHost host;
        saveDeclaration(host.db(), consistentBoxes());
        SendDialog dialog(host.session(), host.db());
        dialog.show();
        auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("GrdDeclaraciones"));
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(list->item(0, 2)->text(), QStringLiteral("06/2005"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CmdEnviar")), Qt::LeftButton);
        QCOMPARE(dialog.lastOutcome().result, integrator::SendOutcome::Sent);
        QCOMPARE(list->rowCount(), 0);
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("CmdEnviar"))->isEnabled());
        const QString shown =
            dialog.findChild<QPlainTextEdit*>(QStringLiteral("TxtResultado"))->toPlainText();
        QVERIFY(shown.startsWith(QStringLiteral("Declaración enviada: número de control ")));
        QVERIFY(shown.contains(Ruc));
    }

private:
    QTemporaryDir m_locks;
};
DECL_TEST(TestSendFlow)
#include "tst_sendflow.moc"
