// Menu 109, the frame's strings, accelerators and icons, the manifest and the version
// resource, as the compiled resources hold them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/control_ids.h"
#include "shell/win32/main_dialog_proc.h"
#include "tests/win32/win32_test_support.h"

namespace {

// The menu as one line per item: its depth in spaces, its text and, for a command,
// its id in brackets.
std::wstring describeMenu(HMENU menu, int depth = 0) {
    std::wstring out;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING | MIIM_ID | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        out += std::wstring(static_cast<size_t>(depth) * 2, L' ') + text;
        if (info.hSubMenu) {
            out += L"\n" + describeMenu(info.hSubMenu, depth + 1);
        } else {
            out += L" [" + std::to_wstring(info.wID) + L"]\n";
        }
    }
    return out;
}

const wchar_t* const ExpectedMenu = L"&File\n"
                                    L"  Load [105]\n"
                                    L"  Save [32772]\n"
                                    L"  Exit [32773]\n"
                                    L"Store Deck\n"
                                    L"  Clear Deck\n"
                                    L"    Are you REALLY Sure you want to clear your Store Deck ?\n"
                                    L"      NO WAY Leave my Deck Alone. [32771]\n"
                                    L"      YES I am going to Wipe this Deck. [32774]\n"
                                    L"Export\n"
                                    L"  Export Deck Cards\n"
                                    L"    Basic [32776]\n"
                                    L"    Detailed [32777]\n"
                                    L"  Export Deck Needs\n"
                                    L"    Basic [32778]\n"
                                    L"    Detailed [32779]\n"
                                    L"  Export Deck Cards Filtered\n"
                                    L"    Basic [32781]\n"
                                    L"    Detailed [32782]\n"
                                    L"  Export Deck Needs Filtered\n"
                                    L"    Basic [32783]\n"
                                    L"    Detailed [32784]\n"
                                    L"  Export Current List [32780]\n"
                                    L"About\n"
                                    L"  About [104]\n";

TEST(MainMenu, HoldsEveryItemWithItsTextAndId) {
    HMENU menu = LoadMenuW(appInstance, MAKEINTRESOURCEW(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(describeMenu(menu), ExpectedMenu);
    DestroyMenu(menu);
}

TEST(MainMenu, IsTheMenuOfTheLiveDialog) {
    RealMainDialog dialog;
    HMENU menu = GetMenu(dialog.handle());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(describeMenu(menu), ExpectedMenu);
}

TEST(FrameResources, StringsNameTheWindowAndItsClass) {
    char text[100];
    ASSERT_GT(LoadStringA(appInstance, IDS_APP_TITLE, text, sizeof text), 0);
    EXPECT_STREQ(text, "corvale");
    ASSERT_GT(LoadStringA(appInstance, IDS_WINDOW_CLASS, text, sizeof text), 0);
    EXPECT_STREQ(text, "CORVALE");
}

TEST(FrameResources, AcceleratorsAreAltQuestionMarkAndAltSlashForAbout) {
    HACCEL table = LoadAcceleratorsW(appInstance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    ACCEL entries[8];
    ASSERT_EQ(CopyAcceleratorTableW(table, entries, 8), 2);
    for (int i = 0; i < 2; ++i) {
        // Character codes with Alt, not virtual keys.
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FALT | FSHIFT | FCONTROL), FALT) << i;
        EXPECT_EQ(entries[i].cmd, IDM_ABOUT) << i;
    }
    EXPECT_EQ(entries[0].key, '?');
    EXPECT_EQ(entries[1].key, '/');
    DestroyAcceleratorTable(table);
}

// An icon group's directory: one 14-byte entry per image after a 6-byte header.
struct IconImage {
    int width, height, colours, bits;
};
std::vector<IconImage> iconGroup(int id) {
    std::vector<IconImage> images;
    HRSRC resource = FindResourceW(appInstance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));
    if (!resource) return images;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(appInstance, resource)));
    const int count = bytes[4] | (bytes[5] << 8);
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = bytes + 6 + 14 * i;
        images.push_back({entry[0], entry[1], entry[2], entry[6] | (entry[7] << 8)});
    }
    return images;
}

TEST(FrameResources, IconGroupsHoldSixteenColourImages) {
    const auto large = iconGroup(IDI_CARDHOLD);
    ASSERT_EQ(large.size(), 2u);
    EXPECT_EQ(large[0].width, 32);
    EXPECT_EQ(large[0].height, 32);
    EXPECT_EQ(large[1].width, 16);
    EXPECT_EQ(large[1].height, 16);
    const auto small = iconGroup(IDI_CARDHOLD_SMALL);
    ASSERT_EQ(small.size(), 1u);
    EXPECT_EQ(small[0].width, 16);
    for (const auto& image : {large[0], large[1], small[0]}) {
        EXPECT_EQ(image.colours, 16);
        EXPECT_EQ(image.bits, 4);
    }
    EXPECT_NE(LoadIconW(appInstance, MAKEINTRESOURCEW(IDI_CARDHOLD)), nullptr);
    EXPECT_NE(LoadImageW(appInstance, MAKEINTRESOURCEW(IDI_CARDHOLD_SMALL), IMAGE_ICON, 16, 16, 0),
              nullptr);
}

TEST(FrameResources, ManifestAsksForCommonControlsSixAndPerMonitorScaling) {
    HRSRC resource = FindResourceW(appInstance, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(resource, nullptr);
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(appInstance, resource)));
    const std::string manifest(bytes, SizeofResource(appInstance, resource));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos);
}

// The file properties a user sees, read as Windows reads them from the file.
TEST(FrameResources, VersionResourceNamesTheProgramAndVersion) {
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(appInstance, path, MAX_PATH), 0u);
    std::vector<char> info(GetFileVersionInfoSizeW(path, nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()));
    const auto value = [&](const wchar_t* name) {
        void* text = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080904B0\\") + name;
        if (!VerQueryValueW(info.data(), key.c_str(), &text, &length)) return std::wstring();
        return std::wstring(static_cast<const wchar_t*>(text));
    };
    EXPECT_EQ(value(L"ProductName"), L"Cardhold");
    EXPECT_EQ(value(L"FileDescription"), L"Cardhold - TAVEN Collection Manager");
    EXPECT_EQ(value(L"OriginalFilename"), L"cardhold.exe");
    EXPECT_EQ(value(L"FileVersion"), L"1.5");
    EXPECT_EQ(value(L"LegalCopyright").rfind(L"Copyright", 0), 0u);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(5, 1)));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

// The manifest takes effect: the dialog's buttons are version 6 common controls,
// which alone answer BCM_GETIDEALSIZE.
TEST(FrameResources, DialogButtonsAreCommonControlsSix) {
    RealMainDialog dialog;
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(dialog.control(IDC_PLUS), BCM_GETIDEALSIZE, 0,
                             reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
}

} // namespace
