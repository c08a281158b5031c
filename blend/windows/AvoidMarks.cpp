#include "blend/windows/AvoidMarks.h"

#include "app/shell/AppWindow.h"
#include "app/shell/WindowManager.h"
#include "blend/logic/PersonFile.h"
#include "blend/windows/WhoIsItFor.h"
#include "blend/windows/frmBlend.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <QToolTip>

namespace blend {

namespace {

const char kMarked[] = "ambrelisAvoidMarks";

frmBlend *openBlend()
{
    windows().OpenPage(Forms::frmBlend);
    return windows().find<frmBlend>(Forms::frmBlend);
}

QString forWhom()
{
    const auto &person = WhoIsItFor::instance().person();
    return person ? describePerson(*person) : QString();
}

struct Found
{
    int start;
    int length;
    QString name;
};

// The table's oils a text names, longest names first so that "Cypress, blue" is not read as "Cypress".
std::vector<Found> findOils(const QString &text)
{
    std::vector<Found> found;
    const Calculator *calc = sharedCalculator();
    if (!calc)
        return found;
    QStringList names = calc->oilNames();
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    std::vector<bool> taken(size_t(text.size()), false);
    for (const QString &name : names) {
        const QRegularExpression word(QStringLiteral("\\b") + QRegularExpression::escape(name) +
                                          QStringLiteral("\\b"),
                                      QRegularExpression::CaseInsensitiveOption);
        for (auto it = word.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            if (taken[size_t(m.capturedStart())])
                continue;
            for (int i = m.capturedStart(); i < m.capturedEnd(); ++i)
                taken[size_t(i)] = true;
            found.push_back({int(m.capturedStart()), int(m.capturedLength()), name});
        }
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.start < b.start; });
    return found;
}

} // namespace

TextMarks::TextMarks(QPlainTextEdit *box, bool offerBlend)
    : QObject(box), m_box(box), m_viewport(box->viewport()), m_offerBlend(offerBlend),
      m_description(box->accessibleDescription())
{
    m_viewport->installEventFilter(this);
    connect(box, &QPlainTextEdit::textChanged, this, &TextMarks::refresh);
    connect(&WhoIsItFor::instance(), &WhoIsItFor::changed, this, &TextMarks::refresh);
    refresh();
}

QStringList TextMarks::oilsNamed() const
{
    QStringList names;
    for (const Found &f : findOils(m_box->toPlainText()))
        if (!names.contains(f.name))
            names << f.name;
    return names;
}

void TextMarks::makeBlend() const
{
    const QStringList oils = oilsNamed();
    if (frmBlend *blend = openBlend())
        blend->startWith(oils);
}

void TextMarks::refresh()
{
    m_hits.clear();
    m_marked.clear();
    QList<QTextEdit::ExtraSelection> selections;
    if (WhoIsItFor::instance().person()) {
        for (const Found &f : findOils(m_box->toPlainText())) {
            const QString reason = WhoIsItFor::instance().avoidReason(f.name);
            if (reason.isEmpty())
                continue;
            m_hits.push_back({f.start, f.length, reason});
            if (std::none_of(m_marked.begin(), m_marked.end(),
                             [&](const auto &m) { return m.first == f.name; }))
                m_marked.emplace_back(f.name, reason);
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(m_box->document());
            mark.cursor.setPosition(f.start);
            mark.cursor.setPosition(f.start + f.length, QTextCursor::KeepAnchor);
            mark.format.setBackground(QColor(255, 215, 215));
            mark.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            mark.format.setUnderlineColor(QColor(192, 0, 0));
            selections << mark;
        }
    }
    m_box->setExtraSelections(selections);
    QStringList said;
    for (const auto &[name, reason] : m_marked)
        said << name + QStringLiteral(": ") +
                    QString(reason).replace(QLatin1Char('\n'), QStringLiteral("; "));
    m_box->setAccessibleDescription(said.isEmpty() ? m_description
                                                   : QStringLiteral("Oils to avoid for %1, marked: %2")
                                                         .arg(forWhom(), said.join(QStringLiteral(". "))));
}

