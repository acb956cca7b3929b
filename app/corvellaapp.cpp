#include "app/corvellaapp.h"

#include "app/export.h"
#include "app/logo.h"
#include "app/startscreen.h"
#include "audience/pointerhider.h"
#include "audience/sponsoroverlay.h"
#include "base/offthread.h"
#include "board/boardview.h"
#include "game/clockface.h"
#include "game/gamerules.h"
#include "game/presets.h"
#include "game/sectioncaptions.h"
#include "hall/halljoin.h"
#include "options/optionsdialog.h"
#include "options/settingswindow.h"
#include "platform/dialogs.h"
#include "platform/screenfiller.h"
#include "scoreboard/controllercommands.h"
#include "scoreboard/scoreboardwindow.h"
#include "settings/settingsstore.h"
#include "teams/teamlibrary.h"
#include "web/remoteapi.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QShortcut>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// The shot clock's own sound, or the built-in horn beside the executable.
QString shotClockSoundOf(const Settings &settings)
{
    if (!settings.ShotClockSound.isEmpty())
        return settings.ShotClockSound;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/shotclock.wav");
}

// Calls back when its window goes in or out of full screen.
// Holds every key and click until the changes before it are on disk: the
// board paints while they are synced, and no step of the operator's is acted
// on before the one before it is kept.
class WriteBarrier : public QObject
{
public:
    explicit WriteBarrier(DiskWriter *writer) : QObject(writer), m_writer(writer)
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_writer->finish();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    DiskWriter *m_writer;
};

} // namespace

CorvellaApp::CorvellaApp(const Services &services, const QString &stateFolder)
    : m_services(services), m_stateFolder(stateFolder),
      m_lock(stateFolder + QStringLiteral("/lock")), m_settings(defaultSettings()),
      m_game(*services.time), m_stateFile(stateFolder)
{
    // Only another program holding the lock keeps this one off the folder:
    // a folder that cannot be written is told like any failed save.
    m_lock.setStaleLockTime(0); // a holder that has died leaves it stale, never its age
    QDir().mkpath(stateFolder);
    m_holdsFolder = m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
    new WriteBarrier(&m_writer);
    m_stateFile.setWriter(&m_writer);
    QObject::connect(&m_stateFile, &GameStateFile::savingFailed, &m_writer,
                     [this] { updateRecordStatus(); });
    QObject::connect(&m_stateFile, &GameStateFile::savingRecovered, &m_writer,
                     [this] { updateRecordStatus(); });
    if (m_holdsFolder) {
        m_log =
            std::make_unique<GameLog>(stateFolder + QStringLiteral("/games"), m_game, m_history);
        m_log->setWriter(&m_writer);
        QObject::connect(&m_settings, &CurrentSettings::changed, m_log.get(),
                         [this](const Settings &s) {
                             m_log->setCaptions(s.HomeText, s.GuestText, SectionCaptions::of(s, 1),
                                                SectionCaptions::of(s, 2));
                         });
        QObject::connect(&m_stateFile, &GameStateFile::saving, m_log.get(), &GameLog::flush);
        QObject::connect(m_log.get(), &GameLog::loggingFailed, &m_writer,
                         [this] { updateRecordStatus(); });
        QObject::connect(m_log.get(), &GameLog::loggingRecovered, &m_writer,
                         [this] { updateRecordStatus(); });
        m_web.sendStepsOf(m_log.get());
    }
    m_web.setGameLogFolder(stateFolder + QStringLiteral("/games"));
    // Without SDL's joysticks the program runs on; the Controllers page says why.
    m_joysticks.start();
    // Nothing from the network acts on a game the operator may yet replace.
    m_web.holdActions(true);
    updateRecordStatus();
    QObject::connect(&m_settings, &CurrentSettings::changed, &m_game,
                     [this](const Settings &settings) { applyGameRules(settings); });
    QObject::connect(&m_settings, &CurrentSettings::changed, &m_game, [this](const Settings &s) {
        if (m_buzzer)
            m_buzzer->reopenSound(s.BuzzerFile);
        if (m_shotClockHorn)
            m_shotClockHorn->reopenSound(shotClockSoundOf(s));
    });
    QObject::connect(&m_settings, &CurrentSettings::changed, &m_game, [this] { updateHallLink(); });
    connectConsole();
    // The game the hall announced before this one ended is this one or one
    // that passed; the hall sends the next once it hears of the final.
    QObject::connect(&m_game, &GameModel::changed, &m_game, [this] {
        const bool over = m_game.phase() == GamePhase::Final;
        if (over && !m_wasOver)
            withdrawNextGame();
        m_wasOver = over;
    });
    QObject::connect(&m_game, &GameModel::clockExpired, &m_game, [this] { soundBuzzer(); });
    QObject::connect(&m_game, &GameModel::setEnded, &m_game, [this] { soundBuzzer(); });
    QObject::connect(&m_game, &GameModel::shotClockExpired, &m_game,
                     [this] { soundShotClockHorn(); });
    QObject::connect(&m_web, &WebService::buzzerRequested, &m_game, [this] { soundBuzzer(); });
    QObject::connect(&m_web, &WebService::shortBuzzerRequested, &m_game,
                     [this] { soundShortBuzzer(); });
    QObject::connect(&m_web, &WebService::muteToggleRequested, &m_game, [this] { toggleSound(); });
    // An API call is answered with the game already on disk.
    m_web.setSaver([this] {
        m_stateFile.saveTracked();
        m_writer.finish();
    });
}

