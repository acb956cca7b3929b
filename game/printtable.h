#pragma once

#include "game/printpage.h"

#include <QFont>
#include <QList>
#include <QStringList>

// One column of a printed table, in points across the page.
struct TableColumn
{
    qreal left = 0;
    qreal width = 0;

    bool operator==(const TableColumn &) const = default;
};

// The columns of a table `width` points wide from `left`: the first, for the
// rows' names, takes `nameShare` of the width, and `values` columns share the
// rest evenly, so the table ends where it was told to however many there are.
QList<TableColumn> tableColumns(qreal left, qreal width, qreal nameShare, qsizetype values);

// A table on a printed page, drawn row by row downwards: each row a name and
// its values, the values of every column aligned alike, a rule under each
// row (and above the first, unless the look says otherwise).
class PrintTable
{
public:
    struct Look
    {
        QFont head;    // the heading rows'
        QFont cell;    // every other row's
        qreal padding; // points above a row's text; as much again below it
        Qt::Alignment values;
        bool ruleAbove = true; // above the first row
    };

    PrintTable(PrintPage &page, qreal top, const QList<TableColumn> &columns, const Look &look);

    // A row in the heading's font; a row may have fewer values than columns.
    void head(const QString &name, const QStringList &values = {});
    void row(const QString &name, const QStringList &values);
    // Where the table ends: its last rule.
    qreal bottom() const { return m_y; }

private:
    void print(const QFont &font, const QString &name, const QStringList &values);
    void rule();

    PrintPage &m_page;
    QList<TableColumn> m_columns;
    Look m_look;
    qreal m_rowHeight;
    qreal m_y;
};
