#include "app/link/Exchange.h"

#include "app/text/Fields.h"

namespace pelmar {

bool CommandLine::next(QString& out) {
    return text::ReadField(line, readPos, out, readPos);
}

bool CommandLine::next(std::int32_t& out) {
    return text::ReadField(line, readPos, out, readPos);
}

void Exchange::reply(const QString& text) {
    transport_.SendText(text, 0);
}

std::optional<QString> Exchange::receiveLine() {
    return transport_.ReceiveLine(4, kLineTimeoutMs);
}

void Exchange::awaitInspector(std::function<void()> gone) {
    awaited_ = std::move(gone);
}

void Exchange::connectionEnded() {
    if (!awaited_) return;
    const auto gone = std::move(*awaited_);
    awaited_.reset();
    if (gone) gone();
}

}  // namespace pelmar
