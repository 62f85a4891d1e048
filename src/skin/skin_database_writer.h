#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "layout/skin_layout.h"
#include "skin/skin_info_record.h"

namespace vorlune {

// The current time as seconds since 1970-01-01 00:00 UTC; tests pin it.
using UnixClock = std::function<std::int64_t()>;
std::int64_t SystemUnixSeconds();

// The database's time stamp: Palm OS seconds (from 1904) of Japan's wall-clock
// time, whatever zone the PC is set to, wrapped to 32 bits.
std::uint32_t SkinTimeStamp(std::int64_t unixSeconds);

// A PC clock set to a local year 1951..1997 is taken as wrong.
bool IsAbnormalSystemDate(std::int64_t unixSeconds);

// The whole skin database for a layout. `databaseName` is the file name with
// its extension in CP932 (1..30 bytes). Refused, before any file is touched,
// when the placed parts differ from `expectedPartCount` or the date is wrong.
Result<std::vector<std::uint8_t>> MakeSkinDatabase(const SkinLayout& layout, std::string_view databaseName,
                                                   std::int32_t expectedPartCount, const SkinInfoRecord& info,
                                                   std::int64_t unixSeconds);

// Replaces the file at `path` with `bytes` as a whole or not at all.
Status SaveSkinDatabase(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Makes and saves the skin database in one go.
Status WriteSkinDatabase(const SkinLayout& layout, std::string_view databaseName,
                         const std::filesystem::path& path, std::int32_t expectedPartCount,
                         const SkinInfoRecord& info, const UnixClock& clock = SystemUnixSeconds);

}  // namespace vorlune
