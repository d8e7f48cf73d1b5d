#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace venkar {

class DocumentObserver;
class FieldScanner;
class LineReader;
class TableView;

// The value of one table cell: flags, counts and references are int,
// coordinates and magnitudes double.
using CellValue = std::variant<int, double>;

// Row states: a row is undefined (an empty grid line) until the user enters a
// value or a file supplies it.
enum RowState : int {
    rowUndefined = 0,
    rowEdited = 1,
    rowFromFile = 255,
};

// A table of numbered input rows of one kind. Rows are addressed by 0-based
// index (row number - 1); only defined rows take part in files, reports,
// checks and the analysis. Rows addressed beyond the end are created
// zero-filled. References held by other tables are row numbers and are never
// renumbered when rows are inserted or deleted.
//
// The records and row states are the table's value: copying a table (as the
// concrete class) copies them. The grid binding and the observer belong to
// the table object, not to its value: a copy starts without them, and an
// assignment keeps the target's own (and refreshes its grid).
class InputContainer {
public:
    enum class Document { System, Load };

    virtual ~InputContainer() = default;

    // Section keyword in the files ("NODES", "SHELLLOAD", ...).
    virtual const char* keyword() const = 0;
    // Number of data columns the grid shows (the row-number column excluded).
    virtual int columnCount() const = 0;
    // The value shown in data column `column` of `row`; none for a column
    // outside the table or a row not held.
    std::optional<CellValue> value(int row, int column) const;

    Document document() const { return document_; }
    int count() const { return static_cast<int>(states_.size()); }
    int rowState(int row) const;

    bool isValid(int row, int column) const;
    bool isDefined(int row) const { return isValid(row, 0); }

    // Number of defined rows; builds the index read by `definedRow`.
    int definedCount() const;
    // Row index of the k-th defined row in ascending order (k < definedCount()).
    int definedRow(int k) const;
    // All defined row indices in ascending order.
    const std::vector<int>& definedRows() const;
    // 1 + the highest defined row index, 0 when no row is defined.
    int lastDefinedRow() const;

    // Makes sure rows 0..row exist (zero-filled growth, grid row count updated).
    void ensureRow(int row);

    // The commands a user can give: each one tells the observer (a change of
    // the document) and the grid (what to redraw).
    //
    // Sets the row's state; a row that becomes defined gets the class's
    // defaults. A change between undefined and defined redraws the row and
    // counts as a change of the document; any other change is silent.
    void changeValid(int row, int column, int state);
    // Stores a value typed into the grid. Returns false when the class
    // refuses it (the caller beeps); the document counts as changed either way.
    bool setCell(int row, int column, CellValue value);

    void clearAll();
    void insertRow(int row);
    void deleteRows(int row, int n);
    // Copies the fields and the state of row `from` into row `to` (growing the
    // table when needed). Returns false when `from` is not held.
    bool copyRow(int from, int to);
    // Copies `from` to `to` and then marks `from` undefined.
    void moveRow(int from, int to);

    void attachGrid(TableView* grid);
    TableView* grid() const { return grid_; }
    void setObserver(DocumentObserver* observer) { observer_ = observer; }
    DocumentObserver* observer() const { return observer_; }

    // Asks the attached grid to store the value of a cell being edited. Every
    // command that reads the table calls it first (through the documents).
    void storePendingEdit();

    // Appends the keyword line, the count line, one line per defined row and
    // an empty line; nothing for an empty table whose section is optional.
    void writeSection(std::string& out) const;
    // True for a section that files hold only when it has rows (the tables
    // that came after the original ones, so that files without them stay as
    // they were).
    virtual bool sectionOptional() const { return false; }
    // Clears the table and reads its section, searching from the reader's
    // position with wrap-around. Returns false when the keyword is missing.
    // Throws a reading VenkarError (with its origin) for a line it refuses: a count or a field that
    // is not completely a number of its kind, a missing field, text after the last field, a row
    // number below 1 or above maxFileRowNumber, a row line after the counted ones.
    bool readSection(LineReader& in);

    // The highest row number a file may give; a larger one is refused.
    static constexpr int maxFileRowNumber = 1000000;

protected:
    explicit InputContainer(Document document) : document_(document) {}
    // Copy only through the concrete classes, which copy their records too.
    InputContainer(const InputContainer& other);
    InputContainer& operator=(const InputContainer& other);

    // Per-class storage of the records, kept in step with the row states.
    virtual void resizeRecords(int count) = 0;
    virtual void insertRecord(int row) = 0;
    virtual void eraseRecords(int row, int n) = 0;
    virtual void copyRecord(int from, int to) = 0;
    virtual void clearRecords() = 0;

