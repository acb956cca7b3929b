#pragma once

#include "settings/appsettings.h"

#include <QObject>

// The settings in effect for this run, handed to every window as a value.
// They are read from the store once at start; a change (OK in the options)
// reaches every window through changed(), also when it could not be saved.
class CurrentSettings : public QObject
{
    Q_OBJECT

public:
    explicit CurrentSettings(Settings initial, QObject *parent = nullptr)
        : QObject(parent), m_value(std::move(initial))
    {
    }

    const Settings &value() const { return m_value; }
    void set(const Settings &settings)
    {
        m_value = settings;
        emit changed(m_value);
    }

signals:
    void changed(const Settings &settings);

private:
    Settings m_value;
};
