#include "ShellFixture.h"
#include "app/shell/AppWindow.h"
#include "app/shell/PictureBox.h"
#include "shared/Place.h"
#include "app/shell/Twips.h"
#include "pages/reference/EssentialOilsPage.h"
#include "pages/reference/frmAbout.h"
#include "pages/reference/frmAntioxidants.h"
#include "shared/MakerConfig.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

FormId oilPage(int n)
{
    return Forms::essentialOilsPages[n - 1];
}

QStringList split(const char *names)
{
    return QString::fromUtf8(names).split(QStringLiteral("; "));
}

// The common names of the fifteen pages, top to bottom.
const char *const OilNames[15] = {
    "Angelica; Anise; Balsam fir (Idaho); Basil; Bay laurel; Benzoin resinoid; Bergamot; Birch",
    "Black Pepper; Cajeput; Camphor; Caraway; Cardamom; Carrot seed; Cedarwood; Celery seed",
    "Chamomile, German; Chamomile, Roman; Cinnamon; Cistus; Citronella; Citrus Hystrix; Clary Sage",
    "Clove; Coriander; Cumin; Cypress; Cypress, blue; Dill; Elemi; Eucalyptus australiana",
    "Eucalyptus citriodora; Eucalyptus dives; Eucalyptus globulus; Eucalyptus polybractea; Eucalyptus "
    "radiata; "
    "Everlasting; Fennel",
    "Fir, Douglas; Fir, Balsam; Fir, White; Fleabane, Canadian; Frankincense; Galbanum; Geranium",
    "Ginger; Goldenrod; Grapefruit; Helichrysum / Everlasting; Hops; Hyssop; Immortelle",
    "Jasmine; Juniper; Lavandin; Lavender; Ledum / Labrador tea; Lemon",
    "Lemongrass; Lime; Litsea; Lovage root; Mandarin; Marjoram, Spanish; Marjoram",
    "Melaleuca; Melissa; Mountain savory / Savory; Mugwort; Myrrh; Myrtle; Neroli",
    "Niaouli; Nutmeg; Orange; Oregano; Palmarosa; Parsley; Patchouli",
    "Pennyroyal; Pepper, black; Peppermint; Petitgrain; Pimento; Pine; Ravensara",
    "Rose; Rosemary; Rosewood; Sage; Sandalwood; Savory; Spearmint",
    "Spikenard; Tagetes / French Marigold; Spruce; Tangerine; Tansy, blue; Tansy, Idaho; Tarragon",
    "Tea Tree; Thyme; Valerian; Vetiver; Wintergreen; Yarrow; Ylang ylang",
};

template <typename T> T *child(QWidget *w, const QString &name)
{
    return w ? w->findChild<T *>(name) : nullptr;
}

QString labelText(QWidget *w, const QString &name)
{
    const QLabel *l = child<QLabel>(w, name);
    return l ? l->text() : QStringLiteral("<no %1>").arg(name);
}

// The labels whose names begin with a prefix and go on with a number, in that number's order.
QStringList numberedTexts(QWidget *w, const QString &prefix)
{
    QStringList texts;
    for (int n = 1; auto *l = child<QLabel>(w, prefix + QString::number(n)); ++n)
        texts << l->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texts;
}

