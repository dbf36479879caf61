#include "detailfixture.h"

#include "clock.h"
#include "integrity.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QTest>

void seedVoucherTypes(HostDatabase& db)
{
    const char* rows[][2] = {
        {"01", "FACTURA                                       10100 0 1 FACT 0111110"},
        {"03", "BOLETA DE VENTA                               00100 0 1 BOLE 0010010"},
        {"07", "NOTA DE CREDITO                               00001 1 1 CRED 1111011"},
        {"08", "NOTA DE DEBITO                                10100 0 1 DEBI 0111110"},
        {"12", "TICKET DE MAQUINA REGISTRADORA                10100 0 0 TICK 0111110"},
        {"99", "OTROS                                         10100 0 0 OTRO 0111110"},
    };
    for (const auto& row : rows)
        insertRow(db, QStringLiteral("PARAM"),
                  {{QStringLiteral("Numero"), QStringLiteral("233")},
                   {QStringLiteral("Argumento"), QLatin1String(row[0])},
                   {QStringLiteral("Funcion"), QLatin1String(row[1])},
                   {QStringLiteral("Correl_Param"), QString()}});
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
    seedVoucherTypes(host.db());
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
