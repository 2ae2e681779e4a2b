#pragma once
// The dialog-driving library for end-to-end tests under Wine: include this.
#include "process.h"
#include "screenshot.h"
#include "window.h"
