#include "backup/engine/Container.h"
#include "backup/engine/RunningJob.h"

#include "backup/engine/Clprocessnotify.h"
#include "tests/core/engine_fixture.h"

#include <openssl/evp.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using enginetest::RandomBytes;
using enginetest::TempDrive;
using Bytes = std::vector<unsigned char>;

const std::string kPass = "0123456789abcdefghijKLMNOP";

unsigned TableEntry(const Bytes& container, std::size_t blocks, std::size_t k)
{
    const std::size_t at = container.size() - 2 * blocks + 2 * k;
    return container[at] | (container[at + 1] << 8);
}

class ContainerTest : public ::testing::Test {
protected:
    TempDrive drive{u'X'};
    RunningJob running;

    DWORD Encode(const Bytes& plain, std::string_view pass = kPass, int code = CONTAINER_KEY_AES256,
                 clProcessNotify* notifier = nullptr)
    {
        drive.Write(u"in.bin", plain);
        return EncodeContainerFile(running, drive.Path(u"in.bin"), drive.Path(u"c.vemoen"), pass, code, notifier);
    }
    DWORD Decode(const Bytes& container, std::string_view pass = kPass)
    {
        drive.Write(u"c.vemoen", container);
        return DecodeContainerFile(running, drive.Path(u"c.vemoen"), drive.Path(u"out.bin"), pass, nullptr);
    }
    Bytes Container() const { return drive.Read(u"c.vemoen"); }
};

TEST_F(ContainerTest, OneByteFileIsFiftyBytesWithAnEnciphered16ByteUnit)
{
    ASSERT_EQ(Encode({0x41}), 0u);
    const Bytes c = Container();
    ASSERT_EQ(c.size(), 50u);
    EXPECT_EQ(std::memcmp(c.data(), "Vemo Crypt File.", 16), 0);
    const Bytes header = {0x1A, 32, 0, 3, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Bytes(c.begin() + 16, c.begin() + 32), header);
    EXPECT_EQ(TableEntry(c, 1, 0), 1u);

    // The key is the pass string's first 20 bytes and then its first 12 again.
    unsigned char key[32];
    std::memcpy(key, kPass.data(), 20);
    std::memcpy(key + 20, kPass.data(), 12);
    unsigned char unit[16] = {0x41};
    unsigned char expected[16];
    int written = 0;
    EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
    EVP_EncryptInit_ex(context, EVP_aes_256_ecb(), nullptr, key, nullptr);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_EncryptUpdate(context, expected, &written, unit, 16);
    EVP_CIPHER_CTX_free(context);
    EXPECT_EQ(Bytes(c.begin() + 32, c.begin() + 48), Bytes(expected, expected + 16));
}

TEST_F(ContainerTest, BlockTableOfIncompressibleAndCompressibleFiles)
{
    struct Case {
        const char* name;
        Bytes plain;
        std::vector<unsigned> entries;  // 0xFFFF: any length smaller than the block
        std::size_t containerSize;  // 0: not checked
    };
    const Case cases[] = {
        {"64 KiB random", RandomBytes(65536, 1), {0}, 32 + 65536 + 2},
        {"64 KiB + 1 random", RandomBytes(65537, 2), {0, 1}, 32 + 65536 + 16 + 4},
        {"200,000 zeros", Bytes(200000, 0), {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF}, 0},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Encode(c.plain), 0u) << c.name;
        const Bytes container = Container();
        if (c.containerSize != 0) {
            EXPECT_EQ(container.size(), c.containerSize) << c.name;
        }
        for (std::size_t k = 0; k < c.entries.size(); ++k) {
            const unsigned entry = TableEntry(container, c.entries.size(), k);
            if (c.entries[k] == 0xFFFF) {
                const std::size_t block = k + 1 < c.entries.size() ? 65536 : c.plain.size() - 65536 * k;
                EXPECT_GT(entry, 0u) << c.name << " block " << k;
                EXPECT_LT(entry, block) << c.name << " block " << k;
            } else {
                EXPECT_EQ(entry, c.entries[k]) << c.name << " block " << k;
            }
        }
        ASSERT_EQ(Decode(container), 0u) << c.name;
        EXPECT_EQ(drive.Read(u"out.bin"), c.plain) << c.name;
    }
}

TEST_F(ContainerTest, DamagedContainersAreRefusedBeforeTheDestinationIsTouched)
{
    ASSERT_EQ(Encode(RandomBytes(100000, 3)), 0u);
    const Bytes good = Container();
    auto with = [&](auto change) {
        Bytes c = good;
        change(c);
        return c;
    };
    struct Case {
        const char* name;
        Bytes container;
    };
    const Case cases[] = {
        {"last byte cut", Bytes(good.begin(), good.end() - 1)},
        {"one byte added", with([](Bytes& c) { c.push_back(0); })},
        {"wrong magic", with([](Bytes& c) { c[0] = 'v'; })},
        {"wrong marker", with([](Bytes& c) { c[0x10] = 0x1B; })},
        {"wrong header length", with([](Bytes& c) { c[0x11] = 33; })},
        {"wrong block size", with([](Bytes& c) { c[0x16] = 2; })},
        {"plain size 0", with([](Bytes& c) {
             for (std::size_t i = 0x18; i < 0x20; ++i)
                 c.at(i) = 0;
         })},
        {"forged plain size", with([](Bytes& c) { c[0x1F] = 0x40; })},
        {"header only", Bytes(good.begin(), good.begin() + 32)},
        {"shorter than a header", Bytes(good.begin(), good.begin() + 20)},
    };
    for (const auto& c : cases) {
        drive.Write(u"out.bin", {'k', 'e', 'e', 'p'});
        EXPECT_EQ(Decode(c.container), ERROR_BAD_FORMAT) << c.name;
        EXPECT_EQ(drive.Read(u"out.bin"), Bytes({'k', 'e', 'e', 'p'})) << c.name;
        std::filesystem::remove(drive.Host(u"out.bin"));
        EXPECT_EQ(Decode(c.container), ERROR_BAD_FORMAT) << c.name;
        EXPECT_FALSE(drive.Exists(u"out.bin")) << c.name;
    }
}

