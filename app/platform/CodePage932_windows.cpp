#include "app/platform/CodePage932.h"

#include <windows.h>

namespace pelmar::platform {
namespace {

constexpr UINT kCodePage = 932;

}  // namespace

QByteArray toCp932(const QString& text) {
    if (text.isEmpty()) return {};
    // A character beyond the 16-bit plane is one character, so one "?", not one for each half.
    QString units;
    units.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool pair =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        units.append(pair ? QChar(u'?') : text[at]);
        at += pair ? 1 : 0;
    }
    const auto* wide = reinterpret_cast<const wchar_t*>(units.utf16());
    const int size = static_cast<int>(units.size());
    const int length = WideCharToMultiByte(kCodePage, 0, wide, size, nullptr, 0, "?", nullptr);
    QByteArray bytes(length, Qt::Uninitialized);
    WideCharToMultiByte(kCodePage, 0, wide, size, bytes.data(), length, "?", nullptr);
    return bytes;
}

QString fromCp932(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    const auto convert = [](const char* from, int size, QString& to) {
        const int length =
            MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, from, size, nullptr, 0);
        if (length <= 0) return false;
        const qsizetype at = to.size();
        to.resize(at + length);
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, from, size,
                            reinterpret_cast<wchar_t*>(to.data() + at), length);
        return true;
    };
    QString text;
    if (convert(bytes.constData(), static_cast<int>(bytes.size()), text)) return text;
    // Bytes that are no character: one character at a time, and each byte that begins none
    // marked, as glibc does, rather than the system's own mark.
    text.clear();
    for (qsizetype at = 0; at < bytes.size();) {
        const int unit =
            IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(bytes[at])) && at + 1 < bytes.size() ? 2
                                                                                               : 1;
        if (convert(bytes.constData() + at, unit, text)) {
            at += unit;
        } else {
            text.append(QChar(0xFFFD));
            at += 1;
        }
    }
    return text;
}

}  // namespace pelmar::platform
