#include "lvpls/ProblemFailure.h"

#include "lvpls/ProblemError.h"

#include <exception>
#include <new>

namespace lvpls {

std::string problemFailure(const std::function<void()>& work) {
    try {
        work();
    } catch (const ProblemError& error) {
        return error.what();
    } catch (const std::bad_alloc&) {
        return "the problem is too large for the memory";
    } catch (const std::exception& failure) {
        return std::string("the problem could not be estimated: ") + failure.what();
    }
    return {};
}

}  // namespace lvpls
