#include "LastWakeRecordReader.h"

#include "EventLogReader.h"
#include "FirmwareWakeUpReader.h"

LastWakeRecord ReadLastWakeRecord() {
    LastWakeRecord record;
    record.wake = ReadLastWake();
    record.start = ReadLastStart();
    record.wakeUpType = ReadFirmwareWakeUpType();
    return record;
}
