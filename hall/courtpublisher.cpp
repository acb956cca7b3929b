#include "hall/courtpublisher.h"

#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "game/gamerecord.h"
#include "game/gamestructure.h"
#include "hall/courtlink.h"
#include "settings/currentsettings.h"
#include "web/boardstate.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

QString hallGameName(const QString &logPath)
{
    return logPath.isEmpty() ? QString() : QFileInfo(logPath).completeBaseName();
}

CourtPublisher::CourtPublisher(CourtLink &link, const GameModel &game,
                               const CurrentSettings &settings, GameLog *log, QObject *parent)
    : QObject(parent), m_link(link), m_game(game), m_settings(settings), m_log(log)
{
    m_runningStates.setInterval(RunningStateMs);
    connect(&m_runningStates, &QTimer::timeout, this, &CourtPublisher::publishState);
    connect(&game, &GameModel::changed, this, &CourtPublisher::gameChanged);
    connect(&settings, &CurrentSettings::changed, this, &CourtPublisher::publishState);
    if (log) {
        connect(log, &GameLog::lineAppended, this,
                [this](const QString &path, const QByteArray &line) {
                    m_link.publishLogLine(hallGameName(path), line);
                });
    }
    gameChanged();
}

void CourtPublisher::resumeFrom(const QString &logPath)
{
    QFile file(logPath);
    QList<QByteArray> lines;
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd()) {
            const QByteArray line = file.readLine(GameRecord::MaxFileBytes).trimmed();
            if (!line.isEmpty())
                lines.append(line);
        }
    }
    m_link.resumeGame(hallGameName(logPath), lines);
    publishState();
}

void CourtPublisher::gameChanged()
{
    if (m_game.isRunning() != m_runningStates.isActive()) {
        if (m_game.isRunning())
            m_runningStates.start();
        else
            m_runningStates.stop();
    }
    publishState();
    // The step that ended the game reaches the log after this change.
    if (m_game.phase() == GamePhase::Final)
        QMetaObject::invokeMethod(this, &CourtPublisher::publishResultOnce, Qt::QueuedConnection);
    else
        m_resultSentFor.clear(); // an undone final is played on and ends again
}

void CourtPublisher::publishState()
{
    m_link.publishState(BoardState::snapshot(m_game, m_settings.value()));
}

void CourtPublisher::publishResultOnce()
{
    const QString game = hallGameName(m_log ? m_log->currentPath() : QString());
    if (game.isEmpty() || game == m_resultSentFor)
        return;
    const std::optional<GameRecord> record = GameRecord::fromLines(m_link.lines());
    if (!record)
        return;
    m_resultSentFor = game;
    m_link.publishResult(record->toJson());
}
