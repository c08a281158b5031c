#pragma once

#include "app/shell/AppWindow.h"
#include "content/ReferencePages.h"

// A page of the base (carrier) oil quick reference: ten oils with their applications and therapeutic
// indications in a table of equal rows, built from the page's entry in the content set.
class BaseOilsPage final : public AppWindow
{
    Q_OBJECT

public:
    // book: reference/baseoils.json; page: one of its pages.
    BaseOilsPage(FormId form, const content::BaseOilBook &book, const content::BaseOilBook::Page &page,
                 QWidget *parent = nullptr);

    // The spot is what one of the page's labels says: a section's heading, an oil's name.
    bool showSpot(const QString &spot) override;
};
