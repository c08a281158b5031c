#include "companion/logic/PathFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class PathFileTest final : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("folder"); // "(ignored)" when the file gives no folder
        const QChar unix(u'/');
        const QChar windows(u'\\');
        QTest::newRow("unix folder") << QByteArray("/opt/SKP/\r\n") << unix << "/opt/SKP/";
        QTest::newRow("windows folder on another drive")
            << QByteArray("D:\\Tools\\SKP\\\r\n") << windows << "D:\\Tools\\SKP\\";
        QTest::newRow("drive root") << QByteArray("E:\\\r\n") << windows << "E:\\";
        QTest::newRow("without final separator") << QByteArray("/opt/SKP\r\n") << unix << "(ignored)";
        QTest::newRow("trailing blank after separator")
            << QByteArray("/opt/SKP/ \r\n") << unix << "(ignored)";
        QTest::newRow("windows line on unix") << QByteArray("C:\\SKP\\\r\n") << unix << "(ignored)";
        QTest::newRow("only the first line counts")
            << QByteArray("/opt/nothing\r\n/opt/SKP/\r\n") << unix << "(ignored)";
        QTest::newRow("second line ignored")
            << QByteArray("/opt/SKP/\r\n/elsewhere/\r\n") << unix << "/opt/SKP/";
        QTest::newRow("LF only") << QByteArray("/opt/SKP/\n") << unix << "/opt/SKP/";
        QTest::newRow("CR only") << QByteArray("/opt/SKP/\rjunk") << unix << "/opt/SKP/";
        QTest::newRow("no line break at all") << QByteArray("/opt/SKP/") << unix << "/opt/SKP/";
        QTest::newRow("empty file") << QByteArray() << unix << "(ignored)";
        QTest::newRow("empty first line") << QByteArray("\r\n/opt/SKP/\r\n") << unix << "(ignored)";
        QTest::newRow("windows-1252 letters")
            << QByteArray("/opt/Caf\xE9 \x80/\r\n") << unix << QStringLiteral("/opt/Café €/");
    }

    void parse()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QChar, separator);
        QFETCH(QString, folder);
        QCOMPARE(companion::ParsePathFile(bytes, separator).value_or(QStringLiteral("(ignored)")), folder);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unix") << "/home/ann/SKP/" << QChar(u'/') << QByteArray("/home/ann/SKP/\r\n");
        QTest::newRow("windows") << "D:\\Program Files\\SKP\\" << QChar(u'\\')
                                 << QByteArray("D:\\Program Files\\SKP\\\r\n");
        QTest::newRow("accented folder")
            << QStringLiteral("/home/zoë/SKP/") << QChar(u'/') << QByteArray("/home/zo\xEB/SKP/\r\n");
    }

    void roundTrip()
    {
        QFETCH(QString, folder);
        QFETCH(QChar, separator);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QString::fromLatin1(companion::kPathFileName));
        // A longer earlier line must not survive the rewrite.
        QVERIFY(
            !companion::WritePathFile(path, QStringLiteral("/a/much/longer/folder/that/was/stored/first/")));
        QVERIFY(!companion::WritePathFile(path, folder));

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray onDisk = file.readAll();
        QCOMPARE(onDisk, bytes);
        QCOMPARE(companion::ParsePathFile(onDisk, separator).value_or(QString()), folder);
    }

    void writeFailureIsReported()
    {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("appdir"));
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = notAFolder + QStringLiteral("/PathSKP.txt");
        const std::optional<ansi::FileError> error =
            companion::WritePathFile(path, QStringLiteral("/opt/SKP/"));
        QVERIFY(error.has_value());
        QCOMPARE(error->path, path);
    }
};

QTEST_GUILESS_MAIN(PathFileTest)
#include "PathFileTest.moc"
