#pragma once

#include <QDate>
#include <QList>
#include <QString>

class HostDatabase;
struct Session;

/// One declaration as the choosers list it: a saved one (CAB) or one sending of a sent one
/// (HCAB). The fields of the other kind stay empty.
struct DeclarationRow {
    QString ruc;        ///< doc_id_d of the declarant
    QString nombre;     ///< the declarant's name in CONT
    QString periodo;    ///< YYYYMM, as stored
    QString formulario; ///< "0947"
    QString rectifica;
    QString estado; ///< saved: "0" complete, "9" payment data incomplete or recomputed
    QString norden; ///< sent: order number assigned by VALDEX
    QDate fecEnv;   ///< sent: date of the sending
    QString control;
    QString correl; ///< sent: number of the sending

    bool operator==(const DeclarationRow&) const = default;

    /// The period as the lists show it, MMYYYY.
    QString periodoMMYYYY() const { return periodoMostrado(periodo); }
    static QString periodoMostrado(const QString& yyyymm) { return yyyymm.mid(4, 2) + yyyymm.left(4); }
    /// A period shown as MMYYYY turned back into its stored form YYYYMM.
    static QString periodoClave(const QString& mmyyyy) { return mmyyyy.right(4) + mmyyyy.left(2); }
};

/// The orders in which the saved declarations can be listed.
enum class ListOrder { Periodo, Ruc, Nombre };

/// The saved declarations of the session's form that the session's user may see (a user whose
/// type is not "0" sees only his own declarants), newest period first unless `order` says
/// otherwise.
QList<DeclarationRow> listSavedDeclarations(HostDatabase& db, const Session& session,
                                            ListOrder order = ListOrder::Periodo);
/// The sendings of the session's form that the user may see, by declarant and period.
QList<DeclarationRow> listSentDeclarations(HostDatabase& db, const Session& session);
