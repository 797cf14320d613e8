#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace pelmar::logdata {

// A file-name pattern as the log search uses it: pattern and name are compared in lower case.
// "*" matches any run of characters, "?" one character, "#" one digit 0 to 9, "[abc]" one of the
// listed characters, "[a-z]" one in the range, "[!0-9]" one not listed; every other character
// matches itself. A "-" at either end of a list stands for itself, a "[" without a closing "]"
// too; an empty list "[]" matches nothing, "[!]" any one character, a reversed range nothing.
// Matching takes at most pattern length × name length steps, whatever the pattern.
class NamePattern {
public:
    explicit NamePattern(const QString& pattern);
    bool matches(const QString& name) const;
    // For a caller that has the name in lower case already.
    bool matchesLowerCase(QStringView name) const;

private:
    struct Range {
        char32_t first;
        char32_t last;
    };
    struct Token {
        enum Kind { Literal, Star, AnyChar, Digit, List } kind = Literal;
        char32_t literal = 0;
        bool negated = false;
        std::vector<Range> ranges;
        bool matches(char32_t c) const;
    };
    std::vector<Token> tokens_;
};

}  // namespace pelmar::logdata
