#include "backup/engine/Clprocessnotify.h"
#include "backup/engine/Container.h"
#include "backup/engine/CopyOneFile.h"
#include "backup/window/jobs/WindowJob.h"
#include "frame_fixture.h"
#include "platform/text.h"
#include "tests/core/engine_fixture.h"
#include "tests/support/file_tree.h"

#include <filesystem>

namespace {

constexpr std::int64_t MB = 1000000;

class Progress : public frametest::MainWindowMachine {
protected:
    void SetUp() override
    {
        MainWindowMachine::SetUp();
        Open(1033);
        form().FileBarTrackWidth = 300;
        form().Progress_Total_BK_Light_Lab->SetWidth(200);
        // Tick 0 means "no update yet", so the clock starts elsewhere.
        ui_.Clock().Advance(5000);
    }

    TMainForm& form() { return *MainForm; }
    std::string FileLabel() { return platform::ToUtf8(form().Progress_File_Percent_Lab->Caption()); }
    std::string TotalLabel() { return platform::ToUtf8(form().Progress_Total_Percent_Lab->Caption()); }
    std::string TimeLabel() { return platform::ToUtf8(form().Progress_Total_RemainTime_Lab->Caption()); }
};

TEST_F(Progress, TotalBarFollowsTheJobAndNeverGoesNegative)
{
    struct Case {
        const char* name;
        std::int64_t total, done;
        int track;
        int width;
        const char* label;
        std::int64_t doneAfter;
    };
    const Case cases[] = {
        {"a quarter", 40 * MB, 10 * MB, 200, 50, "25%", 10 * MB},
        {"above the total", 40 * MB, 50 * MB, 200, 200, "100%", 40 * MB},
        {"nothing scanned", 0, 0, 200, 0, "0%", 0},
        {"nothing scanned but bytes counted", 0, 7, 200, 0, "0%", 0},
        {"track squeezed below zero", 100, 50, -10, 0, "50%", 50},
    };
    for (const Case& c : cases) {
        form().JobTotalBytes = c.total;
        form().JobDoneBytes = c.done;
        form().Progress_Total_BK_Light_Lab->SetWidth(c.track);
        ShowTotalPercent(WindowJob::OfWindow());
        EXPECT_EQ(form().Progress_Total_Bar_Img->Width(), c.width) << c.name;
        EXPECT_EQ(TotalLabel(), c.label) << c.name;
        EXPECT_EQ(form().JobDoneBytes, c.doneAfter) << c.name;
    }
}

TEST_F(Progress, PlainCopyReportsMoveTheFileBarAndCountEachByteOnce)
{
    struct Step {
        LONGLONG transferred, size;
        int width;
        const char* label;
        std::int64_t jobDone;
    };
    // Two files of one job: a new file starts with 0 bytes transferred.
    const Step steps[] = {
        {0, 1000, 0, "0%", 0},           {250, 1000, 75, "25%", 250}, {999, 1000, 297, "99%", 999},
        {1000, 1000, 300, "100%", 1000}, {0, 0, 300, "100%", 1000},   {0, 500, 0, "0%", 1000},
        {500, 500, 300, "100%", 1500},
    };
    form().JobTotalBytes = 2000;
    for (const Step& s : steps) {
        SCOPED_TRACE(std::to_string(s.transferred) + " of " + std::to_string(s.size));
        EXPECT_TRUE(ReportCopyProgress(WindowJob::OfWindow(), s.transferred, s.size));
        EXPECT_EQ(form().Progress_File_Bar_Img->Width(), s.width);
        EXPECT_EQ(FileLabel(), s.label);
        EXPECT_EQ(form().JobDoneBytes, s.jobDone);
    }
    EXPECT_EQ(TotalLabel(), "75%");
    ShowFileDone(WindowJob::OfWindow());
    EXPECT_EQ(FileLabel(), "100%");
}

TEST_F(Progress, RemainingTimeOnTheFakeClock)
{
    struct Case {
        const char* name;
        std::int64_t done, left;
        std::uint64_t elapsedMs;
        const char* text;  // nullptr: the label keeps its previous text
        std::int64_t rateSeconds;
    };
    // Two updates so far; the third one sees 30 MB done, so the rate is 10 MB per update.
    const Case cases[] = {
        {"seconds", 30 * MB, 70 * MB, 1000, "7 seconds remaining", 3},
        {"minutes", 30 * MB, 7200 * MB, 1000, "12 minutes 0 seconds remaining", 3},
        {"hours", 30 * MB, 40000 * MB, 1500, "1 hours 6 minutes 40 seconds remaining.", 3},
        {"finished", 30 * MB, 0, 1000, "0 seconds remaining", 3},
        {"too soon", 30 * MB, 70 * MB, 999, nullptr, 2},
        {"nothing copied yet", 0, 70 * MB, 1000, nullptr, 0},
    };
    for (const Case& c : cases) {
        form().Progress_Total_RemainTime_Lab->SetCaption(u"before");
        form().RateSeconds = 2;
        form().RateLastTick = GetTickCount();
        form().JobDoneBytes = c.done;
        form().JobTotalBytes = c.done + c.left;
        ui_.Clock().Advance(c.elapsedMs);
        UpdateRemainingTime(WindowJob::OfWindow());
        EXPECT_EQ(TimeLabel(), c.text ? c.text : "before") << c.name;
        EXPECT_EQ(form().RateSeconds, c.rateSeconds) << c.name;
    }
}

TEST_F(Progress, ContainerBlocksReportThroughTheNotifier)
{
    struct Step {
        LONGLONG done, size;
        const char* fileLabel;
        std::int64_t jobDone;
    };
    // A 200,000-byte file in four blocks, then a one-block file.
    const Step steps[] = {
        {65536, 200000, "32%", 1000 + 65536},   {131072, 200000, "65%", 1000 + 131072},
        {196608, 200000, "98%", 1000 + 196608}, {200000, 200000, "100%", 201000},
        {1000, 1000, "100%", 202000},
    };
    clProcessNotify notifier;
    notifier.Cancelled = 0;
    form().JobTotalBytes = 404000;
    form().JobDoneBytes = 1000;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.done);
        EXPECT_TRUE(ReportContainerProgress(WindowJob::OfWindow(), &notifier, s.done, s.size));
        EXPECT_EQ(FileLabel(), s.fileLabel);
        EXPECT_EQ(form().JobDoneBytes, s.jobDone);
    }
    EXPECT_EQ(TotalLabel(), "50%");

    EXPECT_TRUE(ReportContainerProgress(WindowJob::OfWindow(), nullptr, 10, 100)) << "no notifier, no display";
    EXPECT_EQ(FileLabel(), "100%");

    // The block during which the cancel arrives still goes on; the next one stops the coder.
    form().CancelRequested = 1;
    EXPECT_TRUE(ReportContainerProgress(WindowJob::OfWindow(), &notifier, 65536, 200000));
    EXPECT_EQ(notifier.Cancelled, 1);
    EXPECT_FALSE(ReportContainerProgress(WindowJob::OfWindow(), &notifier, 131072, 200000));
    EXPECT_EQ(FileLabel(), "32%") << "a stopped coder shows nothing more";
}

