#pragma once

#include <QString>
#include <concepts>
#include <utility>
#include <variant>

#include "app/seams/Prompts.h"

namespace pelmar::text {

// Why a file, or a folder on the way to one, could not be read or written: its path, and the
// reason the system or the reader gives (empty where there is none to give).
struct FileProblem {
    QString path;
    QString reason;

    // "PATH: REASON".
    QString text() const;
};

// What a write that succeeded gives: nothing but the success.
struct Written {};

// How every reader and writer of a file tells its outcome: the value read (nothing for a
// write), or the problem. The caller decides what a failure means.
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

// "ファイルに書き込めません: PATH（REASON）": how the program names a file it could not write.
QString notWritten(const FileProblem& problem);

// A message box that tells the inspector which file (whatFile: "設定ファイル", ...) could not be
// written, with its path and the reason; nothing when it was written. The program goes on
// either way.
void tellIfNotWritten(Prompts& prompts, const QString& whatFile, const FileOutcome<>& written);

}  // namespace pelmar::text
