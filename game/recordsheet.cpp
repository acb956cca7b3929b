#include "game/recordsheet.h"

#include "game/clockface.h"

#include <QCoreApplication>

RecordSheet::Words RecordSheet::programWords()
{
    return [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text);
    };
}

RecordSheet::RecordSheet(const GameRecord &header, const QLocale &locale, Words words)
    : m_header(header), m_locale(locale), m_words(std::move(words))
{
    m_header.entries.clear();
}

QString RecordSheet::home() const
{
    return m_header.home.trimmed().isEmpty() ? word(QT_TRANSLATE_NOOP("Export", "Home"))
                                             : m_header.home;
}

QString RecordSheet::guest() const
{
    return m_header.guest.trimmed().isEmpty() ? word(QT_TRANSLATE_NOOP("Export", "Guest"))
                                              : m_header.guest;
}

QString RecordSheet::title() const
{
    return home() + QStringLiteral(" \u2013 ") + guest();
}

QString RecordSheet::started() const
{
    const QDateTime started = hallTime(m_header.started);
    return word(QT_TRANSLATE_NOOP("Export", "%1, %2 (%3)"))
        .arg(m_locale.toString(started.date(), QLocale::LongFormat),
             started.time().toString(QStringLiteral("HH:mm")),
             started.toString(QStringLiteral("t")));
}

QString RecordSheet::scorePair(const Scores &scores, int home, int guest)
{
    return QStringLiteral("%1 : %2").arg(ClockFace::scoreText(scores.at(home)),
                                         ClockFace::scoreText(scores.at(guest)));
}
