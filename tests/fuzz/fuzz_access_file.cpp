// The access file: any bytes decipher and parse without fault, and four
// fields written as the make-access-file script does read back unchanged.
#include <QByteArray>
#include <QList>

#include "app/access_file_support.h"
#include "app/update_access.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // The bytes as a file found in the working folder.
    const QByteArray plain = DecipherAccessFile(bytes);
    FuzzCheck(plain.size() <= bytes.size() && !plain.contains('\0'), "deciphered text within the file");
    ParseUpdateAccess(plain);

    // The first four lines as the fields (the script refuses ";"; a zero byte
    // would end the text).
    QList<QByteArray> fields = bytes.split('\n').mid(0, 4);
    while (fields.size() < 4)
        fields.append(QByteArray());
    for (QByteArray& field : fields)
        field.replace(';', "").replace('\0', "");
    const QByteArray text = fields.join(';');
    FuzzCheck(DecipherAccessFile(EncipherAccess(text)) == text, "deciphers to the text");
    const UpdateAccess access = ParseUpdateAccess(DecipherAccessFile(EncipherAccess(text)));
    FuzzCheck(access.host.toLatin1() == fields[0] && access.user.toLatin1() == fields[1]
                  && access.password.toLatin1() == fields[2] && access.directory.toLatin1() == fields[3],
              "four fields read back", QString::fromLatin1(text));
    return 0;
}
