#include "display/captionfit.h"
#include "display/controls.h"
#include "tests/support/testenv.h"

namespace {

Label *boldCaption(QWidget *parent, const QString &text, double points, bool autoSize)
{
    auto *label = new Label(parent);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    label->setFont(font);
    label->setFontSize(points);
    label->setAutoSize(autoSize);
    label->setCaption(text);
    return label;
}

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT

private slots:
    void aCaptionThatFitsKeepsItsSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::newRow("Home in a team panel") << QStringLiteral("Home") << QSize(153, 41);
        QTest::newRow("empty") << QString() << QSize(153, 41);
    }

    void aCaptionThatFitsKeepsItsSize()
    {
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QWidget panel;
        Label *caption = boldCaption(&panel, text, 24, true);
        shrinkToFit(caption, box);
        QCOMPARE(caption->fontSize(), 24.0);
    }

    void aLongCaptionShrinksUntilItFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("autoSize");
        QTest::newRow("team name") << QStringLiteral("HAMBURG TOWERS") << QSize(153, 41) << true;
        QTest::newRow("section caption")
            << QStringLiteral("Overtime Period 2") << QSize(221, 41) << false;
        QTest::newRow("a narrow portrait panel")
            << QStringLiteral("Thunderbirds") << QSize(100, 160) << true;
        QTest::newRow("too low for the font") << QStringLiteral("Home") << QSize(153, 20) << true;
    }

    void aLongCaptionShrinksUntilItFits()
    {
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QFETCH(bool, autoSize);
        QWidget panel;
        Label *caption = boldCaption(&panel, text, 24, autoSize);
        QVERIFY(caption->sizeHint().width() > box.width() ||
                caption->sizeHint().height() > box.height());
        shrinkToFit(caption, box);
        QVERIFY(caption->sizeHint().width() <= box.width());
        QVERIFY(caption->sizeHint().height() <= box.height());
        // And hardly smaller than it has to be: a tenth larger does not fit.
        caption->setFontSize(caption->fontSize() * 1.1);
        QVERIFY(caption->sizeHint().width() > box.width() ||
                caption->sizeHint().height() > box.height());
    }

    void centringPutsTheCaptionInTheMiddle()
    {
        QWidget panel;
        panel.resize(465, 98);
        Label *caption = boldCaption(&panel, QStringLiteral("Guest"), 57, true);
        caption->move(0, 0);
        centreIn(caption, &panel);
        QVERIFY(std::abs(caption->geometry().center().x() - panel.rect().center().x()) <= 1);
        QVERIFY(std::abs(caption->geometry().center().y() - panel.rect().center().y()) <= 1);
    }
};

CORVELLA_TEST_MAIN(TestCaptionFit)
#include "tst_captionfit.moc"
