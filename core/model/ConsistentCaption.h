#pragma once

namespace qv {

// What the views of an estimate corrected by consistent PLS (the model parameter Consistent)
// say of it.
inline constexpr const char* kConsistentCaption = "Consistent PLS (PLSc)";
// What a resampling summary of such an estimate shows, after the caption (no separator inside:
// the CSV summary shares the text).
inline constexpr const char* kConsistentResampling =
    "loadings and paths of the entire sample and of every subsample corrected for attenuation";
// What a group comparison of such a model says of its figures.
inline constexpr const char* kConsistentGroupNote =
    "Consistent PLS (PLSc): each group's paths, standard deviations and t statistics are those of its estimate "
    "corrected for attenuation.";
// What PLSpredict of such a model says of its figures.
inline constexpr const char* kConsistentPredictNote =
    "The model asks for consistent PLS (PLSc); PLSpredict predicts from the composites' estimate, as the method "
    "is defined.";
// What the cross-loadings of such an estimate say of their correction.
inline constexpr const char* kConsistentCrossLoadingNote =
    "Consistent PLS (PLSc): a correlation with another construct is divided by the square root of that "
    "construct's rho_A, and the loading on the own construct is the consistent loading.";

}  // namespace qv
