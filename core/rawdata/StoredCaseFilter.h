#pragma once

#include <string>
#include <vector>

#include "core/model/IniFile.h"
#include "core/model/ModelFile.h"
#include "core/rawdata/CaseFilter.h"

namespace qv {

// The case selection of a model, kept in its model file's [Cases] section (a section older
// readers skip): AllCases, Count, then Variable_n, Operator_n, Value_n, DataType_n.
void WriteCaseFilter(IniFile& ini, const CaseFilter& filter);

// A file without the section selects all cases. Damaged entries are listed in problems; a
// condition that names no variable, operator or type is left out.
CaseFilter ReadCaseFilter(const IniFile& ini, int variables, std::vector<ModelFileProblem>& problems);

// The selection as the text the section holds, to tell whether it changed.
std::string CaseFilterText(const CaseFilter& filter);

}  // namespace qv
