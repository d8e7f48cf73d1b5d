#include "input/InputForm.h"

#include "documents/CheckListener.h"
#include "documents/Documents.h"
#include "input/InputMessages.h"
#include "input/UndoHistory.h"
#include "input/UserGrid.h"
#include "input/UserInt.h"
#include "input/UserList.h"
#include "input/WindowMessages.h"
#include "model/ColumnCaptions.h"
#include "model/Error.h"
#include "model/Model.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>

namespace venkar {

namespace {

std::unique_ptr<TUserCell> makeCell(const ColumnSpec& layout) {
    std::unique_ptr<TUserCell> cell;
    switch (layout.kind) {
    case ColumnSpec::Real:
        cell = std::make_unique<TUserInt>(TUserInt::uDouble, QString::fromLatin1(layout.format));
        break;
    case ColumnSpec::Int:
        cell = std::make_unique<TUserInt>(TUserInt::uInteger, QStringLiteral("%d"));
        break;
    case ColumnSpec::Flag:
        cell = std::make_unique<TUserList>(QStringList{QStringLiteral("N"), QStringLiteral("J")});
        cell->Filter = QStringLiteral("1J0N");
        cell->MaxTextLen = 1;
        break;
    case ColumnSpec::Curvature:
        cell = std::make_unique<TUserList>(
            QStringList{QStringLiteral("Innen"), QStringLiteral("Außen")});
        break;
    }
    cell->ColWidth = layout.width;
    cell->Center = layout.center;
    return cell;
}

bool sameCell(const HeaderCell& a, const HeaderCell& b) {
    return a.firstRow == b.firstRow && a.lastRow == b.lastRow && std::strcmp(a.text, b.text) == 0;
}

// The grid's headers from the table's captions: the row-number caption over
// all header rows, and per data column its cells, a cell equal to one of the
// column before widening that column's header.
std::vector<TUserHeader> headersOf(const TableCaptions& captions) {
    std::vector<TUserHeader> headers{
        {0, captions.headerRows - 1, 0, 0, QString::fromUtf8(captions.rowNumberCaption)}};
    const auto& columns = captions.columns;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const int gridColumn = static_cast<int>(column) + 1;
        for (const HeaderCell& cell : columns[column]) {
            const QString text = QString::fromUtf8(cell.text);
            auto widened = std::find_if(headers.begin(), headers.end(), [&](const TUserHeader& h) {
                return h.ColE == gridColumn - 1 && h.RowB == cell.firstRow &&
                       h.RowE == cell.lastRow && h.Text == text;
            });
            const bool continues =
                column > 0 &&
                std::any_of(columns[column - 1].begin(), columns[column - 1].end(),
                            [&](const HeaderCell& before) { return sameCell(before, cell); });
            if (continues && widened != headers.end())
                widened->ColE = gridColumn;
            else
                headers.push_back({cell.firstRow, cell.lastRow, gridColumn, gridColumn, text});
        }
    }
    return headers;
}

} // namespace

InputForm::InputForm(Model& model, Documents& documents, InputMessages& messages, DocumentKind kind,
                     UndoHistory* history, QWidget* parent)
    : QWidget(parent), model_(model), documents_(documents), messages_(messages), kind_(kind),
      ownHistory_(history ? nullptr : std::make_unique<UndoHistory>(model, documents, kind)),
      history_(history ? history : ownHistory_.get()), layout_(new QVBoxLayout(this)),
      toolBar_(new QToolBar(this)), pages_(new QTabWidget(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(toolBar_);
    layout_->addWidget(pages_, 1);
    pages_->setTabPosition(QTabWidget::South);
    pages_->setFocusPolicy(Qt::NoFocus);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { focusCurrentGrid(); });
    documents_.addListener(this);
}

InputForm::~InputForm() {
    documents_.removeListener(this);
    // The grids go first: they still store a pending edit into the history.
    for (TUserGrid* grid : grids_)
        grid->setHistory(nullptr);
    delete pages_;
}

void InputForm::buildToolBar(const std::array<const char*, 5>& hints) {
    QStyle* look = style();
    const auto addButton = [&](QStyle::StandardPixmap icon, const char* hint, auto slot) {
        QAction* action = toolBar_->addAction(look->standardIcon(icon), QString::fromUtf8(hint));
        action->setToolTip(QString::fromUtf8(hint));
        connect(action, &QAction::triggered, this, [this, slot] { runCommand(slot); });
    };
    addButton(QStyle::SP_FileIcon, hints[0], &InputForm::newDocument);
    addButton(QStyle::SP_DialogOpenButton, hints[1], &InputForm::openDocument);
    addButton(QStyle::SP_DialogSaveButton, hints[2], &InputForm::saveDocument);
    toolBar_->addSeparator();
    addButton(QStyle::SP_TrashIcon, hints[3], &InputForm::deleteCurrentRow);
    addButton(QStyle::SP_DialogApplyButton, hints[4], &InputForm::runPlausibilityCheck);
    toolBar_->setFocusPolicy(Qt::NoFocus);
}

