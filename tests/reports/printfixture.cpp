#include "printfixture.h"

#include "clitestkit.h"
#include "clock.h"
#include "hostdatabase.h"
#include "integrity.h"
#include "moduleparameters.h"
#include "printeddeclaration.h"
#include "session.h"
#include "spool.h"
#include "vbformat.h"

namespace {
const QDateTime FixedNow(QDate(2005, 5, 20), QTime(10, 11, 12));
const QString Form = QStringLiteral("0947");

QVariantMap receiptKey(const QString& subject, const QString& serie, const QString& numero)
{
    return {{QStringLiteral("num_doc_per"), subject},
            {QStringLiteral("num_serie_cp"), serie},
            {QStringLiteral("num_cp"), numero}};
}

/// An empty text is stored as an empty text, not as null.
QString stored(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QVariantMap merged(QVariantMap row, const QVariantMap& more)
{
    row.insert(more);
    return row;
}
} // namespace

TestDeclaration::TestDeclaration(QString ruc, QString periodo)
    : m_ruc(std::move(ruc)), m_periodo(std::move(periodo))
{
}

TestDeclaration& TestDeclaration::sent(const QString& correl, const QString& norden, const QString& control,
                                       int estado)
{
    m_sent = true;
    m_correl = correl;
    m_norden = norden;
    m_control = control;
    m_estado = estado;
    return *this;
}

TestDeclaration& TestDeclaration::company(const QString& ruc, const QString& razon, const QString& base,
                                          const QString& perception)
{
    person(ruc, QString(), QString(), QString(), base, perception);
    m_rows.last().second.insert(QStringLiteral("des_razon"), razon);
    return *this;
}

TestDeclaration& TestDeclaration::person(const QString& ruc, const QString& apellidoP,
                                         const QString& apellidoM, const QString& nombres,
                                         const QString& base, const QString& perception)
{
    // As saving leaves them: the parts of the name that do not apply are empty texts.
    m_rows.append({QStringLiteral("F947PCAB"),
                   {{QStringLiteral("tip_doc_per"), 6},
                    {QStringLiteral("num_doc_per"), ruc},
                    {QStringLiteral("des_razon"), QStringLiteral("")},
                    {QStringLiteral("des_apellido_p"), stored(apellidoP)},
                    {QStringLiteral("des_apellido_m"), stored(apellidoM)},
                    {QStringLiteral("des_nombres"), stored(nombres)},
                    {QStringLiteral("ctd_docs"), 1},
                    {QStringLiteral("mto_base_p"), base},
                    {QStringLiteral("mto_imp_p"), perception},
                    {QStringLiteral("ind_ruc"), 1}}});
    return *this;
}

TestDeclaration& TestDeclaration::receipt(const QString& subject, const QString& serie, const QString& numero,
                                          const QString& base, const QString& perception)
{
    m_rows.append({QStringLiteral("F947PDET"), merged(receiptKey(subject, serie, numero),
                                                      {{QStringLiteral("tip_doc_per"), 6},
                                                       {QStringLiteral("fec_emision_cp"), Issued},
                                                       {QStringLiteral("mto_base_p"), base},
                                                       {QStringLiteral("por_tasa_p"), QStringLiteral("0.02")},
                                                       {QStringLiteral("mto_imp_p"), perception}})});
    return *this;
}

TestDeclaration& TestDeclaration::voucher(const QString& subject, const QString& serie, const QString& numero,
                                          const QString& tipo, const QString& serieV, const QString& numeroV,
                                          const QString& monto)
{
    m_rows.append(
        {QStringLiteral("F947PDETCP"),
         merged(receiptKey(subject, serie, numero), {{QStringLiteral("tip_doc_detcp"), tipo},
                                                     {QStringLiteral("num_serie_detcp"), serieV},
                                                     {QStringLiteral("num_detcp"), numeroV},
                                                     {QStringLiteral("fec_emis_detcp"), Issued.addDays(-5)},
                                                     {QStringLiteral("mto_detcp"), monto}})});
    return *this;
}

TestDeclaration& TestDeclaration::cashSale(const QString& subject, const QString& serie,
                                           const QString& numero, const QString& tipo, const QString& base,
                                           const QString& perception)
{
    receipt(subject, serie, numero, base, perception);
    m_rows.last().first = QStringLiteral("F947PDETVC");
    m_rows.last().second.insert(QStringLiteral("tip_cp"), tipo);
    return *this;
}

TestDeclaration& TestDeclaration::companies(int count)
{
    box(500, QStringLiteral("01")).box(501, QString::number(count));
    for (int i = 1; i <= count; ++i)
        company(QStringLiteral("206000000%1").arg(i, 2, 10, QLatin1Char('0')),
                QStringLiteral("ESTACION DE SERVICIO NUMERO %1").arg(i), QStringLiteral("100.00"),
                QStringLiteral("2.00"));
    return *this;
}

TestDeclaration& TestDeclaration::box(int casilla, const QString& value)
{
    m_boxes.insert(casilla, value);
    return *this;
}

TestDeclaration& TestDeclaration::cash(const QString& amount)
{
    m_header = {{QStringLiteral("bcolibrad"), QStringLiteral(" ")},
                {QStringLiteral("nrocheque"), QStringLiteral(" ")},
                {QStringLiteral("cheque"), QStringLiteral("")},
                {QStringLiteral("efectivo"), amount}};
    return *this;
}

TestDeclaration& TestDeclaration::cheque(const QString& bank, const QString& number, const QString& amount)
{
    m_header = {{QStringLiteral("bcolibrad"), bank},
                {QStringLiteral("nrocheque"), number},
                {QStringLiteral("cheque"), amount},
                {QStringLiteral("efectivo"), QStringLiteral("")}};
    return *this;
}

QVariantMap TestDeclaration::keyed() const
{
    QVariantMap key{{QStringLiteral("tip_doc_d"), 6},
                    {QStringLiteral("doc_id_d"), m_ruc},
                    {QStringLiteral("periodo"), m_periodo},
                    {QStringLiteral("formulario"), Form}};
    if (m_sent)
        key.insert(QStringLiteral("correl"), m_correl);
    return key;
}

void TestDeclaration::store(HostDatabase& db) const
{
    const QString prefix = m_sent ? QStringLiteral("H") : QString();
    Transaction transaction(db);
    QVariantMap header = merged(keyed(), m_header);
    header.insert({{QStringLiteral("rectifica"), m_boxes.value(871, QStringLiteral("0"))},
                   {QStringLiteral("fec_pro"), Issued},
                   {QStringLiteral("estado"), m_estado}});
    if (m_sent)
        header.insert({{QStringLiteral("norden"), m_norden},
                       {QStringLiteral("control"), m_control},
                       {QStringLiteral("fec_env"), Issued.addDays(10)}});
    insertRow(db, prefix + QStringLiteral("CAB"), header);
    for (auto box = m_boxes.cbegin(); box != m_boxes.cend(); ++box)
        insertRow(db, prefix + QStringLiteral("DET"),
                  merged(keyed(), {{QStringLiteral("casilla"), Format(box.key(), QStringLiteral("000"))},
                                   {QStringLiteral("i_valor"), box.value()},
                                   {QStringLiteral("idcasilla"),
                                    box.key() == 410 ? QStringLiteral("05") : QStringLiteral("01")}}));
    for (const auto& [table, columns] : m_rows)
        insertRow(db, prefix + table, merged(keyed(), columns));
    transaction.commit();
}

DeclarationRow TestDeclaration::row() const
{
    DeclarationRow row;
    row.ruc = m_ruc;
    row.periodo = m_periodo;
    row.formulario = Form;
    row.estado = QString::number(m_estado);
    row.norden = m_norden;
    row.control = m_control;
    row.correl = m_correl;
    return row;
}

PrintHost::PrintHost() : ctx{host.session(), host.db(), host.messages(), host.host(), opener}
{
    Clock::setNow(FixedNow);
    for (const ParameterRow& row : moduleParameterRows())
        insertRow(host.db(), QStringLiteral("PARAM"),
                  {{QStringLiteral("Numero"), row.numero},
                   {QStringLiteral("Argumento"), row.argumento},
                   {QStringLiteral("Funcion"), row.funcion},
                   {QStringLiteral("Correl_Param"), row.correlParam}});
    addDeclarationReports(
        kinds, [this]() -> HostDatabase& { return host.db(); }, host.host());
}

PrintHost::~PrintHost()
{
    Clock::setNow(QDateTime());
}

QString PrintHost::writeReport(const TestDeclaration& declaration, ReporteElegido report, int* pages)
{
    DeclarationRow row = declaration.row();
    row.nombre = QStringLiteral("DISTRIBUIDORA ANDINA S.A.C.");
    PrintedDeclaration printed = printedDeclarationOf(row, declaration.isSent());
    CargarCasillas(host.db(), printed);
    const bool anexos = report == ReporteElegido::Anexos;
    const QString path = reportFilePath(
        host.session(), RegistraSpool(host.db(), anexos ? reportcode::Annexes : reportcode::Declaration, 6,
                                      row.ruc, host.session().usuarioSistema));
    const ReportRun run =
        ImprimeReporte(kinds, host.messages(), anexos ? reportkind::Annexes : reportkind::Declaration, path,
                       QVariant::fromValue(printed));
    if (pages)
        *pages = run.pages;
    return run.ok ? path : QString();
}

CheckedReport PrintHost::checkReport(const QList<TestDeclaration>& stored, ReporteElegido report,
                                     const QString& golden)
{
    CheckedReport checked;
    for (const TestDeclaration& d : stored)
        d.store(host.db());
    const QString path = writeReport(stored.first(), report, &checked.pages);
    if (path.isEmpty()) {
        checked.failure =
            QStringLiteral("the report failed: ") + host.messages().texts().join(QLatin1Char('\n'));
        return checked;
    }
    checked.failure = compareWithGolden(fileLines(path), QStringLiteral("reports"), golden);
    if (const std::optional<ReportMarkup> markup = readMarkupFile(path))
        checked.markup = *markup;
    else if (checked.failure.isEmpty())
        checked.failure = QStringLiteral("the report file cannot be read: ") + path;
    return checked;
}
