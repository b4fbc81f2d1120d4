#pragma once
// The bytes this process holds on the heap, counted by the allocation functions of the C
// library replaced in this program (HeapCount.cpp), so that libgsf's allocations count as
// well as the program's own.

#include <cstddef>

namespace benchmpp {

// The bytes held now, and the most held since the last ResetPeak().
std::size_t HeapInUse();
std::size_t HeapPeak();
void ResetPeak();

}  // namespace benchmpp
