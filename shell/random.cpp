#include "shell/random.h"

#include <chrono>
#include <random>

namespace {

std::mt19937_64& engine()
{
    static std::mt19937_64 e{std::random_device{}()};
    return e;
}

bool fixed = false;
std::uint64_t fixedBase = 0;
std::uint64_t reseeds = 0;

// SplitMix64 finaliser: spreads neighbouring inputs over the whole 64-bit range.
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

class ProgramDraws final : public DrawSource {
public:
    int draw(int n) override;
    void reseed() override;
};

ProgramDraws programDraws;
DrawSource* current = &programDraws;

} // namespace

int ProgramDraws::draw(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine());
}

void ProgramDraws::reseed()
{
    ++reseeds;
    std::uint64_t seed;
    if (fixed) {
        seed = mix(fixedBase + reseeds);
    } else {
        // The clock alone repeats within one tick; the counter and a draw from the
        // running engine make every reseed distinct.
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        seed = mix(static_cast<std::uint64_t>(now) ^ mix(reseeds) ^ engine()());
    }
    engine().seed(seed);
}

DrawSource& drawSource()
{
    return *current;
}

ScopedDrawSource::ScopedDrawSource(DrawSource& source) : previous_(current)
{
    current = &source;
}

ScopedDrawSource::~ScopedDrawSource()
{
    current = previous_;
}

int draw(int n)
{
    return current->draw(n);
}

void reseed()
{
    current->reseed();
}

void fixSeed(std::uint64_t base)
{
    fixed = true;
    fixedBase = base;
    reseeds = 0;
    engine().seed(mix(base));
}
