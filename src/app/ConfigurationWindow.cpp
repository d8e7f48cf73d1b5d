#include "app/ConfigurationWindow.h"

#include "app/GraphDialogs.h"
#include "graphics/GraphSettings.h"
#include "graphics/SettingNode.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace venkar {

namespace {

constexpr int nodeRole = Qt::UserRole;

} // namespace

TTreeForm::TTreeForm(GraphSettings& settings, GraphDialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog), settings_(settings), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("Konfiguration"));
    setModal(false);
    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setMinimumSize(380, 460);
    auto* top = new QTreeWidgetItem(tree_);
    int index = 0;
    fill(top, settings_.root(), index);
    top->setExpanded(true);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { editItem(item); });

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* reset = new QPushButton(QStringLiteral("Voreinstellung"), this);
    connect(reset, &QPushButton::clicked, this, &TTreeForm::resetAll);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(reset);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_, 1);
    layout->addLayout(buttons);
}

void TTreeForm::fill(QTreeWidgetItem* item, SettingNode& node, int& index) {
    item->setText(0, QString::fromStdString(node.label()));
    item->setData(0, nodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
    node.setTreeIndex(index++);
    for (const std::unique_ptr<SettingNode>& child : node.children())
        fill(new QTreeWidgetItem(item), *child, index);
}

SettingNode* TTreeForm::nodeOf(const QTreeWidgetItem* item) {
    if (!item)
        return nullptr;
    return reinterpret_cast<SettingNode*>(item->data(0, nodeRole).value<quintptr>());
}

void TTreeForm::editItem(QTreeWidgetItem* item) {
    SettingNode* node = nodeOf(item);
    if (!node)
        return;
    switch (node->kind()) {
    case SettingKind::ColourSetting:
        if (const std::optional<Colour> chosen = dialogs_.chooseColour(this, node->defaultColour()))
            node->setColour(*chosen);
        break;
    case SettingKind::RealSetting:
    case SettingKind::TextSetting:
        dialogs_.editSetting(this, *node);
        break;
    case SettingKind::GroupSetting:
        break;
    }
    // Announced whatever happened, as the windows only redraw.
    emit settingsChanged();
}

void TTreeForm::resetAll() {
    if (!dialogs_.askYesNo(this, QStringLiteral("Bestätigung"),
                           QStringLiteral("Wollen Sie wirklich alle Werte zurücksetzen ?")))
        return;
    settings_.resetAll();
    emit settingsChanged();
}

} // namespace venkar
