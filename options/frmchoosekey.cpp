#include "options/frmchoosekey.h"

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

frmChooseKey::frmChooseKey(KeyChoice &choice, std::array<int, 3> workingKeys, Dialogs &dialogs,
                           QWidget *parent)
    : QDialog(parent), m_choice(choice), m_workingKeys(workingKeys), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmChooseKey"));
    setWindowTitle(QStringLiteral("Choose Key"));
    setFont(defaultWindowFont());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(4680), twipsToPixels(2625));

    lblChoose = new QLabel(
        QStringLiteral("Press the key you would like to ") + m_choice.KeyPurpose + u'.', this);
    lblChoose->setObjectName(QStringLiteral("lblChoose"));
    lblChoose->setGeometry(twipsRect(120, 120, 4335, 855));
    lblChoose->setFont(QFont(QStringLiteral("Times New Roman"), 18));
    lblChoose->setWordWrap(true);
    lblChoose->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblUsed =
        new QLabel(QStringLiteral("This key is already in use, please choose another."), this);
    lblUsed->setObjectName(QStringLiteral("lblUsed"));
    lblUsed->setGeometry(twipsRect(53, 1080, 4575, 855));
    lblUsed->setFont(QFont(QStringLiteral("Arial"), 18));
    lblUsed->setStyleSheet(QStringLiteral("color: #ff0000"));
    lblUsed->setAlignment(Qt::AlignCenter);
    lblUsed->setWordWrap(true);
    lblUsed->hide();

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(twipsRect(1733, 2160, 1215, 375));
    cmdCancel->setDefault(true);
    cmdCancel->installEventFilter(this);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    m_choice.ChosenKey = 0;
    cmdCancel->setFocus();
}

bool frmChooseKey::isReserved(int keyAscii)
{
    return std::ranges::find(ReservedKeys, keyAscii) != std::end(ReservedKeys);
}

void frmChooseKey::Form_KeyPress(int KeyAscii)
{
    const bool taken =
        KeyAscii != m_choice.CurrentKey &&
        (std::ranges::find(m_workingKeys, KeyAscii) != m_workingKeys.end() || isReserved(KeyAscii));
    if (taken || KeyAscii == TabKey) {
        refuse();
        return;
    }
    m_choice.ChosenKey = KeyAscii;
    accept();
}

void frmChooseKey::refuse()
{
    lblUsed->show();
    m_dialogs.beep();
}

bool frmChooseKey::handleKey(QKeyEvent *event)
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
        Form_KeyPress(code);
        return true;
    }
    return false;
}

void frmChooseKey::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool frmChooseKey::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cmdCancel && event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}
