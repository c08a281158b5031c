#include "pages/viewers/DocumentViewer.h"

#include "app/richtext/RichTextBox.h"
#include "app/shell/Twips.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

DocumentViewer::DocumentViewer(FormId formName, const QString &boxName, QWidget *parent)
    : AppWindow(formName, parent)
{
    // Created first, so it lies behind the box and leads the tab order.
    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twips::rect(120, 120, 375, 285));

    m_box = new RichTextBox(this);
    m_box->setObjectName(boxName);
    m_box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_box->setFrameShape(QFrame::NoFrame);
    // Without a frame the box's own margin would put the text against the window's edge.
    m_box->document()->setDocumentMargin(twips::toPixels(120));
    setDocumentTop(0);
    setTabOrder(m_text1, m_box);
}

DocumentViewer::~DocumentViewer() = default;

void DocumentViewer::Form_Load()
{
    m_text1->setFocus();
}

void DocumentViewer::setPageTabStops()
{
    const double step = twips::toPixels(720);
    const double pageWidth = m_box->width();
    QTextDocument *document = m_box->document();
    const bool modified = document->isModified(); // a layout detail, not an edit
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.tabPositions().isEmpty())
            continue;
        // Tab positions count from the paragraph's indent; the stops stand at whole steps from the page edge.
        const double indent = format.leftMargin() + format.indent() * document->indentWidth();
        QList<QTextOption::Tab> tabs;
        for (double stop = step; stop < pageWidth; stop += step) {
            if (stop > indent)
                tabs << QTextOption::Tab(stop - indent, QTextOption::LeftTab);
        }
        format.setTabPositions(tabs);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    document->setModified(modified);
}

void DocumentViewer::setDocumentTop(int pixels)
{
    const QSize clientTwips = spec().clientTwips.value_or(QSize());
    const QSize client = twips::size(clientTwips.width(), clientTwips.height());
    m_box->setGeometry(0, pixels, client.width(), client.height());
}
