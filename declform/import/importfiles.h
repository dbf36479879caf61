#pragma once

#include <QString>

/// The two kinds of detail file the import reads.
enum class ImportKind {
    Receipts = 0,  ///< one payment voucher behind a perception receipt per line (14 fields)
    CashSales = 1, ///< one payment voucher that is itself the perception receipt per line (10 fields)
};

/// Fields a line of the kind must hold.
int fieldCount(ImportKind kind);

/// "0947" + RUC + period, then "VC" for cash sales: 094720000000001200506VC.
QString importBaseName(const QString& formulario, const QString& ruc, const QString& periodo,
                       ImportKind kind);

/// The three files of one import: the file read and the log and error files written beside it.
struct ImportPaths {
    QString input; ///< folder + base name + ".TXT"
    QString log;   ///< reports folder + base name + ".Log"
    QString error; ///< reports folder + base name + ".Err"
};

/// Builds the paths; a separator is put between folder and name unless the folder ends with one.
ImportPaths importPaths(const QString& folder, const QString& rutaReportes, const QString& baseName);

/// The input file as it exists on disk: the exact name, else the one name in its folder that
/// differs only in case (files made on systems that ignore case arrive as ".txt"); empty when
/// there is none.
QString existingInputFile(const QString& path);

/// Field 1, field 6 and field 7 of a line exactly as written, joined by blanks: the key that
/// names a refused line in the error file ("20000000001 1 25").
QString errorKey(const QString& rawLine);
