// libFuzzer target for the RTF reader. Besides surviving any input, whatever the reader makes of it must
// save and read back to the same paragraphs, text and formats: the writer has to cope with every document
// the reader can build.
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

QString describe(const QTextDocument &document)
{
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        out += QStringLiteral("\n[%1 %2 %3 %4 %5 %6]")
                   .arg(int(b.alignment() & Qt::AlignHorizontal_Mask))
                   .arg(b.leftMargin())
                   .arg(b.rightMargin())
                   .arg(b.textIndent())
                   .arg(b.topMargin())
                   .arg(b.bottomMargin());
        QString format;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            const QFont f = c.font().resolve(document.defaultFont());
            const QString next =
                QStringLiteral("{%1 %2 %3%4%5%6 %7 %8}")
                    .arg(f.family())
                    .arg(f.pointSizeF())
                    .arg(f.bold())
                    .arg(f.italic())
                    .arg(f.underline())
                    .arg(f.strikeOut())
                    .arg(c.foreground().style() == Qt::NoBrush ? QString() : c.foreground().color().name())
                    .arg(int(c.verticalAlignment()));
            if (next != format)
                out += next;
            format = next;
            out += it.fragment().text();
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts are resolved while writing, and they need the application object.
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument document;
    if (!rtf::read(input, document))
        return 0;
    const QByteArray saved = rtf::write(document);
    QTextDocument again;
    if (!rtf::read(saved, again))
        std::abort();
    const QString first = describe(document);
    const QString second = describe(again);
    if (first != second) {
        std::fprintf(stderr, "Saved document reads back differently.\nRead:%s\nAgain:%s\nSaved:\n%s\n",
                     qPrintable(first), qPrintable(second), saved.constData());
        std::abort();
    }
    return 0;
}
