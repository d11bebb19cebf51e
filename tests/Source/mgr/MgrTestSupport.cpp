#include "tests/Source/mgr/MgrTestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Source/theme/SKMgr.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/vcl/core/ClassBuilder.h"

namespace mgr_test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qv-mgr-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void WriteTheme(const std::string& path, int minWidth) {
    gfx::Bitmap strip(6, 2);
    for (int x = 0; x < 6; ++x) {
        strip.SetPixel(x, 0, x / 2 + 1);
        strip.SetPixel(x, 1, x / 2 + 1);
    }
    TskThemeFileWriter writer(path);
    writer.AddFileData("ButtonImage", gfx::WriteBmp(strip));
    writer.AddInteger("FormMinWidthInt", minWidth);
    writer.AddInteger("FormBorderColor", clBtnFace);
    writer.AddBool("ButtonTransparentBool", true);
    writer.Save();
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

const TClassInfo& TskTestControl::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TskTestControl>("TskTestControl")
            .Enum("UIStyle", TskUIStyleInfo(), &TskTestControl::GetUIStyle,
                  &TskTestControl::SetUIStyle, DeepBlue)
            .Reference("FileTheme", &TskTestControl::GetFileTheme, &TskTestControl::SetFileTheme)
            .Build();
    return info;
}

void TskTestControl::SetUIStyle(TskUIStyle Value) {
    m_uiStyle = Value;
    Record("UIStyle=" + TskUIStyleInfo().NameOf(static_cast<int>(Value)));
}

void TskTestControl::SetFileTheme(TskFileTheme* Value) {
    m_fileTheme = Value;
    if (Value != nullptr) Value->FreeNotification(this);
    Record("FileTheme=" + (Value != nullptr ? Value->GetName() : std::string("nil")));
}

void TskTestControl::Record(const std::string& entry) {
    Log.push_back(entry);
    if (Shared != nullptr) Shared->push_back(GetName() + "." + entry);
}

void TskTestControl::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == m_fileTheme) m_fileTheme = nullptr;
}

const TClassInfo& TOtherControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TOtherControl>("TOtherControl").Build();
    return info;
}

const TClassInfo& TMgrTestRoot::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMgrTestRoot>("TMgrTestRoot").Build();
    return info;
}

void RegisterMgrTestClasses() {
    InitSkinLibrary();
    static const bool done = [] {
        for (const TClassInfo* info :
             {&TskTestControl::StaticClassInfo(), &TOtherControl::StaticClassInfo(),
              &TMgrTestRoot::StaticClassInfo()})
            RegisterClass(*info);
        return true;
    }();
    (void)done;
}

}  // namespace mgr_test
