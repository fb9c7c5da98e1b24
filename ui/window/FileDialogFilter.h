// The filters of the file dialogs, from the texts of the string table.
//
// The string table keeps a filter the way the catalog's users have always written it:
// description and pattern in turn, each followed by "|" ("Paper Catalog Files (*.cat)|*.cat|All
// Files (*.*)|*.*|"). Qt wants "description (patterns)" entries joined by ";;", with blanks
// between several patterns where the table has ";".
#pragma once

#include <QString>

namespace sheetwise {

// The Qt filter of a string-table filter. A description that already ends with its patterns in
// parentheses is kept as it is, so they do not show twice. A description without a pattern (an
// odd number of parts) is kept alone; empty parts are ignored.
QString QtFileFilter(const QString& tableFilter);

}  // namespace sheetwise
