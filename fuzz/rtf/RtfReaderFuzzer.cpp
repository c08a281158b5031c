// libFuzzer target for the RTF reader. Besides surviving any input, whatever the reader makes of it must
// save and read back to the same text: the writer has to cope with every document the reader can build.
#include "RtfReader.h"
#include "RtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

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
    if (!rtf::read(saved, again) || again.toRawText() != document.toRawText()) {
        std::fprintf(stderr, "Saved document reads back with other text:\n%s\n", saved.constData());
        std::abort();
    }
    return 0;
}
