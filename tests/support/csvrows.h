#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// The fields of each row of an RFC 4180 text.
inline QList<QStringList> parseCsv(const QByteArray &bytes)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const QString text = QString::fromUtf8(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && text.mid(i + 1, 1) == QStringLiteral("\""))
                field += text.at(++i);
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << std::exchange(field, {});
        } else if (c == u'\r' && text.mid(i + 1, 1) == QStringLiteral("\n")) {
            row << std::exchange(field, {});
            rows << std::exchange(row, {});
            ++i;
        } else {
            field += c;
        }
    }
    return rows;
}
