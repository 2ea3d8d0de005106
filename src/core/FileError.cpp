#include "core/FileError.h"

#include <cerrno>
#include <cstring>

FileError FileErrorFromErrno(int err) {
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return {ErrorNumber::PathNotFound, "Path not found"};
    case EACCES:
    case EPERM:
    case EROFS:
        return {ErrorNumber::PermissionDenied, "Permission denied"};
    case ENOSPC:
    case EDQUOT:
        return {ErrorNumber::DiskFull, "Disk full"};
    default:
        return {ErrorNumber::PathFileAccess, std::string("Path/File access error (") + std::strerror(err) + ")"};
    }
}
