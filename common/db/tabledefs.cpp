#include "tabledefs.h"

#include "hostdatabase.h"

namespace {

ColumnDef byteCol(const char* name)
{
    return {QLatin1String(name), ColumnType::Byte, 0, false};
}
ColumnDef intCol(const char* name)
{
    return {QLatin1String(name), ColumnType::Integer, 0, false};
}
ColumnDef doubleCol(const char* name)
{
    return {QLatin1String(name), ColumnType::Double, 0, false};
}
ColumnDef dateCol(const char* name)
{
    return {QLatin1String(name), ColumnType::Date, 0, false};
}
ColumnDef dateTimeCol(const char* name)
{
    return {QLatin1String(name), ColumnType::DateTime, 0, false};
}
ColumnDef textCol(const char* name, int size, bool zeroLength = false)
{
    return {QLatin1String(name), ColumnType::Text, size, zeroLength};
}

QStringList names(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* n : list)
        result.append(QLatin1String(n));
    return result;
}

const QList<ColumnDef> declarantKey = {byteCol("tip_doc_d"), textCol("doc_id_d", 15), textCol("periodo", 6),
                                       textCol("formulario", 4)};

QList<ColumnDef> withDeclarantKey(bool history, const QList<ColumnDef>& rest)
{
    QList<ColumnDef> cols = declarantKey;
    if (history)
        cols.append(textCol("correl", 3));
    cols.append(rest);
    return cols;
}

QStringList keyWith(bool history, const QStringList& rest, bool withDocType = true)
{
    QStringList key = names({"tip_doc_d", "doc_id_d", "periodo", "formulario"});
    if (!withDocType)
        key.removeFirst();
    if (history)
        key.append(QStringLiteral("correl"));
    key.append(rest);
    return key;
}

QList<ColumnDef> subjectColumns(bool zeroLength)
{
    return {byteCol("tip_doc_per"),
            textCol("num_doc_per", 15),
            textCol("des_razon", 40, zeroLength),
            textCol("des_apellido_p", 20, zeroLength),
            textCol("des_apellido_m", 20, zeroLength),
            textCol("des_nombres", 20, zeroLength),
            intCol("ctd_docs"),
            textCol("mto_base_p", 15),
            textCol("mto_imp_p", 15),
            byteCol("ind_ruc")};
}

const QList<ColumnDef> receiptColumns = {byteCol("tip_doc_per"),     textCol("num_doc_per", 15),
                                         textCol("num_serie_cp", 4), textCol("num_cp", 8),
                                         dateCol("fec_emision_cp"),  textCol("mto_base_p", 15),
                                         textCol("por_tasa_p", 6),   textCol("mto_imp_p", 15)};

const QList<ColumnDef> cashSaleColumns = {
    byteCol("tip_doc_per"),    textCol("num_doc_per", 15), textCol("num_serie_cp", 4),
    textCol("num_cp", 15),     textCol("tip_cp", 2),       dateCol("fec_emision_cp"),
    textCol("mto_base_p", 15), textCol("por_tasa_p", 6),   textCol("mto_imp_p", 15)};

const QList<ColumnDef> voucherColumns = {textCol("num_doc_per", 15),    textCol("num_serie_cp", 4),
                                         textCol("num_cp", 8),          textCol("tip_doc_detcp", 2),
                                         textCol("num_serie_detcp", 4), textCol("num_detcp", 15),
                                         dateCol("fec_emis_detcp"),     textCol("mto_detcp", 15)};

const ColumnDef cnumero = textCol("cnumero", 6);

TableDef subjects(const char* name, bool history)
{
    QList<ColumnDef> cols = withDeclarantKey(history, subjectColumns(true));
    cols.append(cnumero);
    return {QLatin1String(name), cols, keyWith(history, names({"tip_doc_per", "num_doc_per"})),
            history ? 7 : 6};
}

TableDef receipts(const char* name, bool history)
{
    QList<ColumnDef> cols = withDeclarantKey(history, receiptColumns);
    cols.append(cnumero);
    return {QLatin1String(name), cols,
            keyWith(history, names({"tip_doc_per", "num_doc_per", "num_serie_cp", "num_cp"})),
            history ? 9 : 8};
}

TableDef cashSales(const char* name, bool history)
{
    QList<ColumnDef> cols = withDeclarantKey(history, cashSaleColumns);
    cols.append(cnumero);
    return {QLatin1String(name), cols,
            keyWith(history, names({"tip_doc_per", "num_doc_per", "num_serie_cp", "num_cp", "tip_cp"})),
            history ? 10 : 9};
}

