#include "app/update_access.h"

#include <QFile>
#include <QList>
#include <memory>

#include "app/update_libraries.h"

const unsigned char AccessFileKey[32] = {
    0xdf, 0x36, 0xd5, 0x18, 0x7a, 0xb2, 0x4a, 0xf5, 0x07, 0x57, 0xd0, 0x28, 0xf3, 0x1c, 0x9c, 0xf6,
    0x6d, 0xc9, 0x79, 0x99, 0x6e, 0x4e, 0x21, 0x65, 0x1e, 0x62, 0x61, 0xe0, 0xfb, 0xa8, 0xfd, 0xe0,
};
const unsigned char AccessFileIv[16] = {
    0xa2, 0x0f, 0xce, 0xbf, 0x37, 0x0c, 0xe2, 0xfc, 0x83, 0xad, 0xe6, 0x97, 0x6b, 0xb4, 0x69, 0x81,
};

namespace {

constexpr int BlockSize = 16;

// Removes a PKCS#7 padding (what "openssl enc" adds) when the last bytes form one.
void RemovePkcs7Padding(QByteArray& plain)
{
    if (plain.isEmpty())
        return;
    const int count = static_cast<unsigned char>(plain.back());
    if (count < 1 || count > BlockSize || count > plain.size())
        return;
    for (qsizetype i = plain.size() - count; i < plain.size(); ++i)
        if (static_cast<unsigned char>(plain[i]) != count)
            return;
    plain.chop(count);
}

}  // namespace

QByteArray DecipherAccessFile(const QByteArray& enciphered)
{
    const int whole = int(enciphered.size() / BlockSize * BlockSize);
    if (whole == 0)
        return {};
    const CryptoFunctions* crypto = LoadCrypto();
    if (!crypto)
        return {};
    std::unique_ptr<EVP_CIPHER_CTX, decltype(crypto->cipherFree)> ctx(crypto->cipherNew(), crypto->cipherFree);
    QByteArray plain(whole + BlockSize, '\0');
    int written = 0;
    int last = 0;
    auto* out = reinterpret_cast<unsigned char*>(plain.data());
    if (!ctx || crypto->decryptInit(ctx.get(), crypto->aes256Cbc(), nullptr, AccessFileKey, AccessFileIv) != 1
        || crypto->setPadding(ctx.get(), 0) != 1
        || crypto->decryptUpdate(ctx.get(), out, &written,
                                 reinterpret_cast<const unsigned char*>(enciphered.constData()), whole)
            != 1
        || crypto->decryptFinal(ctx.get(), out + written, &last) != 1)
        return {};
    plain.resize(written + last);
    RemovePkcs7Padding(plain);
    if (const qsizetype zero = plain.indexOf('\0'); zero >= 0)
        plain.truncate(zero);
    return plain;
}

UpdateAccess ParseUpdateAccess(const QByteArray& text)
{
    const QList<QByteArray> fields = text.split(';');
    auto field = [&fields](int i) { return i < fields.size() ? QString::fromLatin1(fields[i]) : QString(); };
    return {field(0), field(1), field(2), field(3)};
}

bool ReadUpdateAccess(const QString& workFolder, UpdateAccess& access)
{
    QFile file(workFolder + QStringLiteral("Vorquil.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray enciphered = file.readAll();
    file.close();
    access = ParseUpdateAccess(DecipherAccessFile(enciphered));
    return true;
}

void ClearUpdateAccess(UpdateAccess& access)
{
    access = UpdateAccess();
}
