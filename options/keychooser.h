#pragma once

#include <QDialog>

#include <QList>

class Dialogs;
class QLabel;
class QPushButton;

// What the options dialog and the key chooser exchange: the function being
// given a key, its key in the working copy, and the key chosen (0 for none).
struct KeyChoice
{
    QString purpose;
    qint16 currentKey = 0;
    int chosenKey = 0;
};

// Captures one typed character as the new key of a command. It refuses a key
// another command has in the options' working copy, the reserved keys, and
// Tab, which the board never receives as a character.
class KeyChooser : public QDialog
{
    Q_OBJECT

public:
    // `workingKeys` are the keys other commands have in the options' working copy.
    KeyChooser(KeyChoice &choice, QList<int> workingKeys, Dialogs &dialogs,
               QWidget *parent = nullptr);

    static bool isReserved(int keyAscii);
    // Shows a chooser for the key that does `purpose`, now `currentKey`,
    // refusing the keys `taken`: the key chosen, or 0 for none.
    static int choose(const QString &purpose, int currentKey, const QList<int> &taken,
                      Dialogs &dialogs, QWidget *parent);

    void takeKey(int KeyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QKeyEvent *event);
    void refuse();
    void fitPrompt();

    static constexpr int MinPromptPoints = 10;

    KeyChoice &m_choice;
    QList<int> m_workingKeys;
    Dialogs &m_dialogs;
    QLabel *m_prompt;
    QLabel *m_inUse;
    QPushButton *m_cancel;
};
