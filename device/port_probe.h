#pragma once
// The probe of the serial ports COM1..COM4.

#include "com_ports.h"

#include <array>
#include <cstdint>
#include <functional>

using PortPresence = std::array<uint8_t, kComPortCount>;

// Opens each port's device for query and notes whether it is there and free.
// A present COM1 always becomes the chosen port; another present port only
// when none is chosen yet. devicePath gives the device of COM<n>.
PortPresence probePorts(int32_t &portNumber, const std::function<QString(int n)> &devicePath);
