#include "core/startup/Manifest.h"
#include "core/TextUtil.h"

#include "Version.h"
#include "core/AtomicFile.h"
#include "core/startup/FileAttributes.h"
#include "core/startup/Helpers.h"
#include "core/startup/WindowsVersion.h"

#include <filesystem>
#include <system_error>

namespace modXMLTheme {

const std::string_view ManifestTemplate = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?> \r\n"
                                          "<assembly \r\n"
                                          "   xmlns=\"urn:schemas-microsoft-com:asm.v1\" \r\n"
                                          "   manifestVersion=\"1.0\">\r\n"
                                          "<assemblyIdentity \r\n"
                                          "    processorArchitecture=\"x86\" \r\n"
                                          "    version=\"EXEVERSION\"\r\n"
                                          "    type=\"win32\"\r\n"
                                          "    name=\"COMPANYNAME.EXENAME\"/>\r\n"
                                          "    <description>EXEDESCRIPTION</description>\r\n"
                                          "    <dependency>\r\n"
                                          "    <dependentAssembly>\r\n"
                                          "    <assemblyIdentity\r\n"
                                          "         type=\"win32\"\r\n"
                                          "         name=\"Microsoft.Windows.Common-Controls\"\r\n"
                                          "         version=\"6.0.0.0\"\r\n"
                                          "         publicKeyToken=\"6595b64144ccf1df\"\r\n"
                                          "         language=\"*\"\r\n"
                                          "         processorArchitecture=\"x86\"/>\r\n"
                                          "    </dependentAssembly>\r\n"
                                          "    </dependency>\r\n"
                                          "</assembly>\r\n";

namespace {

// Every occurrence, left to right; replaced text is not searched again.
void ReplaceAll(std::string& text, const std::string& placeholder, const std::string& value) {
    for (auto pos = text.find(placeholder); pos != std::string::npos;
         pos = text.find(placeholder, pos + value.size())) {
        text.replace(pos, placeholder.size(), value);
    }
}

void DeleteFile(const std::string& path) {
    FileAttributes::Set(path, FileAttributes::Normal);
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

} // namespace

std::string FillManifestTemplate(const std::string& exeName, int major, int minor, int revision,
                                 const std::string& description, const std::string& company) {
    std::string text(ManifestTemplate);
    ReplaceAll(text, "EXENAME", exeName + ".exe");
    ReplaceAll(text, "EXEVERSION",
               std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision) + ".0");
    ReplaceAll(text, "EXEDESCRIPTION", description);
    ReplaceAll(text, "COMPANYNAME", company);
    return text;
}

bool IsNetworkPath(const std::string& path) {
    return path.starts_with("//") || path.starts_with("\\\\");
}

std::string AddPathSeparator(const std::string& path, bool /*isNetworkPath*/) {
    // Network and local folders use the same separator here.
    const std::string separator = "/";
    const std::string trimmed = Text::Trim(path);
    if (trimmed.ends_with(separator))
        return path;
    return trimmed + separator;
}

std::string AddPathSeparator(const std::string& path) {
    return AddPathSeparator(path, IsNetworkPath(path));
}

bool IsWindowsXPOrLater(ProgramState& state, const SystemInfo& info) {
    state.IsXPOrLater = StartUp::WindowsVersionHundredths(info) >= 501;
    return state.IsXPOrLater;
}

std::string GetWindowsVersionString(const SystemInfo& info) {
    return StartUp::GetWindowsVersionString(info);
}

bool IsUxThemeAvailable(const SystemInfo& info) {
    return info.UxThemeAvailable;
}

FileError EnsureThemeManifest(ProgramState& state, const SystemInfo& info, const std::string& exeFolder,
                              const std::string& exeName) {
    const bool xpOrLater = IsWindowsXPOrLater(state, info);
    if (!xpOrLater || !IsUxThemeAvailable(info) || !info.ThemeActive)
        return FileError::None();

    const std::string text = FillManifestTemplate(exeName, Version::Major, Version::Minor, Version::Revision,
                                                  Version::FileDescription, Version::CompanyName);
    const std::string path = AddPathSeparator(exeFolder) + exeName + ".exe.manifest";
    // A half-written manifest would keep the program from starting where
    // manifests are read, so the old one is replaced, never deleted first;
    // being the program's own file, it is replaced even when read-only.
    if (StartUp::FileExists(path))
        FileAttributes::Set(path, FileAttributes::Normal);
    if (FileError error = WriteFileAtomically(path, text))
        return error;
    FileAttributes::Set(path, FileAttributes::Hidden | FileAttributes::System);
    return FileError::None();
}

void RemoveStaleManifest(const std::string& path) {
    if (StartUp::FileExists(path))
        DeleteFile(path);
}

} // namespace modXMLTheme
