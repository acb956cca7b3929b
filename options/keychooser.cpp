#include "options/keychooser.h"

#include "display/keyascii.h"
#include "display/twips.h"
#include "platform/dialogs.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace {
constexpr int ReservedKeys[] = {111, 61, 46, 45, 43, 32, 13}; // o = . - + space Enter
// Tab moves the keyboard focus between the board's controls before any
// command sees it, so a command on Tab could never be given.
constexpr int TabKey = 9;
} // namespace

KeyChooser::KeyChooser(KeyChoice &choice, QList<int> workingKeys, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_choice(choice), m_workingKeys(workingKeys), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmChooseKey"));
    setWindowTitle(tr("Choose Key"));
    setFont(defaultWindowFont());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(4680), twipsToPixels(2625));

    m_prompt = new QLabel(tr("Press the key you would like to %1.").arg(m_choice.purpose), this);
    m_prompt->setObjectName(QStringLiteral("lblChoose"));
    m_prompt->setGeometry(twipsRect(120, 120, 4335, 855));
    m_prompt->setFont(QFont(QStringLiteral("Times New Roman"), 18));
    m_prompt->setWordWrap(true);
    m_prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitPrompt();

    m_inUse = new QLabel(tr("This key is already in use, please choose another."), this);
    m_inUse->setObjectName(QStringLiteral("lblUsed"));
    m_inUse->setGeometry(twipsRect(53, 1080, 4575, 855));
    m_inUse->setFont(QFont(QStringLiteral("Arial"), 18));
    m_inUse->setStyleSheet(QStringLiteral("color: #ff0000"));
    m_inUse->setAlignment(Qt::AlignCenter);
    m_inUse->setWordWrap(true);
    m_inUse->hide();

    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setGeometry(twipsRect(1733, 2160, 1215, 375));
    m_cancel->setDefault(true);
    m_cancel->installEventFilter(this);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_choice.chosenKey = 0;
    m_cancel->setFocus();
}

int KeyChooser::choose(const QString &purpose, int currentKey, const QList<int> &taken,
                       Dialogs &dialogs, QWidget *parent)
{
    KeyChoice choice{purpose, static_cast<qint16>(currentKey), 0};
    KeyChooser chooser(choice, taken, dialogs, parent);
    chooser.exec();
    return choice.chosenKey;
}

// The window keeps its size; a purpose too long for two lines at the usual
// size ("start the home team's timeout", or most in German) is set smaller
// rather than cut off.
void KeyChooser::fitPrompt()
{
    QFont font = m_prompt->font();
    while (m_prompt->heightForWidth(m_prompt->width()) > m_prompt->height() &&
           font.pointSize() > MinPromptPoints) {
        font.setPointSize(font.pointSize() - 1);
        m_prompt->setFont(font);
    }
}

bool KeyChooser::isReserved(int keyAscii)
{
    return std::ranges::find(ReservedKeys, keyAscii) != std::end(ReservedKeys);
}

void KeyChooser::takeKey(int KeyAscii)
{
    const bool taken =
        KeyAscii != m_choice.currentKey &&
        (std::ranges::find(m_workingKeys, KeyAscii) != m_workingKeys.end() || isReserved(KeyAscii));
    if (taken || KeyAscii == TabKey) {
        refuse();
        return;
    }
    m_choice.chosenKey = KeyAscii;
    accept();
}

void KeyChooser::refuse()
{
    m_inUse->show();
    m_dialogs.beep();
}

bool KeyChooser::handleKey(QKeyEvent *event)
{
    // Enter and Esc work the Cancel button, as on any dialog; every other
    // character is a candidate key. Tab and Shift+Tab never reach the board's
    // commands, whatever character they type.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        refuse();
        return true;
    }
    if (const int code = keyAscii(event)) {
        takeKey(code);
        return true;
    }
    return false;
}

void KeyChooser::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool KeyChooser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cancel && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}
