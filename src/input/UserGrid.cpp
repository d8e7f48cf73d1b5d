#include "input/UserGrid.h"

#include "input/GridText.h"
#include "input/InputMessages.h"
#include "input/UndoHistory.h"
#include "input/UserList.h"
#include "input/WindowMessages.h"
#include "model/InputContainer.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

constexpr int gridLine = 1;
constexpr int textIndent = 3;
constexpr int caretHeight = 15;

enum BlockCommand { blockAdd, blockMultiply, blockClear };

} // namespace

TUserGrid::TUserGrid(InputMessages& messages, int columnCount, int fixedRows, QWidget* parent)
    : QAbstractScrollArea(parent), messages_(messages),
      fixedRows_(std::clamp(fixedRows, 0, maxHeaderRows)), rowCount_(fixedRows_ + minimumRows),
      widths_(static_cast<std::size_t>(std::clamp(columnCount, 1, maxColumns)), defaultColumnWidth),
      curRow_(fixedRows_), blockMenu_(new QMenu(this)) {
    for (auto& row : headerIndex_)
        row.fill(-1);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(false);
    blockMenu_->addAction(QStringLiteral("Addieren"), this, [this] { runBlockCommand(blockAdd); });
    blockMenu_->addAction(QStringLiteral("Multiplizieren"), this,
                          [this] { runBlockCommand(blockMultiply); });
    blockMenu_->addAction(QStringLiteral("Löschen"), this, [this] { runBlockCommand(blockClear); });
    updateScrollRange();
}

TUserGrid::~TUserGrid() {
    // Text typed and not yet stored goes into the table before the grid goes.
    Push();
    if (container_)
        container_->attachGrid(nullptr);
}

// --- Layout ------------------------------------------------------------------

TUserCell& TUserGrid::RegisterColumn(std::unique_ptr<TUserCell> cell, int column) {
    Q_ASSERT(cell && column >= 1 && column < columnCount());
    cell->Column = column;
    if (cell->ColWidth > 0)
        setColumnWidth(column, cell->ColWidth);
    cells_[static_cast<std::size_t>(column)] = std::move(cell);
    return *cells_[static_cast<std::size_t>(column)];
}

void TUserGrid::DestroyColumn(int column) {
    if (column >= 0 && column < maxColumns)
        cells_[static_cast<std::size_t>(column)].reset();
}

TUserCell* TUserGrid::descriptor(int column) const {
    if (column < 0 || column >= columnCount())
        return nullptr;
    return cells_[static_cast<std::size_t>(column)].get();
}

void TUserGrid::SetHeader(const TUserHeader& header) {
    if (!header.isPlaced() || header.RowE >= maxHeaderRows || header.ColE >= columnCount())
        return;
    const int index = static_cast<int>(headerList_.size());
    headerList_.push_back(header);
    for (int row = header.RowB; row <= header.RowE; ++row)
        for (int column = header.ColB; column <= header.ColE; ++column)
            headerIndex_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = index;
    ChackColWidth(header);
    viewport()->update();
}

const TUserHeader* TUserGrid::header(int row, int column) const {
    if (row < 0 || row >= maxHeaderRows || column < 0 || column >= columnCount())
        return nullptr;
    const int index = headerIndex_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    return index < 0 ? nullptr : &headerList_[static_cast<std::size_t>(index)];
}

void TUserGrid::ChackColWidth(const TUserHeader& header) {
    // The header's text must fit the columns it spans.
    int sum = 0;
    for (int column = header.ColB; column <= header.ColE; ++column) {
        const TUserCell* cell = descriptor(column);
        if (!cell)
            return;
        sum += cell->ColWidth;
    }
    const int needed = fontMetrics().horizontalAdvance(header.Text) + 4;
    if (sum <= 0 || needed <= sum)
        return;
    const double factor = static_cast<double>(needed) / sum;
    for (int column = header.ColB; column <= header.ColE; ++column) {
        TUserCell& cell = *descriptor(column);
        cell.ColWidth = static_cast<int>(std::lround(cell.ColWidth * factor));
        setColumnWidth(column, cell.ColWidth);
    }
}

void TUserGrid::SetColumnWidth(int width) {
    setColumnWidth(0, width);
}

void TUserGrid::setColumnWidth(int column, int width) {
    if (column < 0 || column >= columnCount())
        return;
    widths_[static_cast<std::size_t>(column)] = std::max(0, width);
    if (column == columnCount() - 1)
        lastColumnFill_ = 0;
    viewport()->update();
}

