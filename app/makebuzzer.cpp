// Writes Corvella's default buzzer sound: a one-second two-tone horn,
// 16-bit PCM mono at 44.1 kHz, followed by a short silence so that sound
// services that clip the end of a sound still play the whole horn. With
// "shot" it writes the shot clock's horn instead: shorter and an octave
// higher, so that the hall tells it from the game's.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

constexpr int SampleRate = 44100;
constexpr double PadSeconds = 0.3;

struct Horn
{
    double seconds;
    double low;
    double high;
};
constexpr Horn GameHorn{1.0, 233.08, 293.66};
constexpr Horn ShotClockHorn{0.5, 466.16, 587.33};

void put16(std::ofstream &out, std::uint16_t v)
{
    out.put(static_cast<char>(v & 0xFF)).put(static_cast<char>(v >> 8));
}

void put32(std::ofstream &out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A brassy tone: the first harmonics of a sawtooth.
double brass(double frequency, double t)
{
    double sum = 0;
    for (int k = 1; k <= 10; ++k)
        sum += std::sin(2 * std::numbers::pi * k * frequency * t) / k;
    return sum;
}

double envelope(double t, double seconds)
{
    const double attack = std::min(1.0, t / 0.02);
    const double release = std::min(1.0, (seconds - t) / 0.08);
    return std::max(0.0, std::min(attack, release));
}

std::vector<std::int16_t> horn(const Horn &tone)
{
    const int hornSamples = static_cast<int>(tone.seconds * SampleRate);
    const int total = hornSamples + static_cast<int>(PadSeconds * SampleRate);
    std::vector<std::int16_t> samples(total, 0);
    for (int i = 0; i < hornSamples; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double v =
            0.32 * envelope(t, tone.seconds) * (brass(tone.low, t) + 0.8 * brass(tone.high, t));
        samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    return samples;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool shot = argc == 3 && std::string_view(argv[2]) == "shot";
    if (argc != 2 && !shot) {
        std::cerr << "usage: makebuzzer OUTPUT.wav [shot]\n";
        return 2;
    }
    const std::vector<std::int16_t> samples = horn(shot ? ShotClockHorn : GameHorn);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::ofstream out(argv[1], std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, SampleRate);
    put32(out, SampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::int16_t s : samples)
        put16(out, static_cast<std::uint16_t>(s));
    return out ? 0 : 1;
}
