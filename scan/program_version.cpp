#include "program_version.h"

const char kProgramVersion[] = VELMORA_VERSION;
