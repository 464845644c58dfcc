#include "backup/base/ErrorText.h"

#include "platform/error_text.h"

#include <array>

namespace {

constexpr DWORD kFirstRasError = 600;
constexpr DWORD kLastRasError = 801;
constexpr DWORD kRasTextCharacters = 512;
constexpr DWORD kUserDefaultLanguage = 0x0400;

}  // namespace

std::u16string WindowsErrorText(DWORD code)
{
    std::u16string text = RasErrorText(code);
    return text.empty() ? SystemErrorText(kUserDefaultLanguage, code) : text;
}

std::u16string RasErrorText(DWORD code)
{
    if (code < kFirstRasError || code > kLastRasError) {
        return {};
    }
    std::array<char16_t, kRasTextCharacters> buffer{};
    if (RasGetErrorStringW(code, buffer.data(), kRasTextCharacters) != 0) {
        return {};
    }
    return std::u16string(buffer.data());
}

std::u16string SystemErrorText(DWORD languageId, DWORD code)
{
    LPWSTR block = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM,
                       nullptr, code, languageId, reinterpret_cast<LPWSTR>(&block), 0, nullptr);
    std::u16string text;
    if (length > 0 && block != nullptr) {
        text.assign(block, length);
    }
    if (block != nullptr) {
        LocalFree(block);
    }
    return text;
}
