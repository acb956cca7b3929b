#include "hall/hallfeed.h"
#include "hall/hallservice.h"
#include "hall/schedule.h"
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

// A court's state as a board sends it; `extra` is added to its members.
QByteArray courtState(const QString &home, const QString &guest, const QString &scores,
                      const QString &clock, const QString &extra = {})
{
    return QStringLiteral("{\"scores\":%1,\"clock\":%2,\"teams\":{\"timeoutsLeft\":[2,1]},"
                          "\"board\":{\"home\":\"%3\",\"guest\":\"%4\","
                          "\"homeTeam\":{\"name\":\"%3\",\"color\":\"#d02030\"},"
                          "\"guestTeam\":null},\"at\":%5%6}")
        .arg(scores, clock, home, guest)
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(extra)
        .toUtf8();
}

// Every text of every court card whose box leaves its card, and every text
// of the day's panel that leaves the panel: nothing when all is inside.
const QString TextsOutside = uR"((() => {
  const outside = [];
  const check = (box, root) => {
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
    const bounds = box.getBoundingClientRect();
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      if (!node.textContent.trim()) continue;
      const range = document.createRange();
      range.selectNodeContents(node);
      for (const r of range.getClientRects()) {
        if (r.left < bounds.left - 0.5 || r.right > bounds.right + 0.5 ||
            r.top < bounds.top - 0.5 || r.bottom > bounds.bottom + 0.5)
          outside.push(node.textContent);
      }
    }
  };
  for (const card of document.querySelectorAll('.court')) check(card, card);
  const day = document.getElementById('day');
  if (!day.hidden) check(day, day);
  return outside.join(' | ');
})())"_qs;

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

    // The day on the lobby's TV: a korfball game running, a volleyball match
    // in its third set with a timeout, a final, a court offline; each
    // court's next game and the standings beside them. Every text stays in
    // its card at 1920x1080 and 1280x720. Then a board dies without its
    // will (its states stop: "No signal", its clock stops) and the hall's
    // link goes down (said once, the courts keep their scores).
    void theDayOnTheLobbyTv()
    {
        QTemporaryDir folder;
        HallFeed feed(u"hall"_qs, folder.path());
        qint64 nowMs = 1000;
        feed.setClock([&nowMs] { return nowMs; });
        QString error;
        std::optional<Schedule> day =
            Schedule::parse("time,court,home,guest,preset,group\n"
                            "09:00,1,Dynamo Apeldoorn,Sliedrecht Sport,Basketball,Korfbal A\n"
                            "11:00,1,Oranje Wit,Fortuna Delft,Basketball,Korfbal A\n"
                            "09:00,2,Lycurgus,Orion,Volleyball,Volley\n"
                            "08:00,3,Sliedrecht Sport,Orion,Volleyball,Volley\n"
                            "10:30,3,Lycurgus,Sliedrecht Sport,Volleyball,Volley\n",
                            {u"Basketball"_qs, u"Volleyball"_qs}, &error);
        QVERIFY2(day, qPrintable(error));
        MatchScore played;
        played.score = {3, 1};
        played.sets = {{25, 20}, {24, 26}, {25, 15}, {25, 23}};
        QVERIFY(day->markDone(u"3"_qs, u"Sliedrecht Sport"_qs, u"Orion"_qs, played));

        feed.receive(u"corvella/v1/hall/1/online"_qs, "1");
        feed.receive(u"corvella/v1/hall/1/state"_qs,
                     courtState(u"Dynamo Apeldoorn"_qs, u"Sliedrecht Sport"_qs,
                                u"[14,12,null,null]"_qs,
                                u"{\"running\":true,\"ms\":1791000,\"countDown\":true,"
                                "\"periods\":2,\"period\":2,\"phase\":\"play\"}"_qs));
        feed.receive(u"corvella/v1/hall/2/online"_qs, "1");
        feed.receive(u"corvella/v1/hall/2/state"_qs,
                     courtState(u"Lycurgus"_qs, u"Orion"_qs, u"[12,9,1,1]"_qs,
                                u"{\"running\":false,\"ms\":3600000,\"blank\":true,\"periods\":0,"
                                "\"period\":3,\"phase\":\"play\",\"timeout\":{\"team\":\"guest\","
                                "\"ms\":30000,\"running\":true}}"_qs,
                                u",\"sets\":{\"set\":3,\"won\":[1,1],\"played\":[[25,20],[24,26]],"
                                "\"serving\":\"home\"}"_qs));
        feed.receive(u"corvella/v1/hall/3/online"_qs, "1");
        feed.receive(u"corvella/v1/hall/3/state"_qs,
                     courtState(u"Oranje Wit"_qs, u"Fortuna Delft"_qs, u"[17,16,null,null]"_qs,
                                u"{\"running\":false,\"ms\":0,\"countDown\":true,"
                                "\"periods\":2,\"period\":2,\"phase\":\"final\"}"_qs));
        feed.receive(u"corvella/v1/hall/4/online"_qs, "0");
        HallService service(feed);
        service.setSchedule(&*day);
        QVERIFY(service.listen(QHostAddress::LocalHost, 0));
        HeadlessChromium browser;
        if (!browser.start())
            QSKIP(qPrintable(browser.problem));
        browser.setViewport(1920, 1080);
        QVERIFY(browser.navigate(QUrl(u"http://127.0.0.1:%1/hall"_qs.arg(service.port()))));
        const auto text = [&](const QString &selector) {
            return browser
                .evaluate(u"(document.querySelector('%1') || {}).textContent"_qs.arg(selector))
                .toString();
        };
        QTRY_COMPARE_WITH_TIMEOUT(
            browser.evaluate(u"document.querySelectorAll('.court').length"_qs).toInt(), 4, 10000);
        QCOMPARE(text(u".court:nth-child(2) .sets"_qs), u"Set 3 · Sets 1 - 1 · 25:20 24:26"_qs);
        QCOMPARE(text(u".court:nth-child(2) .score"_qs), u"12"_qs);
        QCOMPARE(text(u".court:nth-child(2) .timeouts"_qs),
                 u"Timeout Orion · Timeouts left: 2 - 1"_qs);
        QCOMPARE(text(u".court:nth-child(3) .phase"_qs), u"Final"_qs);
        QCOMPARE(text(u".court:nth-child(3) .clock"_qs), QString());
        QCOMPARE(text(u".court:nth-child(4) .online"_qs), u"Offline"_qs);
        QVERIFY(text(u"#next"_qs).contains(u"11:00 Oranje Wit – Fortuna Delft"_qs));
        QVERIFY(text(u"#standings"_qs).contains(u"Sliedrecht Sport3:12"_qs));
        QVERIFY(browser.evaluate(u"!!document.querySelector('a[href=\"/hall/schedule\"]')"_qs)
                    .toBool());

        const QString artifacts = QStringLiteral(CORVELLA_ARTIFACTS "/hall");
        QDir().mkpath(artifacts);
        for (const QSize size : {QSize(1920, 1080), QSize(1280, 720)}) {
            browser.setViewport(size.width(), size.height());
            QTRY_COMPARE_WITH_TIMEOUT(browser.evaluate(u"innerWidth"_qs).toInt(), size.width(),
                                      5000);
            QTRY_COMPARE_WITH_TIMEOUT(browser.evaluate(TextsOutside).toString(), QString(), 5000);
            // The longest name has room at full length: not cut short.
            QVERIFY(browser
                        .evaluate(u"(() => { const e = document.querySelector('.court .team');"
                                  " const r = document.createRange(); r.selectNodeContents(e);"
                                  " return r.getBoundingClientRect().width <= e.clientWidth;"
                                  " })()"_qs)
                        .toBool());
            const QImage shot = browser.screenshot();
            QCOMPARE(shot.size(), size);
            QVERIFY(shot.save(artifacts + u"/hall-day-%1.png"_qs.arg(size.width())));
        }

        // Court 1's board dies with its clock running: no will, no states.
        nowMs += HallFeed::SilentAfterMs;
        QTRY_COMPARE_WITH_TIMEOUT(text(u".court:nth-child(1) .online"_qs), u"No signal"_qs, 5000);
        const QString stopped = text(u".court:nth-child(1) .clock"_qs);
        QCOMPARE(stopped, u"29:51"_qs);
        // The hall's link goes down: said once, the courts keep their state.
        feed.setLinkUp(false);
        QTRY_VERIFY_WITH_TIMEOUT(text(u"#link"_qs).startsWith(u"Hall link down since "_qs), 5000);
        QCOMPARE(text(u".court:nth-child(2) .score"_qs), u"12"_qs);
        QCOMPARE(text(u".court:nth-child(2) .online"_qs), u"Online"_qs);
        QCOMPARE(text(u".court:nth-child(1) .clock"_qs), stopped);
        QCOMPARE(browser.evaluate(TextsOutside).toString(), QString());
        QVERIFY(browser.screenshot().save(artifacts + u"/hall-day-silent.png"_qs));
        QCOMPARE(browser.hiddenButDrawn(), QString());

        // The schedule, in the lobby's style, on the same screen.
        QVERIFY(
            browser.navigate(QUrl(u"http://127.0.0.1:%1/hall/schedule"_qs.arg(service.port()))));
        QVERIFY(text(u"#games"_qs).contains(u"3 : 125:20 24:26 25:15 25:23"_qs));
        QVERIFY(browser.screenshot().save(artifacts + u"/hall-schedule.png"_qs));
    }
};

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    TestHallBrowser test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hallbrowser.moc"
