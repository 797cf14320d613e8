#include "tools/dmsim/Transcript.h"

namespace dmsim {

Transcript::Transcript(std::FILE* out) : out_(out), start_(std::chrono::steady_clock::now()) {}

void Transcript::note(const QString& text) {
    if (muted_) return;
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - start_;
    std::fprintf(out_, "%10.3f  %s\n", since.count(), text.toUtf8().constData());
    // Tests and the demo script read the transcript while the simulator runs.
    std::fflush(out_);
}

void Transcript::sent(const QByteArray& bytes) {
    note("> " + readable(bytes));
}

void Transcript::received(const QByteArray& bytes) {
    note("< " + readable(bytes));
}

QString Transcript::readable(const QByteArray& bytes) {
    constexpr qsizetype kShown = 80;
    QString text;
    for (qsizetype i = 0; i < bytes.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r') {
            text += "<CR>";
        } else if (byte >= 32 && byte <= 126) {
            text += QChar(byte);
        } else {
            text += QString::asprintf("<x%02X>", byte);
        }
    }
    if (bytes.size() > kShown) text += QString("... (%1 bytes)").arg(bytes.size());
    return text;
}

}  // namespace dmsim
