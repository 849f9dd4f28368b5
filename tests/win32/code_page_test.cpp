// Catalogue text on a Windows whose ANSI code page is not 1252: every list entry and
// panel label of the real dialog, read back with the wide functions, is the
// catalogue's text, and Export Current List writes the very bytes of a 1252 run.
//
//   win32_code_page_test write FILE   in a process with code page 1252: keeps the report
//   win32_code_page_test check FILE   in a process with another one: compares with it
//
// Wine takes the code page from the locale variables (LC_ALL=ru_RU.UTF-8 gives 1251).
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include <windows.h>

#include "catalogue/card_record.h"
#include "catalogue/name_tables.h"
#include "catalogue/windows1252.h"
#include "ui/control_ids.h"
#include "shell/win32/file_chooser.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/win32_test_support.h"

namespace {

bool writeMode = false;
std::string referencePath; // the 1252 run's report, as a Unix or Windows path
std::wstring exportPath;

std::u16string wideText(HWND dialog, int id) {
    wchar_t text[2048];
    const int length = GetDlgItemTextW(dialog, id, text, 2048);
    return std::u16string(text, text + length);
}

std::u16string wideEntry(HWND list, int position) {
    wchar_t text[64];
    const auto length = SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(position),
                                     reinterpret_cast<LPARAM>(text));
    return length < 0 ? u"<none>" : std::u16string(text, text + length);
}

std::u16string shown(const char* catalogueText) {
    return windows1252ToUtf16(catalogueText);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return in ? bytes.str() : "<missing " + path + ">";
}

bool answerExportPath(ChooserMode, FileKind, OPENFILENAMEW& description) {
    wcscpy(description.lpstrFile, exportPath.c_str());
    return true;
}

class CatalogueText : public testing::Test {
  protected:
    void SetUp() override {
        if (writeMode)
            ASSERT_EQ(GetACP(), 1252u) << "the reference run needs code page 1252";
        else
            ASSERT_NE(GetACP(), 1252u) << "this process's code page is 1252: nothing is tested";
    }
};

TEST_F(CatalogueText, ReadsBackAsTheCataloguesText) {
    RealMainDialog real;
    HWND list = real.control(IDC_CARD_LIST);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), CardCount);
    RealUser user(real.handle());
    // Every card in turn: its entry, and the panel showing it.
    for (int card = 0; card < CardCount; ++card) {
        const CardRecord& record = CardCatalogue[card];
        ASSERT_EQ(wideEntry(list, card), shown(record.name)) << "entry " << card;
        user.select(card);
        const std::string rarity =
            std::string(RarityNames[record.rarity]) + " " + record.rarityCode;
        const std::pair<int, const char*> labels[] = {
            {IDC_PANEL_SET, SetNames[record.set]},
            {IDC_PANEL_TYPE, TypeNames[record.type]},
            {IDC_PANEL_RARITY, rarity.c_str()},
            {IDC_PANEL_ARTIST, record.artist},
            {IDC_PANEL_ID, record.cardId},
            {IDC_PANEL_TEXT, record.text},
            {IDC_PANEL_ERRATA, record.errata},
            {IDC_PANEL_ALIGNMENT, AlignmentNames[record.alignment]}};
        for (const auto& [id, text] : labels)
            ASSERT_EQ(wideText(real.handle(), id), shown(text))
                << "card " << card << " label " << id;
        const std::u16string has = wideText(real.handle(), IDC_PANEL_HAS);
        ASSERT_TRUE(has.ends_with(shown(record.name))) << "card " << card;
    }
}

TEST_F(CatalogueText, ExportCurrentListIsTheBytesOfACodePage1252Run) {
    const testfiles::TempFolder folder("cardhold-list-");
    exportPath = (folder.path() / "list.txt").wstring();
    setChooserHook(answerExportPath);
    {
        RealMainDialog real;
        RealUser(real.handle()).command(IDM_EXPORT_CURRENT_LIST);
    }
    setChooserHook(nullptr);
    const std::string written = testfiles::readBytes(folder.path() / "list.txt");
    ASSERT_GT(written.size(), 0u) << "nothing exported";

    if (writeMode) {
        std::ofstream(referencePath, std::ios::binary) << written;
        ASSERT_EQ(readBytes(referencePath), written) << "cannot keep " << referencePath;
    } else {
        EXPECT_TRUE(written == readBytes(referencePath))
            << "the report differs from the code page 1252 run";
    }
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3 || (std::strcmp(argv[1], "write") != 0 && std::strcmp(argv[1], "check") != 0)) {
        std::fprintf(stderr, "usage: win32_code_page_test write|check FILE\n");
        return 2;
    }
    writeMode = std::strcmp(argv[1], "write") == 0;
    referencePath = argv[2];
    return RUN_ALL_TESTS();
}
