#pragma once

#include <QByteArray>
#include <memory>
#include <openssl/evp.h>

#include "app/update_access.h"

// Enciphers an access text as "openssl enc -aes-256-cbc" does (PKCS#7 padding),
// or, with pkcs7 false, as whole blocks only (the text must fill them).
inline QByteArray EncipherAccess(const QByteArray& plain, bool pkcs7 = true)
{
    std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(), &EVP_CIPHER_CTX_free);
    QByteArray out(plain.size() + 16, '\0');
    int written = 0;
    int last = 0;
    auto* bytes = reinterpret_cast<unsigned char*>(out.data());
    if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_cbc(), nullptr, AccessFileKey, AccessFileIv) != 1
        || EVP_CIPHER_CTX_set_padding(ctx.get(), pkcs7 ? 1 : 0) != 1
        || EVP_EncryptUpdate(ctx.get(), bytes, &written, reinterpret_cast<const unsigned char*>(plain.constData()),
                             int(plain.size()))
            != 1
        || EVP_EncryptFinal_ex(ctx.get(), bytes + written, &last) != 1)
        return {};
    out.resize(written + last);
    return out;
}
