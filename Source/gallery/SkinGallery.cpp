// The skin gallery: every skinned control built so far, section by section, on one skinned
// form, with a switcher that restyles all of them at run time between the five built-in
// styles and a theme file, and a button that opens the theme manager's dialog. It prints
// what the user does, one line each, for the end-to-end test.
//
//   skin_gallery [--headless] [--timeout MS] [--style NAME] [--theme FILE.skn]
//                [--screenshot FILE.png] [--records [DATABASE]]
//
// --records opens the records window (GalleryRecords.h) over the demonstration database,
// or over DATABASE, once the gallery is up. DATABASE is an SQLite file or a PostgreSQL
// connection string ("host=localhost dbname=demo" or "postgresql://localhost/demo").
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Source/SkinClasses.h"
#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "Source/frame/SKForm.h"
#include "Source/gallery/GalleryRecords.h"
#include "Source/gallery/GallerySection.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKMgr.h"
#include "Source/theme/frmThemeMgr.h"
#include "platform/gfx/PngCodec.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/win/Backend.h"
#include "platform/win/ModuleFileName.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

constexpr int kMargin = 10;
constexpr int kSwitcherWidth = 150;

const TskUIStyle kStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass, FromThemeFile};

std::string StyleName(TskUIStyle style) {
    return TskUIStyleInfo().NameOf(static_cast<int>(style));
}

class TfmSkinGallery : public TForm {
public:
    explicit TfmSkinGallery(TComponent* AOwner) : TForm(AOwner) {}

    // Builds the gallery in the style, with the theme file (none when empty) to switch to.
    void Setup(TskUIStyle style, const std::string& themeFile) {
        SetCaption("Skin gallery");
        SetBounds(40, 5, 820, 750);
        SetColor(0xE7E7E7);
        OnShow = [this](TObject*) { Ready(); };
        m_fileTheme = new TskFileTheme(this);
        m_fileTheme->SetName("ftGallery");
        if (!themeFile.empty()) m_fileTheme->SetThemeFile(themeFile);
        m_manager = new TskThemeManager(this);
        m_manager->SetName("tmGallery");

        // The skinned frame takes the form over; everything else stands on it.
        m_frame = new TskForm(this);
        m_frame->SetName("sfGallery");
        m_frame->SetParent(this);
        m_frame->SetCaption("Skin gallery");
        // The frame's client panel: the sections and the switcher stand on it.
        m_body = new TskImagePanel(this);
        m_body->SetName("pnlBody");
        m_body->SetColor(0xE8E8E8);
        m_body->SetParent(m_frame);
        m_frame->SetPanel(m_body);
        BuildSwitcher();
        BuildSections();
        for (int i = 0; i < ComponentCount(); ++i)
            if (IsThemeableComponent(Components(i)))
                m_manager->GetCompList()->Add(Components(i)->GetName());
        ApplyStyle(style);
    }

private:
    TWinControl* Body() const { return m_body; }

    void BuildSwitcher() {
        auto* panel = new TskPanel(this);
        panel->SetName("pnlStyle");
        panel->SetCaption("Style");
        panel->SetShowButton(false);
        panel->SetBounds(kMargin, kMargin, kSwitcherWidth, 262);
        panel->SetParent(Body());
        const int top = panel->TitleHeight() + 8;
        for (int i = 0; i < 6; ++i) {
            const TskUIStyle style = kStyles[i];
            auto* radio = new TskRadioButton(this);
            radio->SetName("rbtnStyle" + std::to_string(i + 1));
            radio->SetCaption(style == FromThemeFile ? "Theme &file" : StyleName(style));
            radio->SetGroupIndex(1);
            radio->SetBounds(10, top + i * 26, 120, 21);
            radio->SetParent(panel);
            radio->SetEnabled(style != FromThemeFile || m_fileTheme->CanUse());
            radio->OnClick = [this, style](TObject*) {
                if (!m_applying) ApplyStyle(style);
            };
            m_styleButtons.push_back(radio);
        }
        auto* manager = new TskButton(this);
        manager->SetName("btnThemeManager");
        manager->SetCaption("Theme &manager...");
        manager->SetBounds(10, top + 6 * 26 + 4, 120, 27);
        manager->SetParent(panel);
        manager->OnClick = [this](TObject*) {
            Log("theme manager");
            const bool ok = EditThemeManager(m_manager);
            Log(std::string("theme manager closed") + (ok ? " ok" : ""));
        };
        auto* mdi = new TskButton(this);
        mdi->SetName("btnMdiWindow");
        mdi->SetCaption("MDI window...");
        mdi->SetBounds(10, top + 7 * 26 + 10, 120, 27);
        mdi->SetParent(panel);
        mdi->OnClick = [this](TObject*) {
            OpenMdiWindow(this, m_frame->GetUIStyle(), m_frame->GetFileTheme(), Log);
        };
    }

    void BuildSections() {
        // Two columns beside the switcher, each filled from the top.
        int column = 0;
        int y[2] = {kMargin, kMargin};
        int index = 0;
        for (const TGallerySection& section : GallerySections()) {
            if (y[column] + section.Height > 700 && column == 0) column = 1;
            auto* panel = new TskPanel(this);
            panel->SetName("pnlSection" + std::to_string(++index));
            panel->SetCaption(section.Title);
            panel->SetShowButton(false);
            const int x = kMargin * 2 + kSwitcherWidth + column * (300 + kMargin);
            panel->SetBounds(x, y[column], section.Width, section.Height);
            panel->SetParent(Body());
            TGalleryPage page(panel, this, Log);
            section.Build(page);
            y[column] += section.Height + kMargin;
            column = y[0] <= y[1] ? 0 : 1;
        }
    }

