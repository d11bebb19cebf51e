#include <gtest/gtest.h>

#include <cstdio>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include <unistd.h>

#include "platform/gfx/JpegCodec.h"
#include "platform/io/FileFault.h"
#include "platform/vcl/graphics/Bitmap.h"
#include "platform/vcl/graphics/Canvas.h"
#include "platform/vcl/streaming/FormReader.h"
#include "platform/vcl/streaming/FormWriter.h"
#include "platform/vcl/graphics/ImageList.h"
#include "platform/vcl/graphics/JPEGImage.h"
#include "platform/vcl/graphics/Picture.h"
#include "platform/vcl/core/Resources.h"
#include "platform/vcl/core/SysUtils.h"
#include "tests/platform/vcl/TestComponents.h"

void RegisterVclTestResources();

namespace {

class Graphics : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterVclTestResources();
        RegisterTestClasses();
    }

    // Writes form, reads the text into a new form and returns it.
    static std::unique_ptr<TTestForm> RoundTrip(TTestForm& form, std::string* text = nullptr) {
        const std::string written = TFormWriter().WriteDescription(form);
        if (text) *text = written;
        auto again = std::make_unique<TTestForm>(nullptr);
        TFormReader("RoundTrip.dfm").ReadRootComponent(*again, written);
        return again;
    }
};

TEST_F(Graphics, BitmapResourceByName) {
    const gfx::Bitmap b = LoadBitmap("vcl_test_picture");
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(b.GetPixel(0, 0), clRed);
    EXPECT_EQ(b.GetPixel(2, 0), clBlue);
    EXPECT_EQ(b.GetPixel(2, 1), clFuchsia);
    EXPECT_THROW(LoadBitmap("VCL_TEST_BLOB"), EResNotFound);  // data, not a bitmap
    TBitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromResourceName("NO_SUCH_PICTURE"), EResNotFound);
}

TEST_F(Graphics, FontSizeAndHeightAgreeAndChangesAreReported) {
    TFont font;
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(8);
    EXPECT_EQ(font.GetHeight(), -11);
    EXPECT_EQ(changes, 0);  // -11 already
    font.SetHeight(-16);
    EXPECT_EQ(font.GetSize(), 12);
    font.SetStyle(fsBold | fsUnderline);
    font.SetStyle(fsBold | fsUnderline);
    EXPECT_EQ(changes, 2);
    TFont copy;
    copy.Assign(&font);
    EXPECT_EQ(copy.Desc(), font.Desc());
}

TEST_F(Graphics, CanvasDrawsIntoItsBitmapWithItsTools) {
    TBitmap bitmap(10, 10);
    int changes = 0;
    bitmap.OnChange = [&](TObject*) { ++changes; };
    TCanvas* canvas = bitmap.GetCanvas();
    canvas->GetBrush()->SetColor(clRed);
    canvas->FillRect(Rect(2, 2, 5, 5));
    canvas->GetPen()->SetColor(clBlue);
    canvas->MoveTo(0, 9);
    canvas->LineTo(10, 9);
    EXPECT_EQ(bitmap.Image().GetPixel(2, 2), clRed);
    EXPECT_EQ(bitmap.Image().GetPixel(4, 4), clRed);
    EXPECT_EQ(bitmap.Image().GetPixel(5, 5), clWhite);  // right and bottom excluded
    EXPECT_EQ(bitmap.Image().GetPixel(9, 9), clBlue);
    EXPECT_GT(changes, 0);

    TBitmap copy;
    copy.SetSize(10, 10);
    copy.GetCanvas()->Draw(0, 0, &bitmap);
    EXPECT_EQ(copy.Image(), bitmap.Image());
}

// A canvas that, like a control's, finds its target only when first drawn on.
class TLateCanvas : public TCanvas {
public:
    gfx::Bitmap surface{4, 4};
    gfx::Canvas target{surface};
    bool provide = true;

protected:
    void CreateHandle() override {
        if (provide) SetTarget(&target);
    }
};

