#include "goldenfile.h"

#include <QFile>
#include <QFileInfo>

namespace testsupport {

QString compareWithGoldenFile(const QStringList& lines, const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (qEnvironmentVariable("UPDATE_GOLDEN") == QLatin1String("1")) {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QStringLiteral("cannot write ") + path;
        out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return {};
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("golden file missing: ") + path +
               QStringLiteral(" (UPDATE_GOLDEN=1 writes it)");
    QStringList expected = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    if (!expected.isEmpty() && expected.last().isEmpty())
        expected.removeLast();
    for (qsizetype i = 0; i < std::max(lines.size(), expected.size()); ++i) {
        const QString actual = lines.value(i, QStringLiteral("<no line>"));
        const QString wanted = expected.value(i, QStringLiteral("<no line>"));
        if (actual != wanted)
            return name + QStringLiteral(" line ") + QString::number(i + 1) +
                   QStringLiteral(":\n  actual:   ") + actual + QStringLiteral("\n  expected: ") + wanted;
    }
    return {};
}

} // namespace testsupport
