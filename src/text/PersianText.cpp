#include "text/PersianText.h"


namespace kelvo::text {

const QList<FoldPair>& PersianFoldPairs()
{
    static const QList<FoldPair> pairs = [] {
        QList<FoldPair> list{{u'\u064A', u'\u06CC'}, {u'\u0649', u'\u06CC'}, {u'\u0643', u'\u06A9'}};
        for (char16_t d = 0; d < 10; ++d) {
            list.append({char16_t(0x06F0 + d), char16_t(u'0' + d)});
            list.append({char16_t(0x0660 + d), char16_t(u'0' + d)});
        }
        return list;
    }();
    return pairs;
}

QString AsciiDigits(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x06F0 && u <= 0x06F9)
            c = QChar(u'0' + (u - 0x06F0));
        else if (u >= 0x0660 && u <= 0x0669)
            c = QChar(u'0' + (u - 0x0660));
    }
    return text;
}

QString FoldPersian(QString text)
{
    for (QChar& c : text)
        for (const FoldPair& pair : PersianFoldPairs())
            if (c.unicode() == pair.from) {
                c = QChar(pair.to);
                break;
            }
    return text;
}

} // namespace kelvo::text
