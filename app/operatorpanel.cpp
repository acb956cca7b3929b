#include "app/operatorpanel.h"

#include "app/qrcode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

OperatorPanel::OperatorPanel(QWidget *parent)
    : QWidget(parent, Qt::Tool), m_address(new QLabel(this)), m_qr(new QLabel(this)),
      m_pinCaption(new QLabel(this)), m_pin(new QLabel(this)), m_clients(new QLabel(this)),
      m_recordProblem(new QLabel(this)), m_hallLink(new QLabel(this)), m_nextGame(new QLabel(this)),
      m_soundOff(new QLabel(tr("Sound off"), this)),
      m_tokenCaption(new QLabel(tr("API token:"), this)), m_token(new QLineEdit(this)),
      m_renew(new QPushButton(tr("Renew"), this))
{
    setObjectName(QStringLiteral("operatorPanel"));
    setWindowTitle(tr("Board on the network"));
    // Room for its title and the hall's lines when no address widens it.
    setMinimumWidth(fontMetrics().horizontalAdvance(u'0') * 32);
    // The board keeps the keyboard: the panel only informs.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // An address broken over two lines cannot be read off or copied.
    m_address->setWordWrap(false);
    m_qr->setObjectName(QStringLiteral("qrCode"));
    m_qr->setAlignment(Qt::AlignCenter);
    m_pinCaption->setObjectName(QStringLiteral("pinCaption"));
    m_pinCaption->setAlignment(Qt::AlignCenter);
    m_pin->setObjectName(QStringLiteral("pin"));
    m_pin->setAlignment(Qt::AlignCenter);
    // An operator can select the PIN to paste it into a message to a phone.
    m_pin->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = m_pin->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    m_pin->setFont(big);
    m_clients->setObjectName(QStringLiteral("clients"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_address);
    layout->addWidget(m_qr);
    layout->addWidget(m_pinCaption);
    layout->addWidget(m_pin);
    layout->addWidget(m_clients);
    m_recordProblem->setObjectName(QStringLiteral("recordProblem"));
    m_recordProblem->setWordWrap(true);
    QFont bold = m_recordProblem->font();
    bold.setBold(true);
    m_recordProblem->setFont(bold);
    m_recordProblem->hide();
    layout->addWidget(m_recordProblem);
    m_hallLink->setObjectName(QStringLiteral("hallLink"));
    m_hallLink->setWordWrap(true);
    m_hallLink->hide();
    layout->addWidget(m_hallLink);
    m_nextGame->setObjectName(QStringLiteral("nextGame"));
    m_nextGame->setWordWrap(true);
    m_nextGame->setFont(bold);
    m_nextGame->hide();
    layout->addWidget(m_nextGame);
    m_soundOff->setObjectName(QStringLiteral("soundOff"));
    m_soundOff->setFont(bold);
    m_soundOff->hide();
    layout->addWidget(m_soundOff);
    m_token->setObjectName(QStringLiteral("apiToken"));
    m_token->setReadOnly(true);
    m_token->setMinimumWidth(m_token->fontMetrics().horizontalAdvance(u'0') * 24);
    m_renew->setObjectName(QStringLiteral("renewApiToken"));
    m_renew->setFocusPolicy(Qt::NoFocus);
    auto *token = new QHBoxLayout;
    token->addWidget(m_tokenCaption);
    token->addWidget(m_token, 1);
    token->addWidget(m_renew);
    layout->addLayout(token);
    connect(m_renew, &QPushButton::clicked, this, &OperatorPanel::renewTokenRequested);
    showApiToken({});
}

void OperatorPanel::showApiToken(const QString &token)
{
    for (QWidget *part : {static_cast<QWidget *>(m_tokenCaption), static_cast<QWidget *>(m_token),
                          static_cast<QWidget *>(m_renew)})
        part->setVisible(!token.isEmpty());
    if (m_token->text() != token)
        m_token->setText(token);
}

void OperatorPanel::showSoundOff(bool off)
{
    if (m_soundOff->isHidden() != off)
        return;
    m_soundOff->setVisible(off);
    adjustSize();
}

void OperatorPanel::showRecordProblem(const QString &problem)
{
    // The problem stands alone on its line, and starts as a sentence does.
    QString text = problem;
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    if (m_recordProblem->text() == text)
        return;
    m_recordProblem->setText(text);
    m_recordProblem->setVisible(!text.isEmpty());
    adjustSize();
}

void OperatorPanel::showHall(bool linked, const QString &link, const QString &nextGame)
{
    const QString linkText = link.isEmpty() ? QString() : tr("Hall: %1").arg(link);
    const QString nextText = !linked ? QString()
                             : nextGame.isEmpty()
                                 ? tr("No next game from the hall")
                                 : tr("Next game: %1 (F7 on the board loads it)").arg(nextGame);
    if (m_hallLink->text() == linkText && m_nextGame->text() == nextText)
        return;
    m_hallLink->setText(linkText);
    m_hallLink->setVisible(!linkText.isEmpty());
    m_nextGame->setText(nextText);
    m_nextGame->setVisible(!nextText.isEmpty());
    adjustSize();
}

void OperatorPanel::showServerOff()
{
    m_address->setText(tr("The web server is off"));
    showServerParts(false);
    adjustSize();
}

// Empty, the code and the PIN would leave a gap where they stand.
void OperatorPanel::showServerParts(bool on)
{
    for (QWidget *part : {m_qr, m_pinCaption, m_pin, m_clients})
        part->setVisible(on);
}

void OperatorPanel::showState(const QStringList &urls, const QString &pin, const QString &problem,
                              int clients, int remotes, const QString &secret)
{
    showServerParts(problem.isEmpty());
    if (!problem.isEmpty()) {
        m_address->setText(tr("The board is not on the network: %1").arg(problem));
        m_qr->clear();
        m_pinCaption->clear();
        m_pin->clear();
        m_clients->clear();
        return;
    }
    // One address a line: a long line wraps in the middle of an address.
    QStringList lines;
    for (const QString &url : urls) {
        lines.append(tr("Board: %1display").arg(url));
        lines.append(tr("Stream overlay: %1overlay").arg(url));
        lines.append(tr("Phone remote: %1remote").arg(url));
        lines.append(tr("Shot clock: %1shotclock").arg(url));
        lines.append(tr("Announcer: %1announcer").arg(url));
    }
    m_address->setText(lines.join(u'\n'));
    // Phones scan the code to open the remote, unlocked by the secret after
    // the '#' (which browsers never send over the network); one pixel per
    // module would be too small to scan from a screen.
    QString remote;
    if (!urls.isEmpty())
        remote = urls.first() + (secret.isEmpty() ? u"remote"_s : u"remote#k="_s + secret);
    const QImage code = remote.isEmpty() ? QImage() : qrCodeImage(remote);
    m_qr->setPixmap(code.isNull() ? QPixmap() : QPixmap::fromImage(code.scaled(code.size() * 4)));
    // The digits alone in large type: the window stays narrow enough to sit
    // beside the board, and a triple click selects just the PIN.
    m_pinCaption->setText(tr("Remote PIN:"));
    m_pin->setText(pin);
    m_clients->setText(tr("Connected pages: %1, remotes: %2").arg(clients).arg(remotes));
}

QPoint OperatorPanel::besidePosition(QRect board, QSize size, QRect screen)
{
    // Right of the board, else left of it.
    const int top = std::clamp(board.top(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - size.height()));
    if (board.right() + 1 + size.width() <= screen.right() + 1)
        return {board.right() + 1, top};
    if (board.left() - size.width() >= screen.left())
        return {board.left() - size.width(), top};
    // No room: against the screen's edge on the roomier side, covering as
    // little of the board as it can.
    if (screen.right() - board.right() >= board.left() - screen.left())
        return {std::max(screen.left(), screen.right() + 1 - size.width()), top};
    return {screen.left(), top};
}

void OperatorPanel::placeBeside(const QWidget *board)
{
    if (!board || !board->screen())
        return;
    adjustSize();
    // The frame adds to the size; a rough allowance keeps it on the screen.
    const QSize outer = size() + QSize(16, 40);
    move(besidePosition(board->frameGeometry(), outer, board->screen()->availableGeometry()));
}
