// Symbolic links where a catalog or a companion is to be written.
//
// In a folder other users may write (a shared, sticky folder), a link at a companion's name is
// a way to make a privileged save overwrite any file the link names. A save therefore follows a
// link only when the link (every link of a chain) and the file it ends at belong to the user who
// saves; anything else is refused, never written through. A companion is named after the catalog's
// real file, so that a catalog reached through a link gets its attribute file in the link's target
// folder, beside the catalog file it belongs to, and not beside the link.
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

enum class LinkCheck {
    kNoLink,    // the path names a file (or nothing): written where it is
    kFollowed,  // links of the writer's own, to a file of the writer's own: `path` is that file
    kDangling,  // links of the writer's own that end nowhere: the save replaces the first link
    kForeign,   // a link or its file belongs to another user: refused (`path`: the culprit)
    kLoop,      // too many links
};

struct WriteTarget {
    LinkCheck check;
    std::string path;
};

// Where a save of path writes, following links under the rule above.
WriteTarget ResolveWriteTarget(const std::string& path);

// The file a path names once its links are followed, for reading and for naming companions: the
// path itself when it is no link or its link ends nowhere.
std::string RealFileOf(const std::string& path);

// The companion beside a catalog's real file: RealFileOf(catalog) plus suffix (".atr"), its
// letter case resolved.
std::string CompanionBesideRealFile(const std::string& catalog, std::string_view suffix);

}  // namespace sheetwise
