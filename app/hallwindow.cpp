#include "app/hallwindow.h"

#include "app/hallsettingspage.h"
#include "app/qrcode.h"
#include "hall/hallday.h"
#include "hall/hallfeed.h"
#include "hall/schedule.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>

namespace {

constexpr int QrScale = 5;

QTableWidget *table(const char *name, const QStringList &headers)
{
    auto *t = new QTableWidget(0, int(headers.size()));
    t->setObjectName(QLatin1StringView(name));
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget *t, int row, const QStringList &cells)
{
    for (int column = 0; column < cells.size(); ++column)
        t->setItem(row, column, new QTableWidgetItem(cells.at(column)));
}

// Names at their full length; the last column takes what is left.
void fitColumns(QTableWidget *t)
{
    t->resizeColumnsToContents();
    t->resizeRowsToContents();
}

// The clock as the lobby shows it: moved on from the state's `at` while it runs.
QString clockText(const QJsonObject &state, qint64 nowMs)
{
    const QJsonObject clock = state.value(u"clock").toObject();
    const QJsonObject timeout = clock.value(u"timeout").toObject();
    if (clock.value(u"blank").toBool() && timeout.isEmpty())
        return {};
    const qint64 since = std::max<qint64>(nowMs - qint64(state.value(u"at").toDouble(nowMs)), 0);
    const bool down = clock.value(u"countDown").toBool() || !timeout.isEmpty();
    qint64 ms = qint64(clock.value(u"ms").toDouble());
    if (!timeout.isEmpty())
        ms = std::max<qint64>(qint64(timeout.value(u"ms").toDouble()) - since, 0);
    else if (clock.value(u"running").toBool())
        ms = down ? std::max<qint64>(ms - since, 0) : ms + since;
    const qint64 tenths = down ? (ms + 99) / 100 : ms / 100;
    const qint64 minutes = tenths / 600;
    const qint64 seconds = (tenths / 10) % 60;
    if (down && minutes == 0)
        return QStringLiteral("%1.%2").arg(seconds).arg(tenths % 10);
    return QStringLiteral("%1:%2").arg(minutes).arg(seconds, 2, 10, QLatin1Char('0'));
}

QString scoresText(const QJsonArray &scores)
{
    if (scores.size() < 2)
        return {};
    return QStringLiteral("%1 : %2").arg(scores.at(0).toInt()).arg(scores.at(1).toInt());
}

// An address of this computer a phone on the hall's network reaches, for
// networks without local names.
QString networkAddress()
{
    for (const QHostAddress &address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    return QStringLiteral("127.0.0.1");
}

} // namespace

HallWindow::HallWindow(HallOptions options, QWidget *parent)
    : QMainWindow(parent), m_options(std::move(options)), m_status(new QLabel),
      m_tabs(new QTabWidget), m_scheduleProblem(new QLabel), m_standings(new QWidget),
      m_standingsLayout(new QVBoxLayout(m_standings)),
      m_results(table("tblHallResults",
                      {tr("Ended"), tr("Court"), tr("Home"), tr("Guest"), tr("Score")})),
      m_lobbyAddress(new QLabel), m_qrCode(new QLabel),
      m_joinCodes(table("tblJoinCodes", {tr("Court"), tr("Join code"), QString()})),
      m_newCourt(new QLineEdit), m_settingsPage(new HallSettingsPage), m_log(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("frmHall"));
    setWindowTitle(tr("Corvella Hall"));
    m_status->setObjectName(QStringLiteral("lblHallStatus"));
    m_status->setWordWrap(true);
    m_log->setObjectName(QStringLiteral("txtHallLog"));
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(500);
    m_log->setMaximumHeight(110);

    auto *standingsScroll = new QScrollArea;
    standingsScroll->setWidget(m_standings);
    standingsScroll->setWidgetResizable(true);
    m_standingsLayout->addStretch();

    m_tabs->setObjectName(QStringLiteral("tabsHall"));
    m_tabs->addTab(makeCourtsTab(), tr("Courts"));
    m_tabs->addTab(makeScheduleTab(), tr("Schedule"));
    m_tabs->addTab(standingsScroll, tr("Standings"));
    m_tabs->addTab(makeResultsTab(), tr("Results"));
    m_tabs->addTab(makeLobbyTab(), tr("Lobby and join codes"));
    m_tabs->addTab(m_settingsPage, tr("Settings"));
    connect(m_settingsPage, &HallSettingsPage::saveRequested, this, &HallWindow::saveSettings);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_status);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(m_log);
    setCentralWidget(central);
    resize(1000, 680);

    // The running clocks move on between states.
    auto *tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, &HallWindow::showCourts);
    tick->start(1000);

    m_scheduleFile = m_options.scheduleFile;
    startServer(HallServiceSettings::load());
}

