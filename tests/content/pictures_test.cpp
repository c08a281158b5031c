// The picture set: every picture the README lists exists, Qt's SVG renderer reads it without complaint, it
// draws something, and it keeps the proportions of the box that stretches it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>
#include <cmath>

namespace {

const QString kPictureDir = QStringLiteral(CONTENT_DIR "/pictures");

struct Listed
{
    QString file;
    int boxWidth = 0;  // twips
    int boxHeight = 0; // twips
};

// Rows of the README table: "| `name.svg` | ... | width x height |".
QList<Listed> readListing(QString *error)
{
    QFile readme(kPictureDir + QStringLiteral("/README.md"));
    if (!readme.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = readme.fileName() + QStringLiteral(": ") + readme.errorString();
        return {};
    }
    static const QRegularExpression row(
        QStringLiteral(R"(^\|\s*`([a-z0-9-]+\.svg)`\s*\|.*\|\s*(\d+)\s*x\s*(\d+)\s*\|\s*$)"));
    QList<Listed> listed;
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = row.match(line.trimmed());
        if (m.hasMatch())
            listed.append({m.captured(1), m.captured(2).toInt(), m.captured(3).toInt()});
    }
    return listed;
}

// What Qt's SVG code says while a file loads: anything it skips or misreads shows up here.
QStringList g_svgWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectSvgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (context.category && QByteArrayView(context.category).startsWith("qt.svg"))
        g_svgWarnings.append(message);
    else if (g_previousHandler)
        g_previousHandler(type, context, message);
}

// Qt's renderer drops what SVG Tiny lacks (filters, masks, clip paths, patterns, style sheets) without a
// word, so such a picture would load and look different from how it was drawn. Returns the first such thing
// found.
QString unsupportedPart(const QString &path)
{
    static const QSet<QString> kElements = {QStringLiteral("svg"),
                                            QStringLiteral("title"),
                                            QStringLiteral("desc"),
                                            QStringLiteral("defs"),
                                            QStringLiteral("g"),
                                            QStringLiteral("use"),
                                            QStringLiteral("path"),
                                            QStringLiteral("rect"),
                                            QStringLiteral("circle"),
                                            QStringLiteral("ellipse"),
                                            QStringLiteral("line"),
                                            QStringLiteral("polyline"),
                                            QStringLiteral("polygon"),
                                            QStringLiteral("text"),
                                            QStringLiteral("tspan"),
                                            QStringLiteral("linearGradient"),
                                            QStringLiteral("radialGradient"),
                                            QStringLiteral("stop")};
    static const QStringList kAttributes = {QStringLiteral("filter"), QStringLiteral("mask"),
                                            QStringLiteral("clip-path")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (!kElements.contains(name))
            return QStringLiteral("element <%1> at line %2").arg(name).arg(xml.lineNumber());
        for (const QString &attribute : kAttributes)
            if (xml.attributes().hasAttribute(attribute))
                return QStringLiteral("attribute %1 at line %2").arg(attribute).arg(xml.lineNumber());
    }
    return xml.hasError() ? xml.errorString() : QString();
}

} // namespace

class PicturesTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySvgFileIsListedOnce();
    void picture_data();
    void picture();

private:
    QList<Listed> m_listed;
};

void PicturesTest::initTestCase()
{
    QString error;
    m_listed = readListing(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(!m_listed.isEmpty(), "the README lists no picture");
}

void PicturesTest::everySvgFileIsListedOnce()
{
    QStringList names;
    for (const Listed &l : std::as_const(m_listed)) {
        QVERIFY2(!names.contains(l.file), qPrintable(l.file + QStringLiteral(" is listed twice")));
        names.append(l.file);
    }
    const QStringList present = QDir(kPictureDir).entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString &file : present)
        QVERIFY2(names.contains(file), qPrintable(file + QStringLiteral(" is missing from the README")));
}

void PicturesTest::picture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("boxWidth");
    QTest::addColumn<int>("boxHeight");
    for (const Listed &l : std::as_const(m_listed))
        QTest::newRow(qPrintable(l.file)) << l.file << l.boxWidth << l.boxHeight;
}

void PicturesTest::picture()
{
    QFETCH(QString, file);
    QFETCH(int, boxWidth);
    QFETCH(int, boxHeight);
    const QString path = kPictureDir + QLatin1Char('/') + file;
    const QFileInfo info(path);
    QVERIFY2(info.isFile(), qPrintable(path + QStringLiteral(" does not exist")));
    // Pictures are compiled into the program; a picture this large has something wrong with it.
    QVERIFY2(info.size() < 64 * 1024, qPrintable(QStringLiteral("%1 bytes").arg(info.size())));
    QVERIFY(boxWidth > 0 && boxHeight > 0);

    g_svgWarnings.clear();
    g_previousHandler = qInstallMessageHandler(collectSvgWarnings);
    QSvgRenderer renderer(path);
    const bool valid = renderer.isValid();
    qInstallMessageHandler(g_previousHandler);
    QVERIFY2(valid, qPrintable(path + QStringLiteral(" is not a valid SVG for Qt")));
    QVERIFY2(g_svgWarnings.isEmpty(), qPrintable(g_svgWarnings.join(QStringLiteral("; "))));

    const QString unsupported = unsupportedPart(path);
    QVERIFY2(unsupported.isEmpty(), qPrintable(QStringLiteral("Qt would not draw the ") + unsupported));

    const QRectF viewBox = renderer.viewBoxF();
    QVERIFY2(viewBox.width() > 0 && viewBox.height() > 0, "no viewBox");
    const double pictureRatio = viewBox.width() / viewBox.height();
    const double boxRatio = double(boxWidth) / double(boxHeight);
    QVERIFY2(
        std::abs(pictureRatio / boxRatio - 1.0) < 0.03,
        qPrintable(QStringLiteral("proportions %1 against the box's %2").arg(pictureRatio).arg(boxRatio)));

    // Rendered at its box's pixel size, the picture must cover a good part of it.
    const QSize pixels(boxWidth / 15, boxHeight / 15);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    qsizetype painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    QVERIFY2(painted * 5 >= qsizetype(pixels.width()) * pixels.height(),
             qPrintable(QStringLiteral("only %1 of %2 pixels painted")
                            .arg(painted)
                            .arg(pixels.width() * pixels.height())));
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
