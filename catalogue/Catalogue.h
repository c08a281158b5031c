#pragma once

#include "content/ProductCatalogue.h"

#include <QString>

// The catalogue of the maker's programs and books, read from the content set.
namespace catalogue {

using content::Product;
using Catalogue = content::ProductCatalogue;

// The catalogue with its relative addresses resolved against the maker's web site.
Catalogue resolved(Catalogue catalogue, const QString &website);
// The compiled-in catalogue, its addresses resolved.
const Catalogue &current();

} // namespace catalogue