// A control's place in the window, in pixels.
QRect placeIn(QWidget *window, const QWidget *control)
{
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

QColor pixelAt(QWidget *window, QPoint p)
{
    return window->grab().toImage().pixelColor(p);
}

// The colour just inside a cell's lower right corner, clear of its border, its text and the table's outline.
QColor cellColour(QWidget *window, const QString &cell)
{
    const QLabel *l = child<QLabel>(window, cell);
    if (!l)
        return {};
    const QRect r = placeIn(window, l);
    return pixelAt(window, r.bottomRight() - QPoint(3, 5));
}

// The text of a label fits its box, as the label itself lays it out.
bool textFits(const QLabel *l)
{
    if (l->text().isEmpty())
        return true;
    if (l->wordWrap())
        return l->heightForWidth(l->width()) <= l->height();
    return l->sizeHint().width() <= l->width() + 1 && l->sizeHint().height() <= l->height() + 1;
}

void click(AppWindow *window, const QString &button)
{
    auto *b = child<QPushButton>(window, button);
    QVERIFY2(b, qPrintable(window->formName().name() + QLatin1Char('.') + button));
    b->click();
}

bool hasPixelOf(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

const QList<FormId> AllReferenceWindows = [] {
    QList<FormId> names;
    for (int n = 1; n <= 15; ++n)
        names << oilPage(n);
    names << Forms::frmBaseOils << Forms::frmBaseOils2 << Forms::frmSafety << Forms::frmSafety2
          << Forms::frmSafety3 << Forms::frmInformation << Forms::frmAntioxidants << Forms::frmReflexology
          << Forms::frmAbout;
    return names;
}();

} // namespace

class ReferencePagesTest : public QObject
{
    Q_OBJECT

private slots:
    void oilPageShowsItsRowsInOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        for (int n = 1; n <= 15; ++n)
            QTest::newRow(qPrintable(oilPage(n).name()))
                << n << (n == 1 ? programtitle::Title : QStringLiteral("Essential Oils %1/15").arg(n));
    }
    void oilPageShowsItsRowsInOrder()
    {
        QFETCH(int, page);
        QFETCH(QString, caption);
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(oilPage(page));
        QVERIFY(qobject_cast<EssentialOilsPage *>(w));
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(labelText(w, QStringLiteral("lblHeading")),
                 QStringLiteral("Essential Oils Quick Reference"));
        QCOMPARE(labelText(w, QStringLiteral("lblColName")), QStringLiteral("Name"));
        QCOMPARE(labelText(w, QStringLiteral("lblColActions")), QStringLiteral("Actions "));
        QCOMPARE(labelText(w, QStringLiteral("lblColIndications")), QStringLiteral("Indications"));
        QCOMPARE(numberedTexts(w, QStringLiteral("lblName")), split(OilNames[page - 1]));

        const int rows = int(numberedTexts(w, QStringLiteral("lblName")).size());
        for (int r = 1; r <= rows; ++r) {
            const QString n = QString::number(r);
            QVERIFY2(!labelText(w, QStringLiteral("lblActions") + n).isEmpty(), qPrintable(n));
            QVERIFY2(!labelText(w, QStringLiteral("lblIndications") + n).isEmpty(), qPrintable(n));
            if (!labelText(w, QStringLiteral("lblName") + n).startsWith(QLatin1String("Immortelle")))
                QVERIFY2(!labelText(w, QStringLiteral("lblBotanical") + n).isEmpty(), qPrintable(n));
        }
    }

    void oilTableFillsItsFrame_data()
    {
        QTest::addColumn<int>("page");
        for (int n = 1; n <= 15; ++n)
            QTest::newRow(qPrintable(oilPage(n).name())) << n;
    }
    void oilTableFillsItsFrame()
    {
        QFETCH(int, page);
        ShellFixture shell;
        windows().setScreenModeSource([] { return QStringLiteral("0"); });
        AppWindow *w = windows().OpenPage(oilPage(page));
        QCOMPARE(w->size(), twips::PageClient);

        const QRect frame = child<QWidget>(w, QStringLiteral("shpTable"))->geometry();
        QCOMPARE(frame, twips::rect(120, 450, 11625, 7440));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lblColName"))->geometry(),
                 twips::rect(120, 450, 2745, 375));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lblColActions"))->geometry(),
                 twips::rect(2850, 450, 4095, 375));
        QCOMPARE(child<QLabel>(w, QStringLiteral("lblColIndications"))->geometry(),
                 twips::rect(6930, 450, 4815, 375));

        int top = twips::toPixels(780);
        const int rows = int(numberedTexts(w, QStringLiteral("lblName")).size());
        for (int r = 1; r <= rows; ++r) {
            const QString n = QString::number(r);
            const QRect name = child<QLabel>(w, QStringLiteral("lblNameCell") + n)->geometry();
            const QRect actions = child<QLabel>(w, QStringLiteral("lblActions") + n)->geometry();
            const QRect indications = child<QLabel>(w, QStringLiteral("lblIndications") + n)->geometry();
            QCOMPARE(name.top(), top);
            QCOMPARE(actions.top(), top);
            QCOMPARE(indications.top(), top);
            QCOMPARE(actions.height(), name.height());
            QCOMPARE(name.left(), twips::toPixels(120));
            QCOMPARE(actions.left(), twips::toPixels(2850));
            QCOMPARE(indications.left(), twips::toPixels(6930));
            QVERIFY2(textFits(child<QLabel>(w, QStringLiteral("lblActions") + n)), qPrintable(n));
            QVERIFY2(textFits(child<QLabel>(w, QStringLiteral("lblIndications") + n)), qPrintable(n));
            // The names lie inside their cell.
            QVERIFY(name.contains(child<QLabel>(w, QStringLiteral("lblName") + n)->geometry()));
            QVERIFY(name.contains(child<QLabel>(w, QStringLiteral("lblBotanical") + n)->geometry()));
            QVERIFY2(textFits(child<QLabel>(w, QStringLiteral("lblName") + n)), qPrintable(n));
            QVERIFY2(textFits(child<QLabel>(w, QStringLiteral("lblBotanical") + n)), qPrintable(n));
            top += name.height();
        }
        QVERIFY2(std::abs(top - frame.bottom() - 1) <= 1, "the rows fill the frame");

        // The last row's text ends above the chain buttons that stand in its cell.
        const QLabel *last = child<QLabel>(w, QStringLiteral("lblIndications") + QString::number(rows));
        const QRect textBox = last->fontMetrics().boundingRect(
            last->contentsRect(), Qt::TextWordWrap | int(last->alignment()), last->text());
        for (auto *b : w->findChildren<QPushButton *>())
            QVERIFY2(textBox.translated(last->pos()).bottom() < b->geometry().top(),
                     qPrintable(b->objectName()));
    }

    void oilRowsAlternateTheirColours_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("eight rows") << 1;
        QTest::newRow("six rows") << 8;
        QTest::newRow("seven rows, last page") << 15;
    }
    void oilRowsAlternateTheirColours()
    {
        QFETCH(int, page);
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(oilPage(page));
        const int rows = int(numberedTexts(w, QStringLiteral("lblName")).size());
        QVERIFY(rows >= 6);
        for (int r = 1; r <= rows; ++r) {
            const QColor expected = r % 2 == 1 ? QColor(255, 240, 255) : QColor(Qt::white);
            for (const char *cell : {"lblNameCell", "lblActions"})
                QCOMPARE(cellColour(w, QLatin1String(cell) + QString::number(r)), expected);
        }
        QCOMPARE(cellColour(w, QStringLiteral("lblColName")), QColor(0, 128, 0));
    }

    void oilNamesWithTwoLinesOrNoBotanicalName()
    {
        ShellFixture shell;
        AppWindow *seven = windows().OpenPage(oilPage(7));
        QCOMPARE(labelText(seven, QStringLiteral("lblName7")), QStringLiteral("Immortelle"));
        QCOMPARE(labelText(seven, QStringLiteral("lblBotanical7")), QString());
        AppWindow *fourteen = windows().OpenPage(oilPage(14));
        QCOMPARE(labelText(fourteen, QStringLiteral("lblName2")),
                 QStringLiteral("Tagetes /\nFrench Marigold"));
        const QLabel *tagetes = child<QLabel>(fourteen, QStringLiteral("lblName2"));
        QVERIFY(tagetes->height() >= 2 * tagetes->fontMetrics().lineSpacing());
        QVERIFY(tagetes->font().bold());
        QVERIFY(child<QLabel>(fourteen, QStringLiteral("lblBotanical2"))->font().italic());
    }

    void oilChainButtons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("buttons"); // name caption left width
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("first") << 1 << QStringList{QStringLiteral("cmdNext > 11250 495")}
                               << QStringList{QStringLiteral("Command1"), QStringLiteral("Command2"),
                                              QStringLiteral("cmdClose")};
        for (int n : {2, 9, 10, 14})
            QTest::newRow(qPrintable(oilPage(n).name()))
                << n
                << QStringList{QStringLiteral("Command2 < 10770 495"), QStringLiteral("Command1 > 11250 495")}
                << QStringList{QStringLiteral("cmdNext"), QStringLiteral("cmdClose")};
        QTest::newRow("last") << 15
                              << QStringList{QStringLiteral("Command2 < 10560 495"),
                                             QStringLiteral("cmdClose Close 11040 705")}
                              << QStringList{QStringLiteral("Command1"), QStringLiteral("cmdNext")};
    }
    void oilChainButtons()
    {
        QFETCH(int, page);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, absent);
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(oilPage(page));
        for (const QString &b : buttons) {
            const QStringList f = b.split(QLatin1Char(' '));
            const auto *button = child<QPushButton>(w, f[0]);
            QVERIFY2(button, qPrintable(f[0]));
            QCOMPARE(button->text(), f[1]);
            QCOMPARE(button->geometry(), twips::rect(f[2].toInt(), 7590, f[3].toInt(), 315));
        }
        for (const QString &name : absent)
            QVERIFY2(!child<QPushButton>(w, name), qPrintable(name));
    }

    void oilChainMovesThroughTheBook()
    {
        ShellFixture shell;
        click(windows().OpenPage(oilPage(9)), QStringLiteral("Command1"));
        AppWindow *ten = windows().find(oilPage(10));
        QVERIFY(ten);
        QCOMPARE(ten->windowTitle(), QStringLiteral("Essential Oils 10/15"));
        QVERIFY(!windows().find(oilPage(9)));
        click(ten, QStringLiteral("Command2"));
        QVERIFY(windows().find(oilPage(9)));
        QVERIFY(!windows().find(oilPage(10)));

        click(windows().OpenPage(oilPage(15)), QStringLiteral("cmdClose"));
        QVERIFY(!windows().find(oilPage(15)));
        click(windows().OpenPage(oilPage(1)), QStringLiteral("cmdNext"));
        QVERIFY(windows().find(oilPage(2)));
        QVERIFY(!windows().find(oilPage(1)));
    }

    // A spot names a row by its common name as the page lists it; the row's frame is the only one shown and
    // lies round the row's three cells, at the design size and maximised.
    void oilPageShowsASpot_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("spot");
        QTest::addColumn<int>("row"); // 0: no row is marked
        QTest::addColumn<bool>("shown");
        QTest::newRow("first row") << 1 << "Angelica" << 1 << true;
        QTest::newRow("last row of the last page") << 15 << "Ylang ylang" << 7 << true;
        QTest::newRow("name shown on two lines") << 14 << "Tagetes / French Marigold" << 2 << true;
        QTest::newRow("double name") << 7 << "Helichrysum / Everlasting" << 4 << true;
        QTest::newRow("the same oil on another page") << 5 << "Everlasting" << 6 << true;
        QTest::newRow("no botanical name") << 7 << "Immortelle" << 7 << true;
        QTest::newRow("an oil of another page") << 1 << "Lavender" << 0 << false;
        QTest::newRow("part of a name") << 7 << "Helichrysum" << 0 << false;
        QTest::newRow("the page as it opens") << 3 << "" << 0 << true;
    }
    void oilPageShowsASpot()
    {
        QFETCH(int, page);
        QFETCH(QString, spot);
        QFETCH(int, row);
        QFETCH(bool, shown);
        ShellFixture shell;
        for (const QString &mode : {QStringLiteral("0"), QStringLiteral("1")}) {
            windows().setScreenModeSource([mode] { return mode; });
            AppWindow *w = windows().OpenPage(oilPage(page));
            QVERIFY(w);
            QCOMPARE(w->showSpot(spot), shown);
            const int rows = int(numberedTexts(w, QStringLiteral("lblName")).size());
            for (int r = 1; r <= rows; ++r) {
                const auto *mark = child<QWidget>(w, QStringLiteral("shpMark%1").arg(r));
                QVERIFY2(mark, qPrintable(QString::number(r)));
                QCOMPARE(mark->isVisible(), r == row);
                const QRect cells =
                    child<QLabel>(w, QStringLiteral("lblNameCell%1").arg(r))
                        ->geometry()
                        .united(child<QLabel>(w, QStringLiteral("lblIndications%1").arg(r))->geometry());
                QVERIFY2(std::abs(mark->geometry().top() - cells.top()) <= 1 &&
                             std::abs(mark->geometry().bottom() - cells.bottom()) <= 1 &&
                             std::abs(mark->geometry().left() - cells.left()) <= 1,
                         qPrintable(QString::number(r)));
            }
            windows().ClosePage(oilPage(page));
        }
    }

    // Through the window manager: a place opens its page with the row marked; a second spot moves the mark.
    void aPlaceOpensThePageOnItsRow()
    {
        ShellFixture shell;
        AppWindow *w = windows().OpenPlace({oilPage(8).name(), QStringLiteral("Lavender")});
        QVERIFY(w);
        QVERIFY(child<QWidget>(w, QStringLiteral("shpMark4"))->isVisible());
        QCOMPARE(windows().OpenPlace({oilPage(8).name(), QStringLiteral("Lemon")}), w);
        QVERIFY(!child<QWidget>(w, QStringLiteral("shpMark4"))->isVisible());
        QVERIFY(child<QWidget>(w, QStringLiteral("shpMark6"))->isVisible());
        QVERIFY(!windows().OpenPlace({oilPage(8).name(), QStringLiteral("Lemongrass")}));
        QVERIFY(child<QWidget>(w, QStringLiteral("shpMark6"))->isVisible());
    }

    void rowHeightsShareTheRoomLeft_data()
    {
        QTest::addColumn<QList<int>>("needed");
        QTest::addColumn<int>("table");
        QTest::addColumn<QList<int>>("heights");
        QTest::newRow("room to share") << QList<int>{800, 1000, 900} << 3000 << QList<int>{900, 1100, 1000};
        QTest::newRow("uneven remainder") << QList<int>{800, 800, 800} << 2402 << QList<int>{801, 801, 800};
        QTest::newRow("exact") << QList<int>{700, 1300} << 2000 << QList<int>{700, 1300};
        QTest::newRow("too tall: shrunk in proportion")
            << QList<int>{1000, 3000} << 2000 << QList<int>{500, 1500};
        QTest::newRow("no rows") << QList<int>{} << 2000 << QList<int>{};
    }
    void rowHeightsShareTheRoomLeft()
    {
        QFETCH(QList<int>, needed);
        QFETCH(int, table);
        QFETCH(QList<int>, heights);
        const std::vector<int> got = EssentialOilsPage::rowHeights({needed.begin(), needed.end()}, table);
        QCOMPARE(QList<int>(got.begin(), got.end()), heights);
    }

    void baseOilPages_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("names");
        QTest::newRow("page 1") << Forms::frmBaseOils << programtitle::Title
                                << QStringLiteral("Aloe; Avocado Oil; Apricot Kernel Oil; Black Currant Oil; "
                                                  "Borage Seed Oil; Calendula Oil; Comfrey Oil; Carrot Oil; "
                                                  "Corn Oil; Evening Primrose Oil");
        QTest::newRow("page 2") << Forms::frmBaseOils2 << QStringLiteral("Base Oils  2/2")
                                << QStringLiteral(
                                       "Grape Seed Oil; Hazelnut Oil; Jojoba Oil; Olive Oil; "
                                       "Safflower Oil; Sesame Seed Oil; Soya Bean Oil; Sunflower Oil; "
                                       "Sweet Almond Oil; Wheatgerm Oil");
    }
    void baseOilPages()
    {
        QFETCH(FormId, form);
        QFETCH(QString, caption);
        QFETCH(QString, names);
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(form);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(labelText(w, QStringLiteral("lblHeading")), QStringLiteral("Base Oils Quick Reference"));
        QCOMPARE(labelText(w, QStringLiteral("lblColName")), QStringLiteral("Base Oil"));
        QCOMPARE(labelText(w, QStringLiteral("lblColApplication")), QStringLiteral("Application"));
        QCOMPARE(labelText(w, QStringLiteral("lblColIndication")), QStringLiteral("Therapeutic Indication"));
        QCOMPARE(numberedTexts(w, QStringLiteral("lblName")), names.split(QStringLiteral("; ")));

        auto *frame = child<QWidget>(w, QStringLiteral("fraTable"));
        QCOMPARE(frame->geometry(), twips::rect(30, 480, 11775, 7920));
        for (int r = 1; r <= 10; ++r) {
            const QString n = QString::number(r);
            const QLabel *application = child<QLabel>(w, QStringLiteral("lblApplication") + n);
            const QLabel *indication = child<QLabel>(w, QStringLiteral("lblIndication") + n);
            QCOMPARE(indication->geometry().top(), twips::toPixels(630 + (r - 1) * 645));
            QCOMPARE(indication->geometry().left(), twips::toPixels(4530));
            QCOMPARE(indication->height(), twips::toPixels(r == 10 ? 1095 : 645));
            QVERIFY2(textFits(application), qPrintable(n));
            QVERIFY2(textFits(indication), qPrintable(n));
            QVERIFY2(textFits(child<QLabel>(w, QStringLiteral("lblName") + n)), qPrintable(n));
            const QColor expected = r % 2 == 1 ? QColor(Qt::white) : QColor(192, 224, 240);
            QCOMPARE(cellColour(w, QStringLiteral("lblApplication") + n), expected);
        }
        // The chain buttons stand in the frame below the last row's text.
        const QLabel *last = child<QLabel>(w, QStringLiteral("lblIndication10"));
        const QRect text =
            last->fontMetrics().boundingRect(last->contentsRect(), Qt::TextWordWrap, last->text());
        const auto buttons = w->findChildren<QPushButton *>();
        QVERIFY(!buttons.isEmpty());
        for (const QPushButton *b : buttons) {
            QCOMPARE(b->parentWidget(), frame);
            QCOMPARE(b->y(), twips::toPixels(7050));
            QVERIFY(text.translated(last->pos()).bottom() < b->y());
        }
    }

    void baseOilChain()
    {
        ShellFixture shell;
        AppWindow *one = windows().OpenPage(Forms::frmBaseOils);
        QVERIFY(!child<QPushButton>(one, QStringLiteral("cmdBase")));
        QVERIFY(!child<QPushButton>(one, QStringLiteral("cmdClose")));
        QCOMPARE(child<QPushButton>(one, QStringLiteral("cmdBaseOils2"))->text(), QStringLiteral(">"));
        click(one, QStringLiteral("cmdBaseOils2"));
        AppWindow *two = windows().find(Forms::frmBaseOils2);
        QVERIFY(two);
        QVERIFY(!windows().find(Forms::frmBaseOils));
        QVERIFY(!child<QPushButton>(two, QStringLiteral("cmdBaseOils2")));
        QCOMPARE(child<QPushButton>(two, QStringLiteral("cmdBase"))->text(), QStringLiteral("<"));
        QVERIFY(child<QPushButton>(two, QStringLiteral("cmdBase"))->x() <
                child<QPushButton>(two, QStringLiteral("cmdClose"))->x());
        click(two, QStringLiteral("cmdBase"));
        QVERIFY(windows().find(Forms::frmBaseOils));
        QVERIFY(!windows().find(Forms::frmBaseOils2));
        click(windows().OpenPage(Forms::frmBaseOils2), QStringLiteral("cmdClose"));
        QVERIFY(!windows().find(Forms::frmBaseOils2));
    }

    void safetyPages_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QString>("names");
        QTest::newRow("1/3") << Forms::frmSafety << QStringLiteral("Safety Rules 1/3")
                             << QStringList{QStringLiteral("Essential Oils Safety"),
                                            QStringLiteral("Before trying any new oil:")}
                             << QString();
        QTest::newRow("2/3") << Forms::frmSafety2 << QStringLiteral("Safety Rules 2/3")
                             << QStringList{QStringLiteral("Quality:"), QStringLiteral("Storage:"),
                                            QStringLiteral("Essential Oils to Avoid:")}
                             << QStringLiteral(
                                    "Bitter Almond; Boldo Leaf; Calamus; Yellow Camphor; Horseradish; "
                                    "Jaborandi Leaf; Mugwort; Mustard; Pennyroyal; Rue; Sassafras; "
                                    "Savin; Southernwood; Tansy; Thuja; Wintergreen; Wormseed; Wormwood");
        QTest::newRow("3/3")
            << Forms::frmSafety3 << QStringLiteral("Safety Rules 3/3")
            << QStringList{QStringLiteral("Photosensitizing Oils:"), QStringLiteral("Pregnancy:")}
            << QStringLiteral("Angelica 0.8%; Bergamot 0.4%; Cumin 0.4%; Citrus Hystrix; Grapefruit 4%; "
                              "Lemon 2%; Lime 0.7%; Orange; Tagetes 0.25%; Tangerine; Angelica; Aniseed; "
                              "Basil; Camphor; Cedarwood; Clary Sage; Clove; "
                              "Cinnamon; Fennel; Hyssop; Jasmine; Juniper; Lovage; Melissa; Myrrh; "
                              "Marjoram; Origanum; Parsley; Peppermint; Rosemary; Savory; Sage; "
                              "Spanish Marjoram; Sweet Marjoram; Tarragon; Thyme; Mugwort; Pennyroyal");
    }
    void safetyPages()
    {
        QFETCH(FormId, form);
        QFETCH(QString, caption);
        QFETCH(QStringList, headings);
        QFETCH(QString, names);
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(form);
        QCOMPARE(w->windowTitle(), caption);

        QStringList shownHeadings, shownNames;
        for (const QLabel *l : w->findChildren<QLabel *>()) {
            if (l->objectName().startsWith(QLatin1String("lblName")))
                shownNames << l->text();
            else if (l->font().bold() && l->styleSheet().contains(QColor(0, 128, 0).name()))
                shownHeadings << l->text();
        }
        QCOMPARE(shownHeadings, headings);
        QCOMPARE(shownNames.join(QStringLiteral("; ")), names);
    }

    void safetyRulesAreNumbered()
    {
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(Forms::frmSafety);
        QStringList rules;
        for (const QLabel *l : w->findChildren<QLabel *>())
            if (l->text().size() > 2 && l->text().at(0).isDigit() && l->text().at(1) == QLatin1Char('.'))
                rules << l->text().left(2);
        QCOMPARE(rules, (QStringList{"1.", "2.", "3.", "4.", "5."}));
        QStringList texts;
        for (const QLabel *l : w->findChildren<QLabel *>())
            texts << l->text();
        QVERIFY(texts.contains(QStringLiteral("1. Always check for Allergies!")));
        QVERIFY(texts.contains(QStringLiteral(
            "2. Do not prescribe, treat or diagnose unless you are a qualified professional.")));
        QVERIFY(texts.contains(QStringLiteral(
            "4. Essential Oils are concentrated and in most cases must be diluted with a Base Oil.")));
        QCOMPARE(texts.last(), QStringLiteral("(FDA-approved food additive)."));
        // The rule's paragraphs are indented under it.
        const QLabel *first = nullptr;
        for (const QLabel *l : w->findChildren<QLabel *>())
            if (l->text() == QLatin1String("1. Always check for Allergies!"))
                first = l;
        QVERIFY(first);
        QVERIFY(child<QLabel>(w, QStringLiteral("lblBlock5"))->x() > first->x());
    }

    void safetyChain_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QStringList>("buttons"); // name caption left width target
        QTest::newRow("1/3") << Forms::frmSafety
                             << QStringList{QStringLiteral("cmdNext > 11250 495 ") +
                                            Forms::frmSafety2.name()};
        QTest::newRow("2/3") << Forms::frmSafety2
                             << QStringList{QStringLiteral("cmdBack < 10770 495 ") + Forms::frmSafety.name(),
                                            QStringLiteral("cmdNext > 11250 495 ") +
                                                Forms::frmSafety3.name()};
        QTest::newRow("3/3") << Forms::frmSafety3
                             << QStringList{QStringLiteral("cmdBack < 10560 495 ") + Forms::frmSafety2.name(),
                                            QStringLiteral("cmdClose Close 11040 705 -")};
    }
    void safetyChain()
    {
        QFETCH(FormId, form);
        QFETCH(QStringList, buttons);
        for (const QString &b : buttons) {
            const QStringList f = b.split(QLatin1Char(' '));
            ShellFixture shell;
            AppWindow *w = windows().OpenPage(form);
            QCOMPARE(w->findChildren<QPushButton *>().size(), buttons.size());
            const auto *button = child<QPushButton>(w, f[0]);
            QVERIFY2(button, qPrintable(f[0]));
            QCOMPARE(button->text(), f[1]);
            QCOMPARE(button->geometry(), twips::rect(f[2].toInt(), 7590, f[3].toInt(), 325));
            click(w, f[0]);
            QVERIFY(!windows().find(form));
            if (f[4] != QLatin1String("-"))
                QCOMPARE(windows().openWindows(), QList<FormId>{formNamed(f[4]).value_or(FormId())});
        }
    }

    void informationButtons()
    {
        ShellFixture shell;
        AppWindow *info = windows().OpenPage(Forms::frmInformation);
        QCOMPARE(info->windowTitle(), QStringLiteral("Basic Information"));
        const auto *chart = child<QPushButton>(info, QStringLiteral("cmdFootChart"));
        const auto *safety = child<QPushButton>(info, QStringLiteral("cmdSafety"));
        QVERIFY(chart && safety);
        QCOMPARE(chart->text(), QStringLiteral("View Foot Reflexology Chart"));
        QCOMPARE(chart->geometry(), twips::rect(4290, 6180, 3270, 375));
        QCOMPARE(safety->text(), QStringLiteral("Safety First!"));
        QCOMPARE(safety->geometry(), twips::rect(5040, 7350, 1875, 375));
        QCOMPARE(pixelAt(info, chart->geometry().topLeft() + QPoint(4, 4)), QColor(255, 255, 192));
        QCOMPARE(pixelAt(info, safety->geometry().topLeft() + QPoint(4, 4)), QColor(255, 255, 192));

        click(info, QStringLiteral("cmdFootChart"));
        QVERIFY(windows().find(Forms::frmReflexology));
        QVERIFY(windows().find(Forms::frmInformation));
        // Opened a second time from elsewhere, the chart is the same one window.
        AppWindow *chartWindow = windows().find(Forms::frmReflexology);
        QCOMPARE(windows().OpenPage(Forms::frmReflexology), chartWindow);

        click(info, QStringLiteral("cmdSafety"));
        QVERIFY(windows().find(Forms::frmSafety));
        QVERIFY(!windows().find(Forms::frmInformation));

        click(windows().OpenPage(Forms::frmInformation), QStringLiteral("cmdClose"));
        QVERIFY(!windows().find(Forms::frmInformation));
    }

    // Text blocks read top to bottom without running into each other or into the buttons.
    void textPagesKeepTheirBlocksApart_data()
    {
        QTest::addColumn<FormId>("form");
        for (const FormId form : {Forms::frmSafety, Forms::frmSafety2, Forms::frmSafety3,
                                  Forms::frmInformation, Forms::frmAntioxidants})
            QTest::newRow(qPrintable(form.name())) << form;
    }
    void textPagesKeepTheirBlocksApart()
    {
        QFETCH(FormId, form);
        ShellFixture shell;
        windows().setScreenModeSource([] { return QStringLiteral("0"); });
        AppWindow *w = windows().OpenPage(form);
        QList<QWidget *> controls;
        for (QWidget *c : w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (qobject_cast<QLabel *>(c) || qobject_cast<QPushButton *>(c))
                controls << c;
        QVERIFY(controls.size() > 5);
        for (int i = 0; i < controls.size(); ++i) {
            const QRect a = controls[i]->geometry();
            QVERIFY2(QRect(QPoint(0, 0), w->size()).contains(a), qPrintable(controls[i]->objectName()));
            if (auto *l = qobject_cast<QLabel *>(controls[i]))
                QVERIFY2(textFits(l), qPrintable(l->objectName() + QLatin1Char(' ') + l->text()));
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(
                    !a.intersects(controls[j]->geometry().adjusted(1, 1, -1, -1)),
                    qPrintable(controls[i]->objectName() + QLatin1String(" / ") + controls[j]->objectName()));
        }
    }

    void antioxidantTables()
    {
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(Forms::frmAntioxidants);
        QCOMPARE(w->windowTitle(), QStringLiteral("Essential Oil Antioxidants"));
        QCOMPARE(labelText(w, QStringLiteral("lblHeading")), QStringLiteral("Essential Oil Antioxidants"));
        QCOMPARE(
            numberedTexts(w, QStringLiteral("lblOil")),
            split("Clove; Myrrh; Citronella; Coriander; Fennel; Clary Sage; Chamomile, G.; Cedarwood; Rose; "
                  "Nutmeg; Melissa; Marjoram; Ylang Ylang; Palmarosa; Rosewood; Manuka"));
        QCOMPARE(numberedTexts(w, QStringLiteral("lblFood")),
                 split("Prunes; Raisins; Blueberries; Kale; Strawberries; Raspberries; Oranges; Carrots"));
        QCOMPARE(labelText(w, QStringLiteral("lblOilValue1")), QStringLiteral("1 078 700"));
        QCOMPARE(
            labelText(w, QStringLiteral("lblFoodsIntro")),
            QStringLiteral("In comparison, the following antioxidant values are from Common Food items:"));
        for (const QString &value : numberedTexts(w, QStringLiteral("lblOilValue")) +
                                        numberedTexts(w, QStringLiteral("lblFoodValue")))
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,3}( \\d{3})*$")).match(value).hasMatch(),
                     qPrintable(value));

        // Column by column from the top of each table, in three groups.
        const struct
        {
            const char *cell;
            int left, top;
        } places[] = {{"lblOil1", 600, 2040},        {"lblOil6", 600, 2040 + 5 * 480},
                      {"lblOil7", 4290, 2040},       {"lblOil13", 7950, 2040},
                      {"lblFood1", 600, 5700},       {"lblFood4", 4290, 5700},
                      {"lblFood8", 7950, 5700 + 480}};
        for (const auto &p : places) {
            const QLabel *l = child<QLabel>(w, QLatin1String(p.cell));
            QVERIFY2(l, p.cell);
            QCOMPARE(l->pos(), twips::rect(p.left, p.top, 0, 0).topLeft());
            QCOMPARE(l->width(), twips::toPixels(1725));
        }
        QCOMPARE(cellColour(w, QStringLiteral("lblOil1")), QColor(0, 128, 0));
        QCOMPARE(cellColour(w, QStringLiteral("lblOilValue1")), QColor(255, 240, 255));
        QCOMPARE(child<QPushButton>(w, QStringLiteral("cmdClose"))->text(), QStringLiteral("Close"));
    }

    void antioxidantCellsFillColumnByColumn_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("count");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("first") << 0 << 16 << QPoint(0, 0);
        QTest::newRow("foot of the first group") << 5 << 16 << QPoint(0, 5);
        QTest::newRow("top of the second group") << 6 << 16 << QPoint(1, 0);
        QTest::newRow("last of sixteen") << 15 << 16 << QPoint(2, 3);
        QTest::newRow("third of eight") << 2 << 8 << QPoint(0, 2);
        QTest::newRow("last of eight") << 7 << 8 << QPoint(2, 1);
        QTest::newRow("one alone") << 0 << 1 << QPoint(0, 0);
    }
    void antioxidantCellsFillColumnByColumn()
    {
        QFETCH(int, index);
        QFETCH(int, count);
        QFETCH(QPoint, cell);
        QCOMPARE(frmAntioxidants::cellOf(index, count), cell);
    }

    void reflexologyChart()
    {
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(Forms::frmReflexology);
        QCOMPARE(w->windowTitle(), QStringLiteral("Reflexology: Chart for Feet"));
        QVERIFY(w->findChildren<QPushButton *>().isEmpty());
        auto *chart = child<PictureBox>(w, QStringLiteral("imgChart"));
        QVERIFY(chart && chart->hasPicture());
        QCOMPARE(chart->source(), QStringLiteral(":/content/pictures/foot-reflexology-chart.svg"));
        QCOMPARE(chart->geometry(), twips::rect(585, 210, 10695, 7605));
        QCOMPARE(pixelAt(w, QPoint(5, 5)), QColor(192, 192, 255));

        const struct
        {
            const char *name;
            const char *text;
            int left;
        } feet[] = {{"lblRightFoot", "Right Foot", 960}, {"lblLeftFoot", "Left Foot", 9570}};
        for (const auto &foot : feet) {
            QLabel *l = child<QLabel>(w, QLatin1String(foot.name));
            QVERIFY2(l, foot.name);
            QCOMPARE(l->text(), QLatin1String(foot.text));
            QCOMPARE(l->pos(), twips::rect(foot.left, 1770, 0, 0).topLeft());
            QVERIFY(l->font().bold());
            QCOMPARE(l->font().pointSizeF(), 12.0);
            QVERIFY(textFits(l));
            QVERIFY2(hasPixelOf(l->grab().toImage(), QColor(0, 128, 128)), "teal text");
        }
    }

    void aboutWindowTexts()
    {
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(Forms::frmAbout);
        QCOMPARE(w->windowTitle(), QStringLiteral("AboutBox"));
        QCOMPARE(w->size(), twips::size(6105, 4920));
        QCOMPARE(pixelAt(w, QPoint(w->width() - 3, 3)), QColor(224, 224, 224));
        const maker::MakerConfig &m = maker::makerConfig();
        QVERIFY(!m.supportMailbox.isEmpty());
        QCOMPARE(labelText(w, QStringLiteral("lblAppName")), QStringLiteral("Ambrelis 2.7"));
        QCOMPARE(labelText(w, QStringLiteral("lblVersion")), QStringLiteral("Version 2.7"));
        QCOMPARE(labelText(w, QStringLiteral("Label3")),
                 QStringLiteral("For questions, suggestions or support, please contact us at:"));
        QCOMPARE(labelText(w, QStringLiteral("lblCompany")), QStringLiteral("VarnholtPublishing"));
        QCOMPARE(labelText(w, QStringLiteral("Label1")), m.supportMailbox);
        QVERIFY(
            labelText(w, QStringLiteral("Label2")).startsWith(m.postalAddress.street + QStringLiteral(", ")));
        QVERIFY(labelText(w, QStringLiteral("Label2")).contains(m.postalAddress.postalCode));
        QVERIFY(labelText(w, QStringLiteral("lblPhoneNr")).endsWith(m.phoneFax));
        QCOMPARE(labelText(w, QStringLiteral("Label15")), m.websiteUrl);
        QCOMPARE(labelText(w, QStringLiteral("Label11")), m.productPageUrl);
        QCOMPARE(labelText(w, QStringLiteral("lblComments")), m.rightsNotice);
        QCOMPARE(labelText(w, QStringLiteral("lblRights")), m.secondRightsNotice);
        QVERIFY(child<PictureBox>(w, QStringLiteral("imgAppIcon"))->hasPicture());
        for (const QLabel *l : w->findChildren<QLabel *>()) {
            QVERIFY2(!l->text().contains(QLatin1String("{maker.")), qPrintable(l->objectName()));
            QVERIFY2(textFits(l), qPrintable(l->objectName() + QLatin1Char(' ') + l->text()));
            QVERIFY2(QRect(QPoint(0, 0), w->size()).contains(l->geometry()), qPrintable(l->objectName()));
        }
        const QFont name = child<QLabel>(w, QStringLiteral("lblAppName"))->font();
        QVERIFY(name.bold() && name.italic());
        QCOMPARE(name.pointSizeF(), 20.25);
    }

    void aboutWindowButtons()
    {
        ShellFixture shell;
        AppWindow *w = windows().OpenPage(Forms::frmAbout);
        const auto *history = child<QPushButton>(w, QStringLiteral("cmdHistory"));
        const auto *upgrade = child<QPushButton>(w, QStringLiteral("cmdUpgrade"));
        QVERIFY(history && upgrade);
        QCOMPARE(history->text(), QStringLiteral("History"));
        QCOMPARE(upgrade->text(), QStringLiteral("Upgrade"));
        QCOMPARE(history->y(), twips::toPixels(3990));
        QCOMPARE(upgrade->y(), twips::toPixels(3990));
        QCOMPARE(history->size(), twips::size(1100, 325));
        QCOMPARE(QSet<int>({history->x(), upgrade->x()}),
                 QSet<int>({twips::toPixels(3570), twips::toPixels(4740)}));
        QCOMPARE(pixelAt(w, history->geometry().topLeft() + QPoint(4, 4)), QColor(224, 224, 224));
        click(w, QStringLiteral("cmdHistory"));
        QVERIFY(windows().find(Forms::frmHistory));
        click(w, QStringLiteral("cmdUpgrade"));
        QVERIFY(windows().find(Forms::frmUpgradeInfo));
        QVERIFY(windows().find(Forms::frmAbout));
    }

    void makerPlaceholders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("filled");
        QTest::newRow("plain text") << QStringLiteral("Version 2.7") << QStringLiteral("Version 2.7");
        QTest::newRow("one value") << QStringLiteral("{maker.supportMailbox}")
                                   << QStringLiteral("help@x.example");
        QTest::newRow("nested keys and text between")
            << QStringLiteral("{maker.postalAddress.street}, {maker.postalAddress.town}  "
                              "{maker.postalAddress.postalCode}")
            << QStringLiteral("1 Road, Town  A1B 2C3");
        QTest::newRow("text around") << QStringLiteral("Phone/Fax: {maker.phoneFax}.")
                                     << QStringLiteral("Phone/Fax: 555-0100.");
        QTest::newRow("unknown key stays") << QStringLiteral("{maker.nothing} and {maker.phoneFax}")
                                           << QStringLiteral("{maker.nothing} and 555-0100");
        QTest::newRow("not a placeholder")
            << QStringLiteral("{maker} {other.phoneFax}") << QStringLiteral("{maker} {other.phoneFax}");
        QTest::newRow("empty value") << QStringLiteral("[{maker.orderMailbox}]") << QStringLiteral("[]");
    }
    void makerPlaceholders()
    {
        QFETCH(QString, text);
        QFETCH(QString, filled);
        maker::MakerConfig config;
        config.supportMailbox = QStringLiteral("help@x.example");
        config.postalAddress.street = QStringLiteral("1 Road");
        config.postalAddress.town = QStringLiteral("Town");
        config.postalAddress.postalCode = QStringLiteral("A1B 2C3");
        config.phoneFax = QStringLiteral("555-0100");
        QCOMPARE(frmAbout::fillMakerValues(text, config), filled);
    }

    // A page restored to the normal state and then enlarged scales its controls with the window.
    void enlargedPageScalesItsControls_data()
    {
        QTest::addColumn<FormId>("form");
        QTest::addColumn<QString>("control");
        QTest::newRow("oil page") << Forms::frmEssentialOils3 << QStringLiteral("lblActions2");
        QTest::newRow("oil page chain button") << Forms::frmEssentialOils3 << QStringLiteral("Command1");
        QTest::newRow("base oils, in the frame") << Forms::frmBaseOils << QStringLiteral("lblIndication4");
        QTest::newRow("safety") << Forms::frmSafety2 << QStringLiteral("lblBlock2");
        QTest::newRow("information") << Forms::frmInformation << QStringLiteral("cmdFootChart");
        QTest::newRow("antioxidants") << Forms::frmAntioxidants << QStringLiteral("lblOil9");
        QTest::newRow("reflexology") << Forms::frmReflexology << QStringLiteral("lblLeftFoot");
    }
    void enlargedPageScalesItsControls()
    {
        QFETCH(FormId, form);
        QFETCH(QString, control);
        ShellFixture shell;
        windows().setScreenModeSource([] { return QStringLiteral("0"); });
        AppWindow *w = windows().OpenPage(form);
        QVERIFY(!w->isMaximized());
        QCOMPARE(w->size(), twips::PageClient);
        QWidget *c = child<QWidget>(w, control);
        QVERIFY(c);
        const QRect design = placeIn(w, c);
        const double pointSize = c->font().pointSizeF();

        w->resize(twips::PageClient * 2);
        const QRect now = placeIn(w, c);
        QVERIFY2(std::abs(now.x() - 2 * design.x()) <= 2 && std::abs(now.y() - 2 * design.y()) <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(now.x()).arg(now.y())));
        QVERIFY(std::abs(now.width() - 2 * design.width()) <= 2);
        QVERIFY(std::abs(now.height() - 2 * design.height()) <= 2);
        QCOMPARE(c->font().pointSizeF(), 2 * pointSize);
        QVERIFY(c->isVisible());
    }

    // Pages of tables and rules hide their controls while they are laid out anew; the information page and
    // the chart do not; the about box is a dialog and is not scaled at all.
    void resizerHidesControlsOnTablePages()
    {
        ShellFixture shell;
        for (const FormId form : AllReferenceWindows) {
            AppWindow *w = windows().OpenPage(form);
            const ResizerMode expected = form == Forms::frmAbout ? ResizerMode::None
                                         : form == Forms::frmInformation || form == Forms::frmReflexology
                                             ? ResizerMode::Scale
                                             : ResizerMode::ScaleHidingControls;
            QVERIFY2(w->spec().resizer == expected, qPrintable(form.name()));
            QCOMPARE(w->spec().kind, form == Forms::frmAbout ? WindowKind::Dialog : WindowKind::Page);
            windows().ClosePage(form);
        }
    }

    // No text is cut off at the design size, nor when the page fills a large screen, where the resizer
    // scales the fonts by the smaller of the two ratios and the cells by their own.
    void labelsFitAtEverySize_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design size") << twips::PageClient;
        QTest::newRow("maximised on 1920 x 1080 below a panel") << QSize(1920, 1017);
        QTest::newRow("maximised on 1920 x 1080") << QSize(1920, 1080);
        QTest::newRow("maximised on 1366 x 768") << QSize(1366, 705);
        QTest::newRow("wide and low") << QSize(1600, 534);
    }
    void labelsFitAtEverySize()
    {
        QFETCH(QSize, client);
        ShellFixture shell;
        windows().setScreenModeSource([] { return QStringLiteral("0"); });
        const QString shots = qEnvironmentVariable("AMBRELIS_REFERENCE_SNAPSHOTS");
        for (const FormId form : AllReferenceWindows) {
            AppWindow *w = windows().OpenPage(form);
            QVERIFY2(w, qPrintable(form.name()));
            if (w->spec().kind != WindowKind::Page) {
                windows().ClosePage(form);
                continue;
            }
            w->resize(client);
            QCoreApplication::processEvents();
            for (const QLabel *l : w->findChildren<QLabel *>()) {
                if (!l->isVisibleTo(w))
                    continue;
                const QString where = form.name() + QLatin1Char('.') + l->objectName();
                QVERIFY2(textFits(l), qPrintable(QStringLiteral("%1 %2: needs %3x%4, has %5x%6 at %7 pt")
                                                     .arg(where, l->text().left(40))
                                                     .arg(l->sizeHint().width())
                                                     .arg(l->wordWrap() ? l->heightForWidth(l->width())
                                                                        : l->sizeHint().height())
                                                     .arg(l->width())
                                                     .arg(l->height())
                                                     .arg(l->font().pointSizeF())));
                QVERIFY2(QRect(QPoint(0, 0), w->size()).contains(placeIn(w, l)), qPrintable(where));
            }
            for (const QPushButton *b : w->findChildren<QPushButton *>()) {
                if (b->isVisibleTo(w))
                    QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width(),
                             qPrintable(form.name() + QLatin1Char('.') + b->objectName()));
            }
            if (!shots.isEmpty())
                w->grab().save(QDir(shots).filePath(QStringLiteral("%1-%2x%3.png")
                                                        .arg(form.name())
                                                        .arg(client.width())
                                                        .arg(client.height())));
            windows().ClosePage(form);
        }
    }

    // Every page only displays: no text to edit or select, and nothing cut off.
    void pagesOnlyDisplay()
    {
        ShellFixture shell;
        const QString shots = qEnvironmentVariable("AMBRELIS_REFERENCE_SNAPSHOTS");
        for (const FormId form : AllReferenceWindows) {
            AppWindow *w = windows().OpenPage(form);
            QVERIFY2(w, qPrintable(form.name()));
            QVERIFY(w->findChildren<QLineEdit *>().isEmpty());
            QVERIFY(w->findChildren<QTextEdit *>().isEmpty());
            QVERIFY(w->findChildren<QPlainTextEdit *>().isEmpty());
            for (const QLabel *l : w->findChildren<QLabel *>()) {
                QCOMPARE(l->textInteractionFlags(), Qt::NoTextInteraction);
                QCOMPARE(l->textFormat(), Qt::PlainText);
            }
            if (!shots.isEmpty()) {
                w->showNormal();
                w->resize(w->spec().kind == WindowKind::Page ? twips::PageClient : w->size());
                w->grab().save(QDir(shots).filePath(form.name() + QStringLiteral(".png")));
            }
            windows().ClosePage(form);
        }
    }
};

QTEST_MAIN(ReferencePagesTest)
#include "ReferencePagesTest.moc"
