#include "input/GridClipboard.h"

#include "input/UserCell.h"
#include "input/UserList.h"

namespace venkar {

namespace {

const QString outsideTable = QStringLiteral("Kopierbeireich außerhalb der Tabelle");

int lastGridColumn(const GridColumns& columns) {
    return static_cast<int>(columns.size()) - 1;
}

const TUserCell* descriptorAt(const GridColumns& columns, int column) {
    if (column < 0 || column > lastGridColumn(columns))
        return nullptr;
    return columns[static_cast<std::size_t>(column)];
}

// The value a pasted field stands for in its column.
CellValue pastedValue(const TUserCell& cell, const QString& field) {
    if (const auto* list = dynamic_cast<const TUserList*>(&cell))
        return list->TextToValue(list->filtered(field));
    return cell.TextToValue(field);
}

} // namespace

QString copyBlockText(const InputContainer& table, const GridColumns& columns,
                      const CellBlock& block) {
    QString text;
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            const TUserCell* cell = descriptorAt(columns, column);
            if (cell && table.isDefined(row))
                if (const auto value = table.value(row, column - 1))
                    text += cell->ValueToText(*value);
            if (column != lastGridColumn(columns))
                text += u'\t';
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

PasteResult pasteText(InputContainer& table, const GridColumns& columns, int row, int column,
                      const QString& text) {
    PasteResult result;
    const int startColumn = column;
    qsizetype fieldStart = 0;
    // Stores the field text[fieldStart, end) at (row, column); false stops.
    auto storeField = [&](qsizetype end) {
        const QString field = text.mid(fieldStart, end - fieldStart);
        if (field.isEmpty())
            return true;
        const TUserCell* cell = descriptorAt(columns, column);
        if (column > lastGridColumn(columns) || row > maxPasteRow) {
            result = {false, outsideTable, result.lastRow};
            return false;
        }
        if (!cell)
            return true;
        if (!cell->acceptsPastedText(field)) {
            result.complete = false;
            result.message = QStringLiteral("Zeile %1, Spalte %2: \"%3\" ist kein gültiger Wert")
                                 .arg(row + 1)
                                 .arg(column)
                                 .arg(field.left(40));
            return false;
        }
        // The row is defined before the value goes in, so that the defaults
        // of a new row do not overwrite a pasted field.
        table.changeValid(row, column - 1, rowEdited);
        table.setCell(row, column - 1, pastedValue(*cell, field));
        result.lastRow = row;
        return true;
    };
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar(u'\n');
        if (c != u'\t' && c != u'\r' && c != u'\n')
            continue;
        if (!storeField(i))
            return result;
        fieldStart = i + 1;
        if (c == u'\t') {
            ++column;
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
            fieldStart = i + 1;
        }
        if (i < text.size()) {
            ++row;
            column = startColumn;
        }
    }
    return result;
}

} // namespace venkar
