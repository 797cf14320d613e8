#include "app/logdata/NamePattern.h"

namespace pelmar::logdata {
namespace {

// Characters, not UTF-16 units: "?" takes a character outside the basic plane whole.
std::u32string lowerCharacters(const QString& text) {
    return text.toLower().toStdU32String();
}

}  // namespace

NamePattern::NamePattern(const QString& pattern) {
    const std::u32string p = lowerCharacters(pattern);
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

// Every token but "*" takes exactly one character, so a failed match only ever has to go back
// to the last star and let it take one character more: no backtracking beyond that.
bool NamePattern::matches(const QString& name) const {
    const std::u32string s = lowerCharacters(name);
    const std::size_t n = s.size(), m = tokens_.size();
    std::size_t i = 0, j = 0;
    std::size_t star = m, starFrom = 0;
    while (i < n) {
        if (j < m && tokens_[j].kind == Token::Star) {
            star = j++;
            starFrom = i;
        } else if (j < m && tokens_[j].matches(s[i])) {
            ++i;
            ++j;
        } else if (star < m) {
            j = star + 1;
            i = ++starFrom;
        } else {
            return false;
        }
    }
    while (j < m && tokens_[j].kind == Token::Star) ++j;
    return j == m;
}

}  // namespace pelmar::logdata
