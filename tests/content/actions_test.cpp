// The actions page's content: the layout of each of the 23 entries and the text built from them.
#include "../../pages/actions/ActionText.h"

#include <QFile>
#include <QSet>
#include <QtTest>

using actions::ActionEntry;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Lines that start with one of these are labelled lines or headings; a plain line ("-") starts with none.
const QStringList kLabels = {QStringLiteral("Ingestion:"),
                             QStringLiteral("Topical:"),
                             QStringLiteral("Compress:"),
                             QStringLiteral("Inhalation:"),
                             QStringLiteral("Notes:"),
                             QStringLiteral("Other Therapy Options:"),
                             QStringLiteral("Herbal"),
                             QStringLiteral("Nutrition:"),
                             QStringLiteral("Berry example:"),
                             QStringLiteral("Expectorant Blend:"),
                             QStringLiteral("Disinfectant wash:"),
                             QStringLiteral("Careful with"),
                             QStringLiteral("Stimulating nutrients"),
                             QStringLiteral("Methods of Application:")};

// One expected line: "" an empty line, "-" a plain line, "=Text" exactly Text, "Label:" a line that starts
// with the label and carries more text after it.
QString lineMismatch(const QString &pattern, const QString &line)
{
    if (pattern.isEmpty())
        return line.isEmpty() ? QString() : QStringLiteral("expected an empty line");
    if (pattern == QLatin1String("-")) {
        if (line.trimmed().isEmpty())
            return QStringLiteral("expected a text line");
        for (const QString &label : kLabels)
            if (line.startsWith(label))
                return QStringLiteral("expected a plain line, not one starting with ") + label;
        return {};
    }
    if (pattern.startsWith(QLatin1Char('=')))
        return line == pattern.mid(1) ? QString() : QStringLiteral("expected exactly ") + pattern.mid(1);
    if (!line.startsWith(pattern) || line.size() <= pattern.size() + 1)
        return QStringLiteral("expected a line starting with ") + pattern;
    return {};
}

void compareBlock(const char *block, const QStringList &patterns, const QStringList &lines)
{
    QVERIFY2(
        patterns.size() == lines.size(),
        qPrintable(
            QStringLiteral("%1: %2 lines, expected %3").arg(block).arg(lines.size()).arg(patterns.size())));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString problem = lineMismatch(patterns.at(i), lines.at(i));
        QVERIFY2(
            problem.isEmpty(),
            qPrintable(
                QStringLiteral("%1 line %2 \"%3\": %4").arg(block).arg(i + 1).arg(lines.at(i), problem)));
    }
}

} // namespace

class ActionsContentTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buildActionText_data();
    void buildActionText();
    void entryLayout_data();
    void entryLayout();
    void antispasmodicText();
    void textsKeepTheirLimits();

private:
    QList<ActionEntry> m_entries;
};

