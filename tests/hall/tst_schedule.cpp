#include "hall/schedule.h"
#include "hall/schedulepage.h"
#include "tests/support/testenv.h"

#include <QStringEncoder>
#include <QTranslator>

namespace {

const QStringList Known = {QStringLiteral("Basketball"), QStringLiteral("Handball"),
                           QStringLiteral("Volleyball")};

Schedule scheduleOf(const QByteArray &csv)
{
    QString error;
    std::optional<Schedule> schedule = Schedule::parse(csv, Known, &error);
    if (!schedule)
        qFatal("%s", qPrintable(error));
    return *schedule;
}

// A game's teams and result, "A 3:1 B", or "A - B" while it is not played.
QString told(const ScheduledGame &game)
{
    return game.isDone() ? QStringLiteral("%1 %2:%3 %4")
                               .arg(game.home)
                               .arg(*game.homeScore)
                               .arg(*game.guestScore)
                               .arg(game.guest)
                         : game.home + QStringLiteral(" - ") + game.guest;
}

// Stands in for a language's translation: a few texts, "context|text" to
// its translation, the rest as written.
class FewWords : public QTranslator
{
public:
    explicit FewWords(QHash<QString, QString> words) : m_words(std::move(words)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        return m_words.value(QString::fromUtf8(context) + u'|' + QString::fromUtf8(text));
    }

private:
    QHash<QString, QString> m_words;
};

// A match from its set scores, "25:20 24:26 25:15", home first.
MatchScore setsMatch(const QString &sets)
{
    MatchScore match;
    for (const QString &set : sets.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList points = set.split(u':');
        match.sets.append({points.at(0).toInt(), points.at(1).toInt()});
        ++match.score[points.at(0).toInt() > points.at(1).toInt() ? 0 : 1];
    }
    return match;
}

} // namespace