TEST_F(Graphics, CanvasGetsItsTargetOnFirstUseOrRefuses) {
    TLateCanvas late;
    late.GetBrush()->SetColor(clLime);
    late.FillRect(Rect(0, 0, 4, 4));
    EXPECT_EQ(late.surface.GetPixel(3, 3), clLime);

    TLateCanvas none;
    none.provide = false;
    EXPECT_THROW(none.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST_F(Graphics, BitmapTransparencyAndPixelFormat) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName("VCL_TEST_PICTURE");
    EXPECT_EQ(bitmap.GetPixelFormat(), pf24bit);
    EXPECT_EQ(bitmap.GetTransparentMode(), tmAuto);
    EXPECT_EQ(bitmap.GetTransparentColor(), clWhite);  // the bottom-left pixel
    bitmap.SetTransparentColor(clFuchsia);
    EXPECT_EQ(bitmap.GetTransparentMode(), tmFixed);
    bitmap.SetTransparentMode(tmAuto);
    EXPECT_EQ(bitmap.GetTransparentColor(), clWhite);
    EXPECT_THROW(bitmap.SetPixelFormat(pf16bit), EInvalidGraphic);
    bitmap.SetPixelFormat(pf32bit);
    EXPECT_EQ(bitmap.GetPixelFormat(), pf32bit);

    // Drawn transparent, the white pixel leaves what is under it.
    bitmap.SetTransparent(true);
    TBitmap under(3, 2);
    under.GetCanvas()->GetBrush()->SetColor(clGray);
    under.GetCanvas()->FillRect(Rect(0, 0, 3, 2));
    under.GetCanvas()->Draw(0, 0, &bitmap);
    EXPECT_EQ(under.Image().GetPixel(0, 1), clGray);
    EXPECT_EQ(under.Image().GetPixel(1, 1), clBlack);

    EXPECT_THROW(bitmap.LoadFromBytes(std::vector<std::uint8_t>{'B', 'M', 1, 2}), EInvalidGraphic);
}

TEST_F(Graphics, PictureDataRoundTripsThroughADescription) {
    struct Case {
        const char* what;
        bool jpeg;
    };
    for (const Case& c : {Case{"bitmap", false}, Case{"jpeg", true}}) {
        SCOPED_TRACE(c.what);
        TTestForm form(nullptr);
        form.SetName("F");
        auto* image = new TTestImage(&form);
        image->SetName("imgTop");
        TBitmap source;
        source.LoadFromResourceName("VCL_TEST_PICTURE");
        if (c.jpeg) {
            TJPEGImage jpeg;
            jpeg.Assign(&source);
            image->GetPicture()->SetGraphic(&jpeg);
        } else {
            image->GetPicture()->SetGraphic(&source);
        }
        image->GetFont()->SetStyle(fsBold);
        image->GetFont()->SetName("Tahoma");

        std::string text;
        auto again = RoundTrip(form, &text);
        EXPECT_NE(text.find("Font.Name = 'Tahoma'"), std::string::npos);
        EXPECT_NE(text.find("Font.Style = [fsBold]"), std::string::npos);
        EXPECT_EQ(text.find("Font.Height"), std::string::npos);  // the default is not stored
        EXPECT_NE(text.find("Picture.Data = {"), std::string::npos);

        auto* read = static_cast<TTestImage*>(again->FindComponent("imgTop"));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->GetFont()->GetStyle(), fsBold);
        TGraphic* graphic = read->GetPicture()->GetGraphic();
        ASSERT_NE(graphic, nullptr);
        EXPECT_EQ(graphic->ClassName(), c.jpeg ? "TJPEGImage" : "TBitmap");
        EXPECT_EQ(graphic->GetWidth(), 3);
        EXPECT_EQ(graphic->GetHeight(), 2);
        if (!c.jpeg) {
            EXPECT_EQ(static_cast<TBitmap*>(graphic)->Image(), source.Image());
        }
    }
}

// A picture saved over an old one, with each step of the write failing in turn, and with a
// full device: the old file stays whole and the save raises. The gfx codecs' own file
// writing shares this writer.
TEST_F(Graphics, AFailedPictureSaveKeepsTheOldFileAndRaises) {
    char folderTemplate[] = "/tmp/qvgraphics-XXXXXX";
    ASSERT_NE(::mkdtemp(folderTemplate), nullptr);
    const std::filesystem::path folder = folderTemplate;
    const std::string path = (folder / "picture.bmp").string();
    TBitmap picture;
    picture.LoadFromResourceName("VCL_TEST_PICTURE");
    for (const io::FileStep step : io::kAllFileSteps) {
        SCOPED_TRACE(io::FileStepName(step));
        { std::ofstream(path, std::ios::binary) << "old"; }
        io::ScopedFileFault fault(step, ENOSPC);
        try {
            picture.SaveToFile(path);
            ADD_FAILURE() << "saved although a step failed";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("No space left on device"), std::string::npos)
                << error.what();
        }
        EXPECT_TRUE(fault.Fired());
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
    }
    picture.SaveToFile(path);
    TBitmap again;
    again.LoadFromFile(path);
    EXPECT_EQ(again.Image(), picture.Image());
    std::filesystem::remove_all(folder);
}

