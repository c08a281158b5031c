#include "content/OilLinks.h"

namespace content {

namespace {

QString key(QStringView name)
{
    return name.toString().toCaseFolded();
}

bool endsName(QStringView list, qsizetype at)
{
    return at == list.size() || list[at] == u',' || list[at] == u'.' || list[at] == u'\n';
}

} // namespace

OilLinks::OilLinks(const OilBook &book)
{
    for (const OilPage &page : book.pages) {
        for (const OilRow &row : page.rows) {
            // The first page that lists a name keeps it: the book has each oil once under each name.
            m_byName.try_emplace(key(row.name), OilProfile{page.form, row.name});
            for (const QString &other : row.otherNames)
                m_byName.try_emplace(key(other), OilProfile{page.form, row.name});
        }
    }
}

std::optional<OilProfile> OilLinks::profileOf(QStringView name) const
{
    const auto found = m_byName.find(key(name));
    if (found == m_byName.end())
        return std::nullopt;
    return found->second;
}

std::vector<OilMention> OilLinks::mentionsIn(QStringView list) const
{
    std::vector<OilMention> mentions;
    const QString folded = key(list); // case folding keeps the length of these names' letters
    const bool sameLength = folded.size() == list.size();
    qsizetype at = 0;
    while (at < list.size()) {
        while (at < list.size() && (list[at].isSpace() || list[at] == u',' || list[at] == u'.'))
            ++at;
        if (at >= list.size())
            break;
        OilMention mention{at, 0, std::nullopt};
        if (sameLength) {
            for (const auto &[name, profile] : m_byName) {
                if (name.size() > mention.length && QStringView(folded).sliced(at).startsWith(name) &&
                    endsName(list, at + name.size())) {
                    mention.length = name.size();
                    mention.profile = profile;
                }
            }
        }
        if (!mention.profile) {
            // A name the table does not know runs to the next separator.
            qsizetype end = at;
            while (end < list.size() && list[end] != u',' && list[end] != u'\n')
                ++end;
            while (end > at && (list[end - 1] == u'.' || list[end - 1].isSpace()))
                --end;
            mention.length = std::max<qsizetype>(1, end - at);
        }
        mentions.push_back(mention);
        at += mention.length;
    }
    return mentions;
}

const OilLinks &oilLinks()
{
    static const OilLinks links(oilBook());
    return links;
}

} // namespace content
