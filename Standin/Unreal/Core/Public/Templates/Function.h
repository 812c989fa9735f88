#pragma once

#include <functional>

// The engine's type-erased callable. Copyable, like the engine's TFunction.
template <typename Signature>
using TFunction = std::function<Signature>;

template <typename Signature>
using TUniqueFunction = std::function<Signature>;
