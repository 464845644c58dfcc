#include "backup/base/SysInfo.h"
#include "backup/drive/DiskDriver.h"
#include "backup/drive/PassThrough.h"
#include "backup/drive/ProxyDriver.h"
#include "backup/drive/StorageQuery.h"
#include "device_machine.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const BYTE InquProbe[] = {0xFC, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 'I', 'N', 'Q', 'U'};

std::vector<BYTE> SentHead(DWORD size)
{
    const BYTE* bytes = PassThroughBufferData();
    return std::vector<BYTE>(bytes, bytes + size);
}

struct LayoutCase {
    const PassThroughLayout* layout;
    bool dataIn;
    DWORD n;
    DWORD size;
    std::vector<std::pair<DWORD, std::vector<BYTE>>> fields;  // offset, bytes
};

TEST(PassThroughRequest, LaysOutBothHeadsByteForByte)
{
    const std::vector<BYTE> cdb(std::begin(InquProbe), std::end(InquProbe));
    const LayoutCase cases[] = {
        {&PassThroughLayout64,
         true,
         2,
         90,
         {{0, {56, 0}},
          {3, {0, 0, 0, 16, 24, 1}},
          {12, {2, 0, 0, 0, 10, 0, 0, 0}},
          {24, {88, 0, 0, 0, 0, 0, 0, 0}},
          {32, {56, 0, 0, 0}},
          {36, cdb}}},
        {&PassThroughLayout32,
         true,
         2,
         82,
         {{0, {44, 0}},
          {3, {0, 0, 0, 16, 24, 1}},
          {12, {2, 0, 0, 0, 10, 0, 0, 0}},
          {20, {80, 0, 0, 0}},
          {24, {48, 0, 0, 0}},
          {28, cdb}}},
        {&PassThroughLayout64, false, 0, 88, {{0, {56, 0}}, {6, {16, 24, 0}}, {12, {0, 0, 0, 0}}}},
        {&PassThroughLayout32, false, 0, 80, {{0, {44, 0}}, {6, {16, 24, 0}}, {12, {0, 0, 0, 0}}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.size);
        ASSERT_EQ(PreparePassThrough(*c.layout, 0, 0, 0, InquProbe, sizeof InquProbe, c.dataIn, c.n), c.size);
        const std::vector<BYTE> sent = SentHead(c.size);
        for (const auto& [offset, bytes] : c.fields) {
            EXPECT_EQ(std::vector<BYTE>(sent.begin() + offset, sent.begin() + offset + bytes.size()), bytes)
                << "at " << offset;
        }
    }
}

using LayoutChoice = DeviceMachineFixture;

TEST_F(LayoutChoice, TakesThe64BitLayoutOnA64BitSystem)
{
    StartDevices("", "", "x64");
    EXPECT_TRUE(Is64BitWindows());
    EXPECT_EQ(ProcessorKind(), 1);
    StartDevices("", "", "x86");
    EXPECT_FALSE(Is64BitWindows());
    EXPECT_EQ(ProcessorKind(), 0);
}

TEST(ProxyTargetName, IsUpperCasedBehindDosDevices)
{
    EXPECT_EQ(std::u16string(BuildProxyTargetName("e:")), u"\\DosDevices\\E:");
    EXPECT_EQ(BuildProxyTargetName(""), nullptr);
}

// A descriptor head whose vendor text starts at 40; Size says how much of the block counts.
DeviceBlock Descriptor(DWORD size, DWORD vendorOffset, const std::string& tail)
{
    DeviceBlock block(40 + tail.size(), 0);
    std::memcpy(block.data() + 4, &size, 4);
    std::memcpy(block.data() + 12, &vendorOffset, 4);
    std::copy(tail.begin(), tail.end(), block.begin() + 40);
    return block;
}

TEST(DescriptorText, IsReadWithinTheStatedSize)
{
    struct Case {
        DWORD size, offset;
        std::string tail, vendor;
    };
    const Case cases[] = {
        {45, 40, std::string("VEMO\0", 5), "VEMO"},
        {44, 40, "VEMOXXXX", "VEMO"},  // no terminating zero within Size
        {60, 40, "VEMO", "VEMO"},  // Size beyond the block
        {44, 44, "VEMO", ""},  // offset at Size
        {48, 0, "VEMOXXXX", ""},  // no vendor
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DescriptorVendorId(Descriptor(c.size, c.offset, c.tail)), c.vendor);
    }
}

TEST(DiskDriverRequest, CarriesHeaderAndUpperCasedPath)
{
    const std::string path(40, 'a');
    const DeviceBlock request = BuildDiskDriverRequest(path);
    ASSERT_EQ(request.size(), 113u);
    EXPECT_EQ(std::string(request.begin(), request.begin() + 8), "VEMOVDDA");
    EXPECT_EQ(request[8], 0x05);
    EXPECT_EQ(request[9], 0x01);
    EXPECT_EQ(request[10], 0x68);
    EXPECT_EQ(request[14], 99);
    EXPECT_EQ(request[18], 0x11);
    EXPECT_EQ(request[31], 'A');
    EXPECT_EQ(request[32], 0);
    EXPECT_EQ(request[111], 0);
    EXPECT_TRUE(BuildDiskDriverRequest("").empty());
}

using StorageQueries = DeviceMachineFixture;

TEST_F(StorageQueries, AnswerNumbersAndDescriptorsThroughTheProxy)
{
    StartDevices("EF", UsbDisk('E', "chip = none\nvendor = VEMO\nproduct = External HDD\n") +
                           "[drive F]\nhost = F\ntype = cdrom\n");
    EXPECT_EQ(DiskNumberOfLetter('C'), 0);
    EXPECT_EQ(DiskNumberOfLetter('E'), 1);
    EXPECT_EQ(DiskNumberOfLetter('F'), -1);
    EXPECT_EQ(CdromNumberOfLetter('F'), 0);
    const DeviceBlock descriptor = StorageDescriptorOfLetter('E');
    EXPECT_GT(descriptor.size(), 40u);
    EXPECT_EQ(DescriptorVendorId(descriptor), "VEMO");
    EXPECT_EQ(DescriptorProductId(descriptor), "External HDD");
    EXPECT_EQ(DescriptorBusType(descriptor), BusTypeUsb);
}

// A letter whose disk number cannot be read (-1) is paired with no disk, so no other disk's push
// button or driver claim is ever used for it.
TEST_F(StorageQueries, ALetterWithoutADiskNumberIsPairedWithNoDisk)
{
    StartDevices("EF", UsbDisk('E', "chip = none\n") + "[drive F]\nhost = F\ntype = cdrom\n");
    ASSERT_EQ(DiskNumberOfLetter('F'), -1);
    EXPECT_EQ(DiskNodeOfNumber(-1), 0u);
    SP_DEVICE_INTERFACE_DATA data;
    HDEVINFO set = nullptr;
    EXPECT_FALSE(FindDiskInterfaceOfLetter('F', data, set));
    EXPECT_EQ(set, nullptr);
    EXPECT_TRUE(FindDiskInterfaceOfLetter('E', data, set));
    if (set != nullptr) {
        SetupDiDestroyDeviceInfoList(set);
    }
}

}  // namespace
