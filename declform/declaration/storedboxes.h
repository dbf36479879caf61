#pragma once

#include "declarationkey.h"

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class HostDatabase;

/// What a stored declaration keeps besides its detail: its boxes and its payment data.
struct StoredBoxes {
    QList<QPair<int, QString>> boxes; ///< box number and value (trimmed), in box order
    bool hasHeader = false;           ///< a header row (CAB, or HCAB of the sending) exists
    QString banco;                    ///< bcolibrad
    QString numeroCheque;             ///< nrocheque, trimmed
};
/// The boxes (DET, or HDET of the sending) and the payment data of the header row.
StoredBoxes leeCasillas(HostDatabase& db, const StoredDeclaration& declaration);

/// The order number of a sent declaration's sending in HCAB ("0" when it has none yet), or
/// nothing when the sending is not there.
std::optional<QString> numeroOrdenRegistrado(HostDatabase& db, const StoredDeclaration& declaration);