int TUserGrid::GetWidth() const {
    int width = 0;
    for (int w : widths_)
        width += w + gridLine;
    return width;
}

int TUserGrid::GetDWidth() const {
    return GetWidth() - viewport()->width();
}

void TUserGrid::relayout() {
    if (parentForm_ && isVisible()) {
        fitFormToColumns();
        return;
    }
    if (GetDWidth() == 0)
        return;
    if (alowStrech_ && columnCount() > 2) {
        const int fixed = widths_[0];
        const double factor =
            static_cast<double>(viewport()->width() - fixed) / (GetWidth() - fixed);
        for (int column = 1; column < columnCount() - 1; ++column)
            widths_[static_cast<std::size_t>(column)] =
                static_cast<int>(std::lround(widths_[static_cast<std::size_t>(column)] * factor));
        widths_.back() = std::max(0, widths_.back() - GetDWidth());
        viewport()->update();
    }
}

void TUserGrid::fitFormToColumns() {
    // The window around the form grows or shrinks so that every column
    // shows; inside an MDI area that window is the sub-window. It stays as
    // wide as the page tabs need, and the last column takes what the tabs
    // leave over, so that no empty band stands beside the grid.
    widths_.back() -= lastColumnFill_;
    lastColumnFill_ = 0;
    QWidget* window = parentForm_;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentForm_->parentWidget()))
        window = sub;
    if (!(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))) {
        const int width = std::max(window->width() + GetDWidth(), minimumFormWidth);
        if (width != window->width())
            window->resize(width, window->height());
    }
    const int spare = -GetDWidth();
    if (spare > 0) {
        widths_.back() += spare;
        lastColumnFill_ = spare;
    }
    viewport()->update();
}

// --- Table -------------------------------------------------------------------

void TUserGrid::SetContainer(InputContainer* container) {
    if (container_)
        container_->attachGrid(nullptr);
    container_ = container;
    editRow_ = editCol_ = -1;
    if (container_) {
        setRowCount(std::max(container_->lastDefinedRow(), minimumRows) + fixedRows_);
        container_->attachGrid(this);
    }
    viewport()->update();
}

void TUserGrid::setHistory(UndoHistory* history) {
    closeEditStep();
    history_ = history;
}

GridColumns TUserGrid::columns() const {
    GridColumns list;
    for (int column = 0; column < columnCount(); ++column)
        list.push_back(descriptor(column));
    return list;
}

void TUserGrid::setRowCount(int rows) {
    rowCount_ = std::max(rows, fixedRows_ + 1);
    curRow_ = std::clamp(curRow_, fixedRows_, rowCount_ - 1);
    updateScrollRange();
}

void TUserGrid::addGridRow() {
    setRowCount(rowCount_ + 1);
}

void TUserGrid::refreshRows(int rowCount) {
    setRowCount(std::max({rowCount, minimumRows, curRow_ - fixedRows_ + 1}) + fixedRows_);
    // Text typed and not yet stored stays; otherwise the cell shows the
    // table's value again.
    if (editRow_ >= 0 && !modified_ && descriptor(editCol_)) {
        editRow_ = curRow_;
        editCol_ = curCol_;
        const auto value =
            container_ ? container_->value(editRow_ - fixedRows_, editCol_ - 1) : std::nullopt;
        const bool defined = container_ && container_->isDefined(editRow_ - fixedRows_);
        editText_ = value && defined ? descriptor(editCol_)->ValueToText(*value) : QString();
        caret_ = std::min<int>(caret_, static_cast<int>(editText_.size()));
    }
    viewport()->update();
}

void TUserGrid::redrawRow(int) {
    viewport()->update();
}

void TUserGrid::redrawCell(int, int) {
    viewport()->update();
}

void TUserGrid::commitPendingEdit() {
    Push();
}

// --- Editing -----------------------------------------------------------------

