#include "app/shell/PictureBox.h"

#include <QFile>
#include <QImage>
#include <QPixmapCache>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>

namespace {

const QColor Red(255, 0, 0);
const QColor Placeholder(240, 236, 228);

QColor centreOf(PictureBox &box)
{
    const QImage shot = box.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

// A red picture of its own in a fresh folder.
QString writeRedSvg(const QTemporaryDir &folder)
{
    const QString path = folder.filePath(QStringLiteral("red.svg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\" viewBox=\"0 0 10 10\">"
               "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>");
    return path;
}

// What the screen shows at the centre of a box in a shown window.
QColor onScreen(const PictureBox &box)
{
    const QPoint centre = box.mapToGlobal(box.rect().center());
    const QImage shot = box.screen()->grabWindow(0, centre.x(), centre.y(), 1, 1).toImage();
    return shot.pixelColor(0, 0);
}

} // namespace

class PictureBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void drawingsAreSharedBySourceAndSize()
    {
        QTemporaryDir folder;
        const QString path = writeRedSvg(folder);
        QVERIFY(!path.isEmpty());

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

    // On screen the window paints without waiting for the picture, which shows once it is drawn.
    void aShownPictureAppearsOnceDrawn()
    {
        QTemporaryDir folder;
        const QString path = writeRedSvg(folder);
        QVERIFY(!path.isEmpty());
        QWidget window;
        window.resize(120, 90);
        auto *box = new PictureBox(&window); // owned by the window
        box->setGeometry(10, 10, 97, 61);    // a size no other test draws, so no drawing is at hand
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        box->setSource(path);
        box->repaint();
        QVERIFY(onScreen(*box) != Red);
        // Nor does the drawing begin before the paint has gone to the screen: a worker started within the
        // paint would compete with it for the processor.
        QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
        QTRY_COMPARE(onScreen(*box), Red);

        // A missing picture comes to the plain frame the same way.
        box->setSource(folder.filePath(QStringLiteral("missing.svg")));
        QTRY_COMPARE(onScreen(*box), Placeholder);
    }

    // A page closed before its pictures are drawn leaves nothing behind for the drawings to reach.
    void aBoxClosedWhileItsDrawingIsMadeIsLeftAlone()
    {
        QTemporaryDir folder;
        const QString path = writeRedSvg(folder);
        auto window = std::make_unique<QWidget>();
        window->resize(120, 90);
        auto *box = new PictureBox(window.get()); // owned by the window
        box->setGeometry(0, 0, 101, 67);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        box->setSource(path);
        box->repaint(); // asks for the drawing; no event is handled before the window goes
        window.reset();
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
        QPixmap kept;
        QVERIFY(!QPixmapCache::find(QStringLiteral("PictureBox|%1|101x67").arg(path), &kept));
    }
};

QTEST_MAIN(PictureBoxTest)
#include "PictureBoxTest.moc"
