#include "backup/engine/DiskCapacity.h"
#include "backup/engine/RunningJob.h"
#include "frame_fixture.h"
#include "tests/support/file_tree.h"
#include "tests/support/machine_profile.h"

namespace {

TEST(Capacity, ProportionalWidth)
{
    struct Case {
        std::int64_t part;
        std::uint64_t whole;
        int width;
        int expected;
    };
    for (const Case& c : {Case{5, 0, 300, 0}, Case{0, 0, 300, 0}, Case{7, 7, 300, 300}, Case{1, 3, 100, 33},
                          Case{2, 3, 100, 66}, Case{-1, 3, 100, -33}}) {
        EXPECT_EQ(ProportionalWidth(c.part, c.whole, c.width), c.expected) << c.part << "/" << c.whole;
    }
}

class CategoryScan : public frametest::FrameMachine {
protected:
    void SetUp() override
    {
        FrameMachine::SetUp();
        ASSERT_TRUE(testsupport::StartMachine(folder_, testsupport::MachineProfile().Folder("windows", "C:\\Windows")));
    }
};

TEST_F(CategoryScan, CountsEveryFileOutsideTheWindowsFolderAndLeavesOtherToTheSubtraction)
{
    testsupport::WriteTree(Host("c"), {{"Users/Alice/report.doc", std::string(100, 'x')},
                                       {"Program Files/Tool/pic.jpg", std::string(50, 'x')},
                                       {"Windows/system.doc", std::string(70, 'x')},
                                       {"data.bin", std::string(30, 'x')}});

    std::uint64_t total = 0;
    std::uint64_t used = 0;
    std::uint64_t free = 0;
    EXPECT_TRUE(GetLocalDiskCapacity(total, used, free));
    EXPECT_GT(total, 0u);
    EXPECT_EQ(used, total - free);

    CATEGORY_SIZES sizes;
    RunningJob job;
    ScanCategorySizes(job, sizes, 1000, 0);
    EXPECT_EQ(sizes.Bytes[0], 100);
    EXPECT_EQ(sizes.Bytes[1], 50);
    EXPECT_EQ(sizes.Bytes[2] + sizes.Bytes[3] + sizes.Bytes[4], 0);
    EXPECT_EQ(sizes.Bytes[5], 850);

    // More counted than used (hard links, compression): Other goes below zero.
    ScanCategorySizes(job, sizes, 100, 0);
    EXPECT_EQ(sizes.Bytes[5], -50);
}

}  // namespace
