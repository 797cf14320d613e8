#pragma once

#include <QDir>
#include <QString>
#include <concepts>
#include <utility>
#include <variant>

namespace pelmar {

// Why something could not be done: the file, folder or printer it was done to, and the reason
// the system or the reader gives (empty where there is none to give).
struct FileProblem {
    QString path;
    QString reason;

    // "PATH: REASON", or the reason alone when there is no path.
    QString text() const {
        if (path.isEmpty()) return reason;
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
    }
};

// What a write that succeeded gives: nothing but the success.
struct Written {};

// How everything that can fail for a reason the inspector should read tells its outcome: the
// value (nothing for a write), or the problem. The caller decides what a failure means. Where a
// failure has no reason to tell (a time-out, a dialog cancelled) the answer is a std::optional.
template <class T = Written>
class FileOutcome {
public:
    FileOutcome() requires std::same_as<T, Written>
    = default;
    FileOutcome(T value) : state_(std::move(value)) {}
    FileOutcome(FileProblem problem) : state_(std::move(problem)) {}

    explicit operator bool() const { return state_.index() == 0; }
    const T& operator*() const { return std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    const FileProblem& problem() const { return std::get<1>(state_); }

private:
    std::variant<T, FileProblem> state_;
};

}  // namespace pelmar
