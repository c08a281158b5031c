#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The main menu's base-oils panel (reference/menu.json): the texts that are safety figures or too long for
// the design. The panel's headings, link captions and button belong to the menu's design.
namespace content {

struct Measurement
{
    QString baseOil;      // "1 teaspoon (5 ml) base oil"
    QString essentialOil; // "2 - 5 drops essential oil"
};

struct BaseOilsPanel
{
    QString introduction;
    QStringList dilutions;
    std::vector<Measurement> measurements;
};

inline const QString BaseOilsPanelFile = QStringLiteral("reference/menu.json");

Parsed<BaseOilsPanel> parseBaseOilsPanel(const QByteArray &json);
// The compiled-in panel.
const BaseOilsPanel &baseOilsPanel();

} // namespace content
