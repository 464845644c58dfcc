// One tree through the whole program and back: empty to multi-megabyte files, Unicode names,
// read-only and hidden files and deep folders are backed up by Manual Backup, some are changed and
// backed up again, then both runs are restored into folders and over the original place.
// Contents, sizes, write times and the read-only and hidden attributes must come back as they
// were at each run, plain and encrypted.

#include "backup/base/BackupDriveLayout.h"
#include "backup/window/jobs/CheckedPaths.h"
#include "backup/window/jobs/RestoreSelection.h"
#include "backup/window/jobs/SourceTrees.h"
#include "backup/window/jobs/StartersBackup.h"
#include "platform/text.h"
#include "tests/support/box_answers.h"
#include "tests/support/file_tree.h"
#include "trees_machine.h"

#include <map>
#include <random>

namespace {

struct FileState {
    std::string content;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type written;
    DWORD readOnlyHidden = 0;
    bool operator==(const FileState&) const = default;
    friend void PrintTo(const FileState& file, std::ostream* out)
    {
        *out << file.size << " bytes, written " << file.written.time_since_epoch().count() << ", attributes "
             << file.readOnlyHidden;
    }
};
using TreeState = std::map<std::string, FileState>;

constexpr DWORD kReadOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

class RoundTrip : public treetest::TreeMachine, public ::testing::WithParamInterface<int> {
protected:
    // The Windows path of a host path below the machine folder's "c".
    std::u16string WindowsPath(const std::filesystem::path& host) const
    {
        std::u16string path = u"C:" + platform::FromHostName(host.string().substr(Host("c").string().size()));
        for (char16_t& c : path) {
            c = c == u'/' ? u'\\' : c;
        }
        return path;
    }

    void Put(const std::string& relative, const std::string& content, int minute, DWORD attributes = 0)
    {
        const std::filesystem::path path = Host("c/Work/" + relative);
        if (std::filesystem::exists(path)) {
            SetFileAttributesW(WindowsPath(path).c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        testsupport::WriteText(Host("c/Work/" + relative), content);
        std::filesystem::last_write_time(
            path, std::filesystem::file_time_type(std::chrono::seconds(1700000000 + 60 * minute)));
        if (attributes != 0) {
            ASSERT_TRUE(SetFileAttributesW(WindowsPath(path).c_str(), attributes));
        }
    }

    static std::string Bytes(std::size_t size, unsigned seed)
    {
        std::mt19937 random(seed);
        std::string bytes(size, '\0');
        for (char& b : bytes) {
            b = static_cast<char>(random());
        }
        return bytes;
    }

    // Every file below the folder, by its path relative to the folder.
    TreeState Snapshot(const std::filesystem::path& folder) const
    {
        TreeState state;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            FileState file;
            file.content.assign(std::istreambuf_iterator<char>(in), {});
            file.size = entry.file_size();
            file.written = entry.last_write_time();
            file.readOnlyHidden = GetFileAttributesW(WindowsPath(entry.path()).c_str()) & kReadOnlyHidden;
            state[std::filesystem::relative(entry.path(), folder).string()] = std::move(file);
        }
        return state;
    }

    void Backup(const SYSTEMTIME& at)
    {
        ui_.Clock().SetLocalTime(at);
        CheckNodeOnPath(Tree(), nullptr, u"C:\\Work");
        boxes_.Answer(testsupport::BoxAnswers::Button::Close);
        StartManualBackup(*MainForm, u"E:\\");
        ClosePanel();
        EXPECT_EQ(MainForm->FailedFiles->Count(), 0);
        EXPECT_TRUE(boxes_.Messages().empty()) << platform::ToUtf8(boxes_.Messages().front());
    }

    // Restores one run, whole, into a folder or (empty folder) to the original place.
    void Restore(const std::u16string& stamp, const std::u16string& folder)
    {
        MainForm->Res_PC_Show_Edit->SetText(u"E:  " + PcFolderName());
        MainForm->RM_Time_Sel_Show_Lab->SetHint(stamp);
        BuildManualRestoreTree(*MainForm, *MainForm->RM_Tree, *MainForm->Res_PC_Show_Edit,
                               *MainForm->RM_Time_Sel_Show_Lab);
        ASSERT_EQ(MainForm->RM_Tree->Items().TopCount(), 1);
        ui::TTreeNode* run = MainForm->RM_Tree->Items().Top(0);
        ToggleNodeCheck(run);
        PropagateNodeCheck(run);
        MainForm->RestoreToOriginal = folder.empty() ? 1 : 0;
        MainForm->Res_Dest_Edit->SetText(folder);
        boxes_.Answer(testsupport::BoxAnswers::Button::Close);
        MainForm->CurrentPage = 6;
        RunPageOperation(*MainForm);
        ClosePanel();
        EXPECT_EQ(MainForm->FailedFiles->Count(), 0);
        EXPECT_TRUE(boxes_.Messages().empty()) << platform::ToUtf8(boxes_.Messages().front());
    }

    // The restored copy of C:\Work inside a destination folder.
    std::filesystem::path RestoredWork(const std::string& folder) const
    {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Host(folder))) {
            if (entry.is_directory() && entry.path().filename() == "Work") {
                return entry.path();
            }
        }
        return {};
    }

