// Where help comes from and which controls have a topic in it.
#include <QWidget>
#include <climits>
#include <filesystem>

#include "model/DefaultCatalog.h"
#include "ui/window/ControlIds.h"
#include "ui/window/HelpFile.h"

namespace sheetwise {
namespace {

// Every control but the labels and frames: the manual explains the edit fields and the
// Precollated box too, and their right click would otherwise offer a text menu whose shortcuts
// the window's own accelerators override.
constexpr int kControlsWithTopics[] = {control::kAdd,
                                       control::kDelete,
                                       control::kModify,
                                       control::kPaperList,
                                       control::kMoveUp,
                                       control::kMoveDown,
                                       control::kDefaultPaperBox,
                                       control::kInserter,
                                       control::kOneSided,
                                       control::kTwoSided,
                                       control::kColourList,
                                       control::kSizeList,
                                       control::kTypeList,
                                       control::kWeightList,
                                       control::kNameList,
                                       control::kCatalogDisplay,
                                       control::kNameField,
                                       control::kSizeField,
                                       control::kColourField,
                                       control::kWeightField,
                                       control::kTypeField,
                                       control::kPrecollatedBox};

bool IsFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

// Walks the visible windows whose rectangle holds the point in template order (the first control
// of a dialog lies on top) and takes each one that is narrower, or less tall, than the one taken
// so far. A list box lying on a group frame wins over the frame.
}  // namespace

bool HasTopic(int id) {
    for (const int candidate : kControlsWithTopics) {
        if (candidate == id)
            return true;
    }
    return false;
}

QWidget* NarrowestAt(const QList<QWidget*>& windows, const QPoint& screenPoint) {
    QWidget* best = nullptr;
    int bestWidth = INT_MAX;
    int bestHeight = INT_MAX;
    for (QWidget* window : windows) {
        if (!window->isVisible())
            continue;
        const QRect rect(window->mapToGlobal(QPoint(0, 0)), window->size());
        if (!rect.contains(screenPoint))
            continue;
        if (window->width() < bestWidth || window->height() < bestHeight) {
            best = window;
            bestWidth = window->width();
            bestHeight = window->height();
        }
    }
    return best;
}

std::u16string HelpFilePath(const std::u16string& executablePath) {
    std::u16string folder;
    if (!ExecutableFolder(executablePath, u"sheetwise", folder))
        return std::u16string(kHelpFileName);
    const std::filesystem::path bin = QString::fromStdU16String(folder).toStdString();
    const std::string manual =
        QString::fromStdU16String(std::u16string(kManualFileName)).toStdString();
    for (const std::filesystem::path& candidate :
         {bin / "help" / manual, bin / ".." / "share" / "sheetwise" / "help" / manual}) {
        if (IsFile(candidate))
            return QString::fromStdString(candidate.lexically_normal().string()).toStdU16String();
    }
    return folder + std::u16string(kHelpFileName);
}

bool IsManual(const QString& helpFile) {
    return helpFile.endsWith(QString::fromStdU16String(std::u16string(kManualFileName)));
}

QString HelpTopicAnchor(int controlId) {
    return QStringLiteral("topic-%1").arg(controlId);
}

std::span<const int> ControlsWithTopics() {
    return kControlsWithTopics;
}

}  // namespace sheetwise
