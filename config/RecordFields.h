// Every field of every record, named once: each record type's list of fields, which the
// document writer and reader both walk.
#pragma once

#include <cstddef>

#include "config/FieldVisitor.h"
#include "device/RecordSet.h"

namespace config {

void VisitFields(FieldVisitor& v, device::NormalRecord& r);
void VisitFields(FieldVisitor& v, device::CodeRecord& r);
void VisitFields(FieldVisitor& v, device::RecTimerRecord& r);
void VisitFields(FieldVisitor& v, device::SerialsRecord& r);
void VisitFields(FieldVisitor& v, device::NetRecord& r);
void VisitFields(FieldVisitor& v, device::NtpRecord& r);
void VisitFields(FieldVisitor& v, device::DialRecord& r);
void VisitFields(FieldVisitor& v, device::DdnsRecord& r);
void VisitFields(FieldVisitor& v, device::SmtpRecord& r);
void VisitFields(FieldVisitor& v, device::AlarmInRecord& r);
void VisitFields(FieldVisitor& v, device::VideoLostRecord& r);
void VisitFields(FieldVisitor& v, device::VideoCoverRecord& r);
void VisitFields(FieldVisitor& v, device::VideoMotionRecord& r);
void VisitFields(FieldVisitor& v, device::PtzRecord& r);
void VisitFields(FieldVisitor& v, device::VideoOutRecord& r);
void VisitFields(FieldVisitor& v, device::ChanNameRecord& r);
void VisitFields(FieldVisitor& v, device::VersionRecord& r);
void VisitFields(FieldVisitor& v, device::HddInfoRecord& r);
void VisitFields(FieldVisitor& v, device::EventRecord& r);
void VisitFields(FieldVisitor& v, device::RecAdminRecord& r);
void VisitFields(FieldVisitor& v, device::AlarmOutRecord& r);
void VisitFields(FieldVisitor& v, device::PtzPointRecord& r);
void VisitFields(FieldVisitor& v, device::PtzCruiseRecord& r);

// What identifies a recorder, for a file's header: model, serial number, firmware, counts.
void VisitIdentity(FieldVisitor& v, device::VersionRecord& r);

}  // namespace config
