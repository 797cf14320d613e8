#include "app/StatusPage.h"

#include <algorithm>

namespace pelmar {
namespace {

QString stamped(const QString& msg, const QDateTime& at) {
    return msg + u' ' + at.toString(QStringLiteral("yyyyMMdd HH:mm:ss"));
}

}  // namespace

void StatusPage::add(const QString& msg, const QDateTime& at, int& leaveflg) {
    add(Line{stamped(msg, at), std::nullopt}, leaveflg);
}

void StatusPage::addProblem(Screen::Problem problem, const QString& msg, const QDateTime& at) {
    standing_.insert(problem);
    int leave = 1;
    add(Line{stamped(msg, at), problem}, leave);
}

bool StatusPage::mend(Screen::Problem problem) {
    return standing_.erase(problem) > 0;
}

bool StatusPage::standsOut(const Line& line) const {
    return line.problem && standing_.contains(*line.problem);
}

void StatusPage::add(Line line, int& leaveflg) {
    if (leaveflg == 1) {
        lines_.append(line);
        if (++counted_ > kLines) leaveflg = 0;
    }
    if (leaveflg == 0) {
        // Each problem that still stands opens the new page with its latest line, so that it
        // stays in view until its file is written again.
        QList<Line> page;
        for (auto l = lines_.crbegin(); l != lines_.crend(); ++l) {
            const bool latest = std::none_of(
                page.cbegin(), page.cend(), [&](const Line& p) { return p.problem == l->problem; });
            if (standsOut(*l) && l->problem != line.problem && latest) page.prepend(*l);
        }
        page.append(line);
        lines_ = page;
        counted_ = static_cast<int>(page.size());
    }
}

}  // namespace pelmar
