#include "DocumentDump.h"
#include "RtfWriter.h"
#include "SampleDocuments.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

// Every document our writer saves must read back in other programs with the same text (and, for
// LibreOffice, the same character formats). The peers are optional: each test skips when its program is
// absent.
namespace {

QString fileName(const Sample &sample)
{
    QString name = sample.name;
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return name + u".rtf"_s;
}

// The text as a plain-text export shows it: paragraphs and line breaks as line feeds.
QString expectedText(const QTextDocument &document)
{
    QString text = paragraphText(document);
    text.replace(QLatin1Char('\v'), QLatin1Char('\n'));
    return text;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(180000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit;
}

// LibreOffice loads each file in one fresh profile; it exits 0 even when a file failed, so the caller
// checks that every output exists.
bool convertWithLibreOffice(const QString &soffice, const QString &format, const QStringList &files,
                            const QString &outDir, const QString &profileDir)
{
    QStringList arguments{
        u"--headless"_s,   u"-env:UserInstallation="_s + QUrl::fromLocalFile(profileDir).toString(),
        u"--convert-to"_s, format,
        u"--outdir"_s,     outDir};
    arguments += files;
    return run(soffice, arguments);
}

struct SpanFormat
{
    QString text;
    QMap<QString, QString> properties;
};

// Reads a flat ODF text document into its runs, each with the text properties of its paragraph style
// overlaid by those of its span style.
std::vector<SpanFormat> odfRuns(const QByteArray &fodt)
{
    QMap<QString, QMap<QString, QString>> styles;
    std::vector<SpanFormat> runs;
    QXmlStreamReader xml(fodt);
    QString currentStyle;
    QList<QMap<QString, QString>> stack;
    bool inBody = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString name = xml.qualifiedName().toString();
            if (name == u"style:style"_s) {
                currentStyle = xml.attributes().value(u"style:name"_s).toString();
            } else if (name == u"style:text-properties"_s && !currentStyle.isEmpty()) {
                for (const QXmlStreamAttribute &a : xml.attributes())
                    styles[currentStyle][a.qualifiedName().toString()] = a.value().toString();
            } else if (name == u"office:text"_s) {
                inBody = true;
            } else if (inBody && (name == u"text:p"_s || name == u"text:span"_s || name == u"text:h"_s)) {
                QMap<QString, QString> properties = stack.isEmpty() ? QMap<QString, QString>() : stack.last();
                const auto own = styles.value(xml.attributes().value(u"text:style-name"_s).toString());
                for (auto it = own.begin(); it != own.end(); ++it)
                    properties[it.key()] = it.value();
                stack.append(properties);
            }
        } else if (xml.isEndElement()) {
            const QString name = xml.qualifiedName().toString();
            if (name == u"style:style"_s)
                currentStyle.clear();
            else if (inBody && (name == u"text:p"_s || name == u"text:span"_s || name == u"text:h"_s))
                stack.removeLast();
        } else if (xml.isCharacters() && inBody && !stack.isEmpty() && !xml.isWhitespace()) {
            runs.push_back({xml.text().toString(), stack.last()});
        }
    }
    return runs;
}

} // namespace

class RtfPeerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void libreOfficeReadsOurText();
    void libreOfficeReadsOurFormats_data();
    void libreOfficeReadsOurFormats();
    void unrtfReadsOurText();
    void libreOfficeShowsListMarkers();

private:
    QTemporaryDir m_dir;
    std::vector<Sample> m_samples;
    QStringList m_files;
    QString m_soffice;
    std::vector<SpanFormat> m_formatRuns;
};

void RtfPeerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_samples = sampleDocuments();
    for (const Sample &sample : m_samples) {
        const QString path = m_dir.filePath(fileName(sample));
        QVERIFY(writeFile(path, rtf::write(*sample.document)));
        m_files << path;
    }
    m_soffice = QStandardPaths::findExecutable(u"soffice"_s);
}

void RtfPeerTest::libreOfficeReadsOurText()
{
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed; our files are not checked against it.");
    const QString out = m_dir.filePath(u"lo-text"_s);
    QVERIFY(convertWithLibreOffice(m_soffice, u"txt:Text (encoded):UTF8,LF,,,false"_s, m_files, out,
                                   m_dir.filePath(u"lo-profile"_s)));
    for (const Sample &sample : m_samples) {
        const QString txt =
            out + QLatin1Char('/') + QFileInfo(fileName(sample)).completeBaseName() + u".txt"_s;
        QVERIFY2(QFileInfo::exists(txt), qPrintable(u"LibreOffice did not convert "_s + sample.name));
        QString text = QString::fromUtf8(readFile(txt));
        if (text.endsWith(QLatin1Char('\n')))
            text.chop(1); // the export ends its last paragraph with a line feed
        QCOMPARE(text, expectedText(*sample.document));
    }
}

