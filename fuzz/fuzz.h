#pragma once
// What the fuzz targets share: reading typed values from the fuzzer's bytes, and checks that
// stop the run with a message (libFuzzer keeps the input that broke one).
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fuzz {

[[noreturn]] inline void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "broken: %s %s\n", what, detail.toUtf8().constData());
    std::abort();
}

inline void check(bool condition, const char* what, const QString& detail = {})
{
    if (!condition)
        fail(what, detail);
}

// Takes values off the front of the input; past its end everything reads as 0 / empty.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    template <class T>
    T integer()
    {
        T value{};
        std::uint8_t raw[sizeof(T)] = {};
        for (std::size_t i = 0; i < sizeof(T); ++i)
            raw[i] = byte();
        std::memcpy(&value, raw, sizeof(T));
        return value;
    }
    // Up to n bytes as a byte string.
    QByteArray take(std::size_t n)
    {
        const std::size_t k = n < size_ - at_ ? n : size_ - at_;
        QByteArray b(reinterpret_cast<const char*>(data_ + at_), static_cast<qsizetype>(k));
        at_ += k;
        return b;
    }
    QByteArray rest() { return take(size_ - at_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace fuzz
