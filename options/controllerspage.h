#pragma once

#include "options/optionspage.h"
#include "platform/controllerbindings.h"

#include <QPointer>

class JoystickReader;
class QComboBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The settings page for game controllers: the devices connected now (and
// those bound before), each device's bindings, learning a new one from a
// press, and profiles to carry the bindings to another computer. The
// bindings are written to the settings' group ControllerBindings when the
// window is saved.
class ControllersPage : public OptionsPage
{
    Q_OBJECT

public:
    explicit ControllersPage(const OptionsServices &services, QWidget *parent = nullptr);
    ~ControllersPage() override;

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    QString saveFiles() override;

    const ControllerBindings &bindings() const { return m_bindings; }
    bool isLearning() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Chosen
    {
        QString guid;
        QString name;
        int slot = 0;
    };

    void follow(JoystickReader *reader);
    void listDevices();
    void showBindings();
    std::optional<Chosen> chosenDevice() const;
    void showParams();
    QJsonObject params() const;
    void learn();
    void learned(const ControllerDevice &device, const ControllerInput &input);
    void stopLearning();
    void removeBinding();
    void exportProfile();
    void importProfile();

    const OptionsServices &m_services;
    QPointer<JoystickReader> m_reader;
    ControllerBindings m_bindings;
    ControllerBindings m_loaded;
    QLabel *m_status;
    QListWidget *m_devices;
    QTableWidget *m_table;
    QComboBox *m_command;
    QFormLayout *m_params;
    QPushButton *m_learn;
    QPushButton *m_remove;
};

// How an input reads on the page: "Button 4", "Hat 1 up", "Axis 2 −".
QString controllerInputText(const ControllerInput &input);
