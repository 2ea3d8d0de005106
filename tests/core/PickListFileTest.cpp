#include "core/desk/PickListFile.h"

#include "TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace PickList;

namespace {

using Lists = std::vector<std::vector<std::string>>;
const std::vector<std::string> mainHeaders = {CategoryHeader, DepartmentHeader};
const std::vector<std::string> detailHeaders = {DescriptionHeader, AccessAreaHeader};

Lists Read(const TempFolder& folder, const std::string& content, const std::vector<std::string>& headers) {
    const std::string path = folder.withSlash() + "lists.ini";
    std::ofstream(path, std::ios::binary) << content;
    Lists lists;
    EXPECT_FALSE(ReadPickLists(path, headers, lists));
    return lists;
}

} // namespace

TEST(PickListFile, SectionsHeadersAndItems) {
    TempFolder folder;
    const Lists lists = Read(folder,
                             "STRAY before any header\r\n"
                             "[CATEGORY] the visitor kinds\r\n"
                             "VISITOR\r\n"
                             "\tTABBED\r\n"
                             " BLANK STARTED\r\n"
                             "AFTER BLANK LINE\r\n"
                             "[DEPARTME]\r"
                             "FINANCE  \r"
                             "\r"
                             "[DEPARTME]\n"
                             "STORES\n"
                             "[DESCRIPT]\n"
                             "WELDING\n"
                             ";comment\n"
                             "OUTSIDE\n"
                             "[category]\n"
                             "LOWER\n"
                             "[DEPARTMENT]\n"
                             "FULL WORD\n"
                             "[CATEGORY]\n"
                             "GUEST\n"
                             "[category]\n"
                             "LOWER AFTER OPEN SECTION",
                             mainHeaders);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0], (std::vector<std::string>{"VISITOR", "\tTABBED", "GUEST", "LOWER AFTER OPEN SECTION"}));
    // The unknown DESCRIPT header leaves the department section open; items keep their blanks.
    EXPECT_EQ(lists[1], (std::vector<std::string>{"FINANCE  ", "STORES", "WELDING"}));
}

TEST(PickListFile, EachReaderTakesItsOwnSections) {
    TempFolder folder;
    const Lists lists = Read(folder, "[CATEGORY]\nGUEST\n\n[DESCRIPT]\nWELDING\n\n[SELECTAC]\nGATE 2\n", detailHeaders);
    EXPECT_EQ(lists, (Lists{{"WELDING"}, {"GATE 2"}}));
}

TEST(PickListFile, MissingFileIs53) {
    TempFolder folder;
    Lists lists{{"old"}};
    EXPECT_EQ(ReadPickLists(folder.withSlash() + "none.ini", mainHeaders, lists).number, 53);
    EXPECT_EQ(ReadPickLists(folder.withSlash() + "no/such/folder.ini", mainHeaders, lists).number, 53);
    EXPECT_EQ(lists, (Lists{{}, {}}));
    EXPECT_EQ(CustomListsFile("/opt/k/"), "/opt/k/_KSF/KSystem/KACustom.ini");
}

#include "core/admin/FolderPath.h"
#include "core/admin/PickListEdit.h"

#include <optional>

namespace {

// Departments that run on into a description header, with an item that ends
// in blanks, one repeated, the same text again under access areas, and lines
// ended by a lone CR, a lone LF and nothing.
const std::string EditedFile = "[DEPARTME]\r\n"
                               "FINANCE\r\n"
                               "STORES  \r"
                               "FINANCE\n"
                               "[DESCRIPT]\r\n"
                               "WELDING\r\n"
                               "\r\n"
                               "[SELECTAC]\r\n"
                               "FINANCE\r\n"
                               "[CATEGORY]\r\n"
                               ";none yet\r\n"
                               "STRAY";

} // namespace

