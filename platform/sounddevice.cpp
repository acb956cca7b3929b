#include "platform/sounddevice.h"