TableDef vouchers(const char* name, bool history)
{
    QList<ColumnDef> cols = withDeclarantKey(history, voucherColumns);
    cols.append(cnumero);
    const QStringList rest =
        names({"num_doc_per", "num_serie_cp", "num_cp", "tip_doc_detcp", "num_serie_detcp", "num_detcp"});
    // The history copy leaves the declarant's document type out of its key.
    return {QLatin1String(name), cols, history ? keyWith(true, rest, false) : keyWith(false, rest), 10};
}

QList<TableDef> buildModuleTables()
{
    QList<ColumnDef> tmpSubjects = subjectColumns(true);
    // A cash sale of type 99 carries a 15-character number, so the working table takes 15.
    QList<ColumnDef> tmpDetail = {
        byteCol("tip_doc_per"),    textCol("num_doc_per", 15), textCol("num_serie_cp", 4),
        textCol("num_cp", 15),     textCol("tip_cp", 2, true), dateCol("fec_emision_cp"),
        textCol("mto_base_p", 15), textCol("por_tasa_p", 6),   textCol("mto_imp_p", 15)};
    return {
        subjects("F947PCAB", false),
        subjects("HF947PCAB", true),
        {QStringLiteral("TMPF947PCAB"), tmpSubjects, names({"tip_doc_per", "num_doc_per"}), 0},
        receipts("F947PDET", false),
        receipts("HF947PDET", true),
        {QStringLiteral("TMPF947PDET"), tmpDetail,
         names({"tip_doc_per", "num_doc_per", "num_serie_cp", "num_cp", "tip_cp"}), 0},
        vouchers("F947PDETCP", false),
        vouchers("HF947PDETCP", true),
        {QStringLiteral("TMPF947PDETCP"), voucherColumns,
         names({"num_doc_per", "num_serie_cp", "num_cp", "tip_doc_detcp", "num_serie_detcp", "num_detcp"}),
         0},
        cashSales("F947PDETVC", false),
        cashSales("HF947PDETVC", true),
    };
}

// The integrator's own tables, laid out as it defines them. The leading columns that the
// integrity code sums are the declaration key, then `rectifica` (CAB) or `idcasilla` and
// `casilla` (DET), so a changed rectification or box number changes the code.
QList<TableDef> buildHostTables()
{
    const QList<ColumnDef> cabTail = {dateTimeCol("fec_pro"),         textCol("bcolibrad", 2, true),
                                      textCol("nrocheque", 15, true), textCol("cheque", 15, true),
                                      textCol("efectivo", 15, true),  byteCol("estado")};
    QList<ColumnDef> cab = declarantKey;
    cab.append(textCol("rectifica", 1, true));
    cab.append(cabTail);
    cab.append(textCol("cNumero", 6));

    QList<ColumnDef> hcab = declarantKey;
    hcab.append(textCol("correl", 3));
    hcab.append(textCol("rectifica", 1, true));
    hcab.append(cabTail);
    hcab.append({textCol("norden", 15, true), dateTimeCol("fec_env"), textCol("control", 8, true),
                 textCol("cNumero", 6)});

    const QList<ColumnDef> detTail = {textCol("idcasilla", 2), textCol("casilla", 3),
                                      textCol("i_valor", 20, true), textCol("cNumero", 6)};
    QList<ColumnDef> det = declarantKey;
    det.append(detTail);
    QList<ColumnDef> hdet = declarantKey;
    hdet.append(textCol("correl", 3));
    hdet.append(detTail);

    return {
        {QStringLiteral("CAB"), cab, names({"tip_doc_d", "doc_id_d", "periodo", "formulario"}), 5},
        {QStringLiteral("DET"), det, names({"tip_doc_d", "doc_id_d", "periodo", "formulario", "casilla"}), 6},
        {QStringLiteral("HCAB"), hcab, names({"tip_doc_d", "doc_id_d", "periodo", "formulario", "correl"}),
         6},
        {QStringLiteral("HDET"), hdet,
         names({"tip_doc_d", "doc_id_d", "periodo", "formulario", "correl", "casilla"}), 7},
        {QStringLiteral("CONT"),
         {byteCol("Tip_doc_d"), textCol("Doc_id_d", 15), textCol("Nombre", 100, true),
          textCol("Usuario", 20, true)},
         names({"Tip_doc_d", "Doc_id_d"}),
         0},
        {QStringLiteral("PARAM"),
         {textCol("Numero", 3), textCol("Argumento", 20), textCol("Funcion", 255, true),
          textCol("Correl_Param", 3, true)},
         names({"Numero", "Argumento"}),
         0},
        {QStringLiteral("CLAVES"),
         {textCol("Usuario", 20), textCol("Nombre", 60, true), textCol("Tipo", 1)},
         names({"Usuario"}),
         0},
        {QStringLiteral("ERROR"),
         {textCol("CodError", 4), textCol("DescError", 255, true)},
         names({"CodError"}),
         0},
        {QStringLiteral("SPOOL"),
         {textCol("CodRep", 6), textCol("Secuencia", 6), textCol("Archivo", 12), dateTimeCol("Fecha"),
          textCol("Usuario", 20, true), byteCol("tip_doc_d"), textCol("Doc_id_d", 15, true)},
         names({"Archivo"}),
         0},
        {QStringLiteral("envio_t"),
         {textCol("formulario", 4), textCol("tabla_o", 20), textCol("tabla_d", 20, true),
          textCol("tabla_ext", 20, true), byteCol("indice"), byteCol("obliga"), byteCol("c_tip_doc_d"),
          doubleCol("c_doc_id_d"), doubleCol("c_Formulario"), doubleCol("c_periodo"), doubleCol("c_estado"),
          doubleCol("c_envio"), doubleCol("c_semana")},
         names({"formulario", "tabla_o"}),
         0},
        {QStringLiteral("reportes"),
         {textCol("codigo", 6), textCol("titulo", 60, true), byteCol("flag")},
         names({"codigo"}),
         0},
    };
}

