#pragma once

class HostDatabase;
class HostUtilities;
class ReportWriter;
struct PrintedDeclaration;

/// DetalleAnexo: the body of the annexes report, in plain lines of 146 columns. Each page
/// begins with the annex header (CabeceraAnexo); every subject is listed with its receipts,
/// each receipt on the line of its first payment voucher, its cash sales marked "Venta al
/// Contado" and a footer with its count and sums; the legend of the voucher types
/// (LeyendaTipos) closes the report. A new page begins before a line once the page's line count
/// (10 for its header, one for each body line) passes 50. Starts on the writer's current page and
/// ends on the last page written. Throws DbError.
void DetalleAnexo(ReportWriter& writer, HostDatabase& db, const HostUtilities& host,
                  const PrintedDeclaration& declaration);
