#pragma once

#include <QDate>
#include <QDateTime>

/// The one source of "today" and "now" for every program. Tests fix it with setNow(); a run
/// can fix it for all the programs it starts with the environment variable KOVA_FECHA
/// ("yyyy-MM-dd" or "yyyy-MM-ddTHH:mm:ss").
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    /// Fixes the clock at `moment`; an invalid moment returns it to the real time.
    static void setNow(const QDateTime& moment);
};