QString typeSql(const ColumnDef& c)
{
    const QString n = c.name;
    switch (c.type) {
    case ColumnType::Byte:
        return QStringLiteral("BYTE CHECK (%1 BETWEEN 0 AND 255)").arg(n);
    case ColumnType::Integer:
        return QStringLiteral("INTEGER CHECK (%1 BETWEEN -32768 AND 32767)").arg(n);
    case ColumnType::Long:
        return QStringLiteral("LONG");
    case ColumnType::Double:
        return QStringLiteral("DOUBLE");
    case ColumnType::Date:
        return QStringLiteral("DATE");
    case ColumnType::DateTime:
        return QStringLiteral("DATETIME");
    case ColumnType::Text:
        return QStringLiteral("TEXT(%1) COLLATE NOCASE CHECK (length(%2) <= %1)").arg(c.size).arg(n);
    }
    return {};
}

} // namespace

const ColumnDef* TableDef::column(const QString& columnName) const
{
    for (const ColumnDef& c : columns)
        if (c.name.compare(columnName, Qt::CaseInsensitive) == 0)
            return &c;
    return nullptr;
}

const QList<TableDef>& moduleTables()
{
    static const QList<TableDef> tables = buildModuleTables();
    return tables;
}

const QList<TableDef>& hostTables()
{
    static const QList<TableDef> tables = buildHostTables();
    return tables;
}

const TableDef* findTableDef(const QString& name)
{
    for (const QList<TableDef>* list : {&moduleTables(), &hostTables()})
        for (const TableDef& t : *list)
            if (t.name.compare(name, Qt::CaseInsensitive) == 0)
                return &t;
    return nullptr;
}

QString createTableSql(const TableDef& table)
{
    QStringList parts;
    for (const ColumnDef& c : table.columns) {
        const bool inKey = table.primaryKey.contains(c.name, Qt::CaseInsensitive);
        parts.append(c.name + QLatin1Char(' ') + typeSql(c) +
                     (inKey ? QStringLiteral(" NOT NULL") : QString()));
    }
    parts.append(QStringLiteral("CONSTRAINT ") + table.primaryKeyName() + QStringLiteral(" PRIMARY KEY (") +
                 table.primaryKey.join(QStringLiteral(", ")) + QLatin1Char(')'));
    return QStringLiteral("CREATE TABLE ") + table.name + QStringLiteral(" (") +
           parts.join(QStringLiteral(", ")) + QLatin1Char(')');
}

void createTable(HostDatabase& db, const TableDef& table)
{
    db.execute(createTableSql(table));
    db.forgetSchema();
}
