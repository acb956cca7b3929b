#include "hall/hallfeed.h"
#include "hall/hallservice.h"
#include "tests/web/devtools.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

namespace {

QByteArray state(int home, bool running, qint64 ms)
{
    return QStringLiteral("{\"scores\":[%1,38,0,0],\"clock\":{\"running\":%2,\"ms\":%3,"
                          "\"countDown\":true,\"blank\":false,\"periods\":4,\"period\":2,"
                          "\"phase\":\"play\",\"timeout\":null},\"teams\":{\"timeoutsLeft\":[2,3]},"
                          "\"board\":{\"home\":\"Lions\",\"guest\":\"Tigers\"},\"at\":%4}")
        .arg(home)
        .arg(running ? u"true"_qs : u"false"_qs)
        .arg(ms)
        .arg(QDateTime::currentMSecsSinceEpoch())
        .toUtf8();
}

} // namespace

// /hall in a real browser: the courts drawn from the live channel, the
// running clock moving on by itself, a change arriving, the lobby's screen.
class TestHallBrowser : public QObject
{
    Q_OBJECT

private slots:
    void theHallPageShowsEveryCourtLive()
    {
        QTemporaryDir folder;
        HallFeed feed(u"hall"_qs, folder.path());
        feed.receive(u"corvella/v1/hall/1/online"_qs, "1");
        feed.receive(u"corvella/v1/hall/1/state"_qs, state(45, true, 452000));
        feed.receive(u"corvella/v1/hall/2/online"_qs, "0");
        HallService service(feed);
        QVERIFY(service.listen(QHostAddress::LocalHost, 0));
        HeadlessChromium browser;
        if (!browser.start())
            QSKIP(qPrintable(browser.problem));
        browser.setViewport(1920, 1080);
        QVERIFY(browser.navigate(
            QUrl(QStringLiteral("http://127.0.0.1:%1/hall?lang=de").arg(service.port()))));
        const auto text = [&](const QString &selector) {
            return browser
                .evaluate(u"(document.querySelector('%1') || {}).textContent"_qs.arg(selector))
                .toString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            browser.evaluate(u"document.querySelectorAll('.court').length"_qs).toInt(), 2, 10000);
        QCOMPARE(text(u".court .team"_qs), u"Lions"_qs);
        QCOMPARE(text(u".court .score"_qs), u"45"_qs);
        QCOMPARE(text(u".court .phase"_qs), u"Periode 2"_qs);
        QCOMPARE(text(u".court:nth-child(2) .online"_qs), u"Getrennt"_qs);
        QVERIFY(browser
                    .evaluate(u"document.querySelector('.court:nth-child(2)')"
                              ".classList.contains('offline')"_qs)
                    .toBool());

        // Nothing arrives, yet the running clock moves on from its `at`.
        const QString first = text(u".court .clock"_qs);
        QTRY_VERIFY_WITH_TIMEOUT(text(u".court .clock"_qs) != first, 5000);

        feed.receive(u"corvella/v1/hall/1/state"_qs, state(47, false, 300000));
        QTRY_COMPARE_WITH_TIMEOUT(text(u".court .score"_qs), u"47"_qs, 5000);
        QCOMPARE(text(u".court .clock"_qs), u"5:00"_qs);

        const QString artifacts = QStringLiteral(CORVELLA_ARTIFACTS "/hall");
        QDir().mkpath(artifacts);
        const QImage shot = browser.screenshot();
        QCOMPARE(shot.size(), QSize(1920, 1080));
        QVERIFY(shot.save(artifacts + u"/hall-de.png"_qs));

        // Under the hall's own policy, what a page hides is not drawn and
        // nothing it uses is refused.
        QCOMPARE(browser.hiddenButDrawn(), QString());
        QVERIFY(browser.navigate(
            QUrl(QStringLiteral("http://127.0.0.1:%1/hall/results").arg(service.port()))));
        QCOMPARE(browser.hiddenButDrawn(), QString());
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestHallBrowser test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hallbrowser.moc"
