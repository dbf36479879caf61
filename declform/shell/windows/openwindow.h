#pragma once

#include "declarationlist.h"

#include <QApplication>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;
struct AppContext;

/// Sizes of the windows are given in twips: 15 to a pixel at 96 dpi.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}

/// The hourglass while a window is created and loads.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

/// The windows other parts of declform provide. The commands that open them stay disabled
/// until main sets them.
struct ShellWindows {
    /// The declaration window Frm947, for a new declaration (no row) or the row chosen in a chooser.
    using DeclarationFactory =
        std::function<std::unique_ptr<QDialog>(QWidget& parent, const std::optional<DeclarationRow>& chosen)>;
    /// The print dialog frmImprimir, for saved or sent declarations as the session says.
    using PrintFactory = std::function<std::unique_ptr<QDialog>(QWidget& parent)>;

    DeclarationFactory declaration;
    PrintFactory print;
};

/// Opens a freshly created window modally over its parent: the hourglass shows while it is
/// created and loads, and a database error while loading is shown in the system's error box
/// instead. Answers the window's result, or -1 when it could not be created.
int openFresh(AppContext& context, const std::function<std::unique_ptr<QDialog>()>& create);

/// The title of the box that reports a failed command.
inline const QString ErrorTitle = QStringLiteral("Error");
