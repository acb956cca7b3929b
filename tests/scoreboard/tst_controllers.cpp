#include "game/gamehistory.h"
#include "game/gamemodel.h"
#include "options/controllerspage.h"
#include "options/optionspage.h"
#include "platform/controllerbindings.h"
#include "platform/joystickreader.h"
#include "scoreboard/controllercommands.h"
#include "settings/appsettings.h"
#include "tests/support/fakes.h"
#include "tests/support/testenv.h"

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

ControllerInput button(int index)
{
    return {ControllerInput::Kind::Button, index, 0};
}

ControllerInput hat(int index, int direction)
{
    return {ControllerInput::Kind::Hat, index, direction};
}

ControllerInput axis(int index, int direction)
{
    return {ControllerInput::Kind::Axis, index, direction};
}

QJsonObject homeAdds(int points, const QString &team = u"home"_s)
{
    return {{u"team"_s, team}, {u"section"_s, 1}, {u"add"_s, points}};
}

// The game, its controllers read through SDL, and the commands they run.
struct PadGame
{
    ManualTimeSource time;
    GameModel game{time};
    GameHistory history{game};
    Settings settings = defaultSettings();
    JoystickReader reader;
    ControllerCommands commands{game, history, [this]() -> const Settings & { return settings; },
                                reader, time};
    QList<GameCommands::Outcome> refusals;

    PadGame()
    {
        QObject::connect(&commands, &ControllerCommands::refused, &commands,
                         [this](const GameCommands::Outcome &outcome) { refusals << outcome; });
    }
    // A pad with 12 buttons, a hat and two axes: its id, once the reader has it.
    int plug(quint16 product = 1)
    {
        const int id = reader.attachVirtual(u"Corvella test pad"_s, 12, 1, 2, product);
        if (id >= 0 && !QTest::qWaitFor([&] { return device(id).has_value(); }, 5000))
            return -1;
        return id;
    }
    std::optional<ControllerDevice> device(int id) const
    {
        for (const ControllerDevice &d : reader.devices())
            if (d.id == id)
                return d;
        return std::nullopt;
    }
    void press(int id, int index)
    {
        reader.setVirtualButton(id, index, true);
        reader.setVirtualButton(id, index, false);
    }
};

} // namespace

class TestControllers : public QObject
{
    Q_OBJECT

private:
    // Skips where SDL cannot read joysticks at all.
    static bool sdlCanStart(PadGame &pad)
    {
        if (pad.reader.start())
            return true;
        qWarning("SDL's joysticks cannot start: %s", qPrintable(pad.reader.errorString()));
        return false;
    }

private slots:
    void init() { TestEnvironment::clearStore(); }

