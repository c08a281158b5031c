#include <QTest>
class RichTextBoxTest : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(RichTextBoxTest)
#include "RichTextBoxTest.moc"