TEST_F(Progress, EncodingCountsTheFileIntoTheJob)
{
    const auto big = enginetest::RandomBytes(200000, 3);
    testsupport::WriteText(Host("c/src/big.bin"), std::string(big.begin(), big.end()));
    std::filesystem::create_directories(Host("c/dst"));
    clProcessNotify notifier;
    notifier.Cancelled = 0;
    form().JobTotalBytes = 400000;
    DWORD error = 99;
    ASSERT_TRUE(CopyOneFile(WindowJob::OfWindow(), u"C:\\src\\big.bin", u"C:\\dst\\big.bin", COPY_ENCODE,
                            std::u16string(CONTAINER_PASS), &notifier, &error));
    EXPECT_EQ(error, 0u);
    EXPECT_EQ(form().JobDoneBytes, 200000);
    EXPECT_EQ(FileLabel(), "100%");
    EXPECT_EQ(TotalLabel(), "50%");
}

// While the cancel question is up the copy stands still; the answer decides whether it goes on.
TEST_F(Progress, PlainCopyWaitsForTheCancelQuestion)
{
    struct Case {
        const char* answer;
        BYTE cancel;
    };
    const Case cases[] = {{"no", 0}, {"yes", 1}};
    const auto content = enginetest::RandomBytes(3 << 20, 4);
    testsupport::WriteText(Host("c/src/movie.avi"), std::string(content.begin(), content.end()));
    for (const Case& c : cases) {
        std::filesystem::remove_all(Host("c/dst"));
        std::filesystem::create_directories(Host("c/dst"));
        form().CancelAsking = 1;
        form().CancelRequested = 0;
        form().JobDoneBytes = 0;
        form().JobTotalBytes = static_cast<std::int64_t>(content.size());

        // The user reads the question for three seconds, then answers.
        int ticks = 0;
        std::uintmax_t bytesWhileAsking = 0;
        TTimer answer(nullptr);
        answer.SetInterval(1000);
        answer.OnTimer = [&](TObject*) {
            for (const auto& entry : std::filesystem::directory_iterator(Host("c/dst"))) {
                bytesWhileAsking += entry.file_size();
            }
            if (++ticks < 3) {
                ui_.Clock().Advance(1000);
                return;
            }
            answer.SetEnabled(false);
            form().CancelRequested = c.cancel;
            form().CancelAsking = 0;
        };
        ui_.Clock().Advance(1000);

        DWORD error = 99;
        const bool copied = CopyOneFile(WindowJob::OfWindow(), u"C:\\src\\movie.avi", u"C:\\dst\\movie.avi", COPY_PLAIN,
                                        u"", nullptr, &error);
        EXPECT_EQ(ticks, 3) << c.answer;
        EXPECT_EQ(bytesWhileAsking, 0u) << c.answer;
        EXPECT_EQ(copied, !c.cancel) << c.answer;
        EXPECT_EQ(error, c.cancel ? ERROR_REQUEST_ABORTED : ERROR_SUCCESS) << c.answer;
        const bool anyFile = !std::filesystem::is_empty(Host("c/dst"));
        EXPECT_EQ(anyFile, !c.cancel) << c.answer << ": no partial destination after a cancel";
        EXPECT_EQ(form().JobDoneBytes, c.cancel ? 0 : form().JobTotalBytes) << c.answer;
    }
}

}  // namespace
