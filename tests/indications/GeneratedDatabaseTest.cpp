#include "ShellFixture.h"
#include "indications/logic/IndicationsText.h"
#include "indications/windows/frmIndications.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

// The page over the database the build makes from the content set: a copy in the test's application folder,
// so that the build's own file is never changed.
class GeneratedDatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void everyListEntryFindsItsRecord()
    {
        ShellFixture shell;
        QVERIFY(QFile::copy(QStringLiteral(GENERATED_MDB),
                            shell.folder.filePath(QStringLiteral("Indications.mdb"))));
        auto *page = qobject_cast<frmIndications *>(windows().OpenPage(Forms::frmIndications));
        QVERIFY(page->data().isOpen());
        QCOMPARE(page->data().recordCount(), 251);
        QVERIFY(shell.messages.isEmpty());

        auto *list = page->findChild<QListWidget *>(QStringLiteral("lstAfflictions"));
        auto *name = page->findChild<QLineEdit *>(QStringLiteral("txtIndications"));
        auto *oils = page->findChild<QPlainTextEdit *>(QStringLiteral("txtOilsDec"));
        QCOMPARE(name->text(), list->item(0)->text().trimmed()); // the first record in name order
        // Walk the list backwards so that every entry is a real move away from the record before it.
        for (int row = list->count() - 1; row >= 0; --row) {
            list->setCurrentRow(row);
            const QString entry = list->item(row)->text().trimmed();
            QVERIFY2(name->text().compare(entry, Qt::CaseInsensitive) == 0, qPrintable(entry));
            QVERIFY2(!oils->toPlainText().isEmpty(), qPrintable(entry));
            // The display form holds only readable oil names: no digits or code characters left over.
            QVERIFY2(!oils->toPlainText().contains(QRegularExpression(QStringLiteral("[0-9#@%+=*$]"))),
                     qPrintable(entry));
        }
    }
};

QTEST_MAIN(GeneratedDatabaseTest)
#include "GeneratedDatabaseTest.moc"
