#pragma once

namespace qv {

// What the views of an estimate corrected by consistent PLS say of it.
inline constexpr const char* kConsistentCaption = "Consistent PLS (PLSc)";

}  // namespace qv
