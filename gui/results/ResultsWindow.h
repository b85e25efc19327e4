#pragma once

#include <QDockWidget>
#include <functional>
#include <vector>

#include "core/tables/ResultPages.h"

class QLabel;
class QTabWidget;
class QTableView;

namespace qv::gui {

// The Results window, docked beside the diagram: one page per result table, sortable, its
// figures with the chosen decimals and those that miss a threshold coloured, the legend of
// the colours below the table. A page without figures is disabled and names the command that makes
// them. Ctrl+C copies the selected cells, or the whole table, as tab-separated text and HTML.
class ResultsWindow final : public QDockWidget {
public:
    // The caption of a menu command, by its component name.
    using CommandCaption = std::function<QString(const std::string&)>;

    ResultsWindow(CommandCaption caption, QWidget* parent = nullptr);

    void setPages(std::vector<ResultPage> pages);
    const std::vector<ResultPage>& pages() const { return pages_; }
    void setDecimals(int decimals);
    int decimals() const { return decimals_; }

    // The page's table view (its model sorts through a proxy), or none while it is disabled.
    QTableView* view(const std::string& key) const;
    QTabWidget& tabs() const { return *tabs_; }
    // Copies the current page's selection, or all of it, to the clipboard.
    void copySelection();

protected:
    // Ctrl+C in a table copies through copySelection, before the view's own copy of one cell.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* pageWidget(const ResultPage& page);

    CommandCaption caption_;
    QTabWidget* tabs_;
    std::vector<ResultPage> pages_;
    int decimals_ = 3;
};

// The legend of the given thresholds: each one's colour, what it marks and its source. A
// page shows those its figures carry; the last page, Thresholds, shows them all.
QString ThresholdLegendHtml(const std::vector<Threshold>& shown);

}  // namespace qv::gui
