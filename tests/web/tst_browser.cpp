#include "display/controls.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "game/clockface.h"
#include "game/gamelog.h"
#include "game/presets.h"
#include "scoreboard/scoreboardwindow.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"
#include "tests/web/devtools.h"
#include "tests/web/webfixture.h"
#include "web/httpfront.h"
#include "web/livestory.h"
#include "web/remoteapi.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

using namespace Qt::StringLiterals;

// The pages in a real browser (headless Chromium) against the server and the
// desktop board of one game: the page shows what the board shows, the overlay
// is see-through, and the remote's buttons operate the board.
class TestBrowser : public QObject
{
    Q_OBJECT

    MonotonicTimeSource time;
    FakeServices fakes;
    std::unique_ptr<GameModel> game;
    std::unique_ptr<GameHistory> history;
    std::unique_ptr<CurrentSettings> settings;
    std::unique_ptr<LiveChannel> live;
    std::unique_ptr<BoardServer> server;
    std::unique_ptr<ScoreBoardWindow> board;
    HeadlessChromium browser;
    int buzzes = 0;

    QUrl url(const QString &path) const
    {
        return QUrl(u"http://127.0.0.1:%1%2"_s.arg(server->port()).arg(path));
    }

    static QString artifacts()
    {
        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS) + u"/web"_s;
        QDir().mkpath(folder);
        return folder;
    }

    // What the desktop board's digits show, named as the page names them.
    QMap<QString, QString> boardDigits() const
    {
        QMap<QString, QString> digits;
        const auto text = [](int d) { return d < 0 ? QString() : QString::number(d); };
        for (int i = 1; i <= 5; ++i)
            digits.insert(u"clock%1"_s.arg(i), text(board->clockDigits()[i]->caption()));
        const LedGroup *scores[] = {&board->home1Digits(), &board->guest1Digits(),
                                    &board->home2Digits(), &board->guest2Digits()};
        for (int i = 0; i < 4; ++i) {
            digits.insert(u"score%1tens"_s.arg(i), text((*scores[i])[1]->caption()));
            digits.insert(u"score%1units"_s.arg(i), text((*scores[i])[0]->caption()));
        }
        return digits;
    }

    QMap<QString, QString> pageDigits() { return browser.digits(); }

    bool pageConnected()
    {
        return browser.evaluate(u"document.getElementById('status').hidden"_s).toBool();
    }

    // Whether the page's digits agree with the desktop board's (only those the page has).
    bool pageMatchesBoard()
    {
        const QMap<QString, QString> page = pageDigits();
        const QMap<QString, QString> desktop = boardDigits();
        if (page.isEmpty())
            return false;
        for (auto it = page.begin(); it != page.end(); ++it)
            if (desktop.value(it.key()) != it.value())
                return false;
        return true;
    }

    static int countNear(const QImage &image, QRgb color)
    {
        int count = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2) {
                const QRgb p = image.pixel(x, y);
                if (qAbs(qRed(p) - qRed(color)) < 24 && qAbs(qGreen(p) - qGreen(color)) < 24 &&
                    qAbs(qBlue(p) - qBlue(color)) < 24 && qAlpha(p) > 200)
                    ++count;
            }
        return count;
    }

    void act(const QString &what, const std::function<void(GameModel &)> &action)
    {
        history->perform(what, action);
    }

