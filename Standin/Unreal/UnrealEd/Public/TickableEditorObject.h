// Objects ticked once a frame on the editor's game thread. Construction registers the object,
// destruction unregisters it; a conditional object is asked IsTickable() every frame.
#pragma once

#include "Tickable.h"

class FTickableEditorObject : public FTickableObjectBase
{
public:
	FTickableEditorObject();
	virtual ~FTickableEditorObject();

	virtual void Tick(float DeltaTime) override = 0;
	virtual ETickableTickType GetTickableTickType() const override { return ETickableTickType::Conditional; }
	virtual bool IsTickable() const override { return true; }
	virtual TStatId GetStatId() const override = 0;
};
