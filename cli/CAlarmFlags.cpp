// Access to the alarm channels' flag cells through the unit.
#include "cli/CAlarmFlags.h"

#include "unit/CQ4kUnit.h"
#include "setup/alarms/CAlarm.h"

namespace {

const CAlarm* GetAlarms(const CQ4kUnit& unit)
{
    const CAlarm* alarms = dynamic_cast<const CAlarm*>(unit.GetSetupType(ST_ALARM));
    return alarms && alarms->GetSheet() ? alarms : nullptr;
}

}  // namespace

int CAlarmFlags::GetChannelCount(const CQ4kUnit& unit)
{
    return GetAlarms(unit) ? CAlarm::ALARM_CHANNELS : 0;
}

CNdChnData* CAlarmFlags::GetCell(const CQ4kUnit& unit, int channel, int i)
{
    const CAlarm* alarms = GetAlarms(unit);
    return alarms ? alarms->GetFlagCell(channel, i) : nullptr;
}
