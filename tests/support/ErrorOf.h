#pragma once

#include "AppError.h"

#include <functional>

// The error number an operation throws, 0 when it succeeds.
inline int ErrorOf(const std::function<void()>& Operation) {
    try {
        Operation();
    } catch (const AppError& e) {
        return e.Number;
    }
    return 0;
}
