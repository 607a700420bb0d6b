// The Windows installer under wine: a silent install into a chosen folder with its Start-menu
// shortcut and installed-apps entry, an install over it that upgrades it in place, the installed
// program started, and a silent uninstall that leaves nothing behind; and its script, which
// speaks English and Korean.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "scene_probes.h"
#include "wine_session.h"
#include "xvfb_server.h"

namespace {

const std::string kInstallDir = "C:\\Orrery-test";
const std::string kShortcutDir = "ProgramData/Microsoft/Windows/Start Menu/Programs/Orrery";
const char* const kUninstallKey =
    "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orrery";

bool Exists(const std::string& path) {
    struct stat s {};
    return stat(path.c_str(), &s) == 0;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Installed(const std::string& name) { return DriveC("Orrery-test/" + name); }

class Installer : public testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<XvfbServer>(1920, 1200); }
    static void TearDownTestSuite() {
        EndWineSession();
        server_.reset();
    }
    static bool UninstallEntryPresent() {
        return RunWine({"reg", "query", kUninstallKey}, server_->display()) == 0;
    }
    static std::unique_ptr<XvfbServer> server_;
};

std::unique_ptr<XvfbServer> Installer::server_;

TEST_F(Installer, InstallsSilentlyWithAShortcutAndAnUninstallEntry) {
    ASSERT_EQ(RunWine({ORRERY_INSTALLER, "/S", "/D=" + kInstallDir}, server_->display()), 0)
        << "the installer's exit status";
    for (const char* file :
         {"orrery.exe", "orreryw.exe", "README.md", "LICENSE", "Uninstall.exe"}) {
        EXPECT_TRUE(Exists(Installed(file))) << "not installed: " << Installed(file);
    }
    for (const char* shortcut : {"Orrery.lnk", "Uninstall.lnk"}) {
        const std::string path = DriveC(kShortcutDir + "/" + shortcut);
        EXPECT_TRUE(Exists(path)) << "no Start-menu shortcut " << path;
    }
    // What installed apps show: name, icon, publisher, version and size.
    const std::string entry = WineOutput({"reg", "query", kUninstallKey}, server_->display());
    const std::string values[] = {"DisplayName    REG_SZ    Orrery",
                                  "DisplayIcon    REG_SZ    " + kInstallDir + "\\orreryw.exe",
                                  "Publisher    REG_SZ    The Orrery authors",
                                  std::string("DisplayVersion    REG_SZ    ") + ORRERY_VERSION,
                                  "EstimatedSize    REG_DWORD    0x"};
    for (const std::string& value : values) {
        EXPECT_NE(entry.find(value), std::string::npos) << "no " << value << " in:\n" << entry;
    }
}

// The script CPack wrote: English first, so the fallback, then Korean, and no other language;
// each of the script's own words given in both and said through its LangString.
TEST(InstallerScript, SpeaksEnglishAndKoreanOnly) {
    const std::string script = ReadFile(ORRERY_INSTALLER_SCRIPT);
    const std::string languages[] = {"MUI_LANGUAGE \"English\"", "MUI_LANGUAGE \"Korean\""};
    const std::size_t english = script.find(languages[0]), korean = script.find(languages[1]);
    EXPECT_TRUE(english != std::string::npos && korean != std::string::npos && english < korean)
        << "English, then Korean, in " << ORRERY_INSTALLER_SCRIPT;
    std::size_t named = 0;
    for (std::size_t at = 0;
         (at = script.find("!insertmacro MUI_LANGUAGE ", at)) != std::string::npos; ++at)
        ++named;
    EXPECT_EQ(named, 2u) << "languages named";
    for (const char* words :
         {"AlreadyInstalled", "UninstallFailed", "InstallOptions", "InstallOptionsFor"}) {
        for (const char* language : {"${LANG_ENGLISH}", "${LANG_KOREAN}"}) {
            const std::string line = std::string("LangString ") + words + " " + language + " \"";
            EXPECT_NE(script.find(line), std::string::npos) << "no " << line;
        }
        const std::string said = std::string("\"$(") + words + ")\"";
        EXPECT_NE(script.find(said), std::string::npos) << "never said: " << said;
    }
    EXPECT_NE(script.find("이미 설치되어 있습니다"), std::string::npos) << "the Korean words";
}

// Run again without /D, as a newer version would be, it replaces the installed one in its folder.
TEST_F(Installer, InstallingAgainUpgradesInPlace) {
    ASSERT_EQ(RunWine({ORRERY_INSTALLER, "/S"}, server_->display()), 0);
    EXPECT_TRUE(Exists(Installed("orreryw.exe")));
    EXPECT_FALSE(Exists(DriveC("Program Files/Orrery"))) << "a second installation";
    EXPECT_TRUE(UninstallEntryPresent());
}

// The shortcut starts the GUI program, for which Windows opens no console window.
TEST_F(Installer, TheShortcutNamesTheInstalledProgramWhichStarts) {
    const std::string target = kInstallDir + "\\orreryw.exe";
    EXPECT_NE(ReadFile(DriveC(kShortcutDir + "/Orrery.lnk")).find(target), std::string::npos)
        << "the shortcut Orrery.lnk does not name " << target;
    std::unique_ptr<OrreryDriver> app;
    try {
        app = std::make_unique<OrreryDriver>(WINE_COMMAND, server_->display(),
                                             std::vector<std::string>{target});
    } catch (const std::exception& e) {
        FAIL() << e.what() << " after starting " << target;
    }
    const Box window = app->Geometry(app->window());
    EXPECT_EQ(window.width, 1000);
    EXPECT_EQ(window.height, 1000);
    EXPECT_EQ(PollProbe(*app, SunAtCentre), "");
    app.reset();
    EndWineSession();  // before the uninstaller removes the program's folder
}

TEST_F(Installer, UninstallsSilentlyLeavingNothingBehind) {
    ASSERT_EQ(RunWine({kInstallDir + "\\Uninstall.exe", "/S"}, server_->display()), 0)
        << "the uninstaller's exit status";
    // The uninstaller runs on from a copy of itself, so that it can remove its own file.
    const std::string folder = DriveC("Orrery-test");
    const std::string shortcuts = DriveC(kShortcutDir);
    EXPECT_TRUE(PollUntil([&] { return !Exists(folder) && !Exists(shortcuts); }))
        << (Exists(folder) ? "still there: " + folder + " " : "")
        << (Exists(shortcuts) ? "still there: " + shortcuts : "");
    EXPECT_FALSE(UninstallEntryPresent()) << "still in the registry: " << kUninstallKey;
}

}  // namespace
