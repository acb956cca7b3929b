#pragma once

#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "settings/currentsettings.h"
#include "tests/support/fakes.h"
#include "web/boardserver.h"
#include "web/livechannel.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebSocket>

// A game served on 127.0.0.1 at a free port, with a time source the test moves.
struct ServedGame
{
    ManualTimeSource time;
    GameModel game{time};
    GameHistory history{game};
    CurrentSettings settings{defaultSettings()};
    LiveChannel live{game, history, settings, time};
    BoardServer server{live};
    int buzzes = 0;

    ServedGame()
    {
        QObject::connect(&live, &LiveChannel::buzzerRequested, &live, [this] { ++buzzes; });
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    }

    QUrl url(const QString &path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.port()).arg(path));
    }
    QUrl liveUrl() const
    {
        return QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(server.port()));
    }
};

// A page's side of the live channel: every message it got, as JSON.
class LiveClient : public QObject
{
public:
    QWebSocket socket;
    QList<QJsonObject> messages;
    bool closed = false;

    explicit LiveClient(const QString &origin = QString()) : socket(origin)
    {
        connect(&socket, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
            messages.append(QJsonDocument::fromJson(text.toUtf8()).object());
        });
        connect(&socket, &QWebSocket::disconnected, this, [this] { closed = true; });
    }

    void open(const QUrl &url) { socket.open(url); }
    bool isOpen() const { return socket.state() == QAbstractSocket::ConnectedState; }
    void send(const QJsonObject &message)
    {
        socket.sendTextMessage(
            QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    }
    QJsonObject last() const { return messages.isEmpty() ? QJsonObject() : messages.last(); }
    QString lastType() const { return last().value(QStringLiteral("type")).toString(); }
};
