// Result codes of the Windows-style interfaces the stand-in offers (sound
// device, keyboard device): 32-bit values, negative for a failure, with the
// values the module's callers compare against.
#pragma once

#include <cstdint>

namespace platform {

using Result = int32_t;
constexpr Result kOk = 0;
constexpr Result kFail = static_cast<Result>(0x80004005u);
constexpr Result kInvalidArg = static_cast<Result>(0x80070057u);
constexpr Result kNotImplemented = static_cast<Result>(0x80004001u);
constexpr Result kNoInterface = static_cast<Result>(0x80004002u);
constexpr Result kOutOfMemory = static_cast<Result>(0x8007000Eu);
constexpr Result kUnexpected = static_cast<Result>(0x8000FFFFu);
constexpr Result kNotInitialized = static_cast<Result>(0x800401F0u);

constexpr bool Failed(Result result) { return result < 0; }
constexpr bool Succeeded(Result result) { return result >= 0; }

}  // namespace platform
