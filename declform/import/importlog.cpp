#include "importlog.h"

#include "cp1252.h"
#include "dberror.h"
#include "hostdatabase.h"
#include "hostutilities.h"

#include <QFileInfo>

namespace {
struct CodeText {
    const char* code;
    const char* text;
};

// The messages of the refusals the import knows by itself; codes not listed here take the text
// of their ERROR row.
const CodeText FixedTexts[] = {
    {"0001", "El número de RUC es inválido"},
    {"0003", "Debe registrar la razón social"},
    {"0992", "El RUC no es de una Empresa, no debe ingresar la razón social"},
    {"0993", "El RUC es de una Empresa, no debe ingresar apellidos y nombres"},
    {"0857", "El número de serie no es válido"},
    {"0858", "El número de comprobante no es válido"},
    {"0859", "La fecha de emisión no es válida"},
    {"0989", "La fecha de emisión del comprobante emitido es mayor a la fecha del sistema"},
    {"0991", "La fecha de emisión del comprobante emitido no corresponde al período declarado"},
    {"0876", "La fecha de emisión del comp. emitido debe ser a partir del 14/10/2002"},
    {"0996", "Ingrese el monto cobrado(S/.)"},
    {"0884", "El monto cobrado no es válido"},
    {"0885", "El monto cobrado no es numérico"},
    {"0886", "El monto cobrado debe tener un solo punto decimal"},
    {"0887", "El monto cobrado debe tener doce(12) números enteros"},
    {"0878", "El monto cobrado es muy grande"},
    {"0983", "El importe del comprobante de pago debe ser positivo"},
    {"0883", "El tipo de comprobante no es válido"},
    {"0892", "El número de serie del comprobante de pago no es válido"},
    {"0990", "La fecha de emisión del comprobante origen es mayor a la fecha del sistema"},
    {"0984", "Ingrese el Importe del comprobante de pago"},
    {"0988", "El importe del comprobante de pago no es válido"},
    {"0987", "El importe del comprobante de pago no es numérico"},
    {"0986", "El importe del comprobante de pago debe tener un solo punto decimal"},
    {"0985", "El importe del comprobante de pago debe tener doce(12) números enteros"},
    {"0877", "El monto del comprobante de pago es muy grande"},
    {"0871", "Registro Duplicado"},
    {"0201", "Faltan campos en su archivo de transferencia"},
    {"0532", "Faltan campos en su archivo de transferencia"},
    {"0879", "El monto del comprobante no es válido"},
    {"0880", "El monto del comprobante no es numérico"},
    {"0881", "El monto del comprobante debe tener un solo punto decimal"},
    {"0882", "El monto del comprobante debe tener doce(12) números enteros"},
    {"0982", "El importe del comprobante de pago debe ser negativo"},
    {"0901", "Existen campos en blanco en el archivo plano"},
    {"0995", "El tipo de moneda del comprobante emitido esta en dolares"},
    {"0994", "El tipo de moneda del comprobante emitido esta en soles"},
};

const QString OtherError = QStringLiteral("Otro Error : Verifique Estructura de Tablas y datos a transferir");

constexpr int DeviceIoError = 57;
constexpr int PermissionDenied = 70;
constexpr int PathAccessError = 75;
constexpr int PathNotFound = 76;

// The error file is read line by line: a control character in a key must not break a line.
QString printable(QString text)
{
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return text;
}
} // namespace

QString importErrorText(const QString& code, const QString& descError)
{
    for (const CodeText& fixed : FixedTexts)
        if (code == QLatin1String(fixed.code))
            return QString::fromUtf8(fixed.text);
    return descError;
}

ImportLog::ImportLog(HostDatabase& db, const HostUtilities& host, QString logPath, QString errorPath)
    : m_db(db), m_host(host), m_log(std::move(logPath)), m_error(std::move(errorPath))
{
}

std::optional<QString> ImportLog::descError(const QString& code)
{
    auto it = m_texts.constFind(code);
    if (it == m_texts.constEnd()) {
        QSqlQuery row = m_db.run(QStringLiteral("SELECT DescError FROM ERROR WHERE CodError = ?"), {code});
        it =
            m_texts.insert(code, row.next() ? std::optional<QString>(row.value(0).toString()) : std::nullopt);
    }
    return *it;
}

QString ImportLog::errorLine(const QString& key, const QString& code)
{
    const std::optional<QString> text = descError(code);
    if (!text) {
        const QString narrow = key.size() >= 10 ? key.left(10) : key.rightJustified(10, QLatin1Char(' '));
        return printable(narrow) + QString(14, QLatin1Char(' ')) + OtherError;
    }
    return printable(m_host.AjustaAncho(key.left(25), 25)) + QLatin1Char(' ') + importErrorText(code, *text);
}

bool ImportLog::GraboLog(const QByteArray& rawLine, const QString& key, const QString& code)
{
    QString line;
    try {
        line = errorLine(key, code);
    } catch (const DbError& e) {
        m_failure = {e.number(), e.text()};
        return false;
    }
    if (!m_started && !openBoth())
        return false;
    m_started = true;
    return write(m_log, rawLine + "\r\n") && write(m_error, toCp1252(line) + "\r\n");
}

bool ImportLog::openBoth()
{
    for (QFile* file : {&m_log, &m_error}) {
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            failOpen(*file);
            return false;
        }
    }
    return true;
}

bool ImportLog::write(QFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) == bytes.size())
        return true;
    failWrite();
    return false;
}

void ImportLog::failOpen(const QFile& file)
{
    const QFileInfo info(file.fileName());
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir())
        m_failure = {PathNotFound, QStringLiteral("No se ha encontrado la ruta de acceso")};
    else if (info.isDir())
        m_failure = {PathAccessError, QStringLiteral("Error de acceso a la ruta o el archivo")};
    else if (info.exists() ? !info.isWritable() : !folder.isWritable())
        m_failure = {PermissionDenied, QStringLiteral("Permiso denegado")};
    else
        m_failure = {PathAccessError, QStringLiteral("Error de acceso a la ruta o el archivo")};
}

void ImportLog::failWrite()
{
    m_failure = {DeviceIoError, QStringLiteral("Error de E/S de dispositivo")};
}

bool ImportLog::close()
{
    bool written = true;
    for (QFile* file : {&m_log, &m_error}) {
        if (!file->isOpen())
            continue;
        if (!file->flush()) {
            failWrite();
            written = false;
        }
        file->close();
    }
    return written;
}
