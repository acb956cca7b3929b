#pragma once

#include "options/optionspage.h"

class QComboBox;
class QSpinBox;

// The page "Console": whether the hall's console is the game's source, which
// one, the sport it is set to, and where its feed comes in (a serial port and
// its speed, or the TCP port Bodet's console connects to).
class ConsolePage : public OptionsPage
{
    Q_OBJECT

public:
    explicit ConsolePage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    void showFieldsFor(const QString &source);

    QComboBox *m_source;
    QComboBox *m_sport;
    QComboBox *m_device;
    QSpinBox *m_baud;
    QSpinBox *m_listenPort;
};
