#include "platform/base/FileMetadata.h"

#include <acl/libacl.h>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/acl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <vector>

namespace {
// The ACL travels through libacl; its attribute names are left to it.
bool IsAclAttribute(const char* name) {
    return std::strncmp(name, "system.posix_acl_", 17) == 0;
}

bool Unsupported(int err) {
    return err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS;
}

// The names of from's attributes, each ending in '\0'; false when they cannot be read.
bool AttributeNames(int from, std::vector<char>& names) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        ssize_t size = ::flistxattr(from, nullptr, 0);
        if (size < 0) return Unsupported(errno);
        names.resize(static_cast<size_t>(size));
        if (size == 0) return true;
        size = ::flistxattr(from, names.data(), names.size());
        if (size >= 0) {
            names.resize(static_cast<size_t>(size));
            return true;
        }
        if (errno != ERANGE) return false; // ERANGE: the list grew meanwhile
    }
    return false;
}

bool CopyAttribute(int from, int to, const char* name) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        ssize_t size = ::fgetxattr(from, name, nullptr, 0);
        if (size < 0) return false;
        std::vector<char> value(static_cast<size_t>(size));
        size = ::fgetxattr(from, name, value.data(), value.size());
        if (size >= 0) return ::fsetxattr(to, name, value.data(), size_t(size), 0) == 0;
        if (errno != ERANGE) return false;
    }
    return false;
}

bool CopyAttributes(int from, int to) {
    std::vector<char> names;
    if (!AttributeNames(from, names)) return false;
    bool all = true;
    for (size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        if (*name && !IsAclAttribute(name) && !CopyAttribute(from, to, name)) all = false;
    }
    return all;
}

// rwx of an ACL entry as the three low mode bits.
mode_t EntryBits(acl_entry_t entry) {
    acl_permset_t perms;
    if (acl_get_permset(entry, &perms) != 0) return 0;
    return (acl_get_perm(perms, ACL_READ) == 1 ? 4 : 0) |
           (acl_get_perm(perms, ACL_WRITE) == 1 ? 2 : 0) |
           (acl_get_perm(perms, ACL_EXECUTE) == 1 ? 1 : 0);
}

// The owning group's bits as the ACL lets them act: its own entry within the mask.
mode_t OwningGroupBits(acl_t acl) {
    mode_t group = 0, mask = 7;
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; acl_get_entry(acl, which, &entry) == 1;
         which = ACL_NEXT_ENTRY) {
        acl_tag_t tag;
        if (acl_get_tag_type(entry, &tag) != 0) continue;
        if (tag == ACL_GROUP_OBJ) group = EntryBits(entry);
        if (tag == ACL_MASK) mask = EntryBits(entry);
    }
    return group & mask;
}

// False when an extended ACL could not be given; to then keeps no more than the owning group.
bool CopyAcl(int from, int to) {
    acl_t acl = acl_get_fd(from);
    if (!acl) return Unsupported(errno);
    bool ok = true;
    // A minimal ACL is the mode bits themselves, which the file already has.
    if (acl_equiv_mode(acl, nullptr) != 0 && acl_set_fd(to, acl) != 0) {
        ok = false;
        struct stat st;
        if (::fstat(to, &st) == 0)
            (void)::fchmod(to, (st.st_mode & 07707) | (OwningGroupBits(acl) << 3));
    }
    acl_free(acl);
    return ok;
}
} // namespace

unsigned CFileMetadata::Copy(int from, int to) {
    unsigned lost = lostNothing;
    if (!CopyAcl(from, to)) lost |= lostAcl;
    if (!CopyAttributes(from, to)) lost |= lostAttributes;
    return lost;
}
