#include "integrator.h"

#include "configuration.h"
#include "inifile.h"
#include "integrity.h"
#include "lookups.h"
#include "tabledefs.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace integrator {

namespace {

struct Declarant {
    const char* ruc;
    const char* name;
    const char* user;
};

const Declarant declarants[] = {
    {"20100123453", "DISTRIBUIDORA ANDINA S.A.C.", "ADMIN"},
    {"20555666773", "COMBUSTIBLES DEL PACIFICO S.A.", "ADMIN"},
    {"10405060707", "QUISPE MAMANI JUAN CARLOS", "ADMIN"},
    {"20444333228", "GRIFOS LA ESTRELLA E.I.R.L.", "CONTADOR"},
};

struct Bank {
    const char* code;
    const char* name;
};

const Bank banks[] = {
    {"00", "NINGUNO"},
    {"02", "BANCO DE CREDITO ANDINO"},
    {"03", "BANCO INTERAMERICANO DEL SUR"},
    {"09", "CAJA MUNICIPAL DEL NORTE"},
    {"11", "BANCO CONTINENTAL UNIDO"},
};

struct ErrorText {
    const char* code;
    const char* text;
};

const ErrorText errors[] = {
    {"0151", "La declaración ha sido grabada satisfactoriamente."},
    {"0152", "La declaración ha sido grabada, pero los datos de la forma de pago están incompletos."},
    {"0221", "El RUC del sujeto de percepción no puede ser igual al RUC del declarante"},
    {"0228", "El comprobante ya fue registrado"},
    {"0239", "El nombre contiene caracteres no permitidos"},
    {"0853", "Debe registrar el apellido paterno"},
    {"0854", "Debe registrar el apellido materno"},
    {"0855", "Debe registrar los nombres"},
    {"0868", "La fecha de emisión del comprobante de pago es posterior al período declarado"},
};

/// A PARAM 044 row laid out like the RUC row: description, short name from position 32,
/// length at 46-47, data kind at 128 (0 letters and digits, else digits) and length kind at
/// 130 (1 exact, 0 maximum).
QString documentTypeRow(const QString& description, const QString& shortName, int length, bool numeric,
                        bool exact)
{
    QString row = DefaultRucParam;
    row.replace(0, 31, description.leftJustified(31, QLatin1Char(' '), true));
    row.replace(31, 14, shortName.leftJustified(14, QLatin1Char(' '), true));
    row.replace(45, 2, QStringLiteral("%1").arg(length, 2, 10, QLatin1Char('0')));
    row[127] = numeric ? QLatin1Char('5') : QLatin1Char('0');
    row[129] = exact ? QLatin1Char('1') : QLatin1Char('0');
    return row;
}

void insertParam(HostDatabase& db, const QString& numero, const QString& argumento, const QString& funcion,
                 const QString& correl = QString())
{
    insertRow(db, QStringLiteral("PARAM"),
              {{QStringLiteral("Numero"), numero},
               {QStringLiteral("Argumento"), argumento},
               {QStringLiteral("Funcion"), funcion},
               {QStringLiteral("Correl_Param"), correl}});
}

/// Copies the files the module is shipped with (the sending directory, the help) into the
/// integrator folder, leaving any that are already there.
void installShippedFiles(const QString& folder)
{
    QDirIterator it(QStringLiteral(":/integrator"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = source.mid(QStringLiteral(":/integrator/").size());
        const QString target = folder + relative;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(source, target))
            throw SetupError(QStringLiteral("No se pudo copiar ") + relative + QStringLiteral(" en ") +
                             folder);
        QFile::setPermissions(target,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

} // namespace

QStringList seedDeclarants()
{
    QStringList result;
    for (const Declarant& d : declarants)
        result.append(QLatin1String(d.ruc));
    return result;
}

void createHostTables(HostDatabase& db)
{
    for (const TableDef& table : hostTables())
        if (!db.hasTable(table.name))
            createTable(db, table);
}

void seedHostData(HostDatabase& db)
{
    Transaction transaction(db);
    for (const Declarant& d : declarants)
        insertRow(db, QStringLiteral("CONT"),
                  {{QStringLiteral("Tip_doc_d"), 6},
                   {QStringLiteral("Doc_id_d"), QLatin1String(d.ruc)},
                   {QStringLiteral("Nombre"), QString::fromUtf8(d.name)},
                   {QStringLiteral("Usuario"), QLatin1String(d.user)}});
    insertRow(db, QStringLiteral("CLAVES"),
              {{QStringLiteral("Usuario"), DefaultUser},
               {QStringLiteral("Nombre"), QStringLiteral("Administrador")},
               {QStringLiteral("Tipo"), QStringLiteral("0")}});
    insertRow(db, QStringLiteral("CLAVES"),
              {{QStringLiteral("Usuario"), OtherUser},
               {QStringLiteral("Nombre"), QStringLiteral("Contador externo")},
               {QStringLiteral("Tipo"), QStringLiteral("1")}});
    for (const Bank& b : banks)
        insertParam(db, QStringLiteral("004"), QLatin1String(b.code),
                    QString::fromUtf8(b.name).leftJustified(36) + QStringLiteral("1"));
    insertParam(
        db, QStringLiteral("044"), QStringLiteral("1"),
        documentTypeRow(QStringLiteral("DOC. NACIONAL DE IDENTIDAD"), QStringLiteral("DNI"), 8, true, true));
    insertParam(db, QStringLiteral("044"), QStringLiteral("4"),
                documentTypeRow(QStringLiteral("CARNET DE EXTRANJERIA"), QStringLiteral("CARNET EXT."), 12,
                                false, false));
    insertParam(db, QStringLiteral("044"), QStringLiteral("6"), DefaultRucParam);
    insertParam(db, QStringLiteral("044"), QStringLiteral("7"),
                documentTypeRow(QStringLiteral("PASAPORTE"), QStringLiteral("PASAPORTE"), 12, false, false));
    for (const ErrorText& e : errors)
        insertRow(db, QStringLiteral("ERROR"),
                  {{QStringLiteral("CodError"), QLatin1String(e.code)},
                   {QStringLiteral("DescError"), QString::fromUtf8(e.text)}});
    transaction.commit();
}

InitResult initIntegrator(const QString& folderArg, const QString& iniFolder)
{
    QString folder = QDir(folderArg).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (const char* sub : {"RPT", "TMP", "tmp", "0947"})
        if (!QDir().mkpath(folder + QLatin1String(sub)))
            throw SetupError(QStringLiteral("No se pudo crear la carpeta ") + folder + QLatin1String(sub));
    installShippedFiles(folder);

    InitResult result;
    result.folder = folder;
    result.databasePath = folder + DatabaseName;
    result.alreadyExisted = QFileInfo::exists(result.databasePath);

    if (!QDir().mkpath(iniFolder))
        throw SetupError(QStringLiteral("No se pudo crear la carpeta ") + iniFolder);
    IniFile ini(QDir(iniFolder).filePath(QStringLiteral("KV000.INI")));
    if (!ini.load())
        throw SetupError(QStringLiteral("No se puede leer ") + ini.path());
    const bool written = ini.setValue(kovaini::Section, kovaini::SysPath, folder) &&
                         ini.setValue(kovaini::Section, kovaini::DBPath, folder) &&
                         ini.setValue(kovaini::Section, kovaini::DBName, DatabaseName) &&
                         (!ini.value(kovaini::Section, kovaini::SysUser).isEmpty() ||
                          ini.setValue(kovaini::Section, kovaini::SysUser, DefaultUser));
    if (!written)
        throw SetupError(QStringLiteral("No se puede escribir ") + ini.path());

    HostDatabase::Options options;
    options.create = true;
    std::unique_ptr<HostDatabase> db = HostDatabase::open(result.databasePath, options);
    const bool fresh = !db->hasTable(QStringLiteral("CONT"));
    createHostTables(*db);
    if (fresh)
        seedHostData(*db);
    return result;
}

} // namespace integrator
