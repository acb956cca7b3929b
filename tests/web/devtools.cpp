#include "tests/web/devtools.h"

#include <QImage>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QStandardPaths>

#include <memory>

using namespace Qt::StringLiterals;

bool HeadlessChromium::start()
{
    const QString program = QStandardPaths::findExecutable(u"chromium"_s);
    if (program.isEmpty()) {
        problem = u"chromium is not installed (scripts/install-deps installs it)"_s;
        return false;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"HOME"_s, m_profile.path());
    m_process.setProcessEnvironment(env);
    m_process.setProgram(program);
    m_process.setArguments(
        {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s, u"--no-first-run"_s,
         u"--disable-extensions"_s, u"--disable-background-networking"_s, u"--disable-sync"_s,
         u"--user-data-dir="_s + m_profile.path() + u"/profile"_s,
         u"--remote-debugging-address=127.0.0.1"_s, u"--remote-debugging-port=0"_s,
         u"--window-size=1920,1080"_s, u"about:blank"_s});
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        problem = u"chromium did not start"_s;
        return false;
    }
    // It says where its DevTools listen on standard error.
    static const QRegularExpression listening(u"DevTools listening on ws://127.0.0.1:(\\d+)/"_s);
    QByteArray err;
    QRegularExpressionMatch match;
    const bool found = QTest::qWaitFor(
        [&] {
            err += m_process.readAllStandardError();
            match = listening.match(QString::fromUtf8(err));
            return match.hasMatch() || m_process.state() == QProcess::NotRunning;
        },
        30000);
    if (!found || !match.hasMatch()) {
        problem = u"chromium gave no DevTools address: "_s + QString::fromUtf8(err.right(500));
        return false;
    }
    const QString port = match.captured(1);
    QNetworkAccessManager manager;
    std::unique_ptr<QNetworkReply> reply(
        manager.get(QNetworkRequest(QUrl(u"http://127.0.0.1:"_s + port + u"/json/list"_s))));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 10000)) {
        problem = u"no list of pages"_s;
        return false;
    }
    QUrl pageUrl;
    for (const QJsonValue &target : QJsonDocument::fromJson(reply->readAll()).array()) {
        if (target[u"type"_s] == u"page"_s) {
            pageUrl = QUrl(target[u"webSocketDebuggerUrl"_s].toString());
            break;
        }
    }
    connect(&m_socket, &QWebSocket::textMessageReceived, this, [this](const QString &text) {
        const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
        if (message.contains(u"id"_s))
            m_replies.insert(message[u"id"_s].toInt(), message);
    });
    m_socket.open(pageUrl);
    if (!QTest::qWaitFor([&] { return m_socket.state() == QAbstractSocket::ConnectedState; },
                         10000)) {
        problem = u"could not reach the page's DevTools at "_s + pageUrl.toString();
        return false;
    }
    call(u"Page.enable"_s);
    // Before any of the page's own scripts: what its policy refuses.
    call(u"Page.addScriptToEvaluateOnNewDocument"_s,
         {{u"source"_s, u"window.refusedByPolicy = [];"
                        "document.addEventListener('securitypolicyviolation', (e) =>"
                        " window.refusedByPolicy.push(`${e.effectiveDirective} refused"
                        " ${e.blockedURI} (${e.sample})`));"_s}});
    return true;
}

