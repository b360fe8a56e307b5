#pragma once

// Controls of the about window "A Propos...".
enum AboutControl : int {
    AboutLogoImage = 422,
    AboutTitleLabel = 423,
    AboutVersionLabel = 424,
    AboutDescriptionLabel = 425,
    AboutCopyrightLabel = 426,
    SiteLink = 427,
    ContactLink = 428,
    HistoryLink = 429,
};
