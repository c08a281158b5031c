// The companion reference pages and the menu's base-oils panel show what reference/*.json holds. The texts
// that the program must show word for word are checked here, as are the lists whose entries and order are
// fixed.
#include "ContentFile.h"
#include "ReadContent.h"
#include "app/shell/FormId.h"
#include "content/BaseOilsPanel.h"
#include "content/ReferencePages.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>
#include <limits>

namespace {

QStringList textsOf(const content::TextPageContent &page, content::TextBlock::Kind kind)
{
    QStringList texts;
    for (const content::TextBlock &block : page.blocks)
        if (block.kind == kind)
            texts << block.text;
    return texts;
}

const content::TextBlock &rule(const content::TextPageContent &page, int index)
{
    for (const content::TextBlock &block : page.blocks)
        if (block.kind == content::TextBlock::Kind::Rule && index-- == 0)
            return block;
    qFatal("no rule %d", index);
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
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("page 1") << 0 << Forms::frmBaseOils << QStringList{"Aloe",
                                                                          "Avocado Oil",
                                                                          "Apricot Kernel Oil",
                                                                          "Black Currant Oil",
                                                                          "Borage Seed Oil",
                                                                          "Calendula Oil",
                                                                          "Comfrey Oil",
                                                                          "Carrot Oil",
                                                                          "Corn Oil",
                                                                          "Evening Primrose Oil"};
        QTest::newRow("page 2") << 1 << Forms::frmBaseOils2
                                << QStringList{"Grape Seed Oil", "Hazelnut Oil",  "Jojoba Oil",
                                               "Olive Oil",      "Safflower Oil", "Sesame Seed Oil",
                                               "Soya Bean Oil",  "Sunflower Oil", "Sweet Almond Oil",
                                               "Wheatgerm Oil"};
    }

    void baseOilPages()
    {
        QFETCH(int, index);
        QFETCH(FormId, form);
        QFETCH(QStringList, names);

        const content::BaseOilBook book = read(content::BaseOilBookFile, &content::parseBaseOilBook);
        QCOMPARE(book.heading, QStringLiteral("Base Oils Quick Reference"));
        QCOMPARE(book.columnHeadings, (QStringList{"Base Oil", "Application", "Therapeutic Indication"}));
        QCOMPARE(book.rowBackgrounds, (QStringList{"#ffffff", "#c0e0f0"}));
        QCOMPARE(book.pages.size(), 2u);

        const content::BaseOilBook::Page &page = book.pages.at(index);
        QCOMPARE(page.form, form.name());
        QStringList actual;
        for (const content::BaseOilRow &row : page.rows) {
            actual << row.name;
            QVERIFY2(!row.application.isEmpty(), qPrintable(actual.last()));
            QVERIFY2(row.indication.endsWith(u'.'), qPrintable(actual.last()));
        }
        QCOMPARE(actual, names);
    }

    void safetyPages_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QList<QStringList>>("nameColumns"); // the name blocks' columns, one after another

        QTest::newRow("1/3") << 0 << Forms::frmSafety
                             << QStringList{"Essential Oils Safety", "Before trying any new oil:"}
                             << QList<QStringList>{};
        QTest::newRow("2/3")
            << 1 << Forms::frmSafety2 << QStringList{"Quality:", "Storage:", "Essential Oils to Avoid:"}
            << QList<QStringList>{{"Bitter Almond", "Boldo Leaf", "Calamus", "Yellow Camphor", "Horseradish"},
                                  {"Jaborandi Leaf", "Mugwort", "Mustard", "Pennyroyal", "Rue"},
                                  {"Sassafras", "Savin", "Southernwood", "Tansy", "Thuja"},
                                  {"Wintergreen", "Wormseed", "Wormwood"}};
        QTest::newRow("3/3")
            << 2 << Forms::frmSafety3 << QStringList{"Photosensitizing Oils:", "Pregnancy:"}
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
        QFETCH(FormId, form);
        QFETCH(QStringList, headings);
        QFETCH(QList<QStringList>, nameColumns);

