#include "app/EarlyReading.h"

#include "app/platform/BackgroundPriority.h"
#include "app/platform/FontConfiguration.h"
#include "content/OilBook.h"
#include "content/ReferencePages.h"

EarlyReading::EarlyReading()
    : m_reading([] {
          runInBackgroundPriority();
          readFontConfiguration();
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
    if (m_reading.joinable())
        m_reading.join();
}
