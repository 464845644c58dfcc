#pragma once
// A job without a window for the engine tests: it remembers what the engine shows and can ask to
// stop at a given file.

#include "backup/engine/RunningJob.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace enginetest {

// Remembers what the engine shows; asks to stop once the file numbered cancelAt is shown.
class RecordingJob : public RunningJob {
public:
    explicit RecordingJob(std::size_t cancelAt = 0) : cancelAt_(cancelAt) { }

    void ShowPath(const std::u16string& path) override { paths.push_back(path); }
    bool CancelRequested() override { return cancelAt_ != 0 && paths.size() >= cancelAt_; }
    void ShowJobProgress(std::int64_t done, std::int64_t total) override
    {
        shownDone = done;
        shownTotal = total;
    }
    void FileFailed(const std::u16string&, const WIN32_FIND_DATAW&, DWORD error) override { errors.push_back(error); }
    // Called as each block of the current file (the last path shown) is copied.
    void ShowFilePercent(int) override
    {
        if (onBlock && !paths.empty()) {
            onBlock(paths.back());
        }
    }

    std::function<void(const std::u16string&)> onBlock;

    std::vector<std::u16string> paths;
    std::vector<DWORD> errors;
    std::int64_t shownDone = -1;
    std::int64_t shownTotal = -1;

private:
    std::size_t cancelAt_;
};

}  // namespace enginetest