TEST_F(ContainerTest, KeyCodeZeroIsReadUnenciphered)
{
    Bytes c = {'V',  'e', 'm', 'o', ' ', 'C', 'r', 'y', 'p', 't', ' ', 'F', 'i', 'l', 'e', '.',
               0x1A, 32,  0,   0,   0,   0,   1,   0,   5,   0,   0,   0,   0,   0,   0,   0};
    for (unsigned char b : Bytes{'h', 'e', 'l', 'l', 'o', 5, 0}) {
        c.push_back(b);
    }
    ASSERT_EQ(Decode(c), 0u);
    EXPECT_EQ(drive.Read(u"out.bin"), Bytes({'h', 'e', 'l', 'l', 'o'}));

    ASSERT_EQ(Encode({'h', 'e', 'l', 'l', 'o'}, kPass, 0), 0u);
    EXPECT_EQ(Container(), c);
}

TEST_F(ContainerTest, EmptySourceAndEmptyContainer)
{
    ASSERT_EQ(Encode({}), 0u);
    EXPECT_TRUE(drive.Exists(u"c.vemoen"));
    EXPECT_TRUE(Container().empty());
    ASSERT_EQ(Decode({}), 0u);
    EXPECT_TRUE(drive.Exists(u"out.bin"));
    EXPECT_TRUE(drive.Read(u"out.bin").empty());
}

TEST_F(ContainerTest, CancelledJobLeavesNoContainer)
{
    clProcessNotify cancelled;
    ASSERT_EQ(cancelled.Cancelled, 1);
    EXPECT_EQ(Encode(RandomBytes(300000, 4), kPass, CONTAINER_KEY_AES256, &cancelled), ERROR_REQUEST_ABORTED);
    EXPECT_FALSE(drive.Exists(u"c.vemoen"));
}

TEST_F(ContainerTest, MissingSourceAndUncreatableDestination)
{
    EXPECT_EQ(EncodeContainerFile(running, drive.Path(u"none.bin"), drive.Path(u"c.vemoen"), kPass, 3, nullptr),
              ERROR_FILE_NOT_FOUND);
    drive.Write(u"in.bin", {1, 2, 3});
    EXPECT_EQ(EncodeContainerFile(running, drive.Path(u"in.bin"), drive.Path(u"no\\such\\c.vemoen"), kPass, 3, nullptr),
              ERROR_CANNOT_MAKE);
    EXPECT_EQ(DecodeContainerFile(running, drive.Path(u"none.vemoen"), drive.Path(u"out.bin"), kPass, nullptr),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(ContainerTest, ShortPassStringIsZeroPadded)
{
    const Bytes plain = RandomBytes(1000, 5);
    ASSERT_EQ(Encode(plain, "abc"), 0u);
    const Bytes shortKey = Container();
    ASSERT_EQ(Encode(plain, std::string("abc\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 20)), 0u);
    EXPECT_EQ(Container(), shortKey);
    ASSERT_EQ(Decode(shortKey, "abc"), 0u);
    EXPECT_EQ(drive.Read(u"out.bin"), plain);
}

TEST_F(ContainerTest, WrongPassStringFailsOnCompressedBlocks)
{
    ASSERT_EQ(Encode(Bytes(100000, 7)), 0u);
    EXPECT_EQ(Decode(Container(), "another pass string, long enough"), ERROR_BAD_FORMAT);
    EXPECT_FALSE(drive.Exists(u"out.bin"));
}

TEST_F(ContainerTest, RoundTripOfManySizes)
{
    const std::size_t sizes[] = {1, 15, 16, 17, 4095, 65535, 65536, 65537, 131071, 131072, 200001, 400000};
    unsigned seed = 10;
    for (std::size_t size : sizes) {
        // Half random, half a repeating text, so that both block kinds occur.
        Bytes plain = RandomBytes(size, ++seed);
        for (std::size_t i = size / 2; i < size; ++i) {
            plain[i] = static_cast<unsigned char>("backup "[i % 7]);
        }
        for (int code : {0, 1, 2, 3}) {
            ASSERT_EQ(Encode(plain, kPass, code), 0u) << size << " code " << code;
            ASSERT_EQ(Decode(Container()), 0u) << size << " code " << code;
            EXPECT_EQ(drive.Read(u"out.bin"), plain) << size << " code " << code;
        }
    }
}

}  // namespace
