#pragma once

#include <string>
#include <vector>

#include "core/model/EditResult.h"
#include "core/model/ProjectModel.h"

namespace qv {

// One product term before it joins the model: the indexes of the two indicators it
// multiplies and its name.
struct ProductTerm {
    int predictor = -1;
    int moderator = -1;
    std::string name;
};

// The two check boxes of the generation dialogs.
struct ProductFlags {
    bool standardized = false;
    bool meanCentered = false;
};

// The alias field a refused generation puts the focus on.
enum class AliasField { None, Predictor, Moderator };

// The outcome of Generate and of an alias check: done, or refused with the field to focus.
struct GenerateResult {
    bool done = true;
    AliasField focus = AliasField::None;
    explicit operator bool() const { return done; }
};

struct AliasCheck {
    EditResult result;
    AliasField focus = AliasField::None;
};

// Construct level: predictor alias, the predictor indicator's position in its construct (from
// 1), moderator alias, the moderator indicator's position.
std::string ConstructLevelName(const std::string& predictorAlias, int predictorPosition,
                               const std::string& moderatorAlias, int moderatorPosition);
// Indicator level: the two aliases joined.
std::string IndicatorLevelName(const std::string& predictorAlias, const std::string& moderatorAlias);
// The preview line: the name, then the two captions multiplied ("AB11 - x1*z1").
std::string PreviewLine(const ProjectModel& model, const ProductTerm& term);

// Characters, not bytes: an alias typed with accents still counts as what the user sees.
int CharacterCount(const std::string& text);

// The checks both levels make before generating, in their order: a predictor, a moderator,
// two different choices (-1 = nothing chosen).
EditResult CheckFactors(int predictor, int moderator);
// Refused with MSG_AliasSize2 or MSG_AliasSize3 unless both aliases have exactly `length`
// characters; reports which one to focus.
AliasCheck CheckAliases(const std::string& predictorAlias, const std::string& moderatorAlias,
                        int length);

// Refused with MSG_ExceedMAXIndicator ("288") when `count` more indicators do not fit.
EditResult CheckIndicatorRoom(const ProjectModel& model, int count);
// Appends the terms as unassigned product indicators, in order, all or none.
EditResult AddProductTerms(ProjectModel& model, const std::vector<ProductTerm>& terms, ProductFlags flags);

}  // namespace qv
