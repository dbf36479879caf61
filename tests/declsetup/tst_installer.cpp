#include "configuration.h"
#include "declsetupfixture.h"
#include "hostdatabase.h"
#include "inifile.h"
#include "installer.h"
#include "integrity.h"
#include "moduleparameters.h"
#include "modulestructure.h"
#include "sendingdirectory.h"
#include "statementrunner.h"
#include "tabledefs.h"
#include "testhost.h"
#include "testregistry.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

using namespace declsetuptest;

namespace {

enum Fault {
    DoubledSeparator,
    NoSysPath,
    SendingFileMissing,
    ReadOnlyDatabase,
    DatabaseMissing,
    ColumnMissing,
    AmountNotANumber,
};

/// What a run must leave as it was.
enum Kept { WholeDatabase, SavedDeclarations, UpdatedDeclarations };

void setIniValue(const QString& key, const QString& value)
{
    IniFile ini(kovaIniPath());
    QVERIFY(ini.load());
    QVERIFY(ini.setValue(kovaini::Section, key, value));
}

/// Makes the database file read-only for this process, root included (the immutable
/// attribute); false when the file system does not allow it.
bool makeReadOnly(const QString& path)
{
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!QFileInfo(path).isWritable())
        return true;
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path});
    return !QFileInfo(path).isWritable();
}

void makeWritable(const QString& path)
{
    if (!QFileInfo(path).isWritable())
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

/// The module tables without one column of their definition.
void recreateWithout(HostDatabase& db, const QString& table, const QString& column)
{
    TableDef def = *findTableDef(table);
    def.columns.removeIf([&](const ColumnDef& c) { return c.name == column; });
    db.execute(QStringLiteral("DROP TABLE ") + table);
    createTable(db, def);
}

QStringList moduleTablesInCreationOrder(HostDatabase& db)
{
    QStringList names;
    QSqlQuery query =
        db.run(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE "
                              "'%F947P%' ORDER BY rowid"));
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

} // namespace

class TestInstaller : public QObject {
    Q_OBJECT
private slots:
    void freshInstallationTwiceIsInstallationOnce()
    {
        TestHost host(TestHost::HostOnly);
        host.closeDatabase();
        QString errors;
        QCOMPARE(runProgram(host, &errors), 0);
        QCOMPARE(errors, QString());

        host.reopenDatabase();
        const QStringList order = {
            QStringLiteral("F947PCAB"),   QStringLiteral("HF947PCAB"),   QStringLiteral("TMPF947PCAB"),
            QStringLiteral("F947PDET"),   QStringLiteral("HF947PDET"),   QStringLiteral("TMPF947PDET"),
            QStringLiteral("F947PDETCP"), QStringLiteral("HF947PDETCP"), QStringLiteral("TMPF947PDETCP"),
            QStringLiteral("F947PDETVC"), QStringLiteral("HF947PDETVC")};
        QCOMPARE(moduleTablesInCreationOrder(host.db()), order);
        for (const QString& table : order)
            QVERIFY2(
                host.db()
                    .scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?"), {table})
                    .toString()
                    .contains(QStringLiteral("CONSTRAINT PK_") + table + QStringLiteral(" PRIMARY KEY (")),
                qPrintable(table));
        QCOMPARE(tableRows(host.db(), QStringLiteral("envio_t")).size(), 4);
        const QMap<QString, QStringList> once = databaseDump(host.db());

        host.closeDatabase();
        QCOMPARE(runProgram(host, &errors), 0);
        QCOMPARE(errors, QString());
        host.reopenDatabase();
        QCOMPARE(databaseDump(host.db()), once);
    }

