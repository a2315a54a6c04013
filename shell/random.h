#pragma once
#include <cstdint>

// The program's one pseudo-random generator. draw(n) gives a uniform integer 0 … n-1.
// reseed() seeds it anew before each problem; two reseeds never give the same sequence,
// however close together they come.
int draw(int n);
void reseed();

// Makes every later reseed deterministic (tests): the k-th reseed after this call
// always gives the same sequence for the same base.
void fixSeed(std::uint64_t base);