Buzzer &CorvellaApp::buzzer()
{
    // Made late: the sound device's libraries load with it, and the start
    // screen comes up without them.
    if (!m_buzzer) {
        m_buzzer = new Buzzer(m_services.makeSoundDevice(nullptr), &m_game);
        m_buzzer->openSound(m_settings.value().BuzzerFile);
        m_buzzer->setMuted(m_soundOff);
    }
    return *m_buzzer;
}

void CorvellaApp::soundShortBuzzer()
{
    buzzer().soundShort();
}

void CorvellaApp::toggleSound()
{
    m_soundOff = !m_soundOff;
    buzzer().setMuted(m_soundOff);
    if (m_shotClockHorn)
        m_shotClockHorn->setMuted(m_soundOff);
    if (m_board)
        m_board->setSoundOff(m_soundOff);
    m_network.setSoundOff(m_soundOff);
}

void CorvellaApp::soundBuzzer()
{
    buzzer().sound();
}

void CorvellaApp::soundShotClockHorn()
{
    // A buzzer of its own: it sounds even while the game's horn plays.
    if (!m_shotClockHorn) {
        m_shotClockHorn = new Buzzer(m_services.makeSoundDevice(nullptr), &m_game);
        m_shotClockHorn->openSound(shotClockSoundOf(m_settings.value()));
        m_shotClockHorn->setMuted(m_soundOff);
    }
    m_shotClockHorn->sound();
}

void CorvellaApp::applyGameRules(const Settings &settings)
{
    QStringList problems;
    const GameRules rules = gameRulesOf(settings, &problems);
    // Reported once per stored value: the options refuse such values, so
    // they come from a settings file edited by hand.
    for (const QString &problem : std::as_const(problems)) {
        if (!m_reportedRuleProblems.contains(problem))
            std::fprintf(stderr, "corvella: %s\n", qPrintable(problem));
    }
    m_reportedRuleProblems = problems;
    ::applyGameRules(rules, m_game, m_history);
}

CorvellaApp::~CorvellaApp()
{
    delete m_board;
    delete m_buzzer;
    delete m_shotClockHorn;
}

