#pragma once

#include <chrono>

struct FPlatformTime
{
	static double Seconds()
	{
		return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
	}
};
