#include "declarationlist.h"

#include "hostdatabase.h"
#include "lookups.h"
#include "session.h"

#include <QSqlQuery>

namespace {

/// The join with the declarants and the user filter, shared by both lists.
BoundQuery withCondition(const QString& select, const Session& session, HostDatabase& db)
{
    BoundQuery query{
        select + QStringLiteral(" WHERE A.doc_id_d = B.Doc_id_d AND A.tip_doc_d = 6 AND B.Tip_doc_d = 6"
                                " AND A.formulario = ?"),
        {session.numFormulario}};
    if (TipoUsuario(db, session.usuarioSistema) != QLatin1String("0")) {
        query.sql += QStringLiteral(" AND B.Usuario = ?");
        query.values.append(session.usuarioSistema);
    }
    return query;
}

QString text(const QSqlQuery& query, int column)
{
    return query.value(column).toString();
}

/// A row with the four columns both lists start with: RUC, name, period and form.
DeclarationRow declarant(const QSqlQuery& query)
{
    DeclarationRow row;
    row.ruc = text(query, 0);
    row.nombre = text(query, 1);
    row.periodo = text(query, 2);
    row.formulario = text(query, 3);
    return row;
}

} // namespace

QList<DeclarationRow> listSavedDeclarations(HostDatabase& db, const Session& session, ListOrder order)
{
    BoundQuery query =
        withCondition(QStringLiteral("SELECT A.doc_id_d, B.Nombre, A.periodo, A.formulario, A.estado,"
                                     " A.rectifica FROM CAB AS A, CONT AS B"),
                      session, db);
    // The later keys only make the order of equal rows stable, so a row position stays valid
    // from one reading to the next.
    switch (order) {
    case ListOrder::Periodo:
        query.sql += QStringLiteral(" ORDER BY A.periodo DESC, A.doc_id_d");
        break;
    case ListOrder::Ruc:
        query.sql += QStringLiteral(" ORDER BY A.doc_id_d ASC, A.periodo DESC");
        break;
    case ListOrder::Nombre:
        query.sql += QStringLiteral(" ORDER BY B.Nombre ASC, A.doc_id_d, A.periodo DESC");
        break;
    }

    QList<DeclarationRow> rows;
    QSqlQuery result = db.run(query.sql, query.values);
    while (result.next()) {
        DeclarationRow row = declarant(result);
        row.estado = text(result, 4);
        row.rectifica = text(result, 5);
        rows.append(row);
    }
    return rows;
}

QList<DeclarationRow> listSentDeclarations(HostDatabase& db, const Session& session)
{
    BoundQuery query =
        withCondition(QStringLiteral("SELECT A.doc_id_d, B.Nombre, A.periodo, A.formulario, A.norden,"
                                     " A.fec_env, A.control, A.correl, A.rectifica"
                                     " FROM HCAB AS A, CONT AS B"),
                      session, db);
    query.sql += QStringLiteral(" ORDER BY A.doc_id_d ASC, A.periodo, A.correl");

    QList<DeclarationRow> rows;
    QSqlQuery result = db.run(query.sql, query.values);
    while (result.next()) {
        DeclarationRow row = declarant(result);
        row.norden = text(result, 4);
        // Dates are stored as "yyyy-MM-dd", date-times with the time after it.
        row.fecEnv = QDate::fromString(text(result, 5).left(10), QStringLiteral("yyyy-MM-dd"));
        row.control = text(result, 6);
        row.correl = text(result, 7);
        row.rectifica = text(result, 8);
        rows.append(row);
    }
    return rows;
}
