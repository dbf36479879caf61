#pragma once

#include <QMap>
#include <QString>
#include <QVariantList>

class HostDatabase;

/// A small saved declaration of declarant 20100123453, period 200506: its header, the boxes
/// given, one subject with a receipt, the receipt's voucher and a cash sale.
namespace sample {
inline const QString Ruc = QStringLiteral("20100123453");
inline const QString Period = QStringLiteral("200506");

/// Boxes that agree with the detail, as the consistency check wants them.
QMap<QString, QString> consistentBoxes();
void saveDeclaration(HostDatabase& db, const QMap<QString, QString>& boxes);
int count(HostDatabase& db, const QString& table, const QString& extra = QString(),
          const QVariantList& values = {});
} // namespace sample
