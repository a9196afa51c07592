#include "updates/PackageSignature.h"

#include <memory>
#include <openssl/evp.h>

namespace {
constexpr qsizetype kKeySize = 32;
constexpr qsizetype kSignatureSize = 64;

struct FreeKey {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct FreeContext {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
} // namespace

QByteArray PackageSignature::publicKeyFromBase64(const QByteArray& base64) {
    auto decoded =
        QByteArray::fromBase64Encoding(base64.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != kKeySize) return {};
    return decoded.decoded;
}

bool PackageSignature::verify(QByteArrayView publicKey, QByteArrayView data,
                              QByteArrayView signature) {
    if (publicKey.size() != kKeySize || signature.size() != kSignatureSize) return false;
    std::unique_ptr<EVP_PKEY, FreeKey> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char*>(publicKey.data()),
        size_t(publicKey.size())));
    std::unique_ptr<EVP_MD_CTX, FreeContext> context(EVP_MD_CTX_new());
    if (!key || !context) return false;
    // Ed25519 hashes internally, so no digest is named and the data goes in whole.
    if (EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(context.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                            size_t(signature.size()),
                            reinterpret_cast<const unsigned char*>(data.data()),
                            size_t(data.size())) == 1;
}