HallWindow::~HallWindow() = default;

QWidget *HallWindow::makeCourtsTab()
{
    m_courts = table("tblHallCourts",
                     {tr("Court"), tr("Game"), tr("Score"), tr("Clock"), tr("Link"), tr("Next")});
    return m_courts;
}

QWidget *HallWindow::makeScheduleTab()
{
    m_schedule = table("tblHallSchedule", {tr("Time"), tr("Court"), tr("Home"), tr("Guest"),
                                           tr("Preset"), tr("Group"), tr("Result")});
    auto *import = new QPushButton(tr("Import a schedule…"));
    import->setObjectName(QStringLiteral("btnImportSchedule"));
    connect(import, &QPushButton::clicked, this, &HallWindow::chooseSchedule);
    m_scheduleProblem->setObjectName(QStringLiteral("lblScheduleProblem"));
    m_scheduleProblem->setWordWrap(true);
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    auto *top = new QHBoxLayout;
    top->addWidget(import);
    top->addWidget(m_scheduleProblem, 1);
    layout->addLayout(top);
    layout->addWidget(m_schedule, 1);
    return tab;
}

QWidget *HallWindow::makeResultsTab()
{
    auto *csv = new QPushButton(tr("Save the results for the league (CSV)…"));
    csv->setObjectName(QStringLiteral("btnSaveResultsCsv"));
    connect(csv, &QPushButton::clicked, this, [this] { saveDay(false); });
    auto *sheet = new QPushButton(tr("Save the day's sheet (PDF)…"));
    sheet->setObjectName(QStringLiteral("btnSaveDaySheet"));
    connect(sheet, &QPushButton::clicked, this, [this] { saveDay(true); });
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(csv);
    buttons->addWidget(sheet);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(m_results, 1);
    return tab;
}

QWidget *HallWindow::makeLobbyTab()
{
    m_lobbyAddress->setObjectName(QStringLiteral("lblLobbyAddress"));
    m_lobbyAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lobbyAddress->setWordWrap(true);
    m_qrCode->setObjectName(QStringLiteral("lblLobbyQrCode"));
    m_newCourt->setObjectName(QStringLiteral("edtNewCourt"));
    m_newCourt->setPlaceholderText(tr("a court's name"));
    auto *add = new QPushButton(tr("Add a court"));
    add->setObjectName(QStringLiteral("btnAddCourt"));
    connect(add, &QPushButton::clicked, this, &HallWindow::addCourt);
    connect(m_newCourt, &QLineEdit::returnPressed, this, &HallWindow::addCourt);

    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    auto *lobby = new QHBoxLayout;
    lobby->addWidget(m_qrCode);
    lobby->addWidget(m_lobbyAddress, 1);
    layout->addLayout(lobby);
    auto *codes = new QGroupBox(tr("Join codes: paste a court's code on its board's Hall page"));
    auto *codesLayout = new QVBoxLayout(codes);
    codesLayout->addWidget(m_joinCodes);
    auto *adding = new QHBoxLayout;
    adding->addWidget(m_newCourt);
    adding->addWidget(add);
    codesLayout->addLayout(adding);
    layout->addWidget(codes, 1);
    return tab;
}

void HallWindow::startServer(const HallServiceSettings &settings)
{
    m_server.reset();
    m_server = std::make_unique<HallServer>(
        settings, HallServer::Options{m_options.stateFolder, m_options.port});
    HallServer *server = m_server.get();
    connect(server, &HallServer::told, this, &HallWindow::tell);
    connect(server, &HallServer::brokerFailed, this, [this](const QString &why) {
        tell(why);
        showStatus();
    });
    connect(server, &HallServer::statusChanged, this, &HallWindow::showStatus);
    connect(server, &HallServer::scheduleChanged, this, [this] {
        showSchedule();
        showStandings();
        showCourts();
    });
    connect(server, &HallServer::courtsChanged, this, &HallWindow::showLobby);
    connect(&server->feed(), &HallFeed::courtChanged, this, &HallWindow::showCourts);
    connect(&server->feed(), &HallFeed::resultsChanged, this, [this] {
        showResults();
        showSchedule();
        showStandings();
    });
    QString why;
    if (!m_scheduleFile.isEmpty() && !server->loadSchedule(m_scheduleFile, &why))
        m_scheduleProblem->setText(why);
    switch (server->start(&why)) {
    case HallServer::Start::Serving:
        tell(tr("The hall's pages are on port %1.").arg(server->webPort()));
        break;
    case HallServer::Start::BrokerRefused:
    case HallServer::Start::PagesRefused:
        tell(why);
        break;
    }
    m_settingsPage->load(settings);
    showStatus();
    showCourts();
    showSchedule();
    showStandings();
    showResults();
    showLobby();
}

