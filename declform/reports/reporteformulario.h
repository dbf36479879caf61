#pragma once

#include "printeddeclaration.h"

#include <functional>

class HostDatabase;
class HostUtilities;
class ReportKinds;
class ReportWriter;

/// The two reports of a declaration, as the print dialog offers them.
enum class ReporteElegido {
    Declaracion, ///< "Declaración": the image of the paper form, portrait
    Anexos,      ///< "Anexos": every subject with its receipts, vouchers and cash sales, landscape
};

/// ReporteFormulario: writes the chosen report of the declaration into the open report file,
/// its header tags first, and answers the number of pages written. Throws DbError.
int ReporteFormulario(ReportWriter& writer, HostDatabase& db, const HostUtilities& host,
                      const PrintedDeclaration& declaration, ReporteElegido report);

/// Registers the declaration report as reportkind::Declaration and the annexes report as
/// reportkind::Annexes; each takes a PrintedDeclaration as its parameter. `db` answers the open
/// host database when a report runs.
void addDeclarationReports(ReportKinds& kinds, std::function<HostDatabase&()> db, const HostUtilities& host);
