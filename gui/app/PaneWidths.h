#pragma once

namespace qv::gui {

// How the main window's width is shared when it first shows: the Results dock beside the
// splitter, and the splitter's room between the model tree and the diagram.

// Up to a third of the window, and no more than a matrix of seven constructs needs.
int FirstResultsWidth(int window);

struct SplitterWidths {
    int tree = 0;
    int diagram = 0;
};

// The tree takes the width of its figures as far as the diagram keeps its least width; the
// diagram takes the rest.
SplitterWidths ShareTheSplitter(int room, int treeFigures, int diagramLeast);

}  // namespace qv::gui
