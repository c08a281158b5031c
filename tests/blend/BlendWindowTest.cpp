// The Blend Calculator driven through its controls on the offscreen platform: opened from the main menu, oils
// added by name, figures and marks shown as the user types, the suggestion applied, "Who is it for?" kept for
// the next start, blends saved and opened by name, a damaged file reported and kept, the blend printed.
#include "ShellFixture.h"
#include "app/richtext/RichTextBox.h"
#include "blend/windows/WhoIsItFor.h"
#include "blend/windows/frmBlend.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

template <typename W> W *child(QWidget *window, const char *name)
{
    auto *w = window->findChild<W *>(QLatin1String(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

void typeInto(QWidget *window, const char *name, const QString &text)
{
    auto *edit = child<QLineEdit>(window, name);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(QWidget *window, const char *name)
{
    child<QPushButton>(window, name)->click();
}

void addOil(QWidget *window, const QString &name, const QString &drops)
{
    typeInto(window, "txtOil", name);
    typeInto(window, "txtDrops", drops);
    click(window, "cmdAdd");
}

void chooseByText(QWidget *window, const char *name, const QString &text)
{
    auto *box = child<QComboBox>(window, name);
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box->setCurrentIndex(index);
}

QString cell(QWidget *window, int row, int column)
{
    QTableWidgetItem *item = child<QTableWidget>(window, "tblOils")->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class BlendWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ShellFixture> m_shell;

    frmBlend *openFromMenu()
    {
        startProgram(windows());
        AppWindow *menu = windows().find(Forms::frmMenu);
        if (!menu)
            return nullptr;
        auto *entry = menu->findChild<QPushButton *>(QStringLiteral("cmdBlend"));
        if (!entry || !entry->isVisible())
            return nullptr;
        entry->click();
        return windows().find<frmBlend>(Forms::frmBlend);
    }

private slots:
    void init()
    {
        m_shell = std::make_unique<ShellFixture>();
        blend::WhoIsItFor::instance().reload(); // this test's configuration folder
    }
    void cleanup()
    {
        m_shell.reset();
        blend::WhoIsItFor::instance().reload();
    }

    void figuresAndMarksAsTheUserTypes()
    {
        frmBlend *w = openFromMenu();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Blend Calculator"));
        QVERIFY(child<QLabel>(w, "lblMeasures")->text().startsWith(QLatin1String("20 drops make 1 ml")));

        // Typing completes the names of the table.
        QCompleter *completer = child<QLineEdit>(w, "txtOil")->completer();
        completer->setCompletionPrefix(QStringLiteral("berg"));
        QCOMPARE(completer->currentCompletion(), QStringLiteral("Bergamot"));
        QCOMPARE(completer->model()->rowCount(), 107);

        chooseByText(w, "cboUse", QStringLiteral("Local area"));
        typeInto(w, "txtCarrier", QStringLiteral("10"));
        addOil(w, QStringLiteral("bergamot"), QStringLiteral("1"));
        addOil(w, QStringLiteral("Lavender"), QStringLiteral("5"));
        QCOMPARE(cell(w, 0, 0), QStringLiteral("Bergamot"));
        QCOMPARE(cell(w, 0, 2), QStringLiteral("0.5%"));
        QCOMPARE(cell(w, 1, 2), QStringLiteral("2.5%"));
        QCOMPARE(child<QLabel>(w, "lblTotal")->text(), QStringLiteral("Total: 3% of the carrier oil"));
        QTableWidgetItem *mark = child<QTableWidget>(w, "tblOils")->item(0, 4);
        QVERIFY2(mark->text().contains(QLatin1String("Over its maximum in the sun")),
                 qPrintable(mark->text()));
        QVERIFY(mark->toolTip().contains(QLatin1String("over its maximum of 0.4%")));
        QVERIFY(mark->toolTip().contains(QLatin1String("Bergamot (expressed)")));
        QVERIFY(mark->data(Qt::AccessibleTextRole).toString().startsWith(QLatin1String("Bergamot: ")));
        QVERIFY(child<QLabel>(w, "lblLevel")->text().contains(QLatin1String("5%")));

        // The suggestion takes Bergamot out; the drops of the table are the user's to edit.
        QVERIFY(child<QPushButton>(w, "cmdSuggest")->isEnabled());
        click(w, "cmdSuggest");
        QCOMPARE(cell(w, 0, 1), QStringLiteral("0"));
        QCOMPARE(cell(w, 1, 1), QStringLiteral("5"));
        QVERIFY(!child<QPushButton>(w, "cmdSuggest")->isEnabled());

        // In a bath the skin is washed, not left in the sun.
        child<QTableWidget>(w, "tblOils")->item(0, 1)->setText(QStringLiteral("1"));
        chooseByText(w, "cboUse", QStringLiteral("Bath"));
        QCOMPARE(child<QTableWidget>(w, "tblOils")->item(0, 4)->text(), QString());

        // Letters and an empty carrier: a message, no figures.
        typeInto(w, "txtCarrier", QStringLiteral("abc"));
        QVERIFY(child<QLabel>(w, "lblProblems")->text().contains(QLatin1String("\"abc\" is not a number")));
        QCOMPARE(cell(w, 0, 2), QString());
        typeInto(w, "txtCarrier", QStringLiteral("0"));
        QVERIFY(child<QLabel>(w, "lblProblems")->text().contains(QLatin1String("nothing to dilute in")));

        click(w, "cmdPrint");
        AppWindow *print = windows().find(Forms::frmPrint);
        QVERIFY(print);
        typeInto(w, "txtCarrier", QStringLiteral("10"));
        click(w, "cmdPrint");
        if (auto *box = print->findChild<RichTextBox *>(QStringLiteral("rtfPrint"))) {
            QVERIFY2(box->Text().contains(QLatin1String("Bergamot: 1 drop, 0.5%")), qPrintable(box->Text()));
            QVERIFY(box->Text().contains(QLatin1String("Carrier oil: 10 ml")));
            QVERIFY(box->Text().contains(QLatin1String("Total: 3%")));
        } else {
            qInfo("the print page has no rtfPrint box in this build; only its opening was checked");
        }
    }

    void whoIsItForMarksAndIsKept()
    {
        frmBlend *w = openFromMenu();
        QVERIFY(w);
        chooseByText(w, "cboWho", QStringLiteral("Child"));
        child<QSpinBox>(w, "spnAge")->setValue(4);
        child<QCheckBox>(w, "chkEpilepsy")->setChecked(true);
        chooseByText(w, "cboUse", QStringLiteral("Whole body massage"));
        typeInto(w, "txtCarrier", QStringLiteral("30"));
        addOil(w, QStringLiteral("Peppermint"), QStringLiteral("2"));
        QTableWidgetItem *mark = child<QTableWidget>(w, "tblOils")->item(0, 4);
        QVERIFY2(mark->text().contains(QLatin1String("Avoid")), qPrintable(mark->text()));
        QVERIFY(mark->toolTip().contains(QLatin1String("not for children under 6")));
        QVERIFY(child<QLabel>(w, "lblLevel")->text().startsWith(QLatin1String("Level: 1.25%")));

        // Kept for the next start: a fresh read of the configuration folder gives it back.
        windows().ClosePage(Forms::frmBlend);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        blend::WhoIsItFor::instance().reload();
        frmBlend *again = openFromMenu();
        QVERIFY(again);
        QCOMPARE(child<QComboBox>(again, "cboWho")->currentText(), QStringLiteral("Child"));
        QCOMPARE(child<QSpinBox>(again, "spnAge")->value(), 4);
        QVERIFY(child<QCheckBox>(again, "chkEpilepsy")->isChecked());

        // Unset: nothing is kept.
        chooseByText(again, "cboWho", QStringLiteral("Not set (an adult)"));
        QVERIFY(!blend::WhoIsItFor::instance().person());
        QVERIFY(!QFile::exists(m_shell->folder.filePath(blend::WhoIsItFor::fileName())));
    }

    void blendsAreSavedAndOpenedByName()
    {
        frmBlend *w = openFromMenu();
        QVERIFY(w);
        typeInto(w, "txtCarrier", QStringLiteral("2"));
        chooseByText(w, "cboUnit", QStringLiteral("tablespoons"));
        addOil(w, QStringLiteral("Lavender"), QStringLiteral("6"));
        typeInto(w, "txtName", QStringLiteral("Calm"));
        click(w, "cmdSave");
        QVERIFY2(m_shell->messages.isEmpty(), qPrintable(m_shell->messages.join(QLatin1Char('\n'))));
        QVERIFY(QFile::exists(frmBlend::savedBlendsFile()));

        w->startWith({QStringLiteral("Rose")});
        QCOMPARE(cell(w, 0, 0), QStringLiteral("Rose"));
        chooseByText(w, "cboSaved", QStringLiteral("Calm"));
        click(w, "cmdOpen");
        QCOMPARE(child<QTableWidget>(w, "tblOils")->rowCount(), 1);
        QCOMPARE(cell(w, 0, 0), QStringLiteral("Lavender"));
        QCOMPARE(cell(w, 0, 1), QStringLiteral("6"));
        QCOMPARE(child<QComboBox>(w, "cboUnit")->currentText(), QStringLiteral("tablespoons"));
        QCOMPARE(cell(w, 0, 2), QStringLiteral("1%"));
    }

    void aDamagedFileIsReportedAndKept()
    {
        const QByteArray damaged("{\"blends\": [ {\"name\": \"Calm\", ");
        m_shell->writeFile(QStringLiteral("Blends.json"), damaged);
        frmBlend *w = openFromMenu();
        QVERIFY(w);
        QCOMPARE(m_shell->messages.size(), 1);
        QVERIFY(m_shell->messages.first().contains(QLatin1String("Blends.json: damaged")));
        addOil(w, QStringLiteral("Lavender"), QStringLiteral("3"));
        typeInto(w, "txtName", QStringLiteral("New"));
        click(w, "cmdSave");
        QCOMPARE(m_shell->messages.size(), 2);
        QVERIFY(m_shell->messages.last().startsWith(QLatin1String("The blend was not saved")));
        QFile file(frmBlend::savedBlendsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
    }
};

QTEST_MAIN(BlendWindowTest)
#include "BlendWindowTest.moc"
