#pragma once

#include "CoreTypes.h"

class FArchive
{
public:
	virtual ~FArchive() = default;
	virtual void Serialize(void* V, int64 Length) = 0;
	virtual bool Close() { return !bError; }
	virtual int64 Tell() { return 0; }
	virtual int64 TotalSize() { return 0; }
	virtual void Seek(int64) {}
	bool IsError() const { return bError; }
	void SetError() { bError = true; }
	bool IsLoading() const { return bLoading; }
	bool IsSaving() const { return !bLoading; }

protected:
	bool bError = false;
	bool bLoading = false;
};
