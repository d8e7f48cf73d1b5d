#pragma once

#include "documents/DocumentDialogs.h"
#include "model/InputContainer.h"

#include <functional>
#include <optional>
#include <vector>

namespace venkar {

class Documents;
class Model;

// The content of one table: row states and every field value, read and
// restored through the table's public interface.
struct TableSnapshot {
    std::vector<int> states;
    std::vector<std::vector<CellValue>> values; // per row, per data column

    static TableSnapshot of(const InputContainer& table);
    // Makes the table hold exactly this content again.
    void restoreInto(InputContainer& table) const;
    bool operator==(const TableSnapshot&) const = default;
};

// The undo history of one document (the system or the load case): a list of
// steps, each the content of the tables a change touched before and after it,
// or the load case's two single values (the self-weight switch and the
// harmonic count) before and after. A change made while a step is
// open (begin .. commit) is one step, also when it touches several tables. The document's modified
// flag is cleared whenever the history returns to the position of the last save or open; clearing
// or opening the document starts a new history.
class UndoHistory : public DocumentListener {
public:
    // `model` and `documents` must outlive the history (not owned).
    UndoHistory(Model& model, Documents& documents, DocumentKind kind);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    DocumentKind kind() const { return kind_; }

    // Opens a step over `table` (records its content). A begin while a step
    // is open is nested: it adds its table to the open step when that does
    // not hold it yet, and needs its own commit. The outermost commit closes
    // the step and keeps it when one of its tables changed.
    void begin(InputContainer& table);
    void commit();
    bool isOpen() const { return open_.has_value(); }

    // The self-weight switch went from `before` to `after`.
    void recordSelfWeight(int before, int after);
    // The harmonic count went from `before` to `after` (0: not set).
    void recordHarmonicCount(int before, int after);

    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return position_ < steps_.size(); }
    void undo();
    void redo();
    void clear();
    std::size_t size() const { return steps_.size(); }

    // Called after a step was undone or redone (the windows refresh).
    std::function<void()> onApplied;

    void documentStateChanged() override;
    void documentReplaced(DocumentKind kind) override;

private:
    struct TableChange {
        InputContainer* table = nullptr;
        TableSnapshot before;
        TableSnapshot after;
    };
    // The load case's single values; a step that changes one of them keeps
    // the other as it stood, so that applying it restores both.
    struct SingleValues {
        int selfWeight = 0;
        int harmonicCount = 0;
        bool operator==(const SingleValues&) const = default;
    };
    struct Step {
        std::vector<TableChange> tables; // none: a step of the single values
        SingleValues before;
        SingleValues after;
    };
    struct OpenStep {
        std::vector<TableChange> tables; // `after` is taken at the commit
        int depth;
    };
    SingleValues singleValues() const;
    void recordSingleValues(const SingleValues& before, const SingleValues& after);
    void push(Step step);
    void apply(const Step& step, bool forward);
    void settleModifiedFlag();

    Model& model_;
    Documents& documents_;
    DocumentKind kind_;
    std::vector<Step> steps_;
    std::size_t position_ = 0;
    // Position of the last save or open; none once that state was dropped.
    std::optional<std::size_t> savedPosition_ = 0;
    std::optional<OpenStep> open_;
    bool applying_ = false;
};

} // namespace venkar
