#pragma once

#include "engine/EngineError.h"

#include <optional>
#include <utility>

// A value, or the failure that kept it from being made.
template <typename T> struct Outcome
{
    std::optional<T> value;
    EngineError error; // meaningful only without a value

    bool succeeded() const { return value.has_value(); }
    const T &operator*() const { return *value; }
    const T *operator->() const { return &*value; }

    static Outcome success(T v) { return { std::move(v), {} }; }
    static Outcome failure(EngineError e) { return { std::nullopt, std::move(e) }; }
};
