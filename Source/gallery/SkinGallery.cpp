// The skin gallery: every skinned control built so far, section by section, on one skinned
// form, with a switcher that restyles all of them at run time between the five built-in
// styles and a theme file, and a button that opens the theme manager's dialog. It prints
// what the user does, one line each, for the end-to-end test. Its options are in kHelp.
#include <getopt.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Source/db/SKDBClasses.h"
#include "Source/buttons/SKButton.h"
#include "Source/buttons/SKCheckBox.h"
#include "Source/buttons/SKImagePanel.h"
#include "Source/buttons/SKPanel.h"
#include "Source/frame/SKForm.h"
#include "Source/gallery/GalleryRecords.h"
#include "Source/gallery/GallerySection.h"
#include "Source/theme/SKFileTheme.h"
#include "Source/theme/SKMgr.h"
#include "Source/theme/SKPublic.h"
#include "Source/theme/frmThemeMgr.h"
#include "platform/gfx/PngCodec.h"
#include "platform/io/ProgramInfo.h"
#include "platform/vcl/VclClasses.h"
#include "platform/vcl/controls/Application.h"
#include "platform/vcl/controls/Form.h"
#include "platform/vcl/controls/Timer.h"
#include "platform/win/Backend.h"
#include "platform/win/ModuleFileName.h"
#include "platform/win/SysParams.h"
#include "platform/win/backend/HeadlessDriver.h"

