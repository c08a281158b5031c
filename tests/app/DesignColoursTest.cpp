#include "app/platform/FontConfiguration.h"
#include "app/shell/DesignProperties.h"

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTextEdit>
#include <optional>

namespace {

struct LabelDesign
{
    QString sheet; // how a style sheet coloured it
    QColor text;   // the same as design properties; invalid where the sheet does not set it
    QColor background;
    int paddingLeft = -1;
};

QFont designFont(qreal points)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    return font;
}

// A window with a cream frame holding a label: coloured by style sheets or by design properties. With
// pointsAfter, the label's font changes once the colours are applied, as the resizer changes it.
QImage labelGrab(const LabelDesign &design, bool bySheet, qreal points, qreal pointsAfter = 0)
{
    QWidget window;
    window.resize(300, 70);
    auto *frame = new QFrame(&window); // owned by the window
    frame->setObjectName(QStringLiteral("fraPanel"));
    frame->setGeometry(10, 10, 280, 50);
    auto *label = new QLabel(QStringLiteral("1/2 teaspoon (2.5 ml) base oil"), frame); // owned by the frame
    label->setGeometry(10, 10, 240, 26);
    label->setFont(designFont(points));
    if (bySheet) {
        frame->setStyleSheet(QStringLiteral("QFrame#fraPanel { background-color: rgb(255,250,240); }"));
        label->setStyleSheet(design.sheet);
    } else {
        frame->setProperty("backgroundColor", QColor(255, 250, 240));
        if (design.text.isValid())
            label->setProperty("textColor", design.text);
        if (design.background.isValid())
            label->setProperty("backgroundColor", design.background);
        if (design.paddingLeft >= 0)
            label->setProperty("paddingLeft", design.paddingLeft);
    }
    applyDesignProperties(&window);
    window.show();
    if (pointsAfter > 0)
        label->setFont(designFont(pointsAfter));
    return window.grab().toImage();
}

} // namespace

class DesignColoursTest : public QObject
{
    Q_OBJECT

private slots:
    // Labels and frames coloured by design properties look exactly as they did with their style sheets,
    // also once the resizer has changed a label's font.
    void aColouredLabelLooksAsWithItsStyleSheet_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<int>("paddingLeft");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<qreal>("pointsAfter");
        const QString padded = QStringLiteral("QLabel { background-color: white; color: rgb(0,64,0); "
                                              "padding-left: 3px; }");
        QTest::newRow("text colour") << "color: rgb(0,57,192);" << QColor(0, 57, 192) << QColor() << -1
                                     << 11.25 << 0.0;
        QTest::newRow("padded on white")
            << padded << QColor(0, 64, 0) << QColor(Qt::white) << 3 << 11.25 << 0.0;
        QTest::newRow("padded on white, larger")
            << padded << QColor(0, 64, 0) << QColor(Qt::white) << 3 << 22.5 << 0.0;
        QTest::newRow("padded on white, font changed after")
            << padded << QColor(0, 64, 0) << QColor(Qt::white) << 3 << 11.25 << 22.5;
    }
    void aColouredLabelLooksAsWithItsStyleSheet()
    {
        QFETCH(QString, sheet);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(int, paddingLeft);
        QFETCH(qreal, points);
        QFETCH(qreal, pointsAfter);
        const LabelDesign design{sheet, text, background, paddingLeft};
        const QImage bySheet = labelGrab(design, true, points, pointsAfter);
        const QImage byDesign = labelGrab(design, false, points, pointsAfter);
        QCOMPARE(byDesign.size(), bySheet.size());
        QCOMPARE(byDesign, bySheet);
    }

    // A widget the design gives no colour keeps what it had.
    void aLabelWithoutDesignColoursKeepsItsPalette()
    {
        QWidget window;
        auto *plain = new QLabel(QStringLiteral("plain"), &window); // owned by the window
        const QPalette before = plain->palette();
        applyDesignProperties(&window);
        QCOMPARE(plain->palette(), before);
        QVERIFY(!plain->autoFillBackground());
        QCOMPARE(plain->indent(), -1);
    }

    // A designer file's setup sets a control's whole-point font, then its exact size, then its texts. While
    // the window is set up the exact size is in place as soon as it is set; afterwards only the pass sets it.
    void aDesignFontSizeTakesEffectAsItIsSetDuringSetUp_data()
    {
        QTest::addColumn<bool>("duringSetUp");
        QTest::newRow("during set-up") << true;
        QTest::newRow("set afterwards") << false;
    }

    void aDesignFontSizeTakesEffectAsItIsSetDuringSetUp()
    {
        QFETCH(bool, duringSetUp);
        QWidget window;
        auto *frame = new QGroupBox(&window); // owned by the window
        std::optional<DesignFontsAsSet> sizes;
        if (duringSetUp)
            sizes.emplace();
        frame->setFont(designFont(21));
        frame->setProperty("pointSizeF", 21.75);
        frame->setTitle(QStringLiteral(" Ambrelis "));
        QCOMPARE(frame->font().pointSizeF(), duringSetUp ? 21.75 : 21.0);
        sizes.reset();
        auto *later = new QLabel(&window); // owned by the window
        later->setFont(designFont(12));
        later->setProperty("pointSizeF", 12.75);
        QCOMPARE(later->font().pointSizeF(), 12.0);
        applyDesignProperties(&window);
        QCOMPARE(frame->font().pointSizeF(), 21.75);
        QCOMPARE(later->font().pointSizeF(), 12.75);
    }

    // Where the design family is not installed, a label set up in it asks for the family shown in its place,
    // from the moment its font is set, and looks exactly as it did; a text box, other families and a program
    // without a shown family are left as they are.
    void aDesignFontAsksForTheFamilyShownForIt()
    {
        const QString shown = familyShownFor(designFamily());
        if (shown.isEmpty())
            QSKIP("the design family is installed here, or fontconfig does not choose the fonts");
        const auto grabLabel = [](const QFont &font) {
            QLabel label(QStringLiteral("Essential Oils Index"));
            label.setFont(font);
            label.resize(240, 40);
            return label.grab().toImage();
        };
        QFont design(designFamily());
        design.setPointSizeF(21.75);
        design.setBold(true);
        design.setItalic(true);
        const QImage asDesigned = grabLabel(design);

        setDesignFamilyShown(shown);
        QWidget window;
        QLabel *inDesign = nullptr;
        QLabel *inOther = nullptr;
        QTextEdit *textBox = nullptr; // its font becomes its document's, which files name
        {
            const DesignFontsAsSet fonts;
            inDesign = new QLabel(&window); // owned by the window
            inDesign->setFont(design);
            QCOMPARE(inDesign->font().family(), shown);
            inOther = new QLabel(&window); // owned by the window
            inOther->setFont(QFont(QStringLiteral("DejaVu Sans")));
            textBox = new QTextEdit(&window); // owned by the window
            textBox->setFont(design);
        }
        applyDesignProperties(&window);
        setDesignFamilyShown(QString());
        QCOMPARE(inDesign->font().family(), shown);
        QCOMPARE(inDesign->font().pointSizeF(), 21.75);
        QVERIFY(inDesign->font().bold() && inDesign->font().italic());
        QCOMPARE(inOther->font().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(textBox->font().family(), designFamily());
        QCOMPARE(grabLabel(inDesign->font()), asDesigned);

        auto *unchanged = new QLabel(&window); // owned by the window
        unchanged->setFont(design);
        applyDesignProperties(&window);
        QCOMPARE(unchanged->font().family(), designFamily());
    }
};

QTEST_MAIN(DesignColoursTest)
#include "DesignColoursTest.moc"
