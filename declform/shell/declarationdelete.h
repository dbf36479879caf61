#pragma once

class HostDatabase;
struct DeclarationRow;

/// Deletes a saved declaration: its boxes (DET), header (CAB), payment vouchers, receipts,
/// cash sales and subjects. All of it goes, or nothing does. Throws DbError.
void deleteSavedDeclaration(HostDatabase& db, const DeclarationRow& declaration);
/// Deletes one sending of a sent declaration (its `correl`) from the history tables, all of it
/// or nothing; other sendings of the same period stay. Throws DbError.
void deleteSentDeclaration(HostDatabase& db, const DeclarationRow& declaration);
