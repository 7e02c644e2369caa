#include <gtest/gtest.h>

#include "calendar/lunar.h"
