#pragma once
// Shared by the file theme and theme manager tests: a scratch folder, theme files made
// with a few known values, and a skinned test control that records how it is themed.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKThemeFile.h"
#include "platform/vcl/core/Component.h"

namespace mgr_test {

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    std::string Folder() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// Writes a theme file whose FormMinWidthInt is minWidth, whose ButtonTransparentBool is
// set, whose FormBorderColor is a system colour and whose ButtonImage is a 6 x 2 strip of
// three frames coloured 1, 2 and 3.
void WriteTheme(const std::string& path, int minWidth);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// What a skinned control publishes of its theme, with a log of the assignments in order.
class TskTestControl : public TComponent {
    QV_DECLARE_CLASS(TskTestControl, TComponent)

    explicit TskTestControl(TComponent* AOwner) : TComponent(AOwner) {}

    TskUIStyle GetUIStyle() const { return m_uiStyle; }
    void SetUIStyle(TskUIStyle Value);
    TskFileTheme* GetFileTheme() const { return m_fileTheme; }
    void SetFileTheme(TskFileTheme* Value);

    // Each assignment, in order; with Shared set, also there as "Name.Property=Value".
    std::vector<std::string> Log;
    std::vector<std::string>* Shared = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Record(const std::string& entry);

    TskUIStyle m_uiStyle = DeepBlue;
    TskFileTheme* m_fileTheme = nullptr;
};

// A component whose class name does not begin with "Tsk" but that has the same properties.
class TOtherControl : public TskTestControl {
    QV_DECLARE_CLASS(TOtherControl, TskTestControl)

    explicit TOtherControl(TComponent* AOwner) : TskTestControl(AOwner) {}
};

// A form description's root.
class TMgrTestRoot : public TComponent {
    QV_DECLARE_CLASS(TMgrTestRoot, TComponent)

    explicit TMgrTestRoot(TComponent* AOwner) : TComponent(AOwner) {}
};

void RegisterMgrTestClasses();

}  // namespace mgr_test
