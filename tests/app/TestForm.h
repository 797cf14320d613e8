#pragma once

#include <QList>

#include "app/Form1.h"

namespace pelmar::fakes {

struct Shown {
    QString title;
    QString text;
};

// Form1 with its message boxes answered by the test and its immediate end recorded.
class TestForm : public Form1 {
public:
    using Form1::Form1;
    QMessageBox::StandardButton answer = QMessageBox::No;
    QList<Shown> shown;
    int ends = 0;

protected:
    QMessageBox::StandardButton showMessage(QMessageBox::Icon, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons) override {
        shown.append({title, text});
        return answer;
    }
    void endProgram() override { ++ends; }
};

}  // namespace pelmar::fakes
