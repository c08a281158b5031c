// Reads large RTF inputs of a few shapes and prints, for each, how the reader's time and memory grow with
// the input and how they compare with Qt building a document of the same text (the yardstick).
//   rtf_reader_bench [megabytes of the larger input, default 32]
#include "RtfReader.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>

namespace {

struct Shape
{
    const char *name;
    QByteArray unit; // repeated to fill the input
};

QByteArray input(const Shape &shape, qsizetype bytes)
{
    QByteArray data = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset0 Arial;}}";
    data.reserve(bytes + shape.unit.size() + 8);
    while (data.size() < bytes)
        data += shape.unit;
    data += '}';
    return data;
}

// Bytes allocated and not freed, small blocks and mapped ones alike.
std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Measure
{
    double ms = 0;
    double bytesPerByte = 0; // heap held by the document, per byte of input
    QString text;
};

Measure readOnce(const QByteArray &data)
{
    malloc_trim(0);
    const std::size_t before = heapInUse();
    QTextDocument document;
    QElapsedTimer timer;
    timer.start();
    rtf::read(data, document);
    Measure m;
    m.ms = double(timer.nsecsElapsed()) / 1e6;
    m.bytesPerByte = double(heapInUse() - before) / double(data.size());
    m.text = document.toRawText();
    return m;
}

// Qt's own work for the same text: a document of the same paragraphs and lines, built from the text the
// reader produced in one call.
double yardstickMs(const QString &text)
{
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    QElapsedTimer timer;
    timer.start();
    document.setPlainText(text);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const qsizetype large = qsizetype(argc > 1 ? std::atoi(argv[1]) : 32) * 1024 * 1024;
    const qsizetype small = large / 4;
    const Shape shapes[] = {
        {"bare paragraph marks", "\\par"},
        {"short paragraphs", "Lavender oil calms.\\par\n"},
        {"format runs", "{\\b x}{\\i y}z "},
        {"escaped characters", "caf\\'e9 \\u8364? "},
    };
    std::printf("%-22s %10s %12s %14s %12s\n", "input", "ms/MB", "growth 4x", "vs Qt's build", "bytes/byte");
    for (const Shape &shape : shapes) {
        const QByteArray smallInput = input(shape, small);
        const QByteArray largeInput = input(shape, large);
        const Measure a = readOnce(smallInput);
        const Measure b = readOnce(largeInput);
        const double yardstick = yardstickMs(b.text);
        // A growth near 4 is linear time; the last two columns are ratios against Qt and the input.
        std::printf("%-22s %10.1f %12.2f %14.2f %12.2f\n", shape.name, b.ms / (double(large) / (1024 * 1024)),
                    b.ms / a.ms, b.ms / yardstick, b.bytesPerByte);
    }
    return 0;
}
