// The tracking allocator: allocations made through TrackedNew are recorded
// with their source file, line and size until TrackedDelete releases them,
// and the leak report at shut-down lists the ones still held. The module's
// ordinary objects use the plain allocator, so in an ordinary run nothing is
// tracked and no report is written. Drives ".\Gauges\HalcyonMemleak.ini".
#pragma once

#include <cstddef>
#include <cstdint>

namespace halcyon {

constexpr size_t kAllocFileChars = 64;  // the file name field, terminator included

struct AllocRecord {
  uint64_t address;
  uint64_t size;
  char file[kAllocFileChars];  // at most 63 characters of the file name
  uint32_t line;
};

// malloc and free with a record each; a failed allocation gives null and is
// not recorded.
void* TrackedNew(size_t size, const char* file, uint32_t line);
void TrackedDelete(void* pointer);
void AddTrack(uint64_t address, uint64_t size, const char* file, uint32_t line);
// Forgets the first record of that address; nothing when there is none.
void RemoveTrack(uint64_t address);
// Section "MEMORY NOT DEALLOCATED" of the INI file at reportPath: one line per
// record still held and "Total Unfreed:". Writes nothing when no tracked
// allocation was ever made.
void DumpUnfreed(const wchar_t* reportPath);

}  // namespace halcyon
