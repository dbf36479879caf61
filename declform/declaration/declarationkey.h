#pragma once

#include <QString>

/// The key every stored row of a declaration carries besides the document type 6.
struct DeclarationKey {
    QString ruc;        ///< the declarant's RUC, trimmed
    QString periodo;    ///< YYYYMM
    QString formulario; ///< "0947"
};

/// A stored declaration: a saved one (CAB, DET and the module tables) or one sending of a sent
/// one (HCAB, HDET and the history tables, told apart by the sending's correlative).
struct StoredDeclaration {
    DeclarationKey key;
    bool enviada = false;
    QString correl;
};

/// The period key YYYYMM of the period field's text "MM/YYYY": its last four characters followed
/// by its first two.
QString periodKey(const QString& periodText);
/// The period field's text "MM/YYYY" for a period as the choosers show it (MMYYYY).
QString periodText(const QString& chooserPeriod);
