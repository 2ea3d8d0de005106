#include "core/desk/BookingList.h"

#include "core/AtomicFile.h"

#include <cerrno>
#include <limits>

namespace Lists {

FileError ReadListFile(const std::string& path, std::string& bytes) {
    if (FileError e = ReadWholeFile(path, bytes))
        return e;
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        bytes.clear();
        return FileErrorFromErrno(EFBIG);
    }
    return FileError::None();
}

} // namespace Lists
