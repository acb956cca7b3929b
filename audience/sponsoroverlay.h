#pragma once

#include "game/sponsorphase.h"
#include "settings/appsettings.h"
#include "teams/sponsorslides.h"

#include <QTimer>
#include <QWidget>

class GameModel;

// The sponsors' slides over the audience's board while a phase that shows
// them runs: full size, one after the other, with a strip along the bottom
// that keeps the score and the running clock in sight. It hides the moment
// the phase ends, and the board beneath is there again.
class SponsorOverlay : public QWidget
{
    Q_OBJECT

public:
    // Covers `board`, whose child it becomes.
    SponsorOverlay(GameModel &game, const Settings &settings, QWidget *board,
                   const QString &folder = SponsorSlides::defaultFolder());

    void applySettings(const Settings &settings);
    bool isShowing() const { return isVisible(); }
    // The slide showing now (-1: none) and every decoded slide.
    int currentSlide() const;
    const SponsorSlides &slides() const { return m_slides; }
    // The strip's share of the height.
    static constexpr double StripShare = 0.12;

signals:
    void showingChanged(bool showing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();
    void fitBoard();
    void reload();
    void scheduleNextSlide();
    qint64 slideMs() const { return qint64(m_settings.SponsorSlideSeconds) * 1000; }
    QRect stripRect() const;
    QString stripText() const;

    GameModel &m_game;
    Settings m_settings;
    QString m_folder;
    SponsorSlides m_slides;
    SponsorPhase m_phase = SponsorPhase::None;
    int m_shownSlide = -1;
    QTimer m_nextSlide;
};
