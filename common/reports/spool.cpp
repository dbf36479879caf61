#include "spool.h"

#include "clock.h"
#include "hostdatabase.h"
#include "integrity.h"
#include "session.h"
#include "vbformat.h"

QString RegistraSpool(HostDatabase& db, const QString& codRep, int tipDoc, const QString& docId,
                      const QString& usuario)
{
    Transaction transaction(db, Transaction::Immediate);
    const long long sequence =
        db.scalar(QStringLiteral("SELECT max(CAST(Secuencia AS INTEGER)) FROM SPOOL WHERE CodRep = ?"),
                  {codRep})
            .toLongLong();
    const long long file =
        db.scalar(QStringLiteral("SELECT max(CAST(substr(Archivo, 1, 8) AS INTEGER)) FROM SPOOL"))
            .toLongLong();
    const QString archivo = Format(file + 1, QStringLiteral("00000000")) + QStringLiteral(".PRN");
    insertRow(db, QStringLiteral("SPOOL"),
              {{QStringLiteral("CodRep"), codRep},
               {QStringLiteral("Secuencia"), Format(sequence + 1, QStringLiteral("000000"))},
               {QStringLiteral("Archivo"), archivo},
               {QStringLiteral("Fecha"), Clock::now()},
               {QStringLiteral("Usuario"), usuario},
               {QStringLiteral("tip_doc_d"), tipDoc},
               {QStringLiteral("Doc_id_d"), docId}});
    transaction.commit();
    return archivo;
}

QString reportFilePath(const Session& session, const QString& fileName)
{
    return session.rutaReportes + QLatin1Char('/') + fileName;
}