private slots:
    void initTestCase()
    {
        game = std::make_unique<GameModel>(time);
        history = std::make_unique<GameHistory>(*game);
        settings = std::make_unique<CurrentSettings>(defaultSettings());
        live = std::make_unique<LiveChannel>(*game, *history, *settings, time);
        connect(live.get(), &LiveChannel::buzzerRequested, this, [this] { ++buzzes; });
        server = std::make_unique<BoardServer>(*live);
        QVERIFY(server->listen(QHostAddress::LocalHost, 0));
        board =
            std::make_unique<ScoreBoardWindow>(*game, *history, settings->value(), fakes.dialogs);
        board->show();
        if (!browser.start())
            QSKIP(qPrintable(browser.problem));
    }

    void cleanupTestCase()
    {
        browser.stop();
        board.reset();
        server.reset();
    }

    void pageShowsWhatTheBoardShows_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("display 1920x1080") << u"/display"_s << 1920 << 1080;
        QTest::newRow("display 1280x720") << u"/display"_s << 1280 << 720;
        QTest::newRow("overlay 1920x1080") << u"/overlay"_s << 1920 << 1080;
        QTest::newRow("overlay 1280x720") << u"/overlay"_s << 1280 << 720;
    }
    void pageShowsWhatTheBoardShows()
    {
        QFETCH(QString, page);
        QFETCH(int, width);
        QFETCH(int, height);
        const bool overlay = page == u"/overlay"_s;
        act(u"reset"_s, [](GameModel &g) {
            g.clear();
            g.resetClock();
        });
        browser.setViewport(width, height);
        browser.setTransparentBackground(overlay);
        QVERIFY(browser.navigate(url(page)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        QTRY_VERIFY(pageMatchesBoard());

        // Score entries, as the board's keys make them.
        act(u"Set score"_s, [](GameModel &g) { g.setScore(GameModel::Home1, 7); });
        act(u"Set score"_s, [](GameModel &g) { g.setScore(GameModel::Guest1, 23); });
        act(u"Change score"_s, [](GameModel &g) { g.addToScore(GameModel::Home2, 5); });
        act(u"Set score"_s, [](GameModel &g) { g.setScore(GameModel::Guest2, 99); });
        QTRY_VERIFY(pageMatchesBoard());
        QCOMPARE(pageDigits().value(u"score1tens"_s), u"2"_s);
        // A clock entry.
        act(u"Set clock"_s, [](GameModel &g) { g.enterClockTime(12 * 60 + 30); });
        QTRY_VERIFY(pageMatchesBoard());
        QCOMPARE(pageDigits().value(u"clock1"_s), u"1"_s);
        QCOMPARE(pageDigits().value(u"clock3"_s), u"3"_s);

        const QImage shot = browser.screenshot();
        QCOMPARE(shot.size(), QSize(width, height));
        const QString name = page.mid(1) + u"-%1x%2"_s.arg(width).arg(height);
        QVERIFY(shot.save(artifacts() + u'/' + name + u".png"_s));
        // Lit segments in the clock's red and the scores' orange.
        QVERIFY2(countNear(shot, qRgb(255, 0, 0)) > 50, qPrintable(name));
        QVERIFY2(countNear(shot, qRgb(255, 128, 0)) > 50, qPrintable(name));
        if (overlay) {
            // Below the strip the page is see-through.
            QCOMPARE(qAlpha(shot.pixel(width / 2, height - 2)), 0);
        } else {
            QVERIFY(countNear(shot, qRgb(0, 0, 255)) > width * height / 40);
            // The board's credit line as the settings have it.
            QCOMPARE(browser
                         .evaluate(u"document.querySelector('[data-name=createdBy]')"
                                   ".textContent"_s)
                         .toString(),
                     settings->value().CreditText);
        }
    }

    // Every page the board serves, under its own policy: what it hides is
    // not drawn (by its computed style, whatever its attributes say), and
    // the policy refuses nothing the page uses.
    void noPageDrawsWhatItHides_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("everything");
        QTest::newRow("index") << u"/"_s << false << false;
        QTest::newRow("display") << u"/display"_s << true << false;
        QTest::newRow("display, teams, players, shot clock") << u"/display"_s << true << true;
        QTest::newRow("overlay") << u"/overlay"_s << true << false;
        QTest::newRow("overlay, teams, players, shot clock") << u"/overlay"_s << true << true;
        QTest::newRow("shot clock") << u"/shotclock"_s << true << true;
        QTest::newRow("remote") << u"/remote"_s << true << false;
        QTest::newRow("report") << u"/report"_s << false << true;
        QTest::newRow("announcer") << u"/announcer"_s << false << true;
    }
    void noPageDrawsWhatItHides()
    {
        QFETCH(QString, page);
        QFETCH(bool, live);
        QFETCH(bool, everything);
        QTemporaryDir folder;
        if (everything) {
            QImage logo(64, 64, QImage::Format_RGB32);
            logo.fill(QColor(0, 255, 0));
            QVERIFY(logo.save(folder.filePath(u"lions.png"_s)));
            Team lions{u"Lions of Neustadt"_s,          u"LIONS"_s,
                       QColor(0x80, 0x00, 0x80),        QColor(Qt::white),
                       folder.filePath(u"lions.png"_s), {}};
            game->setSides({GameSide{lions, {}}, GameSide{std::nullopt, u"Bears"_s}});
            PlayerRules players;
            players.enabled = true;
            game->playersPart().setRules(players);
            ShotClockRules shot;
            shot.enabled = true;
            game->shotClockPart().setRules(shot);
        }
        // A game on record for the report.
        GameLog log(folder.filePath(u"games"_s), *game, *history);
        log.begin(false);
        act(u"Set score"_s, [](GameModel &g) { g.setScore(GameModel::Home1, 7); });
        QVERIFY(log.flush());
        server->setGameLogFolder(folder.filePath(u"games"_s));
        const auto restore = qScopeGuard([this] {
            server->setGameLogFolder(GameLog::defaultFolder());
            game->setSides({});
            game->playersPart().setRules({});
            game->shotClockPart().setRules({});
        });
        browser.setViewport(1280, 720);
        browser.setTransparentBackground(false);
        QVERIFY(browser.navigate(url(page)));
        if (live) {
            QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
            // With the shot clock and players on, a page draws digits the
            // desktop board under test has not; that it drew them is enough.
            QTRY_VERIFY(page == u"/remote"_s ||
                        (everything ? !pageDigits().isEmpty() : pageMatchesBoard()));
        }
        QCOMPARE(browser.hiddenButDrawn(), QString());
    }

    // Every caption of the page drawn whole inside its own box, within the
    // board, crossing no digit; "" when all are, else what is wrong.
    QString captionProblems()
    {
        return browser
            .evaluate(uR"((() => {
  const svg = document.getElementById('board');
  const shown = (e) => {
    for (let n = e; n && n !== svg; n = n.parentNode) {
      if (getComputedStyle(n).display === 'none') return false;
    }
    return true;
  };
  const rect = (e) => e.getBoundingClientRect();
  const over = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  const scale = svg.getScreenCTM().a;
  const frame = rect(document.querySelector('[data-name=frame]') || svg);
  const digits = [...document.querySelectorAll('.digit')].filter(shown);
  const problems = [];
  for (const t of document.querySelectorAll('text.caption')) {
    if (!t.textContent || !shown(t)) continue;
    const r = rect(t);
    const name = t.dataset.name;
    if (r.width > Number(t.dataset.width) * scale + 1) problems.push(`${name} wider than its box`);
    if (r.left < frame.left || r.right > frame.right) problems.push(`${name} out of the board`);
    for (const d of digits) if (over(r, rect(d))) problems.push(`${name} over ${d.dataset.name}`);
  }
  return problems.join(', ');
})())"_s)
            .toString();
    }

    void namesFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("guest");
        QTest::addColumn<bool>("basketball");
        const QString home20 = u"SG Bergisch Gladbach"_s;
        const QString guest20 = u"BASKETS Ludwigshafen"_s;
        QTest::newRow("overlay, short names") << u"/overlay"_s << u"Home"_s << u"Guest"_s << false;
        QTest::newRow("overlay, middling names")
            << u"/overlay"_s << u"Thunderbirds"_s << u"HAMBURG TOWERS"_s << false;
        QTest::newRow("overlay, 20 characters") << u"/overlay"_s << home20 << guest20 << true;
        QTest::newRow("overlay small, 20 characters")
            << u"/overlay?size=small"_s << home20 << guest20 << true;
        QTest::newRow("display, 20 characters") << u"/display"_s << home20 << guest20 << true;
        QTest::newRow("display, 20 wide characters")
            << u"/display"_s << u"WWWWWWWWWWWWWWWWWWWW"_s << u"MMMMMMMMMMMMMMMMMMMM"_s << false;
    }

    // Long names shrink into their boxes on the pages; none runs over a
    // score or out of the board.
    void namesFitTheirBoxes()
    {
        QFETCH(QString, page);
        QFETCH(QString, home);
        QFETCH(QString, guest);
        QFETCH(bool, basketball);
        QCOMPARE(guest.size() == 20, home.size() == 20);
        const Settings before = settings->value();
        Settings s = before;
        s.HomeText = home;
        s.GuestText = guest;
        s.SectionText1 = u"Overtime Period 2"_s;
        s.SectionText2 = u"Fouls and penalties"_s;
        settings->set(s);
        GameStructure rules;
        if (basketball) {
            rules = {4, {120'000}, 300'000};
            rules.timeouts.perGame = 5;
            rules.fouls = {true, false, 5};
            rules.section1Max = 999;
        }
        game->setStructure(rules);
        act(u"scores"_s, [basketball](GameModel &g) {
            g.setScore(GameModel::Home1, basketball ? 108 : 88);
            g.setScore(GameModel::Guest1, basketball ? 111 : 18);
            g.setScore(GameModel::Guest2, 5);
            if (basketball)
                g.takeTimeout(GameModel::Guest);
        });
        browser.setViewport(1280, 720);
        browser.setTransparentBackground(page.startsWith(u"/overlay"_s));
        QVERIFY(browser.navigate(url(page)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        QTRY_COMPARE(browser.evaluate(u"document.querySelector('[data-name=guest]').textContent"_s)
                         .toString(),
                     guest);
        QString name = u"names-"_s + QLatin1StringView(QTest::currentDataTag());
        QVERIFY(browser.screenshot().save(artifacts() + u'/' +
                                          name.replace(u' ', u'-').remove(u',') + u".png"_s));
        const QString problems = captionProblems();
        act(u"back"_s, [](GameModel &g) { g.clear(); });
        game->setStructure({});
        settings->set(before);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // The strip under the overlay names the final without a number.
    void theOverlayTellsTheFinal()
    {
        game->setStructure({2, {}, 0});
        GameState over = game->state();
        over.period = 2;
        over.phase = GamePhase::Final;
        game->restore(over);
        browser.setViewport(1280, 720);
        browser.setTransparentBackground(true);
        QVERIFY(browser.navigate(url(u"/overlay?lang=de"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        const auto phase = [this] {
            return browser.evaluate(u"document.querySelector('[data-name=phase]').textContent"_s)
                .toString();
        };
        QTRY_COMPARE(phase(), u"ENDSTAND"_s);
        QVERIFY(browser.screenshot().save(artifacts() + u"/overlay-final-de.png"_s));
        game->setStructure({});
    }

    // A match in sets won: /display says FINAL in the set corner with no set
    // number beside it.
    void theDisplayTellsAMatchOverWithoutASetNumber()
    {
        SetsRules rules;
        rules.enabled = true;
        game->setsPart().setRules(rules);
        const auto setsOff = qScopeGuard([this] { game->setsPart().setRules({}); });
        GameState over = game->state();
        over.period = 4;
        over.sets.set = 4;
        over.phase = GamePhase::Final;
        game->restore(over);
        browser.setViewport(1280, 720);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        QTRY_COMPARE(browser.evaluate(u"document.querySelector('[data-name=phase]').textContent"_s)
                         .toString(),
                     u"FINAL"_s);
        const QMap<QString, QString> digits = pageDigits();
        QCOMPARE(digits.value(u"period1"_s, u"?"_s) + u'|' + digits.value(u"period0"_s, u"?"_s),
                 u"|"_s);
    }

    // Sponsors on in a break: /display shows the slide over the board, with
    // the strip of the score and clock, and the board again once it ends.
    void sponsorSlidesShowOnTheDisplayInABreak_data()
    {
        QTest::addColumn<bool>("teams");
        QTest::newRow("plain captions") << false;
        QTest::newRow("library teams with logos") << true;
    }
    void sponsorSlidesShowOnTheDisplayInABreak()
    {
        QFETCH(bool, teams);
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(u"Corvella/sponsors"_s)));
        // Magenta with the grain of a photo, so that like one it takes more
        // than the few hundred KiB a page may leave unread.
        QImage slide(800, 450, QImage::Format_RGB32);
        QRandomGenerator grain(7);
        for (int y = 0; y < slide.height(); ++y)
            for (int x = 0; x < slide.width(); ++x)
                slide.setPixel(
                    x, y,
                    qRgb(255 - grain.bounded(16), grain.bounded(16), 255 - grain.bounded(16)));
        QVERIFY(slide.save(data.filePath(u"Corvella/sponsors/club.png"_s)));
        QVERIFY(QFileInfo(data.filePath(u"Corvella/sponsors/club.png"_s)).size() >
                HttpFront::MaxUnsentBytes);
        if (teams) {
            QImage logo(64, 64, QImage::Format_RGB32);
            logo.fill(QColor(0, 255, 0));
            QVERIFY(logo.save(data.filePath(u"lions.png"_s)));
            const Team lions{u"Lions of Neustadt"_s,        u"LIONS"_s,
                             QColor(0x80, 0x00, 0x80),      QColor(Qt::white),
                             data.filePath(u"lions.png"_s), {}};
            Team bears = lions;
            bears.name = u"Bears of Altstadt"_s;
            bears.shortName = u"BEARS"_s;
            game->setSides({GameSide{lions, {}}, GameSide{bears, {}}});
        }
        const QByteArray dataHomeBefore = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const Settings before = settings->value();
        Settings sponsors = before;
        sponsors.SponsorsEnabled = 1;
        settings->set(sponsors);
        game->setStructure({2, {60'000}, 0});
        game->setClockMode(true, 1'000);
        act(u"reset"_s, [](GameModel &g) { g.newGame(); });
        browser.setViewport(1280, 720);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        const auto slidesShown = [this] {
            return !browser.evaluate(u"document.getElementById('sponsors').hidden"_s).toBool();
        };
        QVERIFY(!slidesShown());
        GameState inBreak = game->state();
        inBreak.phase = GamePhase::Break;
        inBreak.clockMs = 30'000;
        game->restore(inBreak);
        QTRY_VERIFY_WITH_TIMEOUT(slidesShown(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(browser.evaluate(u"document.getElementById('sponsorSlide')"
                                                  ".naturalWidth"_s)
                                         .toInt() == 800,
                                 10000);
        const QImage shot = browser.screenshot();
        QVERIFY(shot.save(artifacts() +
                          (teams ? u"/display-sponsors-teams.png"_s : u"/display-sponsors.png"_s)));
        QVERIFY2(countNear(shot, qRgb(255, 0, 255)) > shot.width() * shot.height() / 4 / 2,
                 "the slide does not fill the page");
        act(u"skip"_s, [](GameModel &g) { g.skipBreak(); });
        QTRY_VERIFY(!slidesShown());
        game->setSides({});
        settings->set(before);
        game->setStructure({});
        game->setClockMode(false, 0);
        qputenv("XDG_DATA_HOME", dataHomeBefore);
    }

    // A sponsor's SVG opened on its own is a document of the board's
    // address: a script in it does not run there.
    void aSlidesScriptDoesNotRun()
    {
        QTemporaryDir data;
        QVERIFY(QDir().mkpath(data.filePath(u"Corvella/sponsors"_s)));
        QFile svg(data.filePath(u"Corvella/sponsors/club.svg"_s));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='80' height='40'>"
                  "<rect width='80' height='40' fill='magenta'/><script>"
                  "document.documentElement.setAttribute('data-ran', 'yes')</script></svg>");
        svg.close();
        const QByteArray dataHomeBefore = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", dataHomeBefore); });
        QVERIFY(browser.navigate(url(u"/sponsors/0"_s)));
        QCOMPARE(browser.evaluate(u"document.documentElement.localName"_s).toString(), u"svg"_s);
        QCOMPARE(browser.evaluate(u"document.documentElement.getAttribute('data-ran')"_s),
                 QJsonValue(QJsonValue::Null));
    }

    // A library team on the pages: its name (the short one on the overlay)
    // on a band of its colour, its logo beside it; a plain caption has none.
    void teamsShowInTheirColoursOnThePages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("guestBand");
        const QString bandName = u"document.querySelector('[data-name=%1Name]').textContent"_s;
        const QString bandShown =
            u"getComputedStyle(document.querySelector('[data-name=guestBand]')).display"_s;
        QTest::newRow("display") << u"/display"_s << bandName.arg(u"home"_s)
                                 << u"Lions of Neustadt"_s << bandShown;
        QTest::newRow("overlay") << u"/overlay"_s << bandName.arg(u"home"_s) << u"LIONS"_s
                                 << bandShown;
        QTest::newRow("remote") << u"/remote"_s << u"document.getElementById('name0').textContent"_s
                                << u"Lions of Neustadt"_s
                                << u"document.getElementById('team1').style.background"_s;
    }

    void teamsShowInTheirColoursOnThePages()
    {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QFETCH(QString, guestBand);
        QTemporaryDir folder;
        QImage logo(64, 64, QImage::Format_RGB32);
        logo.fill(QColor(0, 255, 0));
        QVERIFY(logo.save(folder.filePath(u"lions.png"_s)));
        Team lions;
        lions.name = u"Lions of Neustadt"_s;
        lions.shortName = u"LIONS"_s;
        lions.color = QColor(0x80, 0x00, 0x80);
        lions.textColor = QColor(Qt::white);
        lions.logo = folder.filePath(u"lions.png"_s);
        game->setSides({GameSide{lions, {}}, GameSide{std::nullopt, u"Bears"_s}});
        browser.setViewport(page == u"/remote"_s ? 412 : 1280, page == u"/remote"_s ? 915 : 720);
        browser.setTransparentBackground(false);
        QVERIFY(browser.navigate(url(page)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        if (page == u"/remote"_s) {
            browser.evaluate(
                u"document.getElementById('pin').value = '%1'"_s.arg(live->pinLock().pin()));
            QVERIFY(browser.click(u"pinButton"_s));
            QTRY_VERIFY(
                !browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool());
        }
        QTRY_COMPARE(browser.evaluate(name).toString(), shown);
        // The logo comes from the board after the page has drawn the band.
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = browser.screenshot(), countNear(shot, qRgb(0, 255, 0)) > 60), 10000);
        QVERIFY(shot.save(artifacts() + u"/teams%1.png"_s.arg(page.mid(1).prepend(u'-'))));
        QVERIFY(countNear(shot, qRgb(0x80, 0x00, 0x80)) > countNear(shot, qRgb(0, 255, 0)));
        const QString guest = browser.evaluate(guestBand).toString();
        QVERIFY2(guest == u"none"_s || guest.isEmpty(), qPrintable(guest));
        // Where name and band read poorly together, an outline that reads.
        QCOMPARE(browser
                     .evaluate(u"TeamBands.colors({color: '#ffffff', textColor: '#ffff00'}, '')"
                               ".outline"_s)
                     .toString(),
                 u"#000000"_s);
        // The remote's next visit unlocks again.
        browser.evaluate(u"sessionStorage.clear()"_s);
        game->setSides({});
    }

    // Where the overlay's address puts the strip on a 1280 x 720 page (2% in
    // from its corner); its height follows at 900 / 9600 of its width.
    // A period's end puts the break on the board and the page at once; the
    // next period shows its number on both.
    void thePeriodAndTheBreakShowOnThePage()
    {
        game->setStructure({2, {60'000}, 0});
        game->setClockMode(true, 1'000);
        act(u"reset"_s, [](GameModel &g) { g.newGame(); });
        browser.setViewport(1920, 1080);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        const auto pagePhase = [this] {
            return browser.evaluate(u"document.querySelector('[data-name=phase]').textContent"_s)
                .toString();
        };
        QTRY_COMPARE(pagePhase(), u"PERIOD"_s);
        // The first period over, its break half gone (the page's clock is real).
        GameState inBreak = game->state();
        inBreak.phase = GamePhase::Break;
        inBreak.clockMs = 30'000;
        game->restore(inBreak);
        QCOMPARE(board->controls().phaseCaption->text(), u"BREAK"_s);
        QTRY_COMPARE(pagePhase(), u"BREAK"_s);
        act(u"skip"_s, [](GameModel &g) { g.skipBreak(); });
        QTRY_COMPARE(pagePhase(), u"PERIOD"_s);
        QTRY_COMPARE(pageDigits().value(u"period0"_s), u"2"_s);
        game->setStructure({});
        game->setClockMode(false, 0);
    }

    void overlayTakesSizeAndCornerFromItsAddress_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QList<double>>("place"); // left, top, width
        const double m = 25.6;
        QTest::newRow("none") << u""_s << QList<double>{0, 0, 1280};
        QTest::newRow("small top-left")
            << u"?size=small&corner=top-left"_s << QList<double>{m, m, 384};
        QTest::newRow("medium top-right")
            << u"?size=medium&corner=top-right"_s << QList<double>{1280 - m - 640, m, 640};
        QTest::newRow("large bottom-left")
            << u"?size=large&corner=bottom-left"_s << QList<double>{m, 720 - m - 90, 960};
        QTest::newRow("small bottom-right") << u"?corner=bottom-right&size=small"_s
                                            << QList<double>{1280 - m - 384, 720 - m - 36, 384};
        QTest::newRow("unknown both") << u"?size=huge&corner=middle"_s << QList<double>{0, 0, 1280};
    }
    void overlayTakesSizeAndCornerFromItsAddress()
    {
        QFETCH(QString, query);
        QFETCH(QList<double>, place);
        place.append(place[2] * 900 / 9600);
        browser.setViewport(1280, 720);
        browser.setTransparentBackground(true);
        QVERIFY(browser.navigate(url(u"/overlay"_s + query)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        const QJsonArray box = browser
                                   .evaluate(u"(({x, y, width, height}) => [x, y, width, height])("
                                             "document.getElementById('board')"
                                             ".getBoundingClientRect())"_s)
                                   .toArray();
        for (int i = 0; i < 4; ++i)
            QVERIFY(qAbs(box[i].toDouble() - place[i]) < 1);
        QCOMPARE(browser.evaluate(u"getComputedStyle(document.body).backgroundColor"_s).toString(),
                 u"rgba(0, 0, 0, 0)"_s);
        QVERIFY(browser.screenshot().save(
            artifacts() + u"/overlay-%1.png"_s.arg(QLatin1StringView(QTest::currentDataTag()))
                              .replace(u' ', u'-')));
    }

    // A whole basketball-shaped game on record: four periods of ten minutes
    // with runs both ways, as its log has it.
    static void writeBasketballLog(const QString &folder)
    {
        QDir().mkpath(folder);
        GameRecord header;
        header.version = GameRecord::Version;
        header.started = QDateTime(QDate(2026, 12, 9), QTime(18, 0), Qt::UTC);
        header.home = u"Lions"_s;
        header.guest = u"Tigers"_s;
        header.periods = 4;
        QFile file(folder + u"/2026-12-09_1800_Lions-Tigers.jsonl"_s);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(header.headerJson()).toJson(QJsonDocument::Compact) + '\n');
        // Each period: who scores how much, every 40 s of the ten minutes.
        const char *const periods[] = {"HHGHHHGGGGGHGH", "GGHGGGHHHHHHGH", "HGHGHGGGGHHHGG",
                                       "HHHHGGHGHGHHGG"};
        const int points[] = {2, 3, 2, 1, 2, 2, 3};
        GameLogEntry e;
        e.after = {0, 0, 0, 0};
        e.kind = u"action"_s;
        e.action = u"score.add"_s;
        e.origin = u"operator"_s;
        e.running = true;
        int n = 0;
        for (int period = 1; period <= 4; ++period) {
            qint64 clock = 10 * 60 * 1000;
            const QByteArray who = periods[period - 1];
            for (qsizetype i = 0; i < who.size(); ++i) {
                e.number = ++n;
                e.time = header.started.addSecs(n * 40);
                e.before = e.after;
                e.beforePeriod = e.period = period;
                clock -= 40 * 1000;
                e.clockMs = e.beforeClockMs = clock;
                const int which = who.at(i) == 'H' ? GameModel::Home1 : GameModel::Guest1;
                e.after.at(which) = *e.after.at(which) + points[(n + period) % 7];
                e.label = who.at(i) == 'H' ? u"Home scores"_s : u"Guest scores"_s;
                file.write(QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact) + '\n');
            }
            // The period's end, and the next one's clock set for it.
            e.number = ++n;
            e.before = e.after;
            e.beforeClockMs = clock;
            e.period = std::min(period + 1, 4);
            e.clockMs = period < 4 ? 10 * 60 * 1000 : 0;
            e.label = u"Period ended"_s;
            file.write(QJsonDocument(e.toJson()).toJson(QJsonDocument::Compact) + '\n');
        }
    }

    // The report tells the game's story: the figures and the score's flow,
    // drawn as SVG inside the page with nothing the page's policy drops.
    void theReportShowsTheFiguresAndTheChart()
    {
        QTemporaryDir folder;
        writeBasketballLog(folder.filePath(u"games"_s));
        server->setGameLogFolder(folder.filePath(u"games"_s));
        const auto restore =
            qScopeGuard([this] { server->setGameLogFolder(GameLog::defaultFolder()); });
        browser.setViewport(1000, 1100);
        browser.setTransparentBackground(false);
        QVERIFY(browser.navigate(url(u"/report"_s)));
        QCOMPARE(browser.evaluate(u"document.querySelectorAll('figure.flow svg').length"_s).toInt(),
                 1);
        QCOMPARE(
            browser.evaluate(u"document.querySelectorAll('figure.flow [style]').length"_s).toInt(),
            0);
        // Drawn, not dropped: the chart's line has its size on the page.
        QVERIFY(
            browser
                .evaluate(
                    u"document.querySelector('figure.flow svg').getBoundingClientRect().width"_s)
                .toDouble() >= 600);
        const QString figures =
            browser.evaluate(u"document.querySelector('table.figures').innerText"_s).toString();
        for (const QString &name : {u"Lead changes"_s, u"Times tied"_s, u"Largest lead"_s,
                                    u"Longest run"_s, u"Time leading"_s})
            QVERIFY2(figures.contains(name), qPrintable(figures));
        QVERIFY(browser.screenshot().save(artifacts() + u"/report-flow.png"_s));
    }

    // The announcer's page during a game with players, in the browser's
    // language: a step taken through the API is at the top of its list
    // within a second.
    void theAnnouncerFollowsTheGame_data()
    {
        QTest::addColumn<QString>("accept");
        QTest::addColumn<QString>("lang");
        QTest::newRow("German") << u"de-DE,de;q=0.9"_s << u"de"_s;
        QTest::newRow("English") << u"en-GB,en;q=0.9"_s << u"en"_s;
    }

    void theAnnouncerFollowsTheGame()
    {
        QFETCH(QString, accept);
        QFETCH(QString, lang);
        const QString token = u"0123456789abcdef0123456789abcdef"_s;
        Settings withApi = defaultSettings();
        withApi.Api = 1;
        withApi.ApiToken = token;
        GameModel played(time);
        GameHistory steps(played);
        CurrentSettings apiSettings(withApi);
        LiveChannel channel(played, steps, apiSettings, time);
        RemoteApi api(played, steps, apiSettings, channel, time);
        BoardServer announcing(channel);
        announcing.setApi(&api);
        QVERIFY(announcing.listen(QHostAddress::LocalHost, 0));
        PlayerRules players;
        players.enabled = true;
        played.playersPart().setRules(players);
        QTemporaryDir folder;
        GameLog log(folder.filePath(u"games"_s), played, steps);
        LiveStory story;
        connect(&log, &GameLog::lineAppended, &story, &LiveStory::take);
        channel.setStory(&story);
        log.begin(false);
        steps.perform(u"Set score"_s, [](GameModel &g) { g.setScore(GameModel::Home1, 7); });

        browser.call(
            u"Emulation.setUserAgentOverride"_s,
            {{u"userAgent"_s, u"Mozilla/5.0 Corvella test"_s}, {u"acceptLanguage"_s, accept}});
        const auto plain = qScopeGuard([this] {
            browser.call(
                u"Emulation.setUserAgentOverride"_s,
                {{u"userAgent"_s, u"Mozilla/5.0 Corvella test"_s}, {u"acceptLanguage"_s, u"en"_s}});
        });
        browser.setViewport(1000, 800);
        QVERIFY(browser.navigate(QUrl(u"http://127.0.0.1:%1/announcer"_s.arg(announcing.port()))));
        QCOMPARE(browser.evaluate(u"document.documentElement.lang"_s).toString(), lang);
        // Its words in that language from the first frame.
        QCOMPARE(
            browser
                .evaluate(u"document.querySelector('#steps').previousElementSibling.textContent"_s)
                .toString(),
            lang == u"de" ? u"Letzte Schritte"_s : u"Last steps"_s);
        QTRY_VERIFY_WITH_TIMEOUT(
            browser.evaluate(u"document.getElementById('steps').children.length"_s).toInt() == 1,
            10000);

        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, announcing.port());
        const QByteArray body = R"({"player":"12","seconds":120})";
        socket.write(
            "POST /api/v1/penalty/guest HTTP/1.1\r\nHost: 127.0.0.1\r\nAuthorization: Bearer " +
            token.toLatin1() + "\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\nConnection: close\r\n\r\n" + body);
        QElapsedTimer since;
        since.start();
        const auto newest = [this] {
            return browser
                .evaluate(u"(document.querySelector('#steps li') || {}).textContent || ''"_s)
                .toString();
        };
        QTRY_VERIFY_WITH_TIMEOUT(newest().contains(u"#12"_s), 1000);
        qInfo("the step showed on the announcer's page after %lld ms", since.elapsed());
        QVERIFY2(newest().startsWith(u"Guest #12, "_s) && newest().count(u"#12"_s) == 1,
                 qPrintable(newest()));
        // The player with their penalty on the board, and the figures so far.
        QVERIFY(!browser.evaluate(u"document.getElementById('penaltiesPart').hidden"_s).toBool());
        QVERIFY(!browser.evaluate(u"document.getElementById('figuresPart').hidden"_s).toBool());
        QVERIFY(browser.screenshot().save(artifacts() + u"/announcer-%1.png"_s.arg(lang)));
    }

    // In the language asked from the first frame: the page arrives translated,
    // even before (here: without) its scripts.
    void pageSpeaksTheLanguageAsked()
    {
        browser.call(u"Emulation.setScriptExecutionDisabled"_s, {{u"value"_s, true}});
        QVERIFY(browser.navigate(url(u"/remote?lang=nl"_s)));
        const QString first =
            browser.evaluate(u"document.getElementById('pinButton').textContent"_s).toString();
        browser.call(u"Emulation.setScriptExecutionDisabled"_s, {{u"value"_s, false}});
        QCOMPARE(first, u"Ontgrendelen"_s);
        QCOMPARE(browser.evaluate(u"document.documentElement.lang"_s).toString(), u"nl"_s);
        QVERIFY(browser.navigate(url(u"/remote?lang=nl"_s)));
        QCOMPARE(browser.evaluate(u"Texts.t('Wrong PIN.')"_s).toString(), u"Verkeerde pincode."_s);
    }

    void runningClockShowsTheSameTenths()
    {
        browser.setViewport(1280, 720);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        act(u"Set clock"_s, [](GameModel &g) { g.enterClockTime(65); });
        QTest::keyClick(board.get(), 's'); // the board's own start key
        QVERIFY(game->isRunning());
        int same = 0;
        int samples = 0;
        for (; samples < 20; ++samples) {
            QTest::qWait(37);
            const qint64 before = game->shownTime().raw / ClockSeconds::PerTenth;
            const QMap<QString, QString> page = pageDigits();
            const qint64 after = game->shownTime().raw / ClockSeconds::PerTenth;
            const qint64 shown =
                page.value(u"clock2"_s).toInt() * 600 + page.value(u"clock3"_s).toInt() * 100 +
                page.value(u"clock4"_s).toInt() * 10 + page.value(u"clock5"_s).toInt();
            // The same tenth as the desktop, or one apart at a boundary; up
            // to three behind, since a loaded machine hands Chromium the
            // program's message and its next frame late. A page that stands
            // still between the program's once-a-second messages falls ten
            // tenths behind.
            QVERIFY2(shown >= before - 3 && shown <= after + 1,
                     qPrintable(u"page %1, board %2..%3"_s.arg(shown).arg(before).arg(after)));
            same += shown >= before && shown <= after ? 1 : 0;
        }
        qInfo("page showed the board's own tenth in %d of %d samples", same, samples);
        QTest::keyClick(board.get(), 's');
        QVERIFY(!game->isRunning());
        QTRY_VERIFY(pageMatchesBoard());
    }

    // The shot clock's digits and the possession arrow on each page as on the
    // desktop board: whole seconds, tenths with the dot under five seconds,
    // nothing with the shot clock off.
    void shotClockShowsOnThePages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("display") << u"/display"_s;
        QTest::newRow("overlay") << u"/overlay"_s;
        QTest::newRow("shot clock") << u"/shotclock"_s;
    }
    void shotClockShowsOnThePages()
    {
        QFETCH(QString, page);
        const auto pageShot = [this]() -> QString {
            const QMap<QString, QString> d = pageDigits();
            return d.value(u"shot1"_s) + u'|' + d.value(u"shot2"_s);
        };
        const auto boardShot = [this]() -> QString {
            const auto text = [](int d) { return d < 0 ? QString() : QString::number(d); };
            const LedGroup &digits = board->view().shotClockDigits();
            return text(digits[1]->caption()) + u'|' + text(digits[0]->caption());
        };
        const auto shown = [this](const QString &selector) {
            return browser
                .evaluate(
                    u"(() => { const e = document.querySelector('%1');"
                    "return !!e && getComputedStyle(e).display !== 'none'; })()"_s.arg(selector))
                .toBool();
        };
        const auto arrow = [this] {
            return browser
                .evaluate(u"(document.querySelector('[data-name=possession]') || {}).textContent"_s)
                .toString();
        };
        act(u"reset"_s, [](GameModel &g) {
            g.clear();
            g.resetClock();
        });
        ShotClockRules rules;
        rules.enabled = true;
        game->shotClockPart().setRules(rules);
        browser.setViewport(1280, 720);
        browser.setTransparentBackground(page == u"/overlay"_s);
        QVERIFY(browser.navigate(url(page)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        QTRY_COMPARE(pageShot(), u"2|4"_s);
        QTRY_COMPARE(boardShot(), u"2|4"_s);
        const bool full = page != u"/shotclock"_s;
        // The overlay's arrow has a box of its own: none until the arrow points.
        const bool box = page == u"/overlay"_s;
        if (box)
            QVERIFY(!shown(u"[data-name=possessionBox]"_s));
        if (full) {
            act(u"arrow"_s,
                [](GameModel &g) { g.shotClockPart().setPossession(Possession::Guest); });
            QTRY_COMPARE(arrow(), u"\u2192"_s);
        }
        if (box)
            QVERIFY(shown(u"[data-name=possessionBox]"_s));
        // Under five seconds: seconds, the dot, tenths.
        GameState late = game->state();
        late.shotClock.ms = 3'450;
        game->restore(late);
        QTRY_COMPARE(pageShot(), u"3|5"_s);
        QTRY_COMPARE(boardShot(), u"3|5"_s);
        QTRY_VERIFY(shown(u"[data-name=shotDot]"_s));
        const QString name = page.mid(1) + u"-shot-clock"_s;
        QVERIFY(browser.screenshot().save(artifacts() + u'/' + name + u".png"_s));
        // Run out with the game clock: the 0 flashes, then stays.
        late = game->state();
        late.shotClock.ms = 300;
        game->restore(late);
        act(u"start"_s, [](GameModel &g) { g.startStop(); });
        QTRY_COMPARE(pageShot(), u"|0"_s);
        QTRY_COMPARE(pageShot(), u"|"_s);
        QTRY_COMPARE_WITH_TIMEOUT(pageShot(), u"|0"_s, 3000);
        act(u"stop"_s, [](GameModel &g) { g.startStop(); });
        // Off, every page is as it was without it.
        game->shotClockPart().setRules({});
        QTRY_COMPARE(pageShot(), u"|"_s);
        if (full) {
            QVERIFY(!shown(u"[data-name=shotClock]"_s));
            QCOMPARE(arrow(), QString());
        }
    }

    // With the players on: the penalties beside the teams on /display and
    // below the names on /overlay, counting down only while the clock runs
    // and gone after; on /display a player's fifth foul for a few seconds.
    void penaltiesAndALastFoulShowOnThePages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("display") << u"/display"_s;
        QTest::newRow("overlay") << u"/overlay"_s;
    }
    void penaltiesAndALastFoulShowOnThePages()
    {
        QFETCH(QString, page);
        const auto penalties = [this] {
            return browser
                .evaluate(u"[...document.querySelectorAll('[data-name^=penalty]')]"
                          ".map((t) => t.textContent).filter((t) => t).join('|')"_s)
                .toString();
        };
        const auto lastFoul = [this] {
            return browser
                .evaluate(
                    u"(() => { const g = document.querySelector('[data-name=fouledOut]');"
                    "return g && getComputedStyle(g).display !== 'none' ? g.textContent : ''; })()"_s)
                .toString();
        };
        act(u"reset"_s, [](GameModel &g) {
            g.clear();
            g.resetClock();
        });
        PlayerRules rules;
        rules.enabled = true;
        game->playersPart().setRules(rules);
        browser.setViewport(1280, 720);
        browser.setTransparentBackground(page == u"/overlay"_s);
        QVERIFY(browser.navigate(url(page)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        act(u"penalty"_s,
            [](GameModel &g) { g.playersPart().addPenalty(GameModel::Guest, u"12"_s, 2'000); });
        QTRY_COMPARE(penalties(), u"#12 0:02"_s);
        for (int i = 0; i < 5; ++i)
            act(u"foul"_s, [](GameModel &g) { g.playersPart().addFoul(GameModel::Home, u"7"_s); });
        if (page == u"/display"_s)
            QTRY_COMPARE(lastFoul(), u"#7  5 FOULS"_s);
        QVERIFY(browser.screenshot().save(artifacts() + page + u"-penalties.png"_s));
        act(u"start"_s, [](GameModel &g) { g.startStop(); });
        QTRY_COMPARE(penalties(), u"#12 0:01"_s);
        QTRY_COMPARE_WITH_TIMEOUT(penalties(), QString(), 4000);
        act(u"stop"_s, [](GameModel &g) { g.startStop(); });
        game->playersPart().setRules({});
    }

    // A preset for a sport with one score: no second row on the board nor on
    // /display, as the browser draws it; a preset with two brings it back.
    void aSportWithOneScoreShowsNoSectionTwo()
    {
        browser.setViewport(1280, 720);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        const auto pageShows = [this] {
            return browser
                .evaluate(u"getComputedStyle(document.querySelector('[data-name=section2]'))"
                          u".display !== 'none'"_s)
                .toBool();
        };
        const auto choose = [this](const QString &name) {
            const QTemporaryDir none;
            const QList<Preset> presets = Presets::load(none.path());
            const auto chosen = std::find_if(presets.cbegin(), presets.cend(),
                                             [&](const Preset &p) { return p.name == name; });
            const Settings s = Presets::apply(*chosen, presets, settings->value());
            settings->set(s);
            board->applySettings(s);
        };
        QTRY_VERIFY(pageShows());
        choose(u"Korfball"_s);
        QTRY_VERIFY(!pageShows());
        QVERIFY(board->controls().home2Panel->isHidden());
        QVERIFY(board->controls().section2Caption->isHidden());
        QVERIFY(browser.screenshot().save(artifacts() + u"/display-one-score.png"_s));
        choose(u"Classic"_s);
        QTRY_VERIFY(pageShows());
        QVERIFY(!board->controls().home2Panel->isHidden());
    }

    void pageResynchronisesAfterLosingTheProgram()
    {
        browser.setViewport(1280, 720);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        const quint16 port = server->port();
        server->close();
        QTRY_VERIFY_WITH_TIMEOUT(!pageConnected(), 10000);
        QCOMPARE(browser.evaluate(u"document.getElementById('status').textContent"_s).toString(),
                 u"Not connected"_s);
        QVERIFY(browser.screenshot().save(artifacts() + u"/display-not-connected.png"_s));
        // Changes made while the page was away reach it once it is back.
        act(u"Set score"_s, [](GameModel &g) { g.setScore(GameModel::Home1, 42); });
        act(u"Set clock"_s, [](GameModel &g) { g.enterClockTime(3 * 60); });
        QVERIFY(server->listen(QHostAddress::LocalHost, port));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 15000);
        QTRY_VERIFY(pageMatchesBoard());
        QCOMPARE(pageDigits().value(u"score0tens"_s), u"4"_s);
    }

    void remoteButtonsOperateTheBoard()
    {
        act(u"reset"_s, [](GameModel &g) {
            g.clear();
            g.resetClock();
        });
        for (int i = 0; i < 4; ++i)
            act(u"Set score"_s, [i](GameModel &g) { g.setScore(i, 10 + i); });
        browser.setViewport(412, 915); // a phone
        QVERIFY(browser.navigate(url(u"/remote"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        // A wrong PIN keeps the buttons away.
        const QString pin = live->pinLock().pin();
        const QString wrong = pin == u"000000"_s ? u"111111"_s : u"000000"_s;
        browser.evaluate(u"document.getElementById('pin').value = '%1'"_s.arg(wrong));
        QVERIFY(browser.click(u"pinButton"_s));
        QTRY_COMPARE(
            browser.evaluate(u"document.getElementById('message').textContent"_s).toString(),
            u"Wrong PIN."_s);
        QVERIFY(browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool());
        browser.evaluate(u"document.getElementById('pin').value = '%1'"_s.arg(pin));
        QVERIFY(browser.click(u"pinButton"_s));
        QTRY_VERIFY(!browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool());
        QVERIFY(browser.screenshot().save(artifacts() + u"/remote-phone.png"_s));

        QVERIFY(browser.click(u"plus0"_s));
        QTRY_COMPARE(board->home1Digits()[0]->caption(), 1);
        QVERIFY(browser.click(u"minus3"_s));
        QTRY_COMPARE(board->guest2Digits()[0]->caption(), 2);
        QVERIFY(browser.click(u"startStop"_s));
        QTRY_VERIFY(game->isRunning());
        QVERIFY(browser.click(u"startStop"_s));
        QTRY_VERIFY(!game->isRunning());
        QVERIFY(browser.click(u"reset"_s));
        QTRY_COMPARE(game->clockMs(), 0);
        QVERIFY(browser.click(u"buzzer"_s));
        QTRY_COMPARE(buzzes, 1);
        QCOMPARE(game->score(GameModel::Home1), 11);
        QCOMPARE(game->score(GameModel::Guest2), 12);
        // The phone's actions are undone like the board's own.
        history->undo();
        history->undo();
        history->undo();
        history->undo();
        QCOMPARE(game->score(GameModel::Guest2), 13);
        // The page shows the scores it operates.
        QTRY_COMPARE(
            browser.evaluate(u"document.getElementById('score0').textContent"_s).toString(),
            u"11"_s);
    }

    // The second row under its section caption, +3, setting the clock and
    // undo, each the same step as the board's own key.
    void remoteAddsThreeSetsTheClockAndUndoes()
    {
        act(u"reset"_s, [](GameModel &g) {
            g.clear();
            g.resetClock();
        });
        Settings s = settings->value();
        s.SectionText2 = u"Fouls"_s;
        settings->set(s);
        browser.setViewport(412, 915);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        browser.evaluate(u"sessionStorage.clear()"_s); // the PIN again, not the last session
        QVERIFY(browser.navigate(url(u"/remote"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        browser.evaluate(
            u"document.getElementById('pin').value = '%1'"_s.arg(live->pinLock().pin()));
        QVERIFY(browser.click(u"pinButton"_s));
        QTRY_VERIFY(!browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool());
        const auto textOf = [this](const char *id) {
            return browser
                .evaluate(u"document.getElementById('%1').textContent"_s.arg(QLatin1StringView(id)))
                .toString();
        };
        QCOMPARE(textOf("name2"), u"Fouls"_s);
        QVERIFY(browser.screenshot().save(artifacts() + u"/remote-all-buttons.png"_s));

        QVERIFY(browser.click(u"plusThree1"_s));
        QTRY_COMPARE(game->score(GameModel::Guest1), 3);
        QTRY_COMPARE(textOf("score1"), u"3"_s);
        browser.evaluate(u"document.getElementById('clockValue').value = '12,30'"_s);
        QVERIFY(browser.click(u"setClock"_s));
        QTRY_COMPARE(game->clockMs(), (12 * 60 + 30) * 1000);

        QVERIFY(browser.click(u"undo"_s));
        QTRY_COMPARE(game->clockMs(), 0);
        QVERIFY(browser.click(u"undo"_s));
        QTRY_COMPARE(game->score(GameModel::Guest1), std::nullopt);
        QTRY_COMPARE(textOf("score1"), QString());
    }

    // With the shot clock on, the remote shows it with the arrow and its
    // buttons reset, hold and switch as the board's keys do; off, it hides them.
    void remoteRunsTheShotClock()
    {
        act(u"reset"_s, [](GameModel &g) {
            g.clear();
            g.resetClock();
        });
        ShotClockRules rules;
        rules.enabled = true;
        game->shotClockPart().setRules(rules);
        browser.setViewport(412, 915);
        QVERIFY(browser.navigate(url(u"/display"_s)));
        browser.evaluate(u"sessionStorage.clear()"_s);
        QVERIFY(browser.navigate(url(u"/remote"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(pageConnected(), 10000);
        browser.evaluate(
            u"document.getElementById('pin').value = '%1'"_s.arg(live->pinLock().pin()));
        QVERIFY(browser.click(u"pinButton"_s));
        QTRY_VERIFY(!browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool());
        const auto shotText = [this] {
            return browser.evaluate(u"document.getElementById('shotText').textContent"_s)
                .toString();
        };
        QTRY_COMPARE(shotText(), u"24"_s);
        QVERIFY(browser.click(u"possession"_s));
        QTRY_COMPARE(game->shotClockPart().possession(), Possession::Home);
        QTRY_COMPARE(shotText(), u"24  \u2190 Home"_s);
        QVERIFY(browser.click(u"shotShort"_s));
        QTRY_COMPARE(game->shotClockPart().ms(), 14'000);
        QTRY_COMPARE(shotText(), u"14  \u2190 Home"_s);
        QVERIFY(browser.click(u"shotHold"_s));
        QTRY_VERIFY(game->shotClockPart().state().held);
        QVERIFY(browser.click(u"shotReset"_s));
        QTRY_COMPARE(game->shotClockPart().ms(), 24'000);
        QVERIFY(browser.screenshot().save(artifacts() + u"/remote-shot-clock.png"_s));
        game->shotClockPart().setRules({});
        QTRY_VERIFY(browser.evaluate(u"document.getElementById('shotSection').hidden"_s).toBool());
    }

    void qrCodeUnlocksAndTheSessionOutlastsALockout()
    {
        live->renewAccess(); // no session from before
        browser.setViewport(412, 915);
        QVERIFY(browser.navigate(url(u"/display"_s))); // a fresh load of the remote next
        // Not navigate(): the page takes the secret out of its address at once.
        browser.call(u"Page.navigate"_s,
                     {{u"url"_s, url(u"/remote#k="_s + live->pinLock().secret()).toString()}});
        QTRY_VERIFY_WITH_TIMEOUT(
            !browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool(), 10000);
        QCOMPARE(browser.evaluate(u"location.href"_s).toString(), url(u"/remote"_s).toString());
        // Its address locked out for wrong PINs, the phone comes back unlocked.
        const QString wrong = live->pinLock().pin() == u"000000"_s ? u"111111"_s : u"000000"_s;
        for (int i = 0; i < PinLock::AllowedFailures; ++i)
            live->pinLock().check(wrong, u"127.0.0.1"_s);
        QVERIFY(live->pinLock().isLockedOut(u"127.0.0.1"_s));
        QVERIFY(browser.navigate(url(u"/remote"_s)));
        QTRY_VERIFY_WITH_TIMEOUT(
            !browser.evaluate(u"document.getElementById('controls').hidden"_s).toBool(), 10000);
        QTRY_COMPARE(live->operatorCount(), 1);
    }
};

CORVELLA_TEST_MAIN(TestBrowser)
#include "tst_browser.moc"
