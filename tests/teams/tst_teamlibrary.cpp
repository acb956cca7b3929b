// The team files a club keeps, as the library reads them: what is kept,
// what is dropped and what is told; and when a name needs an outline.
#include "teams/contrast.h"
#include "teams/imagefile.h"
#include "teams/teamlibrary.h"
#include "teams/teamlogo.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <functional>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writePng(const QString &path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(path, "PNG"));
}

// What `run` writes on stderr.
QByteArray stderrOf(const std::function<void()> &run)
{
    QTemporaryFile captured;
    if (!captured.open())
        return "(stderr not captured)";
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(captured.handle(), STDERR_FILENO);
    run();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    captured.seek(0);
    return captured.readAll();
}

} // namespace

class TestTeamLibrary : public QObject
{
    Q_OBJECT

private slots:
    void readTeam_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("color");
        QTest::addColumn<QString>("logo");
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("told");

        const QByteArray good = "[Team]\nName=TSV Neustadt\nShort=TSV\nColor=#003399\n"
                                "TextColor=#ffffff\nLogo=logo.png\n"
                                "[Players]\n7=Anna Berg\n00=Jo Lind\n0=Kim Ek\n";
        QTest::newRow("good") << good << true << "#003399"
                              << "logo.png" << 3 << "";
        QTest::newRow("no name") << QByteArray("[Team]\nShort=X\n") << false << ""
                                 << "" << 0 << "no [Team] Name=";
        QTest::newRow("only a name") << QByteArray("[Team]\nName=BC\n") << true << ""
                                     << "" << 0 << "";
        QTest::newRow("bad colour") << QByteArray("[Team]\nName=BC\nColor=blue\n") << true << ""
                                    << "" << 0 << "Team/Color \"blue\" is not a colour";
        QTest::newRow("missing logo")
            << QByteArray("[Team]\nName=BC\nLogo=none.png\n") << true << ""
            << "" << 0 << "no such file";
        QTest::newRow("huge image") << QByteArray("[Team]\nName=BC\nLogo=huge.png\n") << true << ""
                                    << "" << 0 << "4096 x 4096";
        QTest::newRow("not an image")
            << QByteArray("[Team]\nName=BC\nLogo=notes.png\n") << true << ""
            << "" << 0 << "not a PNG, JPEG or SVG";
        QTest::newRow("svg loading a file")
            << QByteArray("[Team]\nName=BC\nLogo=outside.svg\n") << true << ""
            << "" << 0 << "outside itself";
        QTest::newRow("svg named png loading a file")
            << QByteArray("[Team]\nName=BC\nLogo=outside.png\n") << true << ""
            << "" << 0 << "outside itself";
        QTest::newRow("png named svg")
            << QByteArray("[Team]\nName=BC\nLogo=picture.svg\n") << true << ""
            << "picture.svg" << 0 << "";
        QTest::newRow("logo elsewhere")
            << QByteArray("[Team]\nName=BC\nLogo=../logo.png\n") << true << ""
            << "" << 0 << "in the teams folder";
        QTest::newRow("bad numbers")
            << QByteArray("[Team]\nName=BC\n[Players]\n100=A\n7=B\nx=C\n") << true << ""
            << "" << 1 << "\"100\" is not a player's number";
        QTest::newRow("names too long for a game's record")
            << QByteArray("[Team]\nName=BC\n[Players]\n7=" + QByteArray(60, 'a') +
                          "\n9=" + QByteArray(2000, 'b') + "\n")
            << true << ""
            << "" << 2 << "team.ini: names longer than 48 characters are cut";
    }
    void readTeam()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, read);
        QFETCH(QString, color);
        QFETCH(QString, logo);
        QFETCH(int, players);
        QFETCH(QString, told);
        QTemporaryDir folder;
        writePng(folder.filePath(u"logo.png"_s), {64, 32});
        writePng(folder.filePath(u"huge.png"_s), {4100, 8});
        writeFile(folder.filePath(u"notes.png"_s), "these are notes, not a picture");
        writeFile(folder.filePath(u"outside.svg"_s),
                  "<svg xmlns='http://www.w3.org/2000/svg' "
                  "xmlns:xlink='http://www.w3.org/1999/xlink' width='10' height='10'>"
                  "<image xlink:href='/etc/hostname' width='10' height='10'/></svg>");
        QVERIFY(QFile::copy(folder.filePath(u"outside.svg"_s), folder.filePath(u"outside.png"_s)));
        QVERIFY(QFile::copy(folder.filePath(u"logo.png"_s), folder.filePath(u"picture.svg"_s)));
        writeFile(folder.filePath(u"team.ini"_s), file);

        QStringList problems;
        const std::optional<Team> team =
            TeamLibrary::read(folder.filePath(u"team.ini"_s), &problems);
        QCOMPARE(team.has_value(), read);
        QCOMPARE(problems.join(u'\n').contains(told), true);
        QCOMPARE(problems.isEmpty(), told.isEmpty());
        if (!team)
            return;
        QCOMPARE(team->color.isValid() ? team->color.name() : QString(), color);
        QCOMPARE(team->logo, logo.isEmpty() ? QString() : folder.filePath(logo));
        QCOMPARE(team->players.size(), players);
    }

    // What the options page writes reads back the same, and a renamed team
    // leaves no file behind; a folder's broken file does not hide the others.
    void writeAndLoad()
    {
        QTemporaryDir folder;
        Team team{
            u"BC Altstadt"_s,     u"BCA"_s, QColor(u"#ffcc00"_s),
            QColor(u"#000000"_s), {},       {{u"00"_s, u"Jo Lind"_s}, {u"7"_s, u"Anna Berg"_s}}};
        team.logo = folder.filePath(u"0123abcd.png"_s);
        writePng(team.logo, {8, 8});
        QCOMPARE(TeamLibrary::write(team, folder.path()), QString());
        team.name = u"BC Altstadt 1912"_s;
        QCOMPARE(TeamLibrary::write(team, folder.path(), u"BC Altstadt"_s), QString());
        writeFile(folder.filePath(u"broken.ini"_s), "[Team]\nShort=X\n");
        QStringList problems;
        const QList<Team> teams = TeamLibrary::load(folder.path(), &problems);
        QCOMPARE(teams.size(), 1);
        QCOMPARE(teams.first(), team);
        QCOMPARE(problems.size(), 1);
        QVERIFY(TeamLibrary::find(teams, u"bc altstadt 1912"_s));
        QVERIFY(!TeamLibrary::find(teams, u"BC Altstadt"_s));
    }

    // A picture is what its bytes say, whatever its name: checked, decoded
    // and served as that.
    void picturesByContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QString>("refusal");

        QByteArray png;
        QByteArray jpeg;
        {
            QImage image(16, 8, QImage::Format_RGB32);
            image.fill(Qt::red);
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&buffer, "PNG"));
            QBuffer jpegBuffer(&jpeg);
            jpegBuffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&jpegBuffer, "JPEG"));
        }
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='8'>"
                               "<rect width='16' height='8' fill='red'/></svg>";
        const QByteArray outside = "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='8'>"
                                   "<image href='/some/file.png' width='16' height='8'/></svg>";
        const QByteArray script = "<svg xmlns='http://www.w3.org/2000/svg' width='16' height='8'>"
                                  "<script>document.title = 'ran'</script></svg>";
        QTest::newRow("png") << "a.png" << png << QByteArray("png") << "";
        QTest::newRow("jpeg") << "a.jpg" << jpeg << QByteArray("jpeg") << "";
        QTest::newRow("svg") << "a.svg" << svg << QByteArray("svg") << "";
        QTest::newRow("png named svg") << "a.svg" << png << QByteArray("png") << "";
        QTest::newRow("jpeg named png") << "a.png" << jpeg << QByteArray("jpeg") << "";
        QTest::newRow("svg named png") << "a.png" << svg << QByteArray("svg") << "";
        QTest::newRow("svg reaching outside")
            << "a.svg" << outside << QByteArray("svg") << "outside itself";
        QTest::newRow("svg reaching outside named png")
            << "a.png" << outside << QByteArray("svg") << "outside itself";
        QTest::newRow("svg reaching outside named jpg")
            << "a.jpg" << outside << QByteArray("svg") << "outside itself";
        QTest::newRow("svg with a script") << "a.svg" << script << QByteArray("svg") << "";
        QTest::newRow("text named png")
            << "a.png" << QByteArray("not a picture") << QByteArray() << "not a PNG, JPEG or SVG";
        QTest::newRow("gif") << "a.gif" << QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;")
                             << QByteArray() << "not a PNG, JPEG or SVG";
    }
    void picturesByContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, format);
        QFETCH(QString, refusal);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        writeFile(path, bytes);
        QCOMPARE(ImageFile::format(path), format);
        const QString why = ImageFile::refusal(path);
        QVERIFY2(refusal.isEmpty() ? why.isEmpty() : why.contains(refusal), qPrintable(why));
        const QImage decoded = ImageFile::decode(path, QSize(32, 32));
        QCOMPARE(decoded.isNull(), !refusal.isEmpty());
        if (!decoded.isNull())
            QCOMPARE(decoded.size(), QSize(32, 16));
        // The library keeps a copy named as what it holds.
        QString problem;
        const QString copy = TeamLibrary::copyLogo(path, folder.filePath(u"teams"_s), &problem);
        QCOMPARE(copy.isEmpty(), !refusal.isEmpty());
        if (!copy.isEmpty())
            QCOMPARE(copy.section(u'.', -1), ImageFile::suffix(format));
    }

    // Each time the library is read (at every choice of teams), a logo it
    // cannot show is left out; the program's log hears of it once.
    void refusedLogoIsToldOnceOnStderr()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath(u"sneaky.png"_s),
                  "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                  "<image href='/some/file.png' width='10' height='10'/></svg>");
        writeFile(folder.filePath(u"team.ini"_s), "[Team]\nName=BC\nLogo=sneaky.png\n");
        QList<Team> first;
        QList<Team> second;
        const QByteArray told = stderrOf([&] {
            first = TeamLibrary::load(folder.path());
            second = TeamLibrary::load(folder.path());
        });
        QCOMPARE(first.size(), 1);
        QCOMPARE(first.first().logo, QString());
        QCOMPARE(second.first().logo, QString());
        QCOMPARE(told.count("sneaky.png"), 1);
        QVERIFY2(told.contains("cannot be shown: the SVG refers to a file outside itself"),
                 told.constData());
    }

    // Every view asks for a team's logo: the board, the printed result and
    // the report. The file is decoded once while it stays as it is, and a
    // logo that cannot be shown is told once, whoever asks.
    void aLogoIsDecodedOnceAndToldOnce()
    {
        QTemporaryDir folder;
        Team team{u"BC"_s, {}, {}, {}, folder.filePath(u"logo.png"_s), {}};
        writePng(team.logo, {64, 32});
        QCOMPARE(TeamLogo::image(team.logo).size(), QSize(512, 256));
        QCOMPARE(TeamLogo::image(team, {48, 48}).size(), QSize(48, 24));
        // Another picture under the same name is decoded anew.
        writePng(team.logo, {16, 64});
        QFile file(team.logo);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                 QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(TeamLogo::image(team, {48, 48}).size(), QSize(12, 48));

        team.logo = folder.filePath(u"sneaky.png"_s);
        writeFile(team.logo, "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                             "<image href='/some/file.png' width='10' height='10'/></svg>");
        const QByteArray told = stderrOf([&] {
            QVERIFY(TeamLogo::image(team.logo).isNull());
            QVERIFY(TeamLogo::image(team, {256, 256}).isNull());
            QVERIFY(TeamLogo::image(team, {48, 48}).isNull());
        });
        QCOMPARE(told.count("sneaky.png"), 1);
        QVERIFY2(told.contains("is not shown: the SVG refers to a file outside itself"),
                 told.constData());
        QCOMPARE(TeamLogo::refusal(team.logo), u"the SVG refers to a file outside itself"_s);
    }

    void roster()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath(u"roster.csv"_s),
                  "\xef\xbb\xbfnumber,name\n7,Anna Berg\n00,\"Lind, Jo\"\n7,Anna Berg-Ek\nab,X\n");
        QStringList problems;
        const QList<Player> players =
            TeamLibrary::readRoster(folder.filePath(u"roster.csv"_s), &problems);
        const QList<Player> expected{{u"00"_s, u"Lind, Jo"_s}, {u"7"_s, u"Anna Berg-Ek"_s}};
        QCOMPARE(players, expected);
        QCOMPARE(problems.size(), 1);
    }

    void contrast_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("band");
        QTest::addColumn<bool>("outline");
        QTest::newRow("white on navy") << "#ffffff"
                                       << "#003399" << false;
        QTest::newRow("black on yellow") << "#000000"
                                         << "#ffcc00" << false;
        QTest::newRow("white on yellow") << "#ffffff"
                                         << "#ffcc00" << true;
        QTest::newRow("red on green") << "#ff0000"
                                      << "#00aa00" << true;
        QTest::newRow("same colour") << "#777777"
                                     << "#777777" << true;
    }
    void contrast()
    {
        QFETCH(QString, text);
        QFETCH(QString, band);
        QFETCH(bool, outline);
        QCOMPARE(needsOutline(QColor(text), QColor(band)), outline);
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white)), 21);
    }
};

QTEST_MAIN(TestTeamLibrary)
#include "tst_teamlibrary.moc"
