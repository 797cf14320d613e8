#include "app/platform/CodePage932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <string_view>

namespace pelmar::platform {
namespace {

// One conversion through glibc's iconv; its "CP932" table is Microsoft's.
QByteArray convert(const char* to, const char* from, const QByteArray& input,
                   const QByteArray& replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv: code page 932 is not available");
    QByteArray out;
    out.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char buffer[1024];
    while (inLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<qsizetype>(dst - buffer));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            // An unconvertible or incomplete sequence: skip one unit of the source and mark it.
            const size_t unit = std::string_view(from) == "UTF-16LE" ? 2 : 1;
            const size_t skip = std::min(unit, inLeft);
            // A UTF-16 surrogate pair is skipped whole.
            if (unit == 2 && skip == 2 && inLeft >= 4) {
                const auto hi = static_cast<unsigned char>(in[1]);
                if (hi >= 0xD8 && hi <= 0xDB) {
                    in += 2;
                    inLeft -= 2;
                }
            }
            in += skip;
            inLeft -= skip;
            out.append(replacement);
        }
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    iconv_close(cd);
    return out;
}

}  // namespace

QByteArray toCp932(const QString& text) {
    const QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    return convert("CP932", "UTF-16LE", utf16, QByteArrayLiteral("?"));
}

QString fromCp932(const QByteArray& bytes) {
    const QByteArray utf16 = convert("UTF-16LE", "CP932", bytes, QByteArray("\xFD\xFF", 2));
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

}  // namespace pelmar::platform
