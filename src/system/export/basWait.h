#pragma once
// A pause of the calling thread.

#include <cstdint>

// Waits lngMilliseconds and returns true; false, without waiting, for a negative time.
bool WaitMilliseconds(std::int32_t lngMilliseconds);
