#pragma once

#include "input/UserCell.h"

#include <QStringList>

namespace venkar {

// A column that chooses one of a short list of texts ("N"/"J",
// "Innen"/"Außen"); the value is the 0-based index of the item.
class TUserList : public TUserCell {
public:
    explicit TUserList(QStringList list) : List(std::move(list)) {}

    QStringList List;

    // Compares every item case-insensitively in its first n characters with
    // the text of length n. An item as long as the text that matches ends the
    // search with count 1; otherwise the count of prefix matches and the index
    // of the last. An empty text matches nothing (count 0, index 0).
    struct Match {
        int count = 0;
        int index = 0;
    };
    Match GetNIndex(const QString& text) const;

    QString ValueToText(CellValue value) const override;
    CellValue TextToValue(const QString& text) const override;
    // No match: the last character goes (refused); one match: completed to
    // the item; several: unchanged.
    bool Textfilter(QString& text) const override;
    CellType GetCellTyp() const override { return CellType::List; }
    // A pasted field must name an item (after the Filter mapping).
    bool acceptsPastedText(const QString& text) const override;
    // The pasted field with the Filter applied to each character.
    QString filtered(const QString& text) const;
};

} // namespace venkar
