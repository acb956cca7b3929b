#pragma once

#include <QDialog>

#include <array>

class Dialogs;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

// The options: command keys, buzzer sound, colours and captions. It edits a
// working copy; OK copies it into AppSettings and saves it, Cancel drops it.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    explicit frmOptions(Dialogs &dialogs, QWidget *parent = nullptr);

    // The file name as the options show it: whole up to 50 characters, else
    // its first 10, " .../" and the bare name of the file (nothing when it
    // does not exist).
    static QString displayPath(const QString &path);
    // The largest caption size from 60 down to 10 at which both team names fit
    // their place on the board; 9 when none does.
    static qint16 previewSize(const QString &home, const QString &guest);

    qint16 TempSize() const { return m_tempSize; }
    const QString &BuzzerTemp() const { return m_buzzerTemp; }
    std::array<int, 3> workingKeys() const { return m_keys; }

    void PreviewIt();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum KeyFunction { StartStop, Reset, Buzzer };
    struct ColorGroup;

    void createKeyboardTab(QWidget *page);
    void createColorTab(QWidget *page);
    void createTextTab(QWidget *page);
    void Form_Load();
    void chooseKey(KeyFunction function);
    void setKey(KeyFunction function, int code);
    void pickColor(PictureBox *swatch);
    void cmdBuzzerSound_Click();
    void cmdResetColors_Click();
    void cmdResetKeys_Click();
    void cmdOk_Click();

    Dialogs &m_dialogs;
    QTabWidget *sstOptions;
    std::array<QLabel *, 3> m_keyLabels{};
    std::array<int, 3> m_keys{};
    QLabel *lblBuzzerSound;
    PictureBox *picBackC, *picHomeC, *picGuestC, *picTextC, *picLedTimeC, *picLedScoreC,
        *picLedBackC;
    QLineEdit *txtHomeText, *txtGuestText, *txtSectText1, *txtSectText2;
    QLabel *lblHomePreview, *lblGuestPreview;
    QString m_buzzerTemp;
    qint16 m_tempSize = 0;
};