    void ClosePanel()
    {
        if (MainForm->Progress_Pan->Visible()) {
            MainForm->PB_Btn_LabClick(nullptr);
        }
    }

    testsupport::BoxAnswers boxes_{ui_};
};

TEST_P(RoundTrip, BothRunsComeBackIntoFoldersAndToTheirPlace)
{
    const std::string deep = "deep/1/2/3/4/5/6/7/8/9/10/11/12/";
    Put("empty.txt", "", 1);
    Put("short.txt", "short note", 2);
    Put("Übersicht – 日本語 файл.doc", "unicode name", 3);
    // Two names that differ only in bytes that are not UTF-8 stay two files.
    Put("report\xfe.doc", "first odd name", 3);
    Put("report\xff.doc", "second odd name", 3);
    Put("big.bin", Bytes(3 * 1024 * 1024 + 12345, 1), 4);
    Put("ro.doc", "read-only", 5, FILE_ATTRIBUTE_READONLY);
    Put("hidden.doc", "hidden", 6, FILE_ATTRIBUTE_HIDDEN);
    Put("both.doc", "both", 7, kReadOnlyHidden);
    Put(deep + "deep.txt", "deep down", 8);
    const TreeState first = Snapshot(Host("c/Work"));
    ASSERT_EQ(first.at("both.doc").readOnlyHidden, kReadOnlyHidden);
    OpenWithTree();
    MainForm->EncryptBackup = static_cast<BYTE>(GetParam());
    Backup(SYSTEMTIME{2024, 3, 5, 1, 9, 0, 0, 0});
    const std::string run = "e/Harbex_Solo+/" + platform::ToUtf8(PcFolderName()) + "/Manual/20240301_090000/C/Work/";
    EXPECT_EQ(std::filesystem::exists(Host(run + "big.bin.vemoen")), GetParam() != 0);
    EXPECT_EQ(std::filesystem::exists(Host(run + "big.bin")), GetParam() == 0);

    Put("short.txt", "a longer note than before", 20);
    Put("ro.doc", "read-only, second version", 21, FILE_ATTRIBUTE_READONLY);
    Put("big.bin", Bytes(2 * 1024 * 1024, 2), 22, FILE_ATTRIBUTE_HIDDEN);
    Put(deep + "new.txt", "new in the second run", 23);
    const TreeState second = Snapshot(Host("c/Work"));
    Backup(SYSTEMTIME{2024, 3, 6, 2, 10, 0, 0, 0});

    std::filesystem::create_directories(Host("c/Out1"));
    std::filesystem::create_directories(Host("c/Out2"));
    Restore(u"20240301_090000", u"C:\\Out1");
    Restore(u"20240302_100000", u"C:\\Out2");
    EXPECT_EQ(Snapshot(RestoredWork("c/Out1")), first);
    EXPECT_EQ(Snapshot(RestoredWork("c/Out2")), second);

    // The original place: the first run over the changed tree, then the second over the first.
    Restore(u"20240301_090000", u"");
    TreeState expected = first;
    expected[deep + "new.txt"] = second.at(deep + "new.txt");  // a restore adds, it never removes
    // A file restored over an existing read-only or hidden one keeps that file's bits, as a copy does.
    expected["big.bin"].readOnlyHidden = second.at("big.bin").readOnlyHidden;
    EXPECT_EQ(Snapshot(Host("c/Work")), expected);
    Restore(u"20240302_100000", u"");
    EXPECT_EQ(Snapshot(Host("c/Work")), second);
}