TEST(PickListEdit, ListsTheLinesOfTheChosenSection) {
    using PickListEdit::SectionKey, PickListEdit::SectionItems;
    EXPECT_EQ(SectionKey("DEPARTMENT"), "[DEPART");
    EXPECT_EQ(SectionKey("DESCRIPTION OF WORK"), "[DESCRI");
    EXPECT_EQ(PickListEdit::ItemLimit("CATEGORY"), 25);
    EXPECT_EQ(PickListEdit::ItemLimit("SELECT ACCESS"), 40);
    EXPECT_EQ(PickListEdit::ItemLimit("- Select -"), 0);
    EXPECT_EQ(SectionItems(EditedFile, "[DEPART"),
              (std::vector<std::string>{"FINANCE", "STORES  ", "FINANCE", "WELDING"}));
    EXPECT_EQ(SectionItems(EditedFile, "[SELECT"), (std::vector<std::string>{"FINANCE"}));
    EXPECT_TRUE(SectionItems(EditedFile, "[CATEGO").empty());
}

TEST(PickListEdit, AddAndRemoveTouchOnlyTheListedLine) {
    using PickListEdit::AddItem, PickListEdit::RemoveItem, PickListEdit::ListedItem;
    struct Case {
        const char* what;
        std::optional<std::string> result;
        std::string expected;
    };
    const std::string head = "[DEPARTME]\r\nFINANCE\r\nSTORES  \r\nFINANCE\r\n[DESCRIPT]\r\nWELDING\r\n";
    // Every line written back ends in CR LF.
    const std::string tail = "\r\n[SELECTAC]\r\nFINANCE\r\n[CATEGORY]\r\n;none yet\r\nSTRAY\r\n";
    const Case cases[] = {
        {"after the second of two equal lines", AddItem(EditedFile, "[DEPART", ListedItem{"FINANCE", 1}, "IT"),
         "[DEPARTME]\r\nFINANCE\r\nSTORES  \r\nFINANCE\r\nIT\r\n[DESCRIPT]\r\nWELDING\r\n" + tail},
        {"after a line ending in blanks", AddItem(EditedFile, "[DEPART", ListedItem{"STORES  ", 0}, "IT"),
         "[DEPARTME]\r\nFINANCE\r\nSTORES  \r\nIT\r\nFINANCE\r\n[DESCRIPT]\r\nWELDING\r\n" + tail},
        {"nothing highlighted: the end of the section as listed", AddItem(EditedFile, "[DEPART", std::nullopt, "IT"),
         head + "IT\r\n" + tail},
        {"an empty section: after its header", AddItem(EditedFile, "[CATEGO", std::nullopt, "GUEST"),
         head + "\r\n[SELECTAC]\r\nFINANCE\r\n[CATEGORY]\r\nGUEST\r\n;none yet\r\nSTRAY\r\n"},
        {"the last line without a line end", AddItem("[CATEGORY]\nVISITOR", "[CATEGO", std::nullopt, "GUEST"),
         "[CATEGORY]\r\nVISITOR\r\nGUEST\r\n"},
        {"remove the first of two equal lines only", RemoveItem(EditedFile, "[DEPART", ListedItem{"FINANCE", 0}),
         "[DEPARTME]\r\nSTORES  \r\nFINANCE\r\n[DESCRIPT]\r\nWELDING\r\n" + tail},
        {"remove a line ending in blanks", RemoveItem(EditedFile, "[DEPART", ListedItem{"STORES  ", 0}),
         "[DEPARTME]\r\nFINANCE\r\nFINANCE\r\n[DESCRIPT]\r\nWELDING\r\n" + tail},
        {"remove a line run on from the next header", RemoveItem(EditedFile, "[DEPART", ListedItem{"WELDING", 0}),
         "[DEPARTME]\r\nFINANCE\r\nSTORES  \r\nFINANCE\r\n[DESCRIPT]\r\n" + tail},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.result) << c.what;
        EXPECT_EQ(*c.result, c.expected) << c.what;
    }
    EXPECT_FALSE(RemoveItem(EditedFile, "[DEPART", ListedItem{"FINANCE", 2})) << "no third FINANCE";
    EXPECT_FALSE(RemoveItem(EditedFile, "[DEPART", ListedItem{"STORES", 0})) << "blanks count";
    EXPECT_FALSE(AddItem(EditedFile, "[NOSUCH", std::nullopt, "IT")) << "no such section";
}

