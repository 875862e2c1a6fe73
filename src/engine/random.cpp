#include "random.h"

#include <chrono>

namespace vindra {

std::uint32_t Random::seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return static_cast<std::uint32_t>(ticks) ^ device();
}

} // namespace vindra