void CorvellaApp::start()
{
    // Read once: settings that could not be saved stay in effect for the run.
    QMap<QString, QString> unreadNumbers;
    const Settings loaded = loadSettings(&unreadNumbers);
    // Told once, beside the rules out of their range: only a settings file
    // edited by hand holds them.
    for (const QString &problem : unreadRuleProblems(unreadNumbers))
        std::fprintf(stderr, "corvella: %s\n", qPrintable(problem));
    m_settings.set(loaded);
    if (!loaded.HallJoinCode.trimmed().isEmpty())
        joinHall(loaded.HallJoinCode);
    // With nothing to ask, the game is this one from the start.
    if (!m_holdsFolder) {
        settleGame(false);
    } else if (const auto saved = m_stateFile.load(); !saved || saved->isFresh()) {
        settleGame(false);
    }
    auto *splash = new StartScreen(*m_services.dialogs);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->setSettings(m_settings.value());
    QObject::connect(splash, &StartScreen::scoreboardRequested, splash,
                     [this] { showScoreboard(); });
    QObject::connect(splash, &StartScreen::optionsRequested, splash,
                     [this, splash] { showOptions(splash); });
    QObject::connect(&m_settings, &CurrentSettings::changed, splash, &StartScreen::setSettings);
    auto *exportKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), splash);
    QObject::connect(exportKey, &QShortcut::activated, splash,
                     [this, splash] { exportGame(splash); });
    splash->show();
}

QString CorvellaApp::resumeQuestion(const SavedGame &saved) const
{
    const Settings &s = m_settings.value();
    const auto section = [&](int home, int guest, const QString &name) {
        return QStringLiteral("%1 %2 : %3 %4 (%5)")
            .arg(saved.sides.at(GameModel::Home).captionOr(s.HomeText),
                 ClockFace::scoreText(saved.scores.at(home)),
                 saved.sides.at(GameModel::Guest).captionOr(s.GuestText),
                 ClockFace::scoreText(saved.scores.at(guest)), name);
    };
    // A game with periods says where it was.
    QString where;
    if (s.Periods > 0) {
        if (saved.phase == GamePhase::Final)
            where = tr(", Final");
        else if (saved.phase == GamePhase::Break)
            where = tr(", Break after period %1").arg(saved.period);
        else if (saved.period > s.Periods)
            where = tr(", Overtime %1").arg(saved.period - s.Periods);
        else
            where = tr(", Period %1").arg(saved.period);
    }
    QStringList sections{section(GameModel::Home1, GameModel::Guest1, SectionCaptions::of(s, 1))};
    if (SectionCaptions::section2Shown(s))
        sections << section(GameModel::Home2, GameModel::Guest2, SectionCaptions::of(s, 2));
    return tr("Resume the game in progress? Clock %1%2, %3")
        .arg(ClockFace::text(GameModel::shownTimeFor(
                 saved.clockMs, saved.countDown || saved.phase == GamePhase::Break)),
             where, sections.join(QStringLiteral(", ")));
}

// Asks where to write the newest game's record and writes it: PDF, CSV or
// JSON by the name's ending (PDF when it has none of them). Says what was
// done, or shows why not.
QString CorvellaApp::exportGame(QWidget *parent)
{
    if (m_log)
        m_log->flush();
    m_writer.finish();
    const QString current = m_log ? m_log->currentPath() : QString();
    const QString log =
        current.isEmpty() ? GameLog::newestLog(m_stateFolder + QStringLiteral("/games")) : current;
    const QString title = QStringLiteral("Corvella");
    if (log.isEmpty()) {
        m_services.dialogs->showWarning(
            parent, title,
            QCoreApplication::translate("CorvellaApp", "No game has been recorded yet."));
        return {};
    }
    QString path = m_services.dialogs->saveFileName(
        parent,
        QCoreApplication::translate("CorvellaApp",
                                    "Printable result (*.pdf);;Spreadsheet (*.csv);;JSON (*.json)"),
        QDir::homePath() + u'/' + QFileInfo(log).completeBaseName() + QStringLiteral(".pdf"));
    if (path.isEmpty())
        return {};
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"pdf" && suffix != u"csv" && suffix != u"json")
        path += QStringLiteral(".pdf");
    // A long game takes seconds to write: the board keeps its clock going.
    if (const QString why = runOffThread([&log, &path] { return exportLog(log, path); });
        !why.isEmpty()) {
        m_services.dialogs->showWarning(
            parent, title,
            QCoreApplication::translate("CorvellaApp", "The game was not exported: %1").arg(why));
        return {};
    }
    return QCoreApplication::translate("CorvellaApp", "Exported to %1").arg(path);
}

