#include "RichTextDocument.h"

#include "RtfReader.h"
#include "RtfWriter.h"

#include <QFile>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

namespace {

const QString LineEnd = QStringLiteral("\r\n");

} // namespace

QFont defaultBoxFont()
{
    // The family is asked for by name and stays in saved files even where the system shows another one.
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.5);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool loadFile(QTextDocument &document, const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open %1: %2").arg(fileName, file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(fileName, file.errorString());
        return false;
    }
    QString reason;
    if (!rtf::read(data, document, &reason)) {
        if (error)
            *error = QStringLiteral("Cannot load %1: %2").arg(fileName, reason);
        return false;
    }
    return true;
}

bool saveFile(const QTextDocument &document, const QString &fileName, QString *error)
{
    // Written aside and renamed over the old file, so that a failed save never leaves half a document.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true); // a writable file in a folder that is not still gets saved
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf::write(document)) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot save %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

QString withCrLf(QString text)
{
    text.replace(QChar::ParagraphSeparator, LineEnd);
    text.replace(QChar::LineSeparator, LineEnd);
    return text;
}

QString plainText(const QTextDocument &document)
{
    QString text = withCrLf(document.toRawText());
    // Objects and frame boundaries are structure, not text.
    text.removeIf(
        [](QChar c) { return c == QChar::ObjectReplacementCharacter || c == u'\uFDD0' || c == u'\uFDD1'; });
    return text;
}

void setPlainText(QTextDocument &document, const QString &plain)
{
    QString text = plain;
    text.replace(LineEnd, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    document.clear();
    QTextCursor(&document).insertText(text, QTextCharFormat());
}

} // namespace richtext
