#include "FrmTroubleshooting.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace lumenary {

FrmTroubleshooting::FrmTroubleshooting(WindowRegistry& windows)
    : NoticeWindow(QStringLiteral("FrmTroubleshooting"), QStringLiteral("Lumenary"), Dismissal::Unload, windows,
                   {{"Label1", QStringLiteral("Troubleshooting Lumenary"), NoticeStyle::Heading}})
{
    QFile text(QStringLiteral(":/texts/troubleshooting.html"));
    text.open(QIODevice::ReadOnly);
    auto* document = new QTextBrowser(centralWidget());
    document->setObjectName(QStringLiteral("TxtTroubleshooting"));
    document->setHtml(QString::fromUtf8(text.readAll()));
    // Keys belong to the window, which closes on any character key; the
    // document still scrolls with the wheel and its scroll bar.
    document->setFocusPolicy(Qt::NoFocus);
    document->setOpenLinks(false);
    document->setFixedSize(500, 440);
    Page().addWidget(document);
}

} // namespace lumenary
