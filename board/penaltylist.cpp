#include "board/penaltylist.h"

#include "display/captionfit.h"
#include "display/controls.h"
#include "display/twips.h"
#include "game/gamemodel.h"

namespace {

// Between section 1's caption and section 2's, clear of the credit line.
constexpr int Top = 3780;
constexpr int LineHeight = 360;
constexpr int Lefts[] = {3120, 5430};
constexpr int Width = 1005;

} // namespace

PenaltyList::PenaltyList(QWidget *board)
{
    const char *const names[] = {"lblHomePenalty", "lblGuestPenalty"};
    for (int team = 0; team < 2; ++team) {
        for (int line = 0; line < Lines; ++line) {
            auto *label = new Label(board);
            label->setObjectName(QLatin1StringView(names[team]));
            label->setProperty("index", line);
            label->setGeometry(twipsRect(Lefts[team], Top + line * LineHeight, Width, LineHeight));
            QFont font(QStringLiteral("Arial"));
            font.setBold(true);
            label->setFont(font);
            label->setAlignment((team == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            label->hide();
            m_labels[team][line] = label;
        }
    }
    m_fouledOut = new Label(board);
    m_fouledOut->setObjectName(QStringLiteral("lblFouledOut"));
    m_fouledOut->setGeometry(twipsRect(2940, 2700, 3600, 1020));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    m_fouledOut->setFont(font);
    m_fouledOut->setAlignment(Qt::AlignCenter);
    m_fouledOut->setAutoFillBackground(true);
    m_fouledOut->hide();
    m_fouledOutExpiry.setSingleShot(true);
    m_fouledOutExpiry.setInterval(FouledOutMs);
    QObject::connect(&m_fouledOutExpiry, &QTimer::timeout, m_fouledOut, &QWidget::hide);
}

void PenaltyList::showFouledOut(const QString &text, qint32 teamBgr, double pointSize)
{
    m_fouledOut->setCaption(text);
    m_fouledOut->setForeColor(teamBgr);
    m_fouledOut->setFontSize(pointSize);
    shrinkToFit(m_fouledOut, m_fouledOut->size());
    m_fouledOut->show();
    m_fouledOut->raise();
    m_fouledOutExpiry.start();
}

QString PenaltyList::timeText(qint64 ms)
{
    const qint64 seconds = (ms + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void PenaltyList::show(const GameModel &game, double pointSize)
{
    // A new size (the board was resized) fits every line again.
    const bool resized = pointSize != m_pointSize;
    m_pointSize = pointSize;
    if (resized && !m_fouledOut->isHidden()) {
        m_fouledOut->setFontSize(pointSize * FouledOutScale);
        shrinkToFit(m_fouledOut, m_fouledOut->size());
    }
    for (int team = 0; team < 2; ++team) {
        const QList<Penalty> &penalties = game.playersPart().penalties().teams.at(team);
        for (int line = 0; line < Lines; ++line) {
            Label *label = m_labels[team][line];
            const bool shown = game.hasPlayers() && line < penalties.size();
            if (shown) {
                const Penalty &penalty = penalties.at(line);
                const QString text = QLatin1Char('#') + penalty.player + QLatin1Char(' ') +
                                     timeText(game.playersPart().penaltyMs(penalty));
                if (resized || label->isHidden() || label->text() != text) {
                    label->setCaption(text);
                    label->setFontSize(pointSize);
                    shrinkToFit(label, label->size());
                }
            }
            label->setVisible(shown);
        }
    }
}

void PenaltyList::setColor(qint32 bgr)
{
    for (const auto &team : m_labels)
        for (Label *label : team)
            label->setForeColor(bgr);
}
