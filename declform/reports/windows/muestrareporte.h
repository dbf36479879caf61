#pragma once

#include "pagerange.h"

#include <QString>
#include <optional>

class QWidget;
struct AppContext;

/// MuestraReporte's mode that opens the preview; any other mode prints.
inline const QString ModoVistaPrevia = QStringLiteral("Vprevia");

/// Shows the report file `fileName` (as RegistraSpool named it) in "Presentación Preliminar"
/// when `mode` is "Vprevia", modally through the context's opener; any other mode prints it
/// without preview on the printer the user picks. `range` limits either to the pages chosen in
/// the page-range dialog.
void MuestraReporte(AppContext& ctx, const QString& fileName, const QString& mode,
                    const std::optional<PageRange>& range = std::nullopt, QWidget* parent = nullptr);
