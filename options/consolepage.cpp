#include "options/consolepage.h"

#include "settings/appsettings.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSerialPortInfo>
#include <QSpinBox>

using namespace Qt::StringLiterals;

namespace {

void selectData(QComboBox *box, const QString &data)
{
    const int found = box->findData(data);
    box->setCurrentIndex(found >= 0 ? found : 0);
}

} // namespace

ConsolePage::ConsolePage(const OptionsServices &, QWidget *parent)
    : OptionsPage(parent), m_source(new QComboBox), m_sport(new QComboBox), m_device(new QComboBox),
      m_baud(new QSpinBox), m_listenPort(new QSpinBox)
{
    setObjectName(u"consolePage"_s);
    m_source->setObjectName(u"cboConsoleSource"_s);
    m_source->addItem(tr("None: the operator keeps the game"), u"none"_s);
    m_source->addItem(tr("Bodet Scorepad (network)"), u"bodet"_s);
    m_source->addItem(tr("Stramatel (RS-485)"), u"stramatel"_s);
    m_source->addItem(tr("Daktronics All Sport 5000 (serial)"), u"daktronics"_s);
    m_sport->setObjectName(u"cboConsoleSport"_s);
    m_sport->addItem(tr("Basketball"), u"basketball"_s);
    m_sport->addItem(tr("Handball"), u"handball"_s);
    m_sport->addItem(tr("Ice hockey"), u"icehockey"_s);
    m_sport->addItem(tr("Floorball"), u"floorball"_s);
    m_sport->addItem(tr("Volleyball"), u"volleyball"_s);
    m_device->setObjectName(u"cboConsoleDevice"_s);
    // Any path may be typed; the ports Qt sees are offered.
    m_device->setEditable(true);
    for (const QSerialPortInfo &port : QSerialPortInfo::availablePorts())
        m_device->addItem(port.systemLocation(), port.systemLocation());
    m_baud->setObjectName(u"spnConsoleBaud"_s);
    const SettingsEntry &baud = settingsEntry(&Settings::ConsoleBaud);
    m_baud->setRange(baud.least, baud.most);
    m_listenPort->setObjectName(u"spnConsoleListenPort"_s);
    const SettingsEntry &port = settingsEntry(&Settings::ConsoleListenPort);
    m_listenPort->setRange(port.least, port.most);

    auto *form = new QFormLayout(this);
    form->addRow(tr("Console:"), m_source);
    form->addRow(tr("Sport:"), m_sport);
    form->addRow(tr("Serial port:"), m_device);
    form->addRow(tr("Speed (8N1):"), m_baud);
    form->addRow(tr("Listen on port:"), m_listenPort);
    auto *note = new QLabel(tr("While a console is the source, its feed keeps the clock, the "
                               "scores, the period, fouls, timeouts, the shot clock and "
                               "penalties. Choosing it, or another sport, brings that sport's "
                               "preset. Teams, captions and the final stay yours."));
    note->setWordWrap(true);
    form->addRow(note);
    connect(m_source, &QComboBox::currentIndexChanged, this,
            [this] { showFieldsFor(m_source->currentData().toString()); });
    showFieldsFor(u"none"_s);
}

QString ConsolePage::title() const
{
    return tr("Console");
}

void ConsolePage::showFieldsFor(const QString &source)
{
    const bool serial = source == u"stramatel" || source == u"daktronics";
    m_device->setEnabled(serial);
    m_baud->setEnabled(serial);
    m_listenPort->setEnabled(source == u"bodet");
    m_sport->setEnabled(source != u"none");
}

void ConsolePage::load(const Settings &settings)
{
    selectData(m_source, settings.ConsoleSource);
    selectData(m_sport, settings.ConsoleGameSport);
    // A path not among the ports found stands as typed.
    m_device->setCurrentIndex(m_device->findData(settings.ConsoleDevice));
    m_device->setEditText(settings.ConsoleDevice);
    m_baud->setValue(settings.ConsoleBaud);
    m_listenPort->setValue(settings.ConsoleListenPort);
    showFieldsFor(m_source->currentData().toString());
}

void ConsolePage::store(Settings &settings) const
{
    settings.ConsoleSource = m_source->currentData().toString();
    settings.ConsoleGameSport = m_sport->currentData().toString();
    settings.ConsoleDevice = m_device->currentText().trimmed();
    settings.ConsoleBaud = m_baud->value();
    settings.ConsoleListenPort = m_listenPort->value();
}
