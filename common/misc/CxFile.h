#pragma once
// A binary file of 32-bit little-endian integers and length-prefixed strings, read and
// written through one standard I/O stream.
#include <cstddef>
#include <cstdint>
#include <cstdio>

class CxFile {
public:
    CxFile();
    virtual ~CxFile();
    CxFile(const CxFile&) = delete;
    CxFile& operator=(const CxFile&) = delete;

    // False for a null or empty path or mode, or when the stream does not open. Only valid
    // while no stream is open.
    bool Open(const char* szPath, const char* szMode);
    // Takes over a stream opened elsewhere (a file created exclusively, for one); it is
    // closed by Close. Only valid while no stream is open.
    bool Attach(std::FILE* fp);
    // False only when closing an open stream reports an error (data that never reached the
    // file); harmless when nothing is open.
    bool Close();
    bool IsOpen() const { return m_fp != nullptr; }

    // Reads a length and, when it is positive, that many bytes plus a terminating NUL into
    // szBuf. A length of 0 or less reads nothing more and leaves szBuf untouched. A length
    // that would not fit nBufSize with its NUL is stored to pnLen but not read, and the call
    // returns false; so does a stream that ends or fails before the string is complete.
    bool ReadString(char* szBuf, std::size_t nBufSize, std::int32_t* pnLen = nullptr);
    template <std::size_t N>
    bool ReadString(char (&szBuf)[N], std::int32_t* pnLen = nullptr) {
        return ReadString(static_cast<char*>(szBuf), N, pnLen);
    }
    // False when the stream ends or fails before 4 bytes were read.
    bool ReadInt(std::int32_t* piVal);

    // A null or empty string is the length 0 alone; otherwise the length and the bytes
    // before the NUL, without the NUL. The second form writes at most nMaxLen bytes, for
    // fields that may lack their NUL.
    bool WriteString(const char* szStr);
    bool WriteString(const char* szStr, std::size_t nMaxLen);
    bool WriteInt(std::int32_t nVal);

    // True when no byte is left to read; false also when the stream fails instead.
    bool AtEnd();
    // Reads and discards the rest of the stream; returns how many bytes it held.
    std::uint64_t SkipToEnd();
    // Whether the stream reported a read or write error (not merely the end of the file).
    bool HasError() const;
    // Pushes everything written so far to the storage device.
    bool Flush();
    // How many bytes were read or written so far, and the stream's file descriptor.
    std::uint64_t Position() const;
    int Descriptor() const;

private:
    bool WriteBytes(const void* pData, std::size_t nSize);

    std::FILE* m_fp;
};
