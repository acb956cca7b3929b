#pragma once

#include <QWidget>

class QLabel;

// The operator's small window for the board on the network: the address to
// open, a QR code of the remote's address for phones, the remote's PIN, and
// how many pages are connected.
class OperatorPanel : public QWidget
{
    Q_OBJECT

public:
    explicit OperatorPanel(QWidget *parent = nullptr);

    void showState(const QStringList &urls, const QString &pin, const QString &problem, int clients,
                   int remotes, const QString &secret = QString());
    // Moves the panel beside `board`, on the board's screen: the operator
    // reads it there, and it never covers the audience's screen or the board.
    void placeBeside(const QWidget *board);
    // Where placeBeside puts a panel of `size` for a board at `board` on a
    // screen whose free area is `screen`.
    static QPoint besidePosition(QRect board, QSize size, QRect screen);

private:
    QLabel *m_address;
    QLabel *m_qr;
    QLabel *m_pinCaption;
    QLabel *m_pin;
    QLabel *m_clients;
};
