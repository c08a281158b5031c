// The companion reference pages and the menu's base-oils panel show what reference/*.json holds. The texts
// that the program must show word for word are checked here, as are the lists whose entries and order are
// fixed.
#include "ContentFile.h"
#include "content/BaseOilsPanel.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <limits>

namespace {

QJsonObject readObject(const QString &path, QString *problem)
{
    return readContentObject(path, problem);
}

QJsonObject reference(const QString &name)
{
    QString problem;
    const QJsonObject object = readObject(QStringLiteral(CONTENT_DIR "/reference/") + name, &problem);
    if (!problem.isEmpty())
        qWarning("%s", qPrintable(problem));
    return object;
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

QList<QStringList> columns(const QJsonObject &namesBlock)
{
    QList<QStringList> result;
    for (const QJsonValue &column : namesBlock.value(u"columns").toArray())
        result << strings(column);
    return result;
}

QList<QJsonObject> blocksOfKind(const QJsonObject &page, QStringView kind)
{
    QList<QJsonObject> blocks;
    for (const QJsonValue &v : page.value(u"blocks").toArray())
        if (v.toObject().value(u"kind").toString() == kind)
            blocks << v.toObject();
    return blocks;
}

QStringList textsOf(const QList<QJsonObject> &blocks)
{
    QStringList texts;
    for (const QJsonObject &block : blocks)
        texts << block.value(u"text").toString();
    return texts;
}

// 1078700 -> "1 078 700", the way the antioxidants page writes its values.
QString grouped(qint64 value)
{
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, u' ');
    return digits;
}

// "a.b.c" looked up in nested objects; undefined when a part is missing.
QJsonValue atKeyPath(const QJsonObject &root, const QString &path)
{
    QJsonValue value = root;
    for (const QString &key : path.split(u'.'))
        value = value.toObject().value(key);
    return value;
}

} // namespace

