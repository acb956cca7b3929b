#pragma once

#include <optional>

// The digits of a score: no leading zero, and all blank for a cleared
// score. -1 is a blank digit.
struct ScoreDigits
{
    int hundreds = -1;
    int tens = -1;
    int units = -1;
};

inline ScoreDigits scoreDigitsFor(std::optional<int> score)
{
    if (!score)
        return {};
    return {*score >= 100 ? *score / 100 % 10 : -1, *score >= 10 ? *score / 10 % 10 : -1,
            *score % 10};
}
