#pragma once

#include <QString>

namespace venkar {

// A caption over header rows RowB..RowE and grid columns ColB..ColE (all
// inclusive); the grid enters it into every cell it covers.
struct TUserHeader {
    int RowB = -1;
    int RowE = -1;
    int ColB = -1;
    int ColE = -1;
    QString Text;

    bool isPlaced() const { return 0 <= RowB && RowB <= RowE && 0 <= ColB && ColB <= ColE; }
};

} // namespace venkar
