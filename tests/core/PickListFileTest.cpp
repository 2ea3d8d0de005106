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
                             "[DEPARTME]\n"
                             "FINANCE  \n"
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
    EXPECT_EQ(lists[1], (std::vector<std::string>{"FINANCE  ", "WELDING"}));
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
    EXPECT_EQ(CustomListsTempFile("/opt/k/"), "/opt/k/_KSF/KSystem/KACustom.inh");
}
