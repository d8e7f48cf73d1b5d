#include "input/UndoHistory.h"

#include "documents/Documents.h"
#include "model/Model.h"

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
    if (open_) {
        if (open_->table == &table)
            ++open_->depth;
        return;
    }
    open_ = OpenStep{&table, TableSnapshot::of(table), 1};
}

void UndoHistory::commit() {
    if (!open_ || --open_->depth > 0)
        return;
    Step step{open_->table, std::move(open_->before), TableSnapshot::of(*open_->table),
              model_.selfWeight, model_.selfWeight};
    open_.reset();
    if (step.before == step.after)
        return;
    push(std::move(step));
}

void UndoHistory::recordSelfWeight(int before, int after) {
    if (applying_ || before == after)
        return;
    push(Step{nullptr, {}, {}, before, after});
}

void UndoHistory::push(Step step) {
    steps_.resize(position_);
    if (savedPosition_ && *savedPosition_ > position_)
        savedPosition_.reset();
    steps_.push_back(std::move(step));
    position_ = steps_.size();
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
    apply(steps_[position_], true);
    ++position_;
}

void UndoHistory::apply(const Step& step, bool forward) {
    applying_ = true;
    if (step.table) {
        (forward ? step.after : step.before).restoreInto(*step.table);
    } else {
        model_.selfWeight = forward ? step.selfWeightAfter : step.selfWeightBefore;
        documents_.loadChanged();
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
