#include "app/EarlyReading.h"

#include "app/platform/FontConfiguration.h"
#include "content/OilBook.h"
#include "content/ReferencePages.h"

EarlyReading::EarlyReading()
    : m_reading([] {
          readFontConfiguration();
          // The books the page windows are registered from; each is read once and kept.
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
    if (m_reading.joinable())
        m_reading.join();
}
