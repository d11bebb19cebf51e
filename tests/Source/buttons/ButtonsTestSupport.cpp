#include "tests/Source/buttons/ButtonsTestSupport.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <stdexcept>

#include "Source/SkinClasses.h"
#include "Source/theme/SKThemeFile.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/vcl/VclClasses.h"

namespace buttons_test {

namespace {

std::vector<std::uint8_t> CodedStrip(int frames, int width, int height) {
    gfx::Bitmap strip(frames * width, height);
    for (int f = 0; f < frames; ++f)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                strip.SetPixel(f * width + x, y, CodedColor(f + 1, x, y));
    return gfx::WriteBmp(strip);
}

}  // namespace

void ButtonsTest::SetUp() {
    driver = &win::Headless::Install();
    RegisterVclClasses();
    RegisterSkinClasses();
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-buttons-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder = pattern;
    form = std::make_unique<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 300);
    form->SetColor(kFormColor);
    form->Show();
}

void ButtonsTest::TearDown() {
    form.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    win::Headless::Install();
}

TskFileTheme* ButtonsTest::CodedTheme() {
    const std::string path = (folder / "coded.skn").string();
    if (!std::filesystem::exists(path)) {
        TskThemeFileWriter writer(path);
        writer.AddFileData("ButtonImage", CodedStrip(3, kButtonFrame, kButtonFrame));
        writer.AddBool("ButtonTransparentBool", false);
        writer.AddFileData("CheckBoxImage", CodedStrip(4, kCheckFrame, kCheckFrame));
        writer.AddFileData("RadioButtonImage", CodedStrip(4, kCheckFrame, kCheckFrame));
        writer.AddFileData("SideChannelBarImage", CodedStrip(1, 1, kTitleBarHeight));
        writer.AddInteger("ControlBorderColor", 0x123456);
        writer.AddInteger("ControlFontColor", 0x030000);
        writer.Save();
    }
    auto* theme = new TskFileTheme(form.get());
    theme->SetThemeFile(path);
    return theme;
}

gfx::Bitmap ButtonsTest::Capture(TWinControl* control) {
    win::Headless::ProcessMessages();
    const gfx::Bitmap window = win::Headless::CaptureWindow(control->Handle());
    return window;
}

TRect DifferenceBox(const gfx::Bitmap& a, const gfx::Bitmap& b) {
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < std::min(a.Height(), b.Height()); ++y)
        for (int x = 0; x < std::min(a.Width(), b.Width()); ++x)
            if (a.GetPixel(x, y) != b.GetPixel(x, y)) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    if (box.left == INT_MAX) return {};
    return box;
}

int CountColor(const gfx::Bitmap& picture, const TRect& rect, TColor color) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (picture.GetPixel(x, y) == color) ++count;
    return count;
}

}  // namespace buttons_test
