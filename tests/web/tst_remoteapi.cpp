#include "game/gamehistory.h"
#include "game/gamelog.h"
#include "game/gamemodel.h"
#include "settings/appsettings.h"
#include "settings/currentsettings.h"
#include "teams/teamlibrary.h"
#include "tests/support/fakes.h"
#include "web/boardserver.h"
#include "web/boardstate.h"
#include "web/eventschannel.h"
#include "web/livechannel.h"
#include "web/remoteapi.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

using namespace Qt::StringLiterals;

namespace {

const QString Token = u"0123456789abcdef0123456789abcdef"_s;

Settings apiSettings()
{
    Settings s = defaultSettings();
    s.Api = 1;
    s.ApiToken = Token;
    return s;
}

// A library of one team whose logo is a plain red square.
QString writeTeamLibrary(const QTemporaryDir &dir)
{
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(QColor(0xff, 0x22, 0));
    logo.save(dir.filePath(u"tsv.png"_s));
    const Team team{u"TSV Neustadt"_s, u"TSV"_s,     QColor(0xff, 0x22, 0),
                    QColor(Qt::white), u"tsv.png"_s, QList<Player>{}};
    TeamLibrary::write(team, dir.path());
    return dir.path();
}

struct ApiGame
{
    ManualTimeSource time;
    GameModel game{time};
    GameHistory history{game};
    CurrentSettings settings{apiSettings()};
    LiveChannel live{game, history, settings, time};
    RemoteApi api{game, history, settings, live, time};
    EventsChannel events{api, game, settings};
    BoardServer server{live};
    int buzzes = 0;
    QTemporaryDir teams;

    ApiGame()
    {
        QObject::connect(&api, &RemoteApi::buzzerRequested, &api, [this] { ++buzzes; });
        server.setApi(&api);
        server.setEvents(&events);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    }

    struct Reply
    {
        int status = 0;
        QByteArray head;
        QJsonObject json;
        QByteArray body;
    };

    // One request on a connection of its own, from `from` (any 127/8 address
    // reaches 127.0.0.1).
    Reply call(const QByteArray &method, const QByteArray &path, const QByteArray &body = {},
               const QString &token = Token, const QString &from = u"127.0.0.1"_s)
    {
        QTcpSocket socket;
        socket.bind(QHostAddress(from));
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        QByteArray request = method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
        if (!token.isNull())
            request += "Authorization: Bearer " + token.toLatin1() + "\r\n";
        request += "Content-Length: " + QByteArray::number(body.size()) +
                   "\r\nConnection: close\r\n\r\n" + body;
        socket.write(request);
        QByteArray got;
        (void)QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return socket.state() == QAbstractSocket::UnconnectedState;
            },
            5000);
        got += socket.readAll();
        Reply reply;
        const qsizetype end = got.indexOf("\r\n\r\n");
        reply.status = got.mid(9, 3).toInt();
        reply.head = got.left(end);
        reply.body = got.mid(end + 4);
        reply.json = QJsonDocument::fromJson(reply.body).object();
        return reply;
    }
};

// A button panel on the events channel: every message it got, as JSON.
class EventsClient : public QObject
{
public:
    QWebSocket socket;
    QList<QJsonObject> messages;
    bool closed = false;

    EventsClient()
    {
        connect(&socket, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
            messages.append(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        connect(&socket, &QWebSocket::disconnected, this, [this] { closed = true; });
    }
    // With the token as a header, or in the address when `inQuery`.
    void open(quint16 port, const QString &token, bool inQuery = false)
    {
        QUrl url(u"ws://127.0.0.1:%1/api/v1/events"_s.arg(port));
        if (inQuery)
            url.setQuery(u"token="_s + token);
        QNetworkRequest request(url);
        if (!inQuery && !token.isEmpty())
            request.setRawHeader("Authorization", "Bearer " + token.toLatin1());
        socket.open(request);
    }
    QList<QJsonObject> ofType(const QString &type) const
    {
        QList<QJsonObject> found;
        for (const QJsonObject &message : messages)
            if (message[u"type"_s].toString() == type)
                found.append(message);
        return found;
    }
};

enum Prep {
    None,
    Periods,
    Break,
    ClockAtZero,
    Acted,
    Undone,
    ApiOff,
    Running,
    Held,
    NotLogged,
    ShotOn,
    ShotRunning,
    Teams,
    TeamsChosen,
    ShotHeld,
    ShotUnlinked,
    ShotNoShort,
    PlayersOn,
    PlayersRunning,
    PlayersInSets,
    SetsOn,
    SetPoint,
    SetsFinal
};

} // namespace

// The API on 127.0.0.1, spoken to in raw HTTP.
class TestRemoteApi : public QObject
{
    Q_OBJECT

private slots:
    void endpoints_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("prep");
        QTest::addColumn<int>("status");
        // Where the answer's state shows the action, and what it holds there.
        QTest::addColumn<QString>("field");
        QTest::addColumn<QJsonValue>("expected");

