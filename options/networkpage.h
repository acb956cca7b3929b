#pragma once

#include "options/optionspage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The options page for the board on the network: on or off, the port, and
// the address to listen on, and the HTTP API with its token.
class NetworkPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit NetworkPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;

private:
    QCheckBox *m_enabled;
    QSpinBox *m_port;
    QComboBox *m_address;
    QCheckBox *m_api;
    QLineEdit *m_token;
    QPushButton *m_renew;
};