// What a game with timeouts adds to the question: how many each team took.
QString CorvellaApp::timeoutsNote(const SavedGame &saved) const
{
    const auto taken = [&](int team) {
        return saved.timeoutsTaken.at(team).at(0) + saved.timeoutsTaken.at(team).at(1);
    };
    if (taken(GameModel::Home) == 0 && taken(GameModel::Guest) == 0)
        return {};
    return QCoreApplication::translate("CorvellaApp", ", timeouts taken %1 : %2")
        .arg(taken(GameModel::Home))
        .arg(taken(GameModel::Guest));
}

void CorvellaApp::offerToResume()
{
    // Asked once, before the board first opens; a board nobody played on
    // asks nothing.
    if (m_settled)
        return;
    const std::optional<SavedGame> saved = m_stateFile.load();
    const bool resumed =
        saved && !saved->isFresh() &&
        m_services.dialogs->askYesNo(nullptr, resumeQuestion(*saved) + timeoutsNote(*saved),
                                     QStringLiteral("Corvella"));
    if (resumed) {
        // The game goes on with the clock it was saved with, whatever the
        // settings say now; the settings in effect follow it for this run.
        if (saved->countDown != m_game.countsDown() || saved->periodMs != m_game.periodMs()) {
            Settings clock = m_settings.value();
            clock.CountDown = saved->countDown ? 1 : 0;
            clock.PeriodLength = ClockFace::lengthText(saved->periodMs);
            m_settings.set(clock);
        }
        m_game.restore(saved->toState());
        m_game.setSides(saved->sides);
    }
    settleGame(resumed);
}

// From here on this is the game: kept on disk and in its log (when this
// program holds the folder), and open to remotes and the API.
void CorvellaApp::settleGame(bool resumed)
{
    m_settled = true;
    if (m_holdsFolder) {
        m_log->begin(resumed);
        m_stateFile.track(m_game, &m_history);
        // The resumed game's log is read as far as it is written.
        m_log->flush();
        m_writer.finish();
        m_web.followLog(*m_log);
    }
    m_web.holdActions(false);
    updateHallLink();
    m_console.applySettings(m_settings.value());
}

// The hall's console drives the game only once it is this one.
void CorvellaApp::connectConsole()
{
    QObject::connect(&m_settings, &CurrentSettings::changed, &m_console, [this](const Settings &s) {
        if (!m_settled)
            return;
        const ConsoleConfig before = m_console.link().config();
        m_console.applySettings(s);
        const ConsoleConfig now = m_console.link().config();
        // Once every part has the settings that chose them.
        if (m_console.isActive() && (now.source != before.source || now.sport != before.sport))
            QMetaObject::invokeMethod(
                &m_console, [this, sport = now.sport] { bringConsoleSport(sport); },
                Qt::QueuedConnection);
    });
    QObject::connect(&m_console, &ConsoleSource::statusChanged, &m_console,
                     [this] { updateRecordStatus(); });
    m_web.api().setConsoleStatus([this] { return m_console.status(); });
}

// A console chosen as the source, or set to another sport, brings that
// sport's rules: the feed does not say how many periods there are or how
// the clock counts. Rules the operator changes afterwards stay theirs.
void CorvellaApp::bringConsoleSport(ConsoleSport sport)
{
    const QList<Preset> presets = Presets::load(Presets::userFolder());
    const QString name = ConsoleSource::presetName(sport);
    const auto preset = std::find_if(presets.cbegin(), presets.cend(),
                                     [&name](const Preset &p) { return p.name == name; });
    if (preset == presets.cend() || Presets::rulesMatch(*preset, m_settings.value()))
        return;
    const Settings next = Presets::apply(*preset, presets, m_settings.value());
    if (!saveSettings(next) && m_board)
        m_board->showNotice(tr("The console's sport is in force, but its settings could not be "
                               "stored"),
                            true);
    m_settings.set(next);
}

