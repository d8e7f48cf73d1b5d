#include "model/InputContainer.h"

#include "model/DocumentObserver.h"
#include "model/Error.h"
#include "model/FieldScanner.h"
#include "model/LineReader.h"
#include "model/TableView.h"

#include <algorithm>
#include <cstdio>

namespace venkar {

InputContainer::InputContainer(const InputContainer& other)
    : document_(other.document_), states_(other.states_) {}

InputContainer& InputContainer::operator=(const InputContainer& other) {
    document_ = other.document_;
    states_ = other.states_;
    invalidateDefinedIndex();
    return *this;
}

std::optional<CellValue> InputContainer::value(int row, int column) const {
    if (row < 0 || row >= count() || column < 0 || column >= columnCount())
        return std::nullopt;
    return fieldValue(row, column);
}

int InputContainer::rowState(int row) const {
    if (row < 0 || row >= count())
        return rowUndefined;
    return states_[static_cast<std::size_t>(row)];
}

bool InputContainer::isValid(int row, int /*column*/) const {
    return row >= 0 && row < count() && states_[static_cast<std::size_t>(row)] > 0;
}

const std::vector<int>& InputContainer::definedRows() const {
    if (definedStale_) {
        definedRows_.clear();
        for (int row = 0; row < count(); ++row)
            if (isDefined(row))
                definedRows_.push_back(row);
        definedStale_ = false;
    }
    return definedRows_;
}

int InputContainer::definedCount() const {
    return static_cast<int>(definedRows().size());
}

int InputContainer::definedRow(int k) const {
    return definedRows().at(static_cast<std::size_t>(k));
}

int InputContainer::lastDefinedRow() const {
    const auto& rows = definedRows();
    return rows.empty() ? 0 : rows.back() + 1;
}

void InputContainer::ensureRow(int row) {
    if (row < count())
        return;
    const int newCount = row + 1;
    states_.resize(static_cast<std::size_t>(newCount), rowUndefined);
    resizeRecords(newCount);
    invalidateDefinedIndex();
    if (grid_)
        grid_->refreshRows(count());
}

void InputContainer::changeValid(int row, int column, int state) {
    if (row < 0)
        return;
    ensureRow(row);
    const bool wasValid = isValid(row, column);
    states_[static_cast<std::size_t>(row)] = state;
    invalidateDefinedIndex();
    const bool isNowValid = state != rowUndefined;
    if (isNowValid == wasValid)
        return;
    if (isNowValid)
        newRowDefaults(row);
    if (grid_)
        grid_->redrawRow(row);
    invalidateDefinedIndex();
    contentChanged();
}

bool InputContainer::setCell(int row, int column, CellValue value) {
    if (row < 0 || column < 0 || column >= columnCount())
        return false;
    ensureRow(row);
    invalidateDefinedIndex();
    const bool stored = setValue(row, column, value);
    if (grid_)
        grid_->redrawCell(row, column);
    invalidateDefinedIndex();
    contentChanged();
    return stored;
}

void InputContainer::clearAll() {
    states_.clear();
    clearRecords();
    invalidateDefinedIndex();
    rowsRearranged();
    refreshGrid();
    contentChanged();
}

void InputContainer::insertRow(int row) {
    if (row < 0)
        return;
    if (row > count())
        ensureRow(row - 1);
    states_.insert(states_.begin() + row, rowUndefined);
    insertRecord(row);
    invalidateDefinedIndex();
    rowsRearranged();
    refreshGrid();
    contentChanged();
}

void InputContainer::deleteRows(int row, int n) {
    if (row < 0 || row >= count() || n <= 0)
        return;
    n = std::min(n, count() - row);
    states_.erase(states_.begin() + row, states_.begin() + row + n);
    eraseRecords(row, n);
    invalidateDefinedIndex();
    rowsRearranged();
    refreshGrid();
    contentChanged();
}

bool InputContainer::copyRow(int from, int to) {
    if (from < 0 || from >= count() || to < 0)
        return false;
    if (from == to)
        return true;
    ensureRow(to);
    copyRecord(from, to);
    states_[static_cast<std::size_t>(to)] = states_[static_cast<std::size_t>(from)];
    invalidateDefinedIndex();
    rowsRearranged();
    if (grid_)
        grid_->redrawRow(to);
    contentChanged();
    return true;
}

void InputContainer::moveRow(int from, int to) {
    if (from != to && copyRow(from, to))
        changeValid(from, 0, rowUndefined);
}

void InputContainer::attachGrid(TableView* grid) {
    grid_ = grid;
    refreshGrid();
}

void InputContainer::refreshGrid() {
    if (grid_)
        grid_->refreshRows(count());
}

void InputContainer::contentChanged() {
    if (!observer_)
        return;
    if (document_ == Document::System)
        observer_->systemChanged();
    else
        observer_->loadChanged();
}

void InputContainer::storePendingEdit() {
    if (grid_)
        grid_->commitPendingEdit();
}

void InputContainer::writeSection(std::string& out) const {
    if (sectionOptional() && definedCount() == 0)
        return;
    appendFormat(out, "%s\n", keyword());
    appendFormat(out, "%d\n", definedCount());
    for (int row : definedRows()) {
        appendFormat(out, "%5d", row + 1);
        writeRecord(out, row);
        out += '\n';
    }
    out += '\n';
}

bool InputContainer::readSection(LineReader& in) {
    clearAll();
    in.setSection({});
    if (!in.findLine(keyword()))
        return false;
    in.setSection(keyword());
    const int rows = readCount(in);
    // A count larger than the rows that follow stops at the end of the file.
    for (int i = 0; i < rows && !in.atEnd(); ++i) {
        const std::string line = in.readLine();
        if (line.empty())
            continue;
        try {
            FieldScanner fields(line);
            const int row = readRowNumber(fields) - 1;
            ensureRow(row);
            readRecord(fields, row);
            states_[static_cast<std::size_t>(row)] = rowFromFile;
        } catch (const FieldRefused& refused) {
            in.refuse(line, refused.what());
        }
    }
    refuseUncountedRow(in, rows);
    invalidateDefinedIndex();
    rowsRearranged();
    refreshGrid();
    return true;
}

void InputContainer::refuseUncountedRow(LineReader& in, int rows) {
    // A row line right after the counted ones would be skipped with the text
    // between sections: a count too small must not lose rows silently.
    const LineReader::Mark afterRows = in.mark();
    const std::string next = in.readLine();
    try {
        FieldScanner fields(next);
        if (!fields.atEnd()) {
            fields.integer();
            in.refuse(next, "Mehr Zeilen als angegeben (Anzahl " + std::to_string(rows) + ")");
        }
    } catch (const FieldRefused&) {
        // Not a row line: other text, read past like any text between sections.
    }
    in.backTo(afterRows);
}

int InputContainer::readCount(LineReader& in) {
    const std::string line = in.readLine();
    try {
        FieldScanner fields(line);
        if (fields.atEnd())
            throw FieldRefused("Die Anzahl der Zeilen fehlt");
        const int rows = fields.integer("Ungültige Anzahl");
        fields.finish();
        if (rows < 0)
            throw FieldRefused("Ungültige Anzahl \"" + std::to_string(rows) + "\"");
        return rows;
    } catch (const FieldRefused& refused) {
        in.refuse(line, refused.what());
    }
}

int InputContainer::readRowNumber(FieldScanner& fields) {
    const int rowNumber = fields.integer("Ungültige Zeilennummer");
    if (rowNumber < 1)
        throw FieldRefused("Ungültige Zeilennummer \"" + std::to_string(rowNumber) + "\"");
    if (rowNumber > maxFileRowNumber)
        throw FieldRefused("Zeilennummer zu groß \"" + std::to_string(rowNumber) +
                           "\" (höchstens " + std::to_string(maxFileRowNumber) + ")");
    return rowNumber;
}

} // namespace venkar

namespace venkar {

int cellAsInt(CellValue value) {
    if (const int* i = std::get_if<int>(&value))
        return *i;
    const double d = std::get<double>(value);
    if (!(d > -2147483648.0 && d < 2147483648.0))
        return 0;
    return static_cast<int>(d);
}

double cellAsDouble(CellValue value) {
    if (const double* d = std::get_if<double>(&value))
        return *d;
    return std::get<int>(value);
}

} // namespace venkar
