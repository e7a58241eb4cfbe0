#pragma once

#include "DatabaseError.h"

#include <QString>
#include <optional>
#include <sys/types.h>

// Inside platform/db: the SQLite store as a file in its folder.
namespace db::store {

// Which file a path or descriptor names; a file restored from a backup over
// the old one is another file with the same name.
struct FileIdentity
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity &other) const = default;
};

// The store file was deleted or replaced while the program had it open:
// whatever was written now would go into a file nobody will read again.
DatabaseError storeFileReplaced(const QString &path);

// nullopt when the file is missing.
std::optional<FileIdentity> identityOf(const QString &path);
std::optional<FileIdentity> identityOf(int descriptor);

// File systems shared between hosts (NFS, SMB/CIFS, AFS, ...), by the type
// statfs reports. SQLite's WAL needs memory shared between all users of a
// store, which such a file system cannot give.
bool isNetworkFileSystemType(long type);
bool onNetworkFileSystem(const QString &folder);

// Closing any descriptor of a file drops every POSIX lock the process holds
// on it, SQLite's included. A descriptor the layer opens on a store file
// beside SQLite's is therefore closed only once no connection of this
// process has that file open any more.
void connectionOpened(const FileIdentity &file);
void connectionClosed(const FileIdentity &file);
void closeWhenUnused(const FileIdentity &file, int descriptor);

} // namespace db::store
