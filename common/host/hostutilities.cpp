#include "hostutilities.h"

#include "configuration.h"
#include "inifile.h"
#include "messages.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

namespace {
QChar fillChar(const QString& fill)
{
    return fill.isEmpty() ? QLatin1Char(' ') : fill.at(0);
}

QDate parseDate(const QString& text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
}

bool isSpanishLetter(QChar c)
{
    if (c.isLetter() && c.unicode() < 0x80)
        return true;
    static const QString accented = QStringLiteral("ÁÉÍÓÚÜÑáéíóúüñ");
    return accented.contains(c);
}
} // namespace

HostUtilities::HostUtilities(Messages& messages) : m_messages(messages) {}

bool HostUtilities::ExisteArchivo(const QString& path) const
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

bool HostUtilities::ValidaRuc(const QString& ruc) const
{
    const QString r = ruc.trimmed();
    if (r.size() != 11)
        return false;
    for (QChar c : r)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    static const QStringList prefixes = {QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("16"),
                                         QStringLiteral("17"), QStringLiteral("20")};
    if (!prefixes.contains(r.left(2)))
        return false;
    static const int weights[10] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += r.at(i).digitValue() * weights[i];
    int digit = 11 - sum % 11;
    if (digit == 10)
        digit = 0;
    else if (digit == 11)
        digit = 1;
    return r.at(10).digitValue() == digit;
}

QString HostUtilities::AjustaAncho(const QString& text, int width) const
{
    return RellenaTexto(text, width, QStringLiteral(" "));
}

QString HostUtilities::AjustaAnchoNumero(const QString& text, int width) const
{
    return RellenaIzquierda(text, width, QStringLiteral(" "));
}

bool HostUtilities::ValidaRangoFecha(const QString& date, const QString& from, const QString& to) const
{
    const QDate d = parseDate(date), lo = parseDate(from), hi = parseDate(to);
    return d.isValid() && lo.isValid() && hi.isValid() && lo <= d && d <= hi;
}

bool HostUtilities::ValidaAlfanumerico(const QString& text) const
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!(c.unicode() < 0x80 && c.isLetterOrNumber()))
            return false;
    return true;
}

int HostUtilities::FiltraNumero(int keyCode, int flag) const
{
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == KeyBackspace)
        return keyCode;
    if (flag == -1 && keyCode == '.')
        return keyCode;
    return 0;
}

int HostUtilities::FiltraSerie(int keyCode) const
{
    if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z') ||
        (keyCode >= 'a' && keyCode <= 'z') || keyCode == KeyBackspace)
        return keyCode;
    return 0;
}

bool HostUtilities::ValidaNumerico(const QString& text) const
{
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

QString HostUtilities::RellenaTexto(const QString& text, int width, const QString& fill) const
{
    if (width <= 0)
        return {};
    return text.left(width).leftJustified(width, fillChar(fill));
}

QString HostUtilities::RellenaIzquierda(const QString& text, int width, const QString& fill) const
{
    if (width <= 0)
        return {};
    return text.left(width).rightJustified(width, fillChar(fill));
}

int HostUtilities::TransformaCaracter(int keyCode) const
{
    if (keyCode >= 'a' && keyCode <= 'z')
        return keyCode - ('a' - 'A');
    static const QString lower = QStringLiteral("ñáéíóúü");
    static const QString upper = QStringLiteral("ÑÁÉÍÓÚÜ");
    const int i = lower.indexOf(QChar(keyCode));
    return i >= 0 ? upper.at(i).unicode() : keyCode;
}

void HostUtilities::MuestraMensaje(const QString& text, const QString& title) const
{
    m_messages.inform(text, title, MsgIcon::Information);
}

bool HostUtilities::ValidaNombre(const QString& name) const
{
    if (name.trimmed().isEmpty())
        return false;
    static const QString others = QStringLiteral(" .,&-'/()#");
    for (QChar c : name)
        if (!isSpanishLetter(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && !others.contains(c))
            return false;
    return true;
}

QString HostUtilities::ConvierteEnie(const QString& name) const
{
    QString result = name;
    // "Ñ" and "ñ" in UTF-8 are C3 91 and C3 B1; read as Windows-1252 they show as these pairs.
    result.replace(QStringLiteral("Ã‘"), QStringLiteral("Ñ"));
    result.replace(QStringLiteral("Ã±"), QStringLiteral("Ñ"));
    result.replace(QStringLiteral("ñ"), QStringLiteral("Ñ"));
    return result;
}

bool HostUtilities::PuedeContinuar() const
{
    IniFile ini(kovaIniPath());
    if (!ini.exists() || !ini.load())
        return true;
    const QString sysPath = ini.value(kovaini::Section, kovaini::SysPath);
    return sysPath.isEmpty() || !QFileInfo::exists(stopFlagPath(sysPath));
}

QString HostUtilities::stopFlagPath(const QString& rutaSistema)
{
    QString folder = rutaSistema;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("TMP/MODULOS.DETENIDOS");
}