    void programOutcome_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("kept");
        QTest::newRow("doubled final separator")
            << int(DoubledSeparator) << 0 << QString() << int(UpdatedDeclarations);
        QTest::newRow("KOVA not installed")
            << int(NoSysPath) << 1 << QStringLiteral("Mensaje: Debe instalar primero el KOVA \n")
            << int(WholeDatabase);
        QTest::newRow("sending file missing")
            << int(SendingFileMissing) << 2 << QStringLiteral("No se encuentra el archivo ")
            << int(WholeDatabase);
        QTest::newRow("database read-only")
            << int(ReadOnlyDatabase) << 3
            << QStringLiteral("Error de Conección:  3051- Base de datos esta bloqueda\n")
            << int(WholeDatabase);
        QTest::newRow("database missing")
            << int(DatabaseMissing) << 3 << QStringLiteral("\n 3024\n") << int(WholeDatabase);
        QTest::newRow("module table lacks a column")
            << int(ColumnMissing) << 5 << QStringLiteral("La tabla F947PDET no tiene la columna por_tasa_p.")
            << int(SavedDeclarations);
        QTest::newRow("receipt amount not a number")
            << int(AmountNotANumber) << 6
            << QStringLiteral("Error en la actualización del KOVA 0947\n           Intente nuevamente\n")
            << int(SavedDeclarations);
    }
    void programOutcome()
    {
        QFETCH(int, fault);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(int, kept);

        TestHost host;
        HostDatabase& db = host.db();
        if (fault == ColumnMissing)
            recreateWithout(db, QStringLiteral("F947PDET"), QStringLiteral("por_tasa_p"));
        seedDeclaration(db, QStringLiteral("200504"), QStringLiteral("1.1"), true);
        const QString database = host.session().rutaBaseDatos;
        switch (fault) {
        case DoubledSeparator:
            setIniValue(kovaini::SysPath, host.folder() + QLatin1Char('/'));
            break;
        case NoSysPath:
            setIniValue(kovaini::SysPath, QString());
            break;
        case SendingFileMissing:
            QVERIFY(QFile::remove(sendingFilePath(host.folder())));
            break;
        case DatabaseMissing:
            setIniValue(kovaini::DBName, QStringLiteral("NOEXISTE.db"));
            break;
        case AmountNotANumber:
            db.execute(QStringLiteral("UPDATE F947PDET SET mto_base_p = ? WHERE num_cp = ?"),
                       {QStringLiteral("S/. 10"), QStringLiteral("00000002")});
            break;
        }
        const QMap<QString, QStringList> databaseBefore = databaseDump(db);
        const QMap<QString, QStringList> declarationsBefore = declarationDump(db);
        host.closeDatabase();
        if (fault == ReadOnlyDatabase && !makeReadOnly(database)) {
            makeWritable(database);
            QSKIP("this file system lets the test's user write a read-only file");
        }

        QString errors;
        const int exitStatus = runProgram(host, &errors);
        if (fault == ReadOnlyDatabase)
            makeWritable(database);
        QCOMPARE(exitStatus, status);
        if (message.isEmpty())
            QCOMPARE(errors, QString());
        else
            QVERIFY2(errors.contains(message), qPrintable(errors));

        host.reopenDatabase();
        switch (kept) {
        case WholeDatabase:
            QCOMPARE(databaseDump(host.db()), databaseBefore);
            break;
        case SavedDeclarations:
            QCOMPARE(declarationDump(host.db()), declarationsBefore);
            break;
        case UpdatedDeclarations:
            QCOMPARE(host.db().scalar(QStringLiteral("SELECT estado FROM CAB")).toInt(), 9);
            break;
        }
    }

    void tableCreatedBehindOurBackIsLeftAlone()
    {
        TestHost host(TestHost::HostOnly);
        std::unique_ptr<HostDatabase> other = HostDatabase::open(host.session().rutaBaseDatos);
        // Another program creates the table between the installer's check and its creation.
        host.db().setStatementHook([&](const QString& sql) {
            if (sql.startsWith(QStringLiteral("CREATE TABLE F947PDET (")))
                createTable(*other, *findTableDef(QStringLiteral("F947PDET")));
        });
        StatementRunner runner(host.db(), host.messages());
        installModuleTables(runner);
        host.db().setStatementHook(nullptr);

        QCOMPARE(runner.failures(), 0);
        QCOMPARE(host.messages().shown().size(), 1);
        const Message& question = host.messages().shown().first();
        QCOMPARE(
            question.text,
            QStringLiteral("Se  detectado que ya existen las tablas del KOVA\n Desea Sobreescribirlas?"));
        QCOMPARE(question.title, QStringLiteral("Mensaje"));
        QCOMPARE(question.icon, MsgIcon::Question);
        QCOMPARE(question.buttons, MsgButtons::YesNo);
        QCOMPARE(question.defaultAnswer, MsgAnswer::No);
        QCOMPARE(moduleTableProblems(host.db()), QStringList());
    }

    void failedStatementIsShownAndTheStepGoesOn()
    {
        TestHost host(TestHost::HostOnly);
        host.db().setStatementHook([](const QString& sql) {
            if (sql.startsWith(QStringLiteral("INSERT INTO reportes")))
                throw DbError(DbError::FieldTooSmall, QStringLiteral("El campo es demasiado pequeño."));
        });
        StatementRunner runner(host.db(), host.messages());
        writeModuleParameters(runner, {});
        host.db().setStatementHook(nullptr);

        QCOMPARE(runner.failures(), 4);
        QCOMPARE(host.messages().shown().size(), 4);
        const Message& shown = host.messages().shown().first();
        QCOMPARE(shown.text, QStringLiteral("Error Número : 3163\nEl campo es demasiado pequeño."));
        QCOMPARE(shown.title, QStringLiteral("Error al Ejecutar Sentencia SQL"));
        QCOMPARE(shown.icon, MsgIcon::Critical);
        QCOMPARE(moduleParams(host.db()).size(), 19);
    }

    void subjectsWithoutNamesAreStored()
    {
        TestHost host(TestHost::HostOnly);
        QCOMPARE(runInstaller(host.messages()), InstallStatus::Installed);
        host.db().forgetSchema();
        const QVariantMap company = {
            {QStringLiteral("tip_doc_d"), 6},
            {QStringLiteral("doc_id_d"), Ruc},
            {QStringLiteral("periodo"), QStringLiteral("200601")},
            {QStringLiteral("formulario"), QStringLiteral("0947")},
            {QStringLiteral("correl"), QStringLiteral("001")},
            {QStringLiteral("tip_doc_per"), 6},
            {QStringLiteral("num_doc_per"), QStringLiteral("20555666773")},
            {QStringLiteral("des_razon"), QStringLiteral("COMBUSTIBLES DEL PACIFICO S.A.")},
            {QStringLiteral("des_apellido_p"), QStringLiteral("")},
            {QStringLiteral("des_apellido_m"), QStringLiteral("")},
            {QStringLiteral("des_nombres"), QStringLiteral("")}};
        for (const char* table : {"F947PCAB", "HF947PCAB", "TMPF947PCAB"}) {
            insertRow(host.db(), QLatin1String(table), company);
            QCOMPARE(host.db()
                         .scalar(QStringLiteral(
                                     "SELECT typeof(des_apellido_p) || typeof(des_apellido_m) || "
                                     "typeof(des_nombres) || length(des_apellido_p || des_apellido_m || "
                                     "des_nombres) FROM ") +
                                 QLatin1String(table))
                         .toString(),
                     QStringLiteral("texttexttext0"));
        }
    }
};
DECL_TEST(TestInstaller)
#include "tst_installer.moc"