void TUserGrid::selectCell(int row, int column) {
    row = std::clamp(row, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
    column = std::clamp(column, 1, columnCount() - 1);
    if (row == lastSelected_.row && column == lastSelected_.column && editRow_ == row &&
        container_ && container_->isDefined(row - fixedRows_)) {
        // The second selection of the same cell edits inside its text.
        selected_ = false;
        viewport()->update();
        return;
    }
    curRow_ = row;
    curCol_ = column;
    Fill(row, column);
    lastSelected_ = {row, column};
    ensureCurrentVisible();
    viewport()->update();
}

void TUserGrid::Fill(int row, int column) {
    TUserCell* cell = descriptor(column);
    if (!cell)
        return;
    Push();
    editRow_ = row;
    editCol_ = column;
    const int tableRow = row - fixedRows_;
    const bool defined = container_ && container_->isDefined(tableRow);
    const auto value = container_ ? container_->value(tableRow, column - 1) : std::nullopt;
    editText_ = defined && value ? cell->ValueToText(*value) : QString();
    caret_ = 0;
    modified_ = false;
    selected_ = true;
    viewport()->update();
}

void TUserGrid::Push() {
    if (editRow_ >= 0 && modified_ && container_) {
        if (TUserCell* cell = descriptor(editCol_)) {
            modified_ = false;
            const CellValue value = cell->TextToValue(editText_);
            if (!container_->setCell(editRow_ - fixedRows_, editCol_ - 1, value))
                beep();
        }
    }
    modified_ = false;
    closeEditStep();
}

void TUserGrid::Change() {
    openEditStep();
    modified_ = true;
    if (container_ && editRow_ >= 0)
        container_->changeValid(editRow_ - fixedRows_, editCol_ - 1, rowEdited);
}

void TUserGrid::cancelEdit() {
    if (editRow_ < 0)
        return;
    const int row = editRow_;
    const int column = editCol_;
    modified_ = false;
    closeEditStep();
    const int tableRow = row - fixedRows_;
    const bool defined = container_ && container_->isDefined(tableRow);
    const auto value = container_ ? container_->value(tableRow, column - 1) : std::nullopt;
    editText_ = defined && value ? descriptor(column)->ValueToText(*value) : QString();
    caret_ = 0;
    selected_ = false;
    viewport()->update();
}

void TUserGrid::NextCell() {
    const auto skipped = [this](int column) {
        const TUserCell* cell = descriptor(column);
        return !cell || cell->OnlyRead;
    };
    if (columnCount() == 2 && skipped(curCol_))
        return;
    int row = curRow_;
    int column = curCol_;
    for (int step = 0; step < columnCount(); ++step) {
        if (++column >= columnCount()) {
            column = 1;
            if (row + 1 >= rowCount_)
                addGridRow();
            ++row;
        }
        if (!skipped(column))
            break;
    }
    selectCell(row, column);
}

void TUserGrid::PreviousCell() {
    const auto skipped = [this](int column) {
        const TUserCell* cell = descriptor(column);
        return !cell || cell->OnlyRead;
    };
    if (columnCount() == 2 && skipped(curCol_))
        return;
    int row = curRow_;
    int column = curCol_;
    for (int step = 0; step < columnCount(); ++step) {
        if (column > 1) {
            --column;
        } else {
            column = columnCount() - 1;
            if (row > fixedRows_)
                --row;
        }
        if (!skipped(column))
            break;
    }
    selectCell(row, column);
}

void TUserGrid::CellKeyPress(QChar character) {
    if (editRow_ < 0)
        Fill(curRow_, curCol_);
    TUserCell* cell = descriptor(editCol_);
    if (!cell || cell->OnlyRead)
        return;
    const QChar accepted = cell->Charfilter(cell->ApplyFilter(character));
    if (accepted.isNull()) {
        beep();
        return;
    }
    if (selected_) {
        editText_.clear();
        caret_ = 0;
    }
    editText_.insert(caret_, accepted);
    if (!cell->Textfilter(editText_))
        beep();
    Change();
    caret_ = std::min<int>(caret_ + 1, static_cast<int>(editText_.size()));
    selected_ = false;
    viewport()->update();
    if (cell->MaxTextLen > 0 && editText_.size() >= cell->MaxTextLen)
        NextCell();
}

void TUserGrid::typeCharacter(QChar character) {
    if (character == u' ' || isGridCharacter(character))
        CellKeyPress(character);
}

// Backspace, Del and the caret keys edit the text; the others are commands.
bool TUserGrid::cellKeyDown(QKeyEvent& event) {
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const bool alt = event.modifiers() & Qt::AltModifier;
    const bool shift = event.modifiers() & Qt::ShiftModifier;
    if (editRow_ < 0 && descriptor(curCol_))
        Fill(curRow_, curCol_);
    TUserCell* cell = descriptor(editCol_);
    const auto filterText = [&] {
        if (cell && !cell->Textfilter(editText_))
            beep();
        caret_ = std::min<int>(caret_, static_cast<int>(editText_.size()));
    };
    const int length = static_cast<int>(editText_.size());
    switch (event.key()) {
    case Qt::Key_Backspace:
        if (caret_ > 0 && !ctrl && !alt) {
            editText_.remove(caret_ - 1, 1);
            --caret_;
            filterText();
            Change();
            selected_ = false;
        } else {
            beep();
        }
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl || alt)
            return false;
        if (container_) {
            openEditStep();
            container_->changeValid(currentTableRow(), curCol_ - 1, rowEdited);
        }
        if (shift || event.key() == Qt::Key_Backtab)
            PreviousCell();
        else
            NextCell();
        break;
    case Qt::Key_Escape:
        cancelEdit();
        break;
    case Qt::Key_End:
        if (caret_ >= length)
            NextCell();
        caret_ = static_cast<int>(editText_.size());
        selected_ = false;
        break;
    case Qt::Key_Home:
        if (caret_ <= 0)
            PreviousCell();
        caret_ = 0;
        selected_ = false;
        break;
    case Qt::Key_Left:
        if (caret_ > 0 && !selected_) {
            --caret_;
        } else {
            PreviousCell();
        }
        break;
    case Qt::Key_Right:
        if (caret_ < length && !selected_) {
            ++caret_;
        } else {
            NextCell();
        }
        break;
    case Qt::Key_Insert:
        if (!alt)
            return false;
        LineInsert(currentTableRow());
        break;
    case Qt::Key_Delete:
        if (ctrl) {
            undefineCurrentRow();
        } else if (alt) {
            LineDelete(currentTableRow());
        } else if (caret_ >= length) {
            beep();
        } else {
            editText_.remove(caret_, 1);
            filterText();
            Change();
            selected_ = false;
        }
        break;
    case Qt::Key_C:
    case Qt::Key_X:
        if (ctrl && !alt)
            Copy();
        else if (alt && !ctrl && event.key() == Qt::Key_C)
            LineCopy(currentTableRow());
        else
            return false;
        break;
    case Qt::Key_V:
        if (ctrl && !alt)
            paste(QApplication::clipboard()->text());
        else if (alt && !ctrl)
            LineMove(currentTableRow());
        else
            return false;
        break;
    default:
        return false;
    }
    viewport()->update();
    return true;
}

void TUserGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool alt = event->modifiers() & Qt::AltModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const int step = event->key() == Qt::Key_PageDown ? 1 : -1;
        if (ctrl)
            emit pageStepRequested(step);
        else
            moveRow(step * std::max(1, visibleDataRows() - 1));
        return;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!ctrl && !alt) {
            moveRow(event->key() == Qt::Key_Down ? 1 : -1);
            return;
        }
        break;
    case Qt::Key_Z:
    case Qt::Key_Y:
        if (ctrl && !alt) {
            if (event->key() == Qt::Key_Z && !shift)
                undo();
            else
                redo();
            return;
        }
        break;
    default:
        break;
    }
    if (cellKeyDown(*event))
        return;
    const QString text = event->text();
    if (!ctrl && !alt && text.size() == 1) {
        typeCharacter(text[0]);
        return;
    }
    // Function keys, Ctrl and Alt combinations of the main window go on.
    event->ignore();
}

void TUserGrid::moveRow(int step) {
    int row = curRow_ + step;
    if (step > 0 && curRow_ == rowCount_ - 1 && step == 1)
        addGridRow();
    row = std::clamp(row, fixedRows_, rowCount_ - 1);
    if (row != curRow_)
        selectCell(row, curCol_);
}

bool TUserGrid::isGridShortcut(const QKeyEvent& event) const {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    const int key = event.key();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return key == Qt::Key_C || key == Qt::Key_X || key == Qt::Key_V || key == Qt::Key_Z ||
               key == Qt::Key_Y || key == Qt::Key_Delete || key == Qt::Key_PageDown ||
               key == Qt::Key_PageUp;
    if (modifiers == Qt::AltModifier)
        return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_Insert ||
               key == Qt::Key_Delete;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // Plain keys (typing, caret and cursor keys) stay in the grid; function
    // keys go to the main window.
    return !(key >= Qt::Key_F1 && key <= Qt::Key_F35);
}

bool TUserGrid::focusNextPrevChild(bool) {
    // Tab moves between cells, not between controls.
    return false;
}