        const QString none;
        const QString wrong = u"0123456789abcdef0123456789abcdee"_s;
        const auto row = [&](const char *name, const char *method, const char *path,
                             const char *body, int prep, int status, const char *field = "",
                             const QJsonValue &expected = {}, const QString &token = Token) {
            QTest::newRow(name) << QByteArray(method) << QByteArray(path) << QByteArray(body)
                                << token << prep << status << QString::fromLatin1(field)
                                << expected;
        };
        row("state", "GET", "/api/v1/state", "", None, 200, "version", 1);
        row("state no token", "GET", "/api/v1/state", "", None, 401, "", {}, none);
        row("state wrong token", "GET", "/api/v1/state", "", None, 401, "", {}, wrong);
        row("state by POST", "POST", "/api/v1/state", "", None, 405);
        row("api off", "GET", "/api/v1/state", "", ApiOff, 404);
        row("unknown path", "POST", "/api/v1/clock/faster", "", None, 404);
        row("other version", "GET", "/api/v2/state", "", None, 404);
        row("start", "POST", "/api/v1/clock/start", "", None, 200, "clock/running", true);
        row("start no token", "POST", "/api/v1/clock/start", "", None, 401, "", {}, none);
        row("start by GET", "GET", "/api/v1/clock/start", "", None, 405);
        row("start at zero", "POST", "/api/v1/clock/start", "", ClockAtZero, 409);
        row("start not json", "POST", "/api/v1/clock/start", "go", None, 400);
        row("stop", "POST", "/api/v1/clock/stop", "", Running, 200, "clock/running", false);
        row("toggle", "POST", "/api/v1/clock/toggle", "{}", None, 200, "clock/running", true);
        row("toggle at zero", "POST", "/api/v1/clock/toggle", "", ClockAtZero, 409);
        row("reset", "POST", "/api/v1/clock/reset", "", Running, 200, "clock/ms", 0);
        row("set value", "POST", "/api/v1/clock", R"({"value":"12.30"})", None, 200, "clock/ms",
            750000);
        row("set ms", "POST", "/api/v1/clock", R"({"ms":61500})", None, 200, "clock/ms", 61500);
        row("set bad value", "POST", "/api/v1/clock", R"({"value":"12.75"})", None, 400);
        row("set ms too far", "POST", "/api/v1/clock", R"({"ms":6000000})", None, 400);
        row("set both", "POST", "/api/v1/clock", R"({"ms":1,"value":"1"})", None, 400);
        row("add", "POST", "/api/v1/score/home/1", R"({"add":3})", None, 200, "scores/0", 3);
        row("add guest 2", "POST", "/api/v1/score/guest/2", R"({"add":2})", None, 200, "scores/3",
            2);
        row("set", "POST", "/api/v1/score/guest/1", R"({"set":99})", None, 200, "scores/1", 99);
        row("below limit", "POST", "/api/v1/score/home/2", R"({"add":-1})", None, 409);
        row("past limit", "POST", "/api/v1/score/home/1", R"({"set":100})", None, 409);
        row("half a point", "POST", "/api/v1/score/home/1", R"({"add":1.5})", None, 400);
        row("no change", "POST", "/api/v1/score/home/1", "{}", None, 400);
        row("no section 3", "POST", "/api/v1/score/home/3", R"({"add":1})", None, 404);
        row("buzzer", "POST", "/api/v1/buzzer", "", None, 200);
        row("undo", "POST", "/api/v1/undo", "", Acted, 200, "scores/0", 0);
        row("undo nothing", "POST", "/api/v1/undo", "", None, 409);
        row("redo", "POST", "/api/v1/redo", "", Undone, 200, "scores/0", 1);
        row("redo nothing", "POST", "/api/v1/redo", "", Acted, 409);
        row("next period", "POST", "/api/v1/period/next", "", Periods, 200, "clock/period", 2);
        row("next no periods", "POST", "/api/v1/period/next", "", None, 409);
        row("previous first", "POST", "/api/v1/period/previous", "", Periods, 409);
        row("skip no break", "POST", "/api/v1/break/skip", "", Periods, 409);
        row("skip break", "POST", "/api/v1/break/skip", "", Break, 200, "clock/period", 2);
        row("previous from break", "POST", "/api/v1/period/previous", "", Break, 200, "clock/phase",
            u"play"_s);
        row("timeout", "POST", "/api/v1/timeout/guest", "", Periods, 200, "clock/timeout/team",
            u"guest"_s);
        row("timeout in none", "POST", "/api/v1/timeout/home", "", None, 409);
        row("timeout in break", "POST", "/api/v1/timeout/home", "", Break, 409);
        row("new game", "POST", "/api/v1/game/new", "", Acted, 200, "scores/0", 0);
        row("state while held", "GET", "/api/v1/state", "", Held, 200, "scores/0", 0);
        row("score while held", "POST", "/api/v1/score/home/1", R"({"add":3})", Held, 503);
        row("buzzer while held", "POST", "/api/v1/buzzer", "", Held, 503);
        row("not logged", "GET", "/api/v1/state", "", NotLogged, 200, "status/logged", false);
        row("new game wrong token", "POST", "/api/v1/game/new", "", Acted, 401, "", {}, wrong);
        row("shot clock off", "GET", "/api/v1/state", "", None, 200, "shotClock/enabled", false);
        row("no arrow", "GET", "/api/v1/state", "", ShotOn, 200, "possession", QJsonValue::Null);
        row("shot clock runs", "GET", "/api/v1/state", "", ShotRunning, 200, "shotClock/ms", 21000);
        row("shot reset off", "POST", "/api/v1/shotclock/reset", "{}", None, 409);
        row("shot toggle off", "POST", "/api/v1/shotclock/toggle", "", None, 409);
        row("possession off", "POST", "/api/v1/possession", "{}", None, 409);
        row("shot reset", "POST", "/api/v1/shotclock/reset", "{}", ShotRunning, 200, "shotClock/ms",
            24000);
        row("shot reset runs on", "POST", "/api/v1/shotclock/reset", "", ShotRunning, 200,
            "shotClock/running", true);
        row("shot reset short", "POST", "/api/v1/shotclock/reset", R"({"short":true})", ShotRunning,
            200, "shotClock/ms", 14000);
        row("shot reset no short", "POST", "/api/v1/shotclock/reset", R"({"short":true})",
            ShotNoShort, 409);
        row("shot reset short 1", "POST", "/api/v1/shotclock/reset", R"({"short":1})", ShotOn, 400);
        row("shot stop", "POST", "/api/v1/shotclock/stop", "", ShotRunning, 200,
            "shotClock/running", false);
        row("shot start held", "POST", "/api/v1/shotclock/start", "", ShotHeld, 200,
            "shotClock/running", true);
        row("shot toggle", "POST", "/api/v1/shotclock/toggle", "", ShotRunning, 200,
            "shotClock/running", false);
        row("shot start unlinked", "POST", "/api/v1/shotclock/start", "", ShotUnlinked, 200,
            "shotClock/running", true);
        row("possession switch", "POST", "/api/v1/possession", "{}", ShotOn, 200, "possession",
            u"home"_s);
        row("possession guest", "POST", "/api/v1/possession", R"({"team":"guest"})", ShotOn, 200,
            "possession", u"guest"_s);
        row("possession left", "POST", "/api/v1/possession", R"({"team":"left"})", ShotOn, 400);
        row("no sets", "GET", "/api/v1/state", "", None, 200, "sets", QJsonValue::Null);
        row("point without sets", "POST", "/api/v1/point/home", "", None, 409);
        row("point", "POST", "/api/v1/point/guest", "", SetsOn, 200, "scores/1", 1);
        row("point ends the set", "POST", "/api/v1/point/home", "", SetPoint, 200,
            "sets/played/0/0", 25);
        row("point after the final", "POST", "/api/v1/point/guest", "", SetsFinal, 409);
        row("serve guest", "POST", "/api/v1/serve", R"({"team":"guest"})", SetsOn, 200,
            "sets/serving", u"guest"_s);
        row("serve once the set began", "POST", "/api/v1/serve", "{}", SetPoint, 409);
        row("serve left", "POST", "/api/v1/serve", R"({"team":"left"})", SetsOn, 400);
        row("score corrects a set", "POST", "/api/v1/score/home/1", R"({"set":20})", SetsOn, 200,
            "scores/0", 20);
        const char *const teams = R"({"home":"TSV Neustadt","guest":"Visitors"})";
        row("new game team", "POST", "/api/v1/game/new", teams, Teams, 200, "board/home",
            u"TSV Neustadt"_s);
        row("new game caption", "POST", "/api/v1/game/new", teams, Teams, 200, "board/guest",
            u"Visitors"_s);
        row("team colours", "POST", "/api/v1/game/new", teams, Teams, 200, "board/homeTeam/color",
            u"#ff2200"_s);
        row("team logo", "POST", "/api/v1/game/new", teams, Teams, 200, "board/homeTeam/logo",
            u"/logo/home"_s);
        row("caption no team", "POST", "/api/v1/game/new", teams, Teams, 200, "board/guestTeam",
            QJsonValue::Null);
        row("new game keeps teams", "POST", "/api/v1/game/new", "", TeamsChosen, 200,
            "board/homeTeam/short", u"TSV"_s);
        row("one side named", "POST", "/api/v1/game/new", R"({"guest":"TSV Neustadt"})",
            TeamsChosen, 200, "board/guestTeam/name", u"TSV Neustadt"_s);
        row("no teams chosen", "GET", "/api/v1/state", "", None, 200, "board/homeTeam",
            QJsonValue::Null);
        row("team not a text", "POST", "/api/v1/game/new", R"({"home":7})", Teams, 400);
        row("caption too long", "POST", "/api/v1/game/new",
            R"({"home":"A caption far too long for the board"})", Teams, 400);
        const char *const seven = R"({"player":7})";
        row("foul players off", "POST", "/api/v1/foul/home", seven, None, 409);
        row("penalty players off", "POST", "/api/v1/penalty/guest", R"({"player":7,"seconds":120})",
            None, 409);
        row("scorer players off", "POST", "/api/v1/score/home/1", R"({"add":2,"player":7})", None,
            409);
        row("no players off", "GET", "/api/v1/state", "", None, 200, "players/home", QJsonArray());
        row("foul", "POST", "/api/v1/foul/home", seven, PlayersOn, 200, "players/home/0/fouls", 1);
        row("foul number", "POST", "/api/v1/foul/guest", seven, PlayersOn, 200,
            "players/guest/0/number", u"7"_s);
        row("foul 00", "POST", "/api/v1/foul/home", R"({"player":"00"})", PlayersOn, 200,
            "players/home/0/number", u"00"_s);
        row("foul three digits", "POST", "/api/v1/foul/home", R"({"player":"123"})", PlayersOn,
            400);
        row("foul 100", "POST", "/api/v1/foul/home", R"({"player":100})", PlayersOn, 400);
        row("foul half a player", "POST", "/api/v1/foul/home", R"({"player":7.5})", PlayersOn, 400);
        row("foul letter", "POST", "/api/v1/foul/home", R"({"player":"7a"})", PlayersOn, 400);
        row("foul nobody", "POST", "/api/v1/foul/home", "", PlayersOn, 400);
        row("penalty", "POST", "/api/v1/penalty/home", R"({"player":"12","seconds":120})",
            PlayersOn, 200, "penalties/home/0/ms", 120000);
        row("penalty no length", "POST", "/api/v1/penalty/home", R"({"player":"12"})", PlayersOn,
            400);
        row("penalty runs", "GET", "/api/v1/state", "", PlayersRunning, 200, "penalties/guest/0/ms",
            117000);
        row("scorer", "POST", "/api/v1/score/home/1", R"({"add":2,"player":"7"})", PlayersOn, 200,
            "players/home/0/points", 2);
        row("scorer of a set", "POST", "/api/v1/score/home/1", R"({"set":2,"player":"7"})",
            PlayersOn, 400);
        row("foul in sets", "POST", "/api/v1/foul/home", seven, PlayersInSets, 409);
        row("penalty in sets", "POST", "/api/v1/penalty/guest", R"({"player":7,"seconds":120})",
            PlayersInSets, 409);
        row("no players in sets", "GET", "/api/v1/state", "", PlayersInSets, 200, "players/home",
            QJsonArray());

