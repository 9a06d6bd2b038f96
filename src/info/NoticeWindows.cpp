// SPDX-License-Identifier: GPL-3.0-or-later
#include "NoticeWindows.h"

#include "ProjectContact.h"

namespace lumenary {

namespace {

using enum NoticeStyle;

std::vector<NoticeText> AdvertisingTexts()
{
    return {
        {"LblDonation", QStringLiteral("Lumenary is offered on a donation basis.  Lumenary was created so that "
                                       "all Christians may have an inexpensive tool by which to help them know "
                                       "their Bibles better.")},
        {"LblAdvertising", QStringLiteral("The programmer, however, has created an advertising system by which he can "
                                          "recuperate the costs of his programming software and media expenses.")},
        {"LblInvitation",
         QStringLiteral("Christian bookstores, publishers and software makers are invited to advertise in "
                        "Lumenary.  An advertisement takes one entry of the Bookstores menu and shows your "
                        "address, telephone, web site, e-mail address and a note about what you offer.  For "
                        "rates and terms, write to %1, call %2 or e-mail %3.")
             .arg(ProjectContact::Address, ProjectContact::Phone, ProjectContact::AdvertisingEmail)},
    };
}

std::vector<NoticeText> DisclaimerTexts()
{
    return {
        {"LblDisclaimer",
         QStringLiteral("The fact that advertisers are included with this software does not imply their wholesale "
                        "approval of the contents of this program; nor does the fact that the programmer uses the "
                        "advertisements imply that he approves of all of what they sell or believe.")},
    };
}

std::vector<NoticeText> DistributionTexts()
{
    return {
        {"LblHeading", QStringLiteral("Guidelines on Distributing Lumenary"), Heading},
        {"LblLead", QStringLiteral("You may make copies of Lumenary to distribute under the following guidelines:")},
        {"LblGuideline(0)", QStringLiteral("1) You may give away copies for free"), ListItem},
        {"LblGuideline(1)",
         QStringLiteral("2) You may sell copies for up to $2.00 each in order to cover your duplication costs"),
         ListItem},
        {"LblGuideline(2)",
         QStringLiteral("3) You may become a distributor (and make a couple of dollars on each copy sold!) by making "
                        "arrangements with the programmer in writing"),
         ListItem},
        {"LblDonation",
         QStringLiteral("If you received a copy of Lumenary, please consider a donation toward its work: a gift of "
                        "between $3 and $10 helps the question bank grow.  Send it to %1.")
             .arg(ProjectContact::Address),
         Note},
    };
}

std::vector<NoticeText> UpcomingTexts()
{
    return {
        {"LblHeading", QStringLiteral("Upcoming Features"), Heading},
        {"LblFeature(0)", QStringLiteral("Bible Archaeology"), ListItem},
        {"LblFeature(1)", QStringLiteral("Bible Geography"), ListItem},
        {"LblFeature(2)", QStringLiteral("S.A. Chapter Content on whole OT"), ListItem},
        {"LblFeature(3)", QStringLiteral("Detailed quizzes on Kings of Judah and Israel"), ListItem},
        {"LblFeature(4)", QStringLiteral("Personalities in Church History"), ListItem},
        {"LblFeature(5)", QStringLiteral("Missions History"), ListItem},
    };
}

// The project rather than a person: who keeps Lumenary and how to reach them.
std::vector<NoticeText> ProgrammerTexts()
{
    return {
        {"Label1", QStringLiteral("The Lumenary Project"), Heading},
        {"Label2", QStringLiteral("Lumenary is written and kept by a small team of volunteer developers, together with "
                                  "the contributors who write and check its questions.")},
        {"Label3", QStringLiteral("It began as a box of flash cards for Bible, theology and language courses and grew "
                                  "into a program that drills every subject of those courses.")},
        {"Label4", QStringLiteral("The question bank is kept as plain text files, so that anyone can read it, correct "
                                  "it and add to it.")},
        {"Label5", QStringLiteral("The project belongs to no single church or denomination; its questions follow the "
                                  "text of the Bible and the standard course books.")},
        {"Label6", QStringLiteral("Write to:  ") + ProjectContact::Address},
        {"Label7", QStringLiteral("Phone:  ") + ProjectContact::Phone},
        {"Label8", QStringLiteral("Email:  ") + ProjectContact::Email},
        {"Label9", QStringLiteral("Web Site:  ") + ProjectContact::WebSite},
        {"Label10",
         QStringLiteral("The project gladly takes study books (lexicons, grammars, commentaries) from pastors' "
                        "libraries that are being given away or sold, to check its questions against."),
         Note},
    };
}

std::vector<NoticeText> ContributorTexts()
{
    return {
        {"LblHeading", QStringLiteral("Contributors"), Heading},
        {"LblContributors(0)", QStringLiteral("Questions and answers in every subject: written, checked and kept up to "
                                              "date by the Lumenary contributors.")},
        {"LblContributors(1)", QStringLiteral("Greek and Hebrew vocabulary, principal parts and verb stems: the "
                                              "Lumenary contributors, checked against the standard grammars and "
                                              "lexicons.")},
        {"LblHelpersHeading", QStringLiteral("Helpers"), Heading},
        {"LblHelpers(0)", QStringLiteral("Greek is shown in Gentium Plus, a free font by SIL International, under the "
                                         "SIL Open Font License, version 1.1.")},
        {"LblHelpers(1)", QStringLiteral("Hebrew is shown in Ezra SIL, a free font by SIL International, under the SIL "
                                         "Open Font License, version 1.1.")},
        {"LblHelpers(2)", QStringLiteral("The pictures were drawn for Lumenary by its developers.")},
        {"LblDisclaimor",
         QStringLiteral("The programmer accepts full responsibility for any errors in the data.  Please report one to "
                        "%1.")
             .arg(ProjectContact::CorrectionsEmail),
         Note},
    };
}

} // namespace

FrmAboutAdvertising::FrmAboutAdvertising(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmAboutAdvertising"),
                   QStringLiteral("About Advertising Your Christian Books/Software"), Dismissal::Unload, windows,
                   AdvertisingTexts())
{
}

FrmDisclaimer::FrmDisclaimer(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmDisclaimer"), QStringLiteral("Advertising Disclaimer"), Dismissal::Unload,
                   windows, DisclaimerTexts())
{
}

FrmAboutDistribution::FrmAboutDistribution(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmAboutDistribution"), QStringLiteral("About Distributing Lumenary"),
                   Dismissal::Unload, windows, DistributionTexts())
{
}

FrmUpcoming::FrmUpcoming(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmUpcoming"), QStringLiteral("Lumenary"), Dismissal::Unload, windows,
                   UpcomingTexts())
{
}

FrmAboutProgrammer::FrmAboutProgrammer(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmAboutProgrammer"), QStringLiteral("About the Programmer"), Dismissal::Unload,
                   windows, ProgrammerTexts())
{
}

FrmContributors::FrmContributors(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmContributors"), QStringLiteral("Lumenary Contributors"), Dismissal::HideOnClick,
                   windows, ContributorTexts())
{
}

} // namespace lumenary
