// The scoreboard in a real X server: screenshots at several sizes, kept as
// artefacts, and read back from the pixels.
#include "display/colors.h"
#include "display/controls.h"
#include "display/ledlines.h"
#include "scoreboard/frmscoreboard.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFile>
#include <QScreen>

namespace {

int countPixels(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == color;
    return count;
}

QRect globalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// Every named control's place on the board, one line each, in creation order.
// The team captions' left edges are left out: they are checked for centring.
QStringList boardGeometry(const QWidget &board)
{
    QStringList lines;
    for (const QWidget *control : board.findChildren<QWidget *>()) {
        if (control->objectName().isEmpty())
            continue;
        const QRect g = control->geometry();
        const bool teamCaption = control->objectName() == QLatin1StringView("lblHomeScore") ||
                                 control->objectName() == QLatin1StringView("lblGuestScore");
        const QVariant index = control->property("Index");
        lines << QStringLiteral("%1%2 %3,%4 %5x%6")
                     .arg(control->objectName(),
                          index.isValid() ? u'(' + index.toString() + u')' : QString(),
                          teamCaption ? QStringLiteral("-") : QString::number(g.x()))
                     .arg(g.y())
                     .arg(g.width())
                     .arg(g.height());
    }
    return lines;
}

// The recorded geometry of the board at one size, from board-geometry.txt.
QStringList expectedGeometry(const QString &size)
{
    QFile file(QFINDTESTDATA("board-geometry.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines;
    bool inside = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inside = line == u'[' + size + u']';
        else if (inside && !line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

class TestScoreboardXvfb : public QObject
{
    Q_OBJECT

    FakeServices fakes;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1StringView("xcb"))
            QSKIP("needs a real X server (run under Xvfb)");
        AppSettings = defaultSettings();
    }

    // The design size and 16:9 screens were readable from the start; their
    // layout stays exactly as it was, pixel for pixel.
    void designAndWideScreensKeepTheirLayout_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("632x453") << QSize(632, 453);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }

    void designAndWideScreensKeepTheirLayout()
    {
        QFETCH(QSize, size);
        frmScoreBoard board(fakes.services());
        board.move(0, 0);
        board.resize(size);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTRY_COMPARE(board.size(), size);
        const QStringList actual = boardGeometry(board);
        const QStringList expected = expectedGeometry(QLatin1StringView(QTest::currentDataTag()));
        if (expected.isEmpty())
            qInfo().noquote() << u'[' + QLatin1StringView(QTest::currentDataTag()) + u']'
                              << Qt::endl
                              << actual.join(u'\n');
        QCOMPARE(actual, expected);
    }

    void litDigitsAndCaptionsAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("design") << QSize();
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("3840x2160") << QSize(3840, 2160);
    }

    void litDigitsAndCaptionsAtEverySize()
    {
        QFETCH(QSize, size);
        frmScoreBoard board(fakes.services());
        if (size.isValid()) {
            board.move(0, 0);
            board.resize(size);
        }
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        if (size.isValid())
            QTRY_COMPARE(board.size(), size);
        QTest::qWait(300);

        const QImage shot =
            board.screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        const QString folder = QStringLiteral(CORVELLA_ARTIFACTS) + QStringLiteral("/screenshots");
        QDir().mkpath(folder);
        shot.copy(globalRect(&board))
            .save(folder + QStringLiteral("/scoreboard-") +
                  QLatin1StringView(QTest::currentDataTag()) + QStringLiteral(".png"));

        const auto &c = board.controls();
        const double scale = board.height() / 453.0;
        const int minimumLit = int(400 * scale * scale);
        QVERIFY(countPixels(shot, globalRect(c.picTimeBack), fromBgr(AppSettings.LEDTimeColor)) >
                4 * minimumLit);
        for (const PictureBox *panel :
             {c.picHomeScore0, c.picGuestScore0, c.picHomeScore1, c.picGuestScore1}) {
            const int lit =
                countPixels(shot, globalRect(panel), fromBgr(AppSettings.LEDScoreColor));
            QVERIFY2(lit > minimumLit, qPrintable(panel->objectName() + QString::number(lit)));
        }
        const QColor white = fromBgr(AppSettings.TextColor);
        for (const QWidget *caption :
             {static_cast<QWidget *>(c.picHomeContainer),
              static_cast<QWidget *>(c.picGuestContainer), static_cast<QWidget *>(c.lblSection1),
              static_cast<QWidget *>(c.lblSection2)})
            QVERIFY2(countPixels(shot, globalRect(caption), white) > int(100 * scale * scale),
                     qPrintable(caption->objectName()));
        // Nothing of the board lies outside the window.
        for (const QWidget *control : board.findChildren<QWidget *>())
            QVERIFY2(board.rect().contains(control->geometry()) ||
                         control->parentWidget() != &board,
                     qPrintable(control->objectName()));
    }
};

CORVELLA_TEST_MAIN(TestScoreboardXvfb)
#include "tst_scoreboard_xvfb.moc"
