// A library team on the board: its band, its name's colours and outline, and
// its logo beside the name at the caption's height on every screen shape.
#include "board/boardview.h"
#include "board/teamband.h"
#include "display/controls.h"
#include "tests/support/fakes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QColor LogoGreen(0x00, 0xff, 0x00);

QString writeLogo(const QTemporaryDir &folder)
{
    QImage logo(80, 80, QImage::Format_RGB32);
    logo.fill(LogoGreen);
    const QString path = folder.filePath(u"lions.png"_s);
    return logo.save(path) ? path : QString();
}

Team lions(const QString &logo, const QColor &color = QColor(0x12, 0x34, 0x56),
           const QColor &text = Qt::white)
{
    Team team;
    team.name = u"Lions"_s;
    team.color = color;
    team.textColor = text;
    team.logo = logo;
    return team;
}

int pixelsOf(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

// What the program writes on stderr while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { restore(); }
    QString text()
    {
        restore();
        m_file.seek(0);
        return QString::fromUtf8(m_file.readAll());
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

class TestTeamBand : public QObject
{
    Q_OBJECT

private slots:
    void logoBesideTheNameAtTheCaptionsHeight_data()
    {
        QTest::addColumn<QSize>("view");
        for (const QSize view : {QSize(1024, 768), QSize(1280, 1024), QSize(1280, 800),
                                 QSize(1920, 1200), QSize(2560, 1080), QSize(1080, 1920)})
            QTest::addRow("%dx%d", view.width(), view.height()) << view;
    }

    void logoBesideTheNameAtTheCaptionsHeight()
    {
        QFETCH(QSize, view);
        QTemporaryDir folder;
        const QString logo = writeLogo(folder);
        ManualTimeSource time;
        GameModel game(time);
        BoardView board(game, defaultSettings());
        board.resize(view);
        board.show();
        const TeamBand *band = board.teamBand(GameModel::Home);
        QVERIFY(!band->isVisible());
        // Chosen while the board shows, as on the audience display.
        game.setSides({GameSide{lions(logo), {}}, GameSide{std::nullopt, u"Bears"_s}});
        QTRY_VERIFY(!band->logo().isNull());

        const BoardView::Controls &c = board.controls();
        QVERIFY(band->isVisible());
        QVERIFY(!c.homeTeamCaption->isVisible());
        QCOMPARE(band->geometry(), c.homeTeamPanel->rect());
        // As tall as the caption, or as its name where both had to shrink to fit.
        const int nameHeight = qRound(QFontMetricsF(band->nameFont()).height());
        QVERIFY2(std::abs(band->logo().height() - nameHeight) <= 1,
                 qPrintable(u"logo %1, name %2"_s.arg(band->logo().height()).arg(nameHeight)));
        QVERIFY(band->logo().height() <= c.homeTeamCaption->height());
        QVERIFY(band->logo().height() >= c.homeTeamCaption->height() / 2);
        QVERIFY(band->logoRect().right() < band->nameRect().left());
        QVERIFY(band->rect().contains(band->logoRect()));
        QVERIFY(QRectF(band->rect()).contains(band->nameRect()));

        const QImage shown = board.grab().toImage();
        const QRect logoOnBoard = band->logoRect().translated(c.homeTeamPanel->pos());
        QVERIFY(pixelsOf(shown, logoOnBoard, LogoGreen) >
                logoOnBoard.width() * logoOnBoard.height() * 9 / 10);
        const QRect bandOnBoard = c.homeTeamPanel->geometry();
        QVERIFY(pixelsOf(shown, bandOnBoard, QColor(0x12, 0x34, 0x56)) >
                bandOnBoard.width() * bandOnBoard.height() / 3);
        QVERIFY(pixelsOf(shown, band->nameRect().toRect().translated(c.homeTeamPanel->pos()),
                         Qt::white) > 0);

        // A plain caption keeps the board's own look: no band on the guest's side.
        QVERIFY(!board.teamBand(GameModel::Guest)->isVisible());
        QVERIFY(c.guestTeamCaption->isVisible());
        QCOMPARE(pixelsOf(shown, c.guestTeamPanel->geometry(), QColor(0x12, 0x34, 0x56)), 0);
    }

    void nameReadsOnItsBand_data()
    {
        QTest::addColumn<QColor>("band");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("shownText");
        QTest::addColumn<QColor>("outline");
        const QColor none;
        QTest::newRow("white on navy: no outline")
            << QColor(0x12, 0x34, 0x56) << QColor(Qt::white) << QColor(Qt::white) << none;
        QTest::newRow("yellow on white: a black outline")
            << QColor(Qt::white) << QColor(Qt::yellow) << QColor(Qt::yellow) << QColor(Qt::black);
        QTest::newRow("grey on black: a white outline")
            << QColor(Qt::black) << QColor(0x40, 0x40, 0x40) << QColor(0x40, 0x40, 0x40)
            << QColor(Qt::white);
        QTest::newRow("no text colour on yellow: black")
            << QColor(Qt::yellow) << none << QColor(Qt::black) << none;
        QTest::newRow("no colours: the side's caption colour")
            << none << none << QColor(0x00, 0x00, 0xff) << none;
    }

    void nameReadsOnItsBand()
    {
        QFETCH(QColor, band);
        QFETCH(QColor, text);
        QFETCH(QColor, shownText);
        QFETCH(QColor, outline);
        ManualTimeSource time;
        GameModel game(time);
        game.setSides({GameSide{lions({}, band, text), {}}, GameSide{}});
        Settings settings = defaultSettings();
        settings.HomeColor = 0xff0000; // blue, as the settings keep it
        BoardView board(game, settings);
        board.show();
        const TeamBand *shown = board.teamBand(GameModel::Home);
        QCOMPARE(shown->nameColor(), shownText);
        QCOMPARE(shown->outlineColor(), outline);
        if (outline.isValid()) {
            const QImage image = board.grab().toImage();
            const QPoint panel = board.controls().homeTeamPanel->pos();
            QVERIFY(pixelsOf(image, shown->nameRect().toRect().translated(panel), outline) > 0);
        }
    }

    void aLogoThatCannotBeShownLeavesTheName_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size");
        QTest::newRow("missing") << u"gone.png"_s << QByteArray() << qint64(-1);
        QTest::newRow("not an image") << u"notes.png"_s << QByteArray("just words") << qint64(0);
        QTest::newRow("over 8 MB") << u"huge.png"_s << QByteArray() << qint64(9 * 1024 * 1024);
    }

    void aLogoThatCannotBeShownLeavesTheName()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        if (size >= 0) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
            if (size > 0)
                QVERIFY(f.resize(size));
        }
        StderrCapture errors;
        ManualTimeSource time;
        GameModel game(time);
        game.setSides({GameSide{lions(path), {}}, GameSide{}});
        BoardView board(game, defaultSettings());
        board.show();
        const TeamBand *band = board.teamBand(GameModel::Home);
        QSignalSpy settled(band, &TeamBand::logoSettled);
        QVERIFY(settled.wait(10'000));
        QVERIFY(band->logo().isNull());
        QVERIFY(band->isVisible());
        QVERIFY(!band->nameRect().isEmpty());
        // The audience display's board shows the same game: told once a run.
        BoardView audience(game, defaultSettings());
        QSignalSpy alsoSettled(audience.teamBand(GameModel::Home), &TeamBand::logoSettled);
        QVERIFY(alsoSettled.wait(10'000));
        const QStringList lines = errors.text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(file), qPrintable(lines.first()));
    }
};

QTEST_MAIN(TestTeamBand)
#include "tst_teamband.moc"
