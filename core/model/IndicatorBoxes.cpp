#include "core/model/IndicatorBoxes.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/model/NumberText.h"

namespace qv {
namespace {

constexpr const char* kSection = "IndicatorBox";
constexpr int kFarthest = 100000;  // further than any diagram reaches

std::string dxKey(int n) { return "DX_" + std::to_string(n); }
std::string dyKey(int n) { return "DY_" + std::to_string(n); }

}  // namespace

void WriteIndicatorBoxes(IniFile& ini, const ProjectModel& model, int nIndicator) {
    const auto first = model.indicators.begin();
    if (!ini.hasSection(kSection) && std::none_of(first, first + nIndicator, [](const Indicator& i) { return i.boxPlaced; }))
        return;
    // The section is ours alone: it is written anew, so a box laid out again loses its entry.
    for (const auto& entry : ini.entries(kSection)) ini.removeKey(kSection, entry.first);
    for (int n = 0; n < nIndicator; ++n) {
        const Indicator& indicator = model.indicators[n];
        if (!indicator.boxPlaced) continue;
        ini.writeInt(kSection, dxKey(n), indicator.boxDx);
        ini.writeInt(kSection, dyKey(n), indicator.boxDy);
    }
}

void ReadIndicatorBoxes(const IniFile& ini, ModelFileEntries& entries, ProjectModel& model) {
    if (!ini.hasSection(kSection)) return;
    for (int n = 0; n < model.nIndicator; ++n) {
        const auto dx = ini.value(kSection, dxKey(n)), dy = ini.value(kSection, dyKey(n));
        if (!dx && !dy) continue;
        const auto offset = [&](const std::optional<std::string>& text, const std::string& key) -> std::optional<int> {
            const char* reason = nullptr;
            const std::optional<int> number = text ? parseInteger(*text) : std::nullopt;
            if (!text) reason = "missing";
            else if (!number) reason = "not an integer";
            else if (*number < -kFarthest || *number > kFarthest) reason = "out of range -100000..100000";
            if (!reason) return number;
            entries.replaced(kSection, key, text.value_or(""), reason, "box laid out beside its construct");
            return std::nullopt;
        };
        const std::optional<int> x = offset(dx, dxKey(n));
        const std::optional<int> y = x ? offset(dy, dyKey(n)) : std::nullopt;
        if (!x || !y) continue;
        Indicator& indicator = model.indicators[n];
        indicator.boxPlaced = true;
        indicator.boxDx = *x;
        indicator.boxDy = *y;
    }
}

}  // namespace qv
