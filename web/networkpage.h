#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
struct Settings;

// The options page for the board on the network: on or off, the port, and
// the address to listen on, and the HTTP API with its token. It edits those
// fields of a Settings value and
// leaves the others as they are.
class NetworkPage : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkPage(QWidget *parent = nullptr);

    // The caption of its tab in the options.
    static QString title();
    void load(const Settings &settings);
    void store(Settings &settings) const;

private:
    QCheckBox *m_enabled;
    QSpinBox *m_port;
    QComboBox *m_address;
    QCheckBox *m_api;
    QLineEdit *m_token;
    QPushButton *m_renew;
};
