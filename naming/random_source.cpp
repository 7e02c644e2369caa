#include "naming/random_source.h"

#include <chrono>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace morvenda {

namespace {
constexpr std::uint32_t Multiplier = 134775813;
}

RandomSource::RandomSource() : RandomSource(HighResolutionCounter) {}

RandomSource::RandomSource(ReseedSource reseed) : reseed_(std::move(reseed)) {}

std::int32_t RandomSource::NextRandom(std::int32_t n) {
    state_ = state_ * Multiplier + 1;  // wraps modulo 2^32
    const std::uint64_t product = std::uint64_t{state_} * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(product >> 32);
}

void RandomSource::ReseedRandom() {
    state_ = reseed_();
}

std::uint32_t HighResolutionCounter() {
#if defined(__x86_64__) || defined(__i386__)
    // A shuffle of the largest buffer reseeds a quarter million times; the cycle counter is
    // read in a third of the time the clock takes.
    return static_cast<std::uint32_t>(__rdtsc());
#else
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

}  // namespace morvenda
