#pragma once

#include <string>

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

} // namespace PhotoFile
