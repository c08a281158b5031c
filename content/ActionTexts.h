#pragma once

#include "content/ContentReader.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The actions page's texts (actions/actions.json): one entry per action button, in button order.
namespace content {

// One action button and the text it shows. An empty string in a block is an empty line.
struct ActionEntry
{
    QString button; // object name of the button, e.g. "cmdAnalgesic"
    QString caption;
    QString heading;
    QStringList oils;      // oil names, shown as one line
    QStringList oilsExtra; // remark and recipe lines after the oil list
    QStringList application;
    QStringList closing;
};

inline const QString ActionsFile = QStringLiteral("actions/actions.json");

Parsed<QList<ActionEntry>> parseActions(const QByteArray &json);
// The compiled-in entries.
const QList<ActionEntry> &actionEntries();

} // namespace content
