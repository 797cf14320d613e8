#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "app/seams/Prompts.h"

namespace pelmar::fakes {

// The inspector as a script: message boxes are answered from a queue (then with `answer`), file
// questions with the next path of their queue (nothing: cancelled); everything asked is recorded.
class FakePrompts : public Prompts {
public:
    struct Asked {
        QString title;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    Button message(const QString& title, const QString& text, Icon icon, Buttons buttons) override {
        asked.append({title, text, icon, buttons});
        if (answers.empty()) return answer;
        const Button next = answers.front();
        answers.pop_front();
        return next;
    }
    std::optional<QString> openFile(const QString& initialFolder, const QString& filter) override {
        fileQuestions.append(QStringLiteral("open|%1|%2").arg(initialFolder, filter));
        return take(filesToOpen);
    }
    std::optional<QString> saveFile(const QString& initialPath, const QString& filter) override {
        fileQuestions.append(QStringLiteral("save|%1|%2").arg(initialPath, filter));
        return take(filesToSave);
    }

    Button answer = No;  // every box after the queued answers
    std::deque<Button> answers;
    std::deque<std::optional<QString>> filesToOpen;
    std::deque<std::optional<QString>> filesToSave;

    QList<Asked> asked;
    QStringList fileQuestions;  // "open|folder|filter" or "save|path|filter"

private:
    static std::optional<QString> take(std::deque<std::optional<QString>>& queue) {
        std::optional<QString> next;
        if (!queue.empty()) {
            next.swap(queue.front());
            queue.pop_front();
        }
        return next;
    }
};

}  // namespace pelmar::fakes
