#pragma once
// The one random sequence every drawing step of a generation run takes its values from.

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
    std::int32_t NextRandom(std::int32_t n);

    // The state becomes the reseed source's next value. Nothing seeds at construction: the
    // state starts at 0, so the draws before the first reseed are the same after every start.
    void ReseedRandom();

  private:
    std::uint32_t state_ = 0;
    ReseedSource reseed_;
};

// The low 32 bits of the processor's cycle counter, or of the steady clock where there is
// none; fast enough to be read before every swap of a shuffle.
std::uint32_t HighResolutionCounter();

}  // namespace morvenda
