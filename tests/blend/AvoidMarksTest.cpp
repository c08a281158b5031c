// "Who is it for?" on the pages, driven through the windows: the oil profile rows, the actions text and the
// indications oil list mark the oils the person should avoid, with the reason on hover and for screen
// readers, and show nothing of it while the setting is unset; "Add to blend" and "Make a blend from these
// oils" open the calculator with those oils.
#include "blend/windows/AvoidMarks.h"

#include "ShellFixture.h"
#include "blend/windows/WhoIsItFor.h"
#include "blend/windows/frmBlend.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

safety::Person childOf(int years)
{
    safety::Person p;
    p.group = safety::Person::Group::Child;
    p.ageYears = years;
    return p;
}

// The oil page and row that show the oil.
std::pair<AppWindow *, int> openRowOf(const QString &oil)
{
    for (const FormId form : Forms::essentialOilsPages) {
        AppWindow *w = windows().OpenPage(form);
        for (int n = 1; auto *name = w->findChild<QLabel *>(QStringLiteral("lblName%1").arg(n)); ++n)
            if (name->text().simplified() == oil)
                return {w, n};
        windows().ClosePage(form);
    }
    return {nullptr, 0};
}

QStringList blendOils()
{
    QStringList oils;
    if (auto *blend = windows().find<frmBlend>(Forms::frmBlend))
        for (const blend::OilResult &o : blend->result().oils)
            oils << o.name;
    return oils;
}

} // namespace

class AvoidMarksTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_shell;