bool TUserGrid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        if (isGridShortcut(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return QAbstractScrollArea::event(event);
    }
    if (handleWindowMessage(event))
        return true;
    return QAbstractScrollArea::event(event);
}

bool TUserGrid::handleWindowMessage(QEvent* event) {
    switch (static_cast<int>(event->type())) {
    case windowmessages::gridLayout:
        relayout();
        return true;
    case windowmessages::deleteRow:
        if (container_) {
            Push();
            beginStep();
            container_->deleteRows(currentTableRow(), 1);
            commitStep();
            selected_ = true;
            viewport()->update();
        }
        return true;
    case windowmessages::moveCursor: {
        const auto* message = static_cast<const WindowMessage*>(event);
        const int row = fixedRows_ + static_cast<int>(message->wParam());
        if (row >= rowCount_)
            setRowCount(row + 1);
        selectCell(row, static_cast<int>(message->lParam()));
        return true;
    }
    default:
        return false;
    }
}

// --- Focus -------------------------------------------------------------------

void TUserGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    if (editRow_ < 0 && descriptor(curCol_))
        Fill(curRow_, curCol_);
    viewport()->update();
}

void TUserGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    // A popup menu of the grid itself keeps the edit and the block.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    Push();
    hideBlock();
    editRow_ = editCol_ = -1;
    lastSelected_ = {};
    selected_ = false;
    viewport()->update();
}

void TUserGrid::beep() {
    messages_.beep();
}

// --- Undo steps ----------------------------------------------------------------

void TUserGrid::openEditStep() {
    if (editStepOpen_ || !history_ || !container_)
        return;
    history_->begin(*container_);
    editStepOpen_ = true;
}

void TUserGrid::closeEditStep() {
    if (!editStepOpen_)
        return;
    editStepOpen_ = false;
    if (history_)
        history_->commit();
}

void TUserGrid::beginStep() {
    if (history_ && container_)
        history_->begin(*container_);
}

void TUserGrid::commitStep() {
    if (history_ && container_)
        history_->commit();
}

void TUserGrid::undo() {
    if (modified_) {
        // Text not yet stored is discarded first, as Esc does.
        cancelEdit();
        return;
    }
    closeEditStep();
    if (history_)
        history_->undo();
    Fill(curRow_, curCol_);
}

void TUserGrid::redo() {
    if (modified_)
        cancelEdit();
    closeEditStep();
    if (history_)
        history_->redo();
    Fill(curRow_, curCol_);
}

// --- Block, clipboard, rows ------------------------------------------------------

void TUserGrid::setBlock(GridCell anchor, GridCell end) {
    anchor_ = clampedToData(anchor);
    end_ = clampedToData(end);
    blockShown_ = true;
    viewport()->update();
}

void TUserGrid::hideBlock() {
    if (!blockShown_)
        return;
    blockShown_ = false;
    viewport()->update();
}

bool TUserGrid::isBlock(int row, int column) const {
    if (!blockShown_ || anchor_.row < 0)
        return false;
    return row >= std::min(anchor_.row, end_.row) && row <= std::max(anchor_.row, end_.row) &&
           column >= std::min(anchor_.column, end_.column) &&
           column <= std::max(anchor_.column, end_.column);
}

CellBlock TUserGrid::block() const {
    if (!blockShown_ || anchor_.row < 0)
        return {currentTableRow(), currentTableRow(), curCol_, curCol_};
    return {std::min(anchor_.row, end_.row) - fixedRows_,
            std::max(anchor_.row, end_.row) - fixedRows_, std::min(anchor_.column, end_.column),
            std::max(anchor_.column, end_.column)};
}

QString TUserGrid::Copy() {
    Push();
    const CellBlock cells = block();
    hideBlock();
    if (!container_)
        return {};
    const QString text = copyBlockText(*container_, columns(), cells);
    QApplication::clipboard()->setText(text);
    return text;
}

bool TUserGrid::paste(const QString& text) {
    if (!container_)
        return false;
    Push();
    beginStep();
    const PasteResult result = pasteText(*container_, columns(), currentTableRow(), curCol_, text);
    commitStep();
    if (result.lastRow >= 0 && result.lastRow + fixedRows_ >= rowCount_)
        setRowCount(result.lastRow + fixedRows_ + 1);
    Fill(curRow_, curCol_);
    if (!result.complete)
        messages_.pasteError(result.message);
    return result.complete;
}