        // Every action with a body it would take, and one field more: refused
        // whole, in a game where the rest would have been done.
        const struct
        {
            const char *path;
            const char *body;
            int prep;
        } extra[] = {
            {"clock/start", R"({"x":1})", None},
            {"clock/stop", R"({"x":1})", Running},
            {"clock/toggle", R"({"x":1})", None},
            {"clock/reset", R"({"x":1})", Running},
            {"clock", R"({"ms":61500,"x":1})", None},
            {"score/home/1", R"({"add":1,"x":1})", None},
            {"score/guest/1", R"({"set":3,"x":1})", None},
            {"score/home/2", R"({"add":2,"player":7,"x":1})", PlayersOn},
            {"score/guest/2", R"({"add":1,"X":1})", None},
            {"buzzer", R"({"x":1})", None},
            {"undo", R"({"x":1})", Acted},
            {"redo", R"({"x":1})", Undone},
            {"period/next", R"({"x":1})", Periods},
            {"period/previous", R"({"x":1})", Break},
            {"break/skip", R"({"x":1})", Break},
            {"game/new", R"({"home":"TSV Neustadt","x":1})", Teams},
            {"timeout/home", R"({"x":1})", Periods},
            {"timeout/guest", R"({"x":1})", Periods},
            {"shotclock/reset", R"({"long":true})", ShotRunning},
            {"shotclock/start", R"({"x":1})", ShotHeld},
            {"shotclock/stop", R"({"x":1})", ShotRunning},
            {"shotclock/toggle", R"({"x":1})", ShotRunning},
            {"possession", R"({"team":"home","x":2})", ShotOn},
            {"foul/home", R"({"player":7,"x":1})", PlayersOn},
            {"foul/guest", R"({"player":7,"team":"home"})", PlayersOn},
            {"penalty/home", R"({"player":7,"seconds":120,"x":1})", PlayersOn},
            {"penalty/guest", R"({"player":7,"seconds":120,"ms":1})", PlayersOn},
            {"point/home", R"({"x":1})", SetsOn},
            {"point/guest", R"({"team":"guest"})", SetsOn},
            {"serve", R"({"team":"guest","x":1})", SetsOn},
        };
        for (const auto &[path, body, prep] : extra) {
            const QByteArray name = "extra field on " + QByteArray(path);
            row(name.constData(), "POST", QByteArray("/api/v1/" + QByteArray(path)).constData(),
                body, prep, 400);
        }
    }

