#pragma once

#include <type_traits>
#include <utility>

template <typename T>
constexpr std::remove_reference_t<T>&& MoveTemp(T&& Value)
{
	return static_cast<std::remove_reference_t<T>&&>(Value);
}

template <typename T>
constexpr T&& Forward(std::remove_reference_t<T>& Value)
{
	return static_cast<T&&>(Value);
}

template <typename T>
inline void Swap(T& A, T& B)
{
	std::swap(A, B);
}

template <typename T, std::size_t N>
constexpr std::size_t UE_ARRAY_COUNT_Helper(T (&)[N])
{
	return N;
}
#define UE_ARRAY_COUNT(Array) UE_ARRAY_COUNT_Helper(Array)
#define ARRAY_COUNT(Array) UE_ARRAY_COUNT_Helper(Array)
