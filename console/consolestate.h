#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

// What a hall console's board shows, as far as its feed has told it: each
// value stays unknown until a frame carries it. Clocks are the value on the
// console's face in milliseconds (tenths at best).
struct ConsoleState
{
    // One penalty countdown per slot: home 0-2, guest 3-5.
    static constexpr int PenaltySlots = 6;
    // Sets whose points the feed carries, home and guest each.
    static constexpr int SetSlots = 4;

    std::optional<qint64> clockMs;
    std::optional<bool> clockRunning;
    std::array<std::optional<int>, 2> scores{};
    std::optional<int> period;
    bool extraTime = false;
    std::array<std::optional<int>, 2> teamFouls{};
    std::array<std::optional<int>, 2> timeouts{}; // taken
    // Left, where a console counts them down instead.
    std::array<std::optional<int>, 2> timeoutsLeft{};
    std::optional<qint64> shotClockMs;
    std::optional<bool> shotClockRunning;
    std::optional<bool> shotClockShown;
    std::optional<int> possession; // 0 home, 1 guest, -1 nobody
    std::array<std::optional<qint64>, PenaltySlots> penaltiesMs{};
    std::optional<int> set;
    std::array<std::optional<int>, 2> setsWon{};
    std::array<std::array<std::optional<int>, 2>, SetSlots> setScores{};
    std::optional<int> server; // 0 home, 1 guest

    bool operator==(const ConsoleState &) const = default;
    // "clock 4:32 running", one line per value that differs from `before`.
    QStringList changesSince(const ConsoleState &before) const;
};

// The sports a console may be set to; the feeds do not always say which.
enum class ConsoleSport { Basketball, Handball, IceHockey, Floorball, Volleyball };
