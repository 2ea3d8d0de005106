#pragma once

#include "core/FileError.h"
#include "core/ProgramState.h"
#include "core/startup/SystemInfo.h"

#include <string>
#include <string_view>

// The application manifest that asks for the themed common controls.
namespace modXMLTheme {

// With the placeholders EXENAME, EXEVERSION, EXEDESCRIPTION and COMPANYNAME.
extern const std::string_view ManifestTemplate;

// The template with every placeholder replaced; exeName is without extension.
std::string FillManifestTemplate(const std::string& exeName, int major, int minor, int revision,
                                 const std::string& description, const std::string& company);

bool IsNetworkPath(const std::string& path);

// The folder with one separator at its end (a folder already ending in one is returned as given).
std::string AddPathSeparator(const std::string& path, bool isNetworkPath);
std::string AddPathSeparator(const std::string& path);

// Sets IsXPOrLater; leaves WindowsVersion alone.
bool IsWindowsXPOrLater(ProgramState& state, const SystemInfo& info);
std::string GetWindowsVersionString(const SystemInfo& info);
bool IsUxThemeAvailable(const SystemInfo& info);

// Writes exeFolder/exeName.exe.manifest, hidden and system, when visual styles
// are in use. The file is replaced atomically, so a failed write leaves the
// old manifest whole; the failure is given back (the attributes are set as
// far as the file system allows). The program starts either way.
[[nodiscard]] FileError EnsureThemeManifest(ProgramState& state, const SystemInfo& info, const std::string& exeFolder,
                                            const std::string& exeName);

// Deletes a manifest left from a start with visual styles on.
void RemoveStaleManifest(const std::string& path);

} // namespace modXMLTheme
