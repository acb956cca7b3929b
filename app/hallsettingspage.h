#pragma once

#include "hall/hallservicesettings.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// The hall window's settings: the broker (empty: the hall's own, with its
// port and address), the venue, the pages' port and language, and the points
// for a result. Saving restarts the hall with them.
class HallSettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit HallSettingsPage(QWidget *parent = nullptr);

    void load(const HallServiceSettings &settings);
    // The settings as edited over `base`; nothing and why (shown on the
    // page) when one does not read.
    std::optional<HallServiceSettings> edited(const HallServiceSettings &base);

signals:
    void saveRequested();

private:
    QLineEdit *m_broker;
    QLineEdit *m_venue;
    QSpinBox *m_webPort;
    QComboBox *m_language;
    QLineEdit *m_points;
    QSpinBox *m_ownPort;
    QLineEdit *m_ownAddress;
    QLabel *m_problem;
};
