// Access to the alarm channels' flag cells through the unit.
#include "cli/CAlarmFlags.h"

#include "model/CQ4kUnit.h"

int CAlarmFlags::GetChannelCount(const CQ4kUnit& unit)
{
    (void)unit;
    return 0;
}

CNdChnData* CAlarmFlags::GetCell(const CQ4kUnit& unit, int channel, int i)
{
    (void)unit;
    (void)channel;
    (void)i;
    return nullptr;
}
