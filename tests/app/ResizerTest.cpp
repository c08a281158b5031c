#include "app/shell/Resizer.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

class ResizerTest : public QObject
{
    Q_OBJECT

private slots:
    void scaled_data()
    {
        QTest::addColumn<QRect>("design");
        QTest::addColumn<double>("sx");
        QTest::addColumn<double>("sy");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("unchanged at design size")
            << QRect(10, 20, 30, 40) << 1.0 << 1.0 << QRect(10, 20, 30, 40);
        QTest::newRow("doubled") << QRect(10, 20, 30, 40) << 2.0 << 2.0 << QRect(20, 40, 60, 80);
        QTest::newRow("wider only") << QRect(10, 20, 30, 40) << 1.5 << 1.0 << QRect(15, 20, 45, 40);
        QTest::newRow("smaller") << QRect(100, 100, 50, 50) << 0.5 << 0.5 << QRect(50, 50, 25, 25);
        // 792 x 534 design client on a 1024 x 768 screen's client
        QTest::newRow("page to 1024x705")
            << QRect(396, 267, 396, 267) << 1024.0 / 792 << 705.0 / 534 << QRect(512, 353, 512, 352);
    }
    void scaled()
    {
        QFETCH(QRect, design);
        QFETCH(double, sx);
        QFETCH(double, sy);
        QFETCH(QRect, expected);
        QCOMPARE(Resizer::scaled(design, sx, sy), expected);
    }

    void neighboursStillTouchAfterScaling()
    {
        // Two buttons side by side at design time stay side by side whatever the ratio.
        const QRect left(7, 3, 33, 10), right(40, 3, 33, 10);
        for (double s : {1.1, 1.29, 1.333, 1.7, 2.41}) {
            QCOMPARE(Resizer::scaled(left, s, s).right() + 1, Resizer::scaled(right, s, s).left());
        }
    }

    void appliesToControlsInsideFramesAndScalesFonts()
    {
        QWidget window;
        window.resize(792, 534);
        auto *frame = new QFrame(&window);
        frame->setGeometry(100, 100, 200, 100);
        auto *inner = new QLabel(QStringLiteral("inner"), frame);
        inner->setGeometry(10, 10, 50, 20);
        QFont font = inner->font();
        font.setPointSizeF(12);
        inner->setFont(font);
        auto *list = new QLabel(QStringLiteral("top"), &window);
        list->setGeometry(0, 0, 792, 534);

        Resizer resizer(&window, QSize(792, 534), true);
        resizer.apply(QSize(1584, 1068));

        QCOMPARE(frame->geometry(), QRect(200, 200, 400, 200));
        QCOMPARE(inner->geometry(), QRect(20, 20, 100, 40));
        QCOMPARE(inner->font().pointSizeF(), 24.0);
        QCOMPARE(list->geometry(), QRect(0, 0, 1584, 1068));
    }

    void hidingControlsRestoresVisibility()
    {
        QWidget window;
        auto *shown = new QLabel(QStringLiteral("shown"), &window);
        auto *hidden = new QLabel(QStringLiteral("hidden"), &window);
        hidden->hide();
        window.show();
        Resizer resizer(&window, QSize(792, 534), true);
        resizer.apply(QSize(900, 600));
        QVERIFY(shown->isVisible());
        QVERIFY(hidden->isHidden());
    }

    void followsTheWindowsResizeEvents()
    {
        QWidget window;
        window.resize(792, 534);
        auto *label = new QLabel(QStringLiteral("x"), &window);
        label->setGeometry(396, 0, 396, 267);
        new Resizer(&window, QSize(792, 534), false); // owned by the window
        window.show();
        window.resize(1188, 534);
        QCoreApplication::processEvents();
        QCOMPARE(label->geometry(), QRect(594, 0, 594, 267));
    }
};

QTEST_MAIN(ResizerTest)
#include "ResizerTest.moc"
