#include "indications/logic/IndicationsText.h"

#include <QTest>

using namespace indications;

class IndicationsTextTest : public QObject
{
    Q_OBJECT

private slots:
    void criteria_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("criteria");
        QTest::newRow("leading blank removed") << " Abscess"
                                               << "[Indications] = 'Abscess'";
        QTest::newRow("inner comma and blank kept") << " Abscess, dental"
                                                    << "[Indications] = 'Abscess, dental'";
        QTest::newRow("apostrophe doubled") << " Athlete's foot"
                                            << "[Indications] = 'Athlete''s foot'";
        QTest::newRow("trailing blanks removed") << " Acne  "
                                                 << "[Indications] = 'Acne'";
    }
    void criteria()
    {
        QFETCH(QString, entry);
        QFETCH(QString, criteria);
        QCOMPARE(criteriaForEntry(entry), criteria);
    }

    void printText_data()
    {
        QTest::addColumn<QString>("affliction");
        QTest::addColumn<QString>("oils");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("text");
        QTest::newRow("all fields")
            << "Bronchitis"
            << "Eucalyptus, Thyme\nPine"
            << "Inhalation."
            << "See a doctor."
            << "\r\nAffliction: \r\nBronchitis\r\n\r\nEssential Oils:\r\nEucalyptus, Thyme\r\nPine\r\n\r\n"
               "Methods of Application: \r\nInhalation.\r\n\r\nNotes: \r\nSee a doctor.\r\n\r\n";
        QTest::newRow("empty notes end with three line breaks")
            << "Acne"
            << "Tea Tree"
            << "Compress."
            << ""
            << "\r\nAffliction: \r\nAcne\r\n\r\nEssential Oils:\r\nTea Tree\r\n\r\n"
               "Methods of Application: \r\nCompress.\r\n\r\nNotes: \r\n\r\n\r\n";
        QTest::newRow("line breaks of the boxes become CR LF")
            << "A"
            << "B\r\nC"
            << "D\nE"
            << "F\rG"
            << "\r\nAffliction: \r\nA\r\n\r\nEssential Oils:\r\nB\r\nC\r\n\r\n"
               "Methods of Application: \r\nD\r\nE\r\n\r\nNotes: \r\nF\r\nG\r\n\r\n";
    }
    void printText()
    {
        QFETCH(QString, affliction);
        QFETCH(QString, oils);
        QFETCH(QString, method);
        QFETCH(QString, notes);
        QFETCH(QString, text);
        QCOMPARE(buildPrintText({affliction, oils, method, notes}), text);
    }

    void afflictionList()
    {
        const QStringList entries = afflictionListEntries();
        QCOMPARE(entries.size(), 251);
        QCOMPARE(entries.first(), QStringLiteral(" Abscess"));
        QCOMPARE(entries[1], QStringLiteral(" Abscess, dental"));
        for (const QString &entry : entries) {
            QVERIFY(entry.startsWith(QLatin1Char(' ')) && !entry.startsWith(QLatin1String("  ")));
            QVERIFY(!entry.contains(QLatin1Char('\'')));
        }
        for (int i = 1; i < entries.size(); ++i)
            QVERIFY2(entries[i - 1].compare(entries[i], Qt::CaseInsensitive) < 0, qPrintable(entries[i]));
    }
};

QTEST_APPLESS_MAIN(IndicationsTextTest)
#include "IndicationsTextTest.moc"
