// One writer at a time in a catalog's folder.
//
// A catalog is three files, and a save writes two of them. Two programs saving the same catalog
// at once (two editors, the editor and sheetwise-cli, two sheetwise-cli runs) could each move one
// of their files into place and leave a catalog beside another writer's attribute file. Writers
// therefore take an advisory lock on the folder itself (flock on the folder's descriptor): no
// lock file appears beside the catalog, and the lock goes away with the process that held it,
// however it ended. Readers never take it: every file is replaced whole, so a reader sees either
// the old file or the new one.
#pragma once

#include <string>

namespace sheetwise {

class CatalogWriteLock {
  public:
    // Locks the folder that holds path (a resolved UTF-8 path), waiting while another writer
    // holds it. The same thread may lock a folder again while it holds it (a set save locks
    // once for the set and once for each file); the lock is released with the outermost guard.
    explicit CatalogWriteLock(const std::string& path);
    ~CatalogWriteLock();
    CatalogWriteLock(const CatalogWriteLock&) = delete;
    CatalogWriteLock& operator=(const CatalogWriteLock&) = delete;

    // False when the folder could not be opened or locked (a folder we may not read, a file
    // system without locks). Writing still goes ahead then, unserialised, as it always did;
    // nothing that relies on being the only writer (removing leftovers) is done.
    bool held() const { return held_; }

  private:
    unsigned long long device_ = 0;
    unsigned long long inode_ = 0;
    bool held_ = false;
};

}  // namespace sheetwise
