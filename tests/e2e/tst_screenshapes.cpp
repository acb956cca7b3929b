// The installed program on screens of every common shape, from portrait to
// 21:9, windowed and full screen: every digit reads back from the screenshot
// where it belongs, and every caption is whole and centred over its panel.
#include "tests/e2e/boardreader.h"
#include "tests/e2e/desktop.h"
#include "tests/e2e/libraryteam.h"
#include "tests/e2e/shard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Board = QStringLiteral("Corvella by Brannick");

using LibraryTeam::LogoGreen;

// Long names that were cut off before, and TeamSize left at its default;
// with periods, or a match in sets (its serve mark and "SET 1" beside them).
bool writeLongCaptions(const QString &configHome, bool periods, bool sets, quint16 apiPort = 0)
{
    QDir().mkpath(configHome + QStringLiteral("/Corvella"));
    QFile file(configHome + QStringLiteral("/Corvella/Corvella.conf"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[TextSettings]\nHomeText=Thunderbirds\nGuestText=HAMBURG TOWERS\n"
               "SectionText1=Overtime Period 2\nSectionText2=Wildcats FC\n");
    if (periods)
        file.write("[ClockSettings]\nPeriods=4\n");
    if (sets)
        file.write("[SetsSettings]\nEnabled=1\n");
    if (apiPort)
        file.write(LibraryTeam::apiSettings(apiPort));
    return true;
}

struct Reading
{
    QString clock, home0, guest0, home1, guest1;
    bool operator==(const Reading &) const = default;
};

Reading read(const BoardReader &b)
{
    return {b.clock(), b.homeScore(0), b.guestScore(0), b.homeScore(1), b.guestScore(1)};
}

QString describe(const Reading &r)
{
    return QStringList{r.clock, r.home0, r.guest0, r.home1, r.guest1}.join(QStringLiteral(" | "));
}

const Reading Entered{QStringLiteral("11:11.0"), QStringLiteral("11"), QStringLiteral("13"),
                      QStringLiteral(" 0"), QStringLiteral(" 0")};

// A match in sets after two sets played: one won by each team.
const Reading EnteredInSets{Entered.clock, Entered.home0, Entered.guest0, QStringLiteral(" 1"),
                            QStringLiteral(" 1")};

// 25:23 and 23:25 by the point keys, the widest row of played sets before a
// deciding one, then the match time stopped so the clock takes an entry.
void playTwoSets(const Desktop &desktop)
{
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("15")};
    const QString home = QStringLiteral("q"), guest = QStringLiteral("w");
    for (int i = 0; i < 23; ++i)
        args << home << guest;
    args << home << home;
    for (int i = 0; i < 23; ++i)
        args << guest << home;
    args << guest << guest << QStringLiteral("s");
    desktop.run(QStringLiteral("xdotool"), args);
}

} // namespace

class TestScreenShapes : public QObject
{
    Q_OBJECT

    QTemporaryDir install;

    // Screenshots the board until it reads as expected, for at most 15 s (a
    // large screen's screenshot takes a loaded machine a second or more); the
    // last screenshot is kept under `name`.
    static bool boardReads(const Desktop &desktop, const QString &id, const QString &name,
                           const Reading &expected, Reading *seen, BoardReader *last = nullptr)
    {
        return Desktop::waitUntil(
            [&] {
                const BoardReader b(desktop.screenshot(name), desktop.geometry(id));
                *seen = read(b);
                if (last)
                    *last = b;
                return *seen == expected;
            },
            15000);
    }

    // A caption's text lies wholly inside its box, and in its middle.
    static void checkCaption(const BoardReader &b, const QRect &box, const char *what)
    {
        const QRect ink = b.ink(box, Qt::white);
        QVERIFY2(!ink.isEmpty(), what);
        QVERIFY2(ink.left() > box.left() && ink.right() < box.right(),
                 qPrintable(QStringLiteral("%1 is cut off").arg(QLatin1StringView(what))));
        const int offCentre = ink.center().x() - box.center().x();
        QVERIFY2(std::abs(offCentre) <= 4, qPrintable(QStringLiteral("%1 is %2 px off centre")
                                                          .arg(QLatin1StringView(what))
                                                          .arg(offCentre)));
    }

    // A team's logo and name side by side inside the caption's box, the two
    // together in its middle, the logo about as tall as the name's line.
    static void checkBand(const BoardReader &b, const QRect &box)
    {
        const QRect logo = b.ink(box, LogoGreen);
        const QRect name = b.ink(box, Qt::white);
        QVERIFY2(!logo.isEmpty(), "no logo beside the team's name");
        QVERIFY2(!name.isEmpty() && logo.right() < name.left(), "the logo is not beside the name");
        const QRect both = logo | name;
        QVERIFY2(both.left() > box.left() && both.right() < box.right(), "the band is cut off");
        const int offCentre = both.center().x() - box.center().x();
        QVERIFY2(std::abs(offCentre) <= 4,
                 qPrintable(QStringLiteral("the band is %1 px off centre").arg(offCentre)));
        QVERIFY2(logo.height() >= name.height() && logo.height() <= name.height() * 2,
                 qPrintable(QStringLiteral("logo %1 px, name %2 px tall")
                                .arg(logo.height())
                                .arg(name.height())));
    }

