#pragma once

#include <string>

namespace qv {

// The engine reads names from 8-column fields of plain ASCII, so a caption that does not
// fit (longer, blanks, letters beyond ASCII, empty) reaches it as a positional alias:
// V0001, V0002, ... for the indicators in control-file order, LV001, ... for the blocks.
// Results come back by position, so the user's own caption is never needed by the engine.
std::string EngineIndicatorName(const std::string& caption, int position);
std::string EngineBlockName(const std::string& caption, int position);

// Whether the engine can take the caption as it is.
bool FitsEngineField(const std::string& caption);

}  // namespace qv
