#include "hostutilities.h"
#include "messages.h"
#include "singleinstance.h"
#include "testregistry.h"
#include "windowsystem.h"

#include <QTest>

class TestHostUtilities : public QObject {
    Q_OBJECT
private:
    ScriptedMessages m_messages;
    HostUtilities m_host{m_messages};

private slots:
    void validaRuc_data()
    {
        QTest::addColumn<QString>("ruc");
        QTest::addColumn<bool>("valid");
        QTest::newRow("company") << QStringLiteral("20000000001") << true;
        QTest::newRow("person") << QStringLiteral("10405060707") << true;
        QTest::newRow("blanks around") << QStringLiteral(" 20100123453 ") << true;
        QTest::newRow("wrong check digit") << QStringLiteral("20000000002") << false;
        QTest::newRow("unknown prefix") << QStringLiteral("30000000001") << false;
        QTest::newRow("ten digits") << QStringLiteral("2000000000") << false;
        QTest::newRow("letter") << QStringLiteral("2000000000A") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void validaRuc()
    {
        QFETCH(QString, ruc);
        QFETCH(bool, valid);
        QCOMPARE(m_host.ValidaRuc(ruc), valid);
    }

    void validaNombre_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("company") << QStringLiteral("ACME S.A.C. (LIMA) #2 & CIA/SUR-NORTE O'HARA") << true;
        QTest::newRow("accents and enie") << QStringLiteral("NÚÑEZ Ávila peña") << true;
        QTest::newRow("blank") << QStringLiteral("   ") << false;
        QTest::newRow("pipe") << QStringLiteral("A|B") << false;
        QTest::newRow("quote") << QStringLiteral("A\"B") << false;
        QTest::newRow("at sign") << QStringLiteral("A@B") << false;
    }
    void validaNombre()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(m_host.ValidaNombre(name), valid);
    }

    void textHelpers()
    {
        QCOMPARE(m_host.AjustaAncho(QStringLiteral("ABC"), 5), QStringLiteral("ABC  "));
        QCOMPARE(m_host.AjustaAncho(QStringLiteral("ABCDEF"), 4), QStringLiteral("ABCD"));
        QCOMPARE(m_host.AjustaAnchoNumero(QStringLiteral("1,234.50"), 10), QStringLiteral("  1,234.50"));
        QCOMPARE(m_host.RellenaIzquierda(QStringLiteral("12"), 4, QStringLiteral("0")),
                 QStringLiteral("0012"));
        QCOMPARE(m_host.RellenaIzquierda(QStringLiteral("123456"), 4, QStringLiteral("0")),
                 QStringLiteral("1234"));
        QCOMPARE(m_host.RellenaTexto(QString(), 3, QStringLiteral("_")), QStringLiteral("___"));
        QCOMPARE(m_host.ConvierteEnie(QStringLiteral("PEÃ‘A peña MUÃ±OZ")),
                 QStringLiteral("PEÑA peÑa MUÑOZ"));
        QCOMPARE(m_host.TransformaCaracter(int('a')), int('A'));
        QCOMPARE(m_host.TransformaCaracter(0xF1), 0xD1); // ñ -> Ñ
        QCOMPARE(m_host.TransformaCaracter(0xE9), 0xC9); // é -> É
        QCOMPARE(m_host.TransformaCaracter(int('1')), int('1'));
    }

    void keyFilters()
    {
        QCOMPARE(m_host.FiltraNumero('5', 0), int('5'));
        QCOMPARE(m_host.FiltraNumero('.', 0), 0);
        QCOMPARE(m_host.FiltraNumero('.', -1), int('.'));
        QCOMPARE(m_host.FiltraNumero('a', -1), 0);
        QCOMPARE(m_host.FiltraNumero(HostUtilities::KeyBackspace, 0), HostUtilities::KeyBackspace);
        QCOMPARE(m_host.FiltraSerie('F'), int('F'));
        QCOMPARE(m_host.FiltraSerie('-'), 0);
        QVERIFY(m_host.ValidaNumerico(QStringLiteral("0123")));
        QVERIFY(!m_host.ValidaNumerico(QStringLiteral("12.3")));
        QVERIFY(!m_host.ValidaNumerico(QString()));
        QVERIFY(m_host.ValidaAlfanumerico(QStringLiteral("AB12")));
        QVERIFY(!m_host.ValidaAlfanumerico(QStringLiteral("AB 12")));
    }

    void validaRangoFecha()
    {
        const QString lo = QStringLiteral("01/01/1850"), hi = QStringLiteral("01/01/2500");
        QVERIFY(m_host.ValidaRangoFecha(QStringLiteral("01/01/1850"), lo, hi));
        QVERIFY(m_host.ValidaRangoFecha(QStringLiteral("01/01/2500"), lo, hi));
        QVERIFY(!m_host.ValidaRangoFecha(QStringLiteral("31/12/1849"), lo, hi));
        QVERIFY(!m_host.ValidaRangoFecha(QStringLiteral("31/02/2005"), lo, hi));
        QVERIFY(!m_host.ValidaRangoFecha(QStringLiteral("hello"), lo, hi));
    }

    void correApp()
    {
        const QString title = QStringLiteral("Kovaris");
        QVERIFY(CorreApp({{QStringLiteral("Other"), true}, {title, true}}, title));
        QVERIFY(!CorreApp({{title, false}}, title));
        QVERIFY(!CorreApp({{QStringLiteral("kovaris"), true}, {QStringLiteral("Kovaris "), true}}, title));
        QVERIFY(CorreApp({{title, false}, {title, true}}, title));
        QVERIFY(!CorreApp({}, title));
    }

    void singleInstance()
    {
        const QString name = QStringLiteral("tst-single-%1").arg(QCoreApplication::applicationPid());
        {
            SingleInstance first(name);
            QVERIFY(first.isFirst());
            SingleInstance second(name);
            QVERIFY(!second.isFirst());
        }
        SingleInstance again(name);
        QVERIFY(again.isFirst());
    }

    void scriptedMessagesAnswerFromTheQueueThenTheDefault()
    {
        ScriptedMessages messages;
        messages.answer(MsgAnswer::No);
        QVERIFY(!messages.ask(QStringLiteral("¿Seguro?"), QStringLiteral("T")));
        QVERIFY(messages.ask(QStringLiteral("¿Otra vez?"), QStringLiteral("T")));
        QCOMPARE(messages.texts(), QStringList({QStringLiteral("¿Seguro?"), QStringLiteral("¿Otra vez?")}));
    }
};
DECL_TEST(TestHostUtilities)
#include "tst_host.moc"
