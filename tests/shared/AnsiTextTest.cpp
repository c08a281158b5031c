#include "shared/AnsiText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class AnsiTextTest final : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("To: \"a@b.example\"") << QByteArray("To: \"a@b.example\"");
        QTest::newRow("latin-1 letters") << QStringLiteral("Crème brûlée")
                                         << QByteArray("Cr\xE8me br\xFBl\xE9"
                                                       "e");
        QTest::newRow("euro and curly quotes")
            << QStringLiteral("€ “x” – …") << QByteArray("\x80 \x93x\x94 \x96 \x85");
        QTest::newRow("letters only in the 0x80 row")
            << QStringLiteral("ŠšŽžŸŒœƒ") << QByteArray("\x8A\x9A\x8E\x9E\x9F\x8C\x9C\x83");
        QTest::newRow("greek and cyrillic") << QStringLiteral("Ω и") << QByteArray("? ?");
        QTest::newRow("outside the BMP is one mark") << QStringLiteral("a\U0001F33Fb") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
        QTest::newRow("undefined 1252 bytes kept as C1")
            << QStringLiteral("\u0081\u008D\u008F\u0090\u009D") << QByteArray("\x81\x8D\x8F\x90\x9D");
        QTest::newRow("other C1 controls") << QStringLiteral("\u0080\u009F") << QByteArray("??");
        QTest::newRow("nbsp and y-umlaut") << QStringLiteral("\u00A0\u00FF") << QByteArray("\xA0\xFF");
    }

    void encodes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ansi::toWindows1252(text), bytes);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = ansi::fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x99), QChar(0x2122));
        QCOMPARE(ansi::toWindows1252(text), all);
    }

    void writeFileTruncates()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("f.txt"));
        QVERIFY(!ansi::writeFile(path, "a much longer first content"));
        QVERIFY(!ansi::writeFile(path, "short"));
        QCOMPARE(ansi::readFile(path).value_or("(unreadable)"), QByteArray("short"));
    }

    void writeFileReportsFailure_data()
    {
        QTest::addColumn<QString>("relativePath");
        // Tests may run as root, for whom folder permissions do not block writing; these paths fail for
        // anyone.
        QTest::newRow("folder is a plain file") << QStringLiteral("plain/Support.eml");
        QTest::newRow("file name is a folder") << QStringLiteral("folder");
        QTest::newRow("folder does not exist") << QStringLiteral("missing/Support.eml");
    }

    void writeFileReportsFailure()
    {
        QFETCH(QString, relativePath);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile plain(dir.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

        const QString path = dir.filePath(relativePath);
        const std::optional<ansi::FileError> error = ansi::writeFile(path, "x");
        QVERIFY(error.has_value());
        QCOMPARE(error->path, path);
        QVERIFY(!error->reason.isEmpty());
        QVERIFY(error->userText().contains(path));
    }

    void writeFileReportsFullDisk()
    {
        // The open succeeds and only the write fails, which a check of open() alone would miss.
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full on this platform");
        const std::optional<ansi::FileError> error = ansi::writeFile(QStringLiteral("/dev/full"), "x");
        QVERIFY(error.has_value());
        QCOMPARE(error->path, QStringLiteral("/dev/full"));
    }

    void readFileOfMissingFile()
    {
        QTemporaryDir dir;
        QVERIFY(!ansi::readFile(dir.filePath(QStringLiteral("none.txt"))).has_value());
    }
};

QTEST_GUILESS_MAIN(AnsiTextTest)
#include "AnsiTextTest.moc"
