#include "barradeestadokova.h"
#include "configuration.h"
#include "dberror.h"
#include "inifile.h"
#include "mdifrm.h"
#include "session.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QToolBar>

namespace {

/// The main window over a seeded integrator, loaded, with the borrowed windows wired.
struct MainWindowHost : ShellHost {
    Session session;
    MDIFrm window{session, host.messages(), host.host(), opener};
    QList<QUrl> openedUrls;

    explicit MainWindowHost(bool wired = true)
    {
        window.setUrlOpener([this](const QUrl& url) {
            openedUrls.append(url);
            return true;
        });
        if (wired) {
            window.setDeclarationWindow(windows.declaration);
            window.setPrintWindow(windows.print);
        }
    }
    QAction* action(const QString& name) { return window.findChild<QAction*>(name); }
};

/// Captions of a menu's items, "-" for a separator.
QStringList itemsOf(const QList<QAction*>& actions)
{
    QStringList items;
    for (const QAction* a : actions)
        items.append(a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char(' ') + a->text());
    return items;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadOpensTheDatabaseAndSetsUpTheWindow()
    {
        MainWindowHost h;
        QVERIFY(!h.window.menuBar()->isEnabled());
        QVERIFY(h.window.load());
        QVERIFY(h.window.database());
        QCOMPARE(h.window.windowTitle(), QStringLiteral("0947 Agentes de Percepción - v 1.2"));
        QCOMPARE(h.window.size(), QSize(637, 488));
        QVERIFY(!(h.window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(h.window.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(h.session.numFormulario, QStringLiteral("0947"));
        QCOMPARE(h.session.rutaSistema, h.host.folder());
        // kovaris init installs the help file where the module looks for it.
        QCOMPARE(h.window.helpFile(), h.host.folder() + QStringLiteral("0947/declform.html"));
        QVERIFY(QFile::exists(h.window.helpFile()));

        const BarradeEstadoKOVA& bar = h.window.barraDeEstado();
        QCOMPARE(bar.objectName(), QStringLiteral("BarradeEstadoKOVA1"));
        QCOMPARE(bar.property("esruc").toInt(), 1);
        QCOMPARE(bar.property("formulario").toString(), QStringLiteral("0947"));
        for (const char* empty : {"numdoc", "razonsocial", "periodo_ejercicio", "semana"})
            QVERIFY2(bar.property(empty).toString().isEmpty(), empty);
        QVERIFY(h.host.messages().shown().isEmpty());
    }

    void loadFailureSaysWhyAndStops_data()
    {
        QTest::addColumn<QString>("dbName"); // empty: no KV000.INI at all
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("textStart");
        QTest::newRow("no configuration")
            << QString() << MainCaption
            << QStringLiteral("No se encontró el archivo de configuración del KOVA");
        QTest::newRow("database missing") << QStringLiteral("NOEXISTE.db") << OpenErrorTitle
                                          << QStringLiteral("No se encuentra el archivo");
    }
    void loadFailureSaysWhyAndStops()
    {
        QFETCH(QString, dbName);
        QFETCH(QString, title);
        QFETCH(QString, textStart);
        MainWindowHost h;
        if (dbName.isEmpty()) {
            QVERIFY(QFile::remove(kovaIniPath()));
        } else {
            IniFile ini(kovaIniPath());
            QVERIFY(ini.load());
            QVERIFY(ini.setValue(kovaini::Section, kovaini::DBName, dbName));
        }
        QVERIFY(!h.window.load());
        QVERIFY(!h.window.database());
        QCOMPARE(h.host.messages().shown().size(), 1);
        const Message shown = h.host.messages().shown().first();
        QCOMPARE(shown.title, title);
        QVERIFY2(shown.text.startsWith(textStart), qPrintable(shown.text));
        QVERIFY(!h.window.menuBar()->isEnabled());
    }

    void menusAndToolbarAsListed()
    {
        MainWindowHost h;
        QStringList menus;
        for (const QAction* a : h.window.menuBar()->actions())
            menus.append(a->menu()->objectName() + QLatin1Char(' ') + a->text());
        QCOMPARE(menus,
                 (QStringList{QStringLiteral("mnuDeclara &Declaraciones"),
                              QStringLiteral("mnuDeclaraE Declaraciones &Enviadas"),
                              QStringLiteral("mnuConsultas &Consultas"), QStringLiteral("mnuayuda &Ayuda")}));
        const auto menu = [&](const char* name) {
            return itemsOf(h.window.findChild<QMenu*>(QLatin1String(name))->actions());
        };
        QCOMPARE(menu("mnuDeclara"),
                 (QStringList{QStringLiteral("mnuNueva &Nueva"), QStringLiteral("mnuModificar &Modificar"),
                              QStringLiteral("mnuEliminar &Eliminar"), QStringLiteral("-"),
                              QStringLiteral("mnuImprimir &Imprimir"), QStringLiteral("-"),
                              QStringLiteral("mnuSalir &Salir")}));
        QCOMPARE(menu("mnuDeclaraE"),
                 (QStringList{QStringLiteral("mnuModificarE &Registrar número de orden"),
                              QStringLiteral("mnuEliminarE &Eliminar"), QStringLiteral("-"),
                              QStringLiteral("mnuImprimirE &Imprimir")}));
        QCOMPARE(menu("mnuConsultas"), QStringList{QStringLiteral("mnuBancos &Bancos")});
        QCOMPARE(menu("mnuayuda"),
                 (QStringList{QStringLiteral("mnuContenido &Contenido"), QStringLiteral("-"),
                              QStringLiteral("mnuAcercade Acerca &de KOVA")}));
        QCOMPARE(itemsOf(h.window.findChild<QToolBar*>(QStringLiteral("Toolbar1"))->actions()),
                 (QStringList{QStringLiteral("Toolbar1_1 Nueva"), QStringLiteral("Toolbar1_2 Modificar"),
                              QStringLiteral("Toolbar1_3 Eliminar"), QStringLiteral("Toolbar1_4 Imprimir"),
                              QStringLiteral("Toolbar1_5 Salir"), QStringLiteral("-"),
                              QStringLiteral("Toolbar1_7 Num. Orden"), QStringLiteral("-"),
                              QStringLiteral("-"), QStringLiteral("Toolbar1_10 Ayuda")}));
    }

    void commandsSetTheSharedValuesAndOpenTheirWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("enviada");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption"); // empty for the borrowed windows

        // Before each command the mode is 2 and the flag the opposite of "enviada", so every
        // row shows what the command changes; the print commands leave the mode alone.
        const QString saved = QStringLiteral("FrmContAbrir");
        const QString sent = QStringLiteral("FrmContAbrirE");
        QTest::newRow("mnuNueva") << "mnuNueva" << 0 << false << "Frm947" << QString();
        QTest::newRow("toolbar Nueva") << "Toolbar1_1" << 0 << false << "Frm947" << QString();
        QTest::newRow("mnuModificar") << "mnuModificar" << 1 << false << saved << "Modificar Declaraciones";
        QTest::newRow("toolbar Modificar")
            << "Toolbar1_2" << 1 << false << saved << "Modificar Declaraciones";
        QTest::newRow("mnuEliminar") << "mnuEliminar" << 3 << false << saved << "Eliminar Declaraciones";
        QTest::newRow("toolbar Eliminar") << "Toolbar1_3" << 3 << false << saved << "Eliminar Declaraciones";
        QTest::newRow("mnuImprimir") << "mnuImprimir" << 2 << false << "frmImprimir" << QString();
        QTest::newRow("toolbar Imprimir") << "Toolbar1_4" << 2 << false << "frmImprimir" << QString();
        QTest::newRow("mnuModificarE") << "mnuModificarE" << 1 << true << sent << "Registrar número de orden";
        QTest::newRow("toolbar Num. Orden")
            << "Toolbar1_7" << 1 << true << sent << "Registrar número de orden";
        QTest::newRow("mnuEliminarE")
            << "mnuEliminarE" << 3 << true << sent << "Eliminar Declaraciones Enviadas";
        QTest::newRow("mnuImprimirE") << "mnuImprimirE" << 2 << true << "frmImprimir" << QString();
    }
    void commandsSetTheSharedValuesAndOpenTheirWindow()
    {
        QFETCH(QString, command);
        QFETCH(int, mode);
        QFETCH(bool, enviada);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        MainWindowHost h;
        QVERIFY(h.window.load());
        h.session.modoOperacion = 2;
        h.session.declaracionEnviada = !enviada;
        QString shownCaption;
        h.opener.expect([&](QDialog& dialog) { shownCaption = dialog.windowTitle(); });

        h.action(command)->trigger();

        QCOMPARE(h.opener.opened(), QStringList{window});
        QCOMPARE(h.session.modoOperacion, mode);
        QCOMPARE(h.session.declaracionEnviada, enviada);
        if (!caption.isEmpty())
            QCOMPARE(shownCaption, caption);
        if (window == QLatin1String("Frm947"))
            QCOMPARE(h.declarationRequests, (QList<std::optional<DeclarationRow>>{std::nullopt}));
        QVERIFY(h.host.messages().shown().isEmpty());
    }

    void smallWindowCommands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("opcionSujeto");
        QTest::newRow("bancos") << "mnuBancos"
                                << "FrmConsultas"
                                << "B";
        QTest::newRow("acerca de") << "mnuAcercade"
                                   << "frmAcercade"
                                   << "";
    }
    void smallWindowCommands()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(QString, opcionSujeto);
        MainWindowHost h;
        QVERIFY(h.window.load());
        h.action(command)->trigger();
        QCOMPARE(h.opener.opened(), QStringList{window});
        QCOMPARE(h.session.opcionSujeto, opcionSujeto);
    }

    void borrowedWindowsWaitUntilWired()
    {
        MainWindowHost h(false);
        QVERIFY(h.window.load());
        const QStringList waiting = {QStringLiteral("mnuNueva"), QStringLiteral("Toolbar1_1"),
                                     QStringLiteral("mnuImprimir"), QStringLiteral("Toolbar1_4"),
                                     QStringLiteral("mnuImprimirE")};
        for (const QString& name : waiting)
            QVERIFY2(!h.action(name)->isEnabled(), qPrintable(name));
        for (const char* name : {"mnuModificar", "mnuEliminar", "mnuModificarE", "Toolbar1_7", "mnuBancos"})
            QVERIFY2(h.action(QLatin1String(name))->isEnabled(), name);

        h.window.setDeclarationWindow(h.windows.declaration);
        h.window.setPrintWindow(h.windows.print);
        for (const QString& name : waiting)
            QVERIFY2(h.action(name)->isEnabled(), qPrintable(name));
    }

    void newDeclarationAsksTheIntegratorFirst()
    {
        MainWindowHost h;
        QVERIFY(h.window.load());
        h.session.modoOperacion = 3;
        h.setStopped(true);
        h.action(QStringLiteral("mnuNueva"))->trigger();
        QVERIFY(h.opener.opened().isEmpty());
        QCOMPARE(h.session.modoOperacion, 3);
        QVERIFY(h.host.messages().shown().isEmpty());
    }

    void leavingClosesTheDatabase_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("menu") << "mnuSalir";
        QTest::newRow("toolbar") << "Toolbar1_5";
    }
    void leavingClosesTheDatabase()
    {
        QFETCH(QString, command);
        MainWindowHost h;
        h.window.show();
        QVERIFY(h.window.load());
        h.action(command)->trigger();
        QVERIFY(!h.window.database());
        QVERIFY(!h.window.isVisible());
    }

