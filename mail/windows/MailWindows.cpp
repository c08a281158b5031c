#include "app/shell/WindowManager.h"
#include "mail/windows/frmOrder.h"
#include "mail/windows/frmOrderForm.h"
#include "mail/windows/frmOrderRegInfo.h"
#include "mail/windows/frmOrderReview.h"
#include "mail/windows/frmPriceList.h"
#include "mail/windows/frmSupport.h"

namespace {

template <typename Window> WindowManager::Factory make()
{
    return [] { return std::make_unique<Window>(); };
}

} // namespace

void registerMailWindows(WindowManager &manager)
{
    manager.registerFactory(Forms::frmSupport, make<frmSupport>());
    manager.registerFactory(Forms::frmSecureOrder, make<frmSecureOrder>());
    manager.registerFactory(Forms::frmFax, make<frmFax>());
    manager.registerFactory(Forms::frmReviewInfo, make<frmReviewInfo>());
    manager.registerFactory(Forms::frmReviewFax, make<frmReviewFax>());
    manager.registerFactory(Forms::frmOrderRegInfo, make<frmOrderRegInfo>());
    manager.registerFactory(Forms::frmOrder, make<frmOrder>());
    manager.registerFactory(Forms::frmPriceList, make<frmPriceList>());
}
