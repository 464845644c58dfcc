#include "backup/engine/ContainerCipher.h"

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr std::size_t kPassBytes = 20;
constexpr std::size_t kRepeatedBytes = 12;

const EVP_CIPHER* CipherOfCode(int keySizeCode)
{
    switch (keySizeCode) {
    case 1:
        return EVP_aes_128_ecb();
    case 2:
        return EVP_aes_192_ecb();
    case 3:
        return EVP_aes_256_ecb();
    default:
        return nullptr;
    }
}

}  // namespace

ContainerCipher::ContainerCipher() : context_(EVP_CIPHER_CTX_new())
{
}

ContainerCipher::~ContainerCipher()
{
    EVP_CIPHER_CTX_free(context_);
}

bool ContainerCipher::SetUp(std::string_view pass, int keySizeCode, bool encrypt)
{
    hasKey_ = false;
    const EVP_CIPHER* cipher = CipherOfCode(keySizeCode);
    if (cipher == nullptr || pass.empty() || context_ == nullptr) {
        return true;
    }
    std::array<unsigned char, kPassBytes + kRepeatedBytes> key{};
    std::memcpy(key.data(), pass.data(), std::min(pass.size(), kPassBytes));
    std::memcpy(key.data() + kPassBytes, key.data(), kRepeatedBytes);
    // A longer key than the cipher needs is fine: EVP reads only its own key length.
    if (EVP_CipherInit_ex(context_, cipher, nullptr, key.data(), nullptr, encrypt ? 1 : 0) != 1) {
        return false;
    }
    EVP_CIPHER_CTX_set_padding(context_, 0);
    hasKey_ = true;
    return true;
}

std::size_t ContainerCipher::Encipher(BYTE* in, std::size_t n, BYTE* out)
{
    const std::size_t padded = RoundUpTo16(n);
    std::memset(in + n, 0, padded - n);
    int written = 0;
    EVP_CipherUpdate(context_, out, &written, in, static_cast<int>(padded));
    return padded;
}

void ContainerCipher::Decipher(const BYTE* in, std::size_t n, BYTE* out)
{
    int written = 0;
    EVP_CipherUpdate(context_, out, &written, in, static_cast<int>(n));
}
