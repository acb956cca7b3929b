#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

// Headless Chromium on 127.0.0.1, driven through its DevTools protocol: one
// page, navigated, read with JavaScript, clicked with real mouse events and
// photographed.
class HeadlessChromium : public QObject
{
public:
    ~HeadlessChromium() override { stop(); }

    // False when no browser could be started (the reason in `problem`).
    bool start();
    void stop();
    QString problem;

    QJsonObject call(const QString &method, const QJsonObject &params = {}, int timeoutMs = 10000);
    QJsonValue evaluate(const QString &expression);
    bool navigate(const QUrl &url);
    void setViewport(int width, int height);
    void setTransparentBackground(bool transparent);
    QImage screenshot();
    // Every LED digit of the page: its name ("score0tens", "clock1") and value.
    QMap<QString, QString> digits();
    // A left click at the middle of the element with this id.
    bool click(const QString &id);
    // What the page means to hide (a `hidden` or `display="none"` attribute,
    // display:none in a style attribute) and yet draws, by its computed style,
    // and every inline style or script the page's policy refused since it
    // was opened; empty when there is none.
    QString hiddenButDrawn();

private:
    QJsonObject waitForReply(int id, int timeoutMs);

    QProcess m_process;
    QTemporaryDir m_profile;
    QWebSocket m_socket;
    QHash<int, QJsonObject> m_replies;
    int m_nextId = 1;
};
