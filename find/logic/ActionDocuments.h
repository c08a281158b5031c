#pragma once

#include "app/shell/FormId.h"
#include "find/logic/SearchIndex.h"
#include "pages/actions/ActionText.h"

// The oils' therapeutic actions as documents of the index.
namespace find {

inline const QString ActionsKind = QStringLiteral("Actions");
inline const QString ActionsForm = Forms::frmActions.name();

// One document for each action; its target is the actions page showing that action's text,
// "frmActions#caption".
QList<Document> actionDocuments(const QList<actions::ActionEntry> &entries);

} // namespace find
