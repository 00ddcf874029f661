#pragma once
// Every command the register answers: one handler per command code, grouped by area in the
// sources of this folder. A handler checks the register's state, changes it and builds the
// reply; the dispatcher does what all commands share.

#include "sim/handlers/context.h"
#include "sim/wire/frame_codec.h"

namespace korvex::sim::handlers {

// device.cpp
Reply getInfo(Context&, const Request&);
Reply getState(Context&, const Request&);
Reply reset(Context&, const Request&);
Reply setDateTime(Context&, const Request&);
Reply enter(Context&, const Request&);
Reply exit(Context&, const Request&);
Reply fremuReset(Context&, const Request&);
Reply keepAlive(Context&, const Request&);
// query.cpp
Reply query(Context&, const Request&);
// shift.cpp
Reply openShift(Context&, const Request&);
Reply closeShift(Context&, const Request&);
// receipt.cpp
Reply openDoc(Context&, const Request&);
Reply addItem(Context&, const Request&);
Reply cancelDoc(Context&, const Request&);
Reply closeDoc(Context&, const Request&);
// attributes.cpp
Reply setAgent(Context&, const Request&);
Reply setClientInfo(Context&, const Request&);
Reply setIndustryProps(Context&, const Request&);
Reply queryMarking(Context&, const Request&);
// printing.cpp
Reply addText(Context&, const Request&);
Reply print(Context&, const Request&);
Reply printDoc(Context&, const Request&);
// reports.cpp
Reply reportX(Context&, const Request&);
Reply getMoney(Context&, const Request&);
Reply reportState(Context&, const Request&);
Reply closeArchive(Context&, const Request&);
// fiscal_drive.cpp
Reply getFd(Context&, const Request&);
Reply getFdState(Context&, const Request&);
Reply getFdTag(Context&, const Request&);
// import.cpp
Reply importBegin(Context&, const Request&);
Reply importNext(Context&, const Request&);
// goods.cpp
Reply readGoods(Context&, const Request&);
Reply writeGoods(Context&, const Request&);
Reply deleteGoods(Context&, const Request&);
// registration.cpp
Reply beginRegistration(Context&, const Request&);
Reply addRegItem(Context&, const Request&);
Reply completeRegistration(Context&, const Request&);
// config.cpp
Reply readConfig(Context&, const Request&);

}  // namespace korvex::sim::handlers
