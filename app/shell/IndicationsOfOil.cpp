#include "app/shell/IndicationsOfOil.h"

namespace indicationsofoil {

namespace {

Provider &provider()
{
    static Provider registered;
    return registered;
}

} // namespace

void setProvider(Provider p)
{
    provider() = std::move(p);
}

bool available()
{
    return bool(provider());
}

QList<Place> of(const QString &form, const QString &row)
{
    return provider() ? provider()(form, row) : QList<Place>{};
}

} // namespace indicationsofoil
