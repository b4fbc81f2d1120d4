#include "export/basWait.h"

#include <chrono>
#include <thread>

bool WaitMilliseconds(std::int32_t lngMilliseconds) {
  // The system call takes an unsigned count, where a negative number would mean forever.
  if (lngMilliseconds < 0) return false;
  std::this_thread::sleep_for(std::chrono::milliseconds(lngMilliseconds));
  return true;
}
