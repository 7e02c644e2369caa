#include "naming/random_source.h"

#include <chrono>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace morvenda {

RandomSource::RandomSource() : RandomSource(HighResolutionCounter) {}

RandomSource::RandomSource(ReseedSource reseed) : reseed_(std::move(reseed)) {}

std::uint32_t HighResolutionCounter() {
#if defined(__x86_64__) || defined(__i386__)
    // An advanced run reseeds some 200000 times; the cycle counter is read in well under half
    // the time the steady clock takes.
    return static_cast<std::uint32_t>(__rdtsc());
#else
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

}  // namespace morvenda
