#pragma once

// Floods on 127.0.0.1 from plain sockets, for the robustness and end-to-end
// checks of the web server, and the memory they are measured by.
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Flood {

// The resident memory of a process (this one by default), in KiB.
inline qint64 rssKb(qint64 pid = 0)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid)
                     : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

// A WebSocket's opening request for /live, as a browser sends it.
inline const QByteArray LiveHandshake =
    "GET /live HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\n"
    "Connection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
    "Sec-WebSocket-Version: 13\r\n\r\n";

// A plain socket: the client's side must not hold the flood in memory itself.
inline int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd, reinterpret_cast<const sockaddr *>(&to), sizeof to);
    return fd;
}

// Sends `head` then `filler` bytes as fast as the server takes them, reading
// what comes back; ends when the server closes or after 20 s. The status of
// the answer, or 0.
inline int attack(quint16 port, const QByteArray &head, qint64 filler, qint64 *sent = nullptr)
{
    static const QByteArray chunk(64 * 1024, 'a');
    const int fd = connectTo(port);
    QByteArray answer;
    qint64 headSent = 0;
    qint64 fillerSent = 0;
    QElapsedTimer timer;
    timer.start();
    while (fd >= 0 && timer.elapsed() < 20'000) {
        const bool more = headSent < head.size() || fillerSent < filler;
        pollfd p{fd, short(POLLIN | (more ? POLLOUT : 0)), 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        if (p.revents & POLLIN) {
            char in[4096];
            const ssize_t got = ::recv(fd, in, sizeof in, 0);
            if (got <= 0)
                break;
            answer.append(in, got);
            // A WebSocket's answer leaves the connection open for frames.
            if (answer.startsWith("HTTP/1.1 101") && !more)
                break;
        }
        if (p.revents & POLLOUT) {
            const char *data =
                headSent < head.size() ? head.constData() + headSent : chunk.constData();
            const qint64 size = headSent < head.size()
                                    ? head.size() - headSent
                                    : qMin<qint64>(chunk.size(), filler - fillerSent);
            const ssize_t put = ::send(fd, data, size_t(size), MSG_NOSIGNAL);
            if (put < 0 && errno != EAGAIN)
                break;
            if (put > 0)
                (headSent < head.size() ? headSent : fillerSent) += put;
        }
        if (p.revents & (POLLERR | POLLHUP))
            break;
    }
    if (fd >= 0)
        ::close(fd);
    if (sent)
        *sent = headSent + fillerSent;
    return answer.startsWith("HTTP/1.1 ") ? answer.mid(9, 3).toInt() : 0;
}

} // namespace Flood