    void helpOpensTheInstalledFile()
    {
        MainWindowHost h;
        QVERIFY(h.window.load());
        const QUrl contents = QUrl::fromLocalFile(h.host.folder() + QStringLiteral("0947/declform.html"));
        h.action(QStringLiteral("mnuContenido"))->trigger();
        h.action(QStringLiteral("Toolbar1_10"))->trigger();
        QCOMPARE(h.openedUrls, (QList<QUrl>{contents, contents}));

        // F1 in a window opens the help at that window's topic.
        h.openedUrls.clear();
        h.opener.expect([](QDialog& dialog) {
            QTest::keyClick(dialog.findChild<QTableView*>(QStringLiteral("grdContrib")), Qt::Key_F1);
        });
        h.action(QStringLiteral("mnuEliminar"))->trigger();
        QCOMPARE(h.openedUrls.size(), 1);
        QCOMPARE(h.openedUrls.first().fragment(), QStringLiteral("ctx1016"));
        QVERIFY(h.host.messages().shown().isEmpty());

        QVERIFY(QFile::remove(h.window.helpFile()));
        h.openedUrls.clear();
        h.action(QStringLiteral("mnuContenido"))->trigger();
        QVERIFY(h.openedUrls.isEmpty());
        QCOMPARE(h.host.messages().texts(), QStringList{HelpMissingText + h.window.helpFile()});
    }

    void mouseOverTheBackgroundClearsTheName()
    {
        MainWindowHost h;
        h.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h.window));
        QVERIFY(h.window.load());
        h.window.barraDeEstado().setRazonsocial(QStringLiteral("DISTRIBUIDORA ANDINA S.A.C."));
        QWidget* picture = h.window.findChild<QWidget*>(QStringLiteral("Picture1"));
        QTest::mouseMove(picture, picture->rect().center());
        QTRY_VERIFY(h.window.barraDeEstado().razonsocial().isEmpty());
    }
};
DECL_TEST(TestMainWindow)
#include "tst_mainwindow.moc"
