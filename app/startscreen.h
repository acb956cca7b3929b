#pragma once

#include "settings/appsettings.h"

#include <QDialog>
#include <QTimer>

#include <functional>

class Dialogs;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The start screen: name, version and logo, an Instructions button that
// unfolds the operating guide, and the Options. A click on its face goes on
// to the scoreboard.
class StartScreen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int WidthTwips = 6240;
    static constexpr int CollapsedTwips = 3240;
    static constexpr int ExpandedTwips = 5880;

    // `goScore` shows the scoreboard; the start screen closes itself after it.
    StartScreen(Dialogs &dialogs, std::function<void()> goScore, QWidget *parent = nullptr);

    // The settings the instructions describe.
    void setSettings(const Settings &settings);
    // How to show the options; the program applies what they return.
    void setOptionsOpener(std::function<void(QWidget *)> opener)
    {
        m_openOptions = std::move(opener);
    }

    static QString versionText();
    static QString platformName();

    void goToScoreboard();
    void toggleInstructions();
    int heightTwips() const;
    const QTimer &resizeTimer() const { return m_unfoldTimer; }
    // One step of the unfolding animation (the timer's tick).
    void unfoldStep();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void load();
    void instructionsClicked();
    void optionsClicked();
    // Asks for the height; returns the pixels asked for.
    int setHeightTwips(double twips);

    Dialogs &m_dialogs;
    std::function<void()> m_goScore;
    std::function<void(QWidget *)> m_openOptions;
    Settings m_settings = defaultSettings();
    QGroupBox *m_frame;
    QLabel *m_logo;
    QPlainTextEdit *m_instructions;
    QTimer m_unfoldTimer{this};
    int m_totalHeight = 0;
    int m_requestedHeight = -1;
    int m_heightBeforeStep = -1;
    int m_ticksWaited = 0;
};