void HeadlessChromium::stop()
{
    m_socket.abort();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

QJsonObject HeadlessChromium::waitForReply(int id, int timeoutMs)
{
    if (!QTest::qWaitFor([&] { return m_replies.contains(id); }, timeoutMs))
        return {};
    return m_replies.take(id);
}

QJsonObject HeadlessChromium::call(const QString &method, const QJsonObject &params, int timeoutMs)
{
    const int id = m_nextId++;
    const QJsonObject message{{u"id"_s, id}, {u"method"_s, method}, {u"params"_s, params}};
    m_socket.sendTextMessage(
        QString::fromUtf8(QJsonDocument(message).toJson(QJsonDocument::Compact)));
    return waitForReply(id, timeoutMs)[u"result"_s].toObject();
}

QJsonValue HeadlessChromium::evaluate(const QString &expression)
{
    const QJsonObject result =
        call(u"Runtime.evaluate"_s, {{u"expression"_s, expression}, {u"returnByValue"_s, true}});
    return result[u"result"_s][u"value"_s];
}

bool HeadlessChromium::navigate(const QUrl &url)
{
    call(u"Page.navigate"_s, {{u"url"_s, url.toString()}});
    return QTest::qWaitFor(
        [&] {
            return evaluate(u"document.readyState"_s).toString() == u"complete"_s &&
                   evaluate(u"location.href"_s).toString() == url.toString();
        },
        10000);
}

void HeadlessChromium::setViewport(int width, int height)
{
    call(u"Emulation.setDeviceMetricsOverride"_s, {{u"width"_s, width},
                                                   {u"height"_s, height},
                                                   {u"deviceScaleFactor"_s, 1},
                                                   {u"mobile"_s, false}});
}

void HeadlessChromium::setTransparentBackground(bool transparent)
{
    if (transparent)
        call(u"Emulation.setDefaultBackgroundColorOverride"_s,
             {{u"color"_s, QJsonObject{{u"r"_s, 0}, {u"g"_s, 0}, {u"b"_s, 0}, {u"a"_s, 0}}}});
    else
        call(u"Emulation.setDefaultBackgroundColorOverride"_s);
}

QImage HeadlessChromium::screenshot()
{
    const QJsonObject result = call(u"Page.captureScreenshot"_s, {{u"format"_s, u"png"_s}});
    return QImage::fromData(QByteArray::fromBase64(result[u"data"_s].toString().toLatin1()), "PNG");
}

bool HeadlessChromium::click(const QString &id)
{
    const QJsonObject box =
        evaluate(u"(() => { const e = document.getElementById('%1');"
                 " e.scrollIntoView({block: 'center'}); const r = e.getBoundingClientRect();"
                 " return {x: r.x + r.width / 2, y: r.y + r.height / 2}; })()"_s.arg(id))
            .toObject();
    if (box.isEmpty())
        return false;
    for (const char *type : {"mousePressed", "mouseReleased"}) {
        call(u"Input.dispatchMouseEvent"_s, {{u"type"_s, QString::fromLatin1(type)},
                                             {u"x"_s, box[u"x"_s]},
                                             {u"y"_s, box[u"y"_s]},
                                             {u"button"_s, u"left"_s},
                                             {u"clickCount"_s, 1}});
    }
    return true;
}

QMap<QString, QString> HeadlessChromium::digits()
{
    const QJsonObject read =
        evaluate(QStringLiteral("Object.fromEntries([...document.querySelectorAll('.digit')]"
                                ".map(d => [d.dataset.name, d.dataset.value]))"))
            .toObject();
    QMap<QString, QString> digits;
    for (auto it = read.begin(); it != read.end(); ++it)
        digits.insert(it.key(), it.value().toString());
    return digits;
}

QString HeadlessChromium::hiddenButDrawn()
{
    return evaluate(uR"((() => {
  const meantHidden = (e) => e.hasAttribute('hidden') || e.getAttribute('display') === 'none' ||
    /(^|;)\s*display\s*:\s*none/i.test(e.getAttribute('style') || '');
  const name = (e) => e.id || (e.dataset && e.dataset.name) || e.tagName;
  const drawn = [...document.querySelectorAll('*')]
    .filter((e) => meantHidden(e) && getComputedStyle(e).display !== 'none')
    .map((e) => `${name(e)} drawn though hidden`);
  return [...drawn, ...(window.refusedByPolicy || [])].join(', ');
})())"_s)
        .toString();
}