TEST(PickListEdit, RefusesItemsThatWouldBreakTheFile) {
    for (const char* bad : {"", " LEADING", ";COMMENT", "[HEADER", "TWO\r\nLINES"})
        EXPECT_TRUE(PickListEdit::ItemRefusal(bad)) << bad;
    for (const char* good : {"IT", "R&D [LAB]", "\tTABBED"})
        EXPECT_FALSE(PickListEdit::ItemRefusal(good)) << good;
}

TEST(PickListEdit, FileChangesAreWholeOrNone) {
    TempFolder folder;
    const std::string path = folder.withSlash() + "lists.ini";
    EXPECT_EQ(PickListEdit::AddToFile(path, "[DEPART", std::nullopt, "IT").number, 53);
    EXPECT_FALSE(std::filesystem::exists(path)) << "a missing file is not made";

    std::ofstream(path, std::ios::binary) << EditedFile;
    std::vector<std::string> items;
    ASSERT_FALSE(PickListEdit::LoadSection(path, "[SELECT", items));
    EXPECT_EQ(items, (std::vector<std::string>{"FINANCE"}));
    EXPECT_EQ(PickListEdit::RemoveFromFile(path, "[SELECT", {"GATE 2", 0}).number, 2000);
    ASSERT_FALSE(PickListEdit::RemoveFromFile(path, "[SELECT", {"FINANCE", 0}));
    ASSERT_FALSE(PickListEdit::LoadSection(path, "[DEPART", items));
    EXPECT_EQ(items, (std::vector<std::string>{"FINANCE", "STORES  ", "FINANCE", "WELDING"}));

    // A folder in the way of the atomic rename: the write fails, the file stays.
    const std::string blocked = folder.withSlash() + "blocked.ini";
    std::filesystem::create_directory(blocked);
    EXPECT_NE(PickListEdit::AddToFile(blocked, "[DEPART", std::nullopt, "IT").number, 0);
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
}

TEST(FolderPath, RefusesWhatTheRecordCannotKeep) {
    EXPECT_FALSE(FolderPath::FolderRefusal(std::string(255, 'a')));
    EXPECT_TRUE(FolderPath::FolderRefusal(std::string(256, 'a')));
    EXPECT_TRUE(FolderPath::FolderRefusal("/data/\tnew"));
    EXPECT_TRUE(FolderPath::FolderRefusal("/data/\x7f"));
    EXPECT_TRUE(FolderPath::FolderRefusal("/data/old "));
    EXPECT_FALSE(FolderPath::FolderRefusal("/data/caf\xc3\xa9 [2]"));
}

TEST(FolderPath, ShortensInTheMiddle) {
    const auto chars = [](std::string_view s) { return static_cast<int>(s.size()); };
    struct Case {
        const char* path;
        int width;
        const char* shown;
    };
    const Case cases[] = {
        {"/srv/kestrane/data", 18, "/srv/kestrane/data"},
        {"/srv/share/kestrane/data", 20, "/srv/.../data"},
        {"/srv/share/kestrane/data", 22, "/srv/.../kestrane/data"},
        {"/srv/share/kestrane/data", 8, ".../data"},
        {"/srv/share/kestrane/data", 6, "...ata"},
        {"relative/a/b", 11, ".../b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderPath::CompactInMiddle(c.path, c.width, chars), c.shown) << c.path << " in " << c.width;
    // Cut between characters, never inside one.
    EXPECT_EQ(FolderPath::CompactInMiddle("/x/\xc3\xa9t\xc3\xa9", 7, chars), "...t\xc3\xa9");
}
