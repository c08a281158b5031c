#include "pages/viewers/DocumentViewer.h"

#include "app/richtext/RichTextBox.h"
#include "app/shell/Twips.h"

#include <QLineEdit>

DocumentViewer::DocumentViewer(const QString &formName, const QString &boxName, QWidget *parent)
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
    setDocumentTop(0);
    setTabOrder(m_text1, m_box);
}

DocumentViewer::~DocumentViewer() = default;

void DocumentViewer::Form_Load()
{
    m_text1->setFocus();
}

void DocumentViewer::setDocumentTop(int pixels)
{
    const QSize client = twips::size(spec().clientTwips.width(), spec().clientTwips.height());
    m_box->setGeometry(0, pixels, client.width(), client.height());
}
