#pragma once

#include "game/gameteams.h"

#include <QDialog>

class QComboBox;

// Asks who plays: for home and guest, a team from the library (typing
// narrows the list) or any caption typed in.
class TeamChooser : public QDialog
{
    Q_OBJECT

public:
    TeamChooser(const QList<Team> &library, const QString &folder, const GameSides &current,
                QWidget *parent = nullptr);

    // The sides as chosen; an emptied field is the board's own caption.
    GameSides sides() const;

private:
    QComboBox *sideBox(const GameSide &current);

    QList<Team> m_library;
    QString m_folder;
    QComboBox *m_home = nullptr;
    QComboBox *m_guest = nullptr;
};
