#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class ReportWriter;
struct SummaryData;

inline const QString SummaryTitle = QStringLiteral("RESUMEN DE ENVÍO - FORMULARIO  0947");

/// Writes the summary of one declaration in the report markup: the header tags, then every
/// text at its place on the single page, stamped with `now` and the sending's control number.
void writeSummaryReport(ReportWriter& writer, const SummaryData& data, const QString& controlNumber,
                        const QDateTime& now);
/// The same summary as plain lines without markup, for the integrator to take with the sending.
QStringList plainSummaryLines(const SummaryData& data);
