// Random keys, clicks and resizes on the scoreboard, with every window it
// opens answered at random. After each event every score shows 0 to 99 or is
// blank, and the clock shows a valid time.
#include "app/buzzer.h"
#include "app/startscreen.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "options/keychooser.h"
#include "options/optionsdialog.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testboard.h"
#include "tests/support/testenv.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

namespace {

constexpr quint32 Seed = 20261207;
constexpr int Events = turns(20000);

bool validScore(const LedGroup &score)
{
    const int tens = score[1]->caption();
    const int units = score[0]->caption();
    if (units == -1)
        return tens == -1;
    return tens == -1 || tens >= 1;
}

bool validClock(const LedGroup &clock)
{
    QList<int> d;
    for (int i = 1; i <= 5; ++i)
        d << clock[i]->caption();
    if (d == QList<int>{-1, -1, -1, -1, -1})
        return true;
    return (d[0] == -1 || d[0] >= 1) && d[1] >= 0 && d[2] >= 0 && d[2] <= 5 && d[3] >= 0 &&
           d[4] >= 0;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

    Settings settings;

    FakeServices fakes;
    QRandomGenerator random{Seed};
    bool m_done = false;

    // Answers whatever modal window is up, at random: some button, a key for
    // the key chooser, or its close box.
    void answerModal()
    {
        // Re-armed first: a timer does not fire again while its own slot runs,
        // and the answer may open another modal window.
        if (!m_done)
            QTimer::singleShot(1, this, &TestMonkey::answerModal);
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        const int pick = random.bounded(6);
        if (auto *splash = qobject_cast<StartScreen *>(modal); splash && pick < 3) {
            splash->goToScoreboard();
            return;
        }
        if (auto *chooser = qobject_cast<KeyChooser *>(modal); chooser && pick < 3) {
            chooser->takeKey(1 + random.bounded(255));
            return;
        }
        const QList<QPushButton *> buttons = modal->findChildren<QPushButton *>();
        if (pick < 5 && !buttons.isEmpty())
            buttons.at(random.bounded(buttons.size()))->click();
        else
            modal->close();
    }

    void sendRandomEvent(ScoreBoardWindow &board)
    {
        static const QString keys = QStringLiteral("0123456789+-. \rsrbcoSx\x1b");
        const int kind = random.bounded(100);
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &board;
        if (kind < 70) {
            const QChar c = keys.at(random.bounded(keys.size()));
            const Qt::Key key = c == u'\r'     ? Qt::Key_Return
                                : c == u'\x1b' ? Qt::Key_Escape
                                               : Qt::Key(0);
            if (key)
                QTest::keyClick(target, key);
            else
                QTest::keyClicks(target, QString(c));
        } else if (kind < 85) {
            const QPoint at(random.bounded(std::max(1, board.width())),
                            random.bounded(std::max(1, board.height())));
            QWidget *child = board.childAt(at);
            QWidget *clicked = child ? child : &board;
            QTest::mouseClick(clicked, Qt::LeftButton, {}, clicked->mapFrom(&board, at));
        } else if (kind < 95) {
            fakes.time.now += random.bounded(2000);
            board.game().updateClock();
        } else {
            board.resize(100 + random.bounded(3800), 80 + random.bounded(2100));
        }
    }

private slots:
    void randomUse()
    {
        settings = defaultSettings();
        settings.BuzzerFile = QCoreApplication::applicationFilePath();
        fakes.dialogs.yes = true;
        TestBoard made(fakes, settings);
        ScoreBoardWindow &board = made.window;
        Buzzer buzzer(fakes.services().makeSoundDevice(nullptr));
        buzzer.openSound(settings.BuzzerFile);
        connect(&board, &ScoreBoardWindow::buzzerRequested, &buzzer, &Buzzer::sound);
        connect(&board, &ScoreBoardWindow::optionsRequested, this, [this, &board] {
            fakes.dialogs.color =
                random.bounded(2) ? std::optional<qint32>(random.bounded(0x1000000)) : std::nullopt;
            OptionsDialog options(settings, fakes.dialogs, fakes.services().makeSoundDevice,
                                  &board);
            if (options.exec() == QDialog::Accepted)
                settings = options.settings();
        });
        connect(&board, &ScoreBoardWindow::startScreenRequested, this, [this, &board] {
            StartScreen splash(fakes.dialogs, &board);
            splash.exec();
        });
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        answerModal();

        for (int event = 0; event < Events; ++event) {
            fakes.dialogs.yes = random.bounded(2);
            if (random.bounded(50) == 0 && fakes.device())
                fakes.device()->finish();
            sendRandomEvent(board);
            for (const LedGroup *score : {&board.home1Digits(), &board.guest1Digits(),
                                          &board.home2Digits(), &board.guest2Digits()})
                QVERIFY2(validScore(*score),
                         qPrintable(QStringLiteral("seed %1, event %2").arg(Seed).arg(event)));
            QVERIFY2(validClock(board.clockDigits()),
                     qPrintable(QStringLiteral("seed %1, event %2").arg(Seed).arg(event)));
        }
        m_done = true;
    }
};

CORVELLA_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
