#include "app/text/SaveFile.h"

#include "app/platform/WholeFile.h"

namespace pelmar::text {

FileOutcome<> saveWhole(const QString& path, std::initializer_list<QByteArrayView> parts) {
    if (const std::optional<QString> reason = platform::writeWhole(path, parts)) {
        return FileProblem{path, *reason};
    }
    return {};
}

}  // namespace pelmar::text
