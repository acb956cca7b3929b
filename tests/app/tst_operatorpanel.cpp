#include "app/networkwindow.h"
#include "app/operatorpanel.h"
#include "app/qrcode.h"
#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "settings/currentsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"
#include "web/webservice.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>

using namespace Qt::StringLiterals;

// The operator's window for the board on the network: the QR code, what it
// shows, where it goes, and how it follows the web service.
class TestOperatorPanel : public QObject
{
    Q_OBJECT

private slots:
    void qrCodeHasQuietZoneAndModules()
    {
        const QImage code = qrCodeImage(u"http://127.0.0.1:8080/remote"_s);
        QVERIFY(!code.isNull());
        // 31 characters at medium correction: version 3, 29 modules, plus 4 on each side.
        QCOMPARE(code.size(), QSize(37, 37));
        for (int i = 0; i < 37; ++i) {
            QCOMPARE(code.pixelIndex(i, 0), 0);
            QCOMPARE(code.pixelIndex(0, i), 0);
            QCOMPARE(code.pixelIndex(36, i), 0);
        }
        // The finder pattern's dark corner.
        QCOMPARE(code.pixelIndex(4, 4), 1);
        QCOMPARE(code.pixelIndex(10, 10), 1);
        QCOMPARE(code.pixelIndex(5, 5), 0);
        QVERIFY(qrCodeImage(u"http://127.0.0.1:8081/remote"_s) != code);
    }

    void operatorPanelShowsAddressCodeAndPin()
    {
        OperatorPanel panel;
        panel.showState({u"http://127.0.0.1:8080/"_s}, u"042917"_s, QString(), 3, 1);
        auto *address = panel.findChild<QLabel *>(u"address"_s);
        auto *pin = panel.findChild<QLabel *>(u"pin"_s);
        auto *qr = panel.findChild<QLabel *>(u"qrCode"_s);
        QVERIFY(address->text().contains(u"http://127.0.0.1:8080/display"_s));
        QVERIFY(address->text().contains(u"http://127.0.0.1:8080/remote"_s));
        QVERIFY(pin->text().contains(u"042917"_s));
        QVERIFY(pin->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
        QVERIFY(!qr->pixmap().isNull());
        panel.showState({}, u"042917"_s, u"port taken"_s, 0, 0);
        QVERIFY(address->text().contains(u"port taken"_s));
        QVERIFY(pin->text().isEmpty());
    }

    void theNetworkWindowGoesBesideTheBoard_data()
    {
        QTest::addColumn<QRect>("board");
        QTest::addColumn<QPoint>("expected");
        // A 300 x 400 window on a 1280 x 1024 screen.
        QTest::newRow("room on the right") << QRect(100, 200, 640, 480) << QPoint(740, 200);
        QTest::newRow("room on the left only") << QRect(600, 200, 640, 480) << QPoint(300, 200);
        QTest::newRow("low board: lifted onto the screen")
            << QRect(100, 900, 640, 100) << QPoint(740, 624);
        QTest::newRow("no room: against the roomier edge")
            << QRect(200, 0, 1000, 700) << QPoint(0, 0);
    }

    void theNetworkWindowGoesBesideTheBoard()
    {
        QFETCH(QRect, board);
        QFETCH(QPoint, expected);
        const QRect screen(0, 0, 1280, 1024);
        const QPoint at = OperatorPanel::besidePosition(board, QSize(300, 400), screen);
        QCOMPARE(at, expected);
        QVERIFY(screen.contains(QRect(at, QSize(300, 400))));
    }

    // The network window shows the API's token while the API is on, passes
    // on a wish for a new one, and closes with the server.
    void theNetworkWindowFollowsTheService()
    {
        ManualTimeSource time;
        GameModel game(time);
        GameHistory history(game);
        CurrentSettings settings(defaultSettings());
        WebService service(game, history, settings, time);
        NetworkWindow window(service);
        window.show(nullptr);
        QVERIFY(!window.panel()); // nothing to show while the server is off

        Settings s = settings.value();
        s.WebServer = 1;
        s.WebPort = 0;
        s.WebAddress = u"127.0.0.1"_s;
        settings.set(s);
        QVERIFY(service.isRunning());
        window.show(nullptr);
        QVERIFY(window.panel());
        auto *token = window.panel()->findChild<QLineEdit *>(u"apiToken"_s);
        QVERIFY(token);
        QVERIFY(token->isHidden());
        s.Api = 1;
        s.ApiToken = u"t0k3n"_s;
        settings.set(s);
        QCOMPARE(token->text(), u"t0k3n"_s);
        QVERIFY(!token->isHidden());
        QSignalSpy renew(&window, &NetworkWindow::tokenRenewalRequested);
        window.panel()->findChild<QPushButton *>(u"renewApiToken"_s)->click();
        QCOMPARE(renew.count(), 1);

        s.WebServer = 0;
        settings.set(s);
        QTRY_VERIFY(!window.panel());
    }

    // With the server off, a hall's link alone opens the window: how the
    // link stands and the next game the hall announced.
    void theNetworkWindowTellsTheHall()
    {
        ManualTimeSource time;
        GameModel game(time);
        GameHistory history(game);
        CurrentSettings settings(defaultSettings());
        WebService service(game, history, settings, time);
        NetworkWindow window(service);
        window.setHall(false, {}, {});
        window.show(nullptr);
        QVERIFY(!window.panel());

        window.setHall(true, u"Connected to 127.0.0.1:1883"_s, {});
        window.show(nullptr);
        QVERIFY(window.panel());
        const auto label = [&window](const char *name) {
            return window.panel()->findChild<QLabel *>(QLatin1StringView(name));
        };
        QCOMPARE(label("hallLink")->text(), u"Hall: Connected to 127.0.0.1:1883"_s);
        QVERIFY(!label("hallLink")->isHidden());
        QCOMPARE(label("nextGame")->text(), u"No next game from the hall"_s);
        QCOMPARE(label("address")->text(), u"The web server is off"_s);
        QVERIFY(label("qrCode")->isHidden() && label("pin")->isHidden());
        window.setHall(true, u"Connected to 127.0.0.1:1883"_s, u"Fortuna E1 - PKC E1 (Korfball)"_s);
        QCOMPARE(label("nextGame")->text(),
                 u"Next game: Fortuna E1 - PKC E1 (Korfball) (F7 on the board loads it)"_s);

        window.setHall(false, {}, {});
        QTRY_VERIFY(!window.panel());
    }
};

CORVELLA_TEST_MAIN(TestOperatorPanel)
#include "tst_operatorpanel.moc"
