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

    // A label whose text just filled its box at the design size still shows all of it at any scale, even
    // where the scaled font's line height has grown by a whole pixel more than the box.
    void labelsThatFitKeepFitting_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("italic");
        QTest::newRow("serif") << QStringLiteral("Times New Roman") << false;
        QTest::newRow("serif italic") << QStringLiteral("Times New Roman") << true;
        QTest::newRow("sans") << QStringLiteral("Arial") << false;
    }
    void labelsThatFitKeepFitting()
    {
        QFETCH(QString, family);
        QFETCH(bool, italic);
        int shrunk = 0;
        for (double points = 7; points <= 14; points += 0.25) {
            for (const QSize client : {QSize(1920, 1017), QSize(1920, 1080), QSize(1366, 705),
                                       QSize(1024, 705), QSize(1280, 961)}) {
                QWidget window;
                auto *label = new QLabel(QStringLiteral("Abies balsamea, a name that wraps"), &window);
                QFont font(family);
                font.setPointSizeF(points);
                font.setItalic(italic);
                label->setFont(font);
                label->setWordWrap(true);
                label->setGeometry(30, 40, 120, 0);
                label->resize(120, label->heightForWidth(120)); // exactly as tall as its text
                Resizer resizer(&window, QSize(792, 534), false);
                resizer.apply(client);

                const double plain =
                    points * Resizer::fontScale(client.width() / 792.0, client.height() / 534.0);
                const QString where =
                    QStringLiteral("%1 pt at %2x%3").arg(points).arg(client.width()).arg(client.height());
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where));
                QVERIFY2(label->font().pointSizeF() <= plain && label->font().pointSizeF() > plain * 0.88,
                         qPrintable(where));
                if (label->font().pointSizeF() < plain)
                    ++shrunk;
            }
        }
        // The sizes above include some where plain scaling would cut the last line short.
        QVERIFY(shrunk > 0);
    }

    // Text that never fitted its box is not shrunk: the scale stays that of the window.
    void overflowingLabelKeepsThePlainScale()
    {
        QWidget window;
        auto *label = new QLabel(QStringLiteral("far too much text for so small a box"), &window);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(10);
        label->setFont(font);
        label->setGeometry(0, 0, 40, 10);
        Resizer resizer(&window, QSize(792, 534), false);
        resizer.apply(QSize(1584, 1068));
        QCOMPARE(label->font().pointSizeF(), 20.0);
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
