// N simulated courts on a few connections to a local Mosquitto, each
// publishing its state as a board does (retained, QoS 1, about 600 bytes):
// one for a change every second and one every 5 s for a running clock.
// Measures the broker alone (a subscriber in this process: publish to
// delivery) and, with --hall-port, `corvella --hall` (publish to the court's
// new score in /hall.json), and the hall's CPU and memory from /proc.
//
//   bench_hall --broker-port P --courts N [--connections C] [--load-seconds S]
//              [--probes K] [--hall-port H --hall-pid PID] [--broker-pid PID]
//
// Prints one line of "key value" pairs. Everything talks to 127.0.0.1 only,
// and every wait is bounded.

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <mosquitto.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char *Venue = "bench";
constexpr int ChangeMs = 1000;
constexpr int RunningStateMs = 5000;
constexpr int CourtsPerConnection = 50;

struct Options
{
    int brokerPort = 0;
    int courts = 20;
    int connections = 0;
    int loadSeconds = 20;
    int probes = 100;
    int hallPort = 0;
    int hallPid = 0;
    int brokerPid = 0;
};

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const auto index = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

std::string courtName(int court)
{
    return std::to_string(court + 1);
}

std::string topicOf(int court)
{
    return std::string("corvella/v1/") + Venue + "/" + courtName(court) + "/state";
}

// A state like a board's, its home score the court's count of changes and
// the moment it was sent in `sentNs`, padded to about 600 bytes.
QByteArray statePayload(int court, int seq, qint64 sentNs)
{
    QJsonObject clock{{QStringLiteral("ms"), 600000 - seq * 100},
                      {QStringLiteral("running"), true},
                      {QStringLiteral("countDown"), true},
                      {QStringLiteral("period"), 1 + seq / 600},
                      {QStringLiteral("phase"), QStringLiteral("play")}};
    QJsonObject state{
        {QStringLiteral("scores"), QJsonArray{seq, seq / 2, seq % 5, seq % 3}},
        {QStringLiteral("clock"), clock},
        {QStringLiteral("captions"),
         QJsonObject{{QStringLiteral("home"), QStringLiteral("Home team of court %1").arg(court)},
                     {QStringLiteral("guest"), QStringLiteral("Guest team of court %1").arg(court)},
                     {QStringLiteral("section1"), QStringLiteral("SCORE")},
                     {QStringLiteral("section2"), QStringLiteral("FOULS")}}},
        {QStringLiteral("timeouts"), QJsonObject{{QStringLiteral("home"), 1},
                                                 {QStringLiteral("guest"), 0},
                                                 {QStringLiteral("running"), QJsonValue()}}},
        {QStringLiteral("game"), QStringLiteral("2026-12-08-court%1").arg(court)},
        {QStringLiteral("at"), double(sentNs / 1000000)},
        {QStringLiteral("sentNs"), QString::number(sentNs)}};
    QByteArray json = QJsonDocument(state).toJson(QJsonDocument::Compact);
    if (json.size() < 600) {
        state.insert(QStringLiteral("note"), QString(600 - json.size() - 10, u'.'));
        json = QJsonDocument(state).toJson(QJsonDocument::Compact);
    }
    return json;
}

struct Client
{
    mosquitto *handle = nullptr;
    std::atomic<bool> connected = false;
};

bool connectClient(Client &client, int port, const char *id)
{
    client.handle = mosquitto_new(id, true, &client);
    mosquitto_connect_callback_set(client.handle, [](mosquitto *, void *self, int rc) {
        if (rc == 0)
            static_cast<Client *>(self)->connected = true;
    });
    if (mosquitto_connect_async(client.handle, "127.0.0.1", port, 30) != MOSQ_ERR_SUCCESS ||
        mosquitto_loop_start(client.handle) != MOSQ_ERR_SUCCESS)
        return false;
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (!client.connected && Clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return client.connected;
}

void closeClient(Client &client)
{
    if (!client.handle)
        return;
    mosquitto_disconnect(client.handle);
    mosquitto_loop_stop(client.handle, false);
    mosquitto_destroy(client.handle);
}

// Publish to delivery, as a reader of the broker sees it.
struct Subscriber : Client
{
    std::mutex mutex;
    std::vector<double> latenciesMs;
    std::atomic<bool> recording = false;
    std::atomic<long> received = 0;
};

// utime + stime of a process in clock ticks, and its resident memory.
std::optional<long long> cpuTicks(int pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return std::nullopt;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::stoll(field);
        if (i == 15) {
            stime = std::stoll(field);
            return utime + stime;
        }
    }
    return std::nullopt;
}

long statusKb(int pid, const std::string &key)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::atol(line.c_str() + key.size() + 1);
    }
    return -1;
}

// GET /hall.json on 127.0.0.1; the body, or nothing within 5 s.
std::optional<QByteArray> fetchHallJson(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return std::nullopt;
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::optional<QByteArray> body;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0) {
        const QByteArray request = "GET /hall.json HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                   "Connection: close\r\n\r\n";
        if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) ==
            request.size()) {
            QByteArray answer;
            char buffer[65536];
            for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0 &&
                            answer.size() < 64 * 1024 * 1024;)
                answer.append(buffer, n);
            const auto split = answer.indexOf("\r\n\r\n");
            if (split > 0)
                body = answer.mid(split + 4);
        }
    }
    ::close(fd);
    return body;
}

