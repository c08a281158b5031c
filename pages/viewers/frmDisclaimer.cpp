#include "pages/viewers/frmDisclaimer.h"

#include "app/platform/UserFiles.h"
#include "app/richtext/RichTextBox.h"
#include "app/shell/WindowManager.h"

#include <QDir>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollBar>

frmDisclaimer::frmDisclaimer(QWidget *parent)
    : DocumentViewer(Forms::frmDisclaimer, QStringLiteral("rtfDisclaimer"), parent)
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    m_menuBar->setNativeMenuBar(false);
    const auto command = [this](const QString &name, const QString &caption,
                                void (frmDisclaimer::*handler)()) {
        QAction *action = m_menuBar->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
    };
    command(QStringLiteral("mnuBack"), QStringLiteral("Disclaimer"), &frmDisclaimer::mnuBack_Click);
    command(QStringLiteral("mnuNextPage"), QStringLiteral("Licence Agreement"),
            &frmDisclaimer::mnuNextPage_Click);
    command(QStringLiteral("cmdPrivacy"), QStringLiteral("Privacy Policy"), &frmDisclaimer::cmdPrivacy_Click);
    command(QStringLiteral("mnuClose"), QStringLiteral("Close"), &frmDisclaimer::mnuClose_Click);
    m_menuBar->setGeometry(0, 0, width(), m_menuBar->sizeHint().height());
    // The menu bar lies above the client area, so the document keeps the full design size below it.
    setDocumentTop(m_menuBar->height());

    // Key preview: the window sees every key before the control that has the focus.
    installEventFilter(this);
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(this);
}

frmDisclaimer::~frmDisclaimer() = default;

void frmDisclaimer::Form_Load()
{
    DocumentViewer::Form_Load();
    ShowDocument(QStringLiteral("Disclaim.rtf"));
}

void frmDisclaimer::showEvent(QShowEvent *event)
{
    DocumentViewer::showEvent(event);
    if (m_heightGrown)
        return;
    // The frame fixes the design client size; the menu bar comes on top of it, and the window stays centred.
    m_heightGrown = true;
    const int extra = m_menuBar->height();
    setFixedSize(width(), height() + extra);
    move(x(), y() - extra / 2);
}

void frmDisclaimer::mnuBack_Click()
{
    ShowDocument(QStringLiteral("Disclaim.rtf"));
}

void frmDisclaimer::mnuNextPage_Click()
{
    ShowDocument(QStringLiteral("CopyLiab.rtf"));
}

void frmDisclaimer::cmdPrivacy_Click()
{
    ShowDocument(QStringLiteral("Privacy.rtf"));
}

void frmDisclaimer::mnuClose_Click()
{
    windows().ClosePage(formName());
}

void frmDisclaimer::ShowDocument(const QString &fileName)
{
    // A missing or unreadable document leaves the box empty, without a message.
    RichTextBox *box = documentBox();
    box->clear();
    box->LoadFile(QDir(userfiles::shippedFolder()).filePath(fileName));
    setPageTabStops();
    box->moveCursor(QTextCursor::Start);
    box->verticalScrollBar()->setValue(0);
}

bool frmDisclaimer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        windows().ClosePage(formName());
        windows().EndProgram();
        return true;
    }
    return DocumentViewer::eventFilter(watched, event);
}
