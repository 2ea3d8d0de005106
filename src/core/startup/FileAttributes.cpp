#include "core/startup/FileAttributes.h"

#include <cerrno>
#include <filesystem>
#include <sys/xattr.h>
#include <system_error>

namespace FileAttributes {

namespace {

namespace fs = std::filesystem;

constexpr const char* AttributeName = "user.kestrane.attributes";
constexpr unsigned StoredFlags = Hidden | System | Archive;
constexpr fs::perms WriteBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

bool NoStoredAttribute(int error) {
    return error == ENODATA || error == ENOTSUP;
}

bool Exists(const std::string& path, fs::file_status& status) {
    std::error_code ec;
    status = fs::status(path, ec);
    return !ec && fs::exists(status);
}

} // namespace

bool Get(const std::string& path, unsigned& flags) {
    fs::file_status status;
    if (!Exists(path, status))
        return false;
    unsigned found = 0;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        found |= ReadOnly;

    char value[32];
    const ssize_t length = getxattr(path.c_str(), AttributeName, value, sizeof value);
    if (length >= 0) {
        unsigned stored = 0;
        for (ssize_t i = 0; i < length && value[i] >= '0' && value[i] <= '9'; ++i)
            stored = stored * 10 + static_cast<unsigned>(value[i] - '0');
        found |= stored & StoredFlags;
    } else if (!NoStoredAttribute(errno)) {
        return false;
    }
    flags = found == 0 ? static_cast<unsigned>(Normal) : found;
    return true;
}

bool Set(const std::string& path, unsigned flags) {
    fs::file_status status;
    if (!Exists(path, status))
        return false;
    // A user attribute can only be changed while the file is writable.
    std::error_code ec;
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ec);
    if (ec)
        return false;

    bool ok = true;
    const unsigned stored = flags & StoredFlags;
    if (stored != 0) {
        const std::string value = std::to_string(stored);
        ok = setxattr(path.c_str(), AttributeName, value.data(), value.size(), 0) == 0;
    } else if (removexattr(path.c_str(), AttributeName) != 0 && !NoStoredAttribute(errno)) {
        ok = false;
    }

    if (flags & ReadOnly) {
        fs::permissions(path, WriteBits, fs::perm_options::remove, ec);
        ok = ok && !ec;
    }
    return ok;
}

} // namespace FileAttributes
