// The indications that name an oil, read from a database: every name of the oil counts, other oils whose
// names share words do not.
#include "indications/logic/OilIndications.h"

#include "app/shell/FormId.h"
#include "indications/logic/IndicationsSchema.h"
#include "indications/oillist/OilListCoding.h"
#include "jet/Create.h"

#include <QTemporaryDir>
#include <QTest>

class OilIndicationsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_path;

private slots:
    void initTestCase()
    {
        const std::pair<const char *, const char *> records[] = {
            {"Bronchitis", "Fir, Balsam, Thyme"},
            {"Abscess", "Tea Tree, Lavender"},
            {"acne", "Tea tree"},
            {"Cough", "Roman chamomile\nFir, Douglas"},
            {"Burns", "Lavender"},
            {"Cold sores", "Lavandin"},
        };
        std::vector<std::vector<jet::Value>> rows;
        for (const auto &[name, oils] : records)
            rows.push_back({jet::Value::ofText(name),
                            jet::Value::ofText(EncodeOilList(QString::fromLatin1(oils)).toStdString()),
                            jet::Value::null(), jet::Value::null()});
        m_path = m_folder.filePath(QStringLiteral("Indications.mdb"));
        QVERIFY(jet::createDatabase(m_path.toStdString(), indications::tableDefinition(), rows).ok());
    }

    void namesOfAnOil_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("letter case of the oil, name order")
            << Forms::frmEssentialOils96 << "Tea Tree" << QStringList{"Abscess", "acne"};
        QTest::newRow("a name with a comma, not its neighbour")
            << Forms::frmEssentialOils6 << "Fir, Balsam" << QStringList{"Bronchitis"};
        QTest::newRow("another name, on a second line")
            << Forms::frmEssentialOils3 << "Chamomile, Roman" << QStringList{"Cough"};
        QTest::newRow("not an oil whose name starts alike")
            << Forms::frmEssentialOils8 << "Lavender" << QStringList{"Abscess", "Burns"};
        QTest::newRow("named nowhere") << Forms::frmEssentialOils1 << "Angelica" << QStringList{};
    }
    void namesOfAnOil()
    {
        QFETCH(FormId, form);
        QFETCH(QString, row);
        QFETCH(QStringList, names);
        QString error;
        QCOMPARE(indications::indicationsNaming({form.name(), row}, m_path, &error), std::optional(names));
        QVERIFY(error.isEmpty());
    }

    void aMissingFileIsNamed()
    {
        QString error;
        const QString missing = m_folder.filePath(QStringLiteral("none.mdb"));
        QCOMPARE(
            indications::indicationsNaming({Forms::frmEssentialOils8.name(), "Lavender"}, missing, &error),
            std::nullopt);
        QVERIFY2(error.contains(missing), qPrintable(error));
    }
};

QTEST_MAIN(OilIndicationsTest)
#include "OilIndicationsTest.moc"
