#include <gtest/gtest.h>

#include <QDir>

#include "base/locations.h"
#include "support/scoped_env.h"

namespace {

TEST(Locations, DataFolderFollowsXdgDataHomeWhenAbsolute)
{
    const QString fallback = QDir::homePath() + QStringLiteral("/.local/share/Vorquil 3/");
    const struct {
        const char* value;  // null: unset
        QString expected;
    } cases[] = {
        {"/srv/data", QStringLiteral("/srv/data/Vorquil 3/")},
        {"/srv/data/", QStringLiteral("/srv/data/Vorquil 3/")},
        {"/srv//data/./x/..", QStringLiteral("/srv/data/Vorquil 3/")},
        {"relative/data", fallback},
        {"", fallback},
        {nullptr, fallback},
    };
    for (const auto& c : cases) {
        const QByteArray value(c.value ? c.value : "");
        ScopedEnv xdg("XDG_DATA_HOME", c.value ? &value : nullptr);
        EXPECT_EQ(DataFolder(), c.expected) << (c.value ? c.value : "(unset)");
    }
}

}  // namespace
