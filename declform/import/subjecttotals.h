#pragma once

class HostDatabase;

/// Recomputes every subject's totals in TMPF947PCAB from its receipts in TMPF947PDET: amount
/// charged and perception, each stored as plain numeric text and 0 when the sum is negative.
/// The receipts count is left alone. Throws DbError.
void CalcularTot(HostDatabase& db);