void TUserGrid::AddBlock(double x) {
    changeBlock([x](const TUserCell& cell, CellValue value) { return cell.Add(value, x); });
}

void TUserGrid::MultBlock(double x) {
    changeBlock([x](const TUserCell& cell, CellValue value) { return cell.Mult(value, x); });
}

void TUserGrid::changeBlock(const std::function<CellValue(const TUserCell&, CellValue)>& change) {
    if (!container_)
        return;
    Push();
    const CellBlock cells = block();
    beginStep();
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column)
            if (const TUserCell* cell = descriptor(column))
                if (const auto value = container_->value(row, column - 1))
                    if (cell->GetCellTyp() == TUserCell::CellType::Plain)
                        container_->setCell(row, column - 1, change(*cell, *value));
    commitStep();
    Fill(curRow_, curCol_);
}

void TUserGrid::clearBlockRows() {
    if (!container_)
        return;
    Push();
    const CellBlock cells = block();
    beginStep();
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int column = cells.firstColumn; column <= cells.lastColumn; ++column)
            container_->changeValid(row, column - 1, rowUndefined);
    commitStep();
    Fill(curRow_, curCol_);
}

void TUserGrid::runBlockCommand(int command) {
    if (command == blockClear) {
        clearBlockRows();
        return;
    }
    // The dialog takes the focus; the block is kept meanwhile.
    const std::optional<double> x = messages_.askValue(QStringLiteral("Wert"));
    if (!x)
        return;
    if (command == blockAdd)
        AddBlock(*x);
    else
        MultBlock(*x);
}

void TUserGrid::undefineCurrentRow() {
    if (!container_)
        return;
    modified_ = false;
    closeEditStep();
    beginStep();
    for (int column = 1; column < columnCount(); ++column)
        container_->changeValid(currentTableRow(), column - 1, rowUndefined);
    commitStep();
    Fill(curRow_, curCol_);
}

void TUserGrid::LineInsert(int row) {
    if (!container_)
        return;
    Push();
    beginStep();
    container_->insertRow(row);
    commitStep();
    setFocus();
}

void TUserGrid::LineDelete(int row) {
    if (!container_)
        return;
    Push();
    if (!container_->isDefined(row) || messages_.confirmRowDelete()) {
        beginStep();
        container_->deleteRows(row, 1);
        commitStep();
    }
    setFocus();
}

namespace {

// The row index a dialog's 1-based row number stands for; none outside the
// rows a table may hold.
std::optional<int> targetRow(std::optional<double> number) {
    if (!number || !(*number >= 1.0 && *number <= InputContainer::maxFileRowNumber))
        return std::nullopt;
    return static_cast<int>(std::lround(*number)) - 1;
}

} // namespace

void TUserGrid::LineMove(int row) {
    if (!container_)
        return;
    Push();
    const auto target = targetRow(messages_.askValue(QStringLiteral("Verschieben zur Zeile")));
    if (!target)
        return;
    beginStep();
    container_->moveRow(row, *target);
    commitStep();
    Fill(curRow_, curCol_);
}

void TUserGrid::LineCopy(int row) {
    if (!container_)
        return;
    Push();
    const auto target = targetRow(messages_.askValue(QStringLiteral("Kopieren zur Zeile")));
    if (!target)
        return;
    beginStep();
    container_->copyRow(row, *target);
    commitStep();
    Fill(curRow_, curCol_);
}

// --- Mouse -------------------------------------------------------------------

void TUserGrid::mousePressEvent(QMouseEvent* event) {
    const GridCell cell = cellAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (blockShown_ && isBlock(cell.row, cell.column)) {
            showBlockMenu(event->globalPosition().toPoint());
        } else if (TUserCell* descriptorCell = descriptor(curCol_)) {
            if (descriptorCell->GetCellTyp() == TUserCell::CellType::List)
                showListMenu(*descriptorCell);
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    hideBlock();
    anchor_ = end_ = clampedToData(cell);
    mouseHeld_ = true;
    if (cell.row < fixedRows_ || cell.column < 1 || cell.row >= rowCount_)
        return;
    selectCell(cell.row, cell.column);
    const TUserCell* current = descriptor(curCol_);
    if (current && !selected_) {
        const int x = event->position().toPoint().x() - columnLeft(curCol_);
        caret_ = CaretFromX(editText_, x, current->Center, columnWidth(curCol_));
    }
    viewport()->update();
}

void TUserGrid::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseHeld_)
        return;
    const GridCell cell = clampedToData(cellAt(event->position().toPoint()));
    if (cell.row != end_.row || cell.column != end_.column || !blockShown_) {
        end_ = cell;
        blockShown_ = end_.row != anchor_.row || end_.column != anchor_.column || blockShown_;
        viewport()->update();
    }
}

