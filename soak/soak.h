#pragma once
// What the two random-use soaks share: the seed and the number of actions (from the
// environment, so that a failure can be replayed), the random choices, the texts a pupil
// types, and a log of the last actions for the failure message.
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>

namespace soak {

// SOAK_SEED replays a run; without it every run draws a new seed. SOAK_ACTIONS sets its length.
struct Settings {
    std::uint64_t seed;
    int actions;
};

inline Settings settings(int defaultActions)
{
    Settings s{};
    if (const char* seed = std::getenv("SOAK_SEED"))
        s.seed = std::strtoull(seed, nullptr, 10);
    else
        s.seed = (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();
    const char* actions = std::getenv("SOAK_ACTIONS");
    s.actions = actions ? std::atoi(actions) : defaultActions;
    return s;
}

class Random {
public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}
    // 0 … n-1
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
    template <class List>
    auto& pick(List& list)
    {
        return list[static_cast<std::size_t>(below(static_cast<int>(list.size())))];
    }
    // An index into the weights, drawn in proportion to them.
    int weighted(std::initializer_list<int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = below(total);
        int i = 0;
        for (int w : weights) {
            if (r < w)
                return i;
            r -= w;
            ++i;
        }
        return i - 1;
    }
    // Text of length 1 … maxLength from the given characters.
    QString text(const QString& alphabet, int maxLength)
    {
        QString t;
        for (int n = 1 + below(maxLength); n > 0; --n)
            t += alphabet.at(below(static_cast<int>(alphabet.size())));
        return t;
    }

private:
    std::mt19937_64 engine_;
};

inline const QString lithuanianLetters = QStringLiteral("ąčęėįšųūžĄČĘĖĮŠŲŪŽ");
inline const QString latinLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
// What a pupil's fingers may hit besides the letters: digits, signs, blanks, brackets.
inline const QString otherKeys = QStringLiteral("0123456789-+.,:*/()= x");

// The last actions, for the failure message.
class Log {
public:
    void add(int index, const QString& action)
    {
        entries_.push_back(QString::number(index) + QStringLiteral(": ") + action);
        if (entries_.size() > 25)
            entries_.pop_front();
    }
    std::string text() const
    {
        QStringList all(entries_.begin(), entries_.end());
        return all.join(u'\n').toStdString();
    }

private:
    std::deque<QString> entries_;
};

// Stopwatch for the closing figures.
class Clock {
public:
    double seconds() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace soak
