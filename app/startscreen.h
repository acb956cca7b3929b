#pragma once

#include "settings/appsettings.h"

#include <QDialog>
#include <QTimer>

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

    explicit StartScreen(Dialogs &dialogs, QWidget *parent = nullptr);

    // The settings the instructions describe.
    void setSettings(const Settings &settings);

    static QString versionText();
    static QString platformName();

    void goToScoreboard();
    void toggleInstructions();
    int heightTwips() const;
    const QTimer &resizeTimer() const { return m_unfoldTimer; }
    // One step of the unfolding animation (the timer's tick).
    void unfoldStep();

signals:
    // On to the scoreboard: the start screen closes itself once this has
    // been handled, so a receiver shows the scoreboard in time.
    void scoreboardRequested();
    // The Options button: the program shows the options over this window
    // and applies what they return.
    void optionsRequested();

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
