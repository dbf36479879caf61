#include "dberror.h"
#include "frmcontabrir.h"
#include "frmcontabrire.h"
#include "hostdatabase.h"
#include "integrator.h"
#include "messages.h"
#include "session.h"
#include "shellfixture.h"
#include "testregistry.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

template <typename Chooser> std::unique_ptr<Chooser> openChooser(ShellHost& h, int mode)
{
    h.host.session().modoOperacion = mode;
    auto chooser = std::make_unique<Chooser>(h.context, h.statusBar, h.windows);
    chooser->show();
    if (!QTest::qWaitForWindowExposed(chooser.get()))
        qWarning("chooser not exposed");
    return chooser;
}

QTableView* gridOf(const QDialog& chooser)
{
    return chooser.findChild<QTableView*>(QStringLiteral("grdContrib"));
}

QPushButton* button(const QDialog& chooser, int index)
{
    return chooser.findChild<QPushButton*>(QStringLiteral("CmdOpciones_%1").arg(index));
}

/// The texts of one column of the grid, top to bottom.
QStringList column(const QDialog& chooser, int col)
{
    const QAbstractItemModel* model = gridOf(chooser)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, col).data().toString());
    return texts;
}

void selectRow(const QDialog& chooser, int row)
{
    QTableView* grid = gridOf(chooser);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, 0)).center());
    // A later click is a click of its own, not the second half of a double click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
}

/// "green", "red" or "grey": the colour most of a picture's opaque pixels lean to.
QString leaningOf(const QImage& image)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 200)
                continue;
            r += c.red();
            g += c.green();
            b += c.blue();
            ++n;
        }
    if (n == 0)
        return QStringLiteral("empty");
    r /= n, g /= n, b /= n;
    if (g > r + 40 && g > b)
        return QStringLiteral("green");
    if (r > g + 40 && r > b)
        return QStringLiteral("red");
    if (std::abs(r - g) < 20 && std::abs(g - b) < 20)
        return QStringLiteral("grey");
    return QStringLiteral("other");
}

} // namespace

