#include "hostutilities.h"
#include "messages.h"
#include "startup.h"
#include "testhost.h"
#include "testregistry.h"
#include "windowsystem.h"

#include <QDir>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(StartupOutcome)

namespace {
using Windows = std::optional<QList<TopWindow>>;

TopWindow shown(const char* caption)
{
    return {QString::fromUtf8(caption), true};
}
TopWindow hidden(const char* caption)
{
    return {QString::fromUtf8(caption), false};
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void refusalsInTheirOrder_data()
    {
        QTest::addColumn<Windows>("windows");
        QTest::addColumn<bool>("secondCopy");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<StartupOutcome>("outcome");
        QTest::addColumn<QStringList>("shown"); // "title: text" of each message box

        const QString missing = NoIntegratorTitle + QStringLiteral(": ") + NoIntegratorText;
        const QString running = AlreadyRunningTitle + QStringLiteral(": ") + AlreadyRunningText;
        const Windows integrator = QList<TopWindow>{shown("Terminal"), shown("Kovaris")};

        QTest::newRow("integrator on the desktop")
            << integrator << false << false << StartupOutcome::Continue << QStringList();
        QTest::newRow("a hidden copy before the visible one")
            << Windows(QList<TopWindow>{hidden("Kovaris"), shown("Kovaris")}) << false << false
            << StartupOutcome::Continue << QStringList();
        QTest::newRow("integrator hidden") << Windows(QList<TopWindow>{hidden("Kovaris")}) << false << false
                                           << StartupOutcome::IntegratorMissing << QStringList{missing};
        QTest::newRow("caption differs in case and by a blank")
            << Windows(QList<TopWindow>{shown("kovaris"), shown("Kovaris ")}) << false << false
            << StartupOutcome::IntegratorMissing << QStringList{missing};
        QTest::newRow("no window list at all")
            << Windows() << false << false << StartupOutcome::IntegratorMissing
            << QStringList{missing + QStringLiteral("\n\n") + NoWindowListText};
        QTest::newRow("second copy") << integrator << true << false << StartupOutcome::AlreadyRunning
                                     << QStringList{running};
        QTest::newRow("missing integrator wins over a second copy")
            << Windows(QList<TopWindow>{}) << true << true << StartupOutcome::IntegratorMissing
            << QStringList{missing};
        QTest::newRow("second copy wins over a closed gate")
            << integrator << true << true << StartupOutcome::AlreadyRunning << QStringList{running};
        QTest::newRow("closed gate shows nothing")
            << integrator << false << true << StartupOutcome::GateClosed << QStringList();
    }
    void refusalsInTheirOrder()
    {
        QFETCH(Windows, windows);
        QFETCH(bool, secondCopy);
        QFETCH(bool, stopped);
        QFETCH(StartupOutcome, outcome);
        QFETCH(QStringList, shown);

        TestHost host(TestHost::HostOnly);
        if (stopped) {
            QDir().mkpath(host.folder() + QStringLiteral("TMP"));
            QVERIFY(QFile(HostUtilities::stopFlagPath(host.folder())).open(QIODevice::WriteOnly));
        }
        FakeWindowSystem desktop;
        desktop.windows = windows;
        ScriptedMessages messages;

        QCOMPARE(runStartup(desktop, secondCopy, host.host(), messages), outcome);
        QStringList seen;
        for (const Message& m : messages.shown())
            seen.append(m.title + QStringLiteral(": ") + m.text);
        QCOMPARE(seen, shown);
        for (const Message& m : messages.shown()) {
            QCOMPARE(m.buttons, MsgButtons::Ok);
            QCOMPARE(m.icon,
                     outcome == StartupOutcome::IntegratorMissing ? MsgIcon::Critical : MsgIcon::Information);
        }
    }
};
DECL_TEST(TestStartup)
#include "tst_startup.moc"