void TUserGrid::mouseReleaseEvent(QMouseEvent*) {
    mouseHeld_ = false;
}

void TUserGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (TUserCell* cell = descriptor(curCol_))
        if (cell->GetCellTyp() == TUserCell::CellType::List)
            listDoubleClick(*cell);
}

void TUserGrid::listDoubleClick(TUserCell& cell) {
    const auto& list = static_cast<TUserList&>(cell);
    if (list.List.isEmpty() || !container_)
        return;
    if (editRow_ < 0)
        Fill(curRow_, curCol_);
    const int index = cellAsInt(list.TextToValue(editText_));
    editText_ = list.List[(index + 1) % list.List.size()];
    caret_ = 0;
    Change();
    viewport()->update();
}

void TUserGrid::showBlockMenu(QPoint globalPosition) {
    blockMenu_->popup(globalPosition);
}

void TUserGrid::showListMenu(TUserCell& cell) {
    const auto& list = static_cast<TUserList&>(cell);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const QString& item : list.List)
        menu->addAction(item, this, [this, item] {
            if (editRow_ < 0)
                Fill(curRow_, curCol_);
            editText_ = item;
            caret_ = 0;
            selected_ = false;
            Change();
            viewport()->update();
        });
    const QRect rect = cellRect(curRow_, curCol_);
    menu->popup(viewport()->mapToGlobal(rect.bottomLeft()));
}

// --- Geometry ------------------------------------------------------------------

int TUserGrid::columnLeft(int column) const {
    int x = 0;
    for (int c = 0; c < column && c < columnCount(); ++c)
        x += widths_[static_cast<std::size_t>(c)] + gridLine;
    return x;
}

int TUserGrid::headerHeight() const {
    return fixedRows_ * (rowHeight_ + gridLine);
}

int TUserGrid::firstDataRowShown() const {
    return fixedRows_ + verticalScrollBar()->value();
}

int TUserGrid::rowTop(int row) const {
    if (row < fixedRows_)
        return row * (rowHeight_ + gridLine);
    return headerHeight() + (row - firstDataRowShown()) * (rowHeight_ + gridLine);
}

int TUserGrid::visibleDataRows() const {
    return std::max(1, (viewport()->height() - headerHeight()) / (rowHeight_ + gridLine));
}

QRect TUserGrid::cellRect(int row, int column) const {
    return {columnLeft(column), rowTop(row), columnWidth(column), rowHeight_};
}

TUserGrid::GridCell TUserGrid::cellAt(QPoint position) const {
    GridCell cell;
    int x = 0;
    cell.column = columnCount() - 1;
    for (int c = 0; c < columnCount(); ++c) {
        x += widths_[static_cast<std::size_t>(c)] + gridLine;
        if (position.x() < x) {
            cell.column = c;
            break;
        }
    }
    if (position.y() < headerHeight())
        cell.row = position.y() / (rowHeight_ + gridLine);
    else
        cell.row = firstDataRowShown() + (position.y() - headerHeight()) / (rowHeight_ + gridLine);
    return cell;
}

TUserGrid::GridCell TUserGrid::clampedToData(GridCell cell) const {
    return {std::clamp(cell.row, fixedRows_, std::max(fixedRows_, rowCount_ - 1)),
            std::clamp(cell.column, 1, columnCount() - 1)};
}

int TUserGrid::CaretFromX(const QString& text, int x, bool centered, int width) const {
    const QFontMetrics metrics = fontMetrics();
    const int indent = centered ? (width - metrics.horizontalAdvance(text)) / 2 : textIndent;
    int best = 0;
    int bestDistance = std::abs(indent - x);
    for (int i = 1; i <= text.size(); ++i) {
        const int distance = std::abs(indent + metrics.horizontalAdvance(text.left(i)) - x);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void TUserGrid::updateScrollRange() {
    const int dataRows = rowCount_ - fixedRows_;
    verticalScrollBar()->setRange(0, std::max(0, dataRows - visibleDataRows()));
    verticalScrollBar()->setPageStep(visibleDataRows());
    verticalScrollBar()->setSingleStep(1);
}

void TUserGrid::ensureCurrentVisible() {
    updateScrollRange();
    const int first = firstDataRowShown();
    const int visible = visibleDataRows();
    if (curRow_ < first)
        verticalScrollBar()->setValue(curRow_ - fixedRows_);
    else if (curRow_ >= first + visible)
        verticalScrollBar()->setValue(curRow_ - fixedRows_ - visible + 1);
}

void TUserGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

void TUserGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    QApplication::postEvent(this, new WindowMessage(windowmessages::gridLayout));
}

void TUserGrid::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    QApplication::postEvent(this, new WindowMessage(windowmessages::gridLayout));
}

