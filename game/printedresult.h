#pragma once

#include "game/gamefigures.h"
#include "game/gamerecord.h"
#include "game/gametally.h"
#include "game/playertally.h"
#include "game/recordsheet.h"

#include <QPageSize>
#include <QStringList>

class QIODevice;
class PrintPage;
class QPdfWriter;
class ScoreFlowChart;

// What the printed result of a game shows, gathered from its steps one at a
// time: the totals and the score changes (the newest when there are very
// many).
class PrintedResult
{
public:
    static constexpr int MaxChangesShown = 4000;

    explicit PrintedResult(const GameRecord &header);
    void add(const GameLogEntry &e);
    void setDamagedLines(int lines) { m_damagedLines = lines; }
    // The score changes listed, oldest first.
    const QStringList &changes() const { return m_changes; }

    // The summary on the first page, the score changes after it and on
    // further pages as they need.
    void print(QPdfWriter &writer) const;

private:
    QString changeText(const GameLogEntry &e, const GameTally::Scores &scores) const;
    bool sectionTwoShown() const;
    qreal printTitle(PrintPage &page) const;
    qreal printFinal(PrintPage &page, qreal y) const;
    static void printSide(PrintPage &page, const QRectF &box, Qt::Alignment align,
                          const QFont &font, const QString &name, const std::optional<Team> &team);
    qreal printPeriods(PrintPage &page, qreal y) const;
    qreal printSets(PrintPage &page, qreal y) const;
    static qreal printHeading(PrintPage &page, qreal y, const QString &text);
    qreal printTimeouts(PrintPage &page, qreal y) const;
    qreal printFigures(PrintPage &page, qreal y) const;
    qreal printBoxScore(PrintPage &page, qreal y) const;
    qreal printChart(PrintPage &page, qreal y) const;
    ScoreFlowChart chart() const;
    qreal printBlanks(PrintPage &page, qreal y) const;
    void printChanges(PrintPage &page, qreal y) const;

    GameRecord m_header;
    RecordSheet m_sheet;
    GameTally m_tally;
    QStringList m_changes;
    qsizetype m_changesLeftOut = 0;
    int m_lastChangeNumber = -1; // the step the newest change came from
    bool m_sectionTwoUsed = false;
    int m_damagedLines = 0;
    // The runs, leads and ties, and with the players on what each did.
    GameFigures m_figures;
    // A match in sets: each set's points, as its end was logged.
    QList<std::array<int, 2>> m_sets;
};

// The page a printed result goes on where the program runs: Letter where
// the locale measures in inches, A4 elsewhere.
QPageSize localPageSize();

// Writes `result` to `out` as a PDF titled with the game's teams.
bool writeResultPdf(const PrintedResult &result, const GameRecord &header, const QPageSize &page,
                    QIODevice &out);

// The printable result of `record` as PDF: its summary on one page, a long
// list of score changes on further pages.
QByteArray gamePdf(const GameRecord &record, const QPageSize &page = localPageSize());
