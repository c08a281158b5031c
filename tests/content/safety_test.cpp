// The content must never give a dose or an oil that could hurt someone who follows it: every dose is held
// against the per-oil limits of content/safety/oils.json, every oil offered to a child, a pregnant or
// breast-feeding woman or a person with epilepsy against its cautions, and every profile must show them.
#include "ContentFile.h"
#include "SafetyCheck.h"
#include "content/BaseOilsPanel.h"
#include "content/OilLinks.h"

#include <QJsonArray>
#include <QtTest>

namespace {

using safetycheck::Text;

QString contentPath(const char *relative)
{
    return QStringLiteral(CONTENT_DIR "/") + QLatin1String(relative);
}

QJsonArray readArray(const char *relative)
{
    QFile f(contentPath(relative));
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).array() : QJsonArray();
}

QString joinStrings(const QJsonValue &value)
{
    QStringList lines;
    for (const QJsonValue &v : value.toArray())
        lines << (v.isArray() ? joinStrings(v) : v.toString());
    return lines.join(QLatin1Char('\n'));
}

// Where each oil name of a text leads, built like the program's table but from the source tree's oil book:
// the names a text may use for an oil are the rows' names and the other names the rows give.
const content::OilLinks &sourceOilLinks()
{
    static const content::OilLinks links = [] {
        QFile f(contentPath(content::OilBookFile.toUtf8().constData()));
        f.open(QIODevice::ReadOnly);
        return content::OilLinks(content::parseOilBook(f.readAll()).value);
    }();
    return links;
}

// The profile row an oil name leads to; empty for a name without a profile.
QString profiledName(const QString &name)
{
    const std::optional<content::OilProfile> profile = sourceOilLinks().profileOf(name);
    return profile ? profile->row : QString();
}

// The profile rows of an indications oil list (some names hold a comma of their own).
QStringList splitOilList(const QString &list)
{
    QStringList found;
    for (const content::OilMention &mention : sourceOilLinks().mentionsIn(list))
        if (mention.profile)
            found << mention.profile->row;
    return found;
}

struct ContentTexts
{
    std::vector<Text> texts;
    QStringList unprofiled; // action oils without a profile
};

