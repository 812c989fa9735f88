// The engine's process handle template: a handle value with an invalid value to compare against.
#pragma once

#include "CoreTypes.h"

template <typename T, T InvalidHandleValue>
struct TProcHandle
{
	using HandleType = T;

	TProcHandle() : Handle(InvalidHandleValue) {}
	explicit TProcHandle(T Other) : Handle(Other) {}

	T Get() const { return Handle; }
	void Reset() { Handle = InvalidHandleValue; }
	bool IsValid() const { return Handle != InvalidHandleValue; }

protected:
	T Handle;
};
