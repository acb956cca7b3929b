#include "app/hallsettingspage.h"

#include "hall/brokeraddress.h"
#include "settings/appsettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

QSpinBox *portBox(const char *name)
{
    auto *box = new QSpinBox;
    box->setObjectName(QLatin1StringView(name));
    box->setRange(1, 65535);
    return box;
}

QLineEdit *line(const char *name)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1StringView(name));
    return edit;
}

} // namespace

HallSettingsPage::HallSettingsPage(QWidget *parent)
    : QWidget(parent), m_broker(line("edtHallServiceBroker")), m_venue(line("edtHallServiceVenue")),
      m_webPort(portBox("spnHallWebPort")), m_language(new QComboBox),
      m_points(line("edtHallPoints")), m_ownPort(portBox("spnOwnBrokerPort")),
      m_ownAddress(line("edtOwnBrokerAddress")), m_problem(new QLabel)
{
    m_broker->setPlaceholderText(tr("empty: the hall's own broker"));
    m_ownAddress->setPlaceholderText(tr("empty: every address"));
    m_points->setPlaceholderText(QStringLiteral("2,1,0"));
    m_language->setObjectName(QStringLiteral("cmbHallLanguage"));
    m_language->addItem(tr("The browser's"), QString());
    m_language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_language->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_language->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_language->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_language->addItem(QStringLiteral("Nederlands"), QStringLiteral("nl"));
    m_problem->setObjectName(QStringLiteral("lblHallSettingsProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    auto *save = new QPushButton(tr("Save and restart the hall"));
    save->setObjectName(QStringLiteral("btnSaveHall"));
    connect(save, &QPushButton::clicked, this, &HallSettingsPage::saveRequested);

    auto *form = new QFormLayout(this);
    form->addRow(tr("Broker:"), m_broker);
    form->addRow(tr("Own broker's port:"), m_ownPort);
    form->addRow(tr("Own broker's address:"), m_ownAddress);
    form->addRow(tr("Venue:"), m_venue);
    form->addRow(tr("Pages' port:"), m_webPort);
    form->addRow(tr("Pages' language:"), m_language);
    form->addRow(tr("Points for a win, a draw, a loss:"), m_points);
    form->addRow(m_problem);
    form->addRow(save);
}

void HallSettingsPage::load(const HallServiceSettings &settings)
{
    m_broker->setText(settings.broker);
    m_venue->setText(settings.venue);
    m_webPort->setValue(settings.webPort);
    m_language->setCurrentIndex(std::max(0, m_language->findData(settings.language)));
    m_points->setText(settings.points);
    m_ownPort->setValue(settings.ownBrokerPort);
    m_ownAddress->setText(settings.ownBrokerAddress);
    m_problem->clear();
}

std::optional<HallServiceSettings> HallSettingsPage::edited(const HallServiceSettings &base)
{
    HallServiceSettings settings = base;
    settings.broker = m_broker->text().trimmed();
    settings.venue = m_venue->text().trimmed();
    settings.webPort = m_webPort->value();
    settings.language = m_language->currentData().toString();
    settings.points = m_points->text().trimmed();
    settings.ownBrokerPort = m_ownPort->value();
    settings.ownBrokerAddress = m_ownAddress->text().trimmed();
    const auto refuse = [this](const QString &why, QWidget *field) {
        m_problem->setText(why);
        field->setFocus();
        return std::nullopt;
    };
    Settings asBoard;
    asBoard.HallBroker = settings.broker;
    if (!settings.broker.isEmpty() && !BrokerAddress::from(asBoard))
        return refuse(tr("The broker is not a host name and port (\"hall.local:8883\")."),
                      m_broker);
    if (!isTopicLevel(settings.venue))
        return refuse(tr("The venue must be a name without \"/\", \"+\" or \"#\"."), m_venue);
    if (!settings.ownBrokerAddress.isEmpty() && QHostAddress(settings.ownBrokerAddress).isNull())
        return refuse(tr("The own broker's address must be an address of this computer."),
                      m_ownAddress);
    static const QRegularExpression points(QStringLiteral("^\\d{1,2},\\d{1,2},\\d{1,2}$"));
    if (!points.match(settings.points).hasMatch())
        return refuse(tr("The points are three numbers: a win, a draw, a loss (\"2,1,0\")."),
                      m_points);
    m_problem->clear();
    return settings;
}
