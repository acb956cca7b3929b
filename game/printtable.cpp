#include "game/printtable.h"

namespace {

// Between a cell's text and the column's edges, in points.
constexpr qreal CellInset = 2;

} // namespace

QList<TableColumn> tableColumns(qreal left, qreal width, qreal nameShare, qsizetype values)
{
    const qreal nameWidth = width * nameShare;
    QList<TableColumn> columns{{left, nameWidth}};
    const qreal valueWidth = values > 0 ? (width - nameWidth) / qreal(values) : 0;
    for (qsizetype i = 0; i < values; ++i)
        columns.append({left + nameWidth + qreal(i) * valueWidth, valueWidth});
    return columns;
}

PrintTable::PrintTable(PrintPage &page, qreal top, const QList<TableColumn> &columns,
                       const Look &look)
    : m_page(page), m_columns(columns), m_look(look),
      m_rowHeight(page.height(look.cell) + 2 * look.padding), m_y(top)
{
    if (look.ruleAbove)
        rule();
}

void PrintTable::head(const QString &name, const QStringList &values)
{
    print(m_look.head, name, values);
}

void PrintTable::row(const QString &name, const QStringList &values)
{
    print(m_look.cell, name, values);
}

void PrintTable::print(const QFont &font, const QString &name, const QStringList &values)
{
    const auto cell = [&](qsizetype column) {
        const TableColumn &c = m_columns.at(column);
        return QRectF(c.left + CellInset, m_y + m_look.padding, c.width - 2 * CellInset,
                      m_rowHeight);
    };
    m_page.text(cell(0), Qt::AlignLeft, font, name);
    for (qsizetype i = 0; i < values.size() && i + 1 < m_columns.size(); ++i)
        m_page.text(cell(i + 1), int(m_look.values), font, values.at(i));
    m_y += m_rowHeight;
    rule();
}

void PrintTable::rule()
{
    const TableColumn &last = m_columns.last();
    m_page.line({m_columns.first().left, m_y}, {last.left + last.width, m_y});
}
