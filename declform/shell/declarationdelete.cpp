#include "declarationdelete.h"

#include "declarationlist.h"
#include "hostdatabase.h"

namespace {

const char* const savedTables[] = {"DET", "CAB", "F947PDETCP", "F947PDET", "F947PDETVC", "F947PCAB"};
const char* const sentTables[] = {"HDET", "HCAB", "HF947PDETCP", "HF947PDET", "HF947PDETVC", "HF947PCAB"};

} // namespace

void deleteSavedDeclaration(HostDatabase& db, const DeclarationRow& declaration)
{
    Transaction transaction(db, Transaction::Immediate);
    for (const char* table : savedTables)
        db.execute(
            QStringLiteral(
                "DELETE FROM %1 WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?")
                .arg(QLatin1String(table)),
            {declaration.ruc, declaration.periodo, declaration.formulario});
    transaction.commit();
}

void deleteSentDeclaration(HostDatabase& db, const DeclarationRow& declaration)
{
    Transaction transaction(db, Transaction::Immediate);
    for (const char* table : sentTables)
        db.execute(QStringLiteral("DELETE FROM %1 WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ?"
                                  " AND formulario = ? AND correl = ?")
                       .arg(QLatin1String(table)),
                   {declaration.ruc, declaration.periodo, declaration.formulario, declaration.correl});
    transaction.commit();
}
