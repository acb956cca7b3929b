#include "console/consolesource.h"

#include "game/gamehistory.h"
#include "settings/appsettings.h"

using namespace Qt::StringLiterals;

ConsoleSource::ConsoleSource(GameModel &game, GameHistory &history, const TimeSource &time,
                             QObject *parent)
    : QObject(parent), m_history(history), m_link(time), m_mirror(game, history, time)
{
    connect(&m_link, &ConsoleLink::stateChanged, this,
            [this](const ConsoleState &state) { m_mirror.apply(state); });
    connect(&m_link, &ConsoleLink::silent, this,
            [this](qint64 lastFrameAtMs) { m_mirror.feedSilent(lastFrameAtMs); });
    connect(&m_link, &ConsoleLink::connectedChanged, this, &ConsoleSource::statusChanged);
}

ConsoleConfig ConsoleSource::configOf(const Settings &settings)
{
    ConsoleConfig config;
    config.source =
        ConsoleLink::sourceNamed(settings.ConsoleSource).value_or(ConsoleConfig::Source::None);
    config.sport =
        ConsoleLink::sportNamed(settings.ConsoleGameSport).value_or(ConsoleSport::Basketball);
    config.device = settings.ConsoleDevice;
    config.baud = settings.ConsoleBaud;
    config.listenPort = quint16(settings.ConsoleListenPort);
    if (const QHostAddress address(settings.ConsoleListenAddress); !address.isNull())
        config.listenAddress = address;
    return config;
}

QString ConsoleSource::presetName(ConsoleSport sport)
{
    switch (sport) {
    case ConsoleSport::Basketball:
        return u"Basketball"_s;
    case ConsoleSport::Handball:
        return u"Handball"_s;
    case ConsoleSport::IceHockey:
        return u"Ice hockey"_s;
    case ConsoleSport::Floorball:
        return u"Floorball"_s;
    case ConsoleSport::Volleyball:
        return u"Volleyball"_s;
    }
    return {};
}

void ConsoleSource::applySettings(const Settings &settings)
{
    const ConsoleConfig config = configOf(settings);
    if (config == m_link.config())
        return;
    m_link.start(config);
    m_history.setConsoleKeeps(m_link.isActive());
    emit statusChanged();
}

QString ConsoleSource::problem() const
{
    if (!m_link.isActive() || m_link.isConnected())
        return {};
    const QString line = m_link.lineProblem();
    return line.isEmpty() ? tr("console silent") : tr("console silent: %1").arg(line);
}

QJsonObject ConsoleSource::status() const
{
    if (!m_link.isActive())
        return {};
    const std::optional<qint64> since = m_link.msSinceLastFrame();
    return {{u"source"_s, ConsoleLink::sourceName(m_link.config().source)},
            {u"connected"_s, m_link.isConnected()},
            {u"lastFrameMs"_s, since ? QJsonValue(double(*since)) : QJsonValue()},
            {u"skipped"_s, m_link.skipped()}};
}
