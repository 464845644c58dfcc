#pragma once
// AES in independent 16-byte units (no chaining) with the container's key built from a pass string.

#include "platform/win_types.h"

#include <cstddef>
#include <string_view>

struct evp_cipher_ctx_st;

class ContainerCipher {
public:
    ContainerCipher();
    ~ContainerCipher();
    ContainerCipher(const ContainerCipher&) = delete;
    ContainerCipher& operator=(const ContainerCipher&) = delete;

    bool Ready() const { return context_ != nullptr; }
    // Key-size code 1, 2 or 3 (AES-128, -192, -256) and a non-empty pass string give a key; any
    // other code or an empty pass string leaves the blocks unenciphered. A pass string shorter than
    // 20 bytes is zero-padded.
    bool SetUp(std::string_view pass, int keySizeCode, bool encrypt);
    bool HasKey() const { return hasKey_; }
    // Enciphers n bytes of `in` into `out` and returns n raised to a multiple of 16. The bytes of
    // `in` from n up to that length are zeroed first, so `in` must have room for them.
    std::size_t Encipher(BYTE* in, std::size_t n, BYTE* out);
    // Deciphers n bytes (a multiple of 16).
    void Decipher(const BYTE* in, std::size_t n, BYTE* out);

private:
    evp_cipher_ctx_st* context_ = nullptr;
    bool hasKey_ = false;
};

inline std::size_t RoundUpTo16(std::size_t n)
{
    return (n + 15) & ~static_cast<std::size_t>(15);
}
