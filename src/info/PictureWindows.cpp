// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureWindows.h"

#include "AdvertiserRecord.h"

namespace lumenary {

namespace {

QString StoreName(std::size_t advertiser)
{
    return QString::fromUtf8(Advertisers()[advertiser][AdvertiserField::StoreName]);
}

// The ordering line of a book one of the advertisers sells.
QString OrderFrom(std::size_t advertiser)
{
    return QStringLiteral("Order from %1 (Bookstores menu)").arg(StoreName(advertiser));
}

constexpr std::size_t Quillhaven = 0;
constexpr std::size_t Larkmoor = 3;
constexpr std::size_t Fernhollow = 7;

} // namespace

FrmBookMoses::FrmBookMoses(WindowRegistry& windows)
    : PictureWindow(QStringLiteral("FrmBookMoses"),
                    QStringLiteral("Beginning at Moses  --  %1  --  328 pp PB").arg(OrderFrom(Quillhaven)),
                    QStringLiteral(":/images/book_moses.svg"), windows)
{
}

FrmBookImage::FrmBookImage(WindowRegistry& windows)
    : PictureWindow(QStringLiteral("FrmBookImage"),
                    QStringLiteral("Changed into His Image  --  To order call (555) 555-0131 or e-mail "
                                   "books@changedimage.example.net  --  350+ pp PB"),
                    QStringLiteral(":/images/book_image.svg"), windows)
{
}

FrmMindofGod::FrmMindofGod(WindowRegistry& windows)
    : PictureWindow(QStringLiteral("FrmMindofGod"),
                    QStringLiteral("From the Mind of God . . .  --  %1  --  231 pp  PB").arg(OrderFrom(Larkmoor)),
                    QStringLiteral(":/images/book_mindofgod.svg"), windows,
                    {{"Label1", QStringLiteral("With a preface by the editors and chapters by twelve contributing "
                                               "pastors and teachers")}})
{
}

FrmReelStory::FrmReelStory(WindowRegistry& windows)
    : PictureWindow(QStringLiteral("FrmReelStory"),
                    QStringLiteral("The Reel Story  --  $16.95  --  387pp  --  %1").arg(OrderFrom(Quillhaven)),
                    QStringLiteral(":/images/book_reelstory.svg"), windows,
                    {{"Label1", QStringLiteral("A Christian reader's guide to a century of motion pictures")}})
{
}

FrmPosterOne::FrmPosterOne(WindowRegistry& windows)
    : PictureWindow(QStringLiteral("FrmPosterOne"),
                    QStringLiteral("The Books of the Bible  --  %1").arg(StoreName(Fernhollow)),
                    QStringLiteral(":/images/poster_books.svg"), windows,
                    {{"Label1", QStringLiteral("SAMPLE                              COPY"), PicturePlace::Watermark}})
{
}

FrmPosterTwo::FrmPosterTwo(WindowRegistry& windows)
    : PictureWindow(QStringLiteral("FrmPosterTwo"),
                    QStringLiteral("Bible History Wall Charts  --  %1").arg(StoreName(Fernhollow)),
                    QStringLiteral(":/images/poster_kings.svg"), windows,
                    {{"Label1", QStringLiteral("The Kings of Israel and Judah")},
                     {"Label2", QStringLiteral("Wall chart, 24 by 36 inches, on heavy paper")},
                     {"Label3", OrderFrom(Fernhollow)}})
{
}

} // namespace lumenary
