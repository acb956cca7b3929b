#include "hall/accesslist.h"

namespace AccessList {

QString courtUser(const QString &venue, const QString &court)
{
    return venue + u'-' + court;
}

QString forVenue(const QString &venue, const QStringList &courts, const QString &hallUser)
{
    QString list;
    for (const QString &court : courts) {
        const QString root = QStringLiteral("corvella/v1/%1/%2/").arg(venue, court);
        list += QStringLiteral("user ") + courtUser(venue, court) + u'\n';
        for (const char *leaf : {"state", "log", "result", "online"})
            list += QStringLiteral("topic write ") + root + QLatin1StringView(leaf) + u'\n';
        list += QStringLiteral("topic read ") + root + QStringLiteral("next\n\n");
    }
    list +=
        QStringLiteral("user %1\ntopic read corvella/v1/%2/#\ntopic write corvella/v1/%2/+/next\n")
            .arg(hallUser, venue);
    return list;
}

} // namespace AccessList
