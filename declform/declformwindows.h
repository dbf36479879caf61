#pragma once

#include "frm947.h"
#include "reportdriver.h"

class MDIFrm;

/// Wires the windows of declform's parts into its main window once the main window has opened
/// the database: which window each command opens, and what those windows open in turn. Lives
/// as long as the main window's event loop.
class DeclformWindows {
public:
    explicit DeclformWindows(MDIFrm& mainWindow);
    DeclformWindows(const DeclformWindows&) = delete;
    DeclformWindows& operator=(const DeclformWindows&) = delete;

private:
    Frm947Hooks m_declarationHooks;
    ReportKinds m_reportKinds; // the reports the print dialog runs
};
