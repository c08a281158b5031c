#include "app/shell/PictureBox.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor Red(255, 0, 0);
const QColor Placeholder(240, 236, 228);

QColor centreOf(PictureBox &box)
{
    const QImage shot = box.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

} // namespace

class PictureBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void drawingsAreSharedBySourceAndSize()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("red.svg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\" viewBox=\"0 0 10 10\">"
            "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>");
        file.close();

        PictureBox first;
        first.resize(40, 30);
        first.setSource(path);
        QCOMPARE(centreOf(first), Red);

        // With the file gone, only a drawing already made can still show the picture.
        QVERIFY(QFile::remove(path));
        PictureBox sameSize;
        sameSize.resize(40, 30);
        sameSize.setSource(path);
        QCOMPARE(centreOf(sameSize), Red);

        PictureBox otherSize;
        otherSize.resize(50, 30);
        otherSize.setSource(path);
        QCOMPARE(centreOf(otherSize), Placeholder);
        QVERIFY(!otherSize.hasPicture());

        // A new source replaces the drawing the box had.
        first.setSource(folder.filePath(QStringLiteral("missing.svg")));
        QCOMPARE(centreOf(first), Placeholder);
    }
};

QTEST_MAIN(PictureBoxTest)
#include "PictureBoxTest.moc"
