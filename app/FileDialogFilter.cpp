#include "app/FileDialogFilter.h"

#include <QStringList>

namespace sheetwise {

QString QtFileFilter(const QString& tableFilter) {
    const QStringList parts = tableFilter.split(u'|');
    QStringList entries;
    // The final "|" leaves an empty last part, which ends the list.
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = i + 1 < parts.size() ? parts[i + 1] : QString();
        patterns = patterns.split(u';', Qt::SkipEmptyParts).join(u' ').trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        if (patterns.isEmpty()) {
            entries << description;
            continue;
        }
        const QString suffix = QStringLiteral("(") + patterns + QStringLiteral(")");
        if (description.endsWith(suffix))
            entries << description;
        else if (description.isEmpty())
            entries << suffix;
        else
            entries << description + u' ' + suffix;
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace sheetwise
