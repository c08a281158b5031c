#include "pages/viewers/frmSources.h"

#include "app/richtext/RichTextBox.h"
#include "content/ContentSet.h"
#include "shared/MakerConfig.h"
#include "pages/viewers/ViewerDocuments.h"

frmSources::frmSources(QWidget *parent)
    : DocumentViewer(QStringLiteral("frmSources"), QStringLiteral("rtfSources"), parent)
{
    const QJsonDocument data = content::json(QStringLiteral("viewers/sources.json"));
    viewers::writeSources(*documentBox()->document(), viewers::sourceSections(data),
                          viewers::contactBlock(data, maker::makerConfig()));
    documentBox()->moveCursor(QTextCursor::Start);
}

frmSources::~frmSources() = default;
