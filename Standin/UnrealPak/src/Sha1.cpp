#include "Standin/Pak/Sha1.h"

#include <openssl/evp.h>

namespace Standin::Pak
{
FSha1::FSha1()
	: Context(EVP_MD_CTX_new())
{
	if (!Context)
	{
		throw FPakError("out of memory for a SHA-1 context");
	}
	Reset();
}

FSha1::~FSha1()
{
	EVP_MD_CTX_free(Context);
}

void FSha1::Reset()
{
	if (EVP_DigestInit_ex(Context, EVP_sha1(), nullptr) != 1)
	{
		throw FPakError("SHA-1 is not available from OpenSSL");
	}
}

void FSha1::Update(const void* Data, size_t Size)
{
	if (Size > 0 && EVP_DigestUpdate(Context, Data, Size) != 1)
	{
		throw FPakError("SHA-1 update failed");
	}
}

FSha1Digest FSha1::Finish()
{
	FSha1Digest Digest{};
	unsigned int Length = 0;
	if (EVP_DigestFinal_ex(Context, Digest.data(), &Length) != 1 || Length != Digest.size())
	{
		throw FPakError("SHA-1 finish failed");
	}
	return Digest;
}

FSha1Digest FSha1::Of(std::span<const uint8_t> Bytes)
{
	FSha1 Hasher;
	Hasher.Update(Bytes.data(), Bytes.size());
	return Hasher.Finish();
}
} // namespace Standin::Pak