// The court's home score in the hall's JSON, or -1.
int hallScore(const QByteArray &json, const QString &court)
{
    const QJsonArray courts =
        QJsonDocument::fromJson(json).object().value(QStringLiteral("courts")).toArray();
    for (const QJsonValue &entry : courts) {
        const QJsonObject object = entry.toObject();
        if (object.value(QStringLiteral("court")).toString() == court)
            return object.value(QStringLiteral("state"))
                .toObject()
                .value(QStringLiteral("scores"))
                .toArray()
                .at(0)
                .toInt(-1);
    }
    return -1;
}

std::optional<Options> parse(int argc, char *argv[])
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (key == "--broker-port")
            o.brokerPort = value;
        else if (key == "--courts")
            o.courts = value;
        else if (key == "--connections")
            o.connections = value;
        else if (key == "--load-seconds")
            o.loadSeconds = value;
        else if (key == "--probes")
            o.probes = value;
        else if (key == "--hall-port")
            o.hallPort = value;
        else if (key == "--hall-pid")
            o.hallPid = value;
        else if (key == "--broker-pid")
            o.brokerPid = value;
        else
            return std::nullopt;
    }
    if (o.brokerPort <= 0 || o.courts < 1 || o.courts > 5000 || o.loadSeconds < 1 ||
        o.loadSeconds > 600 || o.probes < 0 || o.probes > 10000)
        return std::nullopt;
    if (o.connections <= 0)
        o.connections = (o.courts + CourtsPerConnection - 1) / CourtsPerConnection;
    o.connections = std::min(o.connections, o.courts);
    return o;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: bench_hall --broker-port P --courts N [--connections C] "
                             "[--load-seconds S] [--probes K] [--hall-port H --hall-pid PID] "
                             "[--broker-pid PID]\n");
        return 2;
    }
    const Options &o = *options;
    mosquitto_lib_init();

    Subscriber subscriber;
    {
        subscriber.handle = mosquitto_new("bench-reader", true, &subscriber);
        mosquitto_connect_callback_set(subscriber.handle, [](mosquitto *m, void *self, int rc) {
            if (rc != 0)
                return;
            const std::string filter = std::string("corvella/v1/") + Venue + "/+/state";
            mosquitto_subscribe(m, nullptr, filter.c_str(), 1);
            static_cast<Subscriber *>(self)->connected = true;
        });
        mosquitto_message_callback_set(
            subscriber.handle, [](mosquitto *, void *self, const mosquitto_message *message) {
                const qint64 now = nowNs();
                auto *s = static_cast<Subscriber *>(self);
                ++s->received;
                if (!s->recording || message->retain)
                    return;
                const QByteArray payload(static_cast<const char *>(message->payload),
                                         message->payloadlen);
                const auto at = payload.indexOf("\"sentNs\":\"");
                if (at < 0)
                    return;
                const qint64 sent = payload.mid(at + 10, 24).split('"').first().toLongLong();
                const std::lock_guard lock(s->mutex);
                s->latenciesMs.push_back(double(now - sent) / 1e6);
            });
        if (mosquitto_connect_async(subscriber.handle, "127.0.0.1", o.brokerPort, 30) !=
                MOSQ_ERR_SUCCESS ||
            mosquitto_loop_start(subscriber.handle) != MOSQ_ERR_SUCCESS) {
            std::fprintf(stderr, "bench_hall: no broker on 127.0.0.1:%d\n", o.brokerPort);
            return 1;
        }
    }

    std::vector<Client> clients(size_t(o.connections));
    for (int c = 0; c < o.connections; ++c) {
        const std::string id = "bench-courts-" + std::to_string(c);
        if (!connectClient(clients[size_t(c)], o.brokerPort, id.c_str())) {
            std::fprintf(stderr, "bench_hall: connection %d did not come up\n", c);
            return 1;
        }
    }

    // Each court changes once a second at its own moment in the second, and
    // sends its running clock's state every fifth second at another.
    const int courts = o.courts;
    std::vector<std::atomic<int>> seq(static_cast<size_t>(courts));
    std::vector<std::atomic<qint64>> sentNs(static_cast<size_t>(courts));
    std::atomic<bool> stop = false;
    std::atomic<long> published = 0;
    const auto start = Clock::now();
    std::thread publisher([&] {
        struct Due
        {
            Clock::time_point at;
            int court;
        };
        std::vector<Due> due;
        for (int k = 0; k < courts; ++k) {
            due.push_back(
                {start + std::chrono::microseconds(qint64(k) * ChangeMs * 1000 / courts), k});
            due.push_back({start + std::chrono::microseconds(
                                       (qint64(k) * RunningStateMs * 1000 / courts + 500000)),
                           -1 - k});
        }
        auto later = [](const Due &a, const Due &b) { return a.at > b.at; };
        std::make_heap(due.begin(), due.end(), later);
        while (!stop) {
            std::pop_heap(due.begin(), due.end(), later);
            Due next = due.back();
            std::this_thread::sleep_until(next.at);
            const bool change = next.court >= 0;
            const int k = change ? next.court : -1 - next.court;
            const int n = change ? seq[size_t(k)].load() + 1 : seq[size_t(k)].load();
            const qint64 sent = nowNs();
            const QByteArray payload = statePayload(k, n, sent);
            const std::string topic = topicOf(k);
            mosquitto_publish(clients[size_t(k % o.connections)].handle, nullptr, topic.c_str(),
                              int(payload.size()), payload.constData(), 1, true);
            ++published;
            if (change) {
                sentNs[size_t(k)] = sent;
                seq[size_t(k)] = n;
            }
            due.back().at += std::chrono::milliseconds(change ? ChangeMs : RunningStateMs);
            std::push_heap(due.begin(), due.end(), later);
        }
    });

    // Every court's first state is in, then the broker alone over the load.
    std::this_thread::sleep_for(std::chrono::seconds(5));
    subscriber.recording = true;
    const long publishedBefore = published;
    const auto hallTicks0 = o.hallPid ? cpuTicks(o.hallPid) : std::nullopt;
    const auto brokerTicks0 = o.brokerPid ? cpuTicks(o.brokerPid) : std::nullopt;
    const auto loadStart = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(o.loadSeconds));
    const double loadSeconds = std::chrono::duration<double>(Clock::now() - loadStart).count();
    const auto hallTicks1 = o.hallPid ? cpuTicks(o.hallPid) : std::nullopt;
    const auto brokerTicks1 = o.brokerPid ? cpuTicks(o.brokerPid) : std::nullopt;
    const long publishedDuring = published - publishedBefore;
    subscriber.recording = false;
    const double hz = double(sysconf(_SC_CLK_TCK));
    const auto cpuPercent = [&](auto a, auto b) {
        return a && b ? double(*b - *a) / hz / loadSeconds * 100 : -1.0;
    };

    // A court's change to its score in /hall.json: wait for a change of a
    // court about to publish, then ask for the JSON until it shows it.
    std::vector<double> hallMs;
    std::vector<double> fetchMs;
    size_t jsonBytes = 0;
    int missed = 0;
    for (int p = 0; o.hallPort && p < o.probes; ++p) {
        const int k = (p * 7919) % courts;
        const int before = seq[size_t(k)];
        const auto waitUntil = Clock::now() + std::chrono::seconds(2);
        while (seq[size_t(k)] == before && Clock::now() < waitUntil)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        const int target = seq[size_t(k)];
        const qint64 sent = sentNs[size_t(k)];
        const auto giveUp = Clock::now() + std::chrono::seconds(5);
        bool seen = false;
        while (!seen && Clock::now() < giveUp) {
            const qint64 asked = nowNs();
            const std::optional<QByteArray> json = fetchHallJson(o.hallPort);
            const qint64 answered = nowNs();
            if (!json)
                break;
            fetchMs.push_back(double(answered - asked) / 1e6);
            jsonBytes = size_t(json->size());
            if (hallScore(*json, QString::fromStdString(courtName(k))) >= target) {
                hallMs.push_back(double(answered - sent) / 1e6);
                seen = true;
            }
        }
        if (!seen)
            ++missed;
        // Apart, so that the asking does not become the load.
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const long hallRss = o.hallPid ? statusKb(o.hallPid, "VmRSS") : -1;
    const long hallPeak = o.hallPid ? statusKb(o.hallPid, "VmHWM") : -1;

    stop = true;
    publisher.join();
    std::vector<double> brokerMs;
    {
        const std::lock_guard lock(subscriber.mutex);
        brokerMs = subscriber.latenciesMs;
    }
    for (Client &client : clients)
        closeClient(client);
    closeClient(subscriber);
    mosquitto_lib_cleanup();

    std::printf("courts %d connections %d published_per_s %.0f broker_samples %zu "
                "broker_median_ms %.2f broker_p99_ms %.2f broker_cpu_percent %.1f",
                courts, o.connections, double(publishedDuring) / loadSeconds, brokerMs.size(),
                percentile(brokerMs, 0.5), percentile(brokerMs, 0.99),
                cpuPercent(brokerTicks0, brokerTicks1));
    if (o.hallPort)
        std::printf(" hall_samples %zu hall_missed %d hall_median_ms %.1f hall_p99_ms %.1f "
                    "json_fetch_median_ms %.1f json_kb %.0f hall_cpu_percent %.1f "
                    "hall_rss_kb %ld hall_peak_rss_kb %ld",
                    hallMs.size(), missed, percentile(hallMs, 0.5), percentile(hallMs, 0.99),
                    percentile(fetchMs, 0.5), double(jsonBytes) / 1024,
                    cpuPercent(hallTicks0, hallTicks1), hallRss, hallPeak);
    std::printf("\n");
    return 0;
}
