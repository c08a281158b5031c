// The oil names of a text box's oil lists lead to their profiles: Ctrl+click or Ctrl+Enter opens the oil's
// page with its row marked; a plain click and Enter keep editing the text.
#include "app/shell/OilNameLinks.h"

#include "OilLinkClicks.h"
#include "ShellFixture.h"

#include <QImage>
#include <QTextBlock>

namespace {

// A box over its own text whose oil lists are the lines listed.
struct Box
{
    QPlainTextEdit edit;
    OilNameLinks *links;

    Box(const QString &text, QList<int> listLines)
    {
        edit.setPlainText(text);
        edit.resize(500, 300);
        links = new OilNameLinks(&edit, [listLines](const QTextBlock &line) { // owned by the box
            return listLines.contains(line.blockNumber());
        });
        edit.show();
    }
};

// Whether any pixel of the column at x, from top to bottom, has the colour.
bool columnHolds(const QImage &image, int x, int top, int bottom, QColor colour)
{
    for (int y = std::max(0, top); y <= bottom && y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour)
            return true;
    return false;
}

const char ActionLike[] =
    "\nAnalgesic Essential Oils:\nClove, Roman chamomile, Fir, Balsam.\n\nTopical: clove.";

} // namespace

class OilNameLinksTest : public QObject
{
    Q_OBJECT

    static void addCase(const char *name, const QString &text, QList<int> listLines, const char *acted,
                        FormId form, const char *row)
    {
        for (const bool byKey : {false, true})
            QTest::newRow(qPrintable(QLatin1String(name) + (byKey ? " (Ctrl+Enter)" : " (Ctrl+click)")))
                << text << listLines << QString::fromUtf8(acted) << byKey << form << QString::fromUtf8(row);
    }

