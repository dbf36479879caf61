#include "clock.h"

#include <QMutex>
#include <QMutexLocker>
#include <QtGlobal>
#include <atomic>

namespace {

QMutex fixedMutex;
QDateTime fixedMoment;

// KOVA_FECHA: "yyyy-MM-dd" (that day at noon) or "yyyy-MM-ddTHH:mm:ss".
QDateTime momentFromEnvironment()
{
    const QString value = qEnvironmentVariable("KOVA_FECHA").trimmed();
    if (value.isEmpty())
        return {};
    const QDate day = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
    if (day.isValid())
        return QDateTime(day, QTime(12, 0));
    const QDateTime moment = QDateTime::fromString(value, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    if (!moment.isValid()) {
        // A mistyped value would otherwise pass unnoticed and the run would use the real date.
        static std::atomic_bool warned{false};
        if (!warned.exchange(true))
            qWarning("KOVA_FECHA=\"%s\" is neither yyyy-MM-dd nor yyyy-MM-ddTHH:mm:ss; using the real time",
                     qUtf8Printable(value));
    }
    return moment;
}

} // namespace

QDateTime Clock::now()
{
    {
        const QMutexLocker lock(&fixedMutex);
        if (fixedMoment.isValid())
            return fixedMoment;
    }
    const QDateTime fromEnvironment = momentFromEnvironment();
    return fromEnvironment.isValid() ? fromEnvironment : QDateTime::currentDateTime();
}

void Clock::setNow(const QDateTime& moment)
{
    const QMutexLocker lock(&fixedMutex);
    fixedMoment = moment.isValid() ? moment : QDateTime();
}