    void endpoints() { callEndpoint(false); }

    // Every short route again, as the command it stands for: the same
    // answer, the same game after it.
    void commandsDoWhatTheShortRoutesDo_data() { endpoints_data(); }
    void commandsDoWhatTheShortRoutesDo() { callEndpoint(true); }

    // The list names every id an operator can take (those of the README's
    // table, but for what the clock or a point does by itself), with
    // whether it can be done now and why not.
    void theCommandsAreListed()
    {
        QFile readme(QStringLiteral(CORVELLA_SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(readme.readAll());
        const qsizetype table = text.indexOf(u"| `action` | the step |"_s);
        QVERIFY(table > 0);
        QStringList ids{u"clock.toggle"_s,
                        u"shotclock.toggle"_s,
                        u"possession.switch"_s,
                        u"timeout.toggle"_s,
                        u"undo"_s,
                        u"redo"_s,
                        u"buzzer.sound"_s,
                        u"buzzer.short"_s,
                        u"sound.mute"_s};
        static const QRegularExpression id(u"`([a-z]+\\.[a-z]+)`"_s);
        for (const QString &line : text.mid(table).split(u'\n').mid(2)) {
            if (!line.startsWith(u'|'))
                break;
            const QString step = line.section(u'|', 1, 1);
            if (line.contains(u"(kind `"_s))
                continue;
            for (const QRegularExpressionMatch &m : id.globalMatch(step))
                ids << m.captured(1);
        }
        QVERIFY(ids.contains(u"foul.player"_s) && ids.contains(u"penalty.start"_s));

        ApiGame served;
        served.game.setStructure({2, {60'000}, 0});
        served.game.setClockMode(true, 1'000);
        served.game.startStop();
        served.time.now += 1'000;
        served.game.updateClock(); // into the break
        const ApiGame::Reply reply = served.call("GET", "/api/v1/commands");
        QCOMPARE(reply.status, 200);
        QHash<QString, QJsonObject> listed;
        for (const QJsonValue &command : reply.json.value(u"commands"_s).toArray())
            listed.insert(command[u"id"_s].toString(), command.toObject());
        for (const QString &wanted : std::as_const(ids))
            QVERIFY2(listed.contains(wanted), qPrintable(wanted));
        const QJsonObject start = listed.value(u"clock.start"_s);
        QCOMPARE(start[u"available"_s], false);
        QCOMPARE(start[u"why"_s], u"the break runs by itself"_s);
        QCOMPARE(listed.value(u"break.skip"_s)[u"available"_s], true);
        QCOMPARE(listed.value(u"break.skip"_s)[u"why"_s], QJsonValue::Null);
        const QJsonObject add = listed.value(u"score.add"_s)[u"params"_s].toObject();
        QCOMPARE(add[u"team"_s], QJsonObject({{u"type"_s, u"string"_s},
                                              {u"values"_s, QJsonArray{u"home"_s, u"guest"_s}}}));
        QCOMPARE(add[u"section"_s][u"values"_s], QJsonArray({1, 2}));
        QCOMPARE(add[u"player"_s][u"optional"_s], true);
        QCOMPARE(listed.value(u"clock.set"_s)[u"params"_s][u"value"_s][u"type"_s], u"clock"_s);
        QCOMPARE(served.call("POST", "/api/v1/commands").status, 405);
        QCOMPARE(served.call("POST", "/api/v1/commands/clock.faster").status, 404);
        QCOMPARE(served.call("GET", "/api/v1/commands/break.skip").status, 405);
    }

private:
    static QByteArray eventsHandshake(const QString &token, bool inQuery)
    {
        QByteArray head = "GET /api/v1/events";
        if (inQuery)
            head += "?token=" + token.toLatin1();
        head += " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n";
        if (!inQuery && !token.isEmpty())
            head += "Authorization: Bearer " + token.toLatin1() + "\r\n";
        return head + "\r\n";
    }
    // The command a short route stands for, as its README names it; empty
    // for a route that is not an action, or a body that names the same
    // thing as the path.
    static QByteArray asCommand(const QByteArray &path, QByteArray &body)
    {
        static const QHash<QByteArray, QByteArray> plain{{"clock/start", "clock.start"},
                                                         {"clock/stop", "clock.stop"},
                                                         {"clock/toggle", "clock.toggle"},
                                                         {"clock/reset", "clock.reset"},
                                                         {"clock", "clock.set"},
                                                         {"buzzer", "buzzer.sound"},
                                                         {"undo", "undo"},
                                                         {"redo", "redo"},
                                                         {"period/next", "period.next"},
                                                         {"period/previous", "period.previous"},
                                                         {"break/skip", "break.skip"},
                                                         {"game/new", "game.new"},
                                                         {"shotclock/reset", "shotclock.reset"},
                                                         {"shotclock/start", "shotclock.start"},
                                                         {"shotclock/stop", "shotclock.stop"},
                                                         {"shotclock/toggle", "shotclock.toggle"},
                                                         {"point/home", "point.home"},
                                                         {"point/guest", "point.guest"}};
        const QByteArray route = path.mid(8);
        if (plain.contains(route))
            return "/api/v1/commands/" + plain.value(route);
        QJsonObject params = QJsonDocument::fromJson(body).object();
        const QList<QByteArray> parts = route.split('/');
        QByteArray id;
        if (parts.size() > 1) {
            if (params.contains(u"team"_s))
                return {};
            params.insert(u"team"_s, QString::fromLatin1(parts.at(1)));
            if (parts.first() == "score") {
                params.insert(u"section"_s, parts.value(2).toInt());
                id = params.contains(u"set"_s) ? "score.set" : "score.add";
            } else {
                id = parts.first() == "timeout"   ? "timeout.toggle"
                     : parts.first() == "foul"    ? "foul.player"
                     : parts.first() == "penalty" ? "penalty.start"
                                                  : QByteArray();
            }
        } else if (route == "possession" || route == "serve") {
            const QJsonValue team = params.value(u"team"_s);
            const bool named = team == u"home"_s || team == u"guest"_s;
            if (named)
                params.remove(u"team"_s);
            id = route + '.' + (named ? team.toString().toLatin1() : QByteArray("switch"));
        }
        if (id.isEmpty())
            return {};
        body = QJsonDocument(params).toJson(QJsonDocument::Compact);
        return "/api/v1/commands/" + id;
    }

    void callEndpoint(bool asCommandCall)
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(QString, token);
        QFETCH(int, prep);
        QFETCH(int, status);
        QFETCH(QString, field);
        QFETCH(QJsonValue, expected);
        if (asCommandCall) {
            // Routing (an unknown path, a wrong method) is the short form's own.
            if (method != "POST" || status == 404 || status == 405)
                return;
            path = asCommand(path, body);
            if (path.isEmpty())
                return;
        }

        ApiGame served;
        const auto score = [](GameModel &g) { g.addToScore(GameModel::Home1, 1); };
        switch (prep) {
        case Periods: {
            GameStructure halves{2, {60'000}, 0};
            halves.timeouts.perGame = 1;
            halves.timeouts.lengthMs = 30'000;
            served.game.setStructure(halves);
            break;
        }
        case Break:
            served.game.setStructure({2, {60'000}, 0});
            served.game.setClockMode(true, 1'000);
            served.game.startStop();
            served.time.now += 1'000;
            served.game.updateClock();
            break;
        case ClockAtZero:
            served.game.setClockMode(true, 0);
            break;
        case Acted:
            served.history.perform(u"score"_s, score);
            break;
        case Undone:
            served.history.perform(u"score"_s, score);
            served.history.undo();
            break;
        case ApiOff: {
            Settings s = served.settings.value();
            s.Api = 0;
            served.settings.set(s);
            break;
        }
        case Running:
            served.game.startStop();
            served.time.now += 5000;
            break;
        case Held:
            served.api.holdActions(true);
            break;
        case NotLogged:
            served.api.setRecordStatus(true, false);
            break;
        case Teams:
        case TeamsChosen:
            served.api.setTeamFolder(writeTeamLibrary(served.teams));
            if (prep == TeamsChosen)
                served.game.setSides(
                    {sideNamed(u"TSV Neustadt"_s, TeamLibrary::load(served.teams.path()),
                               served.teams.path()),
                     GameSide{}});
            break;
        case ShotOn:
        case ShotRunning:
        case ShotHeld:
        case ShotUnlinked:
        case ShotNoShort: {
            ShotClockRules rules;
            rules.enabled = true;
            rules.linked = prep != ShotUnlinked;
            rules.shortMs = prep == ShotNoShort ? 0 : rules.shortMs;
            served.game.shotClockPart().setRules(rules);
            if (prep == ShotRunning || prep == ShotHeld) {
                served.game.startStop();
                served.time.now += 3000;
            }
            if (prep == ShotHeld)
                served.game.shotClockPart().holdOrRelease();
            break;
        }
        case PlayersOn:
        case PlayersRunning: {
            PlayerRules rules;
            rules.enabled = true;
            served.game.playersPart().setRules(rules);
            if (prep == PlayersRunning) {
                served.game.playersPart().addPenalty(GameModel::Guest, u"12"_s, 120'000);
                served.game.startStop();
                served.time.now += 3000;
            }
            break;
        }
        case PlayersInSets: {
            PlayerRules players;
            players.enabled = true;
            served.game.playersPart().setRules(players);
            SetsRules sets;
            sets.enabled = true;
            served.game.setsPart().setRules(sets);
            break;
        }
        case SetsOn:
        case SetPoint:
        case SetsFinal: {
            SetsRules rules;
            rules.enabled = true;
            // One set of 25 is the match: the deciding set is the first.
            rules.setsToWin = 1;
            rules.lastSetPoints = 25;
            served.game.setsPart().setRules(rules);
            for (int i = 0; i < (prep == SetsOn ? 0 : 24); ++i)
                served.game.setsPart().addPoint(GameModel::Home);
            if (prep == SetsFinal)
                served.game.setsPart().addPoint(GameModel::Home);
            break;
        }
        }
        const GameState before = served.game.state();
        const int steps = served.history.stack().index();

        const ApiGame::Reply reply = served.call(method, path, body, token);
        QCOMPARE(reply.status, status);
        QVERIFY(reply.head.contains("Content-Type: application/json"));
        if (status != 200) {
            QVERIFY(!reply.json.value(u"error"_s).toString().isEmpty());
            QVERIFY(served.game.state() == before);
            QCOMPARE(served.history.stack().index(), steps);
            QCOMPARE(served.buzzes, 0);
            return;
        }
        // The answer is the game as the model has it now.
        QJsonObject model = BoardState::snapshot(served.game, served.settings.value());
        model.insert(u"version"_s, RemoteApi::Version);
        model.insert(u"seq"_s, served.live.sequence());
        model.insert(u"status"_s,
                     QJsonObject{{u"saved"_s, true}, {u"logged"_s, prep != NotLogged}});
        QCOMPARE(reply.json, model);
        QJsonValue at = reply.json;
        for (const QString &part : field.split(u'/', Qt::SkipEmptyParts))
            at = at.isArray() ? at.toArray().at(part.toInt()) : at.toObject().value(part);
        if (!field.isEmpty())
            QCOMPARE(at, expected);
        if (path.endsWith("buzzer") || path.endsWith("buzzer.sound"))
            QCOMPARE(served.buzzes, 1);
        // An action is a step of the history, undone like a key's.
        const bool changed = !(served.game.state() == before);
        if (changed && !path.endsWith("/undo") && !path.endsWith("/redo")) {
            QCOMPARE(served.history.stack().index(), steps + 1);
            QVERIFY(reply.json.value(u"seq"_s).toInteger() > 0);
        }
    }

    // Tests again: those above are the data tables' helpers.
private slots:
    void theBoardServesTheSidesLogos()
    {
        ApiGame served;
        const QString folder = writeTeamLibrary(served.teams);
        served.game.setSides(
            {sideNamed(u"TSV Neustadt"_s, TeamLibrary::load(folder), folder), GameSide{}});
        const ApiGame::Reply home = served.call("GET", "/logo/home", {}, {});
        QCOMPARE(home.status, 200);
        QVERIFY(home.head.contains("Content-Type: image/png"));
        QFile file(served.teams.filePath(u"tsv.png"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(home.body, file.readAll());
        QCOMPARE(served.call("GET", "/logo/guest", {}, {}).status, 404);
        served.game.setSides({});
        QCOMPARE(served.call("GET", "/logo/home", {}, {}).status, 404);
    }

    // Logos and sponsors' slides go out as what their bytes are, never by
    // their names, and under a policy that runs nothing; one the board would
    // not show is not served either.
    void picturesAreServedAsWhatTheyHold_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("type");

        QByteArray png;
        QByteArray jpeg;
        {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&buffer, "PNG"));
            QBuffer jpegBuffer(&jpeg);
            jpegBuffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&jpegBuffer, "JPEG"));
        }
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                               "<rect width='8' height='8' fill='red'/></svg>";
        const QByteArray outside = "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                                   "<image href='/some/file.png' width='8' height='8'/></svg>";
        const QByteArray script = "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                                  "<script>document.title = 'ran'</script></svg>";
        for (const QString &route : {u"/logo/home"_s, u"/sponsors/0"_s}) {
            const auto row = [&](const char *name, const char *file, const QByteArray &bytes,
                                 int status, const char *type) {
                QTest::addRow("%s %s", qPrintable(route), name)
                    << route << QString::fromLatin1(file) << bytes << status << QByteArray(type);
            };
            row("png", "a.png", png, 200, "image/png");
            row("jpeg named png", "a.png", jpeg, 200, "image/jpeg");
            row("png named jpg", "a.jpg", png, 200, "image/png");
            row("svg", "a.svg", svg, 200, "image/svg+xml");
            row("svg named png", "a.png", svg, 200, "image/svg+xml");
            row("svg with a script", "a.svg", script, 200, "image/svg+xml");
            row("svg reaching outside", "a.svg", outside, 404, "");
            row("svg reaching outside named png", "a.png", outside, 404, "");
        }
    }
    void picturesAreServedAsWhatTheyHold()
    {
        QFETCH(QString, route);
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QByteArray, type);
        ApiGame served;
        QTemporaryDir data;
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHome); });
        const QString folder = data.filePath(u"Corvella/sponsors"_s);
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        Team team{u"TSV Neustadt"_s, u"TSV"_s,        QColor(Qt::red),
                  QColor(Qt::white), file.fileName(), {}};
        served.game.setSides({GameSide{team, {}}, GameSide{}});

        const ApiGame::Reply reply = served.call("GET", route.toLatin1(), {}, {});
        QCOMPARE(reply.status, status);
        QVERIFY(reply.head.contains("X-Content-Type-Options: nosniff"));
        QVERIFY(reply.head.contains("Content-Security-Policy: default-src 'none';"));
        if (status != 200)
            return;
        QVERIFY2(reply.head.contains(QByteArray("Content-Type: " + type)), reply.head.constData());
        QCOMPARE(reply.body, bytes);
    }

    void wrongTokensAreTurnedAway()
    {
        ApiGame served;
        const QString wrong = u"not the token"_s;
        int refused = 0;
        int slowed = 0;
        for (int i = 0; i < 200; ++i) {
            const int status = served.call("POST", "/api/v1/game/new", {}, wrong).status;
            refused += status == 401 ? 1 : 0;
            slowed += status == 429 ? 1 : 0;
        }
        QCOMPARE(refused, RemoteApi::AllowedFailures);
        QCOMPARE(slowed, 200 - RemoteApi::AllowedFailures);
        // The guesser's address waits, even with the right token; others do not.
        const ApiGame::Reply locked = served.call("GET", "/api/v1/state");
        QCOMPARE(locked.status, 429);
        QVERIFY(locked.head.contains("Retry-After: 60"));
        QCOMPARE(served.call("POST", "/api/v1/score/home/1", R"({"add":1})", Token, u"127.0.0.2"_s)
                     .status,
                 200);
        QCOMPARE(served.game.score(GameModel::Home1), 1);
        served.time.now += RemoteApi::LockoutMs;
        QCOMPARE(served.call("GET", "/api/v1/state").status, 200);
    }

    // An action is on disk before its answer; a refused one saves nothing;
    // a script past its calls a second waits, others do not.
    void rightTokensAreSavedAndPaced()
    {
        ApiGame served;
        QList<std::optional<int>> saved;
        served.api.setSaver([&] { saved << served.game.score(GameModel::Home1); });
        QCOMPARE(served.call("POST", "/api/v1/score/home/1", R"({"add":3})").status, 200);
        QCOMPARE(served.call("POST", "/api/v1/score/home/1", R"({"add":-9})").status, 409);
        QCOMPARE(served.call("GET", "/api/v1/state").status, 200);
        QCOMPARE(saved, (QList<std::optional<int>>{3}));

        HttpFront::Request state{"GET", "/api/v1/state", {}, "HTTP/1.1", {}, {}, u"127.0.0.1"_s};
        state.headers = {{"authorization", "Bearer " + Token.toLatin1()}};
        int paced = 0;
        for (int i = 0; i < RemoteApi::MaxCallsPerSecond + 10; ++i)
            paced += served.api.answer(state).status == 429 ? 1 : 0;
        QCOMPARE(paced, 10 + 3); // the three calls above fell in the same second
        QCOMPARE(served.call("GET", "/api/v1/state", {}, Token, u"127.0.0.2"_s).status, 200);
        served.time.now += 1000;
        QCOMPARE(served.api.answer(state).status, 200);
    }

    void tokenIsNeverServed()
    {
        ApiGame served;
        QList<QByteArray> paths = {"/api/v1/state", "/api/v1/nothing", "/api/x",      "/report",
                                   "/report.csv",   "/report.json",    "/texts.json", "/live"};
        for (const BoardServer::Page &page : BoardServer::Pages)
            paths.append(page.path);
        for (const QByteArray &path : std::as_const(paths)) {
            for (const QString &token : {QString(), u"wrong"_s}) {
                const ApiGame::Reply reply = served.call("GET", path, {}, token);
                QVERIFY2(reply.status != 0, path.constData());
                QVERIFY2(!reply.head.contains(Token.toLatin1()), path.constData());
                QVERIFY2(!reply.body.contains(Token.toLatin1()), path.constData());
            }
        }
    }

    void eventsLetInOnlyTheApisToken_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<bool>("inQuery");
        QTest::addColumn<bool>("apiOn");
        QTest::addColumn<int>("status");
        QTest::newRow("bearer header") << Token << false << true << 101;
        QTest::newRow("token in the address") << Token << true << true << 101;
        QTest::newRow("no token") << QString() << false << true << 401;
        QTest::newRow("wrong token") << u"wrong"_s << false << true << 401;
        QTest::newRow("wrong token in the address") << u"wrong"_s << true << true << 401;
        QTest::newRow("api off") << Token << false << false << 404;
    }

    void eventsLetInOnlyTheApisToken()
    {
        QFETCH(QString, token);
        QFETCH(bool, inQuery);
        QFETCH(bool, apiOn);
        QFETCH(int, status);
        ApiGame served;
        Settings s = served.settings.value();
        s.Api = apiOn ? 1 : 0;
        served.settings.set(s);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, served.server.port());
        socket.write(eventsHandshake(token, inQuery));
        QByteArray got;
        QVERIFY(QTest::qWaitFor(
            [&] {
                got += socket.readAll();
                return got.contains("\r\n\r\n");
            },
            5000));
        QCOMPARE(got.mid(9, 3).toInt(), status);
        QVERIFY(!got.contains(Token.toLatin1()));
        if (status == 101)
            QTRY_COMPARE(served.events.clientCount(), 1);
        else
            QCOMPARE(served.events.clientCount(), 0);
    }

    // The whole game first, then each step as the log writes it and the
    // state after it.
    void eventsFollowTheGame()
    {
        ApiGame served;
        QTemporaryDir logs;
        GameLog log(logs.path(), served.game, served.history);
        served.events.followLog(&log);
        EventsClient panel;
        panel.open(served.server.port(), Token);
        QTRY_COMPARE(panel.messages.size(), 1);
        const QJsonObject first = panel.messages.first();
        QCOMPARE(first[u"v"_s].toInt(), EventsChannel::Version);
        QCOMPARE(first[u"type"_s].toString(), u"state"_s);
        QCOMPARE(first[u"state"_s].toObject(), served.api.state());

        QCOMPARE(served.call("POST", "/api/v1/score/guest/1", R"({"add":2})").status, 200);
        QTRY_COMPARE(panel.ofType(u"step"_s).size(), 1);
        const QJsonObject step = panel.ofType(u"step"_s).first();
        QCOMPARE(step[u"v"_s].toInt(), EventsChannel::Version);
        QCOMPARE(step[u"action"_s].toString(), u"score.add"_s);
        QCOMPARE(step[u"origin"_s].toString(), u"remote"_s);
        QCOMPARE(step[u"seq"_s].toInt(), 1);
        QVERIFY(!step[u"label"_s].toString().isEmpty());
        QVERIFY(QDateTime::fromString(step[u"time"_s].toString(), Qt::ISODateWithMs).isValid());
        QTRY_COMPARE(panel.ofType(u"state"_s).last()[u"state"_s][u"scores"_s][1].toInt(), 2);
        served.game.startStop();
        QTRY_VERIFY(panel.ofType(u"state"_s).last()[u"state"_s][u"clock"_s][u"running"_s].toBool());
    }

    // The step goes out while the call that made it still waits for the game
    // to reach the disk, not with its answer.
    void eventsStepLeavesBeforeTheAnswer()
    {
        ApiGame served;
        QTemporaryDir logs;
        GameLog log(logs.path(), served.game, served.history);
        served.events.followLog(&log);
        QTcpSocket panel;
        panel.connectToHost(QHostAddress::LocalHost, served.server.port());
        panel.write(eventsHandshake(Token, false));
        QByteArray got;
        QVERIFY(QTest::qWaitFor(
            [&] {
                got += panel.readAll();
                return got.contains("\"type\":\"state\"");
            },
            5000));
        bool stepWhileSaving = false;
        served.api.setSaver([&] {
            // Well within the server's wait for the answer.
            const QDeadlineTimer deadline(BoardServer::ApiWaitMs / 2);
            QByteArray during;
            while (!during.contains("\"type\":\"step\"") &&
                   panel.waitForReadyRead(int(deadline.remainingTime())))
                during += panel.readAll();
            stepWhileSaving = during.contains("\"type\":\"step\"");
        });
        QCOMPARE(served.call("POST", "/api/v1/score/home/1", R"({"add":1})").status, 200);
        QVERIFY(stepWhileSaving);
    }

    // A burst of changes is one state at once and one with the last change.
    void eventsPaceTheStates()
    {
        ApiGame served;
        EventsClient panel;
        panel.open(served.server.port(), Token, true);
        QTRY_COMPARE(panel.messages.size(), 1);
        for (int score = 1; score <= 50; ++score)
            served.game.setScore(GameModel::Home1, score);
        QTRY_COMPARE(panel.ofType(u"state"_s).last()[u"state"_s][u"scores"_s][0].toInt(), 50);
        QCOMPARE(panel.ofType(u"state"_s).size(), 3);
    }

    void eventsLetGoOfAReaderThatStops()
    {
        ApiGame served;
        served.events.setStateInterval(0);
        EventsClient reader;
        reader.open(served.server.port(), Token);
        QTRY_COMPARE(served.events.clientCount(), 1);
        // A raw connection that completes the handshake and then reads nothing.
        QTcpSocket stalled;
        stalled.connectToHost(QHostAddress::LocalHost, served.server.port());
        QVERIFY(stalled.waitForConnected(5000));
        stalled.write(eventsHandshake(Token, false));
        QTRY_COMPARE(served.events.clientCount(), 2);
        stalled.setReadBufferSize(1024);
        // Long captions make big messages; the kernel's buffers fill first.
        Settings s = served.settings.value();
        int rounds = 0;
        for (; rounds < 4000 && served.events.clientCount() == 2; ++rounds) {
            s.SectionText1 = QString(16 * 1024, QChar(u'a' + rounds % 26));
            served.settings.set(s);
            QCoreApplication::processEvents();
        }
        QCOMPARE(served.events.clientCount(), 1);
        qInfo("stalled client let go after %d changes", rounds);
        // The reader that keeps up sees the last change, and the board goes on.
        QTRY_COMPARE(reader.ofType(u"state"_s).last()[u"state"_s][u"board"_s][u"section1"_s],
                     QJsonValue(s.SectionText1));
        QCOMPARE(served.call("POST", "/api/v1/score/home/1", R"({"add":1})").status, 200);
        QVERIFY(!reader.closed);
    }

    // A token renewed, or the API turned off, ends the clients it let in.
    void eventsEndWithTheToken()
    {
        ApiGame served;
        EventsClient panel;
        panel.open(served.server.port(), Token);
        QTRY_COMPARE(served.events.clientCount(), 1);
        Settings s = served.settings.value();
        s.ApiToken = RemoteApi::newToken();
        served.settings.set(s);
        QTRY_VERIFY(panel.closed);
        QCOMPARE(served.events.clientCount(), 0);
    }
};

QTEST_MAIN(TestRemoteApi)
#include "tst_remoteapi.moc"
