#pragma once

#include "core/files/ReplacedFile.h"

namespace qv::testing {

// A write fault injected into the file layer for one scope, removed however the test ends.
class InjectedWriteFault {
public:
    explicit InjectedWriteFault(WriteFault fault) { InjectWriteFault(std::move(fault)); }
    ~InjectedWriteFault() { InjectWriteFault(std::nullopt); }
    InjectedWriteFault(const InjectedWriteFault&) = delete;
    InjectedWriteFault& operator=(const InjectedWriteFault&) = delete;
};

}  // namespace qv::testing
