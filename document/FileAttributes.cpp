#include "document/FileAttributes.h"

#include <acl/libacl.h>
#include <sys/acl.h>
#include <sys/xattr.h>

#include <cerrno>
#include <string>
#include <string_view>

namespace {

// The access control lists are extended attributes too, but they are set through the ACL library,
// which keeps them and the mode bits in step.
bool IsAccessControlList(std::string_view name) {
    return name == "system.posix_acl_access" || name == "system.posix_acl_default";
}

// A file system without ACLs gives none, and the new file then keeps the mode it was given.
void CopyAccessControlList(int fromFd, int toFd) {
    const acl_t acl = ::acl_get_fd(fromFd);
    if (!acl) {
        return;
    }
    ::acl_set_fd(toFd, acl);
    ::acl_free(acl);
}

std::string AttributeNames(int fd) {
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size <= 0) {
            return {};
        }
        std::string names(static_cast<std::size_t>(size), '\0');
        const ssize_t listed = ::flistxattr(fd, names.data(), names.size());
        if (listed >= 0) {
            names.resize(static_cast<std::size_t>(listed));
            return names;
        }
        if (errno != ERANGE) {  // ERANGE: an attribute came meanwhile; ask again
            return {};
        }
    }
}

void CopyExtendedAttribute(int fromFd, int toFd, const char* name) {
    const ssize_t size = ::fgetxattr(fromFd, name, nullptr, 0);
    if (size < 0) {
        return;
    }
    std::string value(static_cast<std::size_t>(size), '\0');
    const ssize_t read = ::fgetxattr(fromFd, name, value.data(), value.size());
    if (read >= 0) {
        ::fsetxattr(toFd, name, value.data(), static_cast<std::size_t>(read), 0);
    }
}

}  // namespace

void CopyFileAttributes(int fromFd, int toFd) {
    CopyAccessControlList(fromFd, toFd);
    const std::string names = AttributeNames(fromFd);
    for (std::size_t at = 0; at < names.size();) {
        const std::string_view name(names.c_str() + at);
        if (!IsAccessControlList(name)) {
            CopyExtendedAttribute(fromFd, toFd, name.data());
        }
        at += name.size() + 1;
    }
}