// A join code put in the settings file (by a script, or by hand) becomes the
// link's settings once the hall's authority is fetched and checked against
// it; until then the code stays, to be tried again at the next start.
void CorvellaApp::joinHall(const QString &text)
{
    QString why;
    const std::optional<JoinCode> code = JoinCode::parse(text, &why);
    if (!code) {
        std::fprintf(stderr, "corvella: HallSettings/JoinCode: %s\n", qPrintable(why));
        return;
    }
    auto *join = new HallJoin(QFileInfo(SettingsStore::filePath()).path(), &m_game);
    QObject::connect(join, &HallJoin::joined, &m_game,
                     [this, join](const JoinCode &joined, const QString &caFile) {
                         join->deleteLater();
                         Settings next = m_settings.value();
                         HallJoin::apply(joined, caFile, next);
                         next.HallJoinCode.clear();
                         if (!saveSettings(next))
                             std::fprintf(stderr, "corvella: the hall's join could not be "
                                                  "stored; it is used for this run\n");
                         m_settings.set(next);
                     });
    QObject::connect(join, &HallJoin::failed, &m_game, [join](const QString &reason) {
        join->deleteLater();
        std::fprintf(stderr, "corvella: HallSettings/JoinCode: %s\n", qPrintable(reason));
    });
    join->start(*code);
}

// The hall hears of the game only once it is this one, and a changed broker,
// court or user is a new link.
void CorvellaApp::updateHallLink()
{
    if (!m_settled)
        return;
    const std::optional<BrokerAddress> wanted = BrokerAddress::from(m_settings.value());
    if (m_hallLink && wanted && m_hallLink->address() == *wanted)
        return;
    // What an earlier link announced is not this one's to offer.
    if (m_hallLink)
        withdrawNextGame();
    m_hallPublisher.reset();
    m_hallLink.reset();
    if (wanted) {
        m_hallLink = std::make_unique<CourtLink>(*wanted);
        QObject::connect(m_hallLink.get(), &CourtLink::statusChanged, &m_game,
                         [this] { updateRecordStatus(); });
        QObject::connect(m_hallLink.get(), &CourtLink::nextGameAnnounced, &m_game,
                         [this](const NextGame &game) { offerNextGame(game); });
        QObject::connect(m_hallLink.get(), &CourtLink::nextGameWithdrawn, &m_game,
                         [this] { withdrawNextGame(); });
        m_hallPublisher =
            std::make_unique<CourtPublisher>(*m_hallLink, m_game, m_settings, m_log.get());
        if (m_log && !m_log->currentPath().isEmpty()) {
            m_log->flush();
            m_writer.finish();
            m_hallPublisher->resumeFrom(m_log->currentPath());
        }
    }
    updateRecordStatus();
}

void CorvellaApp::offerNextGame(const NextGame &game)
{
    // The broker sends its retained next game again with every connection.
    if (game == m_nextGameLoaded)
        return;
    // The hall names a court's game as its next until it hears of the final:
    // a board resumed in the middle of it hears its own game announced.
    if (isBeingPlayed(game)) {
        m_nextGameLoaded = game;
        withdrawNextGame();
        return;
    }
    m_nextGame = game;
    showNextGame();
}

bool CorvellaApp::isBeingPlayed(const NextGame &game) const
{
    const bool underWay = m_game.phase() != GamePhase::Final && !SavedGame::of(m_game).isFresh();
    return underWay && game.isBetween(sideCaption(m_game, GameModel::Home, m_settings.value()),
                                      sideCaption(m_game, GameModel::Guest, m_settings.value()));
}

