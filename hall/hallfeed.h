#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

// What the hall knows of its courts, from what they publish under
// corvella/v1/{venue}/{court}/: whether each is online, its last state, the
// lines of each game's log (a court sends its whole log again after every
// reconnection: a line already held, by game and number, is dropped), and
// the finished games. The logs are kept on disk in a board's own format,
// one folder per court, so that a restarted hall still has the day's games
// and the printed result reads them. A message that does not read is
// ignored, and told once per topic.
class HallFeed : public QObject
{
    Q_OBJECT

public:
    struct Court
    {
        QString name;
        bool online = false;
        QJsonObject state;
    };
    struct Result
    {
        QString court;
        QString game;
        QString home;
        QString guest;
        QJsonArray scores;
        QDateTime finished; // when the hall learnt of it
    };

    // `folder` holds the courts' folders; it is read back at once.
    HallFeed(const QString &venue, const QString &folder, QObject *parent = nullptr);

    // Where a hall keeps a venue's games under a state folder.
    static QString folderFor(const QString &stateFolder, const QString &venue);
    // Whether a court's or a game's name from the broker can name a file.
    static bool isSafeName(const QString &name);

    // One message from the broker, on this object's thread.
    void receive(const QString &topic, const QByteArray &payload);

    // By name, in natural order ("2" before "10").
    QList<Court> courts() const;
    std::optional<Court> court(const QString &name) const;
    // {"court", "online", "state"}; the state is null until one arrives.
    static QJsonObject courtJson(const Court &court);
    // The day's finished games, newest first.
    QList<Result> results() const;
    // The game's log on disk, or empty when the hall has none.
    QString logPath(const QString &court, const QString &game) const;
    // {"courts": [{"court", "online", "state"}], "results": [{"court",
    // "game", "home", "guest", "scores"}]}.
    QJsonObject toJson() const;

signals:
    void courtChanged(const QString &court);
    // A court's game reached its final and is on the results from now on.
    void finished(const QString &court, const QString &game);
    void resultsChanged();

private:
    struct Game
    {
        QMap<int, QByteArray> lines; // by n, without the game's name
        QJsonObject header;
    };
    struct CourtRecord
    {
        // Said something since the hall started: a court of another day,
        // known only from its folder, is not shown.
        bool heard = false;
        bool online = false;
        QJsonObject state;
        QHash<QString, Game> games;
    };

    void load();
    void loadGame(const QString &court, const QString &path);
    bool receiveOnline(CourtRecord &court, const QByteArray &payload);
    bool receiveState(CourtRecord &court, const QByteArray &payload);
    bool receiveLine(const QString &courtName, CourtRecord &court, const QByteArray &payload);
    bool receiveResult(const QString &courtName, CourtRecord &court, const QByteArray &payload);
    QString gameOfResult(const CourtRecord &court, const QJsonObject &result) const;
    void addResult(const QString &court, const QString &game, const QJsonObject &result);
    void writeLine(const QString &court, const QString &game, const Game &record, int n);
    void ignore(const QString &topic, const char *why);
    QString courtFolder(const QString &court) const;

    QString m_root; // "corvella/v1/{venue}/"
    QString m_folder;
    QMap<QString, CourtRecord> m_courts;
    QList<Result> m_results; // oldest first
    QSet<QString> m_told;
};
