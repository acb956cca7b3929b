#pragma once

#include "teams/team.h"

#include <QFont>
#include <QFutureWatcher>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <optional>

// A library team's name on the board: in the team's text colour on a band
// of its colour, with an outline where the two read poorly together, and
// the team's logo beside it at the caption's height. It covers the side's
// caption panel; a plain caption has no band and shows as it always did.
// The logo is decoded once, on a worker thread, and kept scaled to the
// caption's height.
class TeamBand : public QWidget
{
    Q_OBJECT

public:
    explicit TeamBand(QWidget *panel);

    // The team shown, and the colour its name takes when the team has none
    // and no band to read on.
    void setTeam(const Team &team, const QColor &captionColor);
    const Team &team() const { return m_team; }

    // The caption's font after it was fitted to the panel, and the height
    // the logo takes: the band follows the caption's size. The logo is
    // scaled again only when that height changes.
    void setCaptionFont(const QFont &font, int captionHeight);

    // The logo as drawn now (null while it is decoded, or without one).
    const QPixmap &logo() const { return m_scaledLogo; }
    QRect logoRect() const { return m_logoRect; }
    QRectF nameRect() const { return m_namePath.boundingRect(); }
    const QFont &nameFont() const { return m_nameFont; }
    QColor nameColor() const;
    // The outline's colour, or an invalid colour for none.
    QColor outlineColor() const;

signals:
    // The logo was decoded (or refused) and the band drawn again.
    void logoSettled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Decoded
    {
        QString path;
        QImage image;
    };
    void startDecoding();
    void takeDecoded();
    void scaleLogo(int height);
    void arrange();

    Team m_team;
    QColor m_captionColor;
    QFont m_font;
    QFont m_nameFont; // the caption's, made smaller where the name needs it
    int m_captionHeight = 0;
    QString m_decodedPath; // the logo decoded, or being decoded
    QImage m_decodedLogo;
    QPixmap m_scaledLogo;
    QRect m_logoRect;
    QPainterPath m_namePath;
    QFutureWatcher<Decoded> m_decoding;
};