    static void checkOpened(FormId form, const QString &row)
    {
        if (form.isNull()) {
            for (const FormId open : windows().openWindows())
                QVERIFY2(Forms::essentialOilsPageNumber(open) == 0, qPrintable(open.name()));
            return;
        }
        QCOMPARE(oillinks::markedRow(windows().find(form)), row);
    }

private slots:
    void followingALinkOpensTheProfile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("listLines");
        QTest::addColumn<QString>("name"); // the text acted on
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<FormId>("form"); // the page that opens; empty for none
        QTest::addColumn<QString>("row"); // the row it marks
        const QString actionLike = QString::fromLatin1(ActionLike);
        addCase("a row's own name", "Tea Tree, Lavender", {0}, "Lavender", Forms::frmEssentialOils8,
                "Lavender");
        addCase("a name holding a comma", "Fir, Balsam, Frankincense", {0}, "Balsam",
                Forms::frmEssentialOils6, "Fir, Balsam");
        addCase("another name of a row, on a later line", actionLike, {2}, "chamomile",
                Forms::frmEssentialOils3, "Chamomile, Roman");
        addCase("letter case", "Black pepper, Clove", {0}, "pepper", Forms::frmEssentialOils2,
                "Black Pepper");
        addCase("outside the oil list", actionLike, {2}, "clove.", {}, "");
        addCase("a name without profile", "Clove, Dragon blood", {0}, "Dragon", {}, "");
    }
    void followingALinkOpensTheProfile()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, listLines);
        QFETCH(QString, name);
        QFETCH(bool, byKey);
        QFETCH(FormId, form);
        QFETCH(QString, row);
        ShellFixture shell;
        Box box(text, listLines);
        if (byKey)
            oillinks::keyOn(&box.edit, name, Qt::Key_Return, Qt::ControlModifier);
        else
            oillinks::clickOn(&box.edit, name, Qt::ControlModifier);
        checkOpened(form, row);
        if (!form.isNull())
            QCOMPARE(box.edit.toPlainText(), text);
    }

    // The box stays a text box: a plain click places the caret, Enter breaks the line, and nothing opens.
    void plainClicksAndKeysEdit()
    {
        ShellFixture shell;
        Box box(QStringLiteral("Tea Tree, Lavender"), {0});
        const int at = oillinks::middleOf(&box.edit, QStringLiteral("Lavender"));
        oillinks::clickOn(&box.edit, QStringLiteral("Lavender"), Qt::NoModifier);
        QVERIFY(std::abs(box.edit.textCursor().position() - at) <= 1);
        QTest::keyClick(&box.edit, Qt::Key_Return);
        QCOMPARE(box.edit.toPlainText().count(u'\n'), 1);
        checkOpened({}, {});
    }

    // Each character of a link is underlined in the link colour, on whichever line of the box it stands, and
    // no other character is; a blank where a name wraps to the next line is not.
    void underlinesRunUnderTheLinksOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("wraps"); // whether some name must run over two lines of the box
        const QString list =
            QStringLiteral("Tea Tree, Lavender, Chamomile, Roman, Black pepper, Fir, Balsam, "
                           "Clove, Dragon blood, Ylang ylang, Tea Tree\nLavender and Clove");
        QTest::newRow("on one line each") << list << 2000 << false;
        QTest::newRow("wrapped in a narrow box") << list << 0 << true;
    }
    void underlinesRunUnderTheLinksOnly()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(bool, wraps);
        ShellFixture shell;
        Box box(text, {0});
        QPalette palette = box.edit.palette();
        const QColor link(255, 0, 0);
        palette.setColor(QPalette::Link, link);
        box.edit.setPalette(palette);
        const auto caret = [&box](int position) {
            QTextCursor cursor(box.edit.document());
            cursor.setPosition(position);
            return box.edit.cursorRect(cursor);
        };
        const auto wrapped = [&] {
            for (const OilNameLinks::Link &l : box.links->links())
                if (caret(l.start).top() != caret(l.start + l.length).top())
                    return true;
            return false;
        };
        // The narrow box is narrowed until a name wraps, whatever the font's widths.
        box.edit.resize(width > 0 ? width : 400, 400);
        for (int narrower = 400; wraps && !wrapped() && narrower > 100; narrower -= 10)
            box.edit.resize(narrower, 400);
        QCOMPARE(wrapped(), wraps);

        const QImage image = box.edit.viewport()->grab().toImage();
        for (int p = 0; p + 1 < int(text.size()); ++p) {
            const QRect from = caret(p);
            const QRect to = caret(p + 1);
            if (from.top() != to.top() || from.bottom() >= image.height())
                continue; // the last character of a line of the box
            const OilNameLinks::Link *on = box.links->linkAt(p);
            const bool linked = on && p < on->start + on->length;
            const int middle = (from.left() + to.left()) / 2;
            QVERIFY2(columnHolds(image, middle, from.top(), from.bottom(), link) == linked,
                     qPrintable(QStringLiteral("%1 at %2").arg(text.at(p)).arg(p)));
        }
        // A wrapped name: the blank at the end of the first line stays plain.
        for (const OilNameLinks::Link &l : box.links->links()) {
            for (int p = l.start; p < l.start + l.length; ++p) {
                const QRect from = caret(p);
                if (from.top() != caret(p + 1).top() && text.at(p).isSpace())
                    QVERIFY(!columnHolds(image, from.left() + 2, from.top(), from.bottom(), link));
            }
        }
    }

    // The links follow the text as it is edited.
    void editsMakeAndUnmakeLinks()
    {
        ShellFixture shell;
        Box box(QStringLiteral("Tea Tree"), {0});
        QCOMPARE(box.links->links().size(), size_t(1));
        box.edit.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box.edit, QStringLiteral(", Thyme"));
        QCOMPARE(box.links->links().size(), size_t(2));
        QCOMPARE(box.links->links().back().place, (Place{Forms::frmEssentialOils96.name(), "Thyme"}));
        QTest::keyClick(&box.edit, Qt::Key_Backspace);
        QCOMPARE(box.links->links().size(), size_t(1));
    }
};

QTEST_MAIN(OilNameLinksTest)
#include "OilNameLinksTest.moc"
