#pragma once
#include <cstdint>

// A source of uniform draws: draw(n) gives an integer 0 … n-1; reseed() starts a new sequence
// (before each problem).
class DrawSource {
public:
    virtual ~DrawSource() = default;
    virtual int draw(int n) = 0;
    virtual void reseed() = 0;
};

// The source every problem is drawn from: the program's one pseudo-random generator, unless a
// ScopedDrawSource has put another in its place. Two reseeds of the program's generator never
// give the same sequence, however close together they come.
DrawSource& drawSource();

// Puts another source in place of the current one for its lifetime (tests); the one before it
// comes back at its end.
class ScopedDrawSource {
public:
    explicit ScopedDrawSource(DrawSource& source);
    ~ScopedDrawSource();
    ScopedDrawSource(const ScopedDrawSource&) = delete;
    ScopedDrawSource& operator=(const ScopedDrawSource&) = delete;

private:
    DrawSource* previous_;
};

// drawSource().draw(n) and drawSource().reseed().
int draw(int n);
void reseed();

// Makes every later reseed of the program's generator deterministic (tests): the k-th reseed
// after this call always gives the same sequence for the same base.
void fixSeed(std::uint64_t base);
