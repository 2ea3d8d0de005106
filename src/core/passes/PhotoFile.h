#pragma once

#include "core/FileError.h"

#include <string>
#include <string_view>

namespace PhotoFile {

// The photo of a booking: DataRoot/photo/<first four characters of the
// number>/<number>_<first name>_<last name>.bmp. Names come from files other
// desks wrote, so a path separator in any part is replaced and the month
// folder can never be "." or "..": the path always stays in its month folder.
std::string PhotoMonthFolder(const std::string& dataRoot, const std::string& regNo);
std::string PhotoFilePath(const std::string& dataRoot, const std::string& regNo, const std::string& firstName,
                          const std::string& lastName);
// How the names of every photo file of regNo begin: "<number>_".
std::string PhotoNamePrefix(const std::string& regNo);

// Writes bytes atomically as the photo at path, in its month folder. Every
// photo save in a month folder holds the folder's lock (beside the folder),
// so the photo temporaries found there meanwhile are those of killed saves:
// they go first. Errors as WriteFileAtomically's, or the lock's.
FileError WritePhoto(const std::string& path, std::string_view bytes);

} // namespace PhotoFile
