#include "web/networkpage.h"

#include "settings/appsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QNetworkInterface>
#include <QSpinBox>

NetworkPage::NetworkPage(QWidget *parent)
    : QWidget(parent), m_enabled(new QCheckBox(tr("Show the board in browsers on the network"))),
      m_port(new QSpinBox), m_address(new QComboBox)
{
    setObjectName(QStringLiteral("networkPage"));
    m_enabled->setObjectName(QStringLiteral("chkWebServer"));
    m_port->setObjectName(QStringLiteral("spnWebPort"));
    m_port->setRange(1, 65535);
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
}

void NetworkPage::load(const Settings &settings)
{
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
    const int index = m_address->currentIndex();
    const bool picked = index >= 0 && m_address->itemText(index) == m_address->currentText();
    settings.WebAddress =
        picked ? m_address->itemData(index).toString() : m_address->currentText().trimmed();
}
