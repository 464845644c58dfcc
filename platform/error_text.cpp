#include "platform/error_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

struct ErrorText {
    DWORD number;
    std::u16string_view text;
};

constexpr ErrorText systemTexts[] = {
    {0, u"The operation completed successfully."},
    {1, u"Incorrect function."},
    {2, u"The system cannot find the file specified."},
    {3, u"The system cannot find the path specified."},
    {4, u"The system cannot open the file."},
    {5, u"Access is denied."},
    {6, u"The handle is invalid."},
    {8, u"Not enough storage is available to process this command."},
    {11, u"An attempt was made to load a program with an incorrect format."},
    {13, u"The data is invalid."},
    {14, u"Not enough storage is available to complete this operation."},
    {15, u"The system cannot find the drive specified."},
    {17, u"The system cannot move the file to a different disk drive."},
    {18, u"There are no more files."},
    {19, u"The media is write protected."},
    {21, u"The device is not ready."},
    {23, u"Data error (cyclic redundancy check)."},
    {29, u"The system cannot write to the specified device."},
    {30, u"The system cannot read from the specified device."},
    {31, u"A device attached to the system is not functioning."},
    {32, u"The process cannot access the file because it is being used by another process."},
    {33, u"The process cannot access the file because another process has locked a portion of the file."},
    {38, u"Reached the end of the file."},
    {39, u"The disk is full."},
    {50, u"The request is not supported."},
    {55, u"The specified network resource or device is no longer available."},
    {80, u"The file exists."},
    {82, u"The directory or file cannot be created."},
    {87, u"The parameter is incorrect."},
    {109, u"The pipe has been ended."},
    {110, u"The system cannot open the device or file specified."},
    {111, u"The file name is too long."},
    {112, u"There is not enough space on the disk."},
    {121, u"The semaphore timeout period has expired."},
    {122, u"The data area passed to a system call is too small."},
    {123, u"The filename, directory name, or volume label syntax is incorrect."},
    {131, u"An attempt was made to move the file pointer before the beginning of the file."},
    {145, u"The directory is not empty."},
    {161, u"The specified path is invalid."},
    {170, u"The requested resource is in use."},
    {183, u"Cannot create a file when that file already exists."},
    {206, u"The filename or extension is too long."},
    {223, u"The file size exceeds the limit allowed and cannot be saved."},
    {234, u"More data is available."},
    {259, u"No more data is available."},
    {267, u"The directory name is invalid."},
    {317, u"The system cannot find message text for message number 0x%1 in the message file for %2."},
    {802, u"The operation did not complete successfully because it would cause an oplock to be "
          u"broken. The caller has requested that existing oplocks not be broken."},
    {995, u"The I/O operation has been aborted because of either a thread exit or an application request."},
    {1004, u"Invalid flags."},
    {1052, u"The requested control is not valid for this service."},
    {1056, u"An instance of the service is already running."},
    {1060, u"The specified service does not exist as an installed service."},
    {1062, u"The service has not been started."},
    {1072, u"The specified service has been marked for deletion."},
    {1073, u"The specified service already exists."},
    {1117, u"The request could not be performed because of an I/O device error."},
    {1142, u"An attempt was made to create more links on a file than the file system supports."},
    {1167, u"The device is not connected."},
    {1235, u"The request was aborted."},
    {1314, u"A required privilege is not held by the client."},
    {1332, u"No mapping between account names and security IDs was done."},
    {1392, u"The file or directory is corrupted and unreadable."},
    {1400, u"Invalid window handle."},
    {1450, u"Insufficient system resources exist to complete the requested service."},
    {1617, u"The device has been removed."},
    {1784, u"The supplied user buffer is not valid for the requested operation."},
    {1813, u"The specified resource type cannot be found in the image file."},
    {1920, u"The file cannot be accessed by the system."},
    {1921, u"The name of the file cannot be resolved by the system."},
    {4390, u"The file or directory is not a reparse point."},
};

constexpr UINT firstRasError = 600;
constexpr UINT lastRasError = 801;

constexpr ErrorText rasTexts[] = {
    {600, u"An operation is pending."},
    {601, u"An invalid port handle was detected."},
    {602, u"The specified port is already open."},
    {603, u"The caller's buffer is too small."},
    {604, u"Incorrect information was specified."},
    {608, u"An attempt was made to specify a device that does not exist."},
    {617, u"The port or device is already disconnecting."},
    {619, u"A connection to the remote computer could not be established, so the port used for this "
          u"connection was closed."},
    {623, u"The system could not find the phone book entry for this connection."},
    {628, u"The connection was terminated by the remote computer before it could be completed."},
    {633, u"The modem (or other connecting device) is already in use or is not configured properly."},
    {651, u"The modem (or other connecting device) has reported an error."},
    {678, u"The remote computer did not respond."},
    {691, u"The remote connection was denied because the user name and password combination you "
          u"provided is not recognized, or the selected authentication protocol is not permitted on the "
          u"remote access server."},
    {720, u"A connection to the remote computer could not be established. You might need to change the "
          u"network settings for this connection."},
    {800, u"The remote connection was not made because the attempted VPN tunnels failed."},
};

std::u16string_view Find(const ErrorText* begin, const ErrorText* end, DWORD number)
{
    const auto found = std::find_if(begin, end, [number](const ErrorText& e) { return e.number == number; });
    return found == end ? std::u16string_view{} : found->text;
}

std::u16string WithLineBreak(std::u16string_view text)
{
    std::u16string result(text);
    result += u"\r\n";
    return result;
}

std::u16string RasText(UINT number)
{
    const std::u16string_view known = Find(std::begin(rasTexts), std::end(rasTexts), number);
    if (!known.empty()) {
        return std::u16string(known);
    }
    std::u16string generic = u"A remote access error occurred (error ";
    for (const char c : std::to_string(number)) {
        generic += static_cast<char16_t>(c);
    }
    return generic + u").";
}

}  // namespace

DWORD FormatMessageW(DWORD flags, const void*, DWORD messageId, DWORD, LPWSTR buffer, DWORD size, void*)
{
    if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || buffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::u16string_view found = Find(std::begin(systemTexts), std::end(systemTexts), messageId);
    if (found.empty()) {
        SetLastError(ERROR_MR_MID_NOT_FOUND);
        return 0;
    }
    const std::u16string text = WithLineBreak(found);
    const std::size_t units = text.size() + 1;
    if ((flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0) {
        const std::size_t allocated = std::max<std::size_t>(units, size);
        auto* block = static_cast<char16_t*>(std::calloc(allocated, sizeof(char16_t)));
        if (block == nullptr) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return 0;
        }
        std::memcpy(block, text.data(), text.size() * sizeof(char16_t));
        *reinterpret_cast<LPWSTR*>(buffer) = block;
    } else {
        if (size < units) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::copy(text.begin(), text.end(), buffer);
        buffer[text.size()] = u'\0';
    }
    return static_cast<DWORD>(text.size());
}

HLOCAL LocalFree(HLOCAL block)
{
    std::free(block);
    return nullptr;
}

DWORD RasGetErrorStringW(UINT errorValue, LPWSTR buffer, DWORD size)
{
    if (errorValue < firstRasError || errorValue > lastRasError || buffer == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::u16string text = RasText(errorValue);
    if (size < text.size() + 1) {
        return ERROR_INSUFFICIENT_BUFFER;
    }
    std::copy(text.begin(), text.end(), buffer);
    buffer[text.size()] = u'\0';
    return ERROR_SUCCESS;
}
