// The indications records: the build turns them into Indications.mdb, the page finds them by the names of its
// list and shows their oil lists after a round trip through the stored form.
#include "ContentFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString contentPath(const QString &name)
{
    return QStringLiteral(CONTENT_DIR "/indications/") + name;
}

QJsonDocument readJson(const QString &name, QString *problem)
{
    QFile f(contentPath(name));
    if (!f.open(QIODevice::ReadOnly)) {
        *problem = f.fileName() + ": cannot be read";
        return {};
    }
    QJsonParseError error;
    QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (doc.isNull())
        *problem = f.fileName() + ": " + error.errorString() + " at " + QString::number(error.offset);
    return doc;
}

QStringList readStringList(const QString &name)
{
    QString problem;
    const QJsonDocument doc = readJson(name, &problem);
    if (!problem.isEmpty())
        qWarning("%s", qPrintable(problem));
    QStringList list;
    for (const QJsonValue &v : doc.array())
        list << v.toString();
    return list;
}

// Splits one line of an oil list into oil names. Names may hold ", " themselves ("Fir, Balsam"), so the
// longest known name that ends at ", " or at the end of the line is taken. An empty result means the line
// does not parse.
QStringList splitOilLine(QStringView line, const QStringList &known, QString *unknown)
{
    QStringList oils;
    qsizetype pos = 0;
    while (pos < line.size()) {
        const QStringView rest = line.mid(pos);
        QString best;
        for (const QString &name : known) {
            if (name.size() > best.size() && rest.startsWith(name) &&
                (rest.size() == name.size() || rest.mid(name.size()).startsWith(u", ")))
                best = name;
        }
        if (best.isEmpty()) {
            *unknown = rest.toString();
            return {};
        }
        oils << best;
        pos += best.size() == rest.size() ? best.size() : best.size() + 2;
    }
    return oils;
}

} // namespace

class IndicationsContentTest : public QObject
{
    Q_OBJECT

    QStringList m_names;
    QStringList m_oilNames;

private slots:
    void initTestCase()
    {
        m_names = readStringList(QStringLiteral("names.json"));
        QString problem;
        m_oilNames = oilRowNames(&problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void afflictionNames()
    {
        QCOMPARE(m_names.size(), 251);
        QCOMPARE(m_names.front(), QStringLiteral("Abscess"));
        QCOMPARE(m_names.back(), QStringLiteral("Wounds, infected"));
        for (qsizetype i = 0; i < m_names.size(); ++i) {
            const QString &name = m_names[i];
            QVERIFY2(!name.isEmpty() && name == name.trimmed(), qPrintable(name));
            // The search puts the name between apostrophes unquoted.
            QVERIFY2(!name.contains(u'\''), qPrintable(name));
            if (i > 0)
                QVERIFY2(QString::compare(m_names[i - 1], name, Qt::CaseInsensitive) < 0,
                         qPrintable(m_names[i - 1] + " before " + name));
        }
    }

    // The oil lists name the oils by the rows' names: each oil once.
    void oilNames()
    {
        QCOMPARE(m_oilNames.size(), 107);
        QCOMPARE(QSet<QString>(m_oilNames.begin(), m_oilNames.end()).size(), 107);
        QCOMPARE(m_oilNames.front(), QStringLiteral("Angelica"));
        QCOMPARE(m_oilNames.back(), QStringLiteral("Ylang ylang"));
    }

    void records_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::newRow("first half") << "indications-a.json" << 0 << 125;
        QTest::newRow("second half") << "indications-b.json" << 125 << 126;
    }
    void records()
    {
        QFETCH(QString, file);
        QFETCH(int, first);
        QFETCH(int, count);
        if (!QFile::exists(contentPath(file)))
            QSKIP(qPrintable(file + " is not written yet"));
        QString problem;
        const QJsonDocument doc = readJson(file, &problem);
        QVERIFY2(doc.isArray(), qPrintable(problem));
        const QJsonArray records = doc.array();
        for (qsizetype i = 0; i < records.size(); ++i) {
            const QJsonObject record = records[i].toObject();
            const QString where = file + " record " + QString::number(i + 1) + ": ";
            QVERIFY2(record.keys() == QStringList({QStringLiteral("Indications"), QStringLiteral("Method"),
                                                   QStringLiteral("Notes"), QStringLiteral("Oils")}),
                     qPrintable(where + "keys " + record.keys().join(u',')));
            for (const QString &key : record.keys()) {
                QVERIFY2(record[key].isString(), qPrintable(where + key));
                checkText(where + key, record[key].toString());
            }
            QCOMPARE(record[u"Indications"].toString(), m_names.value(first + int(i)));
            checkOils(where, record[u"Oils"].toString());
            checkSentences(where + "Method", record[u"Method"].toString());
            QVERIFY2(!record[u"Method"].toString().isEmpty(), qPrintable(where + "Method empty"));
            checkSentences(where + "Notes", record[u"Notes"].toString());
            if (QTest::currentTestFailed())
                return;
        }
        // Checked last, so that the records already written are checked while a file grows.
        QCOMPARE(records.size(), count);
    }

private:
    // The build writes every value into the database in the ANSI code page with CR LF line breaks.
    static void checkText(const QString &where, const QString &text)
    {
        for (QChar c : text)
            QVERIFY2(c == u'\n' || (c.unicode() >= 0x20 && c.unicode() < 0x7f),
                     qPrintable(where + ": character " + QString::number(c.unicode())));
        QVERIFY2(!text.contains(u'\'') && !text.contains(u'"'), qPrintable(where + ": quote"));
        if (text.isEmpty())
            return;
        for (const QString &line : text.split(u'\n'))
            QVERIFY2(!line.isEmpty() && line == line.trimmed(),
                     qPrintable(where + ": line \"" + line + u'"'));
    }

    static void checkSentences(const QString &where, const QString &text)
    {
        if (text.isEmpty())
            return;
        for (const QString &line : text.split(u'\n'))
            QVERIFY2(line.endsWith(u'.'), qPrintable(where + ": no full stop at \"" + line + u'"'));
    }

    void checkOils(const QString &where, const QString &oils)
    {
        // Digits and other punctuation would not survive the stored form.
        static const QRegularExpression allowed(QStringLiteral("^[A-Za-z ,/()\n]+$"));
        QVERIFY2(allowed.match(oils).hasMatch(), qPrintable(where + "Oils characters: " + oils));
        static const QStringList aliases{
            QStringLiteral("Pepper, black"), QStringLiteral("Balsam fir (Idaho)"),
            QStringLiteral("Helichrysum / Everlasting"), QStringLiteral("Immortelle"),
            QStringLiteral("Mountain savory / Savory")};
        QStringList all;
        for (const QString &line : oils.split(u'\n')) {
            QString unknown;
            const QStringList names = splitOilLine(line, m_oilNames, &unknown);
            QVERIFY2(!names.isEmpty(), qPrintable(where + "unknown oil at \"" + unknown + u'"'));
            all += names;
        }
        QVERIFY2(all.size() >= 3 && all.size() <= 12,
                 qPrintable(where + QString::number(all.size()) + " oils"));
        QCOMPARE(QSet<QString>(all.begin(), all.end()).size(), all.size());
        for (const QString &name : all)
            QVERIFY2(!aliases.contains(name), qPrintable(where + "use the usual name instead of " + name));
    }
};

QTEST_APPLESS_MAIN(IndicationsContentTest)
#include "indications_test.moc"
