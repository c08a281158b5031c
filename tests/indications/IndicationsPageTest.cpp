#include "IndexedTable.h"
#include "OilLinkClicks.h"
#include "ShellFixture.h"
#include "app/platform/UserFiles.h"
#include "app/richtext/RichTextBox.h"
#include "shared/Place.h"
#include "indications/logic/IndicationsSchema.h"
#include "indications/logic/IndicationsText.h"
#include "indications/oillist/OilListCoding.h"
#include "indications/windows/DataControl.h"
#include "indications/windows/frmIndications.h"
#include "jet/Create.h"
#include "jet/Database.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

struct Record
{
    const char *name;
    const char *oils; // display form
    const char *method;
    const char *notes;
};

// Table order differs from name order on purpose; two records share a name in different letter case.
const Record Records[] = {
    {"Bronchitis", "Eucalyptus, Thyme", "Inhalation.", "First bronchitis."},
    {"Abscess", "Tea Tree, Lavender", "Compress.", "See a doctor."},
    {"acne", "Tea Tree", "Spot treatment.", ""},
    {"BRONCHITIS", "Pine", "Steam.", "Second bronchitis."},
    {"Abscess, dental", "Clove", "Compress on the cheek.", "See a dentist."},
};

QString dbPath(const ShellFixture &shell)
{
    return shell.folder.filePath(QStringLiteral("Indications.mdb"));
}

void createDatabase(const ShellFixture &shell)
{
    std::vector<std::vector<jet::Value>> rows;
    for (const Record &r : Records) {
        rows.push_back({jet::Value::ofText(r.name), jet::Value::ofText(EncodeOilList(r.oils).toStdString()),
                        jet::Value::ofText(r.method),
                        *r.notes ? jet::Value::ofText(r.notes) : jet::Value::null()});
    }
    QVERIFY(jet::createDatabase(dbPath(shell).toStdString(), indications::tableDefinition(), rows).ok());
}

