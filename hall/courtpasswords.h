#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The passwords of the hall's own broker, kept across restarts in one file
// of the broker's folder (readable by its owner only): one for the hall and
// one for each court, letters and digits only, so that a join code carries
// them as they are. Another process (`--print-join-code`) may add a court
// while the hall runs; the hall then reads the file again.
class CourtPasswords
{
public:
    static constexpr int Length = 16;

    explicit CourtPasswords(QString file) : m_file(std::move(file)) {}

    // Reads the file; a missing one is an empty list. False and why when it
    // cannot be read or does not read.
    bool load(QString *why);
    // Gives the hall and each of `courts` a password where it has none, and
    // writes the file when one was made. False and why when it cannot.
    bool ensure(const QStringList &courts, QString *why);

    QString hallPassword() const { return m_hall; }
    QString courtPassword(const QString &court) const { return m_courts.value(court); }
    QStringList courts() const { return m_courts.keys(); }

    static QString makePassword();

private:
    bool save(QString *why) const;

    QString m_file;
    QString m_hall;
    QMap<QString, QString> m_courts;
};