void InputForm::addAboveToolBar(QWidget* widget) {
    layout_->insertWidget(1, widget);
}

TUserGrid* InputForm::addPage(const PageSpec& layout, InputContainer& table) {
    const TableCaptions& captions = *tableCaptions(table);
    const int columns = static_cast<int>(layout.columns.size()) + 1;
    auto* grid = new TUserGrid(messages_, columns, captions.headerRows);
    grid->setObjectName(QString::fromLatin1(layout.gridName));
    grid->helpContext = layout.helpContext;
    grid->SetColumnWidth(40);
    for (int column = 1; column < columns; ++column)
        grid->RegisterColumn(makeCell(layout.columns[static_cast<std::size_t>(column - 1)]),
                             column);
    for (const TUserHeader& header : headersOf(captions))
        grid->SetHeader(header);
    grid->setParentForm(this);
    grid->setHistory(history_);
    grid->SetContainer(&table);
    connect(grid, &TUserGrid::pageStepRequested, this, &InputForm::stepPage);
    pages_->addTab(grid, QString::fromUtf8(captions.pageCaption));
    grids_.push_back(grid);
    return grid;
}

void InputForm::finishConstruction(const char* caption, int width, int height, int helpContext) {
    caption_ = QString::fromUtf8(caption);
    helpContext_ = helpContext;
    resize(width, height);
    // A narrow page keeps the window wide enough for every page tab.
    const int tabsWidth = pages_->tabBar()->sizeHint().width() + 8;
    for (TUserGrid* grid : grids_)
        grid->minimumFormWidth = tabsWidth;
    setFileName(QString::fromStdString(documents_.fileName(kind_)));
    history_->onApplied = [this] {
        refreshFromModel();
        focusCurrentGrid();
    };
    // The grid of the first page is the window's focus from its first showing.
    focusCurrentGrid();
}

void InputForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    focusCurrentGrid();
}

int InputForm::pageCount() const {
    return static_cast<int>(grids_.size());
}

TUserGrid* InputForm::grid(int page) const {
    if (page < 0 || page >= pageCount())
        return nullptr;
    return grids_[static_cast<std::size_t>(page)];
}

TUserGrid* InputForm::currentGrid() const {
    return grid(pages_->currentIndex());
}

int InputForm::pageHelpContext() const {
    const TUserGrid* current = currentGrid();
    return current ? current->helpContext : helpContext_;
}

void InputForm::setFileName(const QString& path) {
    setWindowTitle(caption_ + path);
}

void InputForm::focusCurrentGrid() {
    if (TUserGrid* current = currentGrid())
        current->setFocus(Qt::OtherFocusReason);
}

void InputForm::stepPage(int step) {
    const int page = pages_->currentIndex() + step;
    if (page >= 0 && page < pageCount())
        pages_->setCurrentIndex(page);
}

void InputForm::runCommand(void (InputForm::*command)()) {
    try {
        (this->*command)();
    } catch (const VenkarError& error) {
        messages_.commandError(QString::fromStdString(error.what()));
    }
    focusCurrentGrid();
}

void InputForm::newDocument() {
    documents_.newDocument(kind_);
}

void InputForm::openDocument() {
    documents_.open(kind_);
}

void InputForm::saveDocument() {
    documents_.save(kind_);
}

void InputForm::deleteCurrentRow() {
    if (TUserGrid* current = currentGrid()) {
        WindowMessage message(windowmessages::deleteRow);
        QApplication::sendEvent(current, &message);
    }
}

void InputForm::runPlausibilityCheck() {
    checkPlausibility();
}

bool InputForm::checkPlausibility() {
    const std::optional<InputFault> fault = runCheck();
    if (fault)
        presentFault(*fault);
    else if (checkListener_)
        checkListener_->checkPassed(kind_);
    return !fault;
}

void InputForm::showWindow() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->show();
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
    }
    show();
    raise();
    activateWindow();
}

void InputForm::presentFault(const InputFault& fault) {
    showWindow();
    const int page = pageIndex(fault.page);
    if (page < 0 || page >= pageCount())
        return;
    pages_->setCurrentIndex(page);
    TUserGrid* faulty = grid(page);
    faulty->setFocus(Qt::OtherFocusReason);
    WindowMessage message(windowmessages::moveCursor, fault.row, fault.column);
    QApplication::sendEvent(faulty, &message);
    messages_.inputError(QString::fromStdString(fault.message));
    focusCurrentGrid();
}

void InputForm::documentStateChanged() {
    setFileName(QString::fromStdString(documents_.fileName(kind_)));
}

void InputForm::modelChanged() {
    refreshFromModel();
}

} // namespace venkar
