// The database keeps the oil lists of the content set in stored form; the page must show them exactly as
// written.
#include "indications/oillist/OilListCoding.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class OilListContentTest : public QObject
{
    Q_OBJECT

private slots:
    void contentListsRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("first half") << "indications-a.json";
        QTest::newRow("second half") << "indications-b.json";
    }
    void contentListsRoundTrip()
    {
        QFETCH(QString, file);
        QFile f(QStringLiteral(CONTENT_DIR "/indications/") + file);
        if (!f.exists())
            QSKIP(qPrintable(file + " is not written yet"));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
        QVERIFY2(doc.isArray(), qPrintable(f.fileName() + ": " + error.errorString()));
        QVERIFY(!doc.array().isEmpty());
        for (const QJsonValue &value : doc.array()) {
            const QJsonObject record = value.toObject();
            // The build stores line breaks as CR LF.
            const QString oils = record.value(u"Oils").toString().replace(u'\n', QStringLiteral("\r\n"));
            const QString stored = EncodeOilList(oils);
            QCOMPARE(stored.split(QStringLiteral("\r\n")).size(), oils.split(QStringLiteral("\r\n")).size());
            if (DecodeOilList(stored) != oils)
                QFAIL(qPrintable(record.value(u"Indications").toString() + ": oil list changed by storing"));
        }
    }
};

QTEST_APPLESS_MAIN(OilListContentTest)
#include "oillist_content_test.moc"
