// The main window's menus, tool bars and panels: every item is an action named like its
// component, so the language file and the tests find it by that name.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <string_view>

#include "core/app/Workbench.h"
#include "gui/app/MainWindow.h"
#include "gui/app/PaneWidths.h"
#include "gui/diagram/DiagramView.h"
#include "gui/editing/ModelTree.h"
#include "gui/results/ResultsWindow.h"

namespace qv::gui {
QAction* MainWindow::addCommand(const char* name, const char* caption, Handler handler,
                               Availability availability) {
    auto* action = new QAction(QString::fromUtf8(caption), this);
    action->setObjectName(name);
    if (QString(name).startsWith("BTN_")) action->setToolTip(action->iconText());
    if (handler)
        connect(action, &QAction::triggered, this, [this, handler, action] {
            command([this, handler, action] {
                editName_ = action->text().remove('&').remove("...");
                (this->*handler)();
            });
        });
    actions_.insert(name, action);
    availability_.insert(name, availability);
    return action;
}

void MainWindow::createActions() {
    using A = Availability;
    const struct {
        const char* name;
        const char* caption;
        Handler handler;
        Availability availability;
    } items[] = {
        {"MNU_NewModel", "New Model", &MainWindow::newModel, A::Always},
        {"MNU_OpenModel", "Open Model", &MainWindow::openModel, A::Always},
        {"N4", "", &MainWindow::openRecent1, A::Always},
        {"N5", "", &MainWindow::openRecent2, A::Always},
        {"N6", "", &MainWindow::openRecent3, A::Always},
        {"MNU_Save", "Save", &MainWindow::save, A::ModelOpen},
        {"MNU_SaveAs", "Save As", &MainWindow::saveAs, A::ModelOpen},
        {"MNU_Close", "Close", &MainWindow::closeModel, A::ModelOpen},
        {"MNU_Exit", "Exit", &MainWindow::exitProgram, A::Always},
        {"MNU_ExportPng1", "PNG Picture (1x)...", &MainWindow::exportPng1, A::ModelOpen},
        {"MNU_ExportPng2", "PNG Picture (2x)...", &MainWindow::exportPng2, A::ModelOpen},
        {"MNU_ExportPng3", "PNG Picture (3x)...", &MainWindow::exportPng3, A::ModelOpen},
        {"MNU_ExportSvg", "SVG Drawing...", &MainWindow::exportSvg, A::ModelOpen},
        {"MNU_ExportPdf", "PDF Document...", &MainWindow::exportPdf, A::ModelOpen},
        {"MNU_CopyDiagram", "Copy Diagram", &MainWindow::copyDiagram, A::ModelOpen},
        {"MNU_Undo", "Undo", &MainWindow::undo, A::ModelOpen},
        {"MNU_Redo", "Redo", &MainWindow::redo, A::ModelOpen},
        {"MNU_Cut", "Cut", &MainWindow::cutSelection, A::ModelOpen},
        {"MNU_Copy", "Copy", &MainWindow::copySelection, A::ModelOpen},
        {"MNU_Paste", "Paste", &MainWindow::pasteCopies, A::ModelOpen},
        {"MNU_Duplicate", "Duplicate", &MainWindow::duplicateSelection, A::ModelOpen},
        {"MNU_SelectAll", "Select All", &MainWindow::selectAll, A::ModelOpen},
        {"MNU_ViewConfig", "View Configure", &MainWindow::viewConfig, A::ModelOpen},
        {"MNU_Parameter", "Model Parameter", &MainWindow::modelParameter, A::ModelOpen},
        {"MNU_ViewCode", "View LVPLS Code", &MainWindow::viewCode, A::ModelOpen},
        {"MNU_ViewPLSResult", "View LVPLS Result", &MainWindow::viewResult, A::Estimated},
        {"MNU_BootStrapSummary", "BootStrap Summary", &MainWindow::bootStrapSummary, A::BootstrapDone},
        {"MNU_JacknifeSummary", "JackKnife Summary", &MainWindow::jackKnifeSummary, A::JackknifeDone},
        {"MNU_BootStrapCard", "BootStrap card", &MainWindow::bootStrapCard, A::BootstrapDone},
        {"MNU_BootStrapResult", "BootStrap Result", &MainWindow::bootStrapResult, A::BootstrapDone},
        {"MNU_JackKnifeCard", "JackKnife card", &MainWindow::jackKnifeCard, A::JackknifeDone},
        {"MNU_JackKnifeResult", "JackKnife Result", &MainWindow::jackKnifeResult, A::JackknifeDone},
        {"IndicatorWindow1", "Indicator Window", &MainWindow::toggleIndicatorWindow, A::Always},
        {"MNU_IndicatorsOnDiagram", "Indicators on Diagram", &MainWindow::toggleIndicatorsOnDiagram, A::Always},
        {"ShowTools1", "Show ToolBox", &MainWindow::toggleToolBox, A::Always},
        {"MNU_RunPLS", "Run PLS Algorithm", &MainWindow::run, A::ModelOpen},
        {"MNU_RunBootStrap", "Run BootStrap", &MainWindow::runBootStrap, A::ModelOpen},
        {"MNU_RunJacknife", "Run Jacknife", &MainWindow::runJackKnife, A::ModelOpen},
        {"MNU_Predict", "Predict", &MainWindow::runPredict, A::Estimated},
        {"MNU_ResamplingOption", "Resampling Option", &MainWindow::resamplingOption, A::Always},
        {"MNU_NewConstruct", "New Construct", &MainWindow::constructTool, A::ModelOpen},
        {"MNU_NewPath", "New Path", &MainWindow::pathTool, A::ModelOpen},
        {"MNU_Redraw", "Redraw", &MainWindow::redraw, A::ModelOpen},
        {"MNU_ZoomIn", "Zoom In", &MainWindow::zoomIn, A::ModelOpen},
        {"MNU_ZoomOut", "Zoom Out", &MainWindow::zoomOut, A::ModelOpen},
        {"MNU_ZoomFit", "Fit in Window", &MainWindow::zoomToFit, A::ModelOpen},
        {"MNU_Environment", "Environment", &MainWindow::environment, A::Always},
        {"MNU_Help1", "Help", &MainWindow::help, A::Always},
        {"MNU_About", "About", &MainWindow::about, A::Always},
        {"MNU_FactorLoading", "Factor Loading, Residuals and Weight", &MainWindow::loadingsTable, A::Estimated},
        {"MNU_Correlationsoflatentvariables", "Correlations of latent variables", &MainWindow::correlationTable, A::Estimated},
        {"MNU_ReliabilityAVE", "Reliability and AVE", &MainWindow::reliabilityTable, A::Estimated},
        {"MNU_FactorStructure", "Factor Structure Matrix of Loadings and Cross-Loadings", &MainWindow::factorStructure, A::Estimated},
        {"MNU_FactorScores", "Factor Scores", &MainWindow::factorScores, A::Estimated},
        {"MNU_BootStrapSummary1", "BootStrap Summary", &MainWindow::bootStrapCsvSummary, A::BootstrapDone},
        {"MNU_JackKnifeSummary1", "JackKnife Summary", &MainWindow::jackKnifeCsvSummary, A::JackknifeDone},
        {"MNU_HTMT", "Discriminant Validity: HTMT and Fornell-Larcker", &MainWindow::htmtTable, A::Estimated},
        {"MNU_VIF", "Collinearity: VIF", &MainWindow::vifTable, A::Estimated},
        {"MNU_F2", "Effect Sizes: f2", &MainWindow::f2Table, A::Estimated},
        {"MNU_Reliability", "Reliability: Alpha, rho_A, rho_C and AVE", &MainWindow::assessedReliabilityTable, A::Estimated},
        {"MNU_Effects", "Direct, Indirect and Total Effects", &MainWindow::effectsTable, A::Estimated},
        {"MNU_Fit", "Explained Variance and Model Fit (SRMR)", &MainWindow::fitTable, A::Estimated},
        {"MNU_Inference", "Bootstrap Inference: p-values and Intervals", &MainWindow::inferenceTable, A::BootstrapDone},
        {"BTN_NewModel", "New Model", &MainWindow::newModel, A::Always},
        {"BTN_OpenModel", "Open Model", &MainWindow::openModel, A::Always},
        {"BTN_SaveModel", "Save Model", &MainWindow::save, A::ModelOpen},
        {"BTN_SaveAs", "Save As", &MainWindow::saveAs, A::ModelOpen},
        {"BTN_RawData", "Raw Data", &MainWindow::rawData, A::ModelOpen},
        {"BTN_ViewConfig", "View Config.", &MainWindow::viewConfig, A::ModelOpen},
        {"BTN_Parameter", "Model Parameter", &MainWindow::modelParameter, A::ModelOpen},
        {"BTN_Run", "Run PLS Algorithm", &MainWindow::run, A::ModelOpen},
        {"BTN_BootStrap", "Run BootStrap", &MainWindow::runBootStrap, A::ModelOpen},
        {"BTN_JackKnife", "Run Jacknife", &MainWindow::runJackKnife, A::ModelOpen},
        {"BTN_ZoomIn", "Zoom In", &MainWindow::zoomIn, A::ModelOpen},
        {"BTN_ZoomOut", "Zoom Out", &MainWindow::zoomOut, A::ModelOpen},
        {"BTN_MultiGroup", "MultiGroup Comparison", &MainWindow::multiGroup, A::ModelOpen},
        {"BTN_Select", "Select", &MainWindow::selectTool, A::ModelOpen},
        {"BTN_Construct", "Construct", &MainWindow::constructTool, A::ModelOpen},
        {"BTN_2nd_Order", "2nd Order Construct", &MainWindow::secondOrderTool, A::ModelOpen},
        {"BTN_Path", "Path", &MainWindow::pathTool, A::ModelOpen},
        {"BTN_FullCollapse", "Full Collapse", &MainWindow::fullCollapse, A::Always},
        {"BTN_FullExpand", "Full Expand", &MainWindow::fullExpand, A::Always},
        {"BTN_ConstructIndicator", "Constructs && Indicators", nullptr, A::Always},
        {"MNU_RemoveItem", "Remove Item from Construct", &MainWindow::removeItem, A::ModelOpen},
        {"MNU_SetConstruct", "Construct re-configuration", &MainWindow::setConstruct, A::ModelOpen},
        {"MNU_Newindicatorsforinteractioneffect", "New product terms (for interaction effect)", &MainWindow::newProductTerms, A::ModelOpen},
        {"MNU_ChangeDeleteproductterms", "Product terms change/deletion", &MainWindow::reviewProductTerms, A::ModelOpen},
        {"BTN_ExcelReport", "PLS Report in Excel Format", &MainWindow::excelReport, A::Reportable},
        {"BTN_WebReport", "PLS Report in Web Format", &MainWindow::webReport, A::Reportable},
    };
    for (const auto& item : items) addCommand(item.name, item.caption, item.handler, item.availability);
    for (const char* name : {"IndicatorWindow1", "ShowTools1", "MNU_IndicatorsOnDiagram"}) {
        actions_[name]->setCheckable(true);
        actions_[name]->setChecked(true);
    }
    // The tools, and the two tree buttons, are groups of which one button is down.
    auto* tools = new QActionGroup(this);
    for (const char* name : {"BTN_Select", "BTN_Construct", "BTN_2nd_Order", "BTN_Path"})
        tools->addAction(actions_[name])->setCheckable(true);
    actions_["BTN_Select"]->setChecked(true);
    auto* expansion = new QActionGroup(this);
    for (const char* name : {"BTN_FullCollapse", "BTN_FullExpand"}) expansion->addAction(actions_[name])->setCheckable(true);
    actions_["BTN_FullExpand"]->setChecked(true);
    const QStyle* look = style();
    actions_["BTN_NewModel"]->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    actions_["BTN_OpenModel"]->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    actions_["BTN_SaveModel"]->setIcon(look->standardIcon(QStyle::SP_DialogSaveButton));
    actions_["BTN_Run"]->setIcon(look->standardIcon(QStyle::SP_MediaPlay));
    actions_["BTN_RawData"]->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));
    actions_["BTN_Parameter"]->setIcon(look->standardIcon(QStyle::SP_FileDialogInfoView));
    actions_["BTN_BootStrap"]->setIcon(look->standardIcon(QStyle::SP_MediaSeekForward));
    actions_["BTN_JackKnife"]->setIcon(look->standardIcon(QStyle::SP_MediaSkipForward));
    actions_["BTN_ExcelReport"]->setIcon(look->standardIcon(QStyle::SP_FileDialogContentsView));
    actions_["BTN_WebReport"]->setIcon(look->standardIcon(QStyle::SP_DriveNetIcon));
    actions_["MNU_Exit"]->setShortcut(QKeySequence("Alt+X"));
    actions_["MNU_Save"]->setShortcut(QKeySequence::Save);
    actions_["MNU_OpenModel"]->setShortcut(QKeySequence::Open);
    actions_["MNU_ZoomIn"]->setShortcuts({QKeySequence("Ctrl+="), QKeySequence("Ctrl++")});
    actions_["MNU_ZoomOut"]->setShortcut(QKeySequence("Ctrl+-"));
    actions_["MNU_ZoomFit"]->setShortcut(QKeySequence("Ctrl+0"));
    actions_["MNU_Undo"]->setShortcut(QKeySequence("Ctrl+Z"));
    actions_["MNU_Redo"]->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    actions_["MNU_Cut"]->setShortcut(QKeySequence::Cut);
    actions_["MNU_Copy"]->setShortcut(QKeySequence::Copy);
    actions_["MNU_Paste"]->setShortcut(QKeySequence::Paste);
    actions_["MNU_Duplicate"]->setShortcut(QKeySequence("Ctrl+D"));
    actions_["MNU_SelectAll"]->setShortcut(QKeySequence::SelectAll);
    // Delete acts on the diagram's selection wherever the focus is in the window.
    auto* deleteKey = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    connect(deleteKey, &QShortcut::activated, this, [this] {
        command([this] {
            editName_ = "Delete";
            diagram_->deleteSelection();
        });
    });
    // Shift+Escape closes the window the way its close box does.
    auto* closeKey = new QShortcut(QKeySequence("Shift+Esc"), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
}