ContentTexts allTexts()
{
    ContentTexts all;
    auto add = [&](const QString &where, const QStringList &oils, const QString &title, const QString &body) {
        const bool profile = where.startsWith(QLatin1String("oil page, "));
        // A profile's uses come before its bracketed caution; only the uses offer the oil to a group.
        const QString uses = profile ? body.section(QLatin1Char('('), 0, 0) : body;
        Text t{where, oils, body, profile, safetycheck::groupsOf(title, uses)};
        all.texts.push_back(t);
    };
    QFile pages(contentPath("oils/pages.json"));
    pages.open(QIODevice::ReadOnly);
    for (const QJsonValue &page :
         QJsonDocument::fromJson(pages.readAll()).object().value(QLatin1String("pages")).toArray())
        for (const QJsonValue &row : page.toObject().value(QLatin1String("rows")).toArray()) {
            const QString name = row.toObject().value(QLatin1String("name")).toString();
            add(QStringLiteral("oil page, %1").arg(name), {name}, QString(),
                name + QStringLiteral(": ") + row.toObject().value(QLatin1String("indications")).toString());
        }
    for (const char *file : {"indications/indications-a.json", "indications/indications-b.json"})
        for (const QJsonValue &v : readArray(file)) {
            const QJsonObject r = v.toObject();
            const QString title = r.value(QLatin1String("Indications")).toString();
            add(QStringLiteral("indication %1").arg(title),
                splitOilList(r.value(QLatin1String("Oils")).toString()), title,
                r.value(QLatin1String("Method")).toString() + QLatin1Char('\n') +
                    r.value(QLatin1String("Notes")).toString());
        }
    QFile actions(contentPath("actions/actions.json"));
    actions.open(QIODevice::ReadOnly);
    for (const QJsonValue &v :
         QJsonDocument::fromJson(actions.readAll()).object().value(QLatin1String("actions")).toArray()) {
        const QJsonObject a = v.toObject();
        QStringList oils;
        for (const QJsonValue &o : a.value(QLatin1String("oils")).toArray()) {
            const QString name = profiledName(o.toString());
            if (name.isEmpty())
                all.unprofiled << a.value(QLatin1String("caption")).toString() + QStringLiteral(": ") +
                                      o.toString();
            else
                oils << name;
        }
        const QString body = joinStrings(a.value(QLatin1String("oilsExtra"))) + QLatin1Char('\n') +
                             joinStrings(a.value(QLatin1String("application"))) + QLatin1Char('\n') +
                             joinStrings(a.value(QLatin1String("closing")));
        add(QStringLiteral("action %1").arg(a.value(QLatin1String("caption")).toString()), oils, QString(),
            body);
    }
    for (const char *file : {"reference/safety.json", "reference/information.json", "reference/menu.json"}) {
        QFile f(contentPath(file));
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        // Every string of the file, one per line: headings, paragraphs, names, panel lines.
        QStringList strings;
        std::function<void(const QJsonValue &)> walk = [&](const QJsonValue &v) {
            if (v.isString())
                strings << v.toString();
            for (const QJsonValue &c : v.toArray())
                walk(c);
            for (const QJsonValue &c : v.toObject())
                walk(c);
        };
        walk(QJsonDocument::fromJson(bytes).object());
        add(QLatin1String(file), {}, QString(), strings.join(QLatin1Char('\n')));
    }
    // The measurements table reads as "to" rows: base oil on the left, drops on the right.
    QFile menu(contentPath("reference/menu.json"));
    menu.open(QIODevice::ReadOnly);
    for (const content::Measurement &row : content::parseBaseOilsPanel(menu.readAll()).value.measurements) {
        QString base = row.baseOil;
        base.remove(QRegularExpression(QStringLiteral("\\s*\\(.*\\)|\\s*base oil")));
        add(QStringLiteral("base-oils panel measurements"), {}, QString(),
            QString(row.essentialOil).remove(QStringLiteral(" essential oil")) + QStringLiteral(" in ") +
                base);
    }
    return all;
}

} // namespace

class SafetyContentTest : public QObject
{
    Q_OBJECT

    safety::SafetyTable m_table;
    QStringList m_oilNames;

private slots:
    void initTestCase()
    {
        QString error;
        auto table = safety::loadSafetyTable(contentPath("safety/oils.json"), &error);
        QVERIFY2(table, qPrintable(error));
        m_table = *table;
        QString problem;
        m_oilNames = oilRowNames(&problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(m_oilNames.size(), 107);
    }

    // One record per profiled oil, in page order, each figure with its source (the loader refuses a figure
    // without one).
    void tableCoversEveryOil()
    {
        QStringList names;
        for (const auto &oil : m_table.oils)
            names << oil.name;
        QCOMPARE(names, m_oilNames);
        QCOMPARE(m_table.dropsPerMl, 20.0);
        QCOMPARE(m_table.teaspoonMl, 5.0);
        QCOMPARE(m_table.tablespoonMl, 15.0);
    }

    void doseParser_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("oil");
        QTest::newRow("drops in ml") << "Massage: 15 drops in 30 ml of carrier oil." << 2.44 << "";
        QTest::newRow("range in teaspoon")
            << "Topical: 2 to 3 drops in a teaspoon of carrier oil." << 2.91 << "";
        QTest::newRow("tablespoon") << "Massage 6 drops in a tablespoon of carrier oil." << 1.96 << "";
        QTest::newRow("named oil in drops")
            << "1 drop of Melissa in 5 drops of carrier oil." << 16.67 << "Melissa";
        QTest::newRow("per oil in a blend")
            << "Blend: 4 drops of Lavender and 2 of Peppermint in 10 ml of carrier oil." << 0.97
            << "Peppermint";
        QTest::newRow("percent") << "Gentle massage at 1 to 2 percent." << 2.0 << "";
        QTest::newRow("volume per volume")
            << "6 ml to 10 ml maximum Essential Oil per 100 ml Base Oil." << 9.09 << "";
    }

