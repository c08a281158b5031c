#include <QTest>
class PrintDialogsTest : public QObject
{
    Q_OBJECT private slots : void none() {}
};
QTEST_MAIN(PrintDialogsTest)
#include "PrintDialogsTest.moc"