void CorvellaApp::withdrawNextGame()
{
    m_nextGame.reset();
    showNextGame();
}

// "Home - Guest (Sport)", the sport in the program's language; empty for none.
QString CorvellaApp::nextGameDescription() const
{
    if (!m_nextGame)
        return {};
    QString sport = m_nextGame->preset;
    for (const Preset &preset : Presets::load(Presets::userFolder())) {
        if (preset.name == m_nextGame->preset)
            sport = preset.title();
    }
    return QStringLiteral("%1 - %2 (%3)").arg(m_nextGame->home, m_nextGame->guest, sport);
}

void CorvellaApp::showNextGame()
{
    const QString next = nextGameDescription();
    updateHallStatus(next);
    if (m_board)
        m_board->offerNextGame(next);
}

// The network window tells how the hall's link stands and what it announced.
void CorvellaApp::updateHallStatus(const QString &nextGame)
{
    const bool linked = m_hallLink != nullptr;
    // A link that is down is told among the record's problems.
    const QString link =
        linked && m_hallLink->problem().isEmpty() ? m_hallLink->stateText() : QString();
    m_network.setHall(linked, link, nextGame);
}

// The preset first, then the teams: a preset may bring captions of its own.
void CorvellaApp::loadNextGame()
{
    if (!m_nextGame || !m_board)
        return;
    const NextGame game = *m_nextGame;
    const QList<Preset> presets = Presets::load(Presets::userFolder());
    const auto preset = std::find_if(presets.cbegin(), presets.cend(),
                                     [&game](const Preset &p) { return p.name == game.preset; });
    if (preset == presets.cend()) {
        m_board->showNotice(tr("Not loaded: the preset %1 is gone").arg(game.preset), true);
        return;
    }
    m_nextGameLoaded = game;
    withdrawNextGame();
    Settings next = Presets::apply(*preset, presets, m_settings.value());
    next.HomeText = game.home;
    next.GuestText = game.guest;
    // The hall names who plays: the library's team of that name when there is one.
    const QList<Team> library = TeamLibrary::load(TeamLibrary::defaultFolder());
    m_game.setSides({sideNamed(game.home, library), sideNamed(game.guest, library)});
    const bool stored = saveSettings(next);
    m_settings.set(next);
    m_board->startNewGame();
    if (!stored)
        m_board->showNotice(tr("The game is loaded, but its settings could not be stored"), true);
}

QString CorvellaApp::recordProblem() const
{
    QStringList problems;
    if (!m_holdsFolder) {
        problems << tr("the game is not being saved: another Corvella keeps its game in %1 "
                       "(start this one with --state-dir)")
                        .arg(m_stateFolder);
    } else {
        if (!m_stateFile.isSaving())
            problems << tr("the game is not being saved (%1)").arg(m_stateFile.lastError());
        if (m_log && !m_log->isLogging())
            problems << tr("the game is not being recorded (%1)").arg(m_log->lastError());
    }
    if (m_hallLink && !m_hallLink->problem().isEmpty())
        problems << m_hallLink->problem();
    if (const QString console = m_console.problem(); !console.isEmpty())
        problems << console;
    return problems.join(QStringLiteral("; "));
}

// Told in the board's title, the network window and the API's state, as
// soon as it is known.
void CorvellaApp::updateRecordStatus()
{
    const QString problem = recordProblem();
    if (m_board)
        m_board->setSaveProblem(problem);
    updateHallStatus(nextGameDescription());
    m_web.setRecordStatus(m_holdsFolder && m_stateFile.isSaving(), m_log && m_log->isLogging(),
                          problem);
}