void HallWindow::tell(const QString &text)
{
    std::fprintf(stderr, "corvella: %s\n", qPrintable(text));
    m_log->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss ")) + text);
}

void HallWindow::showStatus()
{
    const QString link = m_server->isLinkUp() ? tr("connected")
                                              : tr("not connected: %1")
                                                    .arg(m_server->linkProblem().isEmpty()
                                                             ? tr("connecting…")
                                                             : m_server->linkProblem());
    m_status->setText(tr("Venue %1 · Broker: %2 · Link: %3")
                          .arg(m_server->settings().venue, m_server->brokerText(), link));
}

void HallWindow::showCourts()
{
    const QList<HallFeed::Court> courts = m_server->feed().courts();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_courts->setRowCount(int(courts.size()));
    for (int row = 0; row < courts.size(); ++row) {
        const HallFeed::Court &court = courts.at(row);
        const QJsonObject board = court.state.value(u"board").toObject();
        const QString game = court.state.isEmpty()
                                 ? QString()
                                 : board.value(u"home").toString() + QStringLiteral(" - ") +
                                       board.value(u"guest").toString();
        QString next;
        if (const Schedule *schedule = m_server->schedule())
            if (const std::optional<ScheduledGame> coming = schedule->nextFor(court.name))
                next = coming->time.toString(QStringLiteral("HH:mm")) + u' ' + coming->home +
                       QStringLiteral(" - ") + coming->guest;
        setRow(m_courts, row,
               {court.name, game, scoresText(court.state.value(u"scores").toArray()),
                court.state.isEmpty() ? QString() : clockText(court.state, now),
                court.online ? tr("Online") : tr("Offline"), next});
    }
    fitColumns(m_courts);
}

void HallWindow::showSchedule()
{
    const Schedule *schedule = m_server->schedule();
    const QList<ScheduledGame> games = schedule ? schedule->games() : QList<ScheduledGame>();
    m_schedule->setRowCount(int(games.size()));
    QSet<QString> nextShown;
    for (int row = 0; row < games.size(); ++row) {
        const ScheduledGame &game = games.at(row);
        QString result;
        if (game.isDone())
            result =
                QString(game.match.scoreText() + QStringLiteral("   ") + game.match.detailText())
                    .trimmed();
        else if (!nextShown.contains(game.court)) {
            result = tr("next");
            nextShown.insert(game.court);
        }
        setRow(m_schedule, row,
               {game.time.toString(QStringLiteral("HH:mm")), game.court, game.home, game.guest,
                game.preset, game.group, result});
    }
    fitColumns(m_schedule);
}

void HallWindow::showStandings()
{
    while (m_standingsLayout->count() > 1) {
        QLayoutItem *item = m_standingsLayout->takeAt(0);
        delete item->widget();
        delete item;
    }
    const Schedule *schedule = m_server->schedule();
    if (!schedule)
        return;
    const QStringList groups = schedule->groups();
    for (const QString &group : groups) {
        const QList<Standing> standings = schedule->standings(group);
        const bool inSets = schedule->playsInSets(group);
        auto *box = new QGroupBox(tr("Group %1").arg(group));
        auto *t =
            table("tblStandings",
                  inSets ? QStringList{tr("Team"), tr("Played"), tr("Won"), tr("Lost"), tr("Sets"),
                                       tr("Set points"), tr("Points")}
                         : QStringList{tr("Team"), tr("Played"), tr("Won"), tr("Drawn"), tr("Lost"),
                                       tr("Scored"), tr("Conceded"), tr("Points")});
        t->setRowCount(int(standings.size()));
        for (int row = 0; row < standings.size(); ++row) {
            const Standing &s = standings.at(row);
            const QString played = QString::number(s.played);
            if (inSets)
                setRow(t, row,
                       {s.team, played, QString::number(s.won), QString::number(s.lost),
                        QStringLiteral("%1:%2").arg(s.setsWon).arg(s.setsLost),
                        QStringLiteral("%1:%2").arg(s.scored).arg(s.conceded),
                        QString::number(s.points)});
            else
                setRow(t, row,
                       {s.team, played, QString::number(s.won), QString::number(s.drawn),
                        QString::number(s.lost), QString::number(s.scored),
                        QString::number(s.conceded), QString::number(s.points)});
        }
        fitColumns(t);
        t->setMinimumHeight(t->horizontalHeader()->height() + 6 +
                            int(standings.size()) * t->verticalHeader()->defaultSectionSize());
        (new QVBoxLayout(box))->addWidget(t);
        m_standingsLayout->insertWidget(m_standingsLayout->count() - 1, box);
    }
}