// The height of what is drawn dark inside a button's frame: its arrow and bar.
int inkHeight(QWidget *button)
{
    const QImage image = button->grab().toImage();
    const int margin = 3; // the bevel
    int first = -1;
    int last = -1;
    for (int y = margin; y < image.height() - margin; ++y) {
        for (int x = margin; x < image.width() - margin; ++x) {
            if (qGray(image.pixel(x, y)) < 80) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

// Every record of the file as "name|notes", read with our engine.
QStringList storedRecords(const ShellFixture &shell)
{
    QStringList result;
    auto db = jet::Database::open(dbPath(shell).toStdString());
    if (!db)
        return {QString::fromStdString(db.error().message)};
    auto data = (*db)->readTable("Indications");
    for (const auto &row : data->rows)
        result << QString::fromStdString(row[0].text) + QLatin1Char('|') +
                      QString::fromStdString(row[3].text);
    result.sort();
    return result;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

std::uint32_t definitionPage(const QString &path)
{
    auto db = jet::Database::open(path.toStdString());
    return db ? (*db)->tableDef("Indications")->page : 0;
}

// Cuts the file before the first page of the table's records.
void damage(const QString &path)
{
    std::uint32_t firstDataPage = 0;
    {
        auto db = jet::Database::open(path.toStdString());
        QVERIFY(db);
        firstDataPage = (*(*db)->rowIds("Indications")).front().page;
    }
    QVERIFY(QFile::resize(path, qint64(firstDataPage) * 4096));
}

// The program as installed: the original database among the files that ship with it, the user's copy in
// the user's data folder.
struct Installation
{
    QString programFolder;
    std::unique_ptr<PlatformServices> previous;

    explicit Installation(const ShellFixture &shell)
        : programFolder(shell.folder.filePath(QStringLiteral("bin")))
    {
        QDir().mkpath(userfiles::installedShippedPlace(programFolder));
        qputenv("XDG_DATA_HOME", shell.folder.filePath(QStringLiteral("home/data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", shell.folder.filePath(QStringLiteral("home/config")).toLocal8Bit());
        previous = setPlatform(std::make_unique<RecordingPlatform>(programFolder));
    }
    ~Installation()
    {
        setPlatform(std::move(previous));
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }
    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    QString shipped() const { return userfiles::shippedIndicationsDatabase(); }
    QString user() const { return userfiles::indicationsDatabase(); }
};

// The shipped original, and the user's copy of it.
void installDatabases(const ShellFixture &shell, const Installation &installed)
{
    createDatabase(shell);
    QVERIFY(QFile::rename(dbPath(shell), installed.shipped()));
    QVERIFY(QFile::copy(installed.shipped(), installed.user()));
    QVERIFY(QFile::setPermissions(installed.user(), QFile::ReadOwner | QFile::WriteOwner));
}

template <typename T> T *child(QWidget *page, const char *name)
{
    T *w = page->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

struct Page
{
    frmIndications *window;
    QLineEdit *name() const { return child<QLineEdit>(window, "txtIndications"); }
    QPlainTextEdit *box(const char *n) const { return child<QPlainTextEdit>(window, n); }
    QListWidget *list() const { return child<QListWidget>(window, "lstAfflictions"); }
    void select(const QString &entry) const
    {
        const auto items = list()->findItems(entry, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(entry));
        list()->setCurrentItem(items.first());
    }
    void type(const char *box, const QString &text) const
    {
        QPlainTextEdit *b = this->box(box);
        b->setPlainText(text);
        b->document()->setModified(true);
    }
};

Page openPage()
{
    return {qobject_cast<frmIndications *>(windows().OpenPage(Forms::frmIndications))};
}

} // namespace

class IndicationsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheFirstRecordInNameOrder()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        QCOMPARE(page.window->windowTitle(), QStringLiteral("Ambrelis and Essential Oils"));
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));
        QCOMPARE(page.box("txtOilsDec")->toPlainText(), QStringLiteral("Tea Tree, Lavender"));
        QCOMPARE(page.box("txtOilsEnc")->toPlainText(), EncodeOilList(QStringLiteral("Tea Tree, Lavender")));
        QCOMPARE(page.box("txtMethod")->toPlainText(), QStringLiteral("Compress."));
        QCOMPARE(page.list()->count(), 251);
        QVERIFY(page.list()->selectedItems().isEmpty());
        QCOMPARE(child<DataControl>(page.window, "datIndications")->caption(),
                 QStringLiteral("     Indications"));
        QVERIFY(shell.messages.isEmpty());
    }

    // Nothing is selected on opening, so the list marks no entry, even once it has the keyboard focus.
    void theListMarksNoEntryBeforeOneIsSelected()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.window));
        page.list()->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(page.list()->hasFocus());
        QTRY_COMPARE(page.list()->currentRow(), -1);
        QVERIFY(page.list()->selectedItems().isEmpty());
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));

        // The keyboard still reaches the first entry, and a selection is shown where it is.
        QTest::keyClick(page.list(), Qt::Key_Down);
        QCOMPARE(page.list()->currentRow(), 0);
        QCOMPARE(page.list()->selectedItems().size(), 1);
        QTest::keyClick(page.list(), Qt::Key_Down);
        QCOMPARE(page.list()->currentRow(), 1);
        QCOMPARE(page.list()->selectedItems(), QList<QListWidgetItem *>{page.list()->item(1)});
    }

    // The bar's caption is read whole at the design size and on a large screen, where the resizer scales the
    // bar's font.
    void navigationCaptionFitsAtEverySize_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design size") << QSize(792, 534);
        QTest::newRow("maximised on 1920 x 1080") << QSize(1920, 1017);
    }
    void navigationCaptionFitsAtEverySize()
    {
        QFETCH(QSize, client);
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.window->showNormal();
        page.window->resize(client);
        QVERIFY(QTest::qWaitForWindowExposed(page.window));
        QCoreApplication::processEvents();
        auto *bar = child<DataControl>(page.window, "datIndications");
        auto *caption = child<QLabel>(bar, "lblCaption");
        QVERIFY2(caption->sizeHint().width() <= caption->width(),
                 qPrintable(QStringLiteral("needs %1, has %2 (bar %3 x %4)")
                                .arg(caption->sizeHint().width())
                                .arg(caption->width())
                                .arg(bar->width())
                                .arg(bar->height())));
        QCOMPARE(caption->font().pointSizeF(), bar->font().pointSizeF());
    }

    void navigationButtonsHaveSpokenNames_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("first") << "cmdFirst"
                               << "First record";
        QTest::newRow("previous") << "cmdPrevious"
                                  << "Previous record";
        QTest::newRow("next") << "cmdNext"
                              << "Next record";
        QTest::newRow("last") << "cmdLast"
                              << "Last record";
    }
    void navigationButtonsHaveSpokenNames()
    {
        QFETCH(QString, button);
        QFETCH(QString, spoken);
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        auto *control = child<QToolButton>(page.window, qPrintable(button));
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(control);
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), spoken);
    }

    // The arrows and bars are drawn, not taken from the style, so they grow with the bar when maximised.
    void navigationArrowsGrowWithTheBar()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.window->showNormal();
        auto measure = [&](QSize client) {
            page.window->resize(client);
            QVERIFY(QTest::qWaitForWindowExposed(page.window));
            QCoreApplication::processEvents();
        };
        auto *bar = child<DataControl>(page.window, "datIndications");
        const char *buttons[] = {"cmdFirst", "cmdPrevious", "cmdNext", "cmdLast"};

        measure(QSize(792, 534));
        const int smallBar = bar->height();
        QList<int> smallInk;
        for (const char *button : buttons)
            smallInk << inkHeight(child<QToolButton>(bar, button));
        measure(QSize(1920, 1017));
        const double grown = double(bar->height()) / smallBar;
        QVERIFY2(grown > 1.5, qPrintable(QStringLiteral("bar %1 -> %2").arg(smallBar).arg(bar->height())));
        for (int i = 0; i < 4; ++i) {
            const int ink = inkHeight(child<QToolButton>(bar, buttons[i]));
            QVERIFY2(smallInk[i] > 0 && ink >= 0.8 * grown * smallInk[i],
                     qPrintable(QStringLiteral("%1: arrow %2 -> %3 px while the bar grew %4 times")
                                    .arg(QLatin1String(buttons[i]))
                                    .arg(smallInk[i])
                                    .arg(ink)
                                    .arg(grown)));
        }
    }

    void listEntriesFindTheirRecords_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("notes");
        QTest::newRow("comma and blank inside") << " Abscess, dental"
                                                << "See a dentist.";
        QTest::newRow("letter case ignored") << " Acne"
                                             << "";
        QTest::newRow("first of two in record-set order") << " Bronchitis"
                                                          << "First bronchitis.";
    }
    void listEntriesFindTheirRecords()
    {
        QFETCH(QString, entry);
        QFETCH(QString, notes);
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.select(entry);
        QCOMPARE(page.box("txtNotes")->toPlainText(), notes);
        QCOMPARE(child<QLabel>(page.window, "lblSelect")->text(), entry);
    }

    // A spot is an indication's name: the place opens the page on its record and selects its list entry.
    void aPlaceOpensThePageOnItsRecord_data()
    {
        QTest::addColumn<QString>("spot");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("notes"); // of the record on show afterwards
        QTest::addColumn<int>("entry");     // the selected list row; -1 for none
        QTest::newRow("comma and blank inside") << "Abscess, dental" << true << "See a dentist." << 1;
        QTest::newRow("letter case ignored") << "ACNE" << true << "" << 2;
        QTest::newRow("first of two records") << "Bronchitis" << true << "First bronchitis." << 35;
        QTest::newRow("no such record") << "Anxiety" << false << "See a doctor." << -1;
        QTest::newRow("an apostrophe stays inside the name")
            << "Athlete's foot" << false << "See a doctor." << -1;
        QTest::newRow("the page as it opens") << "" << true << "See a doctor." << -1;
    }
    void aPlaceOpensThePageOnItsRecord()
    {
        QFETCH(QString, spot);
        QFETCH(bool, shown);
        QFETCH(QString, notes);
        QFETCH(int, entry);
        ShellFixture shell;
        createDatabase(shell);
        AppWindow *w = windows().OpenPlace({Forms::frmIndications.name(), spot});
        QCOMPARE(w != nullptr, shown);
        Page page{qobject_cast<frmIndications *>(windows().find(Forms::frmIndications))};
        QVERIFY(page.window);
        QCOMPARE(page.box("txtNotes")->toPlainText(), notes);
        QCOMPARE(page.list()->selectedItems().isEmpty() ? -1 : page.list()->currentRow(), entry);
        if (entry >= 0)
            QCOMPARE(page.list()->item(entry)->text().trimmed().toLower(), spot.toLower());
        QVERIFY(shell.messages.isEmpty());
    }

    // An edit on show is written before another record is shown.
    void aSpotWritesTheEditOnShowFirst()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.type("txtNotes", QStringLiteral("Drain it."));
        QVERIFY(page.window->showSpot(QStringLiteral("Acne")));
        QCOMPARE(page.name()->text(), QStringLiteral("acne"));
        QVERIFY(storedRecords(shell).contains(QStringLiteral("Abscess|Drain it.")));
    }

    // The oils of the record on show lead to their profiles; the record is not changed by following them.
    void anOilOfTheListOpensItsProfile_data()
    {
        QTest::addColumn<QString>("entry"); // empty: the first record
        QTest::addColumn<QString>("oil");
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("row");
        QTest::newRow("first record") << ""
                                      << "Lavender" << Forms::frmEssentialOils8 << "Lavender";
        QTest::newRow("after a search") << " Abscess, dental"
                                        << "Clove" << Forms::frmEssentialOils4 << "Clove";
    }
    void anOilOfTheListOpensItsProfile()
    {
        QFETCH(QString, entry);
        QFETCH(QString, oil);
        QFETCH(FormId, form);
        QFETCH(QString, row);
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        if (!entry.isEmpty())
            page.select(entry);
        const QStringList before = storedRecords(shell);
        oillinks::clickOn(page.box("txtOilsDec"), oil, Qt::ControlModifier);
        QCOMPARE(oillinks::markedRow(windows().find(form)), row);
        page.window->close();
        QCOMPARE(storedRecords(shell), before);
    }

    // An oil's row on its profile lists the indications that name the oil, as the database holds them with
    // the edit on show, and each entry opens its record.
    void theProfileListsTheIndicationsOfItsOil()
    {
        ShellFixture shell;
        createDatabase(shell);
        const auto listed = [](AppWindow *profile, int row) {
            auto *menu = profile->findChild<QMenu *>(QStringLiteral("mnuIndications%1").arg(row));
            QStringList entries;
            if (!menu)
                return QStringList{QStringLiteral("<no menu>")};
            emit menu->aboutToShow();
            for (const QAction *a : menu->actions())
                entries << (a->isEnabled() ? a->text() : QStringLiteral("(") + a->text() + u')');
            return entries;
        };
        AppWindow *lavender = windows().OpenPage(Forms::frmEssentialOils8);
        QCOMPARE(listed(lavender, 4), QStringList{QStringLiteral("Abscess")});
        AppWindow *teaTree = windows().OpenPage(Forms::frmEssentialOils96);
        QCOMPARE(listed(teaTree, 1), (QStringList{QStringLiteral("Abscess"), QStringLiteral("acne")}));
        QCOMPARE(listed(lavender, 1), QStringList{QStringLiteral("(No indication names this oil)")});
        QVERIFY(lavender->findChild<QLabel *>(QStringLiteral("lblName4"))
                    ->actions()
                    .contains(lavender->findChild<QAction *>(QStringLiteral("actIndications4"))));

        // The entry opens the record, and an oil typed into it (not yet written) counts.
        auto *menu = lavender->findChild<QMenu *>(QStringLiteral("mnuIndications4"));
        menu->actions().first()->trigger();
        Page page{windows().find<frmIndications>(Forms::frmIndications)};
        QVERIFY(page.window);
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));
        page.select(QStringLiteral(" Acne"));
        page.type("txtOilsEnc", EncodeOilList(QStringLiteral("Tea Tree, Lavender")));
        QCOMPARE(listed(lavender, 4), (QStringList{QStringLiteral("Abscess"), QStringLiteral("acne")}));
        menu->actions().last()->trigger();
        QCOMPARE(page.name()->text(), QStringLiteral("acne"));
        QVERIFY(shell.messages.isEmpty());
    }

    // Without a mouse: the arrow keys move the mark from row to row, and the menu key opens the marked row's
    // list of indications.
    void theKeyboardReachesTheProfileList()
    {
        ShellFixture shell;
        createDatabase(shell);
        AppWindow *profile = windows().OpenPage(Forms::frmEssentialOils8);
        profile->activateWindow(); // the keys are the window's shortcuts
        QVERIFY(QTest::qWaitForWindowActive(profile));
        QCOMPARE(oillinks::markedRow(profile), QString());
        QTest::keyClick(profile, Qt::Key_Menu); // no row marked: nothing opens
        QVERIFY(!profile->findChild<QMenu *>(QStringLiteral("mnuIndications1"))->isVisible());
        QTest::keyClick(profile, Qt::Key_Up); // from nothing, Up starts at the bottom row
        const QString bottom = oillinks::markedRow(profile);
        QVERIFY(!bottom.isEmpty());
        QTest::keyClick(profile, Qt::Key_Down); // and stays there
        QCOMPARE(oillinks::markedRow(profile), bottom);
        QVERIFY(windows().OpenPlace({Forms::frmEssentialOils8.name(), QStringLiteral("Lavender")}));
        QTest::keyClick(profile, Qt::Key_Down);
        QTest::keyClick(profile, Qt::Key_Up);
        QCOMPARE(oillinks::markedRow(profile), QStringLiteral("Lavender"));
        auto *menu = profile->findChild<QMenu *>(QStringLiteral("mnuIndications4"));
        QTest::keyClick(profile, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("Abscess"));
        menu->actions().first()->trigger();
        menu->hide();
        Page page{windows().find<frmIndications>(Forms::frmIndications)};
        QVERIFY(page.window);
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));
    }

    // An oil that many indications name gets its list in groups by first letter, one column each.
    void aLongListIsGroupedByLetter()
    {
        ShellFixture shell;
        std::vector<std::vector<jet::Value>> rows;
        for (const char letter : {'A', 'B'})
            for (int i = 1; i <= 15; ++i)
                rows.push_back(
                    {jet::Value::ofText(
                         QStringLiteral("%1 %2").arg(letter).arg(i, 2, 10, QLatin1Char('0')).toStdString()),
                     jet::Value::ofText(EncodeOilList(QStringLiteral("Clove, Lavender")).toStdString()),
                     jet::Value::null(), jet::Value::null()});
        QVERIFY(jet::createDatabase(dbPath(shell).toStdString(), indications::tableDefinition(), rows).ok());
        AppWindow *profile = windows().OpenPage(Forms::frmEssentialOils8);
        auto *menu = profile->findChild<QMenu *>(QStringLiteral("mnuIndications4"));
        emit menu->aboutToShow();
        QStringList groups;
        for (const QAction *a : menu->actions())
            groups << a->text() + u' ' + QString::number(a->menu() ? a->menu()->actions().size() : 0);
        QCOMPARE(groups, (QStringList{QStringLiteral("A 15"), QStringLiteral("B 15")}));
        menu->actions().last()->menu()->actions().first()->trigger();
        Page page{windows().find<frmIndications>(Forms::frmIndications)};
        QVERIFY(page.window);
        QCOMPARE(page.name()->text(), QStringLiteral("B 01"));
    }

    void anEntryWithoutRecordChangesNothing()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.select(QStringLiteral(" Acne"));
        page.select(QStringLiteral(" Anxiety"));
        QCOMPARE(page.name()->text(), QStringLiteral("acne"));
    }

    void navigationStaysOnTheEndRecords()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        auto *bar = child<DataControl>(page.window, "datIndications");
        emit bar->previousClicked();
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));
        emit bar->nextClicked();
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess, dental"));
        emit bar->lastClicked();
        const QString last = page.name()->text();
        QCOMPARE(last.toLower(), QStringLiteral("bronchitis"));
        emit bar->nextClicked();
        QCOMPARE(page.name()->text(), last);
        emit bar->firstClicked();
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));
    }

    void editsAreWrittenWhenTheRecordIsLeft()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.type("txtNotes", QStringLiteral("Warm compress.\nSee a doctor."));
        emit child<DataControl>(page.window, "datIndications")->nextClicked();
        QVERIFY(storedRecords(shell).contains(QStringLiteral("Abscess|Warm compress.\r\nSee a doctor.")));

        // Checked by a second reader where it is installed.
        const QString exporter = QStandardPaths::findExecutable(QStringLiteral("mdb-export"));
        if (exporter.isEmpty())
            QSKIP("mdb-export is not installed; our own reader agreed");
        QProcess export_;
        export_.start(exporter, {dbPath(shell), QStringLiteral("Indications")});
        QVERIFY(export_.waitForFinished(30000));
        QVERIFY(export_.readAllStandardOutput().contains("Warm compress."));
    }

    void editsAreWrittenWhenThePageCloses()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.name()->setText(QStringLiteral("Abscess, chronic"));
        page.name()->setModified(true);
        page.window->close();
        QVERIFY(storedRecords(shell).contains(QStringLiteral("Abscess, chronic|See a doctor.")));

        // The renamed record is no longer found from the old entry.
        Page again = openPage();
        again.select(QStringLiteral(" Abscess"));
        QCOMPARE(again.name()->text(), QStringLiteral("Abscess, chronic"));
        again.select(QStringLiteral(" Acne"));
        again.select(QStringLiteral(" Abscess"));
        QCOMPARE(again.name()->text(), QStringLiteral("acne"));
    }

    void anEditPendingAtTheEndOfTheProgramIsWritten()
    {
        ShellFixture shell;
        createDatabase(shell);
        startProgram(windows());
        Page page = openPage();
        page.type("txtNotes", QStringLiteral("Written at the end."));
        windows().find(Forms::frmMenu)->close();
        QVERIFY(windows().programEnded());
        QVERIFY(storedRecords(shell).contains(QStringLiteral("Abscess|Written at the end.")));
    }

    void typingInTheDisplayBoxIsNeverWritten()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.type("txtOilsDec", QStringLiteral("Rose"));
        page.window->close();
        auto db = jet::Database::open(dbPath(shell).toStdString());
        const auto data = (*db)->readTable("Indications");
        QCOMPARE(QString::fromStdString(data->rows[1][1].text),
                 EncodeOilList(QStringLiteral("Tea Tree, Lavender")));
    }

    void addAndDelete()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        child<QPushButton>(page.window, "cmdAdd")->click();
        QCOMPARE(page.name()->text(), QString());
        page.name()->setText(QStringLiteral("Zoster"));
        page.name()->setModified(true);
        emit child<DataControl>(page.window, "datIndications")->firstClicked();
        QVERIFY(storedRecords(shell).contains(QStringLiteral("Zoster|")));

        child<QPushButton>(page.window, "cmdDelete")->click(); // deletes "Abscess", shows the first record
        QVERIFY(!storedRecords(shell).contains(QStringLiteral("Abscess|See a doctor.")));
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess, dental"));
    }

    void maintenanceControls()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        QVERIFY(child<QPushButton>(page.window, "cmdCount")->isHidden());
        child<QPushButton>(page.window, "cmdCount")->click();
        QCOMPARE(child<QLineEdit>(page.window, "txtCount")->text(), QStringLiteral("251"));

        QPlainTextEdit *enc = page.box("txtOilsEnc");
        QPlainTextEdit *dec = page.box("txtOilsDec");
        auto *visible = child<QPushButton>(page.window, "cmdVisible");
        visible->click();
        QVERIFY(enc->isHidden() && !dec->isHidden());
        visible->click();
        QVERIFY(!enc->isHidden() && dec->isHidden());

        child<QPushButton>(page.window, "cmdNumsToText")->click();
        QCOMPARE(enc->toPlainText(), QStringLiteral("Tea Tree, Lavender"));
        QCOMPARE(dec->toPlainText(), QStringLiteral("Tea Tree, Lavender"));
        child<QPushButton>(page.window, "cmdTextToNumbers")->click();
        const QString stored = enc->toPlainText();
        QCOMPARE(stored, EncodeOilList(QStringLiteral("Tea Tree, Lavender")));
        child<QPushButton>(page.window, "cmdTextToNumbers")->click();
        QCOMPARE(enc->toPlainText(), stored);
        QCOMPARE(dec->toPlainText(), QStringLiteral("Tea Tree, Lavender"));
    }

    void printHandsTheDisplayFormOver()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        page.select(QStringLiteral(" Acne"));
        child<QPushButton>(page.window, "cmdPrint")->click();
        AppWindow *print = windows().find(Forms::frmPrint);
        QVERIFY(print);
        const QString expected = indications::buildPrintText({"acne", "Tea Tree", "Spot treatment.", ""});
        QVERIFY(expected.endsWith(QStringLiteral("Notes: \r\n\r\n\r\n")));
        if (auto *box = print->findChild<RichTextBox *>(QStringLiteral("rtfPrint"))) {
            QCOMPARE(box->Text().trimmed(), expected.trimmed());
            QVERIFY(!box->Text().contains(EncodeOilList(QStringLiteral("Tea Tree"))));
        }
        QVERIFY(windows().find(Forms::frmIndications));
    }

    void informationOpensTheInformationPage()
    {
        ShellFixture shell;
        createDatabase(shell);
        Page page = openPage();
        child<QPushButton>(page.window, "cmdInformation")->click();
        QVERIFY(windows().find(Forms::frmInformation));
    }

    void aMissingDatabaseIsReportedOnceAndThePageStillOpens()
    {
        ShellFixture shell;
        Page page = openPage();
        QVERIFY(page.window);
        QCOMPARE(shell.messages.size(), 1);
        QVERIFY(shell.messages.first().contains(QStringLiteral("Indications.mdb")));
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess")); // the placeholder from the content set
        page.select(QStringLiteral(" Acne"));
        QCOMPARE(page.name()->text(), QStringLiteral("Abscess"));
        QCOMPARE(shell.messages.size(), 1);
    }

    void aDamagedDatabaseIsSaidOnceWithTheOfferOfTheOriginal_data()
    {
        QTest::addColumn<bool>("putBack");
        QTest::newRow("original put back") << true;
        QTest::newRow("declined") << false;
    }
    void aDamagedDatabaseIsSaidOnceWithTheOfferOfTheOriginal()
    {
        QFETCH(bool, putBack);
        ShellFixture shell;
        Installation installed(shell);
        installDatabases(shell, installed);
        damage(installed.user());
        const QByteArray damaged = fileBytes(installed.user());
        const QString kept =
            QFileInfo(installed.user()).dir().filePath(QStringLiteral("Indications (damaged).mdb"));
        QStringList asked;
        messagebox::setAnswerer([&](const QString &question) {
            asked << question;
            return putBack;
        });

        Page page = openPage();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(shell.messages, asked);
        QVERIFY2(asked.first().contains(QStringLiteral("damaged")), qPrintable(asked.first()));
        QVERIFY2(asked.first().contains(QDir::toNativeSeparators(installed.user())),
                 qPrintable(asked.first()));
        QVERIFY2(asked.first().contains(QDir::toNativeSeparators(kept)), qPrintable(asked.first()));
        if (putBack) {
            QCOMPARE(fileBytes(installed.user()), fileBytes(installed.shipped()));
            QCOMPARE(fileBytes(kept), damaged);
            QVERIFY(page.window->data().isOpen());
            QCOMPARE(page.window->data().recordCount(), int(std::size(Records)));
            QVERIFY(!page.window->data().readOnly());
        } else {
            QCOMPARE(fileBytes(installed.user()), damaged);
            QVERIFY(!QFile::exists(kept));
            QVERIFY(!page.window->data().isOpen());
        }
        page.select(QStringLiteral(" Acne"));
        page.type("txtNotes", QStringLiteral("A note."));
        page.window->close();
        QCOMPARE(shell.messages.size(), 1);
    }

    // A damaged file that is kept at once: a second damaged start keeps that one under the next name.
    void aSecondDamagedFileIsKeptUnderANewName()
    {
        ShellFixture shell;
        Installation installed(shell);
        installDatabases(shell, installed);
        const QDir data = QFileInfo(installed.user()).dir();
        const QString first = data.filePath(QStringLiteral("Indications (damaged).mdb"));
        QVERIFY(QFile::copy(installed.shipped(), first));
        damage(installed.user());
        const QByteArray damaged = fileBytes(installed.user());
        messagebox::setAnswerer([](const QString &) { return true; });
        openPage();
        QCOMPARE(fileBytes(first), fileBytes(installed.shipped()));
        QCOMPARE(fileBytes(data.filePath(QStringLiteral("Indications (damaged 2).mdb"))), damaged);
    }

    // In a program folder that holds its own files there is no other original to offer.
    void aDamagedDatabaseWithoutAnOriginalIsSaidOnce()
    {
        ShellFixture shell;
        createDatabase(shell);
        damage(dbPath(shell));
        const QByteArray damaged = fileBytes(dbPath(shell));
        bool asked = false;
        messagebox::setAnswerer([&](const QString &) { return asked = true; });
        Page page = openPage();
        QVERIFY(!asked);
        QCOMPARE(shell.messages.size(), 1);
        QVERIFY2(shell.messages.first().contains(QStringLiteral("damaged")),
                 qPrintable(shell.messages.first()));
        QCOMPARE(fileBytes(dbPath(shell)), damaged);
        QVERIFY(!page.window->data().isOpen());
    }

    void aDatabaseThatCannotBeChangedIsExplainedOnceWithTheOfferToConvert_data()
    {
        QTest::addColumn<bool>("convert");
        QTest::newRow("converted") << true;
        QTest::newRow("declined") << false;
    }
    void aDatabaseThatCannotBeChangedIsExplainedOnceWithTheOfferToConvert()
    {
        QFETCH(bool, convert);
        ShellFixture shell;
        createDatabase(shell);
        giveTableAnIndex(dbPath(shell).toStdString(), definitionPage(dbPath(shell)));
        const QByteArray original = fileBytes(dbPath(shell));
        const QString kept = shell.folder.filePath(QStringLiteral("Indications (original).mdb"));
        QStringList asked;
        messagebox::setAnswerer([&](const QString &question) {
            asked << question;
            return convert;
        });

        Page page = openPage();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(shell.messages, asked);
        QVERIFY2(asked.first().contains(QStringLiteral("index")), qPrintable(asked.first()));
        QVERIFY2(asked.first().contains(QDir::toNativeSeparators(kept)), qPrintable(asked.first()));
        QCOMPARE(page.window->data().readOnly(), !convert);
        QCOMPARE(page.window->data().recordCount(), int(std::size(Records)));
        page.type("txtNotes", QStringLiteral("Warm compress."));
        emit child<DataControl>(page.window, "datIndications")->nextClicked();
        if (convert) {
            QCOMPARE(fileBytes(kept), original);
            QVERIFY(storedRecords(shell).contains(QStringLiteral("Abscess|Warm compress.")));
        } else {
            QCOMPARE(fileBytes(dbPath(shell)), original);
            QVERIFY(!QFile::exists(kept));
        }
        QCOMPARE(shell.messages.size(), 1);
    }

    void aFileThatIsNotADatabaseIsReported()
    {
        ShellFixture shell;
        shell.writeFile(QStringLiteral("Indications.mdb"), QByteArray(8192, 'x'));
        openPage();
        QCOMPARE(shell.messages.size(), 1);
        QVERIFY(shell.messages.first().contains(QStringLiteral("Indications.mdb")));
    }
};

QTEST_MAIN(IndicationsPageTest)
#include "IndicationsPageTest.moc"