class TestChoosers : public QObject {
    Q_OBJECT
private slots:
    void usersSeeOnlyTheirDeclarantsInBothChoosers_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QStringList>("rucs");
        QTest::newRow("type 0 sees every declarant")
            << integrator::DefaultUser
            << QStringList{Quispe, Andina, QStringLiteral("20444333228"), Pacifico};
        QTest::newRow("type 1 sees only his own")
            << integrator::OtherUser << QStringList{QStringLiteral("20444333228")};
        QTest::newRow("unknown user counts as type 1") << QStringLiteral("NADIE") << QStringList();
    }
    void usersSeeOnlyTheirDeclarantsInBothChoosers()
    {
        QFETCH(QString, user);
        QFETCH(QStringList, rucs);
        ShellHost h;
        for (const QString& ruc : integrator::seedDeclarants()) {
            storeSaved(h.host.db(), ruc, QStringLiteral("201405"));
            storeSent(h.host.db(), ruc, QStringLiteral("201405"), QStringLiteral("001"));
        }
        h.host.session().usuarioSistema = user;

        const auto saved = openChooser<FrmContAbrir>(h, 3);
        const auto sent = openChooser<FrmContAbrirE>(h, 3);
        QCOMPARE(column(*saved, 0), rucs);
        QCOMPARE(column(*sent, 0), rucs);
        QCOMPARE(gridOf(*saved)->isEnabled(), !rucs.isEmpty());
        QCOMPARE(gridOf(*sent)->isEnabled(), !rucs.isEmpty());
    }

    void captionsFollowTheMode_data()
    {
        QTest::addColumn<bool>("sent");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("texts"); // caption, action button, instruction, frame
        QTest::newRow("saved, modify")
            << false << 1
            << strings({"Modificar Declaraciones", "&Modificar",
                        "Seleccione la Declaración que desea modificar :", "Declaraciones Registradas"});
        QTest::newRow("saved, delete")
            << false << 3
            << strings({"Eliminar Declaraciones", "&Eliminar",
                        "Seleccione la Declaración que desea eliminar :", "Declaraciones Registradas"});
        QTest::newRow("sent, register") << true << 1
                                        << strings({"Registrar número de orden", "&Registrar",
                                                    "Seleccione la Declaración en la que desea registrar el "
                                                    "número de orden asignado por VALDEX :",
                                                    "Declaraciones Enviadas"});
        QTest::newRow("sent, delete")
            << true << 3
            << strings({"Eliminar Declaraciones Enviadas", "&Eliminar",
                        "Seleccione la Declaración que desea eliminar :", "Declaraciones Enviadas"});
    }
    void captionsFollowTheMode()
    {
        QFETCH(bool, sent);
        QFETCH(int, mode);
        QFETCH(QStringList, texts);
        ShellHost h;
        std::unique_ptr<DeclarationChooser> chooser;
        if (sent)
            chooser = openChooser<FrmContAbrirE>(h, mode);
        else
            chooser = openChooser<FrmContAbrir>(h, mode);
        QCOMPARE((QStringList{chooser->windowTitle(), button(*chooser, 0)->text(),
                              chooser->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                              chooser->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title()}),
                 texts);
        QCOMPARE(button(*chooser, 1)->text(), QStringLiteral("&Salir"));
    }

    void savedListShowsPeriodsAndStatePictures()
    {
        ShellHost h;
        storeSaved(h.host.db(), Andina, QStringLiteral("201501"), 1);
        storeSaved(h.host.db(), Pacifico, QStringLiteral("201503"), 0);
        storeSaved(h.host.db(), Quispe, QStringLiteral("201502"), 9);
        const auto chooser = openChooser<FrmContAbrir>(h, 1);
        const QAbstractItemModel* model = gridOf(*chooser)->model();

        QStringList headers;
        for (int col = 0; col < model->columnCount(); ++col)
            headers.append(model->headerData(col, Qt::Horizontal).toString());
        QCOMPARE(headers, strings({"RUC", "Razón Social", "Periodo", "Formulario", "", "rectifica"}));
        QCOMPARE(column(*chooser, 2), (strings({"032015", "022015", "012015"})));
        QCOMPARE(column(*chooser, 1).first(), QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A."));
        QCOMPARE(column(*chooser, 4), (strings({"", "", ""})));

        const QList<std::pair<QSize, QString>> pictures = {{QSize(25, 18), QStringLiteral("green")},
                                                           {QSize(23, 16), QStringLiteral("red")},
                                                           {QSize(16, 16), QStringLiteral("grey")}};
        for (int row = 0; row < 3; ++row) {
            const QImage picture = model->index(row, 4).data(Qt::DecorationRole).value<QImage>();
            QCOMPARE(picture.size(), pictures[row].first);
            QCOMPARE(leaningOf(picture), pictures[row].second);
        }
    }

    void sentListShowsEachSending()
    {
        ShellHost h;
        storeSent(h.host.db(), Andina, QStringLiteral("201405"), QStringLiteral("001"),
                  QStringLiteral("111"));
        const auto chooser = openChooser<FrmContAbrirE>(h, 1);
        QTableView* grid = gridOf(*chooser);
        QStringList row;
        for (int col = 0; col < grid->model()->columnCount(); ++col)
            row.append(grid->model()->headerData(col, Qt::Horizontal).toString() + QLatin1Char('=') +
                       grid->model()->index(0, col).data().toString());
        QCOMPARE(row, (strings({"RUC=20100123453", "Razón Social=DISTRIBUIDORA ANDINA S.A.C.",
                                "Periodo=052014", "Formulario=0947", "N. Orden=111", "Fecha Env.=10/06/2014",
                                "Control=C001", "Correl=001", "Rectifica=0"})));
        QVERIFY(grid->isColumnHidden(7));
    }

    void headerClickOrdersByRucOrName_data()
    {
        QTest::addColumn<int>("header");
        QTest::addColumn<QStringList>("rucs");
        QTest::newRow("RUC") << 0 << QStringList{Quispe, Andina, Pacifico};
        QTest::newRow("name") << 1 << QStringList{Pacifico, Andina, Quispe};
        QTest::newRow("period does not order") << 2 << QStringList{Andina, Quispe, Pacifico};
    }
    void headerClickOrdersByRucOrName()
    {
        QFETCH(int, header);
        QFETCH(QStringList, rucs);
        ShellHost h;
        storeSaved(h.host.db(), Andina, QStringLiteral("201503"));
        storeSaved(h.host.db(), Quispe, QStringLiteral("201502"));
        storeSaved(h.host.db(), Pacifico, QStringLiteral("201501"));
        const auto chooser = openChooser<FrmContAbrir>(h, 1);
        selectRow(*chooser, 2);

        QHeaderView* headerView = gridOf(*chooser)->horizontalHeader();
        QTest::mouseClick(headerView->viewport(), Qt::LeftButton, {},
                          QPoint(headerView->sectionViewportPosition(header) + 5, headerView->height() / 2));
        QCOMPARE(column(*chooser, 0), rucs);
        // A new order starts at the first row; a header that does not order leaves the selection.
        QCOMPARE(gridOf(*chooser)->currentIndex().row(), header == 2 ? 2 : 0);
    }

    void modifyOpensTheDeclarationAndKeepsTheRow()
    {
        ShellHost h;
        HostDatabase& db = h.host.db();
        storeSaved(db, Pacifico, QStringLiteral("201503"));
        storeSaved(db, Andina, QStringLiteral("201502"));
        storeSaved(db, Quispe, QStringLiteral("201501"));
        const auto chooser = openChooser<FrmContAbrir>(h, 1);
        QTableView* grid = gridOf(*chooser);
        selectRow(*chooser, 1);

        // The declaration window leaves the declaration with incomplete payment data.
        h.opener.expect([&](QDialog& declarationWindow) {
            QVERIFY(declarationWindow.isEnabled());
            db.execute(QStringLiteral("UPDATE CAB SET estado = 9 WHERE doc_id_d = ?"), {Andina});
        });
        const QPoint nameOfRow1 = grid->visualRect(grid->model()->index(1, 1)).center();
        // The double click below is one of its own, not the end of the click that selected the row.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        // A double click starts as a press on the row.
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, nameOfRow1);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, nameOfRow1);

        QCOMPARE(h.declarationRequests.size(), 1);
        QVERIFY(h.declarationRequests.first());
        QCOMPARE(h.declarationRequests.first()->ruc, Andina);
        QCOMPARE(h.declarationRequests.first()->periodo, QStringLiteral("201502"));
        QCOMPARE(h.declarationRequests.first()->nombre, QStringLiteral("DISTRIBUIDORA ANDINA S.A.C."));
        QVERIFY(h.openerWasDisabled);
        QVERIFY(chooser->isEnabled());
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(grid->model()->index(1, 4).data(Qt::DecorationRole).value<QImage>().size(), QSize(23, 16));

        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(h.declarationRequests.size(), 2);
        // Typing is not a search in this list: "1" would otherwise jump to the RUC 10405060707.
        QTest::keyClick(grid, Qt::Key_1);
        QCOMPARE(grid->currentIndex().row(), 1);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(h.declarationRequests.size(), 2);
    }

    void modifyNeedsTheGateAndTheDeclarationWindow()
    {
        ShellHost h;
        storeSaved(h.host.db(), Andina, QStringLiteral("201405"));
        h.windows.declaration = nullptr;
        QVERIFY(!button(*openChooser<FrmContAbrir>(h, 1), 0)->isEnabled());
        QVERIFY(!button(*openChooser<FrmContAbrirE>(h, 1), 0)->isEnabled());
        QVERIFY(button(*openChooser<FrmContAbrir>(h, 3), 0)->isEnabled());

        ShellHost gated;
        storeSaved(gated.host.db(), Andina, QStringLiteral("201405"));
        gated.setStopped(true);
        button(*openChooser<FrmContAbrir>(gated, 1), 0)->click();
        QVERIFY(gated.declarationRequests.isEmpty());
        QVERIFY(gated.opener.opened().isEmpty());
    }

    void sentChooserHandsTheSendingOverAndKeepsTheStatusBar()
    {
        ShellHost h;
        storeSent(h.host.db(), Andina, QStringLiteral("201405"), QStringLiteral("001"),
                  QStringLiteral("111"));
        storeSent(h.host.db(), Andina, QStringLiteral("201405"), QStringLiteral("002"),
                  QStringLiteral("222"));
        const auto chooser = openChooser<FrmContAbrirE>(h, 1);
        selectRow(*chooser, 1);
        QCOMPARE((QStringList{h.statusBar.numdoc(), h.statusBar.razonsocial(), h.statusBar.formulario(),
                              h.statusBar.periodoEjercicio()}),
                 (QStringList{Andina} + strings({"DISTRIBUIDORA ANDINA S.A.C.", "0947", "052014"})));

        // The declaration window registers an order number longer than any the list showed.
        h.opener.expect([&h](QDialog&) {
            h.host.db().execute(QStringLiteral("UPDATE HCAB SET norden = '1234567890' WHERE correl = '002'"));
        });
        button(*chooser, 0)->click();
        QCOMPARE(h.declarationRequests.size(), 1);
        QCOMPARE(h.declarationRequests.first()->correl, QStringLiteral("002"));
        const QAbstractItemView* grid = gridOf(*chooser);
        QCOMPARE(column(*chooser, 4), (strings({"111", "1234567890"})));
        QVERIFY2(gridOf(*chooser)->columnWidth(4) >= grid->sizeHintForColumn(4), "the order number is cut");
        const Session& session = h.host.session();
        QCOMPARE((QStringList{session.numeroOrden, session.numeroControl, session.correlEnvio}),
                 (strings({"222", "C002", "002"})));

        // Either button hands the selected sending over; "&Salir" then empties the status bar.
        selectRow(*chooser, 0);
        button(*chooser, 1)->click();
        QCOMPARE((QStringList{session.numeroOrden, session.numeroControl, session.correlEnvio}),
                 (strings({"111", "C001", "001"})));
        QVERIFY(!chooser->isVisible());
        // The window system may still report the closed chooser active a moment later.
        QApplication::setActiveWindow(chooser.get());
        QCOMPARE((QStringList{h.statusBar.numdoc(), h.statusBar.razonsocial(), h.statusBar.formulario(),
                              h.statusBar.periodoEjercicio()}),
                 (strings({"", "", "0947", ""})));
    }

    void deletingFromTheChooser_data()
    {
        QTest::addColumn<bool>("sent");
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("saved, confirmed") << false << MsgAnswer::Yes;
        QTest::newRow("saved, declined") << false << MsgAnswer::No;
        QTest::newRow("sent, confirmed") << true << MsgAnswer::Yes;
    }
    void deletingFromTheChooser()
    {
        QFETCH(bool, sent);
        QFETCH(MsgAnswer, answer);
        ShellHost h;
        HostDatabase& db = h.host.db();
        const QString period = QStringLiteral("201405");
        const QStringList& tables = sent ? SentTables : SavedTables;
        const QString correl = sent ? QStringLiteral("002") : QString();
        if (sent) {
            storeSent(db, Andina, period, QStringLiteral("001"));
            storeSent(db, Andina, period, QStringLiteral("002"));
        } else {
            storeSaved(db, Andina, period);
            storeSaved(db, Pacifico, period);
        }
        const QStringList before = rowCounts(db, tables, Andina, period, correl);
        std::unique_ptr<DeclarationChooser> chooser;
        if (sent)
            chooser = openChooser<FrmContAbrirE>(h, 3);
        else
            chooser = openChooser<FrmContAbrir>(h, 3);
        selectRow(*chooser, sent ? 1 : 0);
        const DeclarationRow target = *chooser->selectedRow();
        QCOMPARE(target.ruc, Andina);
        QCOMPARE(target.correl, correl);

        h.host.messages().answer(answer);
        button(*chooser, 0)->click();

        QCOMPARE(h.host.messages().shown().size(), 1);
        const Message question = h.host.messages().shown().first();
        QCOMPARE(question.text, QStringLiteral("¿Confirma que va a eliminar la declaración seleccionada?"));
        QCOMPARE(question.title, chooser->windowTitle());
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.icon, MsgIcon::Question);
        QCOMPARE(question.defaultAnswer, MsgAnswer::No);

        const bool deleted = answer == MsgAnswer::Yes;
        QStringList expected = before;
        if (deleted)
            for (QString& count : expected)
                count = count.section(QLatin1Char('='), 0, 0) + QStringLiteral("=0");
        QCOMPARE(rowCounts(db, tables, Andina, period, correl), expected);
        QCOMPARE(chooser->rowCount(), deleted ? 1 : 2);
        QCOMPARE(chooser->selectedRow().has_value(), true);
        QVERIFY(chooser->isVisible());
    }

    void failedDeletionIsReportedAndChangesNothing()
    {
        ShellHost h;
        HostDatabase& db = h.host.db();
        storeSaved(db, Andina, QStringLiteral("201405"));
        const QStringList before = rowCounts(db, SavedTables, Andina, QStringLiteral("201405"));
        const auto chooser = openChooser<FrmContAbrir>(h, 3);
        db.setStatementHook([](const QString& sql) {
            if (sql.startsWith(QStringLiteral("DELETE FROM F947PDET ")))
                throw DbError(DbError::Locked, QStringLiteral("database is locked"));
        });
        h.host.messages().answer(MsgAnswer::Yes);
        button(*chooser, 0)->click();
        db.setStatementHook(nullptr);

        QCOMPARE(h.host.messages().shown().size(), 2);
        const Message error = h.host.messages().shown().at(1);
        QCOMPARE(error.title, QStringLiteral("Error"));
        QCOMPARE(error.text, QStringLiteral("database is locked\n 3051"));
        QCOMPARE(rowCounts(db, SavedTables, Andina, QStringLiteral("201405")), before);
        QCOMPARE(chooser->rowCount(), 1);
        QVERIFY(chooser->isVisible());
    }

    void emptyListDisablesTheGridAndTheAction()
    {
        ShellHost h;
        const auto deleting = openChooser<FrmContAbrir>(h, 3);
        QVERIFY(!gridOf(*deleting)->isEnabled());
        button(*deleting, 0)->click();
        const auto modifying = openChooser<FrmContAbrirE>(h, 1);
        QVERIFY(!gridOf(*modifying)->isEnabled());
        button(*modifying, 0)->click();
        QVERIFY(h.host.messages().shown().isEmpty());
        QVERIFY(h.declarationRequests.isEmpty());
    }
};
DECL_TEST(TestChoosers)
#include "tst_choosers.moc"
