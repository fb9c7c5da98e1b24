#include "ui/window/FileDialogFilter.h"

#include <QRegularExpression>
#include <QStringList>

namespace sheetwise {

QString QtFileFilter(const QString& tableFilter) {
    const QStringList parts = tableFilter.split(u'|');
    QStringList entries;
    // The final "|" leaves an empty last part, which ends the list.
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList split =
            (i + 1 < parts.size() ? parts[i + 1] : QString()).split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : split)
            pattern = pattern.trimmed();
        const QString written = split.join(u' ');
        // "*.*" means every file where the filters come from; here it would hide the files
        // without a dot, so it becomes "*", in the description too.
        split.replaceInStrings(QRegularExpression(QStringLiteral("^\\*\\.\\*$")),
                               QStringLiteral("*"));
        const QString patterns = split.join(u' ');
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty()) {
            entries << description;
            continue;
        }
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        const QString writtenSuffix = QStringLiteral("(") + written + QStringLiteral(")");
        if (description.endsWith(writtenSuffix))
            entries << description.chopped(writtenSuffix.size()) + suffix;
        else if (description.isEmpty())
            entries << suffix;
        else
            entries << description + u' ' + suffix;
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace sheetwise
