#include "core/startup/Helpers.h"
#include "core/startup/WindowsVersion.h"

#include "TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace StartUp;

TEST(HelpersTest, ValidTimes) {
    for (const char* text : {"09:30", "23:59", "00:00", " 9:05", "ab:cd"})
        EXPECT_TRUE(IsValidTime(text)) << text;
    for (const char* text : {"24:00", "12:60", "9:30", "09.30", "09:300", "", "99:99"})
        EXPECT_FALSE(IsValidTime(text)) << text;
}

TEST(HelpersTest, LeapYears) {
    EXPECT_TRUE(IsLeapYear(2012));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2011));
    EXPECT_FALSE(IsLeapYear(1900));
}

TEST(HelpersTest, DateRangeIncludesBothBounds) {
    const std::string lo = "01-03-2012", hi = "31-03-2012";
    EXPECT_TRUE(IsDateInRange(lo, hi, "01-03-2012"));
    EXPECT_TRUE(IsDateInRange(lo, hi, "31-03-2012"));
    EXPECT_TRUE(IsDateInRange(lo, hi, "15-03-2012"));
    EXPECT_FALSE(IsDateInRange(lo, hi, "01-04-2012"));
    EXPECT_FALSE(IsDateInRange(lo, hi, "29-02-2012"));
    EXPECT_FALSE(IsDateInRange(lo, hi, "15-03-2011"));
    // A blank or short date counts as 0, so it lies inside an open lower bound only.
    EXPECT_TRUE(IsDateInRange("", hi, "01-01-2000"));
    EXPECT_FALSE(IsDateInRange(lo, hi, "01-03"));
}

TEST(HelpersTest, EmailChecksInOrder) {
    EXPECT_EQ(EmailCheckFailure("john smith@example.com"), 1);
    EXPECT_EQ(EmailCheckFailure("a@b.com"), 2);
    EXPECT_EQ(EmailCheckFailure("a@b.co"), 2);
    EXPECT_EQ(EmailCheckFailure(""), 2);
    EXPECT_EQ(EmailCheckFailure("@example.com"), 3);
    EXPECT_EQ(EmailCheckFailure("john.smith"), 3);
    EXPECT_EQ(EmailCheckFailure("john.smith@example"), 4);
    EXPECT_EQ(EmailCheckFailure("john@example.com"), 0);
    EXPECT_EQ(EmailCheckFailure("  ab@cd.ef  "), 0);

    EXPECT_STREQ(EmailCheckTitle(1), "Kestrane [Bad format: spaces in address]");
    EXPECT_STREQ(EmailCheckTitle(2), "Kestrane [Bad Domain Name]");
    EXPECT_STREQ(EmailCheckTitle(3), "Kestrane [Bad Format Missing @ ]");
    EXPECT_STREQ(EmailCheckTitle(4), "Kestrane [Bad Domain Identity]");
    EXPECT_STREQ(EmailCheckText, "Attention: Please note the E-mail address entered is not valid  ");
}

TEST(HelpersTest, FileExistsNeverThrows) {
    TempFolder folder;
    const std::string file = folder.withSlash() + "a.txt";
    EXPECT_FALSE(FileExists(file));
    std::ofstream(file) << "x";
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(folder.path().string()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(file + "/below-a-file"));
}

TEST(HelpersTest, HelpPages) {
    EXPECT_EQ(HelpPageForTopic(90), "index.html");
    EXPECT_EQ(HelpPageForTopic(0), "index.html");
    EXPECT_EQ(HelpPageForTopic(101), "index.html");
    EXPECT_EQ(HelpPageForTopic(20), "daylist.html");
    EXPECT_EQ(HelpPageForTopic(60), "makebooking3.html");
    EXPECT_EQ(HelpPageForTopic(61), "makebooking3.html");
    EXPECT_EQ(HelpPageForTopic(80), "ModesOfOperation2.html");
    EXPECT_EQ(HelpPageForTopic(100), "issuingapass.html");
}

TEST(HelpersTest, ShellOpenFolder) {
    EXPECT_EQ(ShellOpenFolder("/x.html", "/cwd"), "/");
    EXPECT_EQ(ShellOpenFolder("/a/x.html", "/cwd"), "/a");
    EXPECT_EQ(ShellOpenFolder("x.html", "/cwd"), "/cwd");
    EXPECT_EQ(ShellOpenFolder("\"/prog/KestraneDocs/index.html\"", "/cwd"), "/prog/KestraneDocs");
    EXPECT_EQ(ShellOpenFolder("\"/x.html\"", "/cwd"), "/");
    EXPECT_EQ(ShellOpenFolder("\"x.html\"", "/cwd"), "/cwd");
}

namespace {
SystemInfo Windows(int major, int minor) {
    SystemInfo info;
    info.IsWindows = true;
    info.MajorVersion = major;
    info.MinorVersion = minor;
    return info;
}
} // namespace

TEST(WindowsVersionTest, DetectsXPOrLater) {
    struct Case {
        SystemInfo info;
        const char* text;
        bool xp;
        int whole;
    };
    for (const Case& c : {Case{Windows(5, 0), "5.00", false, 0}, Case{Windows(5, 1), "5.01", true, 5},
                          Case{Windows(6, 2), "6.02", true, 6}, Case{Windows(6, 10), "6.10", true, 6},
                          Case{SystemInfo{}, "0.00", false, 0}}) {
        ProgramState state;
        state.IsXPOrLater = true;
        EXPECT_EQ(GetWindowsVersionString(c.info), c.text);
        EXPECT_EQ(DetectWindowsVersion(state, c.info), c.xp) << c.text;
        EXPECT_EQ(state.IsXPOrLater, c.xp) << c.text;
        EXPECT_EQ(state.WindowsVersion, c.whole) << c.text;
    }
}
