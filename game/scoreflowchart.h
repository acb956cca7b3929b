#pragma once

#include "game/gamefigures.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPainter;

// The margin over the game's played time as one line, above the middle
// line while the home team leads, on bands that mark the periods, each lead
// change ringed; for a match in sets, one chart a set over its points.
// Black on white and grey, told by position and words, never by colour
// alone, so it reads printed in black and white. Drawn once with QPainter:
// on a printed page, and as SVG for the pages.
class ScoreFlowChart
{
public:
    // `text` of `context` translated, or `text` itself when there is none.
    using Words = std::function<QString(const char *context, const char *text)>;
    static Words programWords();

    ScoreFlowChart(const GameFigures &figures, QString home, QString guest, int periods,
                   Words words = programWords());

    // What there is to draw: 0 for the whole game, or each set played.
    QList<int> charts() const;
    // Draws chart `part` (as charts() names it) into `box`, its texts
    // `fontSize` units high.
    void paint(QPainter &painter, const QRectF &box, int part, qreal fontSize) const;
    // The same as an <svg> element to stand inside a page: attributes only,
    // no style attribute or element, sized by its view box.
    QByteArray svg(int part, QSizeF size = {640, 220}, qreal fontSize = 12) const;
    // What the chart is of, for its title: "Score flow", "Set 2".
    QString title(int part) const;

    // The figures as a small table: each row's name and its values, home's
    // then the guests', or one for the whole game.
    struct FigureRow
    {
        QString name;
        QStringList values;
    };
    QList<FigureRow> figureRows() const;

private:
    QString word(const char *text) const { return m_words("ScoreFlowChart", text); }
    QString periodLabel(int period) const;
    QString momentText(const FlowMoment &at) const;

    GameFigures m_figures;
    QString m_home;
    QString m_guest;
    int m_periods = 0;
    Words m_words;
};

// The charts of the game logged at `path` as <figure class="flow"> elements
// to stand in a page, in the language of `words`; empty when the log does
// not read or no score was made.
QByteArray scoreFlowFigures(const QString &path,
                            ScoreFlowChart::Words words = ScoreFlowChart::programWords());

// Rewrites an SVG document as one <svg> element `size` pixels large whose
// every style attribute has become presentation attributes, with `label`
// for readers that do not see it; empty when `svg` does not read.
QByteArray inlineSvg(const QByteArray &svg, QSizeF size, const QString &label);