// --- Painting ------------------------------------------------------------------

void TUserGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    painter.fillRect(QRect(0, 0, GetWidth(), viewport()->height()), QColor(0xC0, 0xC0, 0xC0));
    paintHeaders(painter);
    painter.setClipRect(0, headerHeight(), viewport()->width(), viewport()->height());
    const int last = std::min(rowCount_ - 1, firstDataRowShown() + visibleDataRows());
    for (int row = firstDataRowShown(); row <= last; ++row) {
        paintRowNumber(painter, row);
        for (int column = 1; column < columnCount(); ++column)
            PaintCell(painter, row, column);
    }
}

void TUserGrid::paintHeaders(QPainter& painter) {
    const QColor face = palette().color(QPalette::Button);
    for (int row = 0; row < fixedRows_; ++row)
        for (int column = 0; column < columnCount(); ++column) {
            const TUserHeader* caption = header(row, column);
            if (!caption) {
                painter.fillRect(cellRect(row, column), face);
                continue;
            }
            // A merged header is drawn once, from its first covered cell.
            if (row != caption->RowB || column != caption->ColB)
                continue;
            const QRect first = cellRect(caption->RowB, caption->ColB);
            const QRect last = cellRect(caption->RowE, caption->ColE);
            const QRect area = first.united(last);
            painter.fillRect(area, face);
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(area.adjusted(0, 0, -1, -1));
            painter.setPen(palette().color(QPalette::ButtonText));
            painter.drawText(area, Qt::AlignCenter, caption->Text);
        }
}

void TUserGrid::paintRowNumber(QPainter& painter, int row) {
    const QRect rect = cellRect(row, 0);
    const bool marked = selectRow_ && row == curRow_ && !hasFocus();
    painter.fillRect(rect, marked ? windowsColor(cellcolors::rowMarker)
                                  : palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect, Qt::AlignCenter, QString::number(row - fixedRows_ + 1));
}

void TUserGrid::PaintCell(QPainter& painter, int row, int column) {
    const QRect rect = cellRect(row, column);
    const TUserCell* cell = descriptor(column);
    if (!cell) {
        painter.fillRect(rect, Qt::white);
        return;
    }
    const int tableRow = row - fixedRows_;
    const bool current = row == curRow_ && column == curCol_;
    TUserCell::CellState state;
    state.inBlock = isBlock(row, column);
    state.selectedInFocus = current && selected_ && hasFocus();
    painter.fillRect(rect, windowsColor(cell->CellColor(state)));
    const bool defined = container_ && container_->isDefined(tableRow);
    const bool editing = row == editRow_ && column == editCol_;
    QString text;
    if (editing)
        text = editText_;
    else if (defined)
        if (const auto value = container_->value(tableRow, column - 1))
            text = cell->ValueToText(*value);
    const QFontMetrics metrics = fontMetrics();
    int x = cell->Center ? (rect.width() - metrics.horizontalAdvance(text)) / 2 : textIndent;
    const bool showCaret = editing && current && hasFocus() && !cell->OnlyRead;
    if (editing) {
        // The text shifts so that the caret stays inside the cell.
        const int caretX = x + metrics.horizontalAdvance(text.left(caret_));
        if (caretX < textIndent)
            x += textIndent - caretX;
        else if (caretX > rect.width() - 6)
            x -= caretX - (rect.width() - 6);
    }
    painter.save();
    painter.setClipRect(rect.intersected(painter.clipBoundingRect().toRect()));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(rect.left() + x, rect.top(), rect.width() * 4, rect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
    if (showCaret) {
        const int caretX = rect.left() + x + metrics.horizontalAdvance(text.left(caret_));
        painter.setPen(Qt::black);
        painter.drawLine(caretX, rect.top() + 1, caretX, rect.top() + caretHeight);
    }
    painter.restore();
}

} // namespace venkar
