#include <gtest/gtest.h>

#include <limits>

#include "app/update_check.h"
#include "base/identity.h"

namespace {

TEST(UpdateVersion, NumberOfAVersionText)
{
    struct Case {
        const char* text;
        int64_t number;
    };
    const Case cases[] = {
        {"3.1.09", 3109},
        {"3.1.10", 3110},
        {" 3.1.10 ", 3110},
        {"   3.2", 32},
        {"4.0.00", 4000},
        {"3.1.10b", 3110},
        {"3.1 .10", 31},
        {"", 0},
        {"v3.1.10", 0},
        {"+3.1.10", 0},
        {"\t3.1.10", 0},  // spaces are removed, not other blanks
        {"99999999999999999999999", std::numeric_limits<int64_t>::max()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionNumber(QString::fromLatin1(c.text)), c.number) << '"' << c.text << '"';
    EXPECT_EQ(VersionNumber(ProgramVersion), 3109);
}

TEST(UpdateVersion, PublishedVersionAgainstOurs)
{
    struct Case {
        const char* updateInfo;
        int newer;
    };
    const Case cases[] = {
        {"Version = 3.1.10\r\n", 1},
        {"Version = 3.1.10", 1},
        {"Version = 3.1.09\r\n", 0},
        {"Version = 3.1.08\r\n", 0},
        {"Version = 3.2\r\n", 0},  // 32: published versions keep our digit layout
        {"Version = 4.0.00\n", 1},
        {"Version =3.1.10\r\n", 1},  // the nine characters, then the version
        {"Version =    3.1.10   \r\n", 1},
        {"version = 3.1.10\r\n", 0},  // letter case counts
        {"VERSION = 3.1.10\r\n", 0},
        {"Version= 3.1.10\r\n", 0},  // no blank before "="
        {"Version  = 3.1.10\r\n", 0},
        {" Version = 3.1.10\r\n", 0},
        {"Version : 3.1.10\r\n", 0},
        {"", 0},
        {"Vorquil III\r\nPublished 2012-03-01\r\n", 0},
        {"; news\r\nVersion = 3.1.10\r\nVersion = 3.1.05\r\n", 1},  // the first line that counts
        {"Version = 3.1.05\r\nVersion = 3.1.10\r\n", 0},
        {"Version = \r\nVersion = 3.1.10\r\n", 0},
        {"Build = 3.1.10\nVersion = 3.1.11\n", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewerVersionPublished(QByteArray(c.updateInfo)), c.newer) << c.updateInfo;
}

TEST(UpdateVersion, CheckIsDueAfterMoreThanOneDay)
{
    const int32_t last = 1320932884;
    struct Case {
        int8_t updateAuto;
        int32_t lastUpdate;
        int64_t now;
        bool due;
    };
    const Case cases[] = {
        {1, last, last + 86399, false},
        {1, last, last + 86400, false},
        {1, last, last + 86401, true},
        {1, last, 1700000000, true},
        {1, last, last, false},
        {1, 1700000000, last, false},  // a last check in the future
        {0, last, 1700000000, false},
        {2, last, 1700000000, false},
        {-1, last, 1700000000, false},
        {1, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), false},
        {1, std::numeric_limits<int32_t>::max(), int64_t(std::numeric_limits<int32_t>::max()) + 86401, true},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.UpdateAuto = c.updateAuto;
        settings.LastUpdate = c.lastUpdate;
        EXPECT_EQ(IsUpdateDue(settings, c.now), c.due) << int(c.updateAuto) << " " << c.lastUpdate << " " << c.now;
    }
}

}  // namespace
