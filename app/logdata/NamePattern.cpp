#include "app/logdata/NamePattern.h"

namespace pelmar::logdata {
namespace {

// Characters, not UTF-16 units: "?" takes a character outside the basic plane whole.
char32_t characterAt(QStringView text, qsizetype i, qsizetype& width) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        width = 2;
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    }
    width = 1;
    return text[i].unicode();
}

}  // namespace

NamePattern::NamePattern(const QString& pattern) {
    const std::u32string p = pattern.toLower().toStdU32String();
    for (std::size_t k = 0; k < p.size(); ++k) {
        Token token;
        switch (p[k]) {
            case U'*':
                // A run of stars matches what one star matches.
                if (!tokens_.empty() && tokens_.back().kind == Token::Star) continue;
                token.kind = Token::Star;
                break;
            case U'?':
                token.kind = Token::AnyChar;
                break;
            case U'#':
                token.kind = Token::Digit;
                break;
            case U'[': {
                std::size_t from = k + 1;
                const bool negated = from < p.size() && p[from] == U'!';
                if (negated) ++from;
                const std::size_t close = p.find(U']', from);
                if (close == std::u32string::npos) {
                    token.literal = p[k];
                    break;
                }
                token.kind = Token::List;
                token.negated = negated;
                for (std::size_t c = from; c < close; ++c) {
                    if (c + 2 < close && p[c + 1] == U'-') {
                        token.ranges.push_back({p[c], p[c + 2]});
                        c += 2;
                    } else {
                        token.ranges.push_back({p[c], p[c]});
                    }
                }
                k = close;
                break;
            }
            default:
                token.literal = p[k];
        }
        tokens_.push_back(std::move(token));
    }
}

bool NamePattern::Token::matches(char32_t c) const {
    switch (kind) {
        case Literal:
            return c == literal;
        case AnyChar:
            return true;
        case Digit:
            return c >= U'0' && c <= U'9';
        case List: {
            bool listed = false;
            for (const Range& r : ranges) listed = listed || (c >= r.first && c <= r.last);
            return listed != negated;
        }
        case Star:
            break;
    }
    return false;
}

bool NamePattern::matches(const QString& name) const {
    return matchesLowerCase(name.toLower());
}

// Every token but "*" takes exactly one character, so a failed match only ever has to go back
// to the last star and let it take one character more: no backtracking beyond that.
bool NamePattern::matchesLowerCase(QStringView name) const {
    const qsizetype n = name.size();
    const std::size_t m = tokens_.size();
    qsizetype i = 0, starFrom = 0;
    std::size_t j = 0, star = m;
    while (i < n) {
        qsizetype width = 0;
        const char32_t c = characterAt(name, i, width);
        if (j < m && tokens_[j].kind == Token::Star) {
            star = j++;
            starFrom = i;
        } else if (j < m && tokens_[j].matches(c)) {
            i += width;
            ++j;
        } else if (star < m) {
            j = star + 1;
            characterAt(name, starFrom, width);
            i = starFrom += width;
        } else {
            return false;
        }
    }
    while (j < m && tokens_[j].kind == Token::Star) ++j;
    return j == m;
}

}  // namespace pelmar::logdata
