#include "lookups.h"

#include "hostutilities.h"
#include "vbformat.h"

namespace {
/// Characters `from` to `to` (counted from 1) of a fixed-position text.
QString positions(const QString& text, int from, int to)
{
    return text.mid(from - 1, to - from + 1);
}
} // namespace

QString TipoUsuario(HostDatabase& db, const QString& usuario)
{
    const QVariant tipo = db.scalar(QStringLiteral("SELECT Tipo FROM CLAVES WHERE Usuario = ?"), {usuario});
    return tipo.isValid() ? tipo.toString() : QStringLiteral("1");
}

QString DescripcionError(HostDatabase& db, int code)
{
    const QVariant text = db.scalar(QStringLiteral("SELECT DescError FROM ERROR WHERE CodError = ?"),
                                    {Format(code, QStringLiteral("0000"))});
    return text.toString();
}

bool ValidaDocumento(HostDatabase& db, const HostUtilities& host, const QString& type, const QString& number)
{
    if (type.trimmed().isEmpty() || number.trimmed().isEmpty())
        return false;
    const QString argument = QString::number(static_cast<long long>(Val(type.trimmed())));
    const QVariant row = db.scalar(
        QStringLiteral("SELECT Funcion FROM PARAM WHERE Numero = '044' AND Argumento = ?"), {argument});
    if (!row.isValid())
        return false;
    const QString funcion = row.toString();
    const int length = int(Val(positions(funcion, 46, 47)));
    const int lengthKind = int(Val(positions(funcion, 130, 130)));
    const int dataKind = int(Val(positions(funcion, 128, 128)));

    const QString trimmed = number.trimmed();
    const bool lengthOk = lengthKind != 0 ? trimmed.size() == length : trimmed.size() <= length;
    const bool contentOk = dataKind == 0 ? host.ValidaAlfanumerico(number) : host.ValidaNumerico(number);
    return lengthOk && contentOk;
}

BoundQuery ConsultaDeclarantes(HostDatabase& db, const Session& session)
{
    QString ruc = DefaultRucParam;
    const QVariant row =
        db.scalar(QStringLiteral("SELECT Funcion FROM PARAM WHERE Numero = '044' AND Argumento = '6'"));
    if (row.isValid())
        ruc = row.toString();

    BoundQuery query{QStringLiteral("SELECT * FROM CONT WHERE Tip_doc_d = 6"), {}};
    if (Val(positions(ruc, 46, 47)) == 11 && positions(ruc, 130, 130) == QLatin1String("1"))
        query.sql += QStringLiteral(" AND length(trim(Doc_id_d)) = 11");
    if (TipoUsuario(db, session.usuarioSistema) != QLatin1String("0")) {
        query.sql += QStringLiteral(" AND Usuario = ?");
        query.values.append(session.usuarioSistema);
    }
    query.sql += QStringLiteral(" ORDER BY Tip_doc_d, Doc_id_d");
    return query;
}

QString Incrementa(int& counter, int step)
{
    counter += step;
    return QString::number(counter);
}
