#pragma once

#include <QString>
#include <stdexcept>

class HostDatabase;
class Messages;

/// A saved declaration that cannot be brought up to the current version.
class VersionUpdateError : public std::runtime_error {
public:
    explicit VersionUpdateError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromUtf8(what()); }
};

/// The form version saved declarations are brought up to (box 721).
inline const QString CurrentFormVersion = QStringLiteral("1.2");

/// Brings the saved declarations of form 0947 from period 200504 on up to the current version,
/// all in one transaction: a declaration at an earlier version, or at the current one for
/// period 200504, gets its perceptions recomputed at the rate 0.009901, its boxes rewritten and
/// its header marked with state 9. Answers how many declarations changed. On any failure
/// nothing of the update stays and the error (DbError or VersionUpdateError) is thrown.
int updateSavedDeclarations(HostDatabase& db);

/// Recomputes the perceptions of one saved declaration and rewrites its boxes; false when it
/// has no perception to declare (no receipts or cash sales), in which case nothing changes.
bool recomputeDeclaration(HostDatabase& db, const QString& ruc, const QString& period);

/// Writes one box of a saved declaration (DET), with its integrity code; an empty value
/// writes nothing. Box 721 keeps its text, the others are stored as whole numbers.
void GrabaCasillaInstalador(HostDatabase& db, const QString& box, const QString& value, const QString& ruc,
                            const QString& period);

/// The installer's version step: runs the update and, when it fails, shows the installer's
/// message. False when the update was rolled back.
bool runVersionUpdate(HostDatabase& db, Messages& messages);

namespace installertext {
inline const QString UpdateFailed = QStringLiteral("Error en la actualización del KOVA 0947") +
                                    QLatin1Char('\n') + QStringLiteral("           Intente nuevamente");
inline const QString ErrorTitle = QStringLiteral("ERROR:");
} // namespace installertext
