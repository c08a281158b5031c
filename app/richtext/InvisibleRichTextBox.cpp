#include "InvisibleRichTextBox.h"

#include "RichTextDocument.h"

#include <QTextDocument>

InvisibleRichTextBox::InvisibleRichTextBox(QWidget *parent)
    : QWidget(parent), m_document(new QTextDocument(this))
{
    m_document->setDefaultFont(richtext::defaultBoxFont());
    hide();
}

InvisibleRichTextBox::~InvisibleRichTextBox() = default;

bool InvisibleRichTextBox::LoadFile(const QString &fileName, QString *error)
{
    return richtext::loadFile(*m_document, fileName, error);
}

bool InvisibleRichTextBox::SaveFile(const QString &fileName, QString *error)
{
    return richtext::saveFile(*m_document, fileName, error);
}

QString InvisibleRichTextBox::Text() const
{
    return richtext::plainText(*m_document);
}

void InvisibleRichTextBox::setText(const QString &plain)
{
    richtext::setPlainText(*m_document, plain);
}