    void inputKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("valid");
        QTest::newRow("button") << u"button 3"_s << true;
        QTest::newRow("hat up") << u"hat 0 up"_s << true;
        QTest::newRow("hat left") << u"hat 1 left"_s << true;
        QTest::newRow("axis minus") << u"axis 2 -"_s << true;
        QTest::newRow("axis plus") << u"axis 0 +"_s << true;
        QTest::newRow("button without number") << u"button"_s << false;
        QTest::newRow("hat diagonal") << u"hat 0 upleft"_s << false;
        QTest::newRow("axis without side") << u"axis 1"_s << false;
        QTest::newRow("negative button") << u"button -1"_s << false;
        QTest::newRow("unknown kind") << u"wheel 1"_s << false;
    }

    void inputKeys()
    {
        QFETCH(QString, key);
        QFETCH(bool, valid);
        const std::optional<ControllerInput> input = ControllerInput::fromKey(key);
        QCOMPARE(input.has_value(), valid);
        if (input)
            QCOMPARE(input->key(), key);
    }

    // Through SDL's virtual joystick and the real binding code.
    void boundInputsRunTheirCommands()
    {
        PadGame pad;
        if (!sdlCanStart(pad))
            QSKIP("no SDL joysticks here");
        const int id = pad.plug();
        QVERIFY(id >= 0);
        const QString guid = pad.device(id)->guid;
        ControllerBindings bindings;
        bindings.setBindings(guid, u"Corvella test pad"_s, 0,
                             {{button(3), u"score.add"_s, homeAdds(2)},
                              {hat(0, ControllerInput::Up), u"clock.start"_s, {}},
                              {hat(0, ControllerInput::Down), u"clock.stop"_s, {}},
                              {axis(1, -1), u"score.add"_s, homeAdds(1, u"guest"_s)},
                              {button(4), u"score.add"_s, homeAdds(-5)}});
        pad.commands.setBindings(bindings);

        pad.press(id, 3);
        QTRY_COMPARE(pad.game.score(GameModel::Home1), 2);
        pad.reader.setVirtualHat(id, 0, ControllerInput::Up);
        QTRY_VERIFY(pad.game.isRunning());
        pad.reader.setVirtualHat(id, 0, 0);
        pad.reader.setVirtualHat(id, 0, ControllerInput::Down);
        QTRY_VERIFY(!pad.game.isRunning());

        // Inside the dead zone nothing; past it one press until it is back.
        pad.reader.setVirtualAxis(id, 1, -JoystickReader::DeadZone / 2);
        pad.reader.setVirtualAxis(id, 1, -30000);
        pad.reader.setVirtualAxis(id, 1, -32000);
        QTRY_COMPARE(pad.game.score(GameModel::Guest1), 1);
        pad.reader.setVirtualAxis(id, 1, 0);
        pad.reader.setVirtualAxis(id, 1, -30000);
        QTRY_COMPARE(pad.game.score(GameModel::Guest1), 2);

        // A command the game cannot do is told as the key's would be.
        pad.press(id, 4);
        QTRY_COMPARE(pad.refusals.size(), 1);
        QVERIFY(!pad.refusals.first().why.isEmpty());
        QCOMPARE(pad.game.score(GameModel::Home1), 2);
        // An unbound button does nothing.
        pad.press(id, 7);
        pad.press(id, 3);
        QTRY_COMPARE(pad.game.score(GameModel::Home1), 4);
        QCOMPARE(pad.game.score(GameModel::Guest1), 2);
    }

    // A device pressing faster than a hand can is paced; the game's time
    // source refills it.
    void aRunawayDeviceIsPaced()
    {
        PadGame pad;
        if (!sdlCanStart(pad))
            QSKIP("no SDL joysticks here");
        const int id = pad.plug();
        QVERIFY(id >= 0);
        ControllerBindings bindings;
        bindings.setBindings(pad.device(id)->guid, {}, 0,
                             {{button(0), u"score.add"_s, homeAdds(1)},
                              {button(1), u"score.add"_s, homeAdds(1, u"guest"_s)}});
        pad.commands.setBindings(bindings);
        for (int i = 0; i < ControllerCommands::PressBurst + 5; ++i)
            pad.press(id, 0);
        QTRY_COMPARE(pad.game.score(GameModel::Home1), ControllerCommands::PressBurst);
        pad.time.now += 1000 / ControllerCommands::PressesPerSecond;
        pad.press(id, 1);
        // The last press arrives after every one before it.
        QTRY_COMPARE(pad.game.score(GameModel::Guest1), 1);
        QCOMPARE(pad.game.score(GameModel::Home1), ControllerCommands::PressBurst);
    }

    // Unplugged and plugged again, a pad keeps its bindings; of two
    // identical pads each keeps its own, by the order they came.
    void padsKeepTheirBindings()
    {
        PadGame pad;
        if (!sdlCanStart(pad))
            QSKIP("no SDL joysticks here");
        const int first = pad.plug();
        const int second = pad.plug();
        QVERIFY(first >= 0 && second >= 0);
        QCOMPARE(pad.device(first)->guid, pad.device(second)->guid);
        QCOMPARE(pad.device(first)->slot, 0);
        QCOMPARE(pad.device(second)->slot, 1);
        const QString guid = pad.device(first)->guid;
        ControllerBindings bindings;
        bindings.setBindings(guid, {}, 0, {{button(0), u"score.add"_s, homeAdds(1)}});
        bindings.setBindings(guid, {}, 1, {{button(0), u"score.add"_s, homeAdds(1, u"guest"_s)}});
        pad.commands.setBindings(bindings);

        pad.press(second, 0);
        QTRY_COMPARE(pad.game.score(GameModel::Guest1), 1);
        QCOMPARE(pad.game.score(GameModel::Home1), 0);

        pad.reader.detachVirtual(first);
        QTRY_VERIFY(!pad.device(first));
        const int again = pad.plug();
        QVERIFY(again >= 0);
        QCOMPARE(pad.device(again)->slot, 0);
        pad.press(again, 0);
        QTRY_COMPARE(pad.game.score(GameModel::Home1), 1);
        pad.press(second, 0);
        QTRY_COMPARE(pad.game.score(GameModel::Guest1), 2);
    }

    // A device never seen before binds by learning on the settings page; the
    // press being learned runs nothing.
    void unknownDeviceBindsByLearning()
    {
        PadGame pad;
        if (!sdlCanStart(pad))
            QSKIP("no SDL joysticks here");
        ScriptedDialogs dialogs;
        OptionsServices services{dialogs, {}, [] { return defaultSettings(); }};
        services.joysticks = &pad.reader;
        ControllersPage page(services);
        page.load(defaultSettings());
        page.show();
        const int id = pad.plug(77);
        QVERIFY(id >= 0);
        const ControllerDevice device = *pad.device(id);
        QVERIFY(pad.commands.bindings().isEmpty());
        pad.commands.setBindings(ControllerBindings::load());

        auto *command = page.findChild<QComboBox *>(u"cboControllerCommand"_s);
        command->setCurrentIndex(command->findData(u"score.add"_s));
        page.findChild<QComboBox *>(u"param_team"_s)->setCurrentText(u"guest"_s);
        page.findChild<QComboBox *>(u"param_section"_s)->setCurrentText(u"2"_s);
        page.findChild<QSpinBox *>(u"param_add"_s)->setValue(3);
        QTest::mouseClick(page.findChild<QPushButton *>(u"cmdLearnBinding"_s), Qt::LeftButton);
        QVERIFY(page.isLearning());
        pad.press(id, 5);
        QTRY_VERIFY(!page.isLearning());
        const ControllerBinding expected{
            button(5), u"score.add"_s,
            QJsonObject{{u"team"_s, u"guest"_s}, {u"section"_s, 2}, {u"add"_s, 3}}};
        QCOMPARE(page.bindings().bindings(device.guid, 0), QList<ControllerBinding>{expected});
        QCOMPARE(pad.game.score(GameModel::Guest2), 0);

        QCOMPARE(page.saveFiles(), QString());
        pad.commands.setBindings(ControllerBindings::load());
        pad.press(id, 5);
        QTRY_COMPARE(pad.game.score(GameModel::Guest2), 3);
    }

    // A profile exported from one settings folder and imported into another
    // gives the same bindings.
    void profilesCarryBindings()
    {
        const QString guid = u"030000005e0400008e02000010010000"_s;
        ControllerBindings bindings;
        bindings.setBindings(guid, u"Pad"_s, 0,
                             {{button(3), u"score.add"_s, homeAdds(2)},
                              {hat(0, ControllerInput::Up), u"clock.start"_s, {}}});
        bindings.setBindings(guid, u"Pad"_s, 1, {{axis(2, 1), u"buzzer.sound"_s, {}}});
        QVERIFY(bindings.save());
        QTemporaryDir carried;
        const QString file = carried.filePath(u"club.json"_s);
        QString why;
        QVERIFY2(ControllerBindings::load().exportProfile(file, &why), qPrintable(why));

        const QByteArray home = qgetenv("XDG_CONFIG_HOME");
        QTemporaryDir otherLaptop;
        qputenv("XDG_CONFIG_HOME", otherLaptop.path().toLocal8Bit());
        const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", home); });
        QVERIFY(ControllerBindings::load().isEmpty());
        const auto imported = ControllerBindings::importProfile(file, &why);
        QVERIFY2(imported, qPrintable(why));
        QVERIFY(imported->save());
        QCOMPARE(ControllerBindings::load().toProfile(), bindings.toProfile());
        QCOMPARE(ControllerBindings::load().bindings(guid, 1),
                 (QList<ControllerBinding>{{axis(2, 1), u"buzzer.sound"_s, {}}}));
    }

    void damagedProfilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        const QByteArray device = R"({"name":"Pad","slots":[[{"input":"button 1","command":)"
                                  R"("undo","params":{}}]]})";
        QTest::newRow("fine") << QByteArray(R"({"format":"corvella-controllers","version":1,)"
                                            R"("devices":{"030000005e0400008e02000010010000":)" +
                                            device + "}}");
        QTest::newRow("another format")
            << QByteArray(R"({"format":"something","version":1,"devices":{}})");
        QTest::newRow("a later version")
            << QByteArray(R"({"format":"corvella-controllers","version":2,"devices":{}})");
        QTest::newRow("not a guid") << QByteArray(R"({"format":"corvella-controllers",)"
                                                  R"("version":1,"devices":{"../x":)" +
                                                  device + "}}");
        QTest::newRow("unknown input")
            << QByteArray(R"({"format":"corvella-controllers","version":1,"devices":{)"
                          R"("030000005e0400008e02000010010000":{"name":"P","slots":[[)"
                          R"({"input":"knob 1","command":"undo","params":{}}]]}}})");
        QTest::newRow("not json") << QByteArray("{format");
    }

    void damagedProfilesAreRefused()
    {
        QFETCH(QByteArray, json);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"p.json"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        file.close();
        QString why;
        const auto imported = ControllerBindings::importProfile(file.fileName(), &why);
        const bool fine = QByteArray(QTest::currentDataTag()) == "fine";
        QCOMPARE(imported.has_value(), fine);
        QCOMPARE(why.isEmpty(), fine);
    }
};

CORVELLA_TEST_MAIN(TestControllers)
#include "tst_controllers.moc"