TEST_F(Graphics, BadPictureDataIsAnErrorAtItsLine) {
    struct Case {
        const char* data;
        const char* message;
    };
    const Case cases[] = {
        {"05544F76616C00000000", "Unknown picture class TOval"},
        {"0754426974", "does not start with a class name"},
        {"0A544A504547496D61676504000000FFD8FFE0", "error reading Picture.Data"},  // a damaged JPEG
        {"07544269746D6170FF000000424D", "says 255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.data);
        TTestForm form(nullptr);
        const std::string text =
            std::string(
                "object F: TTestForm\n  object i: TTestImage\n    Picture.Data = {\n      ") +
            c.data + "}\n  end\nend\n";
        try {
            TFormReader("Pic.dfm").ReadRootComponent(form, text);
            ADD_FAILURE() << "no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message().rfind("Pic.dfm:3: ", 0), 0u) << e.Message();
            EXPECT_NE(e.Message().find(c.message), std::string::npos) << e.Message();
        }
    }
}

TEST_F(Graphics, PictureFilesByExtension) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("qv_vcl_picture_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    TPicture picture;
    picture.GetBitmap()->LoadFromResourceName("VCL_TEST_PICTURE");
    picture.SaveToFile((dir / "p.bmp").string());
    TPicture bmp;
    bmp.LoadFromFile((dir / "p.bmp").string());
    EXPECT_EQ(bmp.GetGraphic()->ClassName(), "TBitmap");
    EXPECT_EQ(static_cast<TBitmap*>(bmp.GetGraphic())->Image(), picture.GetBitmap()->Image());

    gfx::WriteJpegFile(picture.GetBitmap()->Image(), (dir / "p.jpg").string());
    TPicture jpg;
    int changes = 0;
    jpg.OnChange = [&](TObject*) { ++changes; };
    jpg.LoadFromFile((dir / "p.jpg").string());
    EXPECT_EQ(jpg.GetGraphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(jpg.GetWidth(), 3);
    EXPECT_EQ(changes, 1);
    // A bitmap takes the decoded JPEG.
    TBitmap decoded;
    decoded.Assign(jpg.GetGraphic());
    EXPECT_EQ(decoded.GetWidth(), 3);

    EXPECT_THROW(jpg.LoadFromFile((dir / "p.gif").string()), EInvalidGraphic);
    EXPECT_THROW(jpg.LoadFromFile((dir / "missing.bmp").string()), EFOpenError);
    std::filesystem::remove_all(dir);
}

TEST_F(Graphics, ImageListKeepsMasksThroughADescription) {
    TTestForm form(nullptr);
    form.SetName("F");
    auto* images = new TImageList(&form);
    images->SetName("ilButtons");
    images->SetWidth(3);
    images->SetHeight(2);
    TBitmap strip;
    strip.LoadFromResourceName("VCL_TEST_PICTURE");
    EXPECT_EQ(images->AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(images->Count(), 1);
    auto* user = new TTestImage(&form);
    user->SetName("img");
    user->SetImages(images);

    auto again = RoundTrip(form);
    auto* read = static_cast<TImageList*>(again->FindComponent("ilButtons"));
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->Count(), 1);
    EXPECT_EQ(read->GetWidth(), 3);
    EXPECT_FALSE(read->Images().IsOpaque(0, 2, 1));  // the fuchsia pixel
    EXPECT_TRUE(read->Images().IsOpaque(0, 0, 0));
    EXPECT_EQ(static_cast<TTestImage*>(again->FindComponent("img"))->GetImages(), read);

    TBitmap target(3, 2);
    target.GetCanvas()->GetBrush()->SetColor(clGray);
    target.GetCanvas()->FillRect(Rect(0, 0, 3, 2));
    read->Draw(target.GetCanvas(), 0, 0, 0);
    EXPECT_EQ(target.Image().GetPixel(0, 0), clRed);
    EXPECT_EQ(target.Image().GetPixel(2, 1), clGray);

    delete images;
    EXPECT_EQ(user->GetImages(), nullptr);
}

}  // namespace
