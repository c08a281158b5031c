#include "app/shell/ButtonColours.h"

#include "app/shell/DesignProperties.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

namespace {

// A window of buttons of that colour and size, one above the other, coloured by style sheets or by their
// design colour.
QImage buttonsGrab(const QColor &colour, QSize size, bool bySheet, int count = 1)
{
    QWidget window;
    window.resize(size.width() + 20, (size.height() + 10) * count + 10);
    for (int i = 0; i < count; ++i) {
        auto *button = new QPushButton(QStringLiteral("Essential Oils"), &window); // owned by the window
        button->setGeometry(QRect(QPoint(10, 10 + i * (size.height() + 10)), size));
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(12.75);
        font.setBold(true);
        button->setFont(font);
        if (bySheet)
            button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }").arg(colour.name()));
        else
            button->setProperty("buttonColor", colour);
    }
    applyDesignProperties(&window);
    return window.grab().toImage();
}

QPalette colouredPalette(const QColor &colour)
{
    QWidget window;
    auto *button = new QPushButton(&window); // owned by the window
    button->setProperty("buttonColor", colour);
    applyDesignProperties(&window);
    return button->palette();
}

} // namespace

class ButtonColoursTest : public QObject
{
    Q_OBJECT

private slots:
    // Coloured buttons look exactly as they did when a style sheet gave them their colour.
    void aColouredButtonLooksAsWithItsStyleSheet_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QSize>("size");
        QTest::newRow("rose, design size") << QColor(208, 144, 160) << QSize(172, 32);
        QTest::newRow("rose, maximised") << QColor(208, 144, 160) << QSize(417, 61);
        QTest::newRow("cream, design size") << QColor(255, 240, 224) << QSize(107, 28);
        QTest::newRow("white, maximised") << QColor(Qt::white) << QSize(300, 53);
    }
    void aColouredButtonLooksAsWithItsStyleSheet()
    {
        QFETCH(QColor, colour);
        QFETCH(QSize, size);
        const QImage bySheet = buttonsGrab(colour, size, true);
        const QImage byPalette = buttonsGrab(colour, size, false);
        QCOMPARE(byPalette.size(), bySheet.size());
        QCOMPARE(byPalette, bySheet);
    }

    // The buttons after the first of a colour are drawn from the first one's panel; they look as their
    // style sheets made them all the same.
    void buttonsOfOneColourLookAsWithTheirStyleSheets()
    {
        const QImage bySheet = buttonsGrab(QColor(208, 144, 160), QSize(172, 32), true, 3);
        const QImage byPalette = buttonsGrab(QColor(208, 144, 160), QSize(172, 32), false, 3);
        QCOMPARE(byPalette, bySheet);
    }

    // The style keeps its panels by palette object: equal palettes of different buttons come back as one
    // object, palettes that differ in anything as objects of their own.
    void equalPalettesShareOneObject()
    {
        const QPalette rose = colouredPalette(QColor(208, 144, 160));
        const QPalette otherRose = colouredPalette(QColor(208, 144, 160));
        const QPalette cream = colouredPalette(QColor(255, 240, 224));
        QVERIFY(rose.cacheKey() != otherRose.cacheKey());
        QCOMPARE(sharedButtonPalette(otherRose).cacheKey(), sharedButtonPalette(rose).cacheKey());
        QVERIFY(sharedButtonPalette(cream).cacheKey() != sharedButtonPalette(rose).cacheKey());
        QCOMPARE(sharedButtonPalette(cream), cream);
        QPalette roseText = rose;
        roseText.setColor(QPalette::ButtonText, Qt::white);
        QVERIFY(sharedButtonPalette(roseText).cacheKey() != sharedButtonPalette(rose).cacheKey());
    }

    void aButtonWithoutADesignColourKeepsItsPalette()
    {
        QWidget window;
        auto *plain = new QPushButton(&window); // owned by the window
        const QPalette before = plain->palette();
        applyDesignProperties(&window);
        QCOMPARE(plain->palette(), before);
        QVERIFY(!plain->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(plain->style(), window.style());
    }
};

QTEST_MAIN(ButtonColoursTest)
#include "ButtonColoursTest.moc"
