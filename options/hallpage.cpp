#include "options/hallpage.h"

#include "hall/brokeraddress.h"
#include "hall/halljoin.h"
#include "settings/appsettings.h"
#include "settings/settingsstore.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit *field(const char *name, QLineEdit::EchoMode echo = QLineEdit::Normal)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1StringView(name));
    edit->setEchoMode(echo);
    return edit;
}

} // namespace

HallPage::HallPage(const OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_services(services), m_broker(field("edtHallBroker")),
      m_venue(field("edtHallVenue")), m_court(field("edtHallCourt")), m_user(field("edtHallUser")),
      m_password(field("edtHallPassword", QLineEdit::Password)), m_caFile(field("edtHallCaFile")),
      m_state(new QLabel), m_joinCode(field("edtHallJoinCode")),
      m_joinButton(new QPushButton(tr("Join"))), m_joinState(new QLabel),
      m_join(new HallJoin(QFileInfo(SettingsStore::filePath()).path(), this))
{
    setObjectName(QStringLiteral("hallPage"));
    m_broker->setPlaceholderText(tr("host:port, empty for no link"));
    m_user->setPlaceholderText(tr("the court"));
    m_state->setObjectName(QStringLiteral("lblHallState"));
    m_state->setWordWrap(true);
    m_joinCode->setPlaceholderText(tr("corvella-hall://... from the hall's window"));
    m_joinButton->setObjectName(QStringLiteral("btnHallJoin"));
    m_joinState->setObjectName(QStringLiteral("lblHallJoinState"));
    m_joinState->setWordWrap(true);
    connect(m_joinButton, &QPushButton::clicked, this, &HallPage::join);
    connect(m_joinCode, &QLineEdit::returnPressed, this, &HallPage::join);
    connect(m_joinCode, &QLineEdit::textEdited, this, [this] {
        m_joinProblem = m_joinCode->text().trimmed().isEmpty()
                            ? QString()
                            : tr("Press Join to use the join code, or clear it.");
        m_joinState->clear();
    });
    connect(m_join, &HallJoin::joined, this, [this](const JoinCode &code, const QString &caFile) {
        Settings joined;
        store(joined);
        HallJoin::apply(code, caFile, joined);
        m_broker->setText(joined.HallBroker);
        m_venue->setText(joined.HallVenue);
        m_court->setText(joined.HallCourt);
        m_user->setText(joined.HallUser);
        m_password->setText(joined.HallPassword);
        m_caFile->setText(joined.HallCaFile);
        m_joinProblem.clear();
        m_joinButton->setEnabled(true);
        m_joinState->setText(tr("Joined: court %1 of %2 at %3. Ok keeps it.")
                                 .arg(code.court, code.venue, code.broker()));
    });
    connect(m_join, &HallJoin::failed, this, [this](const QString &why) {
        m_joinProblem = why;
        m_joinButton->setEnabled(true);
        m_joinState->setText(why);
    });
    auto *joinRow = new QHBoxLayout;
    joinRow->addWidget(m_joinCode, 1);
    joinRow->addWidget(m_joinButton);

    auto *form = new QFormLayout(this);
    form->addRow(tr("Join code:"), joinRow);
    form->addRow(m_joinState);
    form->addRow(tr("Broker:"), m_broker);
    form->addRow(tr("Venue:"), m_venue);
    form->addRow(tr("Court:"), m_court);
    form->addRow(tr("User:"), m_user);
    form->addRow(tr("Password:"), m_password);
    form->addRow(tr("CA certificate:"), m_caFile);
    form->addRow(tr("Link:"), m_state);
    auto *note = new QLabel(tr("The board publishes its game to the hall's MQTT broker. With a "
                               "CA certificate the link uses TLS."));
    note->setWordWrap(true);
    form->addRow(note);
}

QString HallPage::title() const
{
    return tr("Hall");
}

void HallPage::load(const Settings &settings)
{
    m_broker->setText(settings.HallBroker);
    m_venue->setText(settings.HallVenue);
    m_court->setText(settings.HallCourt);
    m_user->setText(settings.HallUser);
    m_password->setText(settings.HallPassword);
    m_caFile->setText(settings.HallCaFile);
    showLinkState();
}

void HallPage::store(Settings &settings) const
{
    settings.HallBroker = m_broker->text().trimmed();
    settings.HallVenue = m_venue->text().trimmed();
    settings.HallCourt = m_court->text().trimmed();
    settings.HallUser = m_user->text().trimmed();
    settings.HallPassword = m_password->text();
    settings.HallCaFile = m_caFile->text().trimmed();
}

OptionsPage::Refusal HallPage::refusal() const
{
    Settings values;
    store(values);
    if (m_join->isRunning())
        return {tr("The board is still joining the hall; wait a moment."), m_joinCode};
    if (!m_joinProblem.isEmpty())
        return {m_joinProblem, m_joinCode};
    if (values.HallBroker.isEmpty())
        return {};
    if (!BrokerAddress::from(values))
        return {tr("The broker is not a host name and port (\"hall.local:1883\")."), m_broker};
    if (!isTopicLevel(values.HallVenue))
        return {tr("The venue must be a name without \"/\", \"+\" or \"#\"."), m_venue};
    if (!isTopicLevel(values.HallCourt))
        return {tr("The court must be a name without \"/\", \"+\" or \"#\"."), m_court};
    if (!values.HallPassword.isEmpty() && values.HallCaFile.isEmpty() &&
        !isLocalBroker(values.HallBroker))
        return {tr("Without a CA certificate the password would cross the network unencrypted. "
                   "Give the broker's CA certificate, or use a broker on this computer."),
                m_caFile};
    return {};
}

void HallPage::join()
{
    QString why;
    const std::optional<JoinCode> code = JoinCode::parse(m_joinCode->text(), &why);
    if (!code) {
        m_joinProblem = why;
        m_joinState->setText(why);
        return;
    }
    m_joinButton->setEnabled(false);
    m_joinState->setText(tr("Asking the hall at %1…").arg(code->host));
    m_join->start(*code);
}

void HallPage::showEvent(QShowEvent *event)
{
    showLinkState();
    OptionsPage::showEvent(event);
}

void HallPage::showLinkState()
{
    const QString state = m_services.hallLinkState ? m_services.hallLinkState() : QString();
    m_state->setText(state.isEmpty() ? tr("No link") : state);
}
