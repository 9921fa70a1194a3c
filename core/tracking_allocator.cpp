// Allocation records and the leak report.
#include "core/tracking_allocator.h"

#include <cinttypes>
#include <cstring>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/ini.h"
#include "platform/paths.h"

namespace halcyon {
namespace {

constexpr const wchar_t* kReportSection = L"MEMORY NOT DEALLOCATED";
constexpr const wchar_t* kTotalKey = L"Total Unfreed:";
constexpr size_t kReportLineChars = 1024;

// Created by the first tracked allocation, kept for the life of the process.
std::optional<std::vector<AllocRecord>> g_leakList;

}  // namespace

void* TrackedNew(size_t size, const char* file, uint32_t line) {
  void* pointer = std::malloc(size);
  if (pointer != nullptr) AddTrack(reinterpret_cast<uintptr_t>(pointer), size, file, line);
  return pointer;
}

void TrackedDelete(void* pointer) {
  RemoveTrack(reinterpret_cast<uintptr_t>(pointer));
  std::free(pointer);
}

void AddTrack(uint64_t address, uint64_t size, const char* file, uint32_t line) {
  if (!g_leakList) g_leakList.emplace();
  AllocRecord record{address, size, {}, line};
  if (file != nullptr) std::strncpy(record.file, file, kAllocFileChars - 1);
  g_leakList->push_back(record);
}

void RemoveTrack(uint64_t address) {
  if (!g_leakList) return;
  for (auto it = g_leakList->begin(); it != g_leakList->end(); ++it) {
    if (it->address == address) {
      g_leakList->erase(it);
      return;
    }
  }
}

void DumpUnfreed(const wchar_t* reportPath) {
  if (!g_leakList) return;
  uint64_t totalBytes = 0;
  uint32_t number = 0;
  for (const AllocRecord& record : *g_leakList) {
    // Addresses and sizes as 64-bit numbers; no line break inside an INI value.
    wchar_t text[kReportLineChars];
    std::swprintf(text, kReportLineChars, L"%-50ls:\t\tLINE %u,\t\tADDRESS %" PRIu64 "\t%" PRIu64 " unfreed",
                  platform::Widen(record.file).c_str(), record.line, record.address, record.size);
    wchar_t key[16];
    std::swprintf(key, std::size(key), L"%u", ++number);
    platform::WritePrivateProfileString(kReportSection, key, text, reportPath);
    totalBytes += record.size;
  }
  wchar_t total[64];
  std::swprintf(total, std::size(total), L"%" PRIu64 " bytes", totalBytes);
  platform::WritePrivateProfileString(kReportSection, kTotalKey, total, reportPath);
}

}  // namespace halcyon
