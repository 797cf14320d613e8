#include "app/text/Fields.h"

#include <algorithm>

#include "app/text/Numbers.h"

namespace pelmar::text {
namespace {

// The field after pos: its text, and the position of the comma that ends it (or length + 1).
bool fieldAt(const QString& line, int pos, QString& field, int& separator) {
    const int start = pos + 1;  // 1-based
    const qsizetype comma =
        start - 1 < line.size() ? line.indexOf(u',', std::max(0, start - 1)) : -1;
    separator = comma >= 0 ? static_cast<int>(comma) + 1 : static_cast<int>(line.size()) + 1;
    if (start >= separator) return false;
    field = line.mid(start - 1, separator - start);
    return true;
}

}  // namespace

bool ReadField(const QString& line, int pos, QString& out, int& nextPos) {
    QString field;
    int separator = 0;
    if (!fieldAt(line, pos, field, separator)) return false;
    out = field;
    nextPos = separator;
    return true;
}

bool ReadField(const QString& line, int pos, std::int32_t& out, int& nextPos) {
    QString field;
    int separator = 0;
    if (!fieldAt(line, pos, field, separator)) return false;
    out = leadingInt32(field);
    nextPos = separator;
    return true;
}

}  // namespace pelmar::text