void ActionsContentTest::initTestCase()
{
    QFile file(QStringLiteral(CONTENT_DIR "/actions/actions.json"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const content::Parsed<QList<ActionEntry>> parsed = content::parseActions(file.readAll());
    QVERIFY2(parsed.problem.isEmpty(), qPrintable(parsed.problem));
    m_entries = parsed.value;
    QCOMPARE(m_entries.size(), 23);
}

void ActionsContentTest::buildActionText_data()
{
    QTest::addColumn<QStringList>("oils");
    QTest::addColumn<QStringList>("oilsExtra");
    QTest::addColumn<QStringList>("application");
    QTest::addColumn<QStringList>("closing");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one line per block")
        << QStringList{"Cypress", "Roman chamomile"} << QStringList{} << QStringList{"Massage, bath."}
        << QStringList{"Other Therapy Options: rest."}
        << QStringLiteral(
               "\r\nH:\r\nCypress, Roman chamomile.\r\n\r\nMethods of Application:\r\nMassage, bath."
               "\r\n\r\nOther Therapy Options: rest.");
    QTest::newRow("empty lines inside the blocks")
        << QStringList{"Lemon"} << QStringList{"", "Remark."} << QStringList{"Bath.", "Topical: dilute."}
        << QStringList{"Notes:", "One.", "", "Two."}
        << QStringLiteral(
               "\r\nH:\r\nLemon.\r\n\r\nRemark.\r\n\r\nMethods of Application:\r\nBath.\r\nTopical: dilute."
               "\r\n\r\nNotes:\r\nOne.\r\n\r\nTwo.");
}

void ActionsContentTest::buildActionText()
{
    QFETCH(QStringList, oils);
    QFETCH(QStringList, oilsExtra);
    QFETCH(QStringList, application);
    QFETCH(QStringList, closing);
    QFETCH(QString, expected);
    const ActionEntry entry{"cmdX", "X", "H:", oils, oilsExtra, application, closing};
    QCOMPARE(actions::buildActionText(entry), expected);
}

void ActionsContentTest::entryLayout_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("oilCount");
    QTest::addColumn<QStringList>("oilsExtra");
    QTest::addColumn<QStringList>("application");
    QTest::addColumn<QStringList>("closing");

    const QStringList none;
    const QStringList topical{"Topical:"};
    const QStringList ingestionTopical{"Ingestion:", "Topical:"};
    const QStringList methodsTopical{"-", "Topical:"};
    const QStringList other{"Other Therapy Options:"};
    int i = 0;
    auto row = [&i](const char *caption, const char *button, const char *heading, int oils,
                    const QStringList &extra, const QStringList &application, const QStringList &closing) {
        QTest::newRow(caption) << i++ << QString::fromLatin1(button) << QString::fromLatin1(heading) << oils
                               << extra << application << closing;
    };
    row("Analgesic", "cmdAnalgesic", "Analgesic Essential Oils:", 10, none, topical, {"=Notes:", "-"});
    row("Antifungal", "cmdAntifungal", "Antifungal Essential Oils:", 12, none, ingestionTopical,
        {"=Notes:", "-", "-"});
    row("Anti-aging", "cmdAntiAging", "Anti-aging Essential Oils:", 7, none, ingestionTopical,
        {"-", "", "Nutrition:", "", "Herbal secrets:", "", "Berry example:"});
    row("Antibacterial", "cmdAntibacterial", "Antibacterial Essential Oils:", 7, none, ingestionTopical,
        {"=Notes:", "-", "-"});
    row("Anti-inflammatory", "cmdAntiInflammatory", "Anti-inflammatory Essential Oils:", 13, none,
        {"Topical:", "Compress:"}, {"=Notes:", "-"});
    row("Antiseptic", "cmdAntiseptic", "Antiseptic Essential Oils:", 15, none, topical,
        {"=Notes:", "-", "-", "-"});
    row("Antispasmodic", "cmdAntispasmodic", "Antispasmodic Essential Oils:", 4, none, {"-"}, other);
    row("Antiviral", "cmdAntiviral", "Antiviral Essential Oils:", 9, none, ingestionTopical, other);
    row("Aphrodisiacs", "cmdAphrodisiacs", "Essential Oil Aphrodisiacs:", 8, none, methodsTopical, other);
    row("Astringents", "cmdAstringents", "Astringent Essential Oils:", 7, none, ingestionTopical,
        {"=Notes:", "Careful with sensitive skin:"});
    row("Decongestants", "cmdDecongestants", "Decongestant Essential Oils:", 10, {"Expectorant Blend:"},
        {"Inhalation:", "Topical:"}, other);
    row("Deodorants", "cmdDeodorants", "Deodorant Essential Oils:", 6, {"", "-", "-"}, ingestionTopical,
        other);
    row("Disinfectants", "cmdDisinfectants", "Disinfectant Essential Oils:", 7,
        {"-", "", "Disinfectant wash:"}, ingestionTopical, other);
    row("Diuretics", "cmdDiuretics", "Diuretic Essential Oils:", 9, none, ingestionTopical, other);
    row("Emmenagogues", "cmdEmmenagogues", "Emmenagogue Essential Oils:", 6, none, topical, other);
    row("Expectorants", "cmdExpectorants", "Expectorant Essential Oils:", 11, none, {"-"},
        {"=Notes:", "-", "", "=Herbal Expectorants include:", "-"});
    row("Febrifuge", "cmdFebrifuge", "Febrifuge Essential Oils:", 5, none, methodsTopical, other);
    row("Hypnotics", "cmdHypnotics", "Hypnotic Essential Oils:", 9, {"", "-"}, methodsTopical,
        {"Other Therapy Options:", "", "Herbal Remedies:"});
    row("Immunostimulants", "cmdImmunostimulant", "Immunostimulant Essential Oils:", 20, none, methodsTopical,
        other);
    row("Sedatives", "cmdSedatives", "Sedative Essential Oils:", 6, none, topical,
        {"=Herbal Remedies include:", "-"});
    row("Stimulants/Energy", "cmdStimulants", "Stimulating Essential Oils:", 8, none, {"-"},
        {"=Stimulating nutrients may include:", "-", "", "Other Therapy Options:"});
    row("Tonics", "cmdTonics", "Essential Oil Tonics:", 7, none, topical, other);
    row("Relaxants", "cmdRelaxants", "Relaxant Essential Oils:", 10, none, topical,
        {"=Herbal Remedies include:", "-"});
}

void ActionsContentTest::entryLayout()
{
    QFETCH(int, index);
    QFETCH(QString, button);
    QFETCH(QString, heading);
    QFETCH(int, oilCount);
    QFETCH(QStringList, oilsExtra);
    QFETCH(QStringList, application);
    QFETCH(QStringList, closing);

    const ActionEntry &entry = m_entries.at(index);
    QCOMPARE(entry.caption, QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(entry.button, button);
    QCOMPARE(entry.heading, heading);
    QCOMPARE(entry.oils.size(), oilCount);
    QCOMPARE(QSet<QString>(entry.oils.cbegin(), entry.oils.cend()).size(), oilCount);
    for (const QString &oil : entry.oils) {
        // A comma or full stop inside a name would break the oil line apart for the reader.
        QVERIFY2(!oil.isEmpty() && !oil.contains(QLatin1Char(',')) && !oil.contains(QLatin1Char('.')) &&
                     oil == oil.trimmed() && oil.at(0).isUpper(),
                 qPrintable(oil));
    }
    compareBlock("oils block", QStringList{"-"} + oilsExtra,
                 QStringList{actions::oilListLine(entry.oils)} + entry.oilsExtra);
    compareBlock("application block", application, entry.application);
    compareBlock("closing block", closing, entry.closing);
}

void ActionsContentTest::antispasmodicText()
{
    const QString text = actions::buildActionText(m_entries.at(6));
    QCOMPARE(text.size(), 230);
    const QStringList lines = text.split(kCrLf);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(0), QString());
    QCOMPARE(lines.at(1), QStringLiteral("Antispasmodic Essential Oils:"));
    QCOMPARE(lines.at(2), QStringLiteral("Cypress, Lavender, Tarragon, Roman chamomile."));
    QCOMPARE(lines.at(3), QString());
    QCOMPARE(lines.at(4), QStringLiteral("Methods of Application:"));
    QVERIFY(!lines.at(5).isEmpty());
    QCOMPARE(lines.at(6), QString());
    QVERIFY(lines.at(7).startsWith(QStringLiteral("Other Therapy Options: ")));
}

void ActionsContentTest::textsKeepTheirLimits()
{
    QSet<QString> texts;
    qsizetype shortest = 1 << 20;
    qsizetype longest = 0;
    QString longestLine;
    QString longestLineOwner;
    for (const ActionEntry &entry : std::as_const(m_entries)) {
        const QString text = actions::buildActionText(entry);
        const QByteArray where = entry.caption.toUtf8();
        QVERIFY2(text.startsWith(kCrLf) && !text.endsWith(QLatin1Char('\n')), where);
        // Only CR LF pairs: a lone CR or LF inside a line would break the text box and the saved RTF.
        QVERIFY2(text.count(QLatin1Char('\r')) == text.count(kCrLf) &&
                     text.count(QLatin1Char('\n')) == text.count(kCrLf),
                 where);
        QVERIFY2(text.size() >= 230 && text.size() <= 1186,
                 qPrintable(QStringLiteral("%1: %2 characters").arg(entry.caption).arg(text.size())));
        shortest = qMin(shortest, text.size());
        longest = qMax(longest, text.size());
        QVERIFY2(!texts.contains(text), where);
        texts.insert(text);
        for (const QString &line : text.split(kCrLf)) {
            QVERIFY2(line == line.trimmed(),
                     qPrintable(QStringLiteral("%1: \"%2\"").arg(entry.caption, line)));
            if (line.size() > longestLine.size()) {
                longestLine = line;
                longestLineOwner = entry.caption;
            }
        }
    }
    QCOMPARE(shortest, 230);
    QCOMPARE(longest, 1186);
    QCOMPARE(longestLineOwner, QStringLiteral("Expectorants"));
    QCOMPARE(longestLine.size(), 764);
    QCOMPARE(actions::buildActionText(m_entries.at(15)).size(), 1186);
}

QTEST_GUILESS_MAIN(ActionsContentTest)
#include "actions_test.moc"