        const auto pages = read(content::SafetyPagesFile, &content::parseSafetyPages);
        QCOMPARE(pages.size(), 3u);
        const content::TextPageContent &page = pages.at(index);
        QCOMPARE(page.form, form.name());
        QCOMPARE(textsOf(page, content::TextBlock::Kind::Heading), headings);

        QList<QStringList> actual;
        for (const content::TextBlock &block : page.blocks)
            if (block.kind == content::TextBlock::Kind::Names)
                actual << block.columns;
        QCOMPARE(actual, nameColumns);
    }

    void safetyRules()
    {
        const auto pages = read(content::SafetyPagesFile, &content::parseSafetyPages);
        const content::TextPageContent &page = pages.at(0);
        const QStringList rules = textsOf(page, content::TextBlock::Kind::Rule);
        QCOMPARE(rules.size(), 5);
        for (int i = 0; i < rules.size(); ++i)
            QVERIFY2(rules.at(i).startsWith(QStringLiteral("%1. ").arg(i + 1)), qPrintable(rules.at(i)));
        QCOMPARE(rules.at(0), QStringLiteral("1. Always check for Allergies!"));
        QCOMPARE(rules.at(1),
                 QStringLiteral(
                     "2. Do not prescribe, treat or diagnose unless you are a qualified professional."));
        QCOMPARE(
            rules.at(3),
            QStringLiteral(
                "4. Essential Oils are concentrated and in most cases must be diluted with a Base Oil."));
        QCOMPARE(rule(page, 0).indented.size(), 3); // allergies, adulterated oils, skin test
        QCOMPARE(rule(page, 4).indented.last(), QStringLiteral("(FDA-approved food additive)."));

        const content::TextPageContent &last = pages.at(2);
        QVERIFY(textsOf(last, content::TextBlock::Kind::Line)
                    .contains(u"Also, the following oils are abortive and MUST NOT be used when pregnant:"));
        const QStringList sources = textsOf(last, content::TextBlock::Kind::Source);
        QCOMPARE(sources.size(), 1);
        QVERIFY(sources.at(0).startsWith(u'(') && sources.at(0).endsWith(u')'));
    }

    // The paragraphs are ours to write; their number and the buttons between them are fixed.
    void informationPage()
    {
        const content::TextPageContent page =
            read(content::InformationPageFile, &content::parseInformationPage);
        QCOMPARE(page.form, Forms::frmInformation.name());

        using Kind = content::TextBlock::Kind;
        QStringList shape;
        for (const content::TextBlock &block : page.blocks) {
            QVERIFY(!block.text.isEmpty());
            shape << (block.kind == Kind::Heading     ? QStringLiteral("heading")
                      : block.kind == Kind::Paragraph ? QStringLiteral("paragraph")
                      : block.kind == Kind::Line      ? QStringLiteral("line")
                      : block.kind == Kind::Button    ? QStringLiteral("button:") + block.name
                                                      : QStringLiteral("other"));
        }
        QCOMPARE(shape, (QStringList{"heading", "paragraph", "paragraph", "paragraph", "paragraph", "heading",
                                     "paragraph", "line", "button:cmdFootChart", "paragraph",
                                     "button:cmdSafety", "button:cmdClose"}));
        QCOMPARE(textsOf(page, Kind::Button),
                 (QStringList{"View Foot Reflexology Chart", "Safety First!", "Close"}));
    }

    void antioxidants_data()
    {
        QTest::addColumn<bool>("oils");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("oils") << true
                              << QStringList{"Clove",       "Myrrh",      "Citronella",    "Coriander",
                                             "Fennel",      "Clary Sage", "Chamomile, G.", "Cedarwood",
                                             "Rose",        "Nutmeg",     "Melissa",       "Marjoram",
                                             "Ylang Ylang", "Palmarosa",  "Rosewood",      "Manuka"};
        QTest::newRow("foods") << false
                               << QStringList{"Prunes",       "Raisins",     "Blueberries", "Kale",
                                              "Strawberries", "Raspberries", "Oranges",     "Carrots"};
    }

    void antioxidants()
    {
        QFETCH(bool, oils);
        QFETCH(QStringList, names);

        const content::AntioxidantsPage page = read(content::AntioxidantsFile, &content::parseAntioxidants);
        QCOMPARE(page.heading, QStringLiteral("Essential Oil Antioxidants"));
        QCOMPARE(
            page.foodsIntro,
            QStringLiteral("In comparison, the following antioxidant values are from Common Food items:"));
        QVERIFY(!page.study.isEmpty());

        QStringList actual;
        qint64 previous = std::numeric_limits<qint64>::max();
        for (const content::AntioxidantValue &entry : oils ? page.oils : page.foods) {
            actual << entry.name;
            QVERIFY2(entry.value > 0, qPrintable(actual.last()));
            // The heading promises descending order, so the cells follow the values.
            QVERIFY2(entry.value <= previous, qPrintable(actual.last()));
            previous = entry.value;
            QCOMPARE(entry.text, grouped(entry.value));
        }
        QCOMPARE(actual, names);
    }

    void cloveLeadsTheOils()
    {
        const content::AntioxidantsPage page = read(content::AntioxidantsFile, &content::parseAntioxidants);
        QCOMPARE(page.oils.front().text, QStringLiteral("1 078 700"));
    }

    void baseOilsPanel()
    {
        const content::BaseOilsPanel panel = read(content::BaseOilsPanelFile, &content::parseBaseOilsPanel);
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
        const content::ReflexologyLabels labels = read(content::ReflexologyFile, &content::parseReflexology);
        QCOMPARE(labels.right, QStringLiteral("Right Foot"));
        QCOMPARE(labels.left, QStringLiteral("Left Foot"));
    }

    void aboutWindow()
    {
        const content::AboutTexts about = read(content::AboutFile, &content::parseAbout);
        QCOMPARE(about.labels.value("lblAppName"), QStringLiteral("Ambrelis 2.7"));
        QCOMPARE(about.labels.value("lblVersion"), QStringLiteral("Version 2.7"));
        QCOMPARE(about.labels.value("Label3"),
                 QStringLiteral("For questions, suggestions or support, please contact us at:"));
        QCOMPARE(about.labels.value("lblCompany"), QStringLiteral("VarnholtPublishing"));
        QCOMPARE(about.buttons.value("cmdUpgrade"), QStringLiteral("Upgrade"));
        QCOMPARE(about.buttons.value("cmdHistory"), QStringLiteral("History"));
        for (const char *contact : {"Label1", "Label2", "lblPhoneNr", "Label15", "Label11"})
            QVERIFY2(about.labels.value(QString::fromLatin1(contact)).contains(u"{maker."), contact);
    }

    // A placeholder the configuration does not define would reach the screen as "{maker....}".
    void aboutPlaceholdersNameConfiguredValues()
    {
        QString problem;
        const QJsonObject maker =
            readContentObject(QStringLiteral(PROJECT_SOURCE_DIR_PATH "/config/maker.json"), &problem);
        if (!problem.isEmpty())
            QSKIP(qPrintable(problem));

        static const QRegularExpression placeholder(QStringLiteral("\\{maker\\.([A-Za-z.]+)\\}"));
        int seen = 0;
        for (QString text : read(content::AboutFile, &content::parseAbout).labels) {
            for (const QRegularExpressionMatch &m : placeholder.globalMatch(text)) {
                ++seen;
                QVERIFY2(atKeyPath(maker, m.captured(1)).isString(), qPrintable(m.captured(0)));
            }
            QVERIFY2(!text.remove(placeholder).contains(u'{'), qPrintable(text));
        }
        QVERIFY(seen > 0);
    }
};

QTEST_GUILESS_MAIN(ReferenceContentTest)
#include "reference_test.moc"