bool TextMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_viewport)
        return false;
    if (event->type() == QEvent::ToolTip && !m_hits.empty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const int at = m_box->cursorForPosition(help->pos()).position();
        for (const Hit &h : m_hits)
            if (at >= h.start && at <= h.start + h.length) {
                QToolTip::showText(help->globalPos(), h.reason, m_box);
                return true;
            }
        QToolTip::hideText();
        return false;
    }
    if (event->type() == QEvent::ContextMenu && m_offerBlend) {
        const auto *click = static_cast<QContextMenuEvent *>(event);
        std::unique_ptr<QMenu> menu(m_box->createStandardContextMenu(click->pos()));
        menu->addSeparator();
        QAction *make = menu->addAction(QStringLiteral("Make a blend from these oils"));
        make->setObjectName(QStringLiteral("actMakeBlend"));
        make->setEnabled(!oilsNamed().isEmpty());
        connect(make, &QAction::triggered, this, &TextMarks::makeBlend);
        menu->exec(click->globalPos());
        return true;
    }
    return false;
}

void markOilPage(AppWindow *page)
{
    const Calculator *calc = sharedCalculator();
    if (!calc)
        return;
    for (int n = 1;; ++n) {
        auto *name = page->findChild<QLabel *>(QStringLiteral("lblName%1").arg(n));
        auto *cell = page->findChild<QLabel *>(QStringLiteral("lblNameCell%1").arg(n));
        if (!name || !cell)
            break;
        const safety::OilSafety *oil = calc->table().find(name->text().simplified());
        if (!oil)
            continue;
        if (!name->property(kMarked).toBool()) {
            name->setProperty(kMarked, true);
            auto *add = new QAction(QStringLiteral("Add to blend"), page); // owned by the page
            add->setObjectName(QStringLiteral("actAddToBlend%1").arg(n));
            QObject::connect(add, &QAction::triggered, page, [oilName = oil->name] {
                if (frmBlend *blend = openBlend())
                    blend->addOil(oilName);
            });
            for (QLabel *l : {name, cell}) {
                l->addAction(add);
                l->setContextMenuPolicy(Qt::ActionsContextMenu);
            }
            auto *mark = new QLabel(QStringLiteral("\u26a0 Avoid"), cell); // owned by the cell
            mark->setObjectName(QStringLiteral("lblAvoid%1").arg(n));
            // Its own look, not the cell's border and padding; small, in the cell's corner above the names.
            mark->setStyleSheet(
                QStringLiteral("QLabel { color: rgb(192,0,0); font-weight: bold; font-size: 8pt; "
                               "border: none; padding: 0px; background: transparent; }"));
            // The pages only display, like the labels the mark lies on.
            mark->setTextFormat(Qt::PlainText);
            mark->setTextInteractionFlags(Qt::NoTextInteraction);
            mark->adjustSize();
            mark->move(3, 1);
            mark->hide();
        }
        auto *mark = cell->findChild<QLabel *>(QStringLiteral("lblAvoid%1").arg(n));
        const QString reason = WhoIsItFor::instance().avoidReason(oil->name);
        mark->setVisible(!reason.isEmpty());
        mark->setToolTip(reason);
        mark->setAccessibleName(
            reason.isEmpty() ? QString() : QStringLiteral("%1, to avoid for %2").arg(oil->name, forWhom()));
        mark->setAccessibleDescription(reason);
        for (QLabel *l : {name, cell}) {
            l->setToolTip(reason);
            l->setAccessibleDescription(reason);
        }
    }
}

void installAvoidMarks(WindowManager &manager)
{
    QObject::connect(&manager, &WindowManager::windowOpened, &manager, [&manager](FormId form) {
        AppWindow *page = manager.find(form);
        if (!page)
            return;
        if (Forms::essentialOilsPageNumber(form) != 0) {
            if (!page->property(kMarked).toBool()) {
                page->setProperty(kMarked, true);
                QObject::connect(&WhoIsItFor::instance(), &WhoIsItFor::changed, page,
                                 [page] { markOilPage(page); });
            }
            markOilPage(page);
            return;
        }
        const std::pair<FormId, const char *> boxes[] = {{Forms::frmIndications, "txtOilsDec"},
                                                         {Forms::frmActions, "txtActions"}};
        for (const auto &[boxForm, boxName] : boxes) {
            if (form != boxForm)
                continue;
            auto *box = page->findChild<QPlainTextEdit *>(QLatin1String(boxName));
            if (box && !box->findChild<TextMarks *>())
                new TextMarks(box, form == Forms::frmIndications); // owned by the box
        }
    });
}

} // namespace blend
