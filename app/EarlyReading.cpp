#include "app/EarlyReading.h"

#include "app/platform/BackgroundPriority.h"
#include "app/platform/FontConfiguration.h"
#include "app/shell/DesignProperties.h"

EarlyReading::EarlyReading()
    : m_reading([this] {
          runInBackgroundPriority();
          readFontConfiguration();
          m_designFamilyShown = familyShownFor(designFamily());
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
