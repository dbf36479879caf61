#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// How the detail stores write and read values of the working tables.

/// The document type of every subject: the RUC.
inline constexpr int RucDocumentType = 6;

/// An empty text that is stored as "", never as null.
inline const QString EmptyText = QString::fromLatin1("", 0);

/// A text for a key or name column: "" when there is none.
inline QString keyText(const QString& text)
{
    return text.isNull() ? EmptyText : text;
}

/// A date typed "dd/mm/yyyy" as it is stored.
inline QDate storedDate(const QString& text)
{
    return QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
}

/// A stored date as the lists show it, "dd/mm/yyyy".
inline QString shownDate(const QVariant& value)
{
    const QDate date = QDate::fromString(value.toString().left(10), Qt::ISODate);
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : value.toString();
}

/// An amount text for an amount column: null when the field was left empty.
inline QVariant amountOrNull(const QString& text)
{
    return text.trimmed().isEmpty() ? QVariant() : QVariant(text);
}
