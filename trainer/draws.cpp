#include "trainer/draws.h"

#include <chrono>
#include <stdexcept>

namespace zenkla {

double unitFromBits(std::uint64_t bits)
{
    return static_cast<double>(bits >> 40) / 16777216.0; // 2^24
}

RandomDraws::RandomDraws(std::optional<std::uint64_t> fixedSeed) : fixed_(fixedSeed.has_value())
{
    if (fixedSeed)
        engine_.seed(*fixedSeed);
    else
        reseed();
}

double RandomDraws::next()
{
    return unitFromBits(engine_());
}

void RandomDraws::reseed()
{
    if (fixed_)
        return;
    static std::uint64_t counter = 0;
    std::random_device device;
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                      static_cast<std::uint32_t>(++counter), device(), device()};
    engine_.seed(seq);
}

ScriptedDraws::ScriptedDraws(std::initializer_list<double> values)
{
    for (const double v : values)
        push(v);
}

void ScriptedDraws::push(double value)
{
    if (!(value >= 0.0 && value < 1.0))
        throw std::invalid_argument("a draw must lie in [0, 1)");
    values_.push_back(value);
}

double ScriptedDraws::next()
{
    if (values_.empty())
        return 0.0;
    const double v = values_.front();
    values_.pop_front();
    return v;
}

} // namespace zenkla
