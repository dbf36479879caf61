#include "detailfixture.h"

#include "clock.h"
#include "integrity.h"
#include "moduleparameters.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QTest>

void installModuleParameters(HostDatabase& db)
{
    for (const ParameterRow& row : moduleParameterRows())
        insertRow(db, QStringLiteral("PARAM"),
                  {{QStringLiteral("Numero"), row.numero},
                   {QStringLiteral("Argumento"), row.argumento},
                   {QStringLiteral("Funcion"), row.funcion},
                   {QStringLiteral("Correl_Param"), row.correlParam}});
}

FixedToday::FixedToday(const QDate& today)
{
    Clock::setNow(QDateTime(today, QTime(10, 0)));
}

FixedToday::~FixedToday()
{
    Clock::setNow(QDateTime());
}

DetailHost::DetailHost(const QString& period)
    : ctx{host.session(), host.db(), host.messages(), host.host(), opener}
{
    installModuleParameters(host.db());
    Session& session = host.session();
    session.rucDeclarante = QStringLiteral("20100123453");
    session.periodoDeclaracion = period;
    session.tasaPercepcion = QStringLiteral("0.02");
    session.opcionSujeto = QStringLiteral("0");
    session.opcionComprobante = QStringLiteral("0");
    session.opcionDetalle = QStringLiteral("0");
}

void enter(QWidget* field)
{
    QFocusEvent event(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}

void leave(QWidget* field)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &event);
}

void typeInto(QWidget* field, const QString& text)
{
    enter(field);
    QTest::keyClicks(field, text);
    leave(field);
}
