#pragma once
// Builds data file bytes by hand, so that tests state the layout independently of the writer.
#include <array>
#include <cstdint>
#include <string>

#include "src/AbbrInfo.h"

class DataBytes {
public:
    DataBytes& Int(std::int32_t n) {
        const auto u = static_cast<std::uint32_t>(n);
        for (int i = 0; i < 4; ++i) m_bytes += static_cast<char>((u >> (8 * i)) & 0xFF);
        return *this;
    }
    DataBytes& Str(const std::string& sz) {
        Int(static_cast<std::int32_t>(sz.size()));
        m_bytes += sz;
        return *this;
    }
    DataBytes& Raw(const std::string& sz) {
        m_bytes += sz;
        return *this;
    }
    // One record with its reserved fields.
    DataBytes& Record(const std::string& szTitle, const std::string& szInfo = "",
                      const std::string& szSample = "", std::int32_t nFlag = 0,
                      std::array<std::int32_t, 4> nReserved = {},
                      std::array<std::string, 4> szReserved = {}) {
        Str(szTitle).Str(szInfo).Str(szSample).Int(nFlag);
        for (const std::int32_t n : nReserved) Int(n);
        for (const std::string& sz : szReserved) Str(sz);
        return *this;
    }
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

inline AbbrInfo MakeInfo(const std::string& szTitle, const std::string& szInfo = "",
                         std::int32_t nFlag = 0) {
    AbbrInfo info{};
    szTitle.copy(info.szTitle, sizeof info.szTitle);
    szInfo.copy(info.szInfo, sizeof info.szInfo - 1);
    info.nFlag = nFlag;
    return info;
}