class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("games"); // "time court home-guest preset group"
        QTest::addColumn<QString>("error");

        QTest::newRow("rows in time order, the file's order kept for equal times")
            << QByteArray("time,court,home,guest,preset\r\n10:30,2,Owls,Larks,Handball\r\n"
                          "9:00,1,Ravens,Crows,Basketball\r\n10:30,1,Kites,Terns,Basketball\r\n")
            << QStringList{u"09:00 1 Ravens-Crows Basketball "_qs,
                           u"10:30 2 Owls-Larks Handball "_qs,
                           u"10:30 1 Kites-Terns Basketball "_qs}
            << QString();
        QTest::newRow("quoted fields, a group, a byte-order mark and blank lines")
            << QByteArray("\xef\xbb\xbfTime,Court,Home,Guest,Preset,Group\n\n"
                          "\"09:15\",\"Court A\",\"Smith, Jones & Co\",\"The \"\"Hawks\"\"\","
                          "Basketball, U12 \n")
            << QStringList{u"09:15 Court A Smith, Jones & Co-The \"Hawks\" Basketball U12"_qs}
            << QString();
        QTest::newRow("a header only")
            << QByteArray("time,court,home,guest,preset\n") << QStringList{} << QString();

        QTest::newRow("Dutch, by ';', with Dutch preset names in any case")
            << QByteArray("Tijd;Veld;Thuis;Gasten;Voorinstelling;Groep\r\n"
                          "09:00;1;Ravens;Crows;Basketbal;A\r\n"
                          "09:00;2;\"Kites; Jr\";Terns;VOLLEYBAL;\r\n")
            << QStringList{u"09:00 1 Ravens-Crows Basketball A"_qs,
                           u"09:00 2 Kites; Jr-Terns Volleyball "_qs}
            << QString();
        QTest::newRow("German, the court as the hall's page names it")
            << QByteArray("Zeit;Spielfeld;Heim;Gast;Voreinstellung\n09:00;Halle 1;Adler;Falken;"
                          "Volleyball\n")
            << QStringList{u"09:00 Halle 1 Adler-Falken Volleyball "_qs} << QString();
        QTest::newRow("French in UTF-8 with a byte order mark")
            << QByteArray("\xef\xbb\xbfHeure;Terrain;Domicile;Visiteurs;Pr\xc3\xa9r\xc3\xa9glage\n"
                          "10:00;1;Orl\xc3\xa9"
                          "ans;Lyon;Basket-ball\n")
            << QStringList{u"10:00 1 Orléans-Lyon Basketball "_qs} << QString();
        QTest::newRow("Spanish in Windows-1252, accented team names")
            << QByteArray("Hora;Pista;Local;Visitante;Preajuste\n"
                          "11:00;1;Atl\xe9tico;Ko\x9aice;Balonmano\n")
            << QStringList{u"11:00 1 Atlético-Košice Handball "_qs} << QString();
        // What a spreadsheet saves as "Unicode text": UTF-16 by tabs.
        QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
        QTest::newRow("UTF-16LE by tabs")
            << QByteArray(utf16(u"Tijd\tVeld\tThuis\tGasten\tVoorinstelling\r\n"
                                "12:00\t1\tKöln\tŁódź\tHandbal\r\n"_qs))
            << QStringList{u"12:00 1 Köln-Łódź Handball "_qs} << QString();
        QTest::newRow("a spreadsheet's empty cells and its time with seconds")
            << QByteArray("time,court,home,guest,preset,group,,\n,,,,,,,\n"
                          "09:00:00,1,A,B,Handball,,,\n09:30,1,C,D,Handball\n")
            << QStringList{u"09:00 1 A-B Handball "_qs, u"09:30 1 C-D Handball "_qs} << QString();

        QTest::newRow("empty file") << QByteArray("\n") << QStringList{}
                                    << u"line 1: the file is empty; it needs a header line"_qs;
        QTest::newRow("no header")
            << QByteArray("09:00,1,A,B,Basketball\n") << QStringList{}
            << u"line 1: the header does not read (separator found: \",\"): column 1 is "
               "\"09:00\", expected one of: time, Zeit, hora, heure, tijd"_qs;
        QTest::newRow("a header word of no language")
            << QByteArray("tijd;field;thuis;gasten;voorinstelling;groep\n") << QStringList{}
            << u"line 1: the header does not read (separator found: \";\"): column 2 is "
               "\"field\", expected one of: court, Feld, Spielfeld, pista, terrain, veld"_qs;
        QTest::newRow("a header of no separator")
            << QByteArray("\ntime court home guest preset\n") << QStringList{}
            << u"line 2: the header does not read (separator found: none): column 1 is "
               "\"time court home guest preset\", expected one of: time, Zeit, hora, heure, "
               "tijd"_qs;
        QTest::newRow("a header short of the preset")
            << QByteArray("time;court;home;guest\n") << QStringList{}
            << u"line 1: the header does not read (separator found: \";\"): column 5 is "
               "missing, expected one of: preset, Voreinstellung, preajuste, préréglage, "
               "voorinstelling"_qs;
        QTest::newRow("a header with a column after the group")
            << QByteArray("time,court,home,guest,preset,group,notes\n") << QStringList{}
            << u"line 1: the header does not read (separator found: \",\"): column 7 is "
               "\"notes\", expected nothing after the group"_qs;
        QTest::newRow("a field short")
            << QByteArray("time,court,home,guest,preset\n09:00,1,A,B,Basketball\n09:30,1,A,B\n")
            << QStringList{}
            << u"line 3, column 5: missing: the header has 5 columns separated by \",\""_qs;
        QTest::newRow("the separator unquoted in a team's name")
            << QByteArray("tijd;veld;thuis;gasten;voorinstelling\n09:00;1;Smith; Jones;B;Handbal\n")
            << QStringList{}
            << u"line 2, column 6: one more than the header's 5 columns: a field holding \";\" "
               "needs double quotes"_qs;
        QTest::newRow("a quote left open")
            << QByteArray("time,court,home,guest,preset\n09:00,1,\"A,B,C,Basketball\n")
            << QStringList{} << u"line 2, column 3: a quote is not closed where the field ends"_qs;
        QTest::newRow("a time that is not one")
            << QByteArray("time,court,home,guest,preset\n\n24:10,1,A,B,Basketball\n")
            << QStringList{}
            << u"line 3, column 1: \"24:10\" is not a time; expected HH:MM, like 09:30"_qs;
        QTest::newRow("a court with a topic wildcard")
            << QByteArray("time,court,home,guest,preset\n09:00,1/2,A,B,Basketball\n")
            << QStringList{}
            << u"line 2, column 2: the court \"1/2\" cannot be a court's name (empty, or with /, "
               "+ or #)"_qs;
        QTest::newRow("a team missing")
            << QByteArray("time,court,home,guest,preset\n09:00,1,A,,Basketball\n") << QStringList{}
            << u"line 2, column 4: both teams must be named"_qs;
        QTest::newRow("a preset of no language")
            << QByteArray("Zeit;Feld;Heim;Gast;Voreinstellung\n09:00;1;A;B;Curling\n")
            << QStringList{}
            << u"line 2, column 5: \"Curling\" is not a preset (known: Basketball, Handball, "
               "Volleyball)"_qs;
        QTest::newRow("a court twice at one time, its name read as written")
            << QByteArray("time,court,home,guest,preset\n09:00,Court %3,A,B,Basketball\n"
                          "09:30,2,C,D,Basketball\n9:00,Court %3,E,F,Handball\n")
            << QStringList{}
            << u"line 4, column 1: court Court %3 already plays at 9:00 (line 2)"_qs;
    }
    void reading()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, games);
        QFETCH(QString, error);
        QString problem;
        const std::optional<Schedule> schedule = Schedule::parse(csv, Known, &problem);
        QCOMPARE(problem, error);
        QCOMPARE(schedule.has_value(), error.isEmpty());
        if (!schedule)
            return;
        QStringList read;
        for (const ScheduledGame &g : schedule->games())
            read << QStringLiteral("%1 %2 %3-%4 %5 %6")
                        .arg(g.time.toString(u"HH:mm"_qs), g.court, g.home, g.guest, g.preset,
                             g.group);
        QCOMPARE(read, games);
    }

    // What a court takes from its "next" topic.
    void nextGameMessages_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<bool>("taken");
        QTest::newRow("the documented shape")
            << QByteArray(R"({"time":"09:00","home":"A","guest":"B","preset":"Handball"})") << true;
        QTest::newRow("not JSON") << QByteArray("09:00 A - B") << false;
        QTest::newRow("an array") << QByteArray(R"(["09:00","A","B","Handball"])") << false;
        QTest::newRow("a member missing")
            << QByteArray(R"({"time":"09:00","home":"A","guest":"B"})") << false;
        QTest::newRow("a member more")
            << QByteArray(R"({"time":"09:00","home":"A","guest":"B","preset":"Handball","x":"1"})")
            << false;
        QTest::newRow("a number for a string")
            << QByteArray(R"({"time":900,"home":"A","guest":"B","preset":"Handball"})") << false;
        QTest::newRow("no time of day")
            << QByteArray(R"({"time":"later","home":"A","guest":"B","preset":"Handball"})")
            << false;
        QTest::newRow("a team unnamed")
            << QByteArray(R"({"time":"09:00","home":" ","guest":"B","preset":"Handball"})")
            << false;
        QTest::newRow("an unknown preset")
            << QByteArray(R"({"time":"09:00","home":"A","guest":"B","preset":"Curling"})") << false;
    }
    void nextGameMessages()
    {
        QFETCH(QByteArray, message);
        QFETCH(bool, taken);
        const std::optional<NextGame> game = NextGame::fromMessage(message, Known);
        QCOMPARE(game.has_value(), taken);
        if (game)
            QCOMPARE(NextGame::fromMessage(game->toMessage(), Known), game);
    }

    void aFileIsNamedInItsError()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"day.csv"_qs);
        QString error;
        QVERIFY(!Schedule::read(path, &error, Known));
        QVERIFY2(error.startsWith(path + u": cannot be read"_qs), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("time,court,home,guest,preset\n09:00,1,A,B,Curling\n");
        file.close();
        QVERIFY(!Schedule::read(path, &error, Known));
        QVERIFY2(error.startsWith(path + u": line 2, column 5: \"Curling\" is not a preset"_qs),
                 qPrintable(error));
    }

    // The file reads the same in every language; only what is said of it
    // is the user's.
    void refusalsInTheUsersLanguage()
    {
        FewWords dutch({{u"Schedule|line %1, column %2: %3"_qs, u"regel %1, kolom %2: %3"_qs},
                        {u"Schedule|\"%1\" is not a preset (known: %2)"_qs,
                         u"\"%1\" is geen voorinstelling (bekend: %2)"_qs},
                        {u"Presets|Volleyball"_qs, u"Volleybal"_qs}});
        QVERIFY(QCoreApplication::installTranslator(&dutch));
        QString error;
        const bool read =
            Schedule::parse("time,court,home,guest,preset\n09:00,1,A,B,Curling\n", Known, &error)
                .has_value();
        QCoreApplication::removeTranslator(&dutch);
        QVERIFY(!read);
        QCOMPARE(error, u"regel 2, kolom 5: \"Curling\" is geen voorinstelling (bekend: "
                        "Basketball, Handball, Volleybal)"_qs);
    }

    // Results as the hall hears them, then what each court plays next.
    void resultsAndNextGames()
    {
        Schedule day = scheduleOf("time,court,home,guest,preset\n"
                                  "09:00,1,Ravens,Crows,Basketball\n"
                                  "10:00,1,Kites,Terns,Handball\n"
                                  "11:00,1,Owls,Larks,Basketball\n"
                                  "09:00,2,Jays,Rooks,Basketball\n");
        QCOMPARE(day.courts(), QStringList({u"1"_qs, u"2"_qs}));
        QCOMPARE(day.nextMessage(u"1"_qs),
                 QByteArray(R"({"guest":"Crows","home":"Ravens","preset":"Basketball",)"
                            R"("time":"09:00"})"));
        // The 11:00 game is played first, with its teams the other way round.
        QVERIFY(day.markDone(u"1"_qs, u"Larks"_qs, u"Owls"_qs, 60, 58));
        QCOMPARE(told(day.games().at(3)), u"Owls 58:60 Larks"_qs);
        QCOMPARE(day.nextFor(u"1"_qs)->home, u"Ravens"_qs);
        // Teams the court does not play today, or plays on another court:
        // not the schedule's result, whatever the court's topic says.
        QVERIFY(!day.markDone(u"1"_qs, u"Home"_qs, u"Guest"_qs, 70, 71));
        QVERIFY(!day.markDone(u"1"_qs, u"Jays"_qs, u"Rooks"_qs, 99, 0));
        QVERIFY(!day.games().at(0).isDone());
        QVERIFY(day.markDone(u"1"_qs, u"Ravens"_qs, u"Crows"_qs, 70, 71));
        QCOMPARE(told(day.games().at(0)), u"Ravens 70:71 Crows"_qs);
        QCOMPARE(Schedule::nextMessage(*day.nextFor(u"1"_qs)),
                 NextGame({u"10:00"_qs, u"Kites"_qs, u"Terns"_qs, u"Handball"_qs}).toJson());
        QVERIFY(day.markDone(u"1"_qs, u"Kites"_qs, u"Terns"_qs, 20, 20));
        QVERIFY(!day.nextFor(u"1"_qs));
        QCOMPARE(day.nextMessage(u"1"_qs), QByteArray());
        QVERIFY(!day.markDone(u"1"_qs, u"Kites"_qs, u"Terns"_qs, 1, 0));
        QCOMPARE(day.nextFor(u"2"_qs)->home, u"Jays"_qs);
    }

    void standings_data()
    {
        QTest::addColumn<QByteArray>("results"); // "home,guest,home score,guest score" lines
        QTest::addColumn<QStringList>("table");  // "team played won drawn lost +- points"

        QTest::newRow("wins and a draw")
            << QByteArray("A,B,3,1\nC,A,2,2\nB,C,0,1\n")
            << QStringList{u"A 2 1 1 0 5:3 3"_qs, u"C 2 1 1 0 3:2 3"_qs, u"B 2 0 0 2 1:4 0"_qs};
        QTest::newRow("level on points: the difference")
            << QByteArray("A,B,1,0\nB,C,1,0\nC,A,5,0\n")
            << QStringList{u"C 2 1 0 1 5:1 2"_qs, u"B 2 1 0 1 1:1 2"_qs, u"A 2 1 0 1 1:5 2"_qs};
        QTest::newRow("level on difference: more scored")
            << QByteArray("A,B,2,1\nB,C,4,3\nC,A,1,0\n")
            << QStringList{u"B 2 1 0 1 5:5 2"_qs, u"C 2 1 0 1 4:4 2"_qs, u"A 2 1 0 1 2:2 2"_qs};
        QTest::newRow("level on everything: by name, and a team yet to play")
            << QByteArray("B,A,1,1\nC,D,,\n")
            << QStringList{u"A 1 0 1 0 1:1 1"_qs, u"B 1 0 1 0 1:1 1"_qs, u"C 0 0 0 0 0:0 0"_qs,
                           u"D 0 0 0 0 0:0 0"_qs};
    }
    void standings()
    {
        QFETCH(QByteArray, results);
        QFETCH(QStringList, table);
        QByteArray csv = "time,court,home,guest,preset,group\n"
                         "08:00,1,X,Y,Basketball,Other\n";
        const QList<QByteArray> games = results.trimmed().split('\n');
        for (int i = 0; i < games.size(); ++i) {
            const QList<QByteArray> f = games.at(i).split(',');
            csv += QStringLiteral("%1:00,1,%2,%3,Basketball,Pool\n")
                       .arg(10 + i)
                       .arg(QString::fromUtf8(f.at(0)), QString::fromUtf8(f.at(1)))
                       .toUtf8();
        }
        Schedule day = scheduleOf(csv);
        QVERIFY(day.markDone(u"1"_qs, u"X"_qs, u"Y"_qs, 9, 0));
        for (const QByteArray &game : games) {
            const QList<QByteArray> f = game.split(',');
            if (!f.at(2).isEmpty())
                QVERIFY(day.markDone(u"1"_qs, QString::fromUtf8(f.at(0)),
                                     QString::fromUtf8(f.at(1)), f.at(2).toInt(), f.at(3).toInt()));
        }
        QCOMPARE(day.groups(), QStringList({u"Other"_qs, u"Pool"_qs}));
        QStringList read;
        for (const Standing &s : day.standings(u"Pool"_qs))
            read << QStringLiteral("%1 %2 %3 %4 %5 %6:%7 %8")
                        .arg(s.team)
                        .arg(s.played)
                        .arg(s.won)
                        .arg(s.drawn)
                        .arg(s.lost)
                        .arg(s.scored)
                        .arg(s.conceded)
                        .arg(s.points);
        QCOMPARE(read, table);
    }

    void standingsInSets_data()
    {
        // "home,guest,set scores" lines, each a match played.
        QTest::addColumn<QByteArray>("results");
        QTest::addColumn<QString>("points"); // for a win, a draw, a loss
        // "team played won lost sets set-points points"
        QTest::addColumn<QStringList>("table");

        QTest::newRow("level on points: sets won to lost, not the difference")
            << QByteArray("A,B,25:20 24:26 25:15 25:23\nB,C,25:10 25:11 25:12\n"
                          "C,A,25:20 20:25 25:20 20:25 15:10\n")
            << u"2,1,0"_qs
            << QStringList{u"B 2 1 1 4:3 159:132 2"_qs, u"A 2 1 1 5:4 199:189 2"_qs,
                           u"C 2 1 1 3:5 138:175 2"_qs};
        QTest::newRow("level on sets: points won to lost")
            << QByteArray("A,B,25:23 25:23 25:23\nC,D,25:10 25:10 25:10\n") << u"2,1,0"_qs
            << QStringList{u"C 1 1 0 3:0 75:30 2"_qs, u"A 1 1 0 3:0 75:69 2"_qs,
                           u"B 1 0 1 0:3 69:75 0"_qs, u"D 1 0 1 0:3 30:75 0"_qs};
        QTest::newRow("the points a result gives, a loss counting too")
            << QByteArray("A,B,25:20 25:20 25:20\nB,C,25:20 20:25 25:20 20:25 15:10\n")
            << u"3,1,1"_qs
            << QStringList{u"B 2 1 1 3:5 165:175 4"_qs, u"A 1 1 0 3:0 75:60 3"_qs,
                           u"C 1 0 1 2:3 100:105 1"_qs};
    }
    void standingsInSets()
    {
        QFETCH(QByteArray, results);
        QFETCH(QString, points);
        QFETCH(QStringList, table);
        QByteArray csv = "time,court,home,guest,preset,group\n";
        const QList<QByteArray> games = results.trimmed().split('\n');
        for (int i = 0; i < games.size(); ++i) {
            const QList<QByteArray> f = games.at(i).split(',');
            csv += QStringLiteral("%1:00,1,%2,%3,Basketball,Pool\n")
                       .arg(10 + i)
                       .arg(QString::fromUtf8(f.at(0)), QString::fromUtf8(f.at(1)))
                       .toUtf8();
        }
        Schedule day = scheduleOf(csv);
        day.setPoints(*ResultPoints::parse(points));
        QVERIFY(!day.playsInSets(u"Pool"_qs));
        for (const QByteArray &game : games) {
            const QList<QByteArray> f = game.split(',');
            // Played the other way round: the schedule turns the match too.
            QVERIFY(day.markDone(u"1"_qs, QString::fromUtf8(f.at(1)), QString::fromUtf8(f.at(0)),
                                 setsMatch(QString::fromUtf8(f.at(2))).swapped()));
        }
        QVERIFY(day.playsInSets(u"Pool"_qs));
        QCOMPARE(day.games().first().match.detailText(),
                 QString::fromUtf8(games.first().split(',').at(2)));
        QStringList read;
        for (const Standing &s : day.standings(u"Pool"_qs))
            read << QStringLiteral("%1 %2 %3 %4 %5:%6 %7:%8 %9")
                        .arg(s.team)
                        .arg(s.played)
                        .arg(s.won)
                        .arg(s.lost)
                        .arg(s.setsWon)
                        .arg(s.setsLost)
                        .arg(s.scored)
                        .arg(s.conceded)
                        .arg(s.points);
        QCOMPARE(read, table);
    }

    void resultPoints_data()
    {
        QTest::addColumn<QString>("service"); // HallServiceSettings/Points; "-": none
        QTest::addColumn<QString>("hall");    // HallSettings/Points; "-": none
        QTest::addColumn<QList<int>>("points");

        QTest::newRow("neither: 2, 1, 0") << u"-"_qs << u"-"_qs << QList<int>{2, 1, 0};
        QTest::newRow("the hall's own") << u" 3 , 1 , 0 "_qs << u"2,0,0"_qs << QList<int>{3, 1, 0};
        QTest::newRow("an older setup's") << u"-"_qs << u"3,1,1"_qs << QList<int>{3, 1, 1};
        QTest::newRow("two numbers: the default") << u"3,1"_qs << u"-"_qs << QList<int>{2, 1, 0};
        QTest::newRow("not a number") << u"a,1,0"_qs << u"-"_qs << QList<int>{2, 1, 0};
        QTest::newRow("below nothing") << u"3,-1,0"_qs << u"-"_qs << QList<int>{2, 1, 0};
    }
    void resultPoints()
    {
        QFETCH(QString, service);
        QFETCH(QString, hall);
        QFETCH(QList<int>, points);
        QMap<QString, QString> stored{{u"HallSettings/Broker"_qs, u"h:1"_qs}};
        if (service != u"-")
            stored.insert(u"HallServiceSettings/Points"_qs, service);
        if (hall != u"-")
            stored.insert(u"HallSettings/Points"_qs, hall);
        const ResultPoints read = ResultPoints::fromStored(stored);
        QCOMPARE((QList<int>{read.win, read.draw, read.loss}), points);
    }

    // The page's rows in order, cell by cell, in the browser's language.
    void thePage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("English")
            << QString()
            << QStringList{u"<html lang='en'>"_qs,
                           u"<th>Time</th><th>Court</th><th>Home</th><th>Guest</th><th>Sport</th>"
                           "<th>Group</th><th>Result</th>"_qs,
                           u"<tr class='done'><td>09:00</td><td>1</td><td>Ravens &amp; Co</td>"
                           "<td>Crows</td><td>Basketball</td><td>A</td>"
                           "<td class='score'>70 : 71</td></tr>"_qs,
                           u"<tr><td>10:00</td><td>2</td><td>Kites</td><td>Ravens &amp; Co</td>"
                           "<td>Handball</td><td>A</td><td>to play</td></tr>"_qs,
                           u"<td>V</td><td class='score'>3 : 1<span class='detail'>"
                           "25:20 24:26 25:15 25:23</span></td></tr>"_qs,
                           u"<h2>Group A</h2>"_qs,
                           u"<tr><td>Crows</td><td>1</td><td>1</td><td>0</td><td>0</td>"
                           "<td>71 : 70</td><td>+1</td><td>2</td></tr>"_qs,
                           u"<tr><td>Kites</td><td>0</td>"_qs,
                           u"<tr><td>Ravens &amp; Co</td><td>1</td><td>0</td><td>0</td><td>1</td>"
                           "<td>70 : 71</td><td>-1</td><td>0</td></tr>"_qs,
                           u"<h2>Group V</h2>"_qs,
                           u"<th>Team</th><th>Played</th><th>Won</th><th>Lost</th><th>Sets</th>"
                           "<th>Set points</th><th>Points</th>"_qs,
                           u"<tr><td>Owls</td><td>1</td><td>1</td><td>0</td><td>3 : 1</td>"
                           "<td>99 : 84</td><td>2</td></tr>"_qs};
        QTest::newRow("German") << u"de"_qs
                                << QStringList{u"<html lang='de'>"_qs, u"<td>Basketball</td>"_qs,
                                               u"<td>Handball</td><td>A</td><td>zu spielen</td>"_qs,
                                               u"<h2>Gruppe A</h2>"_qs};
    }
    void thePage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, parts);
        Schedule day = scheduleOf("time,court,home,guest,preset,group\n"
                                  "10:00,2,Kites,Ravens & Co,Handball,A\n"
                                  "09:00,1,Ravens & Co,Crows,Basketball,A\n"
                                  "11:00,3,Owls,Larks,Basketball,V\n");
        QVERIFY(day.markDone(u"1"_qs, u"Ravens & Co"_qs, u"Crows"_qs, 70, 71));
        QVERIFY(day.markDone(u"3"_qs, u"Owls"_qs, u"Larks"_qs,
                             setsMatch(u"25:20 24:26 25:15 25:23"_qs)));
        const QByteArray html = schedulePage(day, language);
        // Kept to be looked at in a browser.
        QDir().mkpath(QStringLiteral(CORVELLA_ARTIFACTS "/hall"));
        QFile kept(QStringLiteral(CORVELLA_ARTIFACTS "/hall/schedule-%1.html")
                       .arg(language.isEmpty() ? u"en"_qs : language));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(html) == html.size());
        const QString page = QString::fromUtf8(html);
        qsizetype at = 0;
        for (const QString &part : parts) {
            const qsizetype found = page.indexOf(part, at);
            QVERIFY2(found >= 0, qPrintable(part + u"\n  not after " + page.mid(at, 200)));
            at = found + part.size();
        }
    }
};

CORVELLA_TEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
