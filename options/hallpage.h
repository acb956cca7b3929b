#pragma once

#include "options/optionspage.h"

class HallJoin;
class QLabel;
class QLineEdit;
class QPushButton;

// The options page for the link to the hall's MQTT broker: where it is, the
// venue and court this board publishes as, how it logs in, and how the link
// stands now.
class HallPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit HallPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    Refusal refusal() const override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showLinkState();
    void join();

    const OptionsServices &m_services;
    QLineEdit *m_broker;
    QLineEdit *m_venue;
    QLineEdit *m_court;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QLineEdit *m_caFile;
    QLabel *m_state;
    QLineEdit *m_joinCode;
    QPushButton *m_joinButton;
    QLabel *m_joinState;
    HallJoin *m_join; // this page's child
    // Why the code in the field has not joined; empty once it has.
    QString m_joinProblem;
};
