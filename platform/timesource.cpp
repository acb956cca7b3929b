#include "platform/timesource.h"
