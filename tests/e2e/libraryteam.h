#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>

#include <memory>

// A team of the library for the end-to-end checks: its name white on a purple
// band, its logo of one colour found nowhere else on the board or the pages,
// chosen for home through the API as a hall's system would.
namespace LibraryTeam {

inline const QColor LogoGreen{0, 255, 0};
inline const QString Token = QStringLiteral("0123456789abcdef0123456789abcdef");

// The settings lines that put the API on `port` with the token.
inline QByteArray apiSettings(quint16 port)
{
    return QStringLiteral("[WebSettings]\nWebServer=1\nWebPort=%1\nWebAddress=127.0.0.1\n"
                          "Api=1\nApiToken=%2\n")
        .arg(port)
        .arg(Token)
        .toUtf8();
}

inline bool write(const QString &dataHome, const QString &name)
{
    const QString folder = dataHome + QStringLiteral("/Corvella/teams");
    QImage logo(96, 96, QImage::Format_RGB32);
    logo.fill(LogoGreen);
    QFile team(folder + QStringLiteral("/team.ini"));
    return QDir().mkpath(folder) && logo.save(folder + QStringLiteral("/logo.png")) &&
           team.open(QIODevice::WriteOnly) &&
           team.write("[Team]\nName=" + name.toUtf8() +
                      "\nColor=#800080\nTextColor=#ffffff\nLogo=logo.png\n") > 0;
}

inline bool chooseForHome(quint16 port, const QString &name)
{
    QNetworkAccessManager network;
    QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1/api/v1/game/new").arg(port)));
    request.setRawHeader("Authorization", "Bearer " + Token.toLatin1());
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    std::unique_ptr<QNetworkReply> reply(
        network.post(request, R"({"home": ")" + name.toUtf8() + R"("})"));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    return finished.wait(5000) &&
           reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
}

} // namespace LibraryTeam
