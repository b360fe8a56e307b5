#include "app/update_offer.h"

#include "app/web_links.h"
#include "base/identity.h"
#include "platform/dialogs.h"
#include "tabs/program_state.h"

void MakeUpdateOffer(Settings& settings, const WebAddresses& web)
{
    if (settings.Update != 1)
        return;
    const int answer = ShowMessage(
        ProgramTitle, QStringLiteral("Une mise à jour a été trouvée, désirez-vous la télécharger sur le site ?"),
        MessageYesNo);
    settings.Update = 0;
    if (answer == AnswerYes)
        OpenAddress(web.download);
}
