#pragma once

#include <QtGlobal>

#include <cmath>
#include <compare>

// A clock time: a signed count of ten-thousandths of a second, so that
// adding, subtracting and comparing times is exact.
struct ClockSeconds
{
    static constexpr qint64 PerSecond = 10000;
    static constexpr qint64 PerTenth = 1000;

    qint64 raw = 0;

    static constexpr ClockSeconds fromSeconds(qint64 seconds) { return {seconds * PerSecond}; }
    static constexpr ClockSeconds fromTenths(qint64 tenths) { return {tenths * PerTenth}; }
    // Rounded to the nearest ten-thousandth.
    static ClockSeconds fromDouble(double seconds)
    {
        return {static_cast<qint64>(std::llround(seconds * PerSecond))};
    }
    double toDouble() const { return static_cast<double>(raw) / PerSecond; }

    friend constexpr ClockSeconds operator+(ClockSeconds a, ClockSeconds b)
    {
        return {a.raw + b.raw};
    }
    friend constexpr ClockSeconds operator-(ClockSeconds a, ClockSeconds b)
    {
        return {a.raw - b.raw};
    }
    friend constexpr ClockSeconds operator*(qint64 n, ClockSeconds a) { return {n * a.raw}; }
    friend constexpr auto operator<=>(ClockSeconds, ClockSeconds) = default;
};