    virtual std::optional<CellValue> fieldValue(int row, int column) const = 0;
    // Stores with the class's value rules; false when the value is refused.
    virtual bool setValue(int row, int column, CellValue value) = 0;
    // Run when a row changes from undefined to defined.
    virtual void newRowDefaults(int /*row*/) {}
    // Run after rows were cleared, read, inserted, deleted or copied.
    virtual void rowsRearranged() {}
    // Fields of one row in record order, each with its leading blank.
    virtual void writeRecord(std::string& out, int row) const = 0;
    // Reads the fields of `row` in record order from a row line whose row
    // number `fields` has already taken, and refuses text after them. Throws
    // FieldRefused and then leaves the record as it was.
    virtual void readRecord(FieldScanner& fields, int row) = 0;

    void contentChanged();
    void invalidateDefinedIndex() { definedStale_ = true; }
    void refreshGrid();
    // The count line of a section: a whole number, 0 or more.
    static int readCount(LineReader& in);
    // Refuses a row line that follows the `rows` counted ones.
    static void refuseUncountedRow(LineReader& in, int rows);
    // The row number that starts a row line: 1 to maxFileRowNumber.
    static int readRowNumber(FieldScanner& fields);

private:
    Document document_;
    std::vector<int> states_;
    mutable std::vector<int> definedRows_;
    mutable bool definedStale_ = true;
    TableView* grid_ = nullptr;            // not owned
    DocumentObserver* observer_ = nullptr; // not owned
};

// Conversions of a typed cell value to a field's type. A double that does not
// fit an int becomes 0.
int cellAsInt(CellValue value);
double cellAsDouble(CellValue value);

// A data column of a table: the record field it shows.
template <class Record> using Column = std::variant<int Record::*, double Record::*>;

// A table whose rows are records of type Record. Each class lists its data
// columns in grid order; cells are read and stored through that list.
template <class Record> class Table : public InputContainer {
public:
    // The record of `row`, growing the table when needed.
    Record& rowAt(int row) {
        ensureRow(row);
        return records_[static_cast<std::size_t>(row)];
    }
    // The record of a held row (row < count()).
    const Record& row(int row) const { return records_.at(static_cast<std::size_t>(row)); }
    Record& row(int row) { return records_.at(static_cast<std::size_t>(row)); }

    int columnCount() const override { return static_cast<int>(columns().size()); }

protected:
    using InputContainer::InputContainer;
    Table(const Table&) = default;
    // Takes the other table's rows; a grid showing this table is refreshed.
    Table& operator=(const Table& other) {
        if (this != &other) {
            InputContainer::operator=(other);
            records_ = other.records_;
            refreshGrid();
        }
        return *this;
    }

    virtual const std::vector<Column<Record>>& columns() const = 0;

    std::optional<CellValue> fieldValue(int row, int column) const override {
        const Record& record = records_[static_cast<std::size_t>(row)];
        return std::visit([&](auto member) -> CellValue { return record.*member; },
                          columns()[static_cast<std::size_t>(column)]);
    }

    // Stores without any class rule.
    void storeField(int row, int column, CellValue value) {
        Record& record = records_[static_cast<std::size_t>(row)];
        const auto& member = columns()[static_cast<std::size_t>(column)];
        if (const auto* intMember = std::get_if<int Record::*>(&member))
            record.** intMember = cellAsInt(value);
        else
            record.*std::get<double Record::*>(member) = cellAsDouble(value);
    }

    bool setValue(int row, int column, CellValue value) override {
        storeField(row, column, value);
        return true;
    }

    void resizeRecords(int count) override { records_.resize(static_cast<std::size_t>(count)); }
    void insertRecord(int row) override { records_.insert(records_.begin() + row, Record{}); }
    void eraseRecords(int row, int n) override {
        records_.erase(records_.begin() + row, records_.begin() + row + n);
    }
    void copyRecord(int from, int to) override {
        records_[static_cast<std::size_t>(to)] = records_[static_cast<std::size_t>(from)];
    }
    void clearRecords() override { records_.clear(); }

    std::vector<Record> records_;
};

// A load table that acts on the shells "von" fromShell "bis" toShell: storing
// a "von" above "bis" raises "bis" to it.
template <class Record> class ShellRangeTable : public Table<Record> {
protected:
    using Table<Record>::Table;

    bool setValue(int row, int column, CellValue value) override {
        this->storeField(row, column, value);
        Record& record = this->records_[static_cast<std::size_t>(row)];
        if (column == 0 && record.toShell < record.fromShell)
            record.toShell = record.fromShell;
        return true;
    }
};

} // namespace venkar
