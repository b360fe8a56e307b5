#include <gtest/gtest.h>

#include "app/update_offer.h"
#include "app/url_capture.h"
#include "app/web_links.h"
#include "platform/dialogs.h"
#include "tabs/program_state.h"

namespace {

struct Asked {
    int count = 0;
    QString title, text;
    MessageButtons buttons = MessageOk;
};

class UpdateOffer : public testing::Test {
protected:
    Settings settings;
    WebAddresses web;
    UrlCapture urls;
    Asked asked;

    void SetUp() override { SetWebAddresses(web); }
    void TearDown() override { SetMessageHook({}); }

    void Answer(int answer)
    {
        SetMessageHook([this, answer](const QString& title, const QString& text, MessageButtons buttons) {
            ++asked.count;
            asked.title = title;
            asked.text = text;
            asked.buttons = buttons;
            return answer;
        });
    }
};

TEST_F(UpdateOffer, AskedOnceAndWithdrawnWhateverTheAnswer)
{
    struct Case {
        int answer;
        bool opensDownloadPage;
    };
    const Case cases[] = {{AnswerYes, true}, {AnswerNo, false}, {AnswerNone, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        urls.opened.clear();
        asked = Asked();
        Answer(c.answer);
        settings.Update = 1;
        MakeUpdateOffer(settings, web);
        EXPECT_EQ(asked.count, 1);
        EXPECT_EQ(asked.title, QStringLiteral("Vorquil III"));
        EXPECT_EQ(asked.text,
                  QStringLiteral("Une mise à jour a été trouvée, désirez-vous la télécharger sur le site ?"));
        EXPECT_EQ(asked.buttons, MessageYesNo);
        EXPECT_EQ(settings.Update, 0);
        EXPECT_EQ(urls.opened, c.opensDownloadPage ? QStringList{web.download} : QStringList());
    }
    EXPECT_TRUE(web.download.endsWith(QStringLiteral("/vorquil/download.php")));
}

TEST_F(UpdateOffer, NothingPendingAsksNothing)
{
    Answer(AnswerYes);
    for (int8_t update : {int8_t(0), int8_t(2), int8_t(-1)}) {
        settings.Update = update;
        MakeUpdateOffer(settings, web);
        EXPECT_EQ(settings.Update, update);
    }
    EXPECT_EQ(asked.count, 0);
    EXPECT_TRUE(urls.opened.isEmpty());
}

}  // namespace
