#include "find/windows/ResultItem.h"

namespace {

// The snippet's text with its matched words in bold, everything else escaped.
QString snippetHtml(const find::Snippet &snippet)
{
    QString html;
    qsizetype at = 0;
    for (const auto &[start, length] : snippet.marks) {
        if (start < at)
            continue; // a mark inside one already drawn
        html += snippet.text.mid(at, start - at).toHtmlEscaped();
        html +=
            QStringLiteral("<b>") + snippet.text.mid(start, length).toHtmlEscaped() + QStringLiteral("</b>");
        at = start + length;
    }
    return html + snippet.text.mid(at).toHtmlEscaped();
}

} // namespace

ResultItem::ResultItem(std::shared_ptr<const find::SearchIndex> index,
                       std::shared_ptr<const find::SearchResults> results, find::Result result)
    : m_index(std::move(index)), m_results(std::move(results)), m_result(std::move(result))
{}

QVariant ResultItem::data(int role) const
{
    switch (role) {
    case TargetRole:
        return m_result.target;
    case Qt::DisplayRole:
        return m_result.title + QStringLiteral(": ") + snippet().text;
    case HtmlRole:
        return QStringLiteral("<b>") + m_result.title.toHtmlEscaped() + QStringLiteral("</b><br>") +
               snippetHtml(snippet());
    default:
        return QListWidgetItem::data(role);
    }
}

const find::Snippet &ResultItem::snippet() const
{
    if (!m_snippet)
        m_snippet = m_index->snippet(m_result, *m_results);
    return *m_snippet;
}