void CorvellaApp::showScoreboard()
{
    if (!m_board) {
        offerToResume();
        buzzer();
        m_board = new ScoreBoardWindow(m_game, m_history, m_settings.value(), *m_services.dialogs);
        m_board->setAttribute(Qt::WA_DeleteOnClose);
        m_board->setWindowIcon(corvellaIcon());
        m_board->setTeamFolder(TeamLibrary::defaultFolder());
        connectBoard();
        m_placement.attach(m_board);
    }
    m_board->show();
    m_board->raise();
    m_board->activateWindow();
    m_network.show(m_board);
    if (m_settings.value().AudienceScreen > 0 && !m_audience.isOn())
        m_audience.turnOn(m_board->screen(), m_settings.value().AudienceScreen);
}

void CorvellaApp::connectBoard()
{
    ScoreBoardWindow *board = m_board;
    auto *controllers = new ControllerCommands(
        m_game, m_history, [this]() -> const Settings & { return m_settings.value(); }, m_joysticks,
        *m_services.time, board);
    controllers->setTeamFolder(TeamLibrary::defaultFolder());
    controllers->setBindings(ControllerBindings::load());
    // The settings window writes the bindings before it hands its settings on.
    QObject::connect(&m_settings, &CurrentSettings::changed, controllers,
                     [controllers] { controllers->setBindings(ControllerBindings::load()); });
    QObject::connect(controllers, &ControllerCommands::refused, board,
                     &ScoreBoardWindow::tellRefusal);
    QObject::connect(controllers, &ControllerCommands::buzzerRequested, board,
                     [this] { soundBuzzer(); });
    QObject::connect(controllers, &ControllerCommands::shortBuzzerRequested, board,
                     [this] { soundShortBuzzer(); });
    QObject::connect(controllers, &ControllerCommands::muteToggleRequested, board,
                     [this] { toggleSound(); });
    QObject::connect(&m_settings, &CurrentSettings::changed, board,
                     &ScoreBoardWindow::applySettings);
    QObject::connect(board, &ScoreBoardWindow::buzzerRequested, board, [this] { soundBuzzer(); });
    QObject::connect(board, &ScoreBoardWindow::shortBuzzerRequested, board,
                     [this] { soundShortBuzzer(); });
    QObject::connect(board, &ScoreBoardWindow::muteToggleRequested, board,
                     [this] { toggleSound(); });
    board->setSoundOff(m_soundOff);
    QObject::connect(board, &ScoreBoardWindow::startScreenRequested, board,
                     [this] { showStartScreenOverBoard(); });
    QObject::connect(board, &ScoreBoardWindow::optionsRequested, board,
                     [this, board] { showOptions(board); });
    QObject::connect(board, &ScoreBoardWindow::settingsRequested, board,
                     [this, board] { showSettingsWindow(board); });
    QObject::connect(board, &ScoreBoardWindow::exportRequested, board, [this, board] {
        if (const QString done = exportGame(board); !done.isEmpty())
            board->showNotice(done, true);
    });
    board->setSaveProblem(recordProblem());
    QObject::connect(board, &ScoreBoardWindow::nextGameAccepted, board, [this] { loadNextGame(); });
    showNextGame();
    QObject::connect(board, &ScoreBoardWindow::audienceToggleRequested, board,
                     [this] { toggleAudience(); });
    QObject::connect(board, &ScoreBoardWindow::networkWindowRequested, board,
                     [this, board] { m_network.show(board); });
    QObject::connect(&m_network, &NetworkWindow::tokenRenewalRequested, board,
                     [this] { renewApiToken(); });
    // A server started from the options over the board shows where to find it.
    QObject::connect(&m_web, &WebService::stateChanged, board, [this, board] {
        if (board->isVisible())
            m_network.show(board);
    });
    // The audience display takes no keys: it must not outlive the operator's
    // board and keep the program running out of the operator's reach.
    QObject::connect(board, &ScoreBoardWindow::closed, &m_audience, &AudienceDisplay::turnOff);
    QObject::connect(&m_audience, &AudienceDisplay::switched, board, [this, board](bool on) {
        board->setAudienceShown(on);
        if (!on)
            board->setSponsorsShowing(false);
        updateScreenSaver();
    });
    QObject::connect(&m_game, &GameModel::changed, board, [this] { updateScreenSaver(); });
    QObject::connect(board, &ScoreBoardWindow::windowStateChanged, board,
                     [this] { updateScreenSaver(); });
    new PointerHider(board);
    ScreenFiller::watch(board);
}

