#pragma once

#include "content/OilBook.h"

#include <QString>
#include <QStringView>
#include <map>
#include <optional>
#include <vector>

// Where each oil name of the content leads: the row of its profile on the oil pages. The table is built from
// the oil book alone, its rows' names and the other names the rows give, so a text that names an oil by a
// name the book does not know has no link (and the content tests say which name).
namespace content {

// An oil's profile: the page that lists it and the row's common name there.
struct OilProfile
{
    QString form;
    QString row;

    friend bool operator==(const OilProfile &, const OilProfile &) = default;
};

// An oil name as it stands in a text; no profile for a name the table does not know.
struct OilMention
{
    qsizetype start = 0;
    qsizetype length = 0;
    std::optional<OilProfile> profile;
};

class OilLinks
{
public:
    explicit OilLinks(const OilBook &book);

    // Letter case does not count: "Tea tree" is the row "Tea Tree".
    std::optional<OilProfile> profileOf(QStringView name) const;

    // The names of an oil list: names parted by ", " or a line break, the list perhaps ended by a full stop.
    // A name may hold a comma itself ("Fir, Balsam"): where names overlap the longest one counts.
    std::vector<OilMention> mentionsIn(QStringView list) const;

private:
    std::map<QString, OilProfile> m_byName; // case-folded name -> profile
};

// The table of the compiled-in oil book.
const OilLinks &oilLinks();

} // namespace content
