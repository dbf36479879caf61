#pragma once

#include <QString>
#include <QStringList>

namespace testsupport {
/// Compares `lines` (volatile parts already masked) with the golden file at `path`, a UTF-8
/// text of one line each: an empty text when they match, else the first line that differs.
/// A missing golden file is a difference. With UPDATE_GOLDEN=1 in the environment the golden
/// file is written from `lines` instead, the one way a golden file changes.
QString compareWithGoldenFile(const QStringList& lines, const QString& path);
} // namespace testsupport
