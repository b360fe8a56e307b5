// Version comparison and the "Update.info" reader: any file gives 0 or 1, the
// first "Version =" line alone counts, and a version reads as the number its
// digits spell.
#include <QByteArray>

#include "app/update_check.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray info(reinterpret_cast<const char*>(data), qsizetype(size));
    const int newer = NewerVersionPublished(info);
    FuzzCheck(newer == 0 || newer == 1, "0 or 1");
    if (!info.contains("Version ="))
        FuzzCheck(newer == 0, "no version line, no update");
    FuzzCheck(NewerVersionPublished("Version = 0\n" + info) == 0, "the first version line counts");
    FuzzCheck(NewerVersionPublished("Version = 9.9.99\r\n" + info) == 1, "the first version line counts");
    FuzzCheck(NewerVersionPublished("version = 9.9.99\nVersion= 9.9.99\n" + info) == newer,
              "lines not starting exactly with \"Version =\" are ignored");

    // The first line as a version text.
    const QString text = QString::fromLatin1(info.left(info.indexOf('\n')));
    const int64_t number = VersionNumber(text);
    FuzzCheck(number >= 0, "never negative", text);
    if (number < INT64_MAX) {
        FuzzCheck(VersionNumber(QString::number(number)) == number, "digits read back", text);
        const QByteArray line = "Version = " + QByteArray::number(qlonglong(number)) + "\n";
        FuzzCheck(NewerVersionPublished(line) == NewerVersionPublished("Version =" + text.toLatin1() + "\n"),
                  "the published number decides", text);
    }
    return 0;
}
