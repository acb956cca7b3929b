#include "display/controlcolors.h"
#include "display/controls.h"
#include "display/leddigit.h"
#include "display/ledgroup.h"
#include "settings/appsettings.h"
#include "tests/support/testenv.h"

class TestModColor : public QObject
{
    Q_OBJECT

    static constexpr qint32 TextColor = 0x112233;
    static constexpr qint32 LedBackColor = 0x445566;

private slots:
    void coloursEachKindAndSkipsExcludedNamesExactly()
    {
        QWidget window;
        auto named = [&](auto *control, const char *name) {
            control->setObjectName(QLatin1StringView(name));
            return control;
        };
        Label *excluded = named(new Label(&window), "lblHome");
        Label *longerName = named(new Label(&window), "lblHomeScore");
        Label *prefix = named(new Label(&window), "lblHom");
        PictureBox *panel = named(new PictureBox(&window), "picPanel");
        Shape *dot = named(new Shape(Shape::Kind::FilledCircle, &window), "shpTime");
        Shape *border = named(new Shape(Shape::Kind::OutlinedRectangle, &window), "shpTimeBorder");
        Shape *frame = named(new Shape(Shape::Kind::OutlinedRectangle, &window), "shpLarge");
        LedGroup digits(QStringLiteral("ledTest"));
        LedDigit *digit = digits.add(0, &window);
        digit->setBackColor(7);
        QWidget stranger;
        stranger.setObjectName(QStringLiteral("notOnTheWindow"));

        colorControls(&window, {excluded, &stranger}, TextColor, LedBackColor);

        QCOMPARE(excluded->foreColor(), 0);
        QCOMPARE(longerName->foreColor(), 0x112233);
        QCOMPARE(prefix->foreColor(), 0x112233);
        QCOMPARE(panel->backColor(), 0x445566);
        QCOMPARE(dot->fillColor(), 0x112233);
        QCOMPARE(dot->borderColor(), 0);
        QCOMPARE(border->borderColor(), 0x112233);
        QCOMPARE(border->fillColor(), 0);
        QCOMPARE(frame->borderColor(), 0x112233);
        QCOMPARE(digit->backColor(), 7); // digits are coloured only by colorLeds
    }

    void colorLedSetsBackUnlitAndLit()
    {
        QWidget window;
        LedGroup group(QStringLiteral("ledScore"));
        group.add(0, &window);
        group.add(1, &window);
        colorLeds(group, 0x0080FF, LedBackColor);
        for (const LedDigit *digit : group.members()) {
            QCOMPARE(digit->backColor(), 0x445566);
            QCOMPARE(digit->unlitColor(), 0x445566);
            QCOMPARE(digit->litColor(), 0x0080FF);
        }
        LedDigit single(0);
        colorLeds(&single, 255, LedBackColor);
        QCOMPARE(single.litColor(), 255);
        QCOMPARE(single.unlitColor(), 0x445566);
    }
};

CORVELLA_TEST_MAIN(TestModColor)
#include "tst_controlcolors.moc"
