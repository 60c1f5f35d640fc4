#pragma once

#include "components/AppError.h"

#include <functional>

// The error number an operation throws, 0 when it succeeds.
inline int ErrorOf(const std::function<void()>& Operation) try {
    Operation();
    return 0;
} catch (const AppError& e) {
    return e.Number;
}
