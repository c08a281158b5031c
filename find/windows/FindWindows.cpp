#include "app/platform/UserFiles.h"
#include "app/shell/WindowCatalog.h"
#include "app/shell/WindowManager.h"
#include "find/logic/IndicationDocuments.h"
#include "find/windows/FindIndex.h"
#include "find/windows/frmFind.h"

void registerFindWindows(WindowManager &manager)
{
    // Owned by the manager, so that it lives as long as the windows that search it.
    auto *index = new FindIndex(&userfiles::indicationsDatabase, &find::buildReferenceIndex,
                                &find::savedDocuments, &manager);
    QObject::connect(&manager, &WindowManager::dataSaved, index, [index](FormId form) {
        if (form == Forms::frmIndications)
            index->rebuild();
    });
    manager.registerFactory(Forms::frmFind, [index] { return std::make_unique<frmFind>(*index); });
}
