#include "printeddeclaration.h"

#include "hostdatabase.h"
#include "lookups.h"
#include "session.h"
#include "storedrows.h"
#include "vbformat.h"

#include <QSqlQuery>

namespace {

/// Boxes the reports never read: the module version, the parameter checksum and the version date.
bool isLoadedBox(int box)
{
    if (box == 721 || box == 722 || box == 790)
        return false;
    return (box >= 1 && box <= 750) || (box >= 861 && box <= 999);
}

QString text(const QSqlQuery& query, int column)
{
    return query.value(column).toString();
}

} // namespace

PrintedDeclaration printedDeclarationOf(const DeclarationRow& row, bool enviada)
{
    PrintedDeclaration printed;
    printed.declaration = {
        {row.ruc.trimmed(), row.periodo, row.formulario}, enviada, enviada ? row.correl : QString()};
    printed.nombre = row.nombre;
    if (enviada) {
        printed.numeroOrden = row.norden;
        printed.numeroControl = row.control;
    }
    return printed;
}

void CargarCasillas(HostDatabase& db, PrintedDeclaration& printed)
{
    const StoredDeclaration& d = printed.declaration;
    printed.casillas.clear();
    QSqlQuery boxes = runStoredRows(db, d, QStringLiteral("DET"), QStringLiteral("casilla, i_valor"));
    while (boxes.next()) {
        const int box = int(Val(text(boxes, 0)));
        if (isLoadedBox(box))
            printed.casillas.insert(box, text(boxes, 1));
    }

    QSqlQuery header =
        runStoredRows(db, d, QStringLiteral("CAB"), QStringLiteral("bcolibrad, cheque, nrocheque, efectivo"));
    const bool found = header.next();
    printed.banco = found ? text(header, 0) : QString();
    printed.cheque = found ? text(header, 1) : QString();
    printed.numeroCheque = found ? text(header, 2) : QString();
    printed.efectivo = found ? text(header, 3) : QString();
}

QMap<int, QString> CargaTiposDocumento(HostDatabase& db)
{
    QMap<int, QString> names;
    QSqlQuery rows = db.run(QStringLiteral("SELECT Argumento, Funcion FROM PARAM WHERE Numero = ?"
                                           " AND substr(Funcion, 75, 1) = ?"),
                            {QStringLiteral("044"), QStringLiteral("1")});
    while (rows.next())
        names.insert(int(Val(text(rows, 0))), text(rows, 1).mid(31, 10));
    return names;
}

QList<DeclarationRow> declaracionesImprimibles(HostDatabase& db, const Session& session, bool enviadas)
{
    if (!enviadas)
        return listSavedDeclarations(db, session, ListOrder::Ruc);

    QString sql = QStringLiteral("SELECT A.doc_id_d, B.Nombre, A.periodo, A.formulario, A.estado, A.fec_env,"
                                 " A.correl, A.norden, A.control, A.rectifica FROM HCAB AS A, CONT AS B"
                                 " WHERE A.doc_id_d = B.Doc_id_d AND A.tip_doc_d = 6 AND B.Tip_doc_d = 6"
                                 " AND A.formulario = ?");
    QVariantList values{session.numFormulario};
    if (TipoUsuario(db, session.usuarioSistema) != QLatin1String("0")) {
        sql += QStringLiteral(" AND B.Usuario = ?");
        values.append(session.usuarioSistema);
    }
    // Only sendings the integrator has completed can be printed.
    sql += QStringLiteral(" AND A.estado = ? ORDER BY A.doc_id_d ASC, A.periodo, A.correl");
    values.append(1);

    QList<DeclarationRow> rows;
    QSqlQuery result = db.run(sql, values);
    while (result.next()) {
        DeclarationRow row;
        row.ruc = text(result, 0);
        row.nombre = text(result, 1);
        row.periodo = text(result, 2);
        row.formulario = text(result, 3);
        row.estado = text(result, 4);
        row.fecEnv = QDate::fromString(text(result, 5).left(10), QStringLiteral("yyyy-MM-dd"));
        row.correl = text(result, 6);
        row.norden = text(result, 7);
        row.control = text(result, 8);
        row.rectifica = text(result, 9);
        rows.append(row);
    }
    return rows;
}
