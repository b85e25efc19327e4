#include "core/rawdata/formats/ReadStatFile.h"

#include <readstat.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/rawdata/CellText.h"
#include "core/rawdata/RawDataTable.h"
#include "core/rawdata/VariableNames.h"

namespace qv {
namespace {

struct Reading {
    CaseRows& cases;
    std::vector<std::string>& labels;
    std::vector<std::string> names;
    std::vector<CaseField> cells;
    int observation = -1;
    std::string error;

    // The names go to the table when the first value arrives, after every variable was seen.
    bool flushCase() {
        if (observation < 0) {
            if (!cases.setNames(names)) return fail(cases.error());
            return true;
        }
        if (!cases.add(cells)) return fail(cases.error());
        cells.assign(names.size(), CaseField());
        return true;
    }
    bool fail(std::string message) {
        error = std::move(message);
        return false;
    }
};

// A file of too many variables is refused before any of them is read.
int onMetadata(readstat_metadata_t* metadata, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    reading.error = VariableCountError(static_cast<size_t>(std::max(0, readstat_get_var_count(metadata))));
    return reading.error.empty() ? READSTAT_HANDLER_OK : READSTAT_HANDLER_ABORT;
}

int onVariable(int, readstat_variable_t* variable, const char*, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    const char* name = readstat_variable_get_name(variable);
    const char* label = readstat_variable_get_label(variable);
    reading.names.emplace_back(name ? name : "");
    reading.labels.emplace_back(label ? label : "");
    return READSTAT_HANDLER_OK;
}

// Numbers stay the doubles the file holds; a missing value leaves the cell empty.
CaseField valueField(readstat_value_t value, readstat_variable_t* variable) {
    if (readstat_value_is_missing(value, variable)) return {};
    if (readstat_value_type(value) == READSTAT_TYPE_STRING) {
        const char* text = readstat_string_value(value);
        return {std::nullopt, text ? text : ""};
    }
    const double number = readstat_double_value(value);
    if (std::isfinite(number)) return {number, {}};
    return {std::nullopt, numberCellText(number)};  // refused later, by its text
}

int onValue(int observation, readstat_variable_t* variable, readstat_value_t value, void* context) {
    auto& reading = *static_cast<Reading*>(context);
    if (observation != reading.observation) {
        if (!reading.flushCase()) return READSTAT_HANDLER_ABORT;
        reading.cells.assign(reading.names.size(), CaseField());
        reading.observation = observation;
    }
    const int index = readstat_variable_get_index(variable);
    if (index >= 0 && static_cast<size_t>(index) < reading.cells.size())
        reading.cells[static_cast<size_t>(index)] = valueField(value, variable);
    return READSTAT_HANDLER_OK;
}

readstat_error_t parse(readstat_parser_t* parser, const std::string& path, ReadStatFormat format,
                       Reading& reading) {
    switch (format) {
        case ReadStatFormat::Spss: return readstat_parse_sav(parser, path.c_str(), &reading);
        case ReadStatFormat::Stata: return readstat_parse_dta(parser, path.c_str(), &reading);
        case ReadStatFormat::Sas: return readstat_parse_sas7bdat(parser, path.c_str(), &reading);
    }
    return READSTAT_ERROR_PARSE;
}

}  // namespace

std::string ReadStatFile(const std::string& path, ReadStatFormat format, CaseRows& cases,
                         std::vector<std::string>& labels) {
    Reading reading{cases, labels, {}, {}, -1, {}};
    readstat_parser_t* parser = readstat_parser_init();
    readstat_set_metadata_handler(parser, onMetadata);
    readstat_set_variable_handler(parser, onVariable);
    readstat_set_value_handler(parser, onValue);
    const readstat_error_t status = parse(parser, path, format, reading);
    readstat_parser_free(parser);
    if (!reading.error.empty()) return reading.error;
    if (status != READSTAT_OK)
        return "Cannot read the data file " + path + ": " + readstat_error_message(status) + ".";
    // The last case, or the names of a file without cases.
    return reading.flushCase() ? std::string() : reading.error;
}

}  // namespace qv