QWidget *CorvellaApp::makeAudienceView()
{
    auto *view = new BoardView(m_game, m_settings.value());
    view->setWindowIcon(corvellaIcon());
    QObject::connect(&m_settings, &CurrentSettings::changed, view, &BoardView::applySettings);
    auto *sponsors = new SponsorOverlay(m_game, m_settings.value(), view);
    QObject::connect(&m_settings, &CurrentSettings::changed, sponsors,
                     &SponsorOverlay::applySettings);
    QObject::connect(sponsors, &SponsorOverlay::showingChanged, view, [this](bool showing) {
        if (m_board)
            m_board->setSponsorsShowing(showing);
    });
    return view;
}

void CorvellaApp::toggleAudience()
{
    if (m_audience.isOn())
        m_audience.turnOff();
    else if (m_board)
        m_audience.turnOn(m_board->screen(), m_settings.value().AudienceScreen);
}

void CorvellaApp::updateScreenSaver()
{
    const bool watched =
        m_game.isRunning() || m_audience.isOn() || (m_board && m_board->isFullScreen());
    m_inhibitor.setWanted(watched);
}

void CorvellaApp::showStartScreenOverBoard()
{
    // Shown afresh, as at launch; it returns when its goToScoreboard has closed it.
    StartScreen splash(*m_services.dialogs, m_board);
    splash.setSettings(m_settings.value());
    QObject::connect(&splash, &StartScreen::scoreboardRequested, &splash,
                     [this] { showScoreboard(); });
    QObject::connect(&splash, &StartScreen::optionsRequested, &splash,
                     [this, &splash] { showOptions(&splash); });
    QObject::connect(&m_settings, &CurrentSettings::changed, &splash, &StartScreen::setSettings);
    splash.exec();
}

void CorvellaApp::reapplySettings()
{
    if (m_board)
        m_board->applySettings(m_settings.value());
    if (m_buzzer)
        m_buzzer->reopenSound(m_settings.value().BuzzerFile);
}

// A token seen by the wrong person is replaced at once, and kept.
void CorvellaApp::renewApiToken()
{
    Settings renewed = m_settings.value();
    renewed.ApiToken = RemoteApi::newToken();
    if (!saveSettings(renewed)) {
        m_services.dialogs->showWarning(
            m_board, QStringLiteral("Corvella"),
            QCoreApplication::translate("CorvellaApp",
                                        "The new token could not be stored; the old one stays."));
        return;
    }
    m_settings.set(renewed);
}

void CorvellaApp::showOptions(QWidget *parent)
{
    OptionsDialog options(m_settings.value(), *m_services.dialogs, m_services.makeSoundDevice,
                          parent);
    options.setHallLinkState([this] { return m_hallLink ? m_hallLink->stateText() : QString(); });
    options.setJoysticks(&m_joysticks);
    // Saved from the settings window: in force at once, kept on Cancel here.
    QObject::connect(&options, &OptionsDialog::settingsWindowSaved, &options,
                     [this](const Settings &values) { m_settings.set(values); });
    if (options.exec() == QDialog::Accepted)
        m_settings.set(options.settings());
    else
        reapplySettings(); // whatever the outcome
}

void CorvellaApp::showSettingsWindow(QWidget *parent)
{
    SettingsWindow window(m_settings.value(), *m_services.dialogs, m_services.makeSoundDevice,
                          parent);
    window.setHallLinkState([this] { return m_hallLink ? m_hallLink->stateText() : QString(); });
    window.setJoysticks(&m_joysticks);
    if (window.exec() == QDialog::Accepted)
        m_settings.set(window.settings());
    else
        reapplySettings();
}