private slots:
    void init()
    {
        m_shell = std::make_unique<ShellFixture>();
        blend::WhoIsItFor::instance().reload();
        QVERIFY(!blend::WhoIsItFor::instance().person());
    }
    void cleanup()
    {
        m_shell.reset();
        blend::WhoIsItFor::instance().reload();
    }

    void profileRowsMarkTheOilsToAvoid()
    {
        const auto [page, row] = openRowOf(QStringLiteral("Peppermint"));
        QVERIFY(page);
        auto *name = page->findChild<QLabel *>(QStringLiteral("lblName%1").arg(row));
        const auto mark = [&] { return page->findChild<QLabel *>(QStringLiteral("lblAvoid%1").arg(row)); };
        // Unset: no mark shown, no tooltip.
        QVERIFY(!mark() || !mark()->isVisible());
        QCOMPARE(name->toolTip(), QString());

        blend::WhoIsItFor::instance().set(childOf(4));
        QVERIFY(mark() && mark()->isVisible());
        QVERIFY2(mark()->toolTip().contains(QLatin1String("not for children under 6")),
                 qPrintable(mark()->toolTip()));
        QVERIFY(mark()->toolTip().contains(QLatin1String("source:")));
        QVERIFY(name->toolTip().contains(QLatin1String("not for children under 6")));
        QCOMPARE(mark()->accessibleName(), QStringLiteral("Peppermint, to avoid for a child of 4 years"));
        QCOMPARE(mark()->accessibleDescription(), mark()->toolTip());
        // An oil fine for the child carries no mark on the same page.
        int marked = 0;
        for (int n = 1; page->findChild<QLabel *>(QStringLiteral("lblName%1").arg(n)); ++n)
            if (auto *m = page->findChild<QLabel *>(QStringLiteral("lblAvoid%1").arg(n)); m && m->isVisible())
                ++marked;
        QVERIFY(marked >= 1);

        blend::WhoIsItFor::instance().set(std::nullopt);
        QVERIFY(!mark()->isVisible());
        QCOMPARE(name->toolTip(), QString());
    }

    // A damaged setting is said, read as unset, and kept as it is.
    void aDamagedSettingIsReportedAndKept()
    {
        const QString path = m_shell->folder.filePath(blend::WhoIsItFor::fileName());
        const QByteArray damaged = "{\"group\": \"chi";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(damaged);
        }
        m_shell->messages.clear();
        blend::WhoIsItFor::instance().reload();
        QVERIFY(!blend::WhoIsItFor::instance().person());
        QCOMPARE(m_shell->messages.size(), 1);
        QVERIFY2(m_shell->messages.first().contains(QLatin1String("could not be read")),
                 qPrintable(m_shell->messages.first()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
        file.close();
        QVERIFY(file.remove()); // the next test starts unset
    }

    void addToBlendFromTheRow()
    {
        const auto [page, row] = openRowOf(QStringLiteral("Lavender"));
        QVERIFY(page);
        auto *name = page->findChild<QLabel *>(QStringLiteral("lblName%1").arg(row));
        QCOMPARE(name->contextMenuPolicy(), Qt::ActionsContextMenu);
        // The row's menu holds other entries too (its indications); "Add to blend" is there once.
        QList<QAction *> adds;
        for (QAction *a : name->actions())
            if (a->text() == QStringLiteral("Add to blend"))
                adds << a;
        QCOMPARE(adds.size(), 1);
        adds.first()->trigger();
        QCOMPARE(blendOils(), QStringList{"Lavender"});
        adds.first()->trigger(); // once only
        QCOMPARE(blendOils(), QStringList{"Lavender"});
    }

    void actionsTextMarksTheOilsToAvoid()
    {
        AppWindow *page = windows().OpenPage(Forms::frmActions);
        auto *box = page->findChild<QPlainTextEdit *>(QStringLiteral("txtActions"));
        QVERIFY(box);
        const QString description = box->accessibleDescription();
        box->setPlainText(QStringLiteral("Oils: Lavender, Peppermint, Rosemary."));
        QVERIFY(box->extraSelections().isEmpty());

        safety::Person person = childOf(4);
        person.epilepsy = true;
        blend::WhoIsItFor::instance().set(person);
        auto *marks = box->findChild<blend::TextMarks *>();
        QVERIFY(marks);
        QStringList marked;
        for (const auto &[oil, reason] : marks->marked())
            marked << oil;
        QCOMPARE(marked, QStringList({"Peppermint", "Rosemary"}));
        QCOMPARE(box->extraSelections().size(), 2);
        QCOMPARE(box->extraSelections().first().cursor.selectedText(), QStringLiteral("Peppermint"));
        QVERIFY(box->accessibleDescription().startsWith(QLatin1String(
            "Oils to avoid for a child of 4 years, with epilepsy, marked: Peppermint: Avoid: not for")));

        blend::WhoIsItFor::instance().set(std::nullopt);
        QVERIFY(box->extraSelections().isEmpty());
        QCOMPARE(box->accessibleDescription(), description);
    }

#ifdef GENERATED_MDB
    void indicationOilsMarkedAndMadeIntoABlend()
    {
        QVERIFY(QFile::copy(QStringLiteral(GENERATED_MDB),
                            m_shell->folder.filePath(QStringLiteral("Indications.mdb"))));
        AppWindow *page = windows().OpenPage(Forms::frmIndications);
        auto *box = page->findChild<QPlainTextEdit *>(QStringLiteral("txtOilsDec"));
        QVERIFY(box);
        auto *marks = box->findChild<blend::TextMarks *>();
        QVERIFY(marks);
        blend::WhoIsItFor::instance().set(childOf(4));
        box->setPlainText(QStringLiteral("Peppermint, Chamomile, Roman, Lavender."));
        QCOMPARE(marks->oilsNamed(), QStringList({"Peppermint", "Chamomile, Roman", "Lavender"}));
        QCOMPARE(marks->marked().size(), size_t(1));
        QCOMPARE(marks->marked().front().first, QStringLiteral("Peppermint"));
        marks->makeBlend();
        QCOMPARE(blendOils(), QStringList({"Peppermint", "Chamomile, Roman", "Lavender"}));
        auto *blend = windows().find<frmBlend>(Forms::frmBlend);
        QVERIFY(blend->isVisible());
        QCOMPARE(blend->recipe().oils.at(0).drops, QString()); // the drops are the user's to choose
    }
#endif
};

QTEST_MAIN(AvoidMarksTest)
#include "AvoidMarksTest.moc"
