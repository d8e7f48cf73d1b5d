#include "input/UserCell.h"

namespace venkar {

QColor windowsColor(unsigned bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QChar TUserCell::ApplyFilter(QChar character) const {
    for (qsizetype i = 0; i + 1 < Filter.size(); i += 2)
        if (Filter[i] == character)
            return Filter[i + 1];
    return character;
}

unsigned TUserCell::CellColor(const CellState& state) const {
    if (state.readOnly && state.inBlock)
        return cellcolors::readOnlyInBlock;
    if (state.readOnly)
        return cellcolors::readOnly;
    if (OnlyRead)
        return cellcolors::onlyReadColumn;
    if (state.selectedInFocus)
        return cellcolors::selectedCell;
    if (state.inBlock)
        return cellcolors::block;
    if (GetCellTyp() == CellType::List)
        return cellcolors::listColumn;
    return cellcolors::plain;
}

} // namespace venkar
