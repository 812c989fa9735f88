// The engine's named threads, as AsyncTask takes them.
#pragma once

#include "CoreTypes.h"

namespace ENamedThreads
{
// Laid out as in the engine: the low byte is a thread index (AnyThread = 0xFF for "any unnamed
// thread"); the bits above it choose queue, task priority and thread priority. So
// AnyBackgroundThreadNormalTask = AnyThread | BackgroundThreadPriority | NormalTaskPriority = 0x8FF.
// The stand-in has a game thread and a pool of background workers: GameThread (and the rendering
// thread, which is the game thread when no renderer runs) queue to the game thread; every Any...
// value goes to the pool, whatever its priority.
enum Type : int32
{
	UnusedAnchor = -1,
	RHIThread = 0,
	AudioThread,
	GameThread,
	ActualRenderingThread = GameThread + 1,

	AnyThread = 0xff,

	MainQueue = 0x000,
	LocalQueue = 0x100,
	NumQueues = 2,
	ThreadIndexMask = 0xff,
	QueueIndexMask = 0x100,
	QueueIndexShift = 8,

	NormalTaskPriority = 0x000,
	HighTaskPriority = 0x200,
	NumTaskPriorities = 2,
	TaskPriorityMask = 0x200,
	TaskPriorityShift = 9,

	NormalThreadPriority = 0x000,
	HighThreadPriority = 0x400,
	BackgroundThreadPriority = 0x800,
	NumThreadPriorities = 3,
	ThreadPriorityMask = 0xC00,
	ThreadPriorityShift = 10,

	GameThread_Local = GameThread | LocalQueue,
	ActualRenderingThread_Local = ActualRenderingThread | LocalQueue,

	AnyHiPriThreadNormalTask = AnyThread | HighThreadPriority | NormalTaskPriority,
	AnyHiPriThreadHiPriTask = AnyThread | HighThreadPriority | HighTaskPriority,
	AnyNormalThreadNormalTask = AnyThread | NormalThreadPriority | NormalTaskPriority,
	AnyNormalThreadHiPriTask = AnyThread | NormalThreadPriority | HighTaskPriority,
	AnyBackgroundThreadNormalTask = AnyThread | BackgroundThreadPriority | NormalTaskPriority,
	AnyBackgroundHiPriTask = AnyThread | BackgroundThreadPriority | HighTaskPriority,
};

inline Type GetThreadIndex(Type ThreadAndIndex)
{
	return Type(ThreadAndIndex & ThreadIndexMask);
}
} // namespace ENamedThreads
