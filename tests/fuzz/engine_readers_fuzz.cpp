// Feeds arbitrary bytes to what the engine reads back from a backup drive: the container decoder
// and the list-file readers.

#include "backup/engine/Container.h"
#include "backup/engine/DateTimeNumber.h"
#include "backup/engine/ListFiles.h"
#include "backup/engine/RunningJob.h"
#include "platform/drives.h"
#include "tests/fuzz/fuzz_drive.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const std::string kPass(CONTAINER_PASS.begin(), CONTAINER_PASS.end());

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& host = FuzzDriveFolder();
    std::ofstream(host + "/in.vemoen", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // The product's own pass, so the seed containers decode and the fuzzer reaches past the cipher.
    // One job for the whole run, as the window keeps one: its coder is made once.
    static RunningJob job;
    DecodeContainerFile(job, u"Z:\\in.vemoen", u"Z:\\out.bin", kPass, nullptr);
    std::filesystem::remove(host + "/out.bin");

    lists::TStringList list;
    list.Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    LONGLONG fileSize = 0;
    for (const std::u16string& line : list.Lines()) {
        FindOriSize(list, line.substr(0, line.size() / 2), &fileSize);
        RepeatEntryPath(u"Z:\\", line);
        double value = 0;
        SYSTEMTIME time;
        if (ParseDateTimeNumber(line, &value)) {
            DateTimeToSystemTime(value, &time);
        }
    }
    return 0;
}
