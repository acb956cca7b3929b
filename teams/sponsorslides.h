#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <optional>
#include <utility>

class GameModel;

// The sponsors' pictures, from a folder of PNG, JPEG and SVG files. Each is
// checked before it is decoded, decoded once off the board's thread and kept
// scaled to the display's size; the slide showing follows the time since its
// phase began, so every view that knows that time shows the same one.
class SponsorSlides : public QObject
{
    Q_OBJECT

public:
    // A picture of the folder, and why it cannot be shown (empty: it can).
    struct File
    {
        QString path;
        QString refusal;
    };

    explicit SponsorSlides(QObject *parent = nullptr);
    ~SponsorSlides() override;

    // $XDG_DATA_HOME/Corvella/sponsors
    static QString defaultFolder();
    // The pictures of `folder` by name, each with its refusal.
    static QList<File> files(const QString &folder);
    // Those that can be shown, in the order they are shown.
    static QStringList shownPaths(const QString &folder);

    // The slide showing `sinceStartMs` after its phase began, of `count`
    // slides that stay `slideMs` each; -1 when there is none.
    static int slideAt(qint64 sinceStartMs, qint64 slideMs, int count);
    // How long until the next slide.
    static qint64 msToNextSlide(qint64 sinceStartMs, qint64 slideMs);

    // Decodes the folder's pictures for `box` on a worker thread; loaded()
    // follows. Refused pictures are told once on stderr.
    void load(const QString &folder, QSize box);
    bool isLoading() const { return m_watcher.isRunning(); }
    const QList<QImage> &images() const { return m_images; }
    QSize box() const { return m_box; }

signals:
    void loaded();

private:
    void tellRefused(const QString &folder);
    void decoded();

    QFutureWatcher<QList<QImage>> m_watcher;
    QList<QImage> m_images;
    QSize m_box;
    // A load asked for while another ran: done when that one ends.
    std::optional<std::pair<QString, QSize>> m_pending;
};
