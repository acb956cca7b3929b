#pragma once

#include "hall/joincode.h"

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
struct Settings;

// A board joining a hall with its join code: fetches the hall's certificate
// authority from the hall's web server, checks it against the code's
// fingerprint, keeps it beside the settings, and then gives the settings of
// the link (broker, venue, court, user, password, CA file).
class HallJoin : public QObject
{
    Q_OBJECT

public:
    static constexpr int DeadlineMs = 5000;
    static constexpr qint64 MaxCertificateBytes = 64 * 1024;

    // `caFolder` is where the authority's certificate is kept.
    explicit HallJoin(QString caFolder, QObject *parent = nullptr);

    // Ends in joined() or failed(), once; a second call while one runs
    // replaces it.
    void start(const JoinCode &code);
    bool isRunning() const { return m_reply != nullptr; }

    // The link's settings for a code whose authority is kept at `caFile`.
    static void apply(const JoinCode &code, const QString &caFile, Settings &settings);
    // Where a board keeps a venue's authority.
    static QString caFileFor(const QString &caFolder, const QString &venue);

signals:
    void joined(const JoinCode &code, const QString &caFile);
    // Why, in the user's language.
    void failed(const QString &why);

private:
    void finish();

    QString m_caFolder;
    JoinCode m_code;
    QNetworkAccessManager *m_network; // this object's child
    QNetworkReply *m_reply = nullptr;
};
