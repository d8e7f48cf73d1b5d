// Text pasted into a grid, through the grid's paste logic on a table and
// without a widget. The input begins with six bytes of set-up:
//   0  the table (system tables, then load tables)
//   1  the grid column the paste starts in (0 is the row-number column, one
//      past the last is outside the grid); its bits also choose per column
//      whether an int column is a number or a list ("N"/"J", "Innen"/"Außen")
//   2-3 the starting row: small, or near the row bound when byte 2 is 0xFF
//   4  how often the text is repeated: 0xFD 64 times, 0xFE 4096 times, 0xFF
//      2^17 times (at most 256 KB), so that 10^5 lines and very long lines
//      are near at hand; once otherwise
// The costly cases (a table grown to the row bound, 10^5 lines) take one
// byte value each, so that most inputs stay fast.
//   5  whether the text is UTF-8 or Latin-1
// Nothing may crash or hang, and no row beyond the bound may be stored.
#include "input/GridClipboard.h"
#include "input/UserInt.h"
#include "input/UserList.h"
#include "model/Model.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace venkar;

constexpr std::size_t setUpBytes = 6;
constexpr std::size_t maxPastedBytes = std::size_t{1} << 18;

std::vector<InputContainer*> allTables(Model& model) {
    std::vector<InputContainer*> tables;
    for (InputContainer* table : model.systemTables())
        tables.push_back(table);
    for (InputContainer* table : model.loadTables())
        tables.push_back(table);
    return tables;
}

// A descriptor for each data column of the table, of the kind its values
// have; `listBits` turns int columns into the two list columns.
std::vector<std::unique_ptr<TUserCell>> descriptorsFor(const InputContainer& table,
                                                       unsigned listBits) {
    std::vector<std::unique_ptr<TUserCell>> cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        const bool isInt = std::holds_alternative<int>(*table.value(0, column));
        const unsigned kind = (listBits >> (column % 4)) & 3u;
        std::unique_ptr<TUserCell> cell;
        if (!isInt) {
            cell = std::make_unique<TUserInt>(TUserInt::uDouble, QStringLiteral("%#.6lg"));
        } else if (kind == 1) {
            cell = std::make_unique<TUserList>(QStringList{"N", "J"});
            cell->Filter = QStringLiteral("1J0N");
        } else if (kind == 2) {
            cell = std::make_unique<TUserList>(QStringList{"Innen", "Außen"});
        } else {
            cell = std::make_unique<TUserInt>(TUserInt::uInteger, QStringLiteral("%d"));
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

QString pastedText(const std::uint8_t* data, std::size_t size, unsigned repeatByte, bool latin1) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::size_t times = repeatByte == 0xFF   ? std::size_t{1} << 17
                              : repeatByte == 0xFE ? std::size_t{1} << 12
                              : repeatByte == 0xFD ? std::size_t{1} << 6
                                                   : 1;
    if (size > 0 && times > 1)
        bytes = bytes.repeated(static_cast<qsizetype>(std::min(times, maxPastedBytes / size)));
    return latin1 ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < setUpBytes)
        return 0;
    // One model while the table stays the same: an emptied table keeps its
    // storage, so that a paste near the row bound does not allocate a million
    // rows afresh each time (most of the time such an input would otherwise
    // take). A new model for another table, so that at most one table holds
    // that much.
    static auto model = std::make_unique<Model>();
    static std::size_t lastChoice = 0;
    const std::size_t choice = data[0] % allTables(*model).size();
    if (choice != lastChoice)
        model = std::make_unique<Model>();
    lastChoice = choice;
    InputContainer& table = *allTables(*model)[choice];
    table.clearAll();
    table.ensureRow(0); // a row to learn the column types from
    const auto cells = descriptorsFor(table, data[1]);
    table.clearAll();
    GridColumns columns{nullptr};
    for (const auto& cell : cells)
        columns.push_back(cell.get());
    const int column = data[1] % (static_cast<int>(columns.size()) + 1);
    const int row = data[2] == 0xFF ? maxPasteRow - data[3] % 64 : ((data[2] << 8) | data[3]) % 512;
    const QString text = pastedText(data + setUpBytes, size - setUpBytes, data[4], data[5] & 1);

    const PasteResult result = pasteText(table, columns, row, column, text);
    if (result.lastRow > maxPasteRow || table.lastDefinedRow() > maxPasteRow + 1)
        std::abort();
    if (result.complete != result.message.isEmpty())
        std::abort();
    return 0;
}