    static void checkBoard(const Desktop &desktop, const QString &id, const QString &name,
                           bool periods, bool sets, bool team)
    {
        Reading seen;
        BoardReader b{QImage(), QRect()};
        QVERIFY2(boardReads(desktop, id, name, sets ? EnteredInSets : Entered, &seen, &b),
                 qPrintable(describe(seen)));
        if (team)
            checkBand(b, b.homeCaption());
        else
            checkCaption(b, b.homeCaption(), "the home caption");
        checkCaption(b, b.guestCaption(), "the guest caption");
        checkCaption(b, b.sectionCaption(0), "the first section's caption");
        checkCaption(b, b.sectionCaption(1), "the second section's caption");
        // Two sets played: the third is on.
        QCOMPARE(b.period(), periods ? QStringLiteral(" 1")
                             : sets  ? QStringLiteral(" 3")
                                     : QStringLiteral("  "));
    }

private slots:
    void readableOnEveryShape_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("periods");
        QTest::addColumn<bool>("sets");
        QTest::addColumn<bool>("team");
        const QList<QSize> shapes{QSize(1024, 768),  QSize(1280, 1024), QSize(1280, 800),
                                  QSize(1920, 1200), QSize(2560, 1080), QSize(1080, 1920)};
        // The rows with periods also have a library team at home: the plain
        // caption is checked on the others, and no row starts the program twice.
        for (const bool periods : {false, true})
            for (const QSize screen : shapes)
                QTest::addRow("%dx%d%s", screen.width(), screen.height(),
                              periods ? "-periods-team" : "")
                    << screen << periods << false << periods;
        // A match in sets lays out the same board with one more row: the
        // squarest, the widest and the upright screen show where it would crowd.
        for (const QSize screen : {shapes[0], shapes[4], shapes[5]})
            QTest::addRow("%dx%d-sets", screen.width(), screen.height())
                << screen << false << true << false;
    }

    void readableOnEveryShape()
    {
        if (!rowInThisShard())
            QSKIP("another shard runs this row");
        QFETCH(QSize, screen);
        QFETCH(bool, periods);
        QFETCH(bool, sets);
        QFETCH(bool, team);
        const QString tag = QLatin1StringView(QTest::currentDataTag());
        Desktop desktop(screen);
        QString why;
        if (!desktop.startDisplay(&why))
            QSKIP(qPrintable(QStringLiteral("cannot run end-to-end checks: ") + why));
        QTemporaryDir config;
        QTemporaryDir data;
        const quint16 port = team ? Desktop::freeLocalPort() : 0;
        QVERIFY(writeLongCaptions(config.path(), periods, sets, port));
        QVERIFY(LibraryTeam::write(data.path(), QStringLiteral("Thunderbirds")));
        QProcessEnvironment dataHome;
        dataHome.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        QProcess *corvella =
            desktop.startInstalledProgram(install.path(), config.path(), &why, dataHome);
        QVERIFY2(corvella, qPrintable(why));

        const QString splash = desktop.waitForWindow(QStringLiteral("Form1"));
        QVERIFY(!splash.isEmpty());
        QVERIFY(Desktop::waitUntil([&] { return desktop.geometry(splash).width() == 416; }, 5000));
        desktop.click(desktop.geometry(splash).topLeft() + QPoint(100, 30));
        const QString id = desktop.waitForWindow(Board);
        QVERIFY(!id.isEmpty());
        if (team)
            QVERIFY2(LibraryTeam::chooseForHome(port, QStringLiteral("Thunderbirds")),
                     "the API did not take the team");

        // Numbers entered at the size the board opens with.
        Reading seen;
        const Reading opened{QStringLiteral(" 0:00.0"), QStringLiteral(" 0"), QStringLiteral(" 0"),
                             QStringLiteral(" 0"), QStringLiteral(" 0")};
        BoardReader b{QImage(), QRect()};
        QVERIFY2(
            boardReads(desktop, id, QStringLiteral("shapes/%1-opened").arg(tag), opened, &seen, &b),
            qPrintable(describe(seen)));
        if (sets)
            playTwoSets(desktop);
        desktop.click(b.clockPoint());
        desktop.type(QStringLiteral("11.11"));
        desktop.key(QStringLiteral("Return"));
        desktop.click(b.scorePanelPoint(true, 0));
        desktop.type(QStringLiteral("9"));
        desktop.key(QStringLiteral("Return"));
        desktop.type(QStringLiteral("+2"));
        desktop.click(b.scorePanelPoint(false, 0));
        desktop.type(QStringLiteral("9"));
        desktop.key(QStringLiteral("Return"));
        desktop.type(QStringLiteral("+4"));

        // Windowed, at four fifths of the screen in each direction.
        const QSize windowed = screen * 4 / 5;
        desktop.run(QStringLiteral("xdotool"),
                    {QStringLiteral("windowmove"), id, QStringLiteral("0"), QStringLiteral("0"),
                     QStringLiteral("windowsize"), id, QString::number(windowed.width()),
                     QString::number(windowed.height())});
        QVERIFY2(Desktop::waitUntil([&] { return desktop.geometry(id).size() == windowed; }, 5000),
                 qPrintable(QStringLiteral("window stays %1x%2")
                                .arg(desktop.geometry(id).width())
                                .arg(desktop.geometry(id).height())));
        checkBoard(desktop, id, QStringLiteral("shapes/%1-windowed").arg(tag), periods, sets, team);
        if (QTest::currentTestFailed())
            return;

        desktop.key(QStringLiteral("F11"));
        QVERIFY(Desktop::waitUntil(
            [&] { return desktop.geometry(id) == QRect(QPoint(0, 0), screen); }, 5000));
        checkBoard(desktop, id, QStringLiteral("shapes/%1-full-screen").arg(tag), periods, sets,
                   team);
        if (QTest::currentTestFailed())
            return;

        desktop.key(QStringLiteral("alt+F4"));
        QVERIFY(corvella->waitForFinished(10000));
        QCOMPARE(corvella->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestScreenShapes)
#include "tst_screenshapes.moc"
