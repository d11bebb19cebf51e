#include "platform/gfx/JpegLibrary.h"

#include <dlfcn.h>

#include <mutex>
#include <string>

#include "platform/gfx/CodecError.h"

namespace gfx {

namespace {

// The name the runtime package installs the library under; the build reads it from the
// library it compiled against, so the headers' structures match the loaded code.
constexpr const char* kLibraryName = QV_JPEG_LIBRARY;

struct Loaded {
    std::mutex mutex;
    int users = 0;
    void* handle = nullptr;
    JpegFunctions functions{};
};

Loaded& State() {
    static Loaded loaded;
    return loaded;
}

[[noreturn]] void Fail(const std::string& what) {
    const char* reason = dlerror();
    throw CodecError("JPEG: cannot load " + what + (reason ? std::string(": ") + reason : ""));
}

template <typename Function>
void Bind(void* handle, Function& function, const char* name) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
    if (!function) Fail(std::string(name) + " from " + kLibraryName);
}

JpegFunctions Bound(void* handle) {
    JpegFunctions f{};
    Bind(handle, f.std_error, "jpeg_std_error");
    Bind(handle, f.create_decompress, "jpeg_CreateDecompress");
    Bind(handle, f.destroy_decompress, "jpeg_destroy_decompress");
    Bind(handle, f.mem_src, "jpeg_mem_src");
    Bind(handle, f.read_header, "jpeg_read_header");
    Bind(handle, f.start_decompress, "jpeg_start_decompress");
    Bind(handle, f.read_scanlines, "jpeg_read_scanlines");
    Bind(handle, f.finish_decompress, "jpeg_finish_decompress");
    Bind(handle, f.create_compress, "jpeg_CreateCompress");
    Bind(handle, f.destroy_compress, "jpeg_destroy_compress");
    Bind(handle, f.mem_dest, "jpeg_mem_dest");
    Bind(handle, f.set_defaults, "jpeg_set_defaults");
    Bind(handle, f.set_quality, "jpeg_set_quality");
    Bind(handle, f.start_compress, "jpeg_start_compress");
    Bind(handle, f.write_scanlines, "jpeg_write_scanlines");
    Bind(handle, f.finish_compress, "jpeg_finish_compress");
    return f;
}

}  // namespace

const char* JpegLibrary::Name() {
    return kLibraryName;
}

JpegLibrary::JpegLibrary() {
    Loaded& state = State();
    std::lock_guard lock(state.mutex);
    if (state.users == 0) {
        void* handle = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
        if (!handle) Fail(kLibraryName);
        try {
            state.functions = Bound(handle);
        } catch (...) {
            dlclose(handle);
            throw;
        }
        state.handle = handle;
    }
    ++state.users;
    m_functions = &state.functions;
}

JpegLibrary::~JpegLibrary() {
    Loaded& state = State();
    std::lock_guard lock(state.mutex);
    if (--state.users > 0) return;
    dlclose(state.handle);
    state.handle = nullptr;
    state.functions = {};
}

}  // namespace gfx
