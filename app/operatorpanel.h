#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

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
    // The HTTP API's token, for pasting into show-control software; empty
    // while the API is off.
    void showApiToken(const QString &token);
    // Why the game is not kept on disk, or nothing while it is.
    void showRecordProblem(const QString &problem);
    // The web server off: the window tells only the rest.
    void showServerOff();
    // The link to the hall as it stands (empty: no link, or one that is down
    // and told as a record problem) and the next game the hall announced
    // ("Home - Guest (Sport)"); with no hall at all, neither shows.
    void showHall(bool linked, const QString &link, const QString &nextGame);
    // "Sound off" while every sound is off.
    void showSoundOff(bool off);

signals:
    void renewTokenRequested();

public:
    // Moves the panel beside `board`, on the board's screen: the operator
    // reads it there, and it never covers the audience's screen or the board.
    void placeBeside(const QWidget *board);
    // Where placeBeside puts a panel of `size` for a board at `board` on a
    // screen whose free area is `screen`.
    static QPoint besidePosition(QRect board, QSize size, QRect screen);

private:
    void showServerParts(bool on);

    QLabel *m_address;
    QLabel *m_qr;
    QLabel *m_pinCaption;
    QLabel *m_pin;
    QLabel *m_clients;
    QLabel *m_recordProblem;
    QLabel *m_hallLink;
    QLabel *m_nextGame;
    QLabel *m_soundOff;
    QLabel *m_tokenCaption;
    QLineEdit *m_token;
    QPushButton *m_renew;
};
