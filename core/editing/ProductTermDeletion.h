#pragma once

#include "core/model/EditResult.h"
#include "core/model/ProjectModel.h"

namespace qv {

// Index of the first product indicator: they follow the raw-data indicators.
int FirstProductIndicator(const ProjectModel& model);

// Deletes the product indicator at `index`: later indicators move down one place and every
// product term's predictor and moderator that pointed behind it is renumbered, so each term
// still multiplies the same columns. Refused with MSG_ProductTermInUse (detail: the caption)
// while another product term multiplies it, and without a message for an index that is no
// product indicator.
EditResult DeleteProductIndicator(ProjectModel& model, int index);

}  // namespace qv
