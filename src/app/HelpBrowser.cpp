#include "app/HelpBrowser.h"

#include "app/ScreenPlacement.h"

#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace venkar {

namespace {

const char* const contextProperty = "venkarHelpContext";
constexpr int searchTabIndex = 1;
constexpr int targetPageRole = Qt::UserRole;
constexpr int targetAnchorRole = Qt::UserRole + 1;

const QString notFoundPage =
    QStringLiteral("# Hilfe nicht gefunden\n\nDie Hilfeseiten wurden nicht gefunden. Sie liegen "
                   "im Ordner `help` neben dem Programm oder in `share/venkar/help` der "
                   "Installation.\n");

void setTarget(QTreeWidgetItem* item, const HelpTarget& target) {
    item->setData(0, targetPageRole, target.page);
    item->setData(0, targetAnchorRole, target.anchor);
}

} // namespace

HelpBrowser::HelpBrowser(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), pages_(helpFolder) {
    setWindowTitle(QStringLiteral("Venkar - Hilfe"));

    text_ = new QTextBrowser(this);
    text_->setOpenLinks(false);
    connect(text_, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(createContentsTab(), QStringLiteral("&Inhalt"));
    tabs_->addTab(createSearchTab(), QStringLiteral("&Suchen"));
    // Whichever way the search tab is chosen (a click, Alt+S, the tool
    // bar), the cursor goes into its field.
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == searchTabIndex)
            focusSearchField();
    });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({300, 700});
    auto* toolBar = new QToolBar(this);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    backAction_ = toolBar->addAction(QStringLiteral("Zurück"), this, &HelpBrowser::goBack);
    backAction_->setShortcut(QKeySequence::Back);
    backAction_->setToolTip(QStringLiteral("Zurück (Alt+Pfeil links)"));
    forwardAction_ = toolBar->addAction(QStringLiteral("Vor"), this, &HelpBrowser::goForward);
    forwardAction_->setShortcut(QKeySequence::Forward);
    forwardAction_->setToolTip(QStringLiteral("Vor (Alt+Pfeil rechts)"));
    toolBar->addSeparator();
    toolBar->addAction(QStringLiteral("Inhalt"), this, &HelpBrowser::showContents);
    QAction* searchAction = toolBar->addAction(QStringLiteral("Suchen"), this, [this] {
        tabs_->setCurrentIndex(searchTabIndex);
        focusSearchField();
    });
    searchAction->setShortcut(QKeySequence::Find);
    searchAction->setToolTip(QStringLiteral("Suchen (Strg+F)"));
    updateHistoryActions();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter, 1);
    resize(1000, 700);

    if (pages_.isEmpty())
        text_->setMarkdown(notFoundPage);
}

QWidget* HelpBrowser::createContentsTab() {
    contents_ = new QTreeWidget(this);
    contents_->setHeaderHidden(true);
    QTreeWidgetItem* pageItem = nullptr;
    for (const HelpSection& section : pages_.sections()) {
        if (section.level == 1 || !pageItem) {
            pageItem = new QTreeWidgetItem(contents_, {section.title});
            setTarget(pageItem, {section.target.page, QString()});
        } else if (section.level == 2) {
            setTarget(new QTreeWidgetItem(pageItem, {section.title}), section.target);
        }
    }
    connect(contents_, &QTreeWidget::itemActivated, this, &HelpBrowser::openItem);
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpBrowser::openItem);
    return contents_;
}

QWidget* HelpBrowser::createSearchTab() {
    auto* tab = new QWidget(this);
    auto* layout = new QVBoxLayout(tab);
    auto* label = new QLabel(QStringLiteral("Such&begriff:"), tab);
    searchField_ = new QLineEdit(tab);
    searchField_->setClearButtonEnabled(true);
    label->setBuddy(searchField_);
    results_ = new QListWidget(tab);
    layout->addWidget(label);
    layout->addWidget(searchField_);
    layout->addWidget(results_, 1);

    connect(searchField_, &QLineEdit::textChanged, this, &HelpBrowser::fillSearchResults);
    const auto openResult = [this](QListWidgetItem* item) {
        showPage(item->data(targetPageRole).toString(), item->data(targetAnchorRole).toString());
    };
    // Enter in the field opens the best hit.
    connect(searchField_, &QLineEdit::returnPressed, this, [this, openResult] {
        if (QListWidgetItem* first = results_->item(0)) {
            results_->setCurrentItem(first);
            openResult(first);
        }
    });
    connect(results_, &QListWidget::itemActivated, this, openResult);
    connect(results_, &QListWidget::itemClicked, this, openResult);
    fillSearchResults();
    return tab;
}

void HelpBrowser::fillSearchResults() {
    results_->clear();
    for (const HelpSection& section : pages_.search(searchField_->text())) {
        const QString pageTitle = pages_.pageTitle(section.target.page);
        const QString label = section.level == 1 || section.title == pageTitle
                                  ? section.title
                                  : QStringLiteral("%1 – %2").arg(section.title, pageTitle);
        auto* item = new QListWidgetItem(label, results_);
        item->setData(targetPageRole, section.target.page);
        item->setData(targetAnchorRole, section.target.anchor);
    }
}

