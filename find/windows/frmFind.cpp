#include "find/windows/frmFind.h"

#include "app/shell/MessageBox.h"
#include "shared/Place.h"
#include "app/shell/WindowManager.h"
#include "find/windows/FindIndex.h"
#include "find/windows/ResultDelegate.h"
#include "find/windows/ResultItem.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

bool isResult(const QListWidgetItem *item)
{
    return item && item->flags().testFlag(Qt::ItemIsSelectable);
}

} // namespace

frmFind::frmFind(FindIndex &index, QWidget *parent) : AppWindow(Forms::frmFind, parent), m_index(index)
{
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtFind"));
    m_text->setAccessibleName(QStringLiteral("Find"));
    m_text->setPlaceholderText(QStringLiteral("An oil, an indication, an action, a remedy, a word…"));
    m_text->setClearButtonEnabled(true);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_suggestion = new QLabel(this);
    m_suggestion->setObjectName(QStringLiteral("lblSuggestion"));
    m_suggestion->setTextFormat(Qt::RichText);
    m_suggestion->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_suggestion->hide();

    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("lstResults"));
    m_results->setAccessibleName(QStringLiteral("Results"));
    m_results->setItemDelegate(new ResultDelegate(m_results));
    m_results->setWordWrap(true);
    m_results->setUniformItemSizes(false);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_status);
    layout->addWidget(m_suggestion);
    layout->addWidget(m_results, 1);

    QFont small = font();
    small.setPointSizeF(10.5);
    m_results->setFont(small);
    m_status->setFont(small);
    m_suggestion->setFont(small);

    m_text->installEventFilter(this);
    m_results->installEventFilter(this);
    connect(m_text, &QLineEdit::textChanged, this, &frmFind::search);
    connect(m_results, &QListWidget::itemDoubleClicked, this, [this] { openSelected(); });
    connect(m_suggestion, &QLabel::linkActivated, this, [this](const QString &suggestion) {
        m_text->setText(suggestion);
        m_text->setFocus();
    });
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { windows().ClosePage(formName()); });
    connect(&m_index, &FindIndex::ready, this, &frmFind::indexReady);
}

frmFind::~frmFind() = default;

void frmFind::Form_Load()
{
    m_index.ensureBuilt();
    m_text->setFocus();
    search();
}

void frmFind::indexReady()
{
    if (!m_index.problem().isEmpty() && !m_problemReported) {
        m_problemReported = true;
        messagebox::show(this,
                         QStringLiteral("Find cannot search the indications: %1").arg(m_index.problem()));
    }
    search();
}

void frmFind::search()
{
    const std::shared_ptr<const find::SearchIndex> index = m_index.index();
    if (!index) {
        m_results->clear();
        m_suggestion->hide();
        m_status->setText(QStringLiteral("Indexing…"));
        m_status->show();
        return;
    }
    showResults(index, index->search(m_text->text()));
}

void frmFind::showResults(const std::shared_ptr<const find::SearchIndex> &index, find::SearchResults answer)
{
    const auto shared = std::make_shared<const find::SearchResults>(std::move(answer));
    const find::SearchResults &results = *shared;
    m_results->clear();
    for (const find::ResultGroup &group : results.groups) {
        auto *title = new QListWidgetItem(group.kind, m_results); // owned by the list
        // A group's title is no result: the list's own arrow keys pass over it as they do in the text box.
        title->setFlags(Qt::NoItemFlags);
        title->setForeground(QColor(64, 16, 24));
        QFont bold = m_results->font();
        bold.setBold(true);
        title->setFont(bold);
        title->setBackground(QColor(240, 224, 228));
        for (const find::Result &result : group.results)
            m_results->addItem(new ResultItem(index, shared, result)); // owned by the list
    }
    const bool found = !results.groups.isEmpty();
    if (found)
        moveSelection(1);
    const bool typed = !m_text->text().trimmed().isEmpty();
    m_status->setText(found || !typed ? QString() : QStringLiteral("Nothing found."));
    m_status->setVisible(!m_status->text().isEmpty());
    showSuggestion(found ? QString() : results.suggestion);
}

void frmFind::showSuggestion(const QString &suggestion)
{
    m_suggestion->setVisible(!suggestion.isEmpty());
    if (suggestion.isEmpty())
        return;
    m_suggestion->setText(QStringLiteral("Did you mean <a href=\"%1\">%2</a>?")
                              .arg(suggestion.toHtmlEscaped(), suggestion.toHtmlEscaped()));
}

void frmFind::moveSelection(int step)
{
    const int count = m_results->count();
    int row = m_results->currentRow();
    if (!isResult(m_results->currentItem()))
        row = step > 0 ? -1 : count;
    for (int next = row + step; next >= 0 && next < count; next += step) {
        if (isResult(m_results->item(next))) {
            m_results->setCurrentRow(next);
            m_results->scrollToItem(m_results->item(next));
            return;
        }
    }
}

bool frmFind::openSelected()
{
    const QListWidgetItem *item = m_results->currentItem();
    if (!isResult(item))
        return false;
    windows().OpenPlace(Place::fromText(item->data(ResultItem::TargetRole).toString()));
    return true;
}

bool frmFind::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return AppWindow::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        openSelected();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (watched != m_text)
            break;
        moveSelection(static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down ? 1 : -1);
        return true;
    default:
        break;
    }
    return AppWindow::eventFilter(watched, event);
}

void frmFind::changeEvent(QEvent *event)
{
    AppWindow::changeEvent(event);
    // Back in the window (Ctrl+F again, or from a page), the words typed last are selected: typing replaces
    // them.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_text->setFocus();
        m_text->selectAll();
    }
}
