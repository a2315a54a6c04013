#pragma once
// Zenkla's random draws: uniform values r with 0 <= r < 1, from one source that the window owns
// and that tests can replace or fix.
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>
#include <random>

namespace zenkla {

class DrawSource {
public:
    virtual ~DrawSource() = default;
    // A uniform value in [0, 1); never 1.
    virtual double next() = 0;
    // Reseeds from the clock (when a round starts).
    virtual void reseed() = 0;
};

// The value in [0, 1) made of the top 24 bits of a 64-bit draw: a multiple of 2^-24, so it is
// a single-precision value, and at most 1 - 2^-24 (a float distribution could round up to 1).
double unitFromBits(std::uint64_t bits);

// The program's generator. With a fixed seed (tests) it is deterministic and reseed() does
// nothing; otherwise every reseed mixes the high-resolution clock, a counter and the system's
// random device, so that two reseeds in quick succession differ.
class RandomDraws final : public DrawSource {
public:
    explicit RandomDraws(std::optional<std::uint64_t> fixedSeed = std::nullopt);
    double next() override;
    void reseed() override;

private:
    std::mt19937_64 engine_;
    bool fixed_;
};

// A source that gives the listed values in order (tests), then 0.
class ScriptedDraws final : public DrawSource {
public:
    ScriptedDraws(std::initializer_list<double> values);
    void push(double value);
    double next() override;
    void reseed() override {}
    bool exhausted() const { return values_.empty(); }

private:
    std::deque<double> values_;
};

} // namespace zenkla