    void ApplyStyle(TskUIStyle style) {
        if (style == FromThemeFile && !m_fileTheme->CanUse()) style = DeepBlue;
        m_applying = true;
        m_manager->SetFileTheme(style == FromThemeFile ? m_fileTheme : nullptr);
        m_manager->SetUIStyle(style);
        for (std::size_t i = 0; i < m_styleButtons.size(); ++i)
            if (kStyles[i] == style) m_styleButtons[i]->SetChecked(true);
        m_applying = false;
        RestyleMdiWindow(this, style, style == FromThemeFile ? m_fileTheme : nullptr);
        // A style's title bar has its own height: everything below it may have moved.
        if (Showing()) LogPlaces();
        Log("style " + StyleName(style));
    }

    void Ready() {
        const TPoint origin = ClientOrigin();
        Log("created " + std::to_string(ComponentCount()) + " components");
        LogPlaces();
        Log("ready " + std::string(win::BackendName()) + " " + std::to_string(origin.x) + " " +
            std::to_string(origin.y));
    }

    // Where each control's middle lies on the screen, for a test to click it by name.
    void LogPlaces() {
        for (int i = 0; i < ComponentCount(); ++i) {
            auto* control = dynamic_cast<TControl*>(Components(i));
            if (!control || !control->Showing()) continue;
            const TPoint middle =
                control->ClientToScreen({control->GetWidth() / 2, control->GetHeight() / 2});
            Log("place " + control->GetName() + " " + std::to_string(middle.x) + " " +
                std::to_string(middle.y));
        }
    }

    TskFileTheme* m_fileTheme = nullptr;
    TskThemeManager* m_manager = nullptr;
    TskForm* m_frame = nullptr;
    TskImagePanel* m_body = nullptr;
    std::vector<TskRadioButton*> m_styleButtons;
    bool m_applying = false;
};

TskUIStyle ParseStyle(const std::string& name) {
    const int index = TskUIStyleInfo().IndexOf(name);
    if (index < 0) throw std::runtime_error("unknown style " + name);
    return static_cast<TskUIStyle>(index);
}

}  // namespace

int main(int argc, char** argv) {
    std::string backend = "x11";
    long timeout = 0;
    std::string screenshot;
    std::string themeFile;
    std::string style = "BlueGlass";
    bool records = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--headless")
            backend = "headless";
        else if (arg == "--timeout" && hasValue)
            timeout = std::strtol(argv[++i], nullptr, 10);
        else if (arg == "--screenshot" && hasValue)
            screenshot = argv[++i];
        else if (arg == "--theme" && hasValue)
            themeFile = argv[++i];
        else if (arg == "--style" && hasValue)
            style = argv[++i];
        else if (arg == "--records") {
            records = true;
            if (hasValue && std::strncmp(argv[i + 1], "--", 2) != 0)
                TfmSkinRecords::DatabasePath() = argv[++i];
        }
        else {
            std::fprintf(stderr,
                         "usage: %s [--headless] [--timeout MS] [--style NAME] "
                         "[--theme FILE.skn] [--screenshot FILE.png] [--records [DATABASE]]\n",
                         argv[0]);
            return 64;
        }
    }
    if (!screenshot.empty()) backend = "headless";
    try {
        win::SelectBackend(backend);
        RegisterVclClasses();
        RegisterSkinClasses();
        if (TfmSkinRecords::DatabasePath().empty()) {
            // The demonstration database is built beside the program.
            char buffer[4096] = {};
            GetModuleFileName(nullptr, buffer, sizeof buffer);
            const std::string exe = buffer;
            TfmSkinRecords::DatabasePath() = exe.substr(0, exe.rfind('/') + 1) + "records.db";
        }
        Application->Initialize();
        Application->SetTitle("Skin gallery");
        TfmSkinGallery* gallery = nullptr;
        Application->CreateForm(gallery);
        gallery->Setup(ParseStyle(style), themeFile);
        // The records window opens once the gallery is up, above it.
        TTimer openRecords(nullptr);
        openRecords.SetEnabled(false);
        openRecords.SetInterval(1);
        openRecords.OnTimer = [&](TObject*) {
            openRecords.SetEnabled(false);
            ShowSkinRecords(gallery, Log);
        };
        if (records) {
            auto shown = gallery->OnShow;
            gallery->OnShow = [&openRecords, shown](TObject* Sender) {
                if (shown) shown(Sender);
                openRecords.SetEnabled(true);
            };
        }
        if (!screenshot.empty()) {
            gallery->Show();
            win::Headless::ProcessMessages();
            if (records) {
                ShowSkinRecords(gallery, Log);
                win::Headless::ProcessMessages();
            }
            gfx::WritePng(win::Headless::CaptureDesktop(), screenshot);
            Log("screenshot " + screenshot);
            return 0;
        }
        TTimer quit(nullptr);
        quit.SetEnabled(false);
        quit.OnTimer = [](TObject*) {
            Log("timeout");
            Application->Terminate();
        };
        if (timeout > 0) {
            quit.SetInterval(static_cast<unsigned>(timeout));
            quit.SetEnabled(true);
        }
        Application->Run();
        Log("closed");
        win::SelectBackend("headless");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_gallery: %s\n", e.what());
        return 1;
    }
}
