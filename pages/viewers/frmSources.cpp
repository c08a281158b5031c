#include "pages/viewers/frmSources.h"

#include "app/richtext/RichTextBox.h"
#include "content/ViewerTexts.h"
#include "pages/viewers/ViewerDocuments.h"
#include "shared/MakerConfig.h"

frmSources::frmSources(QWidget *parent)
    : DocumentViewer(Forms::frmSources, QStringLiteral("rtfSources"), parent)
{
    const content::SourcesText &sources = content::sources();
    viewers::writeSources(*documentBox()->document(), sources.sections,
                          viewers::contactBlock(sources.contactHeading, maker::makerConfig()));
    documentBox()->moveCursor(QTextCursor::Start);
}

frmSources::~frmSources() = default;