void RtfPeerTest::libreOfficeReadsOurFormats_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain has the box size") << u"Plain"_s << u"fo:font-size"_s << u"8.5pt"_s;
    QTest::newRow("bold") << u"Bold"_s << u"fo:font-weight"_s << u"bold"_s;
    QTest::newRow("italic") << u"Italic"_s << u"fo:font-style"_s << u"italic"_s;
    QTest::newRow("underlined") << u"Underlined"_s << u"style:text-underline-style"_s << u"solid"_s;
    QTest::newRow("struck") << u"Struck"_s << u"style:text-line-through-style"_s << u"solid"_s;
    QTest::newRow("bold and italic: bold") << u"BoldItalic"_s << u"fo:font-weight"_s << u"bold"_s;
    QTest::newRow("bold and italic: italic") << u"BoldItalic"_s << u"fo:font-style"_s << u"italic"_s;
    QTest::newRow("red") << u"RedLarge"_s << u"fo:color"_s << u"#ff0000"_s;
    QTest::newRow("large") << u"RedLarge"_s << u"fo:font-size"_s << u"16pt"_s;
    QTest::newRow("blue") << u"Blue"_s << u"fo:color"_s << u"#0000ff"_s;
    QTest::newRow("twenty points") << u"Twenty"_s << u"fo:font-size"_s << u"20pt"_s;
    QTest::newRow("times") << u"Times"_s << u"style:font-name"_s << u"Times New Roman"_s;
    QTest::newRow("courier") << u"Courier"_s << u"style:font-name"_s << u"Courier New"_s;
}

void RtfPeerTest::libreOfficeReadsOurFormats()
{
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed; our formats are not checked against it.");
    if (m_formatRuns.empty()) {
        const QString out = m_dir.filePath(u"lo-fodt"_s);
        const QString source = m_dir.filePath(u"formats.rtf"_s);
        QVERIFY(convertWithLibreOffice(m_soffice, u"fodt"_s, {source}, out, m_dir.filePath(u"lo-profile"_s)));
        const QByteArray fodt = readFile(out + u"/formats.fodt"_s);
        QVERIFY2(!fodt.isEmpty(), "LibreOffice did not convert formats.rtf");
        m_formatRuns = odfRuns(fodt);
    }
    QFETCH(QString, run);
    QFETCH(QString, property);
    QFETCH(QString, value);
    const auto it = std::find_if(m_formatRuns.begin(), m_formatRuns.end(),
                                 [&](const SpanFormat &s) { return s.text.trimmed().startsWith(run); });
    QVERIFY2(it != m_formatRuns.end(), qPrintable(u"no run "_s + run));
    QCOMPARE(it->properties.value(property), value);
}

void RtfPeerTest::unrtfReadsOurText()
{
    const QString unrtf = QStandardPaths::findExecutable(u"unrtf"_s);
    if (unrtf.isEmpty())
        QSKIP("unrtf is not installed; our files are not checked against it.");
    // unrtf writes Latin-1 and handles \ucN fallbacks poorly: only plain ASCII texts are compared.
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        const Sample &sample = m_samples[i];
        if (!sample.asciiOnly)
            continue;
        QByteArray output;
        QVERIFY(run(unrtf, {u"--nopict"_s, u"--text"_s, m_files[int(i)]}, &output));
        const qsizetype rule = output.indexOf("-----------------\n");
        QVERIFY2(rule >= 0, output.constData());
        QString text = QString::fromLatin1(output.mid(output.indexOf('\n', rule) + 1));
        // unrtf lays tabs out as runs of spaces and breaks lines of its own: compare words and their order.
        QCOMPARE(text.simplified(), expectedText(*sample.document).simplified());
    }
}

void RtfPeerTest::libreOfficeShowsListMarkers()
{
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed; our lists are not checked against it.");
    const struct
    {
        QString name;
        QTextListFormat::Style style;
        QString expected;
    } cases[] = {{u"bullets"_s, QTextListFormat::ListDisc, u"\u2022 One \u2022 Two After"_s},
                 {u"numbers"_s, QTextListFormat::ListDecimal, u"1. One 2. Two After"_s}};
    // Letters and roman numerals are left out: LibreOffice reads every \pn numbering as decimal.
    QStringList files;
    for (const auto &c : cases) {
        files << m_dir.filePath(c.name + u"-list.rtf"_s);
        QVERIFY(writeFile(files.last(), rtf::write(*listDocument(c.style))));
    }
    const QString out = m_dir.filePath(u"lo-lists"_s);
    QVERIFY(convertWithLibreOffice(m_soffice, u"txt:Text (encoded):UTF8,LF,,,false"_s, files, out,
                                   m_dir.filePath(u"lo-profile"_s)));
    for (const auto &c : cases) {
        const QByteArray text = readFile(out + QLatin1Char('/') + c.name + u"-list.txt"_s);
        QVERIFY2(!text.isEmpty(), qPrintable(u"LibreOffice did not convert the list "_s + c.name));
        // LibreOffice lays the marker out with spaces or a tab of its own: compare words and their order.
        QCOMPARE(QString::fromUtf8(text).simplified(), c.expected);
    }
}

QTEST_MAIN(RtfPeerTest)
#include "RtfPeerTest.moc"
