#include "input/UserList.h"

namespace venkar {

TUserList::Match TUserList::GetNIndex(const QString& text) const {
    Match match;
    if (text.isEmpty())
        return match;
    for (int i = 0; i < List.size(); ++i) {
        const QString& item = List[i];
        if (item.left(text.size()).compare(text, Qt::CaseInsensitive) != 0)
            continue;
        if (item.size() == text.size())
            return {1, i};
        ++match.count;
        match.index = i;
    }
    return match;
}

QString TUserList::ValueToText(CellValue value) const {
    const int index = cellAsInt(value);
    if (index < 0 || index >= List.size())
        return {};
    return List[index];
}

CellValue TUserList::TextToValue(const QString& text) const {
    return GetNIndex(text).index;
}

bool TUserList::Textfilter(QString& text) const {
    const Match match = GetNIndex(text);
    if (match.count == 0) {
        text.chop(1);
        return false;
    }
    if (match.count == 1)
        text = List[match.index];
    return true;
}

QString TUserList::filtered(const QString& text) const {
    QString result = text.trimmed();
    for (QChar& c : result)
        c = ApplyFilter(c);
    return result;
}

bool TUserList::acceptsPastedText(const QString& text) const {
    return GetNIndex(filtered(text)).count >= 1;
}

} // namespace venkar
