#include "common/misc/CxFile.h"

#include <unistd.h>

#include <cstring>

#include "common/misc/CxAssert.h"
#include "platform/io/FileFault.h"

namespace {

void EncodeInt(std::int32_t nVal, unsigned char* pBytes) {
    const auto nBits = static_cast<std::uint32_t>(nVal);
    for (int i = 0; i < 4; ++i) pBytes[i] = static_cast<unsigned char>(nBits >> (8 * i));
}

std::int32_t DecodeInt(const unsigned char* pBytes) {
    std::uint32_t nBits = 0;
    for (int i = 0; i < 4; ++i) nBits |= static_cast<std::uint32_t>(pBytes[i]) << (8 * i);
    return static_cast<std::int32_t>(nBits);
}

}  // namespace

CxFile::CxFile() : m_fp(nullptr) {}

CxFile::~CxFile() {
    Close();
}

bool CxFile::Open(const char* szPath, const char* szMode) {
    // A second Open would lose the stream that is still open.
    CX_ASSERT(!m_fp);
    if (!szPath || !*szPath || !szMode || !*szMode) return false;
    m_fp = std::fopen(szPath, szMode);
    return m_fp != nullptr;
}

bool CxFile::Attach(std::FILE* fp) {
    CX_ASSERT(!m_fp);
    m_fp = fp;
    return m_fp != nullptr;
}

bool CxFile::Close() {
    if (!m_fp) return true;
    std::FILE* fp = m_fp;
    m_fp = nullptr;
    return io::CloseStream(fp);
}

bool CxFile::ReadString(char* szBuf, std::size_t nBufSize, std::int32_t* pnLen) {
    // clang-format off
    CX_ASSERT(m_fp&&szBuf);
    // clang-format on
    std::int32_t nLen = 0;
    if (!ReadInt(&nLen)) return false;
    if (pnLen) *pnLen = nLen;
    if (nLen <= 0) return true;
    if (static_cast<std::size_t>(nLen) >= nBufSize) return false;

    const std::size_t nGot = std::fread(szBuf, 1, static_cast<std::size_t>(nLen), m_fp);
    szBuf[nGot] = '\0';
    return nGot == static_cast<std::size_t>(nLen);
}

bool CxFile::ReadInt(std::int32_t* piVal) {
    CX_ASSERT(m_fp && piVal);
    unsigned char bytes[4];
    if (std::fread(bytes, 1, sizeof bytes, m_fp) != sizeof bytes) return false;
    *piVal = DecodeInt(bytes);
    return true;
}

bool CxFile::WriteString(const char* szStr) {
    return WriteString(szStr, szStr ? std::strlen(szStr) : 0);
}

bool CxFile::WriteString(const char* szStr, std::size_t nMaxLen) {
    CX_ASSERT(m_fp);
    const std::size_t nLen = szStr ? strnlen(szStr, nMaxLen) : 0;
    if (nLen > INT32_MAX) return false;
    if (!WriteInt(static_cast<std::int32_t>(nLen))) return false;
    return nLen == 0 || WriteBytes(szStr, nLen);
}

bool CxFile::WriteInt(std::int32_t nVal) {
    CX_ASSERT(m_fp);
    unsigned char bytes[4];
    EncodeInt(nVal, bytes);
    return WriteBytes(bytes, sizeof bytes);
}

bool CxFile::WriteBytes(const void* pData, std::size_t nSize) {
    return io::WriteStream(m_fp, pData, nSize) == nSize;
}

bool CxFile::AtEnd() {
    CX_ASSERT(m_fp);
    const int c = std::fgetc(m_fp);
    if (c == EOF) return std::feof(m_fp) != 0 && std::ferror(m_fp) == 0;
    std::ungetc(c, m_fp);
    return false;
}

std::uint64_t CxFile::SkipToEnd() {
    CX_ASSERT(m_fp);
    std::uint64_t nSkipped = 0;
    char buffer[4096];
    std::size_t nGot = 0;
    while ((nGot = std::fread(buffer, 1, sizeof buffer, m_fp)) > 0) nSkipped += nGot;
    return nSkipped;
}

bool CxFile::HasError() const {
    CX_ASSERT(m_fp);
    return std::ferror(m_fp) != 0;
}

bool CxFile::Flush() {
    CX_ASSERT(m_fp);
    return io::FlushStream(m_fp) && io::SyncDescriptor(::fileno(m_fp));
}

std::uint64_t CxFile::Position() const {
    CX_ASSERT(m_fp);
    const long nAt = std::ftell(m_fp);
    return nAt < 0 ? 0 : static_cast<std::uint64_t>(nAt);
}

int CxFile::Descriptor() const {
    CX_ASSERT(m_fp);
    return ::fileno(m_fp);
}
