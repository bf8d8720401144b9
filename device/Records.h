// Every record exchanged with the device library.
#pragma once

#include "device/AlarmRecords.h"
#include "device/InfoRecords.h"
#include "device/NetworkRecords.h"
#include "device/PtzRecords.h"
#include "device/RecordingRecords.h"
