#include "gui/editing/ModelTree.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

#include "core/editing/ModelTree.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {
namespace {

constexpr int kFigureWidth = 70;

// Constructs are circles (filled when formative), indicators squares, members small circles.
QIcon nodeIcon(NodeImage image) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkBlue, 1.5));
    switch (image) {
        case NodeImage::Reflective: painter.setBrush(Qt::white); painter.drawEllipse(QRectF(1.5, 1.5, 13, 13)); break;
        case NodeImage::Formative: painter.setBrush(QColor(120, 160, 230)); painter.drawEllipse(QRectF(1.5, 1.5, 13, 13)); break;
        case NodeImage::Indicator: painter.setBrush(Qt::white); painter.drawRect(QRectF(3.5, 3.5, 9, 9)); break;
        case NodeImage::FormativeIndicator: painter.setBrush(QColor(120, 160, 230)); painter.drawRect(QRectF(3.5, 3.5, 9, 9)); break;
        case NodeImage::Member: painter.setBrush(QColor(230, 200, 120)); painter.drawEllipse(QRectF(3.5, 3.5, 9, 9)); break;
        case NodeImage::None: return {};
    }
    return QIcon(pixmap);
}

void addNodes(QTreeWidgetItem& parent, const std::vector<TreeNode>& nodes) {
    for (const TreeNode& node : nodes) {
        auto* item = new QTreeWidgetItem(&parent, {toQString(node.text)});
        item->setIcon(0, nodeIcon(node.image));
        // Figures sit in the header's columns, so they line up at every depth; a node without
        // figures lets its text run across.
        for (std::size_t column = 0; column < node.values.size(); ++column) {
            item->setText(int(column) + 1, toQString(node.values[column]));
            item->setTextAlignment(int(column) + 1, Qt::AlignRight | Qt::AlignVCenter);
        }
        item->setFirstColumnSpanned(node.values.empty());
        addNodes(*item, node.children);
    }
}

}  // namespace

ModelTree::ModelTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("TreeView1");
    setHeaderLabels({"Indicator", "Loading", "Weight", "Residual"});
    header()->setObjectName("HeaderControl1");
    header()->setStretchLastSection(true);
    setColumnWidth(0, 120);
    for (int column = 1; column < 4; ++column) setColumnWidth(column, kFigureWidth);
    setFont(QFont("Courier New", 9));
    setEditTriggers(NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void ModelTree::rebuild(const ProjectModel& model, const LanguageTexts& texts, bool expanded) {
    clear();
    addNodes(*invisibleRootItem(), BuildModelTree(model, texts));
    if (expanded) expandAll();
    else collapseAll();
}

std::optional<std::string> ModelTree::selectedText() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (items.isEmpty()) return std::nullopt;
    return toStdString(items.front()->text(0));
}

// The last column stretches to the panel, so its own width is the figures' width.
int ModelTree::widthForColumns() const {
    int columns = kFigureWidth;
    for (int column = 0; column + 1 < columnCount(); ++column) columns += columnWidth(column);
    return columns + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

int ModelTree::selectedLevel() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    int level = 0;
    if (items.isEmpty()) return level;
    for (QTreeWidgetItem* item = items.front()->parent(); item; item = item->parent()) ++level;
    return level;
}

}  // namespace qv::gui