namespace {

const char kHelp[] =
    "Usage: skin_gallery [OPTION]...\n"
    "\n"
    "The skin library's showcase: every skinned control on one skinned window, with a\n"
    "switcher between the five built-in styles and a theme file, the theme manager, an MDI\n"
    "window and a records window over a demonstration database. It prints what the user\n"
    "does, one line each, on standard output.\n"
    "\n"
    "Options:\n"
    "      --style NAME         Start in the style NAME: MacOS, WinXP, DeepBlue, Protein,\n"
    "                           BlueGlass (the default) or FromThemeFile.\n"
    "      --theme FILE.skn     The theme file to offer; a bare name is looked for beside the\n"
    "                           program and in the installation's share/quorvane folder.\n"
    "      --records[=DATABASE] Open the records window, over DATABASE or the demonstration\n"
    "                           database beside the program. DATABASE is an SQLite file or\n"
    "                           a PostgreSQL connection string (\"host=localhost dbname=demo\"\n"
    "                           or \"postgresql://localhost/demo\").\n"
    "      --screenshot FILE.png  Draw the window off screen into FILE.png and end.\n"
    "      --headless           Run without a display (for tests).\n"
    "      --timeout MS         End after MS milliseconds.\n"
    "  -h, --help               Show this text.\n"
    "  -V, --version            Show the program's version.\n";

void Log(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

constexpr int kMargin = 10;
constexpr int kSwitcherWidth = 150;
constexpr int kSwitcherHeight = 262;
constexpr int kColumns = 3;
constexpr int kColumnWidth = 300;
// Room around the sections for the frame's border and the tallest style's title bar.
constexpr int kFrameWidth = 2 * 6;
constexpr int kFrameHeight = 40;

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
        SetColor(0xE7E7E7);
        OnShow = [this](TObject*) { Ready(); };
        // Closing the gallery closes the records window too: a change there is asked
        // about first, as closing that window asks.
        OnCloseQuery = [this](TObject*, bool& CanClose) {
            if (TfmSkinRecords* records = FindSkinRecords(this))
                CanClose = records->ResolvePendingEdit(true);
        };
        m_fileTheme = new TskFileTheme(this);
        m_fileTheme->SetName("ftGallery");
        m_fileTheme->OnThemeFileNotFound = [](TObject*, const std::string& name,
                                              const std::vector<std::string>& searched) {
            std::string places;
            for (const std::string& path : searched) places += "\n  " + path;
            std::fprintf(stderr, "skin_gallery: the theme file '%s' is not found; looked for:%s\n",
                         name.c_str(), places.c_str());
        };
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
        PlaceOnScreen(BuildSections());
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
        panel->SetBounds(kMargin, kMargin, kSwitcherWidth, kSwitcherHeight);
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

    // Three columns, the switcher at the top of the first; each section goes into the
    // column that ends highest, so the columns end near each other. Answers the size the
    // sections take.
    TPoint BuildSections() {
        int y[kColumns] = {kMargin * 2 + kSwitcherHeight, kMargin, kMargin};
        int index = 0;
        for (const TGallerySection& section : GallerySections()) {
            int column = 0;
            for (int c = 1; c < kColumns; ++c)
                if (y[c] < y[column]) column = c;
            auto* panel = new TskPanel(this);
            panel->SetName("pnlSection" + std::to_string(++index));
            panel->SetCaption(section.Title);
            panel->SetShowButton(false);
            const int x = kMargin + column * (kColumnWidth + kMargin);
            panel->SetBounds(x, y[column], section.Width, section.Height);
            panel->SetParent(Body());
            TGalleryPage page(panel, this, Log);
            section.Build(page);
            y[column] += section.Height + kMargin;
        }
        int height = 0;
        for (int c = 0; c < kColumns; ++c) height = std::max(height, y[c]);
        return {kMargin + kColumns * (kColumnWidth + kMargin), height};
    }

    // The window fits its sections and stands inside the work area.
    void PlaceOnScreen(TPoint content) {
        const TRect work = GetWorkAreaRect();
        const int width = std::min(content.x + kFrameWidth, work.Width());
        const int height = std::min(content.y + kFrameHeight, work.Height());
        SetBounds(work.left + std::min(40, work.Width() - width), work.top, width, height);
    }

    // Says which panels the window does not show whole, for the tests to catch.
    void ReportCutPanels() {
        const TRect work = GetWorkAreaRect();
        const TPoint bodyOrigin = m_body->ClientToScreen({0, 0});
        const TRect body{bodyOrigin.x, bodyOrigin.y, bodyOrigin.x + m_body->GetClientWidth(),
                         bodyOrigin.y + m_body->GetClientHeight()};
        for (int i = 0; i < m_body->ControlCount(); ++i) {
            TControl* panel = m_body->Controls(i);
            const TPoint origin = panel->ClientToScreen({0, 0});
            const TRect place{origin.x, origin.y, origin.x + panel->GetWidth(),
                              origin.y + panel->GetHeight()};
            const bool whole = place.left >= std::max(body.left, work.left) &&
                               place.top >= std::max(body.top, work.top) &&
                               place.right <= std::min(body.right, work.right) &&
                               place.bottom <= std::min(body.bottom, work.bottom);
            if (!whole) Log("cut off " + panel->GetName());
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
        ReportCutPanels();
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
    static const option options[] = {{"headless", no_argument, nullptr, 'H'},
                                     {"timeout", required_argument, nullptr, 't'},
                                     {"screenshot", required_argument, nullptr, 's'},
                                     {"theme", required_argument, nullptr, 'T'},
                                     {"style", required_argument, nullptr, 'S'},
                                     {"records", optional_argument, nullptr, 'r'},
                                     {"help", no_argument, nullptr, 'h'},
                                     {"version", no_argument, nullptr, 'V'},
                                     {}};
    opterr = 0;
    for (int option; (option = getopt_long(argc, argv, ":hV", options, nullptr)) != -1;) {
        switch (option) {
            case 'H':
                backend = "headless";
                break;
            case 't':
                timeout = std::strtol(optarg, nullptr, 10);
                break;
            case 's':
                screenshot = optarg;
                break;
            case 'T':
                themeFile = optarg;
                break;
            case 'S':
                style = optarg;
                break;
            case 'r':
                // The database may follow as the next word, as well as after "=".
                records = true;
                if (optarg)
                    TfmSkinRecords::DatabasePath() = optarg;
                else if (optind < argc && argv[optind][0] != '-')
                    TfmSkinRecords::DatabasePath() = argv[optind++];
                break;
            case 'h':
                std::fputs(kHelp, stdout);
                return 0;
            case 'V':
                io::PrintVersion("skin_gallery");
                return 0;
            default:
                return io::OptionError("skin_gallery", option, argv);
        }
    }
    if (optind < argc)
        return io::UsageError("skin_gallery",
                              "unexpected argument '" + std::string(argv[optind]) + "'");
    if (TskUIStyleInfo().IndexOf(style) < 0)
        return io::UsageError("skin_gallery", "unknown style '" + style + "'");
    if (!screenshot.empty()) backend = "headless";
    try {
        win::SelectBackend(backend);
        RegisterVclClasses();
        RegisterSkinDBClasses();
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
        // The loop also ends without the close question: on a termination signal, or at
        // --timeout. A change still in the records window is asked about now; the program
        // ends either way, and a change not posted whole is not written.
        if (TfmSkinRecords* records = FindSkinRecords(gallery)) records->ResolvePendingEdit(false);
        Log("closed");
        win::SelectBackend("headless");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skin_gallery: %s\n", e.what());
        return 1;
    }
}