void HelpBrowser::showContents() {
    tabs_->setCurrentIndex(0);
    if (!pages_.isEmpty())
        showPage(pages_.pageNames().constFirst());
    present();
}

void HelpBrowser::showSearch(const QString& keyword) {
    tabs_->setCurrentIndex(searchTabIndex);
    searchField_->setText(keyword);
    fillSearchResults();
    if (currentPage_.isEmpty() && !pages_.isEmpty())
        showPage(pages_.pageNames().constFirst());
    present();
    focusSearchField();
}

void HelpBrowser::focusSearchField() {
    searchField_->setFocus(Qt::OtherFocusReason);
    searchField_->selectAll();
}

bool HelpBrowser::showContext(int contextNumber) {
    const std::optional<HelpTarget> target = HelpPages::contextTarget(contextNumber);
    if (!target || !showPage(target->page, target->anchor)) {
        showContents();
        return false;
    }
    present();
    return true;
}

bool HelpBrowser::showPage(const QString& page, const QString& anchor) {
    if (!pages_.hasPage(page))
        return false;
    const HelpTarget target{page, anchor};
    if (history_.empty() || history_[historyPosition_] != target) {
        // A new place drops the places ahead of the current one.
        if (!history_.empty())
            history_.resize(historyPosition_ + 1);
        history_.push_back(target);
        historyPosition_ = history_.size() - 1;
    }
    display(target);
    return true;
}

bool HelpBrowser::goBack() {
    if (history_.empty() || historyPosition_ == 0)
        return false;
    display(history_[--historyPosition_]);
    return true;
}

bool HelpBrowser::goForward() {
    if (historyPosition_ + 1 >= history_.size())
        return false;
    display(history_[++historyPosition_]);
    return true;
}

void HelpBrowser::updateHistoryActions() {
    backAction_->setEnabled(!history_.empty() && historyPosition_ > 0);
    forwardAction_->setEnabled(historyPosition_ + 1 < history_.size());
}

void HelpBrowser::display(const HelpTarget& target) {
    const QString& page = target.page;
    const QString& anchor = target.anchor;
    if (page != currentPage_) {
        // Relative image and link names resolve against the help folder.
        text_->document()->setBaseUrl(QUrl::fromLocalFile(QDir(pages_.folder()).filePath(page)));
        text_->setMarkdown(pages_.markdown(page));
        HelpPages::markHeadingAnchors(*text_->document());
        currentPage_ = page;
    }
    currentAnchor_ = anchor;
    if (anchor.isEmpty())
        text_->moveCursor(QTextCursor::Start);
    else
        text_->scrollToAnchor(anchor);
    updateHistoryActions();
}

void HelpBrowser::followLink(const QUrl& link) {
    if (!link.scheme().isEmpty() && !link.isLocalFile()) {
        QDesktopServices::openUrl(link);
        return;
    }
    const QString path = link.isLocalFile() ? link.toLocalFile() : link.path();
    const QString page = path.isEmpty() ? currentPage_ : QDir::cleanPath(path).section('/', -1);
    showPage(page, link.fragment(QUrl::FullyDecoded));
}

void HelpBrowser::openItem(QTreeWidgetItem* item) {
    showPage(item->data(0, targetPageRole).toString(), item->data(0, targetAnchorRole).toString());
}

void HelpBrowser::present() {
    if (!isVisible())
        placeOnMainScreen();
    show();
    raise();
    activateWindow();
}

void HelpBrowser::placeOnMainScreen() {
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    QPoint centre = main ? main->frameGeometry().center()
                         : QGuiApplication::primaryScreen()->availableGeometry().center();
    // Opened again, the window comes back where the user left it, as long as
    // that is on the main window's screen.
    if (placedBefore_ &&
        QGuiApplication::screenAt(frameGeometry().center()) == QGuiApplication::screenAt(centre))
        centre = frameGeometry().center();
    placeOnScreenAt(*this, centre);
    placedBefore_ = true;
}

void HelpBrowser::setHelpContext(QWidget* widget, int contextNumber) {
    widget->setProperty(contextProperty, contextNumber);
}

int HelpBrowser::helpContextOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const int number = widget->property(contextProperty).toInt();
        if (number != 0)
            return number;
    }
    return 0;
}

void HelpBrowser::installF1(QWidget* window) {
    installF1(window, [window] {
        QWidget* focus = window->focusWidget();
        return helpContextOf(focus ? focus : window);
    });
}

void HelpBrowser::installF1(QWidget* window, std::function<int()> contextNumber) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this, contextNumber = std::move(contextNumber)] {
                const int number = contextNumber();
                if (number != 0)
                    showContext(number);
                else
                    showContents();
            });
}

} // namespace venkar
