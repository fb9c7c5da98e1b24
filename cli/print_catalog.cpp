// Stand-in for the editor until its window exists: loads the catalog the editor would open (the
// one named on the command line, else the default catalog beside the executable) and prints it.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "files/TextLines.h"
#include "model/PaperCatalog.h"
#include "platform/CodePage.h"

namespace {

std::string ExecutableFolder() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return ".";
    const std::string path(buffer, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/'));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace sheetwise;
    const std::string path = argc > 1 ? argv[1] : ExecutableFolder() + "/KBRVCAT_EN.CAT";
    const std::u16string widePath = Utf8ToUtf16(path);
    std::u16string header;
    int error = 0;
    ReadLeadingField(widePath, header, error);
    const PaperCatalog catalog(header, widePath, kBuiltInColours, kBuiltInTypes, u':');
    std::printf("Catalog %s (status %d), default paper: %s\n", path.c_str(), catalog.status(),
                Utf16ToUtf8(catalog.GetDefaultPaper()).c_str());
    for (const PaperDefinition& paper : catalog.papers()) {
        std::printf("  %-32s size %3d  %3d gsm  %-20s %-20s mode %d  precollated %d\n",
                    Utf16ToUtf8(paper.name).c_str(), paper.sizeIndex + 1, paper.weight,
                    Utf16ToUtf8(paper.colour).c_str(), Utf16ToUtf8(paper.type).c_str(),
                    paper.imagedSides, paper.precollated);
    }
    std::printf("%zu sizes, %zu weights, %zu types, %zu colours\n", catalog.sizes().size(),
                catalog.GetAttributeList(kWeights).size(), catalog.GetAttributeList(kTypes).size(),
                catalog.GetAttributeList(kColours).size());
    return catalog.status() == kStatusOk ? 0 : 1;
}