class ReferenceContentTest : public QObject
{
    Q_OBJECT

private slots:
    void baseOilPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("page 1") << 0 << "frmBaseOils" << QStringList{"Aloe",
                                                                     "Avocado Oil",
                                                                     "Apricot Kernel Oil",
                                                                     "Black Currant Oil",
                                                                     "Borage Seed Oil",
                                                                     "Calendula Oil",
                                                                     "Comfrey Oil",
                                                                     "Carrot Oil",
                                                                     "Corn Oil",
                                                                     "Evening Primrose Oil"};
        QTest::newRow("page 2") << 1 << "frmBaseOils2"
                                << QStringList{"Grape Seed Oil", "Hazelnut Oil",  "Jojoba Oil",
                                               "Olive Oil",      "Safflower Oil", "Sesame Seed Oil",
                                               "Soya Bean Oil",  "Sunflower Oil", "Sweet Almond Oil",
                                               "Wheatgerm Oil"};
    }

    void baseOilPages()
    {
        QFETCH(int, index);
        QFETCH(QString, form);
        QFETCH(QStringList, names);

        const QJsonObject root = reference(QStringLiteral("baseoils.json"));
        QCOMPARE(root.value(u"heading").toString(), QStringLiteral("Base Oils Quick Reference"));
        QCOMPARE(strings(root.value(u"columnHeadings")),
                 (QStringList{"Base Oil", "Application", "Therapeutic Indication"}));
        QCOMPARE(strings(root.value(u"rowBackgrounds")), (QStringList{"#ffffff", "#c0e0f0"}));
        QCOMPARE(root.value(u"pages").toArray().size(), 2);

        const QJsonObject page = root.value(u"pages").toArray().at(index).toObject();
        QCOMPARE(page.value(u"form").toString(), form);
        QStringList actual;
        for (const QJsonValue &v : page.value(u"rows").toArray()) {
            const QJsonObject row = v.toObject();
            actual << row.value(u"name").toString();
            QVERIFY2(!row.value(u"application").toString().isEmpty(), qPrintable(actual.last()));
            QVERIFY2(row.value(u"indication").toString().endsWith(u'.'), qPrintable(actual.last()));
        }
        QCOMPARE(actual, names);
    }

    void safetyPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QList<QStringList>>("nameColumns"); // the name blocks' columns, one after another

        QTest::newRow("1/3") << 0 << "frmSafety"
                             << QStringList{"Essential Oils Safety", "Before trying any new oil:"}
                             << QList<QStringList>{};
        QTest::newRow("2/3")
            << 1 << "frmSafety2" << QStringList{"Quality:", "Storage:", "Essential Oils to Avoid:"}
            << QList<QStringList>{{"Bitter Almond", "Boldo Leaf", "Calamus", "Yellow Camphor", "Horseradish"},
                                  {"Jaborandi Leaf", "Mugwort", "Mustard", "Pennyroyal", "Rue"},
                                  {"Sassafras", "Savin", "Southernwood", "Tansy", "Thuja"},
                                  {"Wintergreen", "Wormseed", "Wormwood"}};
        QTest::newRow("3/3")
            << 2 << "frmSafety3" << QStringList{"Photosensitizing Oils:", "Pregnancy:"}
            << QList<QStringList>{
                   {"Angelica 0.8%", "Bergamot 0.4%", "Cumin 0.4%"},
                   {"Citrus Hystrix", "Grapefruit 4%", "Lemon 2%"},
                   {"Lime 0.7%", "Orange"},
                   {"Tagetes 0.25%", "Tangerine"},
                   {"Angelica", "Aniseed", "Basil", "Camphor", "Cedarwood", "Clary Sage", "Clove"},
                   {"Cinnamon", "Fennel", "Hyssop", "Jasmine", "Juniper", "Lovage", "Melissa"},
                   {"Myrrh", "Marjoram", "Origanum", "Parsley", "Peppermint", "Rosemary", "Savory"},
                   {"Sage", "Spanish Marjoram", "Sweet Marjoram", "Tarragon", "Thyme"},
                   {"Mugwort"},
                   {"Pennyroyal"}};
    }

    void safetyPages()
    {
        QFETCH(int, index);
        QFETCH(QString, form);
        QFETCH(QStringList, headings);
        QFETCH(QList<QStringList>, nameColumns);

        const QJsonArray pages = reference(QStringLiteral("safety.json")).value(u"pages").toArray();
        QCOMPARE(pages.size(), 3);
        const QJsonObject page = pages.at(index).toObject();
        QCOMPARE(page.value(u"form").toString(), form);
        QCOMPARE(textsOf(blocksOfKind(page, u"heading")), headings);

        QList<QStringList> actual;
        for (const QJsonObject &block : blocksOfKind(page, u"names"))
            actual << columns(block);
        QCOMPARE(actual, nameColumns);
        for (const QJsonObject &block : blocksOfKind(page, u"names"))
            QVERIFY(columns(block).size() <= 4);
    }

    void safetyRules()
    {
        const QJsonObject page = reference(QStringLiteral("safety.json")).value(u"pages")[0].toObject();
        const QList<QJsonObject> rules = blocksOfKind(page, u"rule");
        QCOMPARE(rules.size(), 5);
        for (int i = 0; i < rules.size(); ++i)
            QVERIFY2(textsOf(rules).at(i).startsWith(QStringLiteral("%1. ").arg(i + 1)),
                     qPrintable(textsOf(rules).at(i)));
        QCOMPARE(textsOf(rules).at(0), QStringLiteral("1. Always check for Allergies!"));
        QCOMPARE(textsOf(rules).at(1),
                 QStringLiteral(
                     "2. Do not prescribe, treat or diagnose unless you are a qualified professional."));
        QCOMPARE(
            textsOf(rules).at(3),
            QStringLiteral(
                "4. Essential Oils are concentrated and in most cases must be diluted with a Base Oil."));
        QCOMPARE(strings(rules.at(0).value(u"indented")).size(), 3); // allergies, adulterated oils, skin test
        QCOMPARE(strings(rules.at(4).value(u"indented")).last(),
                 QStringLiteral("(FDA-approved food additive)."));

        const QJsonObject last = reference(QStringLiteral("safety.json")).value(u"pages")[2].toObject();
        QVERIFY(textsOf(blocksOfKind(last, u"line"))
                    .contains(u"Also, the following oils are abortive and MUST NOT be used when pregnant:"));
        const QList<QJsonObject> sources = blocksOfKind(last, u"source");
        QCOMPARE(sources.size(), 1);
        QVERIFY(textsOf(sources).at(0).startsWith(u'(') && textsOf(sources).at(0).endsWith(u')'));
    }

    // The paragraphs are ours to write; their number and the buttons between them are fixed.
    void informationPage()
    {
        const QJsonObject page = reference(QStringLiteral("information.json"));
        QCOMPARE(page.value(u"form").toString(), QStringLiteral("frmInformation"));

        QStringList shape;
        for (const QJsonValue &v : page.value(u"blocks").toArray()) {
            const QJsonObject block = v.toObject();
            QVERIFY(!block.value(u"text").toString().isEmpty());
            shape << block.value(u"kind").toString() +
                         (block.contains(u"name") ? u':' + block.value(u"name").toString() : QString());
        }
        QCOMPARE(shape, (QStringList{"heading", "paragraph", "paragraph", "paragraph", "paragraph", "heading",
                                     "paragraph", "line", "button:cmdFootChart", "paragraph",
                                     "button:cmdSafety", "button:cmdClose"}));
        QCOMPARE(textsOf(blocksOfKind(page, u"button")),
                 (QStringList{"View Foot Reflexology Chart", "Safety First!", "Close"}));
    }

    void antioxidants_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("oils") << "oils"
                              << QStringList{"Clove",       "Myrrh",      "Citronella",    "Coriander",
                                             "Fennel",      "Clary Sage", "Chamomile, G.", "Cedarwood",
                                             "Rose",        "Nutmeg",     "Melissa",       "Marjoram",
                                             "Ylang Ylang", "Palmarosa",  "Rosewood",      "Manuka"};
        QTest::newRow("foods") << "foods"
                               << QStringList{"Prunes",       "Raisins",     "Blueberries", "Kale",
                                              "Strawberries", "Raspberries", "Oranges",     "Carrots"};
    }

    void antioxidants()
    {
        QFETCH(QString, list);
        QFETCH(QStringList, names);

        const QJsonObject page = reference(QStringLiteral("antioxidants.json"));
        QCOMPARE(page.value(u"heading").toString(), QStringLiteral("Essential Oil Antioxidants"));
        QCOMPARE(
            page.value(u"foodsIntro").toString(),
            QStringLiteral("In comparison, the following antioxidant values are from Common Food items:"));
        QVERIFY(!page.value(u"study").toString().isEmpty());

        QStringList actual;
        qint64 previous = std::numeric_limits<qint64>::max();
        for (const QJsonValue &v : page.value(list).toArray()) {
            const QJsonObject entry = v.toObject();
            actual << entry.value(u"name").toString();
            const qint64 value = entry.value(u"value").toInteger(-1);
            QVERIFY2(value > 0, qPrintable(actual.last()));
            // The heading promises descending order, so the cells follow the values.
            QVERIFY2(value <= previous, qPrintable(actual.last()));
            previous = value;
            QCOMPARE(entry.value(u"text").toString(), grouped(value));
        }
        QCOMPARE(actual, names);
    }

    void cloveLeadsTheOils()
    {
        const QJsonObject clove =
            reference(QStringLiteral("antioxidants.json")).value(u"oils").toArray().first().toObject();
        QCOMPARE(clove.value(u"text").toString(), QStringLiteral("1 078 700"));
    }

    void baseOilsPanel()
    {
        QFile file(QStringLiteral(CONTENT_DIR "/") + content::BaseOilsPanelFile);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const content::Parsed<content::BaseOilsPanel> parsed = content::parseBaseOilsPanel(file.readAll());
        QVERIFY2(parsed.problem.isEmpty(), qPrintable(parsed.problem));
        const content::BaseOilsPanel &panel = parsed.value;
        QVERIFY(panel.introduction.size() > 100);
        QCOMPARE(panel.dilutions,
                 (QStringList{"Small area, short use: up to 5% (5 ml Essential Oil per 100 ml Base Oil).",
                              "Full Body Massage: 1% to 2.5% dilution; children and the elderly 0.5% to 1%.",
                              "Partial Body Massage: 1.5% to 3% dilution; under 2 years only on advice."}));

        const QList<QStringList> expected{{"1/2 teaspoon (2.5 ml) base oil", "1 drop essential oil"},
                                          {"1 teaspoon (5 ml) base oil", "2 - 5 drops essential oil"},
                                          {"1 and a half teaspoons base oil", "3 - 7 drops essential oil"},
                                          {"2 teaspoons (10 ml) base oil", "4 - 10 drops essential oil"},
                                          {"2 and a half teaspoons base oil", "5 - 12 drops essential oil"},
                                          {"3 teaspoons (15 ml) base oil", "6 - 15 drops essential oil"},
                                          {"4 teaspoons (20 ml) base oil", "8 - 20 drops essential oil"},
                                          {"5 teaspoons (25 ml) base oil", "10 - 25 drops essential oil"},
                                          {"5 and a half teaspoons base oil", "11 - 27 drops essential oil"},
                                          {"6 teaspoons (30 ml) base oil", "12 - 30 drops essential oil"}};
        QList<QStringList> actual;
        for (const content::Measurement &row : panel.measurements)
            actual << QStringList{row.baseOil, row.essentialOil};
        QCOMPARE(actual, expected);
    }

    void reflexologyChart()
    {
        const QJsonObject page = reference(QStringLiteral("reflexology.json"));
        QCOMPARE(page.value(u"labels")[u"right"].toString(), QStringLiteral("Right Foot"));
        QCOMPARE(page.value(u"labels")[u"left"].toString(), QStringLiteral("Left Foot"));
    }

    void aboutWindow()
    {
        const QJsonObject about = reference(QStringLiteral("about.json"));
        const QJsonObject labels = about.value(u"labels").toObject();
        QCOMPARE(labels.value(u"lblAppName").toString(), QStringLiteral("Ambrelis 2.7"));
        QCOMPARE(labels.value(u"lblVersion").toString(), QStringLiteral("Version 2.7"));
        QCOMPARE(labels.value(u"Label3").toString(),
                 QStringLiteral("For questions, suggestions or support, please contact us at:"));
        QCOMPARE(labels.value(u"lblCompany").toString(), QStringLiteral("VarnholtPublishing"));
        QCOMPARE(about.value(u"buttons")[u"cmdUpgrade"].toString(), QStringLiteral("Upgrade"));
        QCOMPARE(about.value(u"buttons")[u"cmdHistory"].toString(), QStringLiteral("History"));
        for (const char16_t *contact : {u"Label1", u"Label2", u"lblPhoneNr", u"Label15", u"Label11"})
            QVERIFY2(labels.value(QStringView(contact)).toString().contains(u"{maker."),
                     qPrintable(QString::fromUtf16(contact)));
    }

    // A placeholder the configuration does not define would reach the screen as "{maker....}".
    void aboutPlaceholdersNameConfiguredValues()
    {
        QString problem;
        const QJsonObject maker =
            readObject(QStringLiteral(PROJECT_SOURCE_DIR_PATH "/config/maker.json"), &problem);
        if (!problem.isEmpty())
            QSKIP(qPrintable(problem));

        static const QRegularExpression placeholder(QStringLiteral("\\{maker\\.([A-Za-z.]+)\\}"));
        int seen = 0;
        for (const QJsonValue &text : reference(QStringLiteral("about.json")).value(u"labels").toObject()) {
            for (const QRegularExpressionMatch &m : placeholder.globalMatch(text.toString())) {
                ++seen;
                QVERIFY2(atKeyPath(maker, m.captured(1)).isString(), qPrintable(m.captured(0)));
            }
            QVERIFY2(!text.toString().remove(placeholder).contains(u'{'), qPrintable(text.toString()));
        }
        QVERIFY(seen > 0);
    }
};

QTEST_GUILESS_MAIN(ReferenceContentTest)
#include "reference_test.moc"
