// Replays a fuzz target's seed corpus (Fuzz/Corpus/<Target>) in every build, so each input a fuzzer
// once crashed on, kept there, stays a regression test under the normal and the sanitizer builds.
// FUZZ_SUITE names the suite after the target, so the programs' tests keep distinct names.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <gtest/gtest.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

namespace
{
std::vector<std::filesystem::path> CorpusFiles()
{
	std::vector<std::filesystem::path> Files;
	for (const auto& Entry : std::filesystem::directory_iterator(FUZZ_CORPUS_DIR))
	{
		if (Entry.is_regular_file())
		{
			Files.push_back(Entry.path());
		}
	}
	std::sort(Files.begin(), Files.end());
	return Files;
}

TEST(FUZZ_SUITE, EveryKeptInputRunsCleanly)
{
	const std::vector<std::filesystem::path> Files = CorpusFiles();
	ASSERT_FALSE(Files.empty()) << "no seed inputs in " << FUZZ_CORPUS_DIR;
	for (const std::filesystem::path& File : Files)
	{
		SCOPED_TRACE(File.string());
		std::ifstream Stream(File, std::ios::binary);
		const std::vector<uint8_t> Bytes{std::istreambuf_iterator<char>(Stream), std::istreambuf_iterator<char>()};
		EXPECT_EQ(LLVMFuzzerTestOneInput(Bytes.data(), Bytes.size()), 0);
	}
}

TEST(FUZZ_SUITE, EmptyAndOneByteInputsRunCleanly)
{
	const uint8_t Bytes[] = {0};
	EXPECT_EQ(LLVMFuzzerTestOneInput(Bytes, 0), 0);
	for (int Value = 0; Value < 256; ++Value)
	{
		const uint8_t One = static_cast<uint8_t>(Value);
		EXPECT_EQ(LLVMFuzzerTestOneInput(&One, 1), 0);
	}
}
} // namespace
