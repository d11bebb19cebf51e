#pragma once
// The abbreviation record: fixed-width fields, created zero-filled, copied as one block and
// keyed by its title.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

constexpr std::int32_t AbbrFlagCommand = 0x1;
constexpr std::int32_t AbbrFlagKeyword = 0x2;

struct AbbrInfo {
    char szTitle[8];
    char szInfo[256];
    char szSample[256];
    std::int32_t nFlag;
    std::int32_t nReserved[4];
    char szReserved[4][2];
};

static_assert(sizeof(AbbrInfo) == 548);
static_assert(offsetof(AbbrInfo, szTitle) == 0);
static_assert(offsetof(AbbrInfo, szInfo) == 8);
static_assert(offsetof(AbbrInfo, szSample) == 264);
static_assert(offsetof(AbbrInfo, nFlag) == 520);
static_assert(offsetof(AbbrInfo, nReserved) == 524);
static_assert(offsetof(AbbrInfo, szReserved) == 540);

// The longest text each field holds; the byte after it is the terminating NUL.
constexpr std::size_t AbbrTitleMax = sizeof(AbbrInfo::szTitle) - 1;
constexpr std::size_t AbbrTextMax = sizeof(AbbrInfo::szInfo) - 1;
constexpr std::size_t AbbrReservedMax = sizeof(AbbrInfo::szReserved[0]) - 1;

// The text of a fixed-width field: a damaged record may lack its terminating NUL.
template <std::size_t N>
std::string FieldText(const char (&szField)[N]) {
    return std::string(szField, strnlen(szField, N));
}