// Permission bits, of files and of the folders the jobs make, come back as they were and are the
// same on the drive: a private file stays private, a script stays runnable, and no file is made
// runnable by its name.
TEST_P(RoundTrip, PermissionBitsComeBackAndHoldOnTheDrive)
{
    const std::map<std::string, unsigned> files = {
        {"mode600.txt", 0600},
        {"mode640.txt", 0640},
        {"run700.sh", 0700},
        {"run755.sh", 0755},
        {"tool.exe", 0600},
        {"private/inner.txt", 0600},
        {"private/deeper/more.txt", 0640},
    };
    const std::map<std::string, unsigned> folders = {{"", 0750}, {"private", 0700}, {"private/deeper", 0700}};
    const auto modeOf = [](const std::filesystem::path& path) {
        return static_cast<unsigned>(std::filesystem::status(path).permissions()) & 07777;
    };
    const auto expectModes = [&](const std::filesystem::path& work, const std::string& suffix, const char* where) {
        for (const auto& [name, mode] : files) {
            EXPECT_EQ(modeOf(work / (name + suffix)), mode) << where << ": " << name;
        }
        for (const auto& [name, mode] : folders) {
            EXPECT_EQ(modeOf(work / name), mode) << where << ": folder " << name;
        }
    };
    int minute = 1;
    for (const auto& [name, mode] : files) {
        Put(name, "content of " + name, minute++);
        std::filesystem::permissions(Host("c/Work/" + name), std::filesystem::perms(mode));
    }
    for (const auto& [name, mode] : folders) {
        std::filesystem::permissions(Host("c/Work/" + name), std::filesystem::perms(mode));
    }
    const TreeState backedUp = Snapshot(Host("c/Work"));
    OpenWithTree();
    MainForm->EncryptBackup = static_cast<BYTE>(GetParam());
    Backup(SYSTEMTIME{2024, 3, 5, 1, 9, 0, 0, 0});
    const std::string run = "e/Harbex_Solo+/" + platform::ToUtf8(PcFolderName()) + "/Manual/20240301_090000/C/Work";
    expectModes(Host(run), GetParam() != 0 ? ".vemoen" : "", "drive");

    std::filesystem::create_directories(Host("c/Out1"));
    Restore(u"20240301_090000", u"C:\\Out1");
    EXPECT_EQ(Snapshot(RestoredWork("c/Out1")), backedUp);
    expectModes(RestoredWork("c/Out1"), "", "restored into a folder");

    // Over the original place: over files of other bits and content, and into folders it makes.
    for (const char* name : {"mode600.txt", "run755.sh"}) {
        Put(name, "changed since", 30);
        std::filesystem::permissions(Host("c/Work/" + std::string(name)), std::filesystem::perms(0600));
    }
    std::filesystem::remove_all(Host("c/Work/private"));
    Restore(u"20240301_090000", u"");
    EXPECT_EQ(Snapshot(Host("c/Work")), backedUp);
    expectModes(Host("c/Work"), "", "restored to its place");
}

INSTANTIATE_TEST_SUITE_P(PlainAndEncrypted, RoundTrip, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param != 0 ? std::string("Encrypted") : std::string("Plain");
                         });

}  // namespace
