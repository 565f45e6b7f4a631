#pragma once
// This Windows system's delivery route: whether it has the Messenger service
// (only Windows before 6.0 has it; the version is read with RtlGetVersion,
// which tells the truth whatever the program's manifest says), this
// computer's name, and the transports for built-in delivery in the order
// they are tried.
#include "messenger/sender.hpp"

namespace messenger {

DeliveryRoute makeWin32DeliveryRoute();

}  // namespace messenger
