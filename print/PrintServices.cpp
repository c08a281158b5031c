#include "print/PrintServices.h"

#include "print/QtPrintServices.h"

namespace printservices {
namespace {
std::unique_ptr<PrintServices> &installed()
{
    static std::unique_ptr<PrintServices> services;
    return services;
}
} // namespace

PrintServices &printServices()
{
    if (!installed())
        installed() = std::make_unique<QtPrintServices>();
    return *installed();
}

std::unique_ptr<PrintServices> setPrintServices(std::unique_ptr<PrintServices> services)
{
    std::swap(installed(), services);
    return services;
}

} // namespace printservices
