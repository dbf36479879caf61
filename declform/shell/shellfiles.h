#pragma once

#include <QString>
#include <optional>

struct Session;

/// Name of declform's help file, installed in the module's folder of the integrator.
inline const QString HelpFileName = QStringLiteral("declform.html");

/// Help topics of the windows, the anchors of the help file.
namespace helpcontext {
constexpr int Contents = 0;
constexpr int Bancos = 1014;
constexpr int DeclaracionesEnviadas = 1015;
constexpr int DeclaracionesRegistradas = 1016;
} // namespace helpcontext

/// RutaSistema + "0947/" + the help file name.
QString helpFilePath(const Session& session);

/// The whole text of a file the system wrote in Windows-1252 (the inconsistency list);
/// nullopt when it cannot be read.
std::optional<QString> readCp1252File(const QString& path);
