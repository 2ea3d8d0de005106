#include "platform/SingleInstance.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <map>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The same folder reached through a link is the same program folder.
std::string ClaimName(const std::string& programFolder) {
    std::error_code ec;
    std::string key = std::filesystem::canonical(programFolder, ec).string();
    if (ec) {
        key = std::filesystem::path(programFolder).lexically_normal().string();
        while (key.size() > 1 && key.ends_with('/'))
            key.pop_back();
    }
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256);
    return "Kestrane." + hash.toHex().toStdString();
}

} // namespace

bool SingleInstance::Claim(const std::string& programFolder) {
    static std::map<std::string, int> held; // name -> socket, open until the process ends
    const std::string name = ClaimName(programFolder);
    if (held.contains(name))
        return true;

    // Close-on-exec, or a help viewer started from the program would keep
    // the claim after the program has ended.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true; // no way to tell: better a second copy than none at all
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An abstract name: sun_path starts with a zero byte and no file exists.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const int err = errno;
        ::close(fd);
        return err != EADDRINUSE;
    }
    held.emplace(name, fd);
    return true;
}
