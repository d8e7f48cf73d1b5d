#include "input/UndoHistory.h"

#include "documents/Documents.h"
#include "model/Model.h"

#include <algorithm>

namespace venkar {

TableSnapshot TableSnapshot::of(const InputContainer& table) {
    TableSnapshot snapshot;
    snapshot.states.reserve(static_cast<std::size_t>(table.count()));
    snapshot.values.reserve(static_cast<std::size_t>(table.count()));
    for (int row = 0; row < table.count(); ++row) {
        snapshot.states.push_back(table.rowState(row));
        std::vector<CellValue> fields;
        for (int column = 0; column < table.columnCount(); ++column)
            fields.push_back(table.value(row, column).value_or(CellValue{0}));
        snapshot.values.push_back(std::move(fields));
    }
    return snapshot;
}

void TableSnapshot::restoreInto(InputContainer& table) const {
    table.clearAll();
    for (std::size_t row = 0; row < states.size(); ++row) {
        const int index = static_cast<int>(row);
        // The state first: a row becoming defined takes the class's defaults,
        // which the stored values then overwrite.
        table.changeValid(index, 0, states[row]);
        const auto& fields = values[row];
        for (std::size_t column = 0; column < fields.size(); ++column)
            table.setCell(index, static_cast<int>(column), fields[column]);
    }
}

UndoHistory::UndoHistory(Model& model, Documents& documents, DocumentKind kind)
    : model_(model), documents_(documents), kind_(kind) {
    documents_.addListener(this);
}

UndoHistory::~UndoHistory() {
    documents_.removeListener(this);
}

void UndoHistory::begin(InputContainer& table) {
    if (applying_)
        return;
    if (!open_)
        open_ = OpenStep{{}, 0};
    ++open_->depth;
    const bool held =
        std::any_of(open_->tables.begin(), open_->tables.end(),
                    [&](const TableChange& change) { return change.table == &table; });
    if (!held)
        open_->tables.push_back(TableChange{&table, TableSnapshot::of(table), {}});
}

void UndoHistory::commit() {
    if (!open_ || --open_->depth > 0)
        return;
    Step step{std::move(open_->tables), singleValues(), singleValues()};
    open_.reset();
    bool changed = false;
    for (TableChange& change : step.tables) {
        change.after = TableSnapshot::of(*change.table);
        changed = changed || change.after != change.before;
    }
    if (!changed)
        return;
    // Only the tables that changed are restored by undo and redo.
    std::erase_if(step.tables,
                  [](const TableChange& change) { return change.after == change.before; });
    push(std::move(step));
}

UndoHistory::SingleValues UndoHistory::singleValues() const {
    return {model_.selfWeight() ? 1 : 0, model_.harmonicCount()};
}

void UndoHistory::recordSingleValues(const SingleValues& before, const SingleValues& after) {
    if (applying_ || before == after)
        return;
    push(Step{{}, before, after});
}

void UndoHistory::recordSelfWeight(int before, int after) {
    SingleValues from = singleValues();
    SingleValues to = from;
    from.selfWeight = before;
    to.selfWeight = after;
    recordSingleValues(from, to);
}

void UndoHistory::recordHarmonicCount(int before, int after) {
    SingleValues from = singleValues();
    SingleValues to = from;
    from.harmonicCount = before;
    to.harmonicCount = after;
    recordSingleValues(from, to);
}

void UndoHistory::push(Step step) {
    steps_.resize(position_);
    if (savedPosition_ && *savedPosition_ > position_)
        savedPosition_.reset();
    steps_.push_back(std::move(step));
    position_ = steps_.size();
    // Every step is a change of the document, also one the table does not
    // announce itself (a row inserted or deleted).
    if (kind_ == DocumentKind::System)
        documents_.systemChanged();
    else
        documents_.loadChanged();
}

void UndoHistory::undo() {
    if (!canUndo() || open_)
        return;
    --position_;
    apply(steps_[position_], false);
}

void UndoHistory::redo() {
    if (!canRedo() || open_)
        return;
    ++position_;
    apply(steps_[position_ - 1], true);
}

void UndoHistory::apply(const Step& step, bool forward) {
    applying_ = true;
    if (!step.tables.empty()) {
        for (const TableChange& change : step.tables)
            (forward ? change.after : change.before).restoreInto(*change.table);
    } else {
        const SingleValues& values = forward ? step.after : step.before;
        model_.setSelfWeight(values.selfWeight != 0);
        model_.setHarmonicCount(values.harmonicCount);
    }
    applying_ = false;
    settleModifiedFlag();
    if (onApplied)
        onApplied();
}

void UndoHistory::settleModifiedFlag() {
    documents_.setModified(kind_, !(savedPosition_ && *savedPosition_ == position_));
}

void UndoHistory::clear() {
    steps_.clear();
    position_ = 0;
    savedPosition_ = 0;
    open_.reset();
}

void UndoHistory::documentStateChanged() {
    if (!applying_ && !documents_.isModified(kind_))
        savedPosition_ = position_;
}

void UndoHistory::documentReplaced(DocumentKind kind) {
    if (kind == kind_)
        clear();
}

} // namespace venkar
