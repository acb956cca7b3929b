#include "hall/courtpasswords.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>

namespace {

class PasswordText
{
    Q_DECLARE_TR_FUNCTIONS(Hall)
};

constexpr qint64 MaxPasswordFileBytes = 1024 * 1024;

bool isPassword(const QString &text)
{
    if (text.size() < 8)
        return false;
    for (const QChar c : text)
        if (c.unicode() > 127 || !c.isLetterOrNumber())
            return false;
    return true;
}

} // namespace

bool CourtPasswords::load(QString *why)
{
    m_hall.clear();
    m_courts.clear();
    QFile file(m_file);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *why = PasswordText::tr("cannot read %1: %2").arg(m_file, file.errorString());
        return false;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.read(MaxPasswordFileBytes)).object();
    m_hall = root.value(u"hall").toString();
    const QJsonObject courts = root.value(u"courts").toObject();
    for (auto it = courts.begin(); it != courts.end(); ++it)
        if (isPassword(it.value().toString()))
            m_courts.insert(it.key(), it.value().toString());
    if (!m_hall.isEmpty() && !isPassword(m_hall)) {
        *why = PasswordText::tr("%1 does not read; move it away to make new passwords").arg(m_file);
        return false;
    }
    return true;
}

bool CourtPasswords::ensure(const QStringList &courts, QString *why)
{
    // Two processes may add a court at once: the lock keeps either's.
    QLockFile lock(m_file + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) {
        *why = PasswordText::tr("%1 is locked by another process").arg(m_file);
        return false;
    }
    if (!load(why))
        return false;
    bool made = false;
    if (m_hall.isEmpty()) {
        m_hall = makePassword();
        made = true;
    }
    for (const QString &court : courts) {
        if (!m_courts.contains(court)) {
            m_courts.insert(court, makePassword());
            made = true;
        }
    }
    return !made || save(why);
}

QString CourtPasswords::makePassword()
{
    static const QString letters =
        QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnpqrstuvwxyz23456789");
    QString password;
    for (int i = 0; i < Length; ++i)
        password += letters.at(int(QRandomGenerator::system()->bounded(quint32(letters.size()))));
    return password;
}

bool CourtPasswords::save(QString *why) const
{
    QJsonObject courts;
    for (auto it = m_courts.begin(); it != m_courts.end(); ++it)
        courts.insert(it.key(), it.value());
    const QByteArray json = QJsonDocument(QJsonObject{{QStringLiteral("hall"), m_hall},
                                                      {QStringLiteral("courts"), courts}})
                                .toJson();
    QSaveFile file(m_file);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size()) {
        *why = PasswordText::tr("cannot write %1: %2").arg(m_file, file.errorString());
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!file.commit()) {
        *why = PasswordText::tr("cannot write %1: %2").arg(m_file, file.errorString());
        return false;
    }
    return true;
}
