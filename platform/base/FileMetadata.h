#pragma once

// What a file carries besides its content, mode and owner: the access control list and the
// extended attributes. A file written to replace another takes them over, so that a save
// neither widens nor narrows who may use the file.
class CFileMetadata {
public:
    // What could not be carried over.
    enum Lost : unsigned {
        lostNothing = 0,
        lostAcl = 1,        // the named users and groups of the ACL
        lostAttributes = 2, // one or more extended attributes
    };

    // Gives the file open as to the ACL and extended attributes of the file open as from; to
    // already has from's mode. Where the ACL cannot be given, to's group bits become the owning
    // group's own entry (never the ACL mask, which would let the whole group in).
    static unsigned Copy(int from, int to);
};