    void doseParser()
    {
        QFETCH(QString, text);
        QFETCH(double, percent);
        QFETCH(QString, oil);
        const auto doses = safetycheck::readDoses(text, m_table, m_oilNames);
        bool seen = false;
        for (const auto &d : doses)
            if (qAbs(d.percent - percent) < 0.01 && (oil.isEmpty() || d.oils.contains(oil)))
                seen = true;
        QStringList got;
        for (const auto &d : doses)
            got << QString::number(d.percent, 'f', 2) + QLatin1Char(' ') + d.oils.join(QLatin1Char('/'));
        QVERIFY2(seen, qPrintable(got.join(QStringLiteral("; "))));
    }

    // Planted faults: each must be found; a sound text beside them must not be.
    void plantedFaults_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("oils");
        QTest::addColumn<QString>("body");
        QTest::addColumn<bool>("faulty");
        QTest::newRow("melissa over its maximum")
            << "Cold sores" << QStringList{"Melissa"} << "Dab on 1 drop of Melissa in 5 drops of carrier oil."
            << true;
        QTest::newRow("whole body at 5%")
            << "Fatigue" << QStringList{"Lavender"}
            << "Massage over the whole body: 30 drops in 30 ml of carrier oil." << true;
        QTest::newRow("peppermint for a baby") << "Colic" << QStringList{"Peppermint", "Dill"}
                                               << "Gentle massage of the tummy for a baby." << true;
        QTest::newRow("fennel for milk flow")
            << "Breast care" << QStringList{"Fennel"} << "Helps the milk flow." << true;
        QTest::newRow("wintergreen without warning")
            << "Sprains" << QStringList{"Wintergreen", "Lavender"} << "Massage at 1 percent." << true;
        QTest::newRow("profile use for a barred group")
            << "" << QStringList{"Anise"} << "Anise: Colic, Poor milk flow (avoid in breast-feeding)."
            << true;
        QTest::newRow("sage in a mouthwash")
            << "Gingivitis" << QStringList{"Myrrh", "Sage"}
            << "Mouthwash: 2 drops in a glass of warm water; spit out." << true;
        QTest::newRow("sound blend") << "Insomnia" << QStringList{"Lavender", "Mandarin"}
                                     << "Massage: 6 drops in 30 ml of carrier oil." << false;
        QTest::newRow("child caution given")
            << "Colic" << QStringList{"Chamomile, Roman", "Peppermint"}
            << "Massage at 0.5 percent.\nDo not use Peppermint under 6." << false;
    }

    void plantedFaults()
    {
        QFETCH(QString, title);
        QFETCH(QStringList, oils);
        QFETCH(QString, body);
        QFETCH(bool, faulty);
        const Text text{QStringLiteral("planted"), oils, body, title.isEmpty(),
                        safetycheck::groupsOf(title, body)};
        const QStringList found = safetycheck::faults(text, m_table, m_oilNames);
        QVERIFY2(found.isEmpty() != faulty, qPrintable(found.join(QLatin1Char('\n'))));
    }

    // Every dose and every recommendation in the content keeps the per-oil limits and cautions.
    void contentKeepsTheLimits()
    {
        const ContentTexts all = allTexts();
        QVERIFY(all.texts.size() > 251 + 107);
        QStringList found;
        for (const Text &t : all.texts)
            found << safetycheck::faults(t, m_table, m_oilNames);
        for (const QString &fault : found)
            qWarning().noquote() << fault;
        QVERIFY2(found.isEmpty(),
                 qPrintable(QString::number(found.size()) + QStringLiteral(" faults, listed above")));
    }

    void actionsNameProfiledOils()
    {
        const ContentTexts all = allTexts();
        QVERIFY2(all.unprofiled.isEmpty(), qPrintable(all.unprofiled.join(QLatin1Char('\n'))));
    }

    // A profile shows every caution the table holds for its oil, and its limit as a percentage.
    void profilesShowTheirCautions()
    {
        static const QList<std::pair<safety::CautionKind, const char *>> shows{
            {safety::CautionKind::Pregnancy, "pregnan"},
            {safety::CautionKind::BreastFeeding, "breast-feeding"},
            {safety::CautionKind::Child, "child|under \\d+"},
            {safety::CautionKind::Epilepsy, "epilep"},
            {safety::CautionKind::Anticoagulants, "blood thinner|anticoagulant"},
            {safety::CautionKind::HighBloodPressure, "high blood pressure"},
            {safety::CautionKind::Sensitiser, "sensitiz|allerg"},
            {safety::CautionKind::Phototoxic, "photosensitiz"},
            {safety::CautionKind::Avoid, "not for home use"},
        };
        QStringList missing;
        for (const Text &t : allTexts().texts) {
            if (!t.where.startsWith(QLatin1String("oil page, ")))
                continue;
            const safety::OilSafety *oil = m_table.find(t.oils.value(0));
            QVERIFY(oil);
            const QString remark = t.body.section(QLatin1Char('('), 1);
            for (const auto &[kind, pattern] : shows) {
                if (!oil->caution(kind))
                    continue;
                if (!remark.contains(QRegularExpression(QLatin1String(pattern),
                                                        QRegularExpression::CaseInsensitiveOption)))
                    missing << QStringLiteral("%1 lacks its %2 caution")
                                   .arg(oil->name, safety::cautionKindName(kind));
            }
            if (const auto max = oil->maxPercent()) {
                const QString shown = QString::number(*max) + QLatin1Char('%');
                if (!remark.contains(shown))
                    missing << QStringLiteral("%1 does not show its maximum %2").arg(oil->name, shown);
            }
        }
        for (const QString &gap : missing)
            qWarning().noquote() << gap;
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QString::number(missing.size()) + QStringLiteral(" gaps, listed above")));
    }

    // Epilepsy and Seizures name the same oils to avoid: every oil the table bars in epilepsy.
    void epilepsyRecordsAgree()
    {
        for (const char *file : {"indications/indications-a.json", "indications/indications-b.json"})
            for (const QJsonValue &v : readArray(file)) {
                const QJsonObject r = v.toObject();
                const QString title = r.value(QLatin1String("Indications")).toString();
                if (title != QLatin1String("Epilepsy") && title != QLatin1String("Seizures"))
                    continue;
                const QString notes = r.value(QLatin1String("Notes")).toString();
                for (const auto &oil : m_table.oils)
                    if (oil.caution(safety::CautionKind::Epilepsy))
                        QVERIFY2(notes.contains(
                                     oil.name.section(QRegularExpression(QStringLiteral("[ ,/]")), 0, 0),
                                     Qt::CaseInsensitive),
                                 qPrintable(title + QStringLiteral(" does not name ") + oil.name));
            }
    }

    // The safety pages give a line for each oil with a phototoxic limit, with the figure.
    void safetyPagesShowPhototoxicLimits()
    {
        QFile f(contentPath("reference/safety.json"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        for (const auto &oil : m_table.oils) {
            if (!oil.phototoxicMax)
                continue;
            const QString name = oil.name.section(QLatin1Char(' '), 0, 0);
            const QRegularExpression line(
                QRegularExpression::escape(name) + QStringLiteral("[^\"]*\\b") +
                QRegularExpression::escape(QString::number(oil.phototoxicMax->percent)) +
                QStringLiteral("%"));
            QVERIFY2(text.contains(line), qPrintable(oil.name));
        }
    }
};

QTEST_GUILESS_MAIN(SafetyContentTest)
#include "safety_test.moc"
