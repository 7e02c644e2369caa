#pragma once
// The one random sequence every drawing step of a generation run takes its values from.

#include <algorithm>
#include <cstdint>
#include <functional>

namespace morvenda {

class RandomSource {
  public:
    // Where a reseed takes its new state from; injectable so that tests see fixed sequences.
    using ReseedSource = std::function<std::uint32_t()>;

    // Reseeds from the processor's high-resolution counter.
    RandomSource();
    explicit RandomSource(ReseedSource reseed);

    // 0 … n − 1 for 0 < n < 2^31, and 0 for n = 0: the high half of state × n after one step
    // of the linear congruential generator.
    std::int32_t NextRandom(std::int32_t n) {
        state_ = state_ * Multiplier + 1;  // wraps modulo 2^32
        const std::uint64_t product = std::uint64_t{state_} * static_cast<std::uint32_t>(n);
        return static_cast<std::int32_t>(product >> 32);
    }

    // The state becomes the reseed source's next value. Nothing seeds at construction: the
    // state starts at 0, so the draws before the first reseed are the same after every start.
    void ReseedRandom() { state_ = reseed_(); }

    // For each of count steps: ReseedRandom(), then two draws below n, handed to visit(i, j).
    // The reseed source is read a few steps ahead of the draws; it is read in the same order
    // and once per step, so the pairs are the same, but the counter reads no longer wait for
    // the caller's work on the previous pair.
    template <typename Visit>
    void ReseededPairs(std::int32_t count, std::int32_t n, Visit visit) {
        constexpr std::int32_t ReadAhead = 16;
        std::uint32_t seeds[ReadAhead];
        for (std::int32_t done = 0; done < count;) {
            const std::int32_t batch = std::min(ReadAhead, count - done);
            for (std::int32_t k = 0; k < batch; ++k) {
                seeds[k] = reseed_();
            }
            for (std::int32_t k = 0; k < batch; ++k) {
                state_ = seeds[k];
                const std::int32_t i = NextRandom(n);
                visit(i, NextRandom(n));
            }
            done += batch;
        }
    }

  private:
    static constexpr std::uint32_t Multiplier = 134775813;

    std::uint32_t state_ = 0;
    ReseedSource reseed_;
};

// The low 32 bits of the processor's cycle counter, or of the steady clock where there is
// none; fast enough to be read before every swap of a shuffle.
std::uint32_t HighResolutionCounter();

}  // namespace morvenda
