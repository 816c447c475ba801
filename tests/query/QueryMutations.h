#pragma once

// Random edits of query texts for the property tests: keywords, quotes,
// aliases, separators and Persian words inserted, spans deleted, duplicated
// or cut, single characters replaced.
#include <QString>

#include <iterator>
#include <random>

namespace kelvo::test {

inline const char* const kTokens[] = {
    " FROM ", " from ", "SELECT ", "select ", " WHERE ", " where ", " GROUP BY ", " ORDER BY ", " as ",
    " AS ", "'", "''", ",", ", ", "~", "~12", "~ 7", "(", ")", " + ", " - ", "*", "%", "/", "DISTINCT ",
    "GROUP ", "order ", " ", "  ", "،", "، ", "انتخاب ", "از جداول ", "به شرطيكه ", "به تفكيك ",
    "مرتبسازي با ", "متمايز ", "_)", "COUNT(", "sum(", "SUM(a.x)", "(a.x)", "XUNT(a.x)", "a.x", "ت.نام",
    "مبلغ", "'عنوان'", "from", "as", ".", "\n", "\t",
};

inline QString RandomToken(std::mt19937& rng)
{
    return QString::fromUtf8(kTokens[rng() % std::size(kTokens)]);
}

inline QString Mutate(QString s, std::mt19937& rng)
{
    const int steps = 1 + int(rng() % 6);
    for (int i = 0; i < steps; ++i) {
        const qsizetype at = s.isEmpty() ? 0 : qsizetype(rng() % (s.size() + 1));
        switch (rng() % 6) {
        case 0:
        case 1:
            s.insert(at, RandomToken(rng));
            break;
        case 2:
            s.remove(at, qsizetype(rng() % 12));
            break;
        case 3:
            s.insert(at, s.mid(qsizetype(rng() % (s.size() + 1)), qsizetype(rng() % 40)));
            break;
        case 4:
            s.truncate(at);
            break;
        case 5:
            if (at < s.size())
                s[at] = QChar(char16_t(0x20 + rng() % 0x700)); // ASCII, Latin, Arabic letters
            break;
        }
    }
    return s;
}

} // namespace kelvo::test
