#include "platform/gfx/JpegCodec.h"

#include <csetjmp>
#include <cstdlib>

#include "platform/gfx/JpegLibrary.h"

namespace gfx {

namespace {

// libjpeg reports errors through this manager; it jumps back to the guarded call with the
// message kept, so that the exception is thrown from C++ code, never through the C library.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings are what libjpeg says about a damaged or truncated stream before it pads the
// rest of the picture with grey; a damaged banner should fail loudly instead.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) OnError(info);
}

void InstallErrorManager(const JpegLibrary& jpeg, ErrorManager& manager) {
    jpeg->std_error(&manager.base);
    manager.base.error_exit = OnError;
    manager.base.emit_message = OnMessage;
    manager.message[0] = '\0';
}

// Runs one step of libjpeg work. Nothing with a destructor may live in the step's frame,
// because an error leaves it by longjmp.
template <typename Info, typename Context>
bool Guarded(Info* info, ErrorManager& manager, void (*step)(Info*, Context*), Context* context) {
    if (setjmp(manager.jump) != 0) return false;
    step(info, context);
    return true;
}

struct DecodeContext {
    const JpegFunctions* jpeg;
    const std::uint8_t* data;
    std::size_t size;
    Bitmap* bitmap;
};

void ReadHeader(jpeg_decompress_struct* info, DecodeContext* context) {
    context->jpeg->create_decompress(info, JPEG_LIB_VERSION, sizeof *info);
    context->jpeg->mem_src(info, context->data, static_cast<unsigned long>(context->size));
    context->jpeg->read_header(info, TRUE);
    info->out_color_space = JCS_EXT_BGRA;  // the memory order of our 32-bit pixels
}

// Starting may allocate for the whole picture (a progressive one keeps every coefficient),
// so it comes only after the declared size was accepted.
void StartDecode(jpeg_decompress_struct* info, DecodeContext* context) {
    context->jpeg->start_decompress(info);
}

void DecodeRows(jpeg_decompress_struct* info, DecodeContext* context) {
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(
            context->bitmap->Row(static_cast<int>(info->output_scanline)));
        context->jpeg->read_scanlines(info, &row, 1);
    }
    context->jpeg->finish_decompress(info);
}

struct EncodeContext {
    const JpegFunctions* jpeg;
    const Bitmap* bitmap;
    int quality;
    unsigned char* buffer;
    unsigned long size;
};

void Encode(jpeg_compress_struct* info, EncodeContext* context) {
    const JpegFunctions& jpeg = *context->jpeg;
    jpeg.create_compress(info, JPEG_LIB_VERSION, sizeof *info);
    jpeg.mem_dest(info, &context->buffer, &context->size);
    info->image_width = static_cast<JDIMENSION>(context->bitmap->Width());
    info->image_height = static_cast<JDIMENSION>(context->bitmap->Height());
    info->input_components = 4;
    info->in_color_space = JCS_EXT_BGRX;
    jpeg.set_defaults(info);
    jpeg.set_quality(info, context->quality, TRUE);
    // Full-resolution colour: the pictures we write are interface art with sharp colour
    // edges, which halved chroma would smear.
    for (int i = 0; i < info->num_components; ++i)
        info->comp_info[i].h_samp_factor = info->comp_info[i].v_samp_factor = 1;
    jpeg.start_compress(info, TRUE);
    while (info->next_scanline < info->image_height) {
        auto* row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(
            context->bitmap->Row(static_cast<int>(info->next_scanline))));
        jpeg.write_scanlines(info, &row, 1);
    }
    jpeg.finish_compress(info);
}

[[noreturn]] void Fail(const char* message) {
    throw CodecError(std::string("JPEG: ") + message);
}

}  // namespace

Bitmap ReadJpeg(std::span<const std::uint8_t> data) {
    if (data.empty()) Fail("the file is empty");
    const JpegLibrary jpeg;
    jpeg_decompress_struct info{};
    ErrorManager manager;
    InstallErrorManager(jpeg, manager);
    info.err = &manager.base;
    Bitmap bitmap;
    DecodeContext context{&*jpeg, data.data(), data.size(), &bitmap};
    struct Destroyer {
        const JpegLibrary& jpeg;
        jpeg_decompress_struct* info;
        ~Destroyer() { jpeg->destroy_decompress(info); }
    } destroyer{jpeg, &info};

    if (!Guarded(&info, manager, ReadHeader, &context)) Fail(manager.message);
    CheckPictureSize("JPEG", info.image_width, info.image_height);
    if (!Guarded(&info, manager, StartDecode, &context)) Fail(manager.message);
    const long long width = info.output_width;
    const long long height = info.output_height;
    bitmap = Bitmap(static_cast<int>(width), static_cast<int>(height));
    if (!Guarded(&info, manager, DecodeRows, &context)) Fail(manager.message);
    bitmap.SetFormat(PixelFormat::Bits24);
    return bitmap;
}

Bitmap ReadJpegFile(const std::string& path) {
    const std::vector<std::uint8_t> data = ReadWholeFile(path, "JPEG");
    try {
        return ReadJpeg(data);
    } catch (const CodecError& e) {
        throw CodecError(std::string(e.what()) + " (\"" + path + "\")");
    }
}

std::vector<std::uint8_t> WriteJpeg(const Bitmap& bitmap, int quality) {
    if (bitmap.IsEmpty()) Fail("cannot write a picture without pixels");
    if (quality < 1 || quality > 100)
        throw CodecError("JPEG: quality " + std::to_string(quality) + " is outside 1 to 100");
    const JpegLibrary jpeg;
    jpeg_compress_struct info{};
    ErrorManager manager;
    InstallErrorManager(jpeg, manager);
    info.err = &manager.base;
    EncodeContext context{&*jpeg, &bitmap, quality, nullptr, 0};
    struct Destroyer {
        const JpegLibrary& jpeg;
        jpeg_compress_struct* info;
        EncodeContext* context;
        ~Destroyer() {
            jpeg->destroy_compress(info);
            std::free(context->buffer);
        }
    } destroyer{jpeg, &info, &context};

    if (!Guarded(&info, manager, Encode, &context)) Fail(manager.message);
    return std::vector<std::uint8_t>(context.buffer, context.buffer + context.size);
}

void WriteJpegFile(const Bitmap& bitmap, const std::string& path, int quality) {
    WriteWholeFile(path, WriteJpeg(bitmap, quality), "JPEG");
}

}  // namespace gfx
