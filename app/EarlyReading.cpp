#include "app/EarlyReading.h"

#include "app/platform/BackgroundPriority.h"
#include "app/platform/FontConfiguration.h"
#include "app/shell/DesignProperties.h"
#include "content/OilBook.h"
#include "content/ReferencePages.h"

EarlyReading::EarlyReading()
    : m_reading([this] {
          runInBackgroundPriority();
          readFontConfiguration();
          m_designFamilyShown = familyShownFor(designFamily());
          // The books the page windows are registered from; each is read once and kept. They are built into
          // the program, so reading them needs no application object (no name, no folders of the user).
          content::oilBook();
          content::baseOilBook();
          content::safetyPages();
          content::informationPage();
      })
{}

EarlyReading::~EarlyReading()
{
    finish();
}

void EarlyReading::finish()
{
    if (!m_reading.joinable())
        return;
    m_reading.join();
    setDesignFamilyShown(m_designFamilyShown);
}