QMenu* MainWindow::addCommandMenu(QMenu* parent, const char* name, const char* caption,
                           const QStringList& items) {
    QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(caption)) : menuBar()->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(name);
    for (const QString& item : items) {
        if (item == "-")
            menu->addSeparator();
        else if (actions_.contains(item))
            menu->addAction(actions_[item]);
    }
    return menu;
}

void MainWindow::createMenus() {
    QMenu* file = addCommandMenu(nullptr, "MNU_File", "&File", {"MNU_NewModel", "MNU_OpenModel"});
    addCommandMenu(file, "MNU_Reopen", "Reopen", {"N4", "N5", "N6"});
    file->addActions({actions_["MNU_Save"], actions_["MNU_SaveAs"], actions_["MNU_Close"]});
    file->addSeparator();
    addCommandMenu(file, "MNU_ExportDiagram", "Export Diagram",
                   {"MNU_ExportPng1", "MNU_ExportPng2", "MNU_ExportPng3", "-", "MNU_ExportSvg", "MNU_ExportPdf"});
    file->addSeparator();
    file->addAction(actions_["MNU_Exit"]);
    addCommandMenu(nullptr, "MNU_Edit", "&Edit",
                   {"MNU_Undo", "MNU_Redo", "-", "MNU_Cut", "MNU_Copy", "MNU_Paste", "MNU_Duplicate", "-",
                    "MNU_SelectAll", "-", "MNU_CopyDiagram"});
    QMenu* view = addCommandMenu(nullptr, "MNU_View", "&View",
                          {"MNU_ViewConfig", "MNU_Parameter", "-", "MNU_ViewCode", "MNU_ViewPLSResult",
                           "-", "MNU_BootStrapSummary", "MNU_JacknifeSummary"});
    addCommandMenu(view, "MNU_ResamplingProcess", "Resampling Process",
            {"MNU_BootStrapCard", "MNU_BootStrapResult", "MNU_JackKnifeCard", "MNU_JackKnifeResult"});
    view->addSeparator();
    view->addAction(actions_["IndicatorWindow1"]);
    view->addAction(actions_["ShowTools1"]);
    view->addAction(actions_["MNU_IndicatorsOnDiagram"]);
    addCommandMenu(nullptr, "MNU_Execute", "&Execute", {"MNU_RunPLS", "MNU_RunBootStrap", "MNU_RunJacknife", "-", "MNU_Predict"});
    // The Tool menu waits for a model; the options can be set at any time.
    toolMenu_ = addCommandMenu(nullptr, "MNU_Tool", "&Tool",
                               {"MNU_NewConstruct", "MNU_NewPath", "-", "MNU_Redraw", "MNU_ZoomIn", "MNU_ZoomOut", "MNU_ZoomFit"});
    addCommandMenu(nullptr, "MNU_Options", "&Options", {"MNU_ResamplingOption", "MNU_Environment"});
    addCommandMenu(nullptr, "MNU_Help", "&Help", {"MNU_Help1", "MNU_About"});
}

