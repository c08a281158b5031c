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
    manager.registerFactory(QStringLiteral("frmSupport"), make<frmSupport>());
    manager.registerFactory(QStringLiteral("frmSecureOrder"), make<frmSecureOrder>());
    manager.registerFactory(QStringLiteral("frmFax"), make<frmFax>());
    manager.registerFactory(QStringLiteral("frmReviewInfo"), make<frmReviewInfo>());
    manager.registerFactory(QStringLiteral("frmReviewFax"), make<frmReviewFax>());
    manager.registerFactory(QStringLiteral("frmOrderRegInfo"), make<frmOrderRegInfo>());
    manager.registerFactory(QStringLiteral("frmOrder"), make<frmOrder>());
    manager.registerFactory(QStringLiteral("frmPriceList"), make<frmPriceList>());
}
