#pragma once
// libjpeg, loaded while a picture is read or written and unloaded when the last reader or
// writer is done. A program that decodes one banner at its start would otherwise keep the
// codec's half megabyte of pages for the rest of its run.
#include <cstddef>
#include <cstdio>  // jpeglib.h uses FILE without including its header

#include <jpeglib.h>

namespace gfx {

// The functions of libjpeg's API the codec calls, as the loaded library has them.
struct JpegFunctions {
    decltype(&::jpeg_std_error) std_error;
    decltype(&::jpeg_CreateDecompress) create_decompress;
    decltype(&::jpeg_destroy_decompress) destroy_decompress;
    decltype(&::jpeg_mem_src) mem_src;
    decltype(&::jpeg_read_header) read_header;
    decltype(&::jpeg_start_decompress) start_decompress;
    decltype(&::jpeg_read_scanlines) read_scanlines;
    decltype(&::jpeg_finish_decompress) finish_decompress;
    decltype(&::jpeg_CreateCompress) create_compress;
    decltype(&::jpeg_destroy_compress) destroy_compress;
    decltype(&::jpeg_mem_dest) mem_dest;
    decltype(&::jpeg_set_defaults) set_defaults;
    decltype(&::jpeg_set_quality) set_quality;
    decltype(&::jpeg_start_compress) start_compress;
    decltype(&::jpeg_write_scanlines) write_scanlines;
    decltype(&::jpeg_finish_compress) finish_compress;
};

// Keeps libjpeg loaded while it lives; any number may live at once, on any thread. Throws
// CodecError when the library cannot be loaded or lacks a function.
class JpegLibrary {
public:
    JpegLibrary();
    ~JpegLibrary();
    JpegLibrary(const JpegLibrary&) = delete;
    JpegLibrary& operator=(const JpegLibrary&) = delete;

    // The file name it is loaded by.
    static const char* Name();

    const JpegFunctions& operator*() const { return *m_functions; }
    const JpegFunctions* operator->() const { return m_functions; }

private:
    const JpegFunctions* m_functions;
};

}  // namespace gfx