QToolBar* MainWindow::addCommandBar(const char* name, const QStringList& items) {
    QToolBar* bar = QMainWindow::addToolBar(QString::fromUtf8(name));
    bar->setObjectName(name);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const QString& item : items) {
        if (item == "-") {
            bar->addSeparator();
            continue;
        }
        bar->addAction(actions_[item]);
        bar->widgetForAction(actions_[item])->setObjectName(item);
    }
    return bar;
}

void MainWindow::createToolBars() {
    addCommandBar("ToolBar1", {"BTN_NewModel", "BTN_OpenModel", "BTN_SaveModel", "BTN_SaveAs", "-",
                               "BTN_RawData", "BTN_ViewConfig", "BTN_Parameter"});
    addToolBarBreak();
    addCommandBar("ToolBar4", {"BTN_Run", "BTN_BootStrap", "BTN_JackKnife", "-", "BTN_ZoomIn",
                               "BTN_ZoomOut", "-", "BTN_MultiGroup"});
    modelToolBar_ = addCommandBar("ToolBar2", {"BTN_Select", "BTN_Construct", "BTN_2nd_Order", "BTN_Path"});
}

// The indicator panel (tree with its own small tool bar and the report buttons) on the left,
// the drawing surface on the right.
void MainWindow::createCentralArea() {
    indicatorPanel_ = new QWidget;
    indicatorPanel_->setObjectName("Panel1");
    auto* panelLayout = new QVBoxLayout(indicatorPanel_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    auto* treeBar = new QToolBar(indicatorPanel_);
    treeBar->setObjectName("ToolBar3");
    treeBar->setMovable(false);
    for (const char* name : {"BTN_FullCollapse", "BTN_FullExpand", "BTN_ConstructIndicator",
                             "BTN_ExcelReport", "BTN_WebReport"}) {
        treeBar->addAction(actions_[name]);
        treeBar->widgetForAction(actions_[name])->setObjectName(name);
    }
    auto* reportMenu = new QMenu(this);
    reportMenu->setObjectName("PopupMenu1");
    for (const char* name : {"MNU_FactorLoading", "MNU_Correlationsoflatentvariables", "MNU_ReliabilityAVE",
                             "MNU_FactorStructure", "MNU_FactorScores", "MNU_BootStrapSummary1",
                             "MNU_JackKnifeSummary1", "-", "MNU_HTMT", "MNU_VIF", "MNU_F2", "MNU_Reliability",
                             "MNU_Effects", "MNU_Fit", "MNU_Inference"}) {
        if (std::string_view(name) == "-")
            reportMenu->addSeparator();
        else
            reportMenu->addAction(actions_[name]);
    }
    actions_["BTN_ExcelReport"]->setMenu(reportMenu);
    // The report buttons show only their pictures; their names are their hints.
    for (const char* name : {"BTN_ExcelReport", "BTN_WebReport"})
        static_cast<QToolButton*>(treeBar->widgetForAction(actions_[name]))->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // A click writes the workbook; the arrow beside it lists the single tables.
    static_cast<QToolButton*>(treeBar->widgetForAction(actions_["BTN_ExcelReport"]))->setPopupMode(QToolButton::MenuButtonPopup);
    tree_ = new ModelTree(indicatorPanel_);
    createTreeMenu();
    static_cast<QToolButton*>(treeBar->widgetForAction(actions_["BTN_ConstructIndicator"]))->setPopupMode(QToolButton::InstantPopup);
    panelLayout->addWidget(treeBar);
    panelLayout->addWidget(tree_);
    diagram_ = new DiagramView(*workbench_);
    picture_.attach(*diagram_);
    diagram_->onModelChanged([this](const std::string& edit) {
        editName_ = QString::fromStdString(edit);
        refresh();
    });
    diagram_->onConstructDialog([this](int construct) { editConstruct(construct); });
    // The Stop button goes back to the select tool: its button is the one down.
    diagram_->onToolChosen([this](DiagramView::Tool) { actions_["BTN_Select"]->setChecked(true); });
    auto* splitter = new QSplitter(this);
    splitter->setObjectName("Splitter1");
    splitter->addWidget(indicatorPanel_);
    splitter->addWidget(diagram_);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
}

// The diagram takes any later change of the window's width (the splitter's stretch).
void MainWindow::shareTheWidth() {
    resizeDocks({results_}, {FirstResultsWidth(width())}, Qt::Horizontal);
    layout()->activate();  // the splitter's width follows the dock's before it is shared
    auto* splitter = static_cast<QSplitter*>(centralWidget());
    const SplitterWidths widths = ShareTheSplitter(splitter->width() - splitter->handleWidth(),
                                                   tree_->widthForColumns(), diagram_->minimumWidth());
    splitter->setSizes({widths.tree, widths.diagram});
    if (workbench_->model().modelOpen) diagram_->showWhole();
}

// The tree's context menu (PopupMenu2), also behind the Constructs & Indicators button.
void MainWindow::createTreeMenu() {
    treeMenu_ = new QMenu(this);
    treeMenu_->setObjectName("PopupMenu2");
    for (const char* name : {"MNU_SetConstruct", "MNU_RemoveItem", "MNU_Newindicatorsforinteractioneffect",
                             "MNU_ChangeDeleteproductterms"})
        treeMenu_->addAction(actions_[name]);
    actions_["BTN_ConstructIndicator"]->setMenu(treeMenu_);
    connect(treeMenu_, &QMenu::aboutToShow, this, &MainWindow::treeMenuPopup);
    connect(tree_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& point) { treeMenu_->popup(tree_->viewport()->mapToGlobal(point)); });
    connect(tree_, &QTreeWidget::itemClicked, this, &MainWindow::treeClick);
}

}  // namespace qv::gui
