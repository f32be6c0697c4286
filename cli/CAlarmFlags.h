// The three flag cells ("Block", "Control", "Hysteresis") that each alarm channel keeps beside
// the Alarms sheet, as the show and diff commands list them.
#pragma once

class CNdChnData;
class CQ4kUnit;

class CAlarmFlags {
public:
    static constexpr int FLAGS_PER_CHANNEL = 3;

    // Number of alarm channels with flag cells: 48, or 0 while the unit has no alarms.
    static int GetChannelCount(const CQ4kUnit& unit);
    // Flag cell i (0 to 2) of channel index k (0 to 47: sheet row k + 1), or null.
    static CNdChnData* GetCell(const CQ4kUnit& unit, int channel, int i);
};
