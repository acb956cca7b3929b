#include "options/networkpage.h"

#include "settings/appsettings.h"
#include "web/remoteapi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QSpinBox>

NetworkPage::NetworkPage(const OptionsServices &, QWidget *parent)
    : OptionsPage(parent),
      m_enabled(new QCheckBox(tr("Show the board in browsers on the network"))),
      m_port(new QSpinBox), m_address(new QComboBox),
      m_api(new QCheckBox(tr("Let show-control software and scripts drive the game (HTTP API)"))),
      m_token(new QLineEdit), m_renew(new QPushButton(tr("New token")))
{
    setObjectName(QStringLiteral("networkPage"));
    m_enabled->setObjectName(QStringLiteral("chkWebServer"));
    m_port->setObjectName(QStringLiteral("spnWebPort"));
    const SettingsEntry &port = settingsEntry(&Settings::WebPort);
    m_port->setRange(port.least, port.most);
    m_address->setObjectName(QStringLiteral("cboWebAddress"));
    m_address->setEditable(true);
    // Every address (stored as empty) first, then this computer's own.
    m_address->addItem(tr("All addresses"), QString());
    for (const QHostAddress &a : QNetworkInterface::allAddresses()) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            m_address->addItem(a.toString(), a.toString());
    }
    auto *form = new QFormLayout(this);
    form->addRow(m_enabled);
    form->addRow(tr("Port:"), m_port);
    form->addRow(tr("Listen on:"), m_address);
    auto *note = new QLabel(tr("Displays and the stream overlay only show the board. The phone "
                               "remote asks for the PIN shown on this computer."));
    note->setWordWrap(true);
    form->addRow(note);

    m_api->setObjectName(QStringLiteral("chkApi"));
    m_token->setObjectName(QStringLiteral("edtApiToken"));
    m_token->setReadOnly(true);
    m_renew->setObjectName(QStringLiteral("btnRenewApiToken"));
    form->addRow(m_api);
    form->addRow(tr("API token:"), m_token);
    form->addRow(m_renew);
    // The first time the API is turned on it gets its token.
    connect(m_api, &QCheckBox::toggled, this, [this](bool on) {
        if (on && m_token->text().isEmpty())
            m_token->setText(RemoteApi::newToken());
    });
    // Every program that had the old token must be given the new one.
    connect(m_renew, &QPushButton::clicked, this,
            [this] { m_token->setText(RemoteApi::newToken()); });
    auto *apiNote = new QLabel(tr("Requests to /api/v1/ carry the header \"Authorization: "
                                  "Bearer\" and this token. See the README for the calls."));
    apiNote->setWordWrap(true);
    form->addRow(apiNote);
}

QString NetworkPage::title() const
{
    return tr("Network");
}

void NetworkPage::load(const Settings &settings)
{
    m_token->setText(settings.ApiToken);
    m_api->setChecked(settings.Api != 0);
    m_enabled->setChecked(settings.WebServer != 0);
    m_port->setValue(settings.WebPort);
    const int found = m_address->findData(settings.WebAddress);
    if (found >= 0)
        m_address->setCurrentIndex(found);
    else
        m_address->setEditText(settings.WebAddress);
}

void NetworkPage::store(Settings &settings) const
{
    settings.WebServer = m_enabled->isChecked() ? 1 : 0;
    settings.WebPort = m_port->value();
    settings.Api = m_api->isChecked() ? 1 : 0;
    settings.ApiToken = m_token->text();
    const int index = m_address->currentIndex();
    const bool picked = index >= 0 && m_address->itemText(index) == m_address->currentText();
    settings.WebAddress =
        picked ? m_address->itemData(index).toString() : m_address->currentText().trimmed();
}
