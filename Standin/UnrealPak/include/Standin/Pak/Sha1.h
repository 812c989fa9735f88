// Incremental SHA-1 over OpenSSL's EVP interface (the low-level SHA1_* calls are deprecated).
#pragma once

#include "Standin/Pak/PakFormat.h"

#include <cstddef>

struct evp_md_ctx_st;

namespace Standin::Pak
{
class FSha1
{
public:
	FSha1();
	~FSha1();
	FSha1(const FSha1&) = delete;
	FSha1& operator=(const FSha1&) = delete;

	// Starts a new digest; the context is reused between files to avoid an allocation per file.
	void Reset();
	void Update(const void* Data, size_t Size);
	FSha1Digest Finish();

	static FSha1Digest Of(std::span<const uint8_t> Bytes);

private:
	evp_md_ctx_st* Context;
};
} // namespace Standin::Pak
