#include "core/passes/PhotoFile.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/desk/RegNo.h"

namespace {
std::string safePart(std::string s) {
    for (char& c : s)
        if (c == '/' || c == '\\' || c == '\0')
            c = '_';
    return s;
}
} // namespace

std::string PhotoFile::PhotoMonthFolder(const std::string& dataRoot, const std::string& regNo) {
    std::string month = safePart(std::string(BookedMonthOf(regNo).yymm));
    if (month.empty() || month == "." || month == "..")
        month.assign(1, '_'); // assigning a literal here draws a false -Wrestrict from GCC 12 at -O3
    std::string folder = dataRoot;
    folder += "/photo/";
    folder += month;
    folder += '/';
    return folder;
}

std::string PhotoFile::PhotoFilePath(const std::string& dataRoot, const std::string& regNo,
                                     const std::string& firstName, const std::string& lastName) {
    return PhotoMonthFolder(dataRoot, regNo) + safePart(regNo) + "_" + safePart(firstName) + "_" + safePart(lastName) +
           ".bmp";
}

std::string PhotoFile::PhotoNamePrefix(const std::string& regNo) {
    return safePart(regNo) + "_";
}

FileError PhotoFile::WritePhoto(const std::string& path, std::string_view bytes) {
    const std::string folder = FolderOf(path);
    const FileLock lock(folder);
    if (lock.error())
        return lock.error();
    RemoveLeftoverTemporariesIn(folder, ".bmp");
    return WriteFileAtomically(path, bytes);
}
