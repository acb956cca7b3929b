#pragma once

#include "options/optionspage.h"

#include <array>
#include <vector>

class QCheckBox;
class QPushButton;
class QSpinBox;

// The tab "Sets": whether the game is played in sets, the rules of a set and
// of the match, the hints, and the keys of the points and the first server.
class SetsPage : public OptionsPage
{
    Q_OBJECT

public:
    enum KeyFunction { PointHome, PointGuest, FirstServer, KeyFunctionCount };

    explicit SetsPage(const OptionsServices &services, QWidget *parent = nullptr);

    QString title() const override;
    void load(const Settings &settings) override;
    void store(Settings &settings) const override;
    Refusal refusal() const override;

private:
    void addNumber(const char *name, const QString &caption, qint16 Settings::*setting, int least,
                   int most, const QString &none = {});
    void setKey(KeyFunction function, int code);
    void chooseKey(KeyFunction function);

    // A box and the setting it shows, with the value loaded into it: a stored
    // value the box cannot show goes back as it was unless changed.
    struct Number
    {
        QSpinBox *box;
        qint16 Settings::*setting;
        qint16 loaded = 0;

        bool changed() const;
    };
    const Number &number(qint16 Settings::*setting) const;

    const OptionsServices &m_services;
    QCheckBox *m_enabled;
    QCheckBox *m_clock;
    std::vector<Number> m_numbers;
    std::array<QPushButton *, KeyFunctionCount> m_keyButtons{};
    std::array<int, KeyFunctionCount> m_keys{};
};
