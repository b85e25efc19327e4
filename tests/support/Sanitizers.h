#pragma once

// Whether the test runs in a build with AddressSanitizer. Its allocator ends the process on a
// request it cannot meet rather than throwing std::bad_alloc, so tests of what happens when
// memory runs out skip themselves there. A sanitized build compiles the tests' own code
// without the sanitizers and defines QV_ADDRESS_SANITIZER for it (tests/CMakeLists.txt).
#ifndef QV_ADDRESS_SANITIZER
#if defined(__SANITIZE_ADDRESS__)
#define QV_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_ADDRESS_SANITIZER 1
#endif
#endif
#endif

namespace qv::testing {
#ifdef QV_ADDRESS_SANITIZER
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
}  // namespace qv::testing
