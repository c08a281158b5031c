#include "ShellFixture.h"
#include "app/platform/UserFiles.h"
#include "app/shell/AppWindow.h"
#include "shared/Place.h"
#include "app/shell/WindowCatalog.h"
#include "find/logic/ReferenceIndex.h"
#include "indications/windows/frmIndications.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The whole program with the generated database as the user's, and the Find window's controls.
struct FindSession
{
    ShellFixture shell;
    AppWindow *window = nullptr;

    explicit FindSession(bool withDatabase = true)
    {
        if (withDatabase)
            QFile::copy(QStringLiteral(GENERATED_MDB),
                        shell.folder.filePath(QStringLiteral("Indications.mdb")));
    }

    AppWindow *open()
    {
        window = windows().OpenPage(Forms::frmFind);
        return window;
    }
    QLineEdit *text() const { return window->findChild<QLineEdit *>(QStringLiteral("txtFind")); }
    QListWidget *results() const { return window->findChild<QListWidget *>(QStringLiteral("lstResults")); }
    QLabel *label(const char *name) const { return window->findChild<QLabel *>(QString::fromLatin1(name)); }

    // Types the query and waits until the index has answered it.
    bool find(const QString &query)
    {
        text()->setText(query);
        return QTest::qWaitFor([this] { return label("lblStatus")->text() != QStringLiteral("Indexing…"); },
                               20000);
    }
    QString selectedTarget() const
    {
        const QListWidgetItem *item = results()->currentItem();
        return item ? item->data(Qt::UserRole).toString() : QString();
    }
};

// What a control shows: a label's or a box's text, whichever it is.
QString shownText(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return box->toPlainText();
    return control->property("text").toString();
}

} // namespace

class FindWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void theWindowIsTheOneTheDesignNames()
    {
        FindSession session;
        QVERIFY(session.open());
        QCOMPARE(session.window->windowTitle(), QStringLiteral("Find"));
        QCOMPARE(session.text()->accessibleName(), QStringLiteral("Find"));
        // Nothing is built before the window asks, and the window says so until the index is there.
        QCOMPARE(session.label("lblStatus")->text(), QStringLiteral("Indexing…"));
        QVERIFY(session.find(QStringLiteral("lavender")));
        QVERIFY(session.results()->count() > 1);
        QVERIFY(session.shell.messages.isEmpty());
    }

    void anUnreadableDatabaseIsReportedOnceAndTheRestIsFound()
    {
        FindSession session(false);
        session.open();
        QVERIFY(session.find(QStringLiteral("insomnia")));
        QCOMPARE(session.shell.messages.size(), 1);
        QVERIFY2(session.shell.messages.front().contains(QLatin1String("Indications.mdb")),
                 qPrintable(session.shell.messages.front()));
        QVERIFY(session.find(QStringLiteral("lavender")));
        QVERIFY(session.results()->count() > 0);
        QCOMPARE(session.shell.messages.size(), 1);
    }

    void ctrlFOpensFindFromEveryKindOfWindow_data()
    {
        QTest::addColumn<FormId>("form");
        for (const FormId form :
             {Forms::frmMenu, Forms::frmEssentialOils1, Forms::frmIndications, Forms::frmActions,
              Forms::frmBachFlowers, Forms::frmSafety2, Forms::frmBlend, Forms::frmAbout})
            QTest::newRow(qPrintable(form.name())) << form;
    }
    void ctrlFOpensFindFromEveryKindOfWindow()
    {
        QFETCH(FormId, form);
        FindSession session;
        AppWindow *window = windows().OpenPage(form);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, Qt::Key_F, Qt::ControlModifier);
        QVERIFY2(windows().find(Forms::frmFind), qPrintable(form.name()));
    }

    void theIndicationsListKeepsItsOwnKeys()
    {
        FindSession session;
        AppWindow *page = windows().OpenPage(Forms::frmIndications);
        QVERIFY(QTest::qWaitForWindowActive(page));
        auto *list = page->findChild<QListWidget *>(QStringLiteral("lstAfflictions"));
        auto *name = page->findChild<QLineEdit *>(QStringLiteral("txtIndications"));
        list->setFocus();
        list->setCurrentRow(0);
        // The arrow keys still move through the list, and the record follows.
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(name->text().toLower(), list->item(1)->text().trimmed().toLower());
        QVERIFY(!windows().find(Forms::frmFind));
        QTest::keyClick(list, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(windows().find(Forms::frmFind));
        QCOMPARE(list->currentRow(), 1);
    }

    void theMainMenuHasAFindButton()
    {
        FindSession session;
        AppWindow *menu = windows().OpenPage(Forms::frmMenu);
        auto *button = menu->findChild<QPushButton *>(QStringLiteral("cmdFind"));
        QVERIFY(button);
        QVERIFY(button->isVisible());
        button->click();
        QVERIFY(windows().find(Forms::frmFind));
    }

    void enterOpensEachKindAtItsPlace_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("spot");
        QTest::addColumn<QString>("control"); // in the opened window, showing the spot; empty: the window
        QTest::addColumn<QString>("shows");
        QTest::newRow("oil") << "rosemarry" << Forms::frmEssentialOils94 << "Rosemary" << QString()
                             << QString();
        QTest::newRow("indication") << "sleeplessness" << Forms::frmIndications << "Insomnia"
                                    << "txtIndications"
                                    << "Insomnia";
        QTest::newRow("action") << "analgesic" << Forms::frmActions << "Analgesic"
                                << "txtActions"
                                << "Analgesic Essential Oils:";
        QTest::newRow("remedy") << "centaury" << Forms::frmBachFlowers << "Centaury"
                                << "lblRemedy"
                                << "Centaury";
        QTest::newRow("remedies' history") << "bacteriologist" << Forms::frmBachFlowers << "History"
                                           << "Text1"
                                           << "bacteriologist";
        QTest::newRow("safety section")
            << "photosensitizing" << Forms::frmSafety3 << "Photosensitizing Oils:" << QString() << QString();
        QTest::newRow("base oil") << "wheatgerm" << Forms::frmBaseOils2 << "Wheatgerm Oil" << QString()
                                  << QString();
        QTest::newRow("information section")
            << "limbic" << Forms::frmInformation << "How Aromatherapy Works" << QString() << QString();
        QTest::newRow("antioxidant") << "blueberries" << Forms::frmAntioxidants << "Blueberries" << QString()
                                     << QString();
    }
    void enterOpensEachKindAtItsPlace()
    {
        QFETCH(QString, query);
        QFETCH(FormId, form);
        QFETCH(QString, spot);
        QFETCH(QString, control);
        QFETCH(QString, shows);
        FindSession session;
        session.open();
        QVERIFY(session.find(query));
        QCOMPARE(session.selectedTarget(), form.name() + QLatin1Char('#') + spot);
        QTest::keyClick(session.text(), Qt::Key_Return);
        AppWindow *opened = windows().find(form);
        QVERIFY2(opened && opened->isVisible(), qPrintable(form.name()));
        // The window knows the spot the result names.
        QVERIFY2(opened->showSpot(spot), qPrintable(spot));
        if (control.isEmpty())
            return;
        const auto *shown = opened->findChild<QWidget *>(control);
        QVERIFY(shown);
        QVERIFY(shown->isVisibleTo(opened));
        QVERIFY2(shownText(shown).contains(shows), qPrintable(shownText(shown)));
    }

    void everyDocumentLeadsToASpotItsWindowShows()
    {
        FindSession session;
        const find::ReferenceDocuments read = find::referenceDocuments(userfiles::indicationsDatabase());
        QVERIFY2(read.problem.isEmpty(), qPrintable(read.problem));
        QVERIFY(read.documents.size() > 251); // the indications and more
        QStringList lost;
        for (const find::Document &document : read.documents) {
            if (!windows().OpenPlace(Place::fromText(document.target)))
                lost << document.target;
        }
        QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QStringLiteral(", "))));
        QVERIFY(session.shell.messages.isEmpty());
    }

    void arrowKeysMoveThroughTheResultsAndADoubleClickOpens()
    {
        FindSession session;
        session.open();
        QVERIFY(session.find(QStringLiteral("lavender")));
        const QString first = session.selectedTarget();
        QTest::keyClick(session.text(), Qt::Key_Down);
        const QString second = session.selectedTarget();
        QVERIFY(!second.isEmpty());
        QVERIFY(second != first);
        QTest::keyClick(session.text(), Qt::Key_Up);
        QCOMPARE(session.selectedTarget(), first);
        // The first result stays the first on Up: the group's title above it is not a result.
        QTest::keyClick(session.text(), Qt::Key_Up);
        QCOMPARE(session.selectedTarget(), first);

        // In the list itself the arrow keys pass over the group titles too.
        QListWidget *list = session.results();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(list->currentItem()->flags().testFlag(Qt::ItemIsSelectable));
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(session.selectedTarget(), first);
        QListWidgetItem *item = list->currentItem();
        const QPoint centre = list->visualItemRect(item).center();
        // A double click is a press, a release, then the second press: the view opens what both presses hit.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QVERIFY(windows().find(formNamed(first.section(QLatin1Char('#'), 0, 0)).value_or(FormId())));
    }

    // A row's text is made when the list shows it: the title in bold, then the words around the match, the
    // match in bold too; the plain text (what a screen reader says) holds both.
    void aResultShowsItsTitleAndTheMatchInItsText()
    {
        FindSession session;
        session.open();
        QVERIFY(session.find(QStringLiteral("limbic")));
        const QListWidgetItem *item = session.results()->currentItem();
        QVERIFY(item);
        QCOMPARE(item->data(Qt::UserRole).toString(),
                 QStringLiteral("frmInformation#How Aromatherapy Works"));
        const QString html = item->data(Qt::UserRole + 1).toString();
        QVERIFY2(html.startsWith(QStringLiteral("<b>How Aromatherapy Works</b><br>")), qPrintable(html));
        QVERIFY2(html.contains(QStringLiteral("<b>limbic</b>"), Qt::CaseInsensitive), qPrintable(html));
        QVERIFY2(item->text().startsWith(QStringLiteral("How Aromatherapy Works: ")),
                 qPrintable(item->text()));
        QVERIFY2(item->text().contains(QStringLiteral("limbic"), Qt::CaseInsensitive),
                 qPrintable(item->text()));
    }

    void escapeClosesTheWindow()
    {
        FindSession session;
        session.open();
        QVERIFY(QTest::qWaitForWindowActive(session.window));
        QTest::keyClick(session.text(), Qt::Key_Escape);
        QTRY_VERIFY(!windows().find(Forms::frmFind));
    }

    void nothingFoundSuggestsTheNearestSpelling()
    {
        FindSession session;
        session.open();
        QVERIFY(session.find(QStringLiteral("lawendr")));
        QCOMPARE(session.results()->count(), 0);
        QLabel *suggestion = session.label("lblSuggestion");
        QVERIFY(suggestion->isVisibleTo(session.window));
        QVERIFY2(suggestion->text().contains(QLatin1String("Did you mean")), qPrintable(suggestion->text()));
        QVERIFY2(suggestion->text().contains(QLatin1String("lavender")), qPrintable(suggestion->text()));
        // A click on the suggestion searches it.
        emit suggestion->linkActivated(QStringLiteral("lavender"));
        QCOMPARE(session.text()->text(), QStringLiteral("lavender"));
        QVERIFY(session.results()->count() > 0);
        QVERIFY(!suggestion->isVisibleTo(session.window));
    }

    void anEditSavedOnTheIndicationsPageIsFound()
    {
        FindSession session;
        session.open();
        QVERIFY(session.find(QStringLiteral("zanzibarish")));
        QCOMPARE(session.results()->count(), 0);

        AppWindow *page = windows().OpenPage(Forms::frmIndications);
        const QString record = page->findChild<QLineEdit *>(QStringLiteral("txtIndications"))->text();
        auto *notes = page->findChild<QPlainTextEdit *>(QStringLiteral("txtNotes"));
        notes->setPlainText(QStringLiteral("A zanzibarish remark of the user's own."));
        notes->document()->setModified(true);
        // Written while the page stays open, so the index reads the file beside the page that holds it.
        QVERIFY(qobject_cast<frmIndications *>(page)->writePending());
        QVERIFY(session.shell.messages.isEmpty());

        // The index is built again away from the window; the words typed are searched again when it is ready.
        QTRY_VERIFY_WITH_TIMEOUT(session.results()->count() > 0, 20000);
        QCOMPARE(session.selectedTarget(), Forms::frmIndications.name() + QLatin1Char('#') + record);
    }
};

QTEST_MAIN(FindWindowTest)
#include "FindWindowTest.moc"