void HallWindow::showResults()
{
    const QList<DayResult> day = HallDay::results(m_server->feed(), m_server->schedule());
    QList<HallFeed::Result> disputed = m_server->feed().results();
    disputed.removeIf([](const HallFeed::Result &r) { return !r.disputed; });
    m_results->setRowCount(int(day.size() + disputed.size()));
    int row = 0;
    for (const DayResult &r : day)
        setRow(m_results, row++,
               {r.time.toString(QStringLiteral("HH:mm")), r.court, r.group, r.home, r.guest,
                r.match.scoreText(), r.match.detailText()});
    for (const HallFeed::Result &r : std::as_const(disputed))
        setRow(m_results, row++,
               {r.finished.toLocalTime().toString(QStringLiteral("HH:mm")), r.court, QString(),
                r.home, r.guest, scoresText(r.scores) + tr(" (disputed)")});
    fitColumns(m_results);
}

void HallWindow::saveDay(bool asSheet)
{
    const QString path = QFileDialog::getSaveFileName(
        this, asSheet ? tr("Save the day's sheet") : tr("Save the day's results"),
        asSheet ? QStringLiteral("day.pdf") : QStringLiteral("results.csv"),
        asSheet ? tr("PDF (*.pdf)") : tr("CSV for spreadsheets (*.csv)"));
    if (path.isEmpty())
        return;
    const QList<DayResult> day = HallDay::results(m_server->feed(), m_server->schedule());
    QString why;
    const bool saved =
        asSheet ? HallDay::writePdf(path, day, m_server->schedule(), m_server->settings().venue,
                                    m_server->settings().language, &why)
                : HallDay::writeCsv(path, day, CsvStyle::Spreadsheet, &why);
    tell(saved ? tr("Saved %1.").arg(QDir::toNativeSeparators(path)) : why);
}

void HallWindow::showLobby()
{
    const quint16 port = m_server->webPort();
    const QString byName =
        QStringLiteral("http://%1:%2/hall").arg(HallServer::localHostName()).arg(port);
    const QString byAddress = QStringLiteral("http://%1:%2/hall").arg(networkAddress()).arg(port);
    m_lobbyAddress->setText(tr("The lobby page: %1\n(or %2 on a network without local names)\n"
                               "Results: /hall/results · Schedule: /hall/schedule")
                                .arg(byName, byAddress));
    const QImage code = qrCodeImage(byName);
    m_qrCode->setPixmap(QPixmap::fromImage(
        code.scaled(code.size() * QrScale, Qt::IgnoreAspectRatio, Qt::FastTransformation)));

    const QStringList courts = m_server->joinableCourts();
    m_joinCodes->setRowCount(int(courts.size()));
    for (int row = 0; row < courts.size(); ++row) {
        const std::optional<JoinCode> code = m_server->joinCode(courts.at(row));
        const QString text = code ? code->text() : QString();
        setRow(m_joinCodes, row, {courts.at(row), text});
        auto *copy = new QPushButton(tr("Copy"));
        connect(copy, &QPushButton::clicked, this,
                [text] { QGuiApplication::clipboard()->setText(text); });
        m_joinCodes->setCellWidget(row, 2, copy);
    }
    fitColumns(m_joinCodes);
    m_newCourt->setEnabled(m_server->hasOwnBroker());
}

bool HallWindow::importSchedule(const QString &path)
{
    QString why;
    if (!m_server->loadSchedule(path, &why)) {
        m_scheduleProblem->setText(why);
        tell(why);
        return false;
    }
    m_scheduleFile = path;
    m_scheduleProblem->setText(
        tr("%1: %n game(s)", nullptr, int(m_server->schedule()->games().size()))
            .arg(QFileInfo(path).fileName()));
    showLobby();
    return true;
}

void HallWindow::chooseSchedule()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Import the day's schedule"), QString(),
                                     tr("Schedules (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        importSchedule(path);
}

void HallWindow::addCourt()
{
    const QString court = m_newCourt->text().trimmed();
    if (court.isEmpty())
        return;
    QString why;
    if (!m_server->addCourt(court, &why)) {
        tell(why);
        return;
    }
    m_newCourt->clear();
    showLobby();
}

void HallWindow::saveSettings()
{
    const std::optional<HallServiceSettings> settings =
        m_settingsPage->edited(m_server->settings());
    if (!settings)
        return;
    if (!settings->save()) {
        tell(tr("The settings could not be saved: the settings file is locked or cannot be "
                "written."));
        return;
    }
    tell(tr("Settings saved; the hall starts again with them."));
    startServer(*settings);
}

int runHallWindow(const HallOptions &options)
{
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVELLA_APP_ID ".Hall"));
    HallWindow window(options);
    window.show();
    return QApplication::exec();
}
