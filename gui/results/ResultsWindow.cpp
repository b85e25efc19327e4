#include "gui/results/ResultsWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "core/tables/TableCopy.h"
#include "gui/app/TextConversion.h"
#include "gui/results/ResultTableModel.h"

namespace qv::gui {

QString ThresholdLegendHtml(const std::vector<Threshold>& shown) {
    QString html = "<table cellspacing=\"2\">";
    for (const ThresholdRule& rule : ThresholdRules())
        if (std::find(shown.begin(), shown.end(), rule.threshold) != shown.end())
            html += QString("<tr><td style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</td><td>%2</td>"
                            "<td><i>%3</i></td></tr>")
                        .arg(MarkColour(rule.severity).name(), toQString(rule.text).toHtmlEscaped(),
                             toQString(rule.source).toHtmlEscaped());
    return html + "</table>";
}

namespace {

std::vector<Threshold> allThresholds() {
    std::vector<Threshold> all;
    for (const ThresholdRule& rule : ThresholdRules()) all.push_back(rule.threshold);
    return all;
}

// The thresholds whose marks the table carries, in the rules' order.
std::vector<Threshold> marksOf(const ResultTable& table) {
    std::vector<Threshold> marks;
    for (const TableRow& row : table.rows)
        for (const TableCell& cell : row)
            if (cell.mark && std::find(marks.begin(), marks.end(), *cell.mark) == marks.end()) marks.push_back(*cell.mark);
    return marks;
}

QLabel* legendLabel(const std::vector<Threshold>& shown, const QString& name) {
    auto* legend = new QLabel(ThresholdLegendHtml(shown));
    legend->setObjectName(name);
    legend->setWordWrap(true);
    return legend;
}

}  // namespace

ResultsWindow::ResultsWindow(CommandCaption caption, QWidget* parent)
    : QDockWidget(QObject::tr("Results"), parent), caption_(std::move(caption)), tabs_(new QTabWidget) {
    setObjectName("ResultsWindow");
    tabs_->setObjectName("ResultPages");
    tabs_->setUsesScrollButtons(true);
    setWidget(tabs_);
    auto* copy = new QAction(QObject::tr("Copy"), this);
    copy->setObjectName("ResultsCopy");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &ResultsWindow::copySelection);
    addAction(copy);
}

QWidget* ResultsWindow::pageWidget(const ResultPage& page) {
    auto* widget = new QWidget;
    widget->setObjectName(toQString("Page_" + page.key));
    auto* layout = new QVBoxLayout(widget);
    if (!page.table) {
        QString text = caption_(page.command) + QObject::tr(" makes the figures of this page.");
        if (!page.missing.empty()) text += "\n" + toQString(page.missing);
        auto* waiting = new QLabel(text);
        waiting->setWordWrap(true);
        layout->addWidget(waiting, 1, Qt::AlignTop);
        return widget;
    }
    auto* title = new QLabel(toQString(page.table->title));
    title->setStyleSheet("font-weight: bold");
    // A long title wraps instead of widening the dock over the diagram.
    title->setWordWrap(true);
    layout->addWidget(title);
    auto* view = new QTableView;
    view->setObjectName(toQString("Table_" + page.key));
    auto* sorted = new QSortFilterProxyModel(view);
    sorted->setSourceModel(new ResultTableModel(*page.table, decimals_, sorted));
    sorted->setSortRole(ResultTableModel::kSortRole);
    view->setModel(sorted);
    view->setSortingEnabled(true);
    view->installEventFilter(this);
    view->sortByColumn(-1, Qt::AscendingOrder);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    layout->addWidget(view, 1);
    if (!page.table->notes.empty()) {
        QStringList notes;
        for (const std::string& note : page.table->notes) notes << toQString(note);
        auto* below = new QLabel(notes.join("\n"));
        below->setObjectName(toQString("Notes_" + page.key));
        below->setWordWrap(true);
        layout->addWidget(below);
    }
    if (const std::vector<Threshold> marks = marksOf(*page.table); !marks.empty())
        layout->addWidget(legendLabel(marks, toQString("Legend_" + page.key)));
    return widget;
}

void ResultsWindow::setPages(std::vector<ResultPage> pages) {
    const int current = tabs_->currentIndex();
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
    pages_ = std::move(pages);
    for (size_t i = 0; i < pages_.size(); ++i) {
        const ResultPage& page = pages_[i];
        tabs_->addTab(pageWidget(page), toQString(page.title));
        tabs_->setTabEnabled(static_cast<int>(i), page.table.has_value());
        if (!page.table) tabs_->setTabToolTip(static_cast<int>(i), caption_(page.command));
    }
    // Every rule with its source, whatever the pages mark.
    auto* thresholds = new QWidget;
    thresholds->setObjectName("Page_thresholds");
    auto* layout = new QVBoxLayout(thresholds);
    layout->addWidget(legendLabel(allThresholds(), "ThresholdLegend"), 0, Qt::AlignTop);
    layout->addStretch(1);
    tabs_->addTab(thresholds, QObject::tr("Thresholds"));
    if (current >= 0 && current < tabs_->count() && tabs_->isTabEnabled(current)) tabs_->setCurrentIndex(current);
}

void ResultsWindow::setDecimals(int decimals) {
    decimals_ = decimals;
    for (const ResultPage& page : pages_)
        if (QTableView* shown = view(page.key))
            static_cast<ResultTableModel*>(static_cast<QSortFilterProxyModel*>(shown->model())->sourceModel())
                ->setDecimals(decimals);
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool copyKey = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
                         static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (!copyKey) return QDockWidget::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::KeyPress) copySelection();
    return true;
}

QTableView* ResultsWindow::view(const std::string& key) const {
    return findChild<QTableView*>(toQString("Table_" + key));
}

void ResultsWindow::copySelection() {
    auto* shown = tabs_->currentWidget() ? tabs_->currentWidget()->findChild<QTableView*>() : nullptr;
    if (!shown) return;
    auto* sorted = static_cast<QSortFilterProxyModel*>(shown->model());
    const auto* model = static_cast<const ResultTableModel*>(sorted->sourceModel());
    std::set<int> shownRows, columns;
    for (const QModelIndex& index : shown->selectionModel()->selectedIndexes()) {
        shownRows.insert(index.row());
        columns.insert(index.column());
    }
    const bool whole = shownRows.empty();
    if (whole) {
        for (int row = 0; row < sorted->rowCount(); ++row) shownRows.insert(row);
        for (int column = 0; column < sorted->columnCount(); ++column) columns.insert(column);
    }
    std::vector<int> rows;
    for (const int row : shownRows) rows.push_back(sorted->mapToSource(sorted->index(row, 0)).row());
    const CopiedCells copied = CopyCells(model->table(), rows, {columns.begin(), columns.end()}, decimals_, whole);
    auto* mime = new QMimeData;
    mime->setText(toQString(copied.text));
    mime->setHtml(toQString(copied.html));
    QApplication::clipboard()->setMimeData(mime);
}

}  // namespace qv::gui
