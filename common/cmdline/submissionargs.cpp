#include "submissionargs.h"

#include <algorithm>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetterOrDigit(QChar c)
{
    return isAsciiDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool allDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isAsciiDigit);
}

bool allLettersOrDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isAsciiLetterOrDigit);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

SubmissionArgs SubmissionArgs::parse(const QString& line)
{
    if (line.size() != Length)
        throw CommandLineError(QStringLiteral("La línea de mandatos tiene ") + QString::number(line.size()) +
                               QStringLiteral(" caracteres; deben ser ") + QString::number(Length) +
                               QStringLiteral(", con el número de documento completado con blancos."));
    SubmissionArgs args;

    const QString type = line.mid(0, 2).trimmed();
    if (!allDigits(type))
        throw CommandLineError(QStringLiteral("El tipo de documento (posiciones 1-2) debe ser numérico: ") +
                               quoted(line.mid(0, 2)) + QLatin1Char('.'));
    args.documentType = type.toInt();

    args.documentNumber = line.mid(2, 15).trimmed();
    if (!allLettersOrDigits(args.documentNumber))
        throw CommandLineError(
            QStringLiteral("El número de documento (posiciones 3-17) debe tener sólo letras y dígitos, "
                           "completado con blancos: ") +
            quoted(line.mid(2, 15)) + QLatin1Char('.'));

    args.form = line.mid(17, 4);
    if (!allDigits(args.form))
        throw CommandLineError(QStringLiteral("El formulario (posiciones 18-21) debe tener 4 dígitos: ") +
                               quoted(args.form) + QLatin1Char('.'));

    args.period = line.mid(21, 6);
    if (!allDigits(args.period) || args.period.mid(4, 2).toInt() > 12)
        throw CommandLineError(
            QStringLiteral("El período (posiciones 22-27) debe ser AAAAMM, con un mes de 01 "
                           "a 12, o AAAA00 para un período anual: ") +
            quoted(args.period) + QLatin1Char('.'));

    args.tag = line.mid(27, 1);
    if (!allLettersOrDigits(args.tag))
        throw CommandLineError(QStringLiteral("La marca (posición 28) debe ser una letra o un dígito: ") +
                               quoted(args.tag) + QLatin1Char('.'));

    args.controlNumber = line.mid(28, 8);
    if (!allLettersOrDigits(args.controlNumber))
        throw CommandLineError(
            QStringLiteral("El número de control (posiciones 29-36) debe tener 8 letras o dígitos: ") +
            quoted(args.controlNumber) + QLatin1Char('.'));
    return args;
}

QString SubmissionArgs::keyCondition()
{
    return QStringLiteral("tip_doc_d = ? AND doc_id_d = ? AND periodo = ? AND formulario = ?");
}

QVariantList SubmissionArgs::keyValues() const
{
    return {documentType, documentNumber, storedPeriod(), form};
}

QString submissionUsage(const QString& program, const QString& exitStatuses)
{
    return QStringLiteral("Uso: ") + program +
           QStringLiteral(" \"LINEA\"\n"
                          "LINEA es un solo argumento de 36 caracteres en posiciones fijas:\n"
                          "  1-2    tipo de documento del declarante (6: RUC)\n"
                          "  3-17   número de documento, completado con blancos a la derecha\n"
                          "  18-21  formulario (0947)\n"
                          "  22-27  período AAAAMM (AAAA00: período anual)\n"
                          "  28     marca de los archivos (una letra o un dígito)\n"
                          "  29-36  número de control del envío (8 letras o dígitos)\n"
                          "Ejemplo: ") +
           program + QStringLiteral(" \"0620100123453    0947200504A00012345\"\n") + exitStatuses;
}
