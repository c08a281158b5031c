#pragma once

#include "shared/Place.h"

#include <QList>
#include <QString>
#include <functional>

// The indications that name an oil, as places to open, for the oil pages to offer on an oil's row. The
// program registers the provider (it reads the user's database), so that the oil pages need nothing of the
// indications page; without a provider the pages offer no list.
namespace indicationsofoil {

// form and row: the oil's profile. Each place's spot is the indication's name.
using Provider = std::function<QList<Place>(const QString &form, const QString &row)>;

void setProvider(Provider provider);
bool available();
QList<Place> of(const QString &form, const QString &row);

} // namespace indicationsofoil
