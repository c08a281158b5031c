#include "app/shell/FirstPaintPreparation.h"

#include "app/shell/DesignProperties.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QFont designFont(qreal points, bool bold)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A small window of the kinds of control the menu shows: a titled group box holding a wrapped label and a
// coloured button, and a coloured label beside it.
std::unique_ptr<QWidget> designWindow()
{
    auto window = std::make_unique<QWidget>();
    window->resize(420, 200);
    auto *frame = new QGroupBox(QStringLiteral(" Ambrelis "), window.get()); // owned by the window
    frame->setGeometry(10, 0, 200, 190);
    frame->setFont(designFont(21.75, true));
    auto *wrapped = new QLabel(QStringLiteral("        and          Essential Oils  "), frame); // owned by frame
    wrapped->setGeometry(6, 40, 180, 54);
    wrapped->setWordWrap(true);
    wrapped->setFont(designFont(18, true));
    auto *button = new QPushButton(QStringLiteral("Basic Information"), frame); // owned by the frame
    button->setGeometry(10, 100, 172, 32);
    button->setFont(designFont(12.75, true));
    button->setProperty("buttonColor", QColor(208, 144, 160));
    auto *label = new QLabel(QStringLiteral("1/2 teaspoon (2.5 ml) base oil"), window.get()); // owned by window
    label->setGeometry(220, 20, 190, 26);
    label->setFont(designFont(11.25, false));
    label->setProperty("textColor", QColor(255, 240, 255));
    label->setProperty("backgroundColor", QColor(128, 32, 48));
    applyDesignProperties(window.get());
    return window;
}

QImage firstPaint(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {};
    return window.grab().toImage();
}

} // namespace

class FirstPaintPreparationTest : public QObject
{
    Q_OBJECT

private slots:
    // Drawing the controls off screen only fills caches: a window prepared before its paint, and again after
    // it, looks exactly as one that never was.
    void aPreparedWindowLooksAsOneThatWasNot()
    {
        const auto plain = designWindow();
        const QImage expected = firstPaint(*plain);
        QVERIFY(!expected.isNull());

        const auto prepared = designWindow();
        new FirstPaintPreparation(prepared.get()); // owned by the window
        FirstPaintPreparation::prepareTexts(prepared.get()); // hidden controls are left alone
        QCOMPARE(firstPaint(*prepared), expected);
        FirstPaintPreparation::prepareTexts(prepared.get());
        QCOMPARE(prepared->grab().toImage(), expected);
    }

    // The preparation leaves with the first paint, and a window closed before it takes its preparation along.
    void thePreparationEndsWithTheFirstPaint()
    {
        const auto window = designWindow();
        QPointer<QObject> preparation = new FirstPaintPreparation(window.get()); // owned by the window
        QVERIFY(!firstPaint(*window).isNull());
        QTRY_VERIFY(preparation.isNull());

        auto closedEarly = designWindow();
        preparation = new FirstPaintPreparation(closedEarly.get()); // owned by the window
        closedEarly->show();
        closedEarly.reset();
        QVERIFY(preparation.isNull());
        QTest::qWait(20); // a drawing still queued for the window must not run
    }
};

QTEST_MAIN(FirstPaintPreparationTest)
#include "FirstPaintPreparationTest.moc"
