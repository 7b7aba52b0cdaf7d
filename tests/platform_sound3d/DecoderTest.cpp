// Sound files are level content: a header's claims are not trusted.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <vector>

#include "Decoder.h"
#include "SoundFiles.h"

using namespace soundtest;

namespace {

// A short FLAC whose STREAMINFO then claims 2^36 - 1 samples.
void writeLyingFlac(const std::string& path, int frames) {
    writeSamples(path, std::vector<float>(std::size_t(frames), 1000.0f / 32767), 1,
                 SF_FORMAT_FLAC | SF_FORMAT_PCM_16);

    std::fstream bytes(path, std::ios::in | std::ios::out | std::ios::binary);
    char head[26];
    bytes.read(head, sizeof head);
    ASSERT_EQ(std::string(head, 4), "fLaC");
    head[21] = char(head[21] | 0x0F);  // the top four bits of the 36-bit sample count
    for (int i = 22; i < 26; ++i) head[i] = char(0xFF);
    bytes.seekp(0);
    bytes.write(head, sizeof head);
}

}  // namespace

TEST(DecoderTest, AHeaderClaimingBillionsOfSamplesDecodesWhatIsThere) {
    std::string path = scratchPath("lying.flac");
    writeLyingFlac(path, 4410);
    SF_INFO info{};
    SNDFILE* probe = sf_open(path.c_str(), SFM_READ, &info);
    ASSERT_NE(probe, nullptr);
    sf_close(probe);
    ASSERT_EQ(info.frames, (sf_count_t(1) << 36) - 1);  // the claim reaches the decoder

    vsound::DecodedSound sound = vsound::decodeMono(path.c_str());
    // Either the real samples or a refusal, never the claimed 128 GiB.
    if (sound.error.empty()) {
        EXPECT_EQ(sound.samples.size(), 4410u);
        EXPECT_LE(sound.samples.capacity(), std::size_t(1) << 20);
        EXPECT_NEAR(sound.samples[100], 1000, 2);
    } else {
        EXPECT_TRUE(sound.samples.empty());
    }
}

TEST(DecoderTest, DirectoriesAndEmptyFilesAreRefusedWithAReason) {
    std::string folder = scratchPath("folder.wav");
    std::filesystem::create_directories(folder);
    vsound::DecodedSound fromFolder = vsound::decodeMono(folder.c_str());
    EXPECT_EQ(fromFolder.error, "not a regular file");
    EXPECT_TRUE(fromFolder.samples.empty());

    std::string empty = scratchPath("empty.flac");
    std::ofstream(empty).close();
    EXPECT_FALSE(vsound::decodeMono(empty.c_str()).error.empty());
}
