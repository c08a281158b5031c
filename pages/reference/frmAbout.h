#pragma once

#include "app/shell/AppWindow.h"

namespace maker {
struct MakerConfig;
}

// The about box: the program's name and version, the maker's rights notices and contact data, and the buttons
// to the history of changes and the upgrade information.
class frmAbout final : public AppWindow
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Replaces each {maker.KEY} (KEY a key path of the maker's values, such as postalAddress.town) with the
    // value; a placeholder naming no known value is left as it stands, so that the gap shows.
    static QString fillMakerValues(const QString &text, const maker::MakerConfig &config);
};
