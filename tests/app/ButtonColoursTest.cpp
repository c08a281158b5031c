#include "app/shell/ButtonColours.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

namespace {

// A window of one button of that colour and size, coloured by a style sheet or by its design colour.
QImage buttonGrab(const QColor &colour, QSize size, bool bySheet)
{
    QWidget window;
    window.resize(size + QSize(20, 20));
    auto *button = new QPushButton(QStringLiteral("Essential Oils"), &window); // owned by the window
    button->setGeometry(QRect(QPoint(10, 10), size));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(12.75);
    font.setBold(true);
    button->setFont(font);
    if (bySheet)
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; }").arg(colour.name()));
    else
        button->setProperty("buttonColor", colour);
    applyButtonColours(&window);
    return window.grab().toImage();
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
        const QImage bySheet = buttonGrab(colour, size, true);
        const QImage byPalette = buttonGrab(colour, size, false);
        QCOMPARE(byPalette.size(), bySheet.size());
        QCOMPARE(byPalette, bySheet);
    }

    void aButtonWithoutADesignColourKeepsItsPalette()
    {
        QWidget window;
        auto *plain = new QPushButton(&window); // owned by the window
        const QPalette before = plain->palette();
        applyButtonColours(&window);
        QCOMPARE(plain->palette(), before);
        QVERIFY(!plain->testAttribute(Qt::WA_SetPalette));
    }
};

QTEST_MAIN(ButtonColoursTest)
#include "ButtonColoursTest.moc"
