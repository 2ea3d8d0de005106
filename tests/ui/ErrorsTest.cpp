#include "ui/common/Errors.h"
#include "core/FileError.h"

#include <gtest/gtest.h>

// The system words its errors in the locale's encoding (UTF-8), not as booking
// bytes: a translated text keeps its letters.
TEST(ErrorsTest, SystemWordsKeepTheirLetters) {
    const FileError error{ErrorNumber::PathFileAccess, "Path/File access error (Datei zu gro\xc3\x9f)"};
    EXPECT_EQ(Errors::Reason(error), QString::fromUtf8("error 75: Path/File access error (Datei zu gro\xc3\x9f)"));
}
