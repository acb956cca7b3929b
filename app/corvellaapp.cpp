#include "app/corvellaapp.h"

#include "app/frmsplash.h"
#include "app/logo.h"
#include "game/clockface.h"
#include "options/frmoptions.h"
#include "platform/dialogs.h"
#include "scoreboard/frmscoreboard.h"

namespace {

QString scoreText(std::optional<int> score)
{
    return score ? QString::number(*score) : QStringLiteral("-");
}

QString clockText(qint64 ms, bool countDown)
{
    const ClockFace::Digits d = ClockFace::digitsFor(GameModel::shownTimeFor(ms, countDown));
    const auto digit = [](int v) { return v < 0 ? QString() : QString::number(v); };
    return digit(d[0]) + digit(d[1]) + u':' + digit(d[2]) + digit(d[3]) + u'.' + digit(d[4]);
}

} // namespace

CorvellaApp::CorvellaApp(const Services &services, const QString &stateFolder)
    : m_services(services), m_settings(defaultSettings()), m_game(*services.time),
      m_stateFile(stateFolder)
{
    QObject::connect(&m_settings, &CurrentSettings::changed, &m_game,
                     [this](const Settings &settings) { applyClockMode(settings); });
}

void CorvellaApp::applyClockMode(const Settings &settings)
{
    const bool countDown = settings.CountDown != 0;
    const qint64 period =
        ClockFace::periodLengthMs(settings.PeriodLength).value_or(GameModel::DefaultPeriodMs);
    if (countDown == m_game.countsDown() && period == m_game.periodMs())
        return;
    // A new kind of clock starts afresh: the old actions no longer apply.
    m_game.setClockMode(countDown, period);
    m_history.forget();
}

CorvellaApp::~CorvellaApp()
{
    delete m_board;
}

void CorvellaApp::start()
{
    // Read once: settings that could not be saved stay in effect for the run.
    m_settings.set(loadSettings());
    auto *splash = new frmSplash(*m_services.dialogs, [this] { showScoreboard(); });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->setSettings(m_settings.value());
    splash->setOptionsOpener([this](QWidget *parent) { showOptions(parent); });
    QObject::connect(&m_settings, &CurrentSettings::changed, splash, &frmSplash::setSettings);
    splash->show();
}

QString CorvellaApp::resumeQuestion(const SavedGame &saved) const
{
    const Settings &s = m_settings.value();
    const auto section = [&](int home, int guest, const QString &name) {
        return QStringLiteral("%1 %2 : %3 %4 (%5)")
            .arg(s.HomeText, scoreText(saved.scores.at(home)), s.GuestText,
                 scoreText(saved.scores.at(guest)), name);
    };
    return QStringLiteral("Resume the game in progress? Clock %1, %2, %3")
        .arg(clockText(saved.clockMs, saved.countDown),
             section(GameModel::Home1, GameModel::Guest1, s.SectionText1),
             section(GameModel::Home2, GameModel::Guest2, s.SectionText2));
}

void CorvellaApp::offerToResume()
{
    // Asked once, before the board first opens; a board nobody played on
    // asks nothing.
    if (m_resumeOffered)
        return;
    m_resumeOffered = true;
    const std::optional<SavedGame> saved = m_stateFile.load();
    if (saved && !saved->isFresh() &&
        m_services.dialogs->askYesNo(nullptr, resumeQuestion(*saved), QStringLiteral("Corvella")))
        m_game.restore(saved->toState());
    m_stateFile.track(m_game);
}

void CorvellaApp::showScoreboard()
{
    if (!m_board) {
        offerToResume();
        m_board = new frmScoreBoard(m_game, m_history, m_settings.value(), m_services);
        m_board->setAttribute(Qt::WA_DeleteOnClose);
        m_board->setWindowIcon(corvellaIcon());
        m_board->setStartScreenOpener([this] { showStartScreenOverBoard(); });
        m_board->setOptionsOpener([this](QWidget *parent) { showOptions(parent); });
        QObject::connect(&m_settings, &CurrentSettings::changed, m_board,
                         &frmScoreBoard::applySettings);
        QObject::connect(&m_game, &GameModel::clockExpired, m_board, &frmScoreBoard::Buzzer);
        m_web.setBuzzer([board = m_board] {
            if (board)
                board->Buzzer();
        });
        QObject::connect(&m_stateFile, &GameStateFile::savingFailed, m_board,
                         [board = m_board.data()](const QString &reason) {
                             board->setSaveProblem(QStringLiteral("the game is not being saved (") +
                                                   reason + u')');
                         });
        QObject::connect(&m_stateFile, &GameStateFile::savingRecovered, m_board,
                         [board = m_board.data()] { board->setSaveProblem({}); });
    }
    m_board->show();
    m_board->raise();
    m_board->activateWindow();
    m_web.showPanel();
}

void CorvellaApp::showStartScreenOverBoard()
{
    // Shown afresh, as at launch; it returns when its GoScore has closed it.
    frmSplash splash(
        *m_services.dialogs, [this] { showScoreboard(); }, m_board);
    splash.setSettings(m_settings.value());
    splash.setOptionsOpener([this](QWidget *parent) { showOptions(parent); });
    QObject::connect(&m_settings, &CurrentSettings::changed, &splash, &frmSplash::setSettings);
    splash.exec();
}

void CorvellaApp::showOptions(QWidget *parent)
{
    AppSettings = m_settings.value();
    frmOptions options(*m_services.dialogs, parent);
    if (options.exec() == QDialog::Accepted)
        m_settings.set(AppSettings);
    else if (m_board)
        m_board->applySettings(m_settings.value()); // re-applied whatever the outcome
}
