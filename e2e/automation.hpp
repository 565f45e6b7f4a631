#pragma once
// Drives a Win32 program from another process, as a user would: finds its
// windows and controls by the names the programs give them (the window
// property forms::win32::kNameProperty), reads what a user sees, clicks,
// picks, types, answers message boxes, and prepares or checks the registry
// and the net.exe log. Every wait is a bounded poll for a condition.
//
// The one header drivers include; each concern has its own in automation/.
#include "automation/basics.hpp"         // bounds, waitUntil, text conversion, bounded send
#include "automation/finding.hpp"        // windows and controls by name
#include "automation/input.hpp"          // clicks, picks, focus, typed keys
#include "automation/message_boxes.hpp"  // finding, reading, answering boxes
#include "automation/processes.hpp"      // started programs
#include "automation/reading.hpp"        // texts, combos, focus, list views, status bars
#include "automation/screenshots.hpp"    // window pictures as BMP files, the caption drawn active
#include "automation/staging.hpp"        // staged program, net.exe log, registry
#include "automation/tray.hpp"           // the notification area: icons, tips, clicks
